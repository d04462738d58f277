// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gui/PlaceDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "atlas/PlacesTable.h"
#include "atlas/gui/PlaceEdit.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "platform/gui/Cp1252Validator.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "common/MessageTextFile.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {
namespace {

constexpr int kPageSteps = 12;
constexpr int kNotFoundTextNumber = 13093;

// Only what the dialog offers: the list is in city order, every place of a
// name together and the largest first.
constexpr const char* kPlaceNotFoundHint =
    "Place Not Found!   Suggestions:  (1) Type the city only (not its state or country) and scroll to "
    "find it among the places of that name.  (2) Type fewer letters, or try another spelling or an "
    "older "
    "name.";
constexpr const char* kPlaceMarksNote =
    "* before a place: its daylight-time history before 1970 is less certain; check the time zone.  "
    "A name in brackets is the nearest larger place, told apart from others of the same name.";

QLabel* Instruction(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

// Runs a table operation; a table store error is shown, and the dialog
// goes on.
template <typename F>
void Guarded(F&& operation) {
  try {
    operation();
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
  }
}

}  // namespace

PlaceDialog::PlaceDialog(QWidget* parent, DbfTable& places, const std::string& placeText)
    : QDialog(parent),
      places_(places),
      list_(places, MessageText(kNotFoundTextNumber)),
      remembered_(placeText) {
  setObjectName("PlaceDialog");
  setWindowTitle("Enter Place");
  setModal(true);
  BuildControls();
  FormActivate();
  KeepOnScreenWhenShown(this);
}

void PlaceDialog::BuildControls() {
  BuildPlaceField();
  BuildPlaceList();
  BuildButtons();
  BuildHints();
  BuildLayout();
  resize(ScaleForLargeFont(sizeHint().width()), ScaleForLargeFont(sizeHint().height()));
  // The dialog opens with every row shown; on a low screen the list may
  // give up rows so that the buttons below it stay on the screen.
  cityList_->setMinimumHeight(cityList_->sizeHintForRow(0) * kPlaceListRows / 3);
}

void PlaceDialog::BuildPlaceField() {
  placeLabel_ = new QLabel("Place:", this);
  placeField_ = new PlaceEdit(this);
  placeField_->setObjectName("PlaceField");
  placeField_->setMaxLength(kPlaceNameWidth);
  placeField_->onKeyPress = [this](QKeyEvent* e) { return PlaceFieldKeyDown(e); };
  placeField_->afterKeyPress = [this](QKeyEvent* e) { PlaceFieldAfterKey(e); };
  placeField_->onKeyRelease = [this](QKeyEvent* e) { PlaceFieldKeyUp(e); };
  // Places are stored in Windows-1252: other characters are refused, and
  // the note under the field says why.
  auto* validator = new Cp1252Validator(placeField_);
  validator->onRefused = [this](const QString& refused) {
    refusedLabel_->setText(RefusedCharacterHint(refused));
    refusedLabel_->show();
  };
  placeField_->setValidator(validator);
}

// The list of matching places, a fixed number of rows, with its scroll arrows.
void PlaceDialog::BuildPlaceList() {
  cityList_ = new QListWidget(this);
  cityList_->setObjectName("CityList");
  cityList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  cityList_->setFocusPolicy(Qt::NoFocus);
  cityList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cityList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < kPlaceListRows; ++row) cityList_->addItem(" ");
  const int rowHeight = cityList_->sizeHintForRow(0);
  cityList_->setFixedHeight(rowHeight * kPlaceListRows + 2 * cityList_->frameWidth() + 2);
  cityList_->setMinimumWidth(
      cityList_->fontMetrics().horizontalAdvance(QString(kPlaceRowWidth + 2, 'M')));
  connect(cityList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { CityListClick(cityList_->row(item)); });
  connect(cityList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { CityListClick(cityList_->row(item)); });

  arrowUp_ = new ScrollArrow(Qt::UpArrow, this);
  arrowUp_->setObjectName("ArrowUp");
  arrowUp_->onPress = [this] { ScrollWhileHeld(arrowUp_, ScrollDirection::Up); };
  arrowDown_ = new ScrollArrow(Qt::DownArrow, this);
  arrowDown_->setObjectName("ArrowDown");
  arrowDown_->onPress = [this] { ScrollWhileHeld(arrowDown_, ScrollDirection::Down); };
}

void PlaceDialog::BuildButtons() {
  firstPlaceButton_ = new QPushButton("&Get First Place In List", this);
  firstPlaceButton_->setObjectName("FirstPlaceButton");
  okButton_ = new QPushButton("Place &Not on File", this);
  okButton_->setObjectName("OkButton");
  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("CancelButton");
  for (QPushButton* b : {firstPlaceButton_, okButton_, cancelButton_}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(firstPlaceButton_, &QPushButton::clicked, this, [this] {
    FirstPlaceClick();
    done(kYesResult);
  });
  connect(okButton_, &QPushButton::clicked, this, [this] {
    OkClick();
    done(kOkResult);
  });
  connect(cancelButton_, &QPushButton::clicked, this, &PlaceDialog::reject);
}

// The yellow notes shown when no place matches and when a character is refused.
void PlaceDialog::BuildHints() {
  notFoundLabel_ = new QLabel(ToQt(kPlaceNotFoundHint), this);
  notFoundLabel_->setObjectName("NotFoundLabel");
  notFoundLabel_->setWordWrap(true);
  notFoundLabel_->setAutoFillBackground(true);
  QPalette yellow = notFoundLabel_->palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  notFoundLabel_->setPalette(yellow);
  notFoundLabel_->hide();
  refusedLabel_ = new QLabel(this);
  refusedLabel_->setObjectName("RefusedLabel");
  refusedLabel_->setWordWrap(true);
  refusedLabel_->setAutoFillBackground(true);
  refusedLabel_->setPalette(yellow);
  refusedLabel_->hide();
}

// The field, the list and the notes in a column, the instructions with
// their buttons below.
void PlaceDialog::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Instruction("As you type, the matching places on file are displayed.", this));
  auto* field = new QHBoxLayout;
  field->addWidget(placeLabel_);
  field->addWidget(placeField_, 1);
  layout->addLayout(field);
  layout->addWidget(refusedLabel_);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(cityList_, 1);
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(arrowUp_);
  arrows->addStretch(1);
  arrows->addWidget(arrowDown_);
  listRow->addLayout(arrows);
  layout->addLayout(listRow);
  layout->addWidget(notFoundLabel_);
  auto* marks = Instruction(ToQt(kPlaceMarksNote), this);
  marks->setObjectName("MarksLabel");
  layout->addWidget(marks);
  auto* help = new QGridLayout;
  help->addWidget(Instruction("To read a place saved on file:", this), 0, 0);
  help->addWidget(
      Instruction("Click on the place desired, or press Enter or select the \"Get First Place In List\" "
                  "button for the first one.",
                  this),
      1, 0);
  help->addWidget(firstPlaceButton_, 1, 1);
  help->addWidget(Instruction("If you do NOT wish to read from file:", this), 2, 0);
  help->addWidget(Instruction("Select the \"Place Not on File\" button.", this), 3, 0);
  help->addWidget(okButton_, 3, 1);
  help->addWidget(Instruction("Note: Clicking on the place desired also closes this form.", this), 4, 0);
  help->addWidget(cancelButton_, 4, 1);
  layout->addLayout(help);
}

std::string PlaceDialog::Typed() const { return FromQt(placeField_->text()); }

void PlaceDialog::SetTyped(const std::string& text) { placeField_->setText(ToQt(text)); }

std::string PlaceDialog::PlaceText() const { return Typed(); }

void PlaceDialog::FormActivate() {
  // The list is always in name order (the country filter is not offered).
  Guarded([this] { places_.SetIndexOrder(kPlacesCityOrder); });
  outcome_ = 'C';
  insertMode_ = true;
  enterPressed_ = false;
  SetTyped(remembered_);
  placeField_->deselect();
  if (remembered_.empty()) {
    // The list starts at the first places beginning with A.
    SetTyped("A");
    FillList();
    SetTyped("");
  } else {
    placeField_->setCursorPosition(placeField_->text().size());
    FillList();
  }
}

void PlaceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  placeField_->setFocus();
  placeField_->deselect();
}

void PlaceDialog::ShowRows() {
  const std::vector<std::string>& rows = list_.Rows();
  for (int row = 0; row < kPlaceListRows; ++row) {
    cityList_->item(row)->setText(ToQt(rows[static_cast<size_t>(row)]));
  }
  notFoundLabel_->setVisible(list_.NotFoundShown());
}

void PlaceDialog::FillList(ScrollDirection direction) {
  notFoundLabel_->hide();
  Guarded([&] {
    const PlaceList::EditChange change = list_.Fill(Typed(), direction);
    if (change.cleared) {
      SetTyped("");
      return;
    }
    if (change.text) {
      SetTyped(*change.text);
      placeField_->setCursorPosition(0);
    }
    ShowRows();
  });
}

void PlaceDialog::Scroll(ScrollDirection direction, int steps) {
  for (int i = 0; i < steps; ++i) {
    if (list_.Rows()[0] == list_.NotFoundText()) return;
    FillList(direction);
  }
}

void PlaceDialog::ScrollWhileHeld(ScrollArrow* arrow, ScrollDirection direction) {
  // One step at a time, letting the pending window messages run (among
  // them the release of the button) between steps.
  while (arrow->Held() && isVisible()) {
    Scroll(direction, 1);
    QApplication::processEvents(QEventLoop::AllEvents);
  }
}

bool PlaceDialog::PlaceFieldKeyDown(QKeyEvent* e) {
  textBeforeKey_ = placeField_->text();
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: enterPressed_ = true; return true;
    case Qt::Key_Insert: insertMode_ = !insertMode_; return true;
    case Qt::Key_Up: Scroll(ScrollDirection::Up, 1); return true;
    case Qt::Key_PageUp: Scroll(ScrollDirection::Up, kPageSteps); return true;
    case Qt::Key_Down: Scroll(ScrollDirection::Down, 1); return true;
    case Qt::Key_PageDown: Scroll(ScrollDirection::Down, kPageSteps); return true;
    default: return false;  // Escape reaches the dialog: Cancel
  }
}

void PlaceDialog::PlaceFieldAfterKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) return;
  if (placeField_->text() != textBeforeKey_) refusedLabel_->hide();
  // Overwrite typing: the typed character replaces the one after it.
  const QString text = e->text();
  const bool character = !text.isEmpty() && text[0] >= QChar(u'0');
  if (!insertMode_ && character && placeField_->text() != textBeforeKey_ &&
      !placeField_->hasSelectedText() && placeField_->cursorPosition() < placeField_->text().size()) {
    const int caret = placeField_->cursorPosition();
    QString t = placeField_->text();
    t.remove(caret, 1);
    placeField_->setText(t);
    placeField_->setCursorPosition(caret);
  }
  FillList();
}

void PlaceDialog::PlaceFieldKeyUp(QKeyEvent* e) {
  if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) || !enterPressed_) return;
  enterPressed_ = false;
  // Enter takes the first row, marked "=> <=", as a click takes its row:
  // both without a question.
  if (Typed().empty() || !list_.FirstRowIsPlace()) return;
  FirstPlaceClick();
  done(kYesResult);
}

void PlaceDialog::CityListClick(int row) {
  if (row < 0 || row >= kPlaceListRows) return;
  const std::string& text = list_.Rows()[static_cast<size_t>(row)];
  if (Trim(text).empty() || !list_.RowIsChoosable(row)) return;
  SetTyped(list_.RowPlace(row));
  chosenRecord_ = list_.RowRecord(row);
  outcome_ = 'G';
  done(kYesResult);
}

void PlaceDialog::FirstPlaceClick() {
  chosenRecord_ = 0;
  if (list_.FirstRowIsPlace()) {
    SetTyped(list_.RowPlace(0));
    chosenRecord_ = list_.RowRecord(0);
  }
  outcome_ = 'G';
}

void PlaceDialog::OkClick() {
  const std::string text = Trim(Typed());
  SetTyped(text.empty() ? remembered_ : text);
  chosenRecord_ = 0;
  outcome_ = 'O';
}

void PlaceDialog::reject() {
  SetTyped(remembered_);
  chosenRecord_ = 0;
  outcome_ = 'C';
  QDialog::reject();
}

void PlaceDialog::PlaceBeside(QWidget* form, QWidget* placeButton) {
  if (!form) return;
  if (QLayout* l = layout()) l->activate();
  if (!placeButton) {
    move(form->frameGeometry().center() - rect().center());
    return;
  }
  const QPoint button = placeButton->mapTo(form, QPoint(0, 0));
  const QRect frame = form->frameGeometry();
  const QPoint label = placeLabel_->mapTo(this, QPoint(0, 0));
  const int left = frame.left() + button.x() + placeButton->width() - label.x() - placeLabel_->width() +
                   2;
  const int top = frame.top() + frame.height() + button.y() - form->height() - label.y() + 5;
  move(left, top);
}

}  // namespace vostrane
