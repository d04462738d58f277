// SPDX-License-Identifier: GPL-3.0-or-later
// The small question before a typed name that is not exactly a saved one is
// read from the name file ("Make Selection Desired:"): read the name at the
// top of the name list, choose a person in the Persons window, or go on to
// the next field.
#pragma once

#include <QDialog>

class QPushButton;

namespace vostrane {

class ReadNameMenu : public QDialog {
  Q_OBJECT

 public:
  explicit ReadNameMenu(QWidget* parent = nullptr);

  // "&Read Name from File", "&Persons...", or "&Next prompt" (also Escape).
  enum class Choice { Read, Persons, Next };
  Choice Chosen() const { return choice_; }
  QPushButton* ReadButton() const { return readButton_; }
  QPushButton* PersonsButton() const { return personsButton_; }
  QPushButton* NextButton() const { return nextButton_; }

  // Shows the menu modally with its top left corner at `topLeft` (global
  // coordinates) and returns the choice.
  static Choice Ask(QWidget* parent, const QPoint& topLeft);

 private:
  QPushButton* readButton_ = nullptr;
  QPushButton* personsButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  Choice choice_ = Choice::Next;
};

}  // namespace vostrane
