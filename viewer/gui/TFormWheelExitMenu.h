// The viewer's exit menu, opened by Esc or "E" in the viewer: where to go
// when the viewer closes. The button chosen is the RunState the viewer
// closes with: 'N' new data entry, 'Q' main menu; 'X' cancels (the viewer
// stays open). Appending to the data entries ('A') has no road in the shell
// and its button is not shown.
#pragma once

#include <QDialog>

class QPushButton;

namespace vostrane {

class TFormWheelExitMenu : public QDialog {
  Q_OBJECT

 public:
  explicit TFormWheelExitMenu(QWidget* parent = nullptr);

  // Shows the menu modally; the letter of the button chosen, 'X' when the
  // menu is closed otherwise.
  char Choose();
  char Choice() const { return choice_; }

  QPushButton* NewDataEntryButton() const { return newEntry_; }
  QPushButton* AppendButton() const { return append_; }
  QPushButton* MainMenuButton() const { return mainMenu_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  QPushButton* AddChoice(const char* caption, char letter);

  QPushButton* newEntry_ = nullptr;
  QPushButton* append_ = nullptr;
  QPushButton* mainMenu_ = nullptr;
  QPushButton* cancel_ = nullptr;
  char choice_ = 'X';
};

}  // namespace vostrane
