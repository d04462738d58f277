// SPDX-License-Identifier: GPL-3.0-or-later
// The delete dialog of the birth data form ("Remove this chart"): removing
// the person from the name file, the entry from the session, or both.
#pragma once

#include <QDialog>

#include "entry/gui/BirthDataForm.h"

class QCheckBox;
class QLabel;

namespace vostrane {

class RemoveChartDialog : public QDialog {
  Q_OBJECT

 public:
  RemoveChartDialog(QWidget* parent, const RemovalChoice& choice);

  // 'B' both boxes, 'E' entry only, 'b' name only, 'C' neither or Cancel.
  char Result() const { return result_; }
  QCheckBox* NameBox() const { return nameBox_; }
  QCheckBox* EntryBox() const { return entryBox_; }

  // Shows the dialog modally and returns its result.
  static char Ask(QWidget* parent, const RemovalChoice& choice);

 private:
  void OkClick();

  QCheckBox* nameBox_ = nullptr;
  QCheckBox* entryBox_ = nullptr;
  QLabel* duplicateNote_ = nullptr;
  bool offerName_ = false;
  char result_ = 'C';
};

}  // namespace vostrane
