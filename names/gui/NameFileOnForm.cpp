#include "names/gui/NameFileOnForm.h"

#include <QListWidget>

#include "entry/gui/FormField.h"
#include "entry/gui/TFormBDat.h"
#include "names/NameTable.h"
#include "names/gui/PersonsWindow.h"
#include "names/gui/TReadNameMenu.h"
#include "platform/TextTrim.h"

namespace vostrane {

NameFileOnForm::NameFileOnForm(TFormBDat& form, TTzDbf& table)
    : QObject(&form), form_(form), table_(table), access_(table, *this) {
  setObjectName("NameFileOnForm");
  form.SetNameFile(&access_);
}

int NameFileOnForm::CurrentEntry() const { return form_.CurrentEntry(); }

int NameFileOnForm::EntryCount() const { return form_.EntryCount(); }

std::string NameFileOnForm::NameText() const { return form_.EditName()->StoredText(); }

void NameFileOnForm::SetNameText(const std::string& text) {
  form_.EditName()->SetStoredText(text);
  form_.EditName()->setCursorPosition(0);
}

NameFormContext::ReadAnswer NameFileOnForm::AskReadName() {
  if (ask_) return {ask_(), ""};
  // The menu opens at the top of the name list.
  switch (TReadNameMenu::Ask(&form_, form_.ListBox1()->mapToGlobal(QPoint(0, 0)))) {
    case TReadNameMenu::Choice::Read: return {true, ""};
    case TReadNameMenu::Choice::Next: return {false, ""};
    case TReadNameMenu::Choice::Persons: break;
  }
  // The Persons window opens searching for the text typed.
  const std::optional<std::string> chosen = PersonsWindow::ChoosePerson(table_, Trim(NameText()),
                                                                        &form_);
  return {chosen.has_value(), chosen.value_or("")};
}

NameFileOnForm* AttachNameFile(TFormBDat& form) { return AttachNameFile(form, NamesTable()); }

NameFileOnForm* AttachNameFile(TFormBDat& form, TTzDbf& table) {
  return new NameFileOnForm(form, table);
}

}  // namespace vostrane
