#include "names/gui/TReadNameMenu.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/LargeFont.h"

namespace vostrane {

TReadNameMenu::TReadNameMenu(QWidget* parent) : QDialog(parent) {
  setObjectName("ReadNameMenu");
  setWindowTitle("Make Selection Desired:");
  setModal(true);

  readButton_ = new QPushButton("&Read Name from File", this);
  readButton_->setObjectName("ReadNameButton");
  nextButton_ = new QPushButton("&Next prompt (do NOT read name)", this);
  nextButton_->setObjectName("NextPromptButton");
  auto* note = new QLabel(
      "(If you do NOT want to read in the name, select \"Next prompt\" or press the Escape key)", this);
  note->setWordWrap(true);

  // Escape rejects the dialog, which is "Next prompt".
  connect(readButton_, &QPushButton::clicked, this, [this] {
    read_ = true;
    accept();
  });
  connect(nextButton_, &QPushButton::clicked, this, [this] {
    read_ = false;
    reject();
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(readButton_);
  layout->addWidget(nextButton_);
  layout->addWidget(note);
  readButton_->setDefault(true);
  readButton_->setFocus();
  adjustSize();
  resize(ScaleForLargeFont(width()), ScaleForLargeFont(height()));
}

bool TReadNameMenu::Ask(QWidget* parent, const QPoint& topLeft) {
  TReadNameMenu menu(parent);
  menu.move(topLeft);
  menu.exec();
  return menu.ReadChosen();
}

}  // namespace vostrane
