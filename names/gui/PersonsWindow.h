// The Persons window: the name file as a table (name, date, time, place),
// searched by any part of the name (case and accents ignored) as the user
// types, sorted by a click on a column, with a person opened as a new chart
// (Enter or a double click), renamed, deleted after a question and
// undeleted (the persons deleted while the window is open, last first).
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTableView>
#include <functional>
#include <memory>

#include "session/BirthDataTexts.h"
#include "tablestore/TTzDbf.h"

namespace vostrane {

class PersonsModel;

class PersonsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PersonsWindow(TTzDbf& table, QWidget* parent = nullptr);
  ~PersonsWindow() override;

  // Called with the person to open as a chart; the window then closes.
  void SetOpenHandler(std::function<void(const BirthDataFields&)> open) { open_ = std::move(open); }

  QLineEdit* Search() const { return search_; }
  QTableView* Table() const { return view_; }
  // The names shown, top to bottom (Windows-1252).
  std::vector<std::string> ShownNames() const;

  void OpenClick();
  void RenameClick();
  void DeleteClick();
  void UndeleteClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();
  // The person of the current row, or nullptr.
  const BirthDataFields* Current() const;

  TTzDbf& table_;
  std::unique_ptr<PersonsModel> model_;
  QLineEdit* search_ = nullptr;
  QTableView* view_ = nullptr;
  std::function<void(const BirthDataFields&)> open_;
  std::vector<uint32_t> deleted_;  // records deleted here, last at the back
};

}  // namespace vostrane
