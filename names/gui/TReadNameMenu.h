// The small question before a typed name that is not exactly a saved one is
// read from the name file ("Make Selection Desired:"): read the name at the
// top of the name list, or go on to the next field.
#pragma once

#include <QDialog>

class QPushButton;

namespace vostrane {

class TReadNameMenu : public QDialog {
  Q_OBJECT

 public:
  explicit TReadNameMenu(QWidget* parent = nullptr);

  // True after "&Read Name from File"; "&Next prompt" and Escape give false.
  bool ReadChosen() const { return read_; }
  QPushButton* ReadButton() const { return readButton_; }
  QPushButton* NextButton() const { return nextButton_; }

  // Shows the menu modally with its top left corner at `topLeft` (global
  // coordinates) and returns whether the name is to be read.
  static bool Ask(QWidget* parent, const QPoint& topLeft);

 private:
  QPushButton* readButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  bool read_ = false;
};

}  // namespace vostrane
