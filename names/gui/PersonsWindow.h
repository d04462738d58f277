// SPDX-License-Identifier: GPL-3.0-or-later
// The Persons window: the name file as a table (name, date, time, place,
// last changed), searched by any part of the name (case and accents
// ignored) as the user types, sorted by a click on a column, with a person
// opened as a new chart (Enter or a double click), edited, renamed, deleted
// after a question and undeleted (the persons deleted while the window is
// open, last first).
//
// In choose mode (the birth data form's name lookup) Enter, a double click
// or "&Choose" closes the window with the person chosen instead.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <functional>
#include <memory>
#include <optional>

#include "names/PersonIndex.h"
#include "session/BirthDataTexts.h"
#include "tablestore/DbfTable.h"

class QPushButton;

namespace vostrane {

class PersonsModel;

class PersonsWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Manage, Choose };
  explicit PersonsWindow(DbfTable& table, QWidget* parent = nullptr, Mode mode = Mode::Manage);
  ~PersonsWindow() override;

  // Manage mode: called with the person to open as a chart; the window then closes.
  void SetOpenHandler(std::function<void(const BirthDataFields&)> open) { open_ = std::move(open); }

  // Choose mode: opens the window searching for `typed` (Windows-1252) and
  // returns the name of the person chosen, nullopt when it was closed.
  static std::optional<std::string> ChoosePerson(DbfTable& table, const std::string& typed,
                                                 QWidget* parent);
  const std::optional<std::string>& Chosen() const { return chosen_; }

  QLineEdit* Search() const { return search_; }
  QTableView* Table() const { return view_; }
  // The names shown, top to bottom (Windows-1252).
  std::vector<std::string> ShownNames() const;
  // The text of a column of the row shown at `row` (UTF-8).
  std::string CellText(int row, int column) const;

  void OpenClick();
  void EditClick();
  void RenameClick();
  void DeleteClick();
  void UndeleteClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();
  // Shows the person of the record again after a change (or the first row).
  void ReloadAt(uint32_t record);
  // The row of the current person, or nullptr.
  const PersonRow* CurrentRow() const;
  // Says what went wrong with the change times, once per problem.
  void ReportStampProblem(const std::string& problem);

  DbfTable& table_;
  Mode mode_;
  std::unique_ptr<PersonsModel> model_;
  QLineEdit* search_ = nullptr;
  QTableView* view_ = nullptr;
  std::function<void(const BirthDataFields&)> open_;
  std::optional<std::string> chosen_;
  std::vector<uint32_t> deleted_;  // records deleted here, last at the back
  std::string reportedProblem_;
};

}  // namespace vostrane
