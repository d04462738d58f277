// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/gui/ReadNameMenu.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/LargeFont.h"

namespace vostrane {

ReadNameMenu::ReadNameMenu(QWidget* parent) : QDialog(parent) {
  setObjectName("ReadNameMenu");
  setWindowTitle("Make Selection Desired:");
  setModal(true);

  readButton_ = new QPushButton("&Read Name from File", this);
  readButton_->setObjectName("ReadNameButton");
  personsButton_ = new QPushButton("&Persons... (choose from the whole name file)", this);
  personsButton_->setObjectName("PersonsButton");
  nextButton_ = new QPushButton("&Next prompt (do NOT read name)", this);
  nextButton_->setObjectName("NextPromptButton");
  auto* note = new QLabel(
      "(If you do NOT want to read in the name, select \"Next prompt\" or press the Escape key)", this);
  note->setWordWrap(true);

  // Escape rejects the dialog, which is "Next prompt".
  const std::pair<QPushButton*, Choice> choices[] = {
      {readButton_, Choice::Read}, {personsButton_, Choice::Persons}, {nextButton_, Choice::Next}};
  for (const auto& entry : choices) {
    const Choice choice = entry.second;
    connect(entry.first, &QPushButton::clicked, this, [this, choice] {
      choice_ = choice;
      choice == Choice::Next ? reject() : accept();
    });
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(readButton_);
  layout->addWidget(personsButton_);
  layout->addWidget(nextButton_);
  layout->addWidget(note);
  readButton_->setDefault(true);
  readButton_->setFocus();
  adjustSize();
  resize(ScaleForLargeFont(width()), ScaleForLargeFont(height()));
}

ReadNameMenu::Choice ReadNameMenu::Ask(QWidget* parent, const QPoint& topLeft) {
  ReadNameMenu menu(parent);
  menu.move(topLeft);
  menu.exec();
  return menu.Chosen();
}

}  // namespace vostrane
