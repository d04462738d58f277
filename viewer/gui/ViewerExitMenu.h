// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's exit menu, opened by Esc or "E" in the viewer: where to go
// when the viewer closes. The button chosen is the shell phase the viewer
// closes with: NewList new data entry, MainMenu main menu; Cancel leaves
// no choice (the viewer stays open). Appending to the data entries
// (AppendEntry) has no road in the shell and its button is not shown.
#pragma once

#include <QDialog>
#include <optional>

#include "common/RunState.h"

class QPushButton;

namespace vostrane {

class ViewerExitMenu : public QDialog {
  Q_OBJECT

 public:
  explicit ViewerExitMenu(QWidget* parent = nullptr);

  // Shows the menu modally; the shell phase of the button chosen, none when the
  // menu is cancelled or closed otherwise.
  std::optional<RunPhase> Choose();
  std::optional<RunPhase> Choice() const { return choice_; }

  QPushButton* NewDataEntryButton() const { return newEntry_; }
  QPushButton* AppendButton() const { return append_; }
  QPushButton* MainMenuButton() const { return mainMenu_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  QPushButton* AddChoice(const char* caption, std::optional<RunPhase> choice);

  QPushButton* newEntry_ = nullptr;
  QPushButton* append_ = nullptr;
  QPushButton* mainMenu_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::optional<RunPhase> choice_;
};

}  // namespace vostrane
