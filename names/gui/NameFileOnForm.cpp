// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/gui/NameFileOnForm.h"

#include <QListWidget>

#include "entry/gui/FormField.h"
#include "entry/gui/BirthDataForm.h"
#include "names/NameTable.h"
#include "names/gui/PersonsWindow.h"
#include "names/gui/ReadNameMenu.h"
#include "platform/TextTrim.h"

namespace vostrane {

NameFileOnForm::NameFileOnForm(BirthDataForm& form, DbfTable& table)
    : QObject(&form), form_(form), table_(table), access_(table, *this) {
  setObjectName("NameFileOnForm");
  form.SetNameFile(&access_);
}

int NameFileOnForm::CurrentEntry() const { return form_.CurrentEntry(); }

int NameFileOnForm::EntryCount() const { return form_.EntryCount(); }

std::string NameFileOnForm::NameText() const { return form_.NameField()->StoredText(); }

void NameFileOnForm::SetNameText(const std::string& text) {
  form_.NameField()->SetStoredText(text);
  form_.NameField()->setCursorPosition(0);
}

NameFormContext::ReadAnswer NameFileOnForm::AskReadName() {
  if (ask_) return {ask_(), ""};
  // The menu opens at the top of the name list.
  switch (ReadNameMenu::Ask(&form_, form_.NameFileList()->mapToGlobal(QPoint(0, 0)))) {
    case ReadNameMenu::Choice::Read: return {true, ""};
    case ReadNameMenu::Choice::Next: return {false, ""};
    case ReadNameMenu::Choice::Persons: break;
  }
  // The Persons window opens searching for the text typed.
  const std::optional<std::string> chosen = PersonsWindow::ChoosePerson(table_, Trim(NameText()),
                                                                        &form_);
  return {chosen.has_value(), chosen.value_or("")};
}

NameFileOnForm* AttachNameFile(BirthDataForm& form) { return AttachNameFile(form, NamesTable()); }

NameFileOnForm* AttachNameFile(BirthDataForm& form, DbfTable& table) {
  return new NameFileOnForm(form, table);
}

}  // namespace vostrane
