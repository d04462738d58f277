#include "names/gui/NameFileOnForm.h"

#include <QListWidget>

#include "entry/gui/FormField.h"
#include "entry/gui/TFormBDat.h"
#include "names/NameTable.h"
#include "names/gui/TReadNameMenu.h"

namespace vostrane {

NameFileOnForm::NameFileOnForm(TFormBDat& form, TTzDbf& table)
    : QObject(&form), form_(form), access_(table, *this) {
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

bool NameFileOnForm::AskReadName() {
  if (ask_) return ask_();
  // The menu opens at the top of the name list.
  return TReadNameMenu::Ask(&form_, form_.ListBox1()->mapToGlobal(QPoint(0, 0)));
}

NameFileOnForm* AttachNameFile(TFormBDat& form) { return AttachNameFile(form, NamesTable()); }

NameFileOnForm* AttachNameFile(TFormBDat& form, TTzDbf& table) {
  return new NameFileOnForm(form, table);
}

}  // namespace vostrane
