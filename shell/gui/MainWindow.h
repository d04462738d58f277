// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menu, information texts, the start-up loading of the
// shared files, and the run-state loop between data entry, calculation and
// viewing.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>

#include "common/RunState.h"
#include "shell/gui/SessionPhases.h"
#include "tablestore/gui/IndexProgressWindow.h"

namespace vostrane {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `phases` (not owned) carry out data entry, calculation and viewing.
  explicit MainWindow(SessionPhases& phases, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Calculates the session and shows the viewer.
  void ShowSession();
  // The loop between data entry, calculation and viewing, run from the
  // current phase of the shell state: NewList new list, AppendEntry a chart appended to the
  // list, EditEntries the list edited, CalculateAndShow calculate and show;
  // it returns on MainMenu. Before a
  // new list replaces one with entries, that list is kept as the backup.
  void RunSessionLoop();
  // Keeps the list being replaced by a new one as the backup; false (after
  // its message) when a list with entries could not be kept.
  bool KeepPreviousList();
  // Removes the printout files of the last viewing.
  void EraseOldPrintouts();

  QString InstructionText() const { return instructionLabel_->text(); }
  // The state the loop runs on, handed to the birth data form and the viewer.
  ShellState& State() { return state_; }

 public slots:
  void NewSessionClick();
  void ContinueSessionClick();
  void RestorePreviousListClick();
  // The Persons window; a person opened there is added to the list of
  // charts, which is then calculated and shown.
  void PersonsClick();
  void PreferencesClick();
  void AboutClick();
  void QuitYesClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildContent();
  void CheckFonts();
  void SelectScreen();
  void PlaceWindow();

  IndexProgressWindow indexProgress_;  // of the two tables
  SessionPhases& phases_;
  ShellState state_;
  QPlainTextEdit* memo_ = nullptr;
  QLabel* instructionLabel_ = nullptr;
  QAction* newAction_ = nullptr;
  QAction* continueAction_ = nullptr;
  QAction* restoreAction_ = nullptr;
};

}  // namespace vostrane
