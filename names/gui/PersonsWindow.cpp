#include "names/gui/PersonsWindow.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "atlas/PlaceSearchKey.h"
#include "common/MaskedFields.h"
#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "names/TableLock.h"
#include "platform/CodePage.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "platform/gui/QtMessageService.h"

namespace vostrane {

namespace {

struct PersonRow {
  uint32_t record = 0;
  BirthDataFields fields;
  std::string folded;      // the name's search form, without separators
  std::string columns[4];  // name, date (YYYY-MM-DD), time (24 h), place
};

// The search form of a name: upper case without accents, and the blanks
// and commas FoldPlaceText turns into separators left out, so that "ein"
// and "einstein albert" both find "Einstein, Albert".
std::string SearchForm(const std::string& cp1252) {
  std::string folded = FoldPlaceText(cp1252);
  folded.erase(std::remove(folded.begin(), folded.end(), '!'), folded.end());
  return folded;
}

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

PersonRow RowOf(uint32_t record, const BirthDataFields& f) {
  PersonRow row{record, f, SearchForm(f.name), {}};
  const CalendarDate date = ParseDateText(f.date).value_or(CalendarDate{});
  const ClockTime time = ParseTimeText(f.time).value_or(ClockTime{});
  row.columns[0] = Cp1252ToUtf8(Trim(f.name));
  row.columns[1] = std::to_string(date.year) + "-" + Two(date.month) + "-" + Two(date.day);
  row.columns[2] = Two(time.hours) + ":" + Two(time.minutes) + ":" + Two(time.seconds);
  row.columns[3] = Cp1252ToUtf8(Trim(f.place));
  return row;
}

}  // namespace

class PersonsModel : public QAbstractTableModel {
 public:
  void SetRows(std::vector<PersonRow> rows) {
    rows_ = std::move(rows);
    Filter(filter_);
  }
  void Filter(const std::string& typed) {
    beginResetModel();
    filter_ = typed;
    const std::string key = SearchForm(typed);
    shown_.clear();
    for (size_t i = 0; i < rows_.size(); ++i)
      if (rows_[i].folded.find(key) != std::string::npos) shown_.push_back(i);
    SortShown();
    endResetModel();
  }
  const PersonRow* At(int row) const {
    return row >= 0 && row < static_cast<int>(shown_.size()) ? &rows_[shown_[row]] : nullptr;
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
  QVariant data(const QModelIndex& index, int role) const override {
    const PersonRow* row = At(index.row());
    if (!row || role != Qt::DisplayRole) return {};
    return QString::fromStdString(row->columns[index.column()]);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kTitles[] = {"Name", "Date", "Time", "Place"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
      return {};
    return kTitles[section];
  }
  void sort(int column, Qt::SortOrder order) override {
    beginResetModel();
    sortColumn_ = column;
    sortOrder_ = order;
    SortShown();
    endResetModel();
  }

 private:
  void SortShown() {
    const int c = std::clamp(sortColumn_, 0, 3);
    std::stable_sort(shown_.begin(), shown_.end(), [&](size_t a, size_t b) {
      const std::string& x = c == 0 ? rows_[a].folded : rows_[a].columns[c];
      const std::string& y = c == 0 ? rows_[b].folded : rows_[b].columns[c];
      return sortOrder_ == Qt::AscendingOrder ? x < y : y < x;
    });
  }

  std::vector<PersonRow> rows_;
  std::vector<size_t> shown_;
  std::string filter_;
  int sortColumn_ = 0;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

PersonsWindow::PersonsWindow(TTzDbf& table, QWidget* parent)
    : QDialog(parent), table_(table), model_(std::make_unique<PersonsModel>()) {
  setObjectName("PersonsWindow");
  setWindowTitle("Persons");
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
  view_->sortByColumn(0, Qt::AscendingOrder);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->verticalHeader()->hide();
  view_->installEventFilter(this);
  search_->installEventFilter(this);
  layout->addWidget(view_);
  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (PersonsWindow::*)()> kButtons[] = {
      {"&Open as New Chart", &PersonsWindow::OpenClick},
      {"&Rename...", &PersonsWindow::RenameClick},
      {"&Delete", &PersonsWindow::DeleteClick},
      {"&Undelete", &PersonsWindow::UndeleteClick},
  };
  for (const auto& [text, slot] : kButtons) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* close = new QPushButton("Close", this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_->Filter(Utf8ToCp1252(text.toStdString()));
    view_->selectRow(0);
  });
  connect(view_, &QTableView::doubleClicked, this, [this] { OpenClick(); });
  resize(720, 480);
  Reload();
}

PersonsWindow::~PersonsWindow() = default;

void PersonsWindow::Reload() {
  std::vector<PersonRow> rows;
  if (table_.IsOpen()) {
    table_.SetFilterTo("");
    table_.SetOrderTo(kNameOrder);
    for (table_.First(); !table_.Eof(); table_.Skip(1))
      if (!table_.Deleted()) rows.push_back(RowOf(table_.RecNo(), ReadBirthData(table_)));
  }
  model_->SetRows(std::move(rows));
  view_->selectRow(0);
}

std::vector<std::string> PersonsWindow::ShownNames() const {
  std::vector<std::string> names;
  for (int r = 0; r < model_->rowCount(); ++r) names.push_back(Trim(model_->At(r)->fields.name));
  return names;
}

const BirthDataFields* PersonsWindow::Current() const {
  const PersonRow* row = model_->At(view_->currentIndex().row());
  return row ? &row->fields : nullptr;
}

void PersonsWindow::OpenClick() {
  const BirthDataFields* person = Current();
  if (!person || !open_) return;
  const BirthDataFields chosen = *person;
  accept();
  open_(chosen);
}

void PersonsWindow::RenameClick() {
  const BirthDataFields* person = Current();
  if (!person) return;
  bool ok = false;
  const QString typed = QInputDialog::getText(this, "Rename", "New name:", QLineEdit::Normal,
                                              ToQt(Trim(person->name)), &ok);
  const std::string name = Trim(FromQt(typed));
  if (!ok || name.empty() || name == Trim(person->name)) return;
  if (name.size() > 25) return ShowMessage("A name holds at most 25 characters.", MsgIcon::Warning);
  BirthDataFields renamed = *person;
  renamed.name = name;
  const PersonWriteResult result = UpdatePerson(table_, renamed, person->name);
  if (result.outcome == PersonWrite::OtherPerson)
    ShowMessage("\"" + name + "\" is another saved person.", MsgIcon::Warning);
  else if (result.outcome == PersonWrite::Busy)
    ShowMessage("The name file is locked by another program; nothing was changed.", MsgIcon::Warning);
  Reload();
}

void PersonsWindow::DeleteClick() {
  const PersonRow* row = model_->At(view_->currentIndex().row());
  if (!row) return;
  const std::string name = Trim(row->fields.name);
  if (!AskYesNo("Remove \"" + name + "\" from the name file?\r\n(Undelete brings the person back.)"))
    return;
  const uint32_t record = row->record;
  const PersonWriteResult result = RemovePerson(table_, name);
  if (result.outcome == PersonWrite::Written) deleted_.push_back(record);
  else if (result.outcome == PersonWrite::Busy)
    ShowMessage("The name file is locked by another program; nothing was removed.", MsgIcon::Warning);
  Reload();
}

void PersonsWindow::UndeleteClick() {
  if (deleted_.empty())
    return ShowMessage("No person was deleted in this window.", MsgIcon::Information);
  const uint32_t record = deleted_.back();
  enum class Undo { Done, Gone, Taken } undo = Undo::Gone;
  const bool written = WriteUnderLock(table_, [&] {
    table_.Go(record);
    if (table_.RecNo() != record || !table_.Deleted()) return;
    // Not over a person saved under the same name since.
    if (NameIsOnFile(table_, table_.GetCField("NAME"))) {
      undo = Undo::Taken;
      return;
    }
    table_.Go(record);
    table_.RecallRec();
    undo = Undo::Done;
  });
  if (!written)
    return ShowMessage("The name file is locked by another program; nothing was changed.",
                       MsgIcon::Warning);
  deleted_.pop_back();
  if (undo == Undo::Taken)
    ShowMessage("A person of that name has been saved since; nothing was changed.");
  Reload();
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
