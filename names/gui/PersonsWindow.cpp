// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/gui/PersonsWindow.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "names/NameTable.h"
#include "names/PersonWrites.h"
#include "names/gui/PersonEditDialog.h"
#include "platform/CodePage.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "platform/gui/QtMessageService.h"

namespace vostrane {

namespace {

constexpr const char* kBusyText = "The name file is locked by another program; nothing was changed.";

}  // namespace

// The table's rows over the person index; a search or a sort resets it.
class PersonsModel : public QAbstractTableModel {
 public:
  PersonIndex& Index() { return index_; }
  const PersonIndex& Index() const { return index_; }
  void Load(DbfTable& table) {
    Reset([&] { index_.Load(table); });
  }
  void Search(const std::string& typed) {
    Reset([&] { index_.Search(typed); });
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(index_.Found());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kPersonColumns;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const PersonRow* row = index_.At(static_cast<size_t>(index.row()));
    if (!row || role != Qt::DisplayRole || index.column() < 0 || index.column() >= kPersonColumns)
      return {};
    return QString::fromStdString(row->columns[index.column()]);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kTitles[kPersonColumns] = {"Name", "Date", "Time", "Place", "Last Changed"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kPersonColumns)
      return {};
    return kTitles[section];
  }
  void sort(int column, Qt::SortOrder order) override {
    Reset([&] { index_.Sort(column, order == Qt::AscendingOrder); });
  }

 private:
  template <typename Change>
  void Reset(Change change) {
    beginResetModel();
    change();
    endResetModel();
  }
  PersonIndex index_;
};

PersonsWindow::PersonsWindow(DbfTable& table, QWidget* parent, Mode mode)
    : QDialog(parent), table_(table), mode_(mode), model_(std::make_unique<PersonsModel>()) {
  setObjectName("PersonsWindow");
  setWindowTitle(mode == Mode::Choose ? "Choose a Person" : "Persons");
  auto* layout = new QVBoxLayout(this);
  search_ = new QLineEdit(this);
  search_->setObjectName("PersonSearch");
  search_->setPlaceholderText("Search any part of the name");
  layout->addWidget(search_);
  view_ = new QTableView(this);
  view_->setObjectName("PersonTable");
  view_->setModel(model_.get());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSortingEnabled(true);
  view_->sortByColumn(kNameColumn, Qt::AscendingOrder);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->verticalHeader()->hide();
  // Rows of one height: the view never measures 100,000 rows.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->installEventFilter(this);
  search_->installEventFilter(this);
  layout->addWidget(view_);
  auto* buttons = new QHBoxLayout;
  using Slot = void (PersonsWindow::*)();
  std::vector<std::pair<const char*, Slot>> actions;
  if (mode == Mode::Choose) actions.push_back({"&Choose", &PersonsWindow::OpenClick});
  else actions.push_back({"&Open as New Chart", &PersonsWindow::OpenClick});
  actions.push_back({"&Edit...", &PersonsWindow::EditClick});
  actions.push_back({"&Rename...", &PersonsWindow::RenameClick});
  actions.push_back({"&Delete", &PersonsWindow::DeleteClick});
  actions.push_back({"&Undelete", &PersonsWindow::UndeleteClick});
  for (const auto& [text, slot] : actions) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* close = new QPushButton(mode == Mode::Choose ? "Cancel" : "Close", this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_->Search(Utf8ToCp1252(text.toStdString()));
    view_->selectRow(0);
  });
  connect(view_, &QTableView::doubleClicked, this, [this] { OpenClick(); });
  resize(860, 480);
  Reload();
  view_->resizeColumnToContents(kDateColumn);
  view_->resizeColumnToContents(kTimeColumn);
  view_->setColumnWidth(kNameColumn, 220);
  view_->setColumnWidth(kPlaceColumn, 220);
}

PersonsWindow::~PersonsWindow() = default;

std::optional<std::string> PersonsWindow::ChoosePerson(DbfTable& table, const std::string& typed,
                                                       QWidget* parent) {
  PersonsWindow window(table, parent, Mode::Choose);
  window.search_->setText(ToQt(typed));
  window.exec();
  return window.Chosen();
}

void PersonsWindow::Reload() { ReloadAt(0); }

void PersonsWindow::ReloadAt(uint32_t record) {
  model_->Load(table_);
  ReportStampProblem(model_->Index().ChangeTimesProblem());
  int row = 0;
  for (size_t i = 0; record != 0 && i < model_->Index().Found(); ++i)
    if (model_->Index().At(i)->record == record) row = static_cast<int>(i);
  view_->selectRow(row);
}

void PersonsWindow::ReportStampProblem(const std::string& problem) {
  if (problem.empty() || problem == reportedProblem_) return;
  reportedProblem_ = problem;
  ShowMessage(problem, MsgIcon::Warning);
}

std::vector<std::string> PersonsWindow::ShownNames() const {
  std::vector<std::string> names;
  for (size_t r = 0; r < model_->Index().Found(); ++r)
    names.push_back(Trim(model_->Index().At(r)->fields.name));
  return names;
}

std::string PersonsWindow::CellText(int row, int column) const {
  const PersonRow* person = model_->Index().At(static_cast<size_t>(row));
  return person && column >= 0 && column < kPersonColumns ? person->columns[column] : "";
}

const PersonRow* PersonsWindow::CurrentRow() const {
  const int row = view_->currentIndex().row();
  return row < 0 ? nullptr : model_->Index().At(static_cast<size_t>(row));
}

void PersonsWindow::OpenClick() {
  const PersonRow* row = CurrentRow();
  if (!row) return;
  if (mode_ == Mode::Choose) {
    chosen_ = Trim(row->fields.name);
    accept();
    return;
  }
  if (!open_) return;
  const BirthDataFields chosen = row->fields;
  accept();
  open_(chosen);
}

void PersonsWindow::EditClick() {
  const PersonRow* row = CurrentRow();
  if (!row) return;
  const BirthDataFields before = row->fields;
  PersonEditDialog dialog(before, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const BirthDataFields after = dialog.Fields();
  PersonWriteResult result = UpdatePerson(table_, after, before.name);
  if (result.outcome == PersonWrite::OtherPerson) {
    ShowMessage("\"" + Trim(after.name) + "\" is another saved person; nothing was changed.",
                MsgIcon::Warning);
  } else if (result.outcome == PersonWrite::Busy) {
    ShowMessage(kBusyText, MsgIcon::Warning);
  }
  ReportStampProblem(result.stampProblem);
  ReloadAt(result.record);
}

void PersonsWindow::RenameClick() {
  const PersonRow* row = CurrentRow();
  if (!row) return;
  const BirthDataFields person = row->fields;
  bool ok = false;
  const QString typed = QInputDialog::getText(this, "Rename", "New name:", QLineEdit::Normal,
                                              ToQt(Trim(person.name)), &ok);
  const std::string name = Trim(FromQt(typed));
  if (!ok || name.empty() || name == Trim(person.name)) return;
  if (name.size() > 25) return ShowMessage("A name holds at most 25 characters.", MsgIcon::Warning);
  BirthDataFields renamed = person;
  renamed.name = name;
  const PersonWriteResult result = UpdatePerson(table_, renamed, person.name);
  if (result.outcome == PersonWrite::OtherPerson)
    ShowMessage("\"" + name + "\" is another saved person.", MsgIcon::Warning);
  else if (result.outcome == PersonWrite::Busy) ShowMessage(kBusyText, MsgIcon::Warning);
  ReportStampProblem(result.stampProblem);
  ReloadAt(result.record);
}

void PersonsWindow::DeleteClick() {
  const PersonRow* row = CurrentRow();
  if (!row) return;
  const std::string name = Trim(row->fields.name);
  if (!AskYesNo("Remove \"" + name + "\" from the name file?\r\n(Undelete brings the person back.)"))
    return;
  const uint32_t record = row->record;
  const PersonWriteResult result = RemovePerson(table_, name);
  if (result.outcome == PersonWrite::Written) deleted_.push_back(record);
  else if (result.outcome == PersonWrite::Busy)
    ShowMessage("The name file is locked by another program; nothing was removed.", MsgIcon::Warning);
  ReportStampProblem(result.stampProblem);
  Reload();
}

void PersonsWindow::UndeleteClick() {
  if (deleted_.empty())
    return ShowMessage("No person was deleted in this window.", MsgIcon::Information);
  const PersonWriteResult result = UndeletePerson(table_, deleted_.back());
  if (result.outcome == PersonWrite::Busy) return ShowMessage(kBusyText, MsgIcon::Warning);
  deleted_.pop_back();
  if (result.outcome == PersonWrite::OtherPerson)
    ShowMessage("A person of that name has been saved since; nothing was changed.");
  ReportStampProblem(result.stampProblem);
  ReloadAt(result.outcome == PersonWrite::Written ? result.record : 0);
}

bool PersonsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    OpenClick();
    return true;
  }
  if (watched == view_ && key == Qt::Key_Delete) {
    DeleteClick();
    return true;
  }
  // Up and Down in the search field move through the list.
  if (watched == search_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
    const int row = std::clamp(view_->currentIndex().row() + (key == Qt::Key_Down ? 1 : -1), 0,
                               std::max(0, model_->rowCount() - 1));
    view_->selectRow(row);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vostrane
