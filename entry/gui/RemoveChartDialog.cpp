// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/RemoveChartDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/LargeFont.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {

RemoveChartDialog::RemoveChartDialog(QWidget* parent, const RemovalChoice& choice) : QDialog(parent) {
  setObjectName("RemoveChartDialog");
  setWindowTitle("Remove this chart");
  setAutoFillBackground(true);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(0xA0, 0xA0, 0xA0));  // colour value 10526880
  setPalette(grey);

  nameBox_ = new QCheckBox("Remove Name From &File", this);
  entryBox_ = new QCheckBox("Remove Entry from Current &Entries", this);
  duplicateNote_ = new QLabel("(Duplicate entries cannot be removed from file)", this);
  // Without the name box the entry box is the only choice, so it starts checked.
  offerName_ = choice.offerName;
  nameBox_->setVisible(choice.offerName);
  entryBox_->setChecked(!choice.offerName);
  duplicateNote_->setVisible(choice.duplicateNote);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("OkButton");
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { OkClick(); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] {
    result_ = 'C';
    reject();
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 12);
  layout->addWidget(nameBox_);
  layout->addWidget(entryBox_);
  layout->addWidget(duplicateNote_);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  adjustSize();
  resize(ScaleForLargeFont(width()), ScaleForLargeFont(height()));
  KeepOnScreenWhenShown(this);
}

void RemoveChartDialog::OkClick() {
  const bool name = offerName_ && nameBox_->isChecked();
  const bool entry = entryBox_->isChecked();
  result_ = name && entry ? 'B' : entry ? 'E' : name ? 'b' : 'C';
  accept();
}

char RemoveChartDialog::Ask(QWidget* parent, const RemovalChoice& choice) {
  RemoveChartDialog dialog(parent, choice);
  dialog.exec();
  return dialog.Result();
}

}  // namespace vostrane
