// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gui/AlreadyRunningNotice.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/LargeFont.h"

namespace vostrane {

AlreadyRunningNotice::AlreadyRunningNotice(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Vostrane is already running!");
  auto* layout = new QVBoxLayout(this);
  for (const char* text :
       {"Vostrane is already running! You can run only one Vostrane program at a time. ",
        "The Vostrane program will end when you select the OK button below.",
        "To get back into the Vostrane program, choose its window \"Vostrane\" in the window "
        "list of your desktop (or with Alt+Tab)."}) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(ScaleForLargeFont(420), ScaleForLargeFont(180));
}

}  // namespace vostrane
