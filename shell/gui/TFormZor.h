// The main window: menu, information texts, the start-up loading of the
// shared files, and the run-state loop between data entry, calculation and
// viewing.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>

#include "tablestore/gui/IndexProgressWindow.h"

namespace vostrane {

class TFormZor : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormZor(QWidget* parent = nullptr);
  ~TFormZor() override;

  // Calculates the session and shows the viewer (sender goes to the viewer).
  void ShowSession(QObject* sender);
  // The data entry loop that follows "Continue".
  void EnterDatAndCalcLoop();
  // Removes the printout files of the last viewing.
  void EraseOldPrintouts();

  QString InstructionText() const { return instructionLabel_->text(); }

 public slots:
  void NewSessionClick();
  void ContinueSessionClick();
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
  QPlainTextEdit* memo_ = nullptr;
  QLabel* instructionLabel_ = nullptr;
  QAction* newAction_ = nullptr;
  QAction* continueAction_ = nullptr;
};

}  // namespace vostrane
