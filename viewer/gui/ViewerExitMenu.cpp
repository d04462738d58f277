// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/ViewerExitMenu.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/LargeFont.h"

namespace vostrane {

ViewerExitMenu::ViewerExitMenu(QWidget* parent) : QDialog(parent) {
  setObjectName("ViewerExitMenu");
  setWindowTitle("Exit to Main Menu or Data Entry Screen");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Select where you want to exit to:", this));
  newEntry_ = AddChoice("&New Data Entry", RunPhase::NewList);
  append_ = AddChoice("&Append to Data Entries", RunPhase::AppendEntry);
  mainMenu_ = AddChoice("&Main Menu", RunPhase::MainMenu);
  cancel_ = AddChoice("Cancel (do not exit)", std::nullopt);
  cancel_->setDefault(true);
  setFixedSize(std::max(ScaleForLargeFont(300), sizeHint().width()), sizeHint().height());
}

QPushButton* ViewerExitMenu::AddChoice(const char* caption, std::optional<RunPhase> choice) {
  auto* button = new QPushButton(caption, this);
  layout()->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, choice] {
    choice_ = choice;
    accept();
  });
  return button;
}

std::optional<RunPhase> ViewerExitMenu::Choose() {
  choice_.reset();
  exec();
  return choice_;
}

}  // namespace vostrane
