// SPDX-License-Identifier: GPL-3.0-or-later
// The name file on the birth data form: the real name table behind the
// form's name-file seam, with the form supplying what the seam's calls do
// not carry (entry number and count, the name field, the read question at
// the top of the name list).
//
// Wiring, once after the form is created:
//   AttachNameFile(*form);                // the program's NamesTable()
// The object is a child of the form and lives as long as it.
#pragma once

#include <QObject>
#include <functional>

#include "names/NameTableAccess.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

class BirthDataForm;

class NameFileOnForm : public QObject, private NameFormContext {
  Q_OBJECT

 public:
  // Becomes a child of the form and sets itself as the form's name file.
  NameFileOnForm(BirthDataForm& form, DbfTable& table);

  NameTableAccess& Access() { return access_; }
  // Replaces the read question (ReadNameMenu, whose "&Persons..." opens
  // the Persons window to choose the person read) with an answer of the
  // caller's; an empty function restores the dialog.
  void SetReadQuestion(std::function<bool()> ask) { ask_ = std::move(ask); }

 private:
  int CurrentEntry() const override;
  int EntryCount() const override;
  std::string NameText() const override;
  void SetNameText(const std::string& text) override;
  ReadAnswer AskReadName() override;

  BirthDataForm& form_;
  DbfTable& table_;
  NameTableAccess access_;
  std::function<bool()> ask_;
};

// Attaches the name table (the program's NamesTable() unless given) to the
// form; returns the attachment, which the form owns.
NameFileOnForm* AttachNameFile(BirthDataForm& form);
NameFileOnForm* AttachNameFile(BirthDataForm& form, DbfTable& table);

}  // namespace vostrane
