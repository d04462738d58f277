#include "viewer/gui/TFormWheelExitMenu.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/LargeFont.h"

namespace vostrane {

TFormWheelExitMenu::TFormWheelExitMenu(QWidget* parent) : QDialog(parent) {
  setObjectName("FormWheelExitMenu");
  setWindowTitle("Exit to Main Menu or Data Entry Screen");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Select where you want to exit to:", this));
  newEntry_ = AddChoice("&New Data Entry", 'N');
  append_ = AddChoice("&Append to Data Entries", 'A');
  mainMenu_ = AddChoice("&Main Menu", 'Q');
  cancel_ = AddChoice("Cancel (do not exit)", 'X');
  cancel_->setDefault(true);
  setFixedSize(std::max(ScaleForLargeFont(300), sizeHint().width()), sizeHint().height());
}

QPushButton* TFormWheelExitMenu::AddChoice(const char* caption, char letter) {
  auto* button = new QPushButton(caption, this);
  layout()->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, letter] {
    choice_ = letter;
    accept();
  });
  return button;
}

char TFormWheelExitMenu::Choose() {
  choice_ = 'X';
  exec();
  return choice_;
}

}  // namespace vostrane
