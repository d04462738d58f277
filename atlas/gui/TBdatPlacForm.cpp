#include "atlas/gui/TBdatPlacForm.h"

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

TBdatPlacForm::TBdatPlacForm(QWidget* parent, TTzDbf& places, const std::string& placeText)
    : QDialog(parent),
      places_(places),
      list_(places, MessageText(kNotFoundTextNumber)),
      remembered_(placeText) {
  setObjectName("BdatPlacForm");
  setWindowTitle("Enter Place");
  setModal(true);
  BuildControls();
  FormActivate();
  KeepOnScreenWhenShown(this);
}

void TBdatPlacForm::BuildControls() {
  BuildPlaceField();
  BuildPlaceList();
  BuildButtons();
  BuildHints();
  BuildLayout();
  resize(ScaleForLargeFont(sizeHint().width()), ScaleForLargeFont(sizeHint().height()));
  // The dialog opens with every row shown; on a low screen the list may
  // give up rows so that the buttons below it stay on the screen.
  lbCities_->setMinimumHeight(lbCities_->sizeHintForRow(0) * kPlaceListRows / 3);
}

void TBdatPlacForm::BuildPlaceField() {
  placeLabel_ = new QLabel("Place:", this);
  editPlace_ = new PlaceEdit(this);
  editPlace_->setObjectName("EditPlace");
  editPlace_->setMaxLength(kPlaceNameWidth);
  editPlace_->onKeyPress = [this](QKeyEvent* e) { return EditPlaceKeyDown(e); };
  editPlace_->afterKeyPress = [this](QKeyEvent* e) { EditPlaceAfterKey(e); };
  editPlace_->onKeyRelease = [this](QKeyEvent* e) { EditPlaceKeyUp(e); };
  // Places are stored in Windows-1252: other characters are refused, and
  // the note under the field says why.
  auto* validator = new Cp1252Validator(editPlace_);
  validator->onRefused = [this](const QString& refused) {
    labRefused_->setText(RefusedCharacterHint(refused));
    labRefused_->show();
  };
  editPlace_->setValidator(validator);
}

// The list of matching places, a fixed number of rows, with its scroll arrows.
void TBdatPlacForm::BuildPlaceList() {
  lbCities_ = new QListWidget(this);
  lbCities_->setObjectName("lbCities");
  lbCities_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lbCities_->setFocusPolicy(Qt::NoFocus);
  lbCities_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lbCities_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < kPlaceListRows; ++row) lbCities_->addItem(" ");
  const int rowHeight = lbCities_->sizeHintForRow(0);
  lbCities_->setFixedHeight(rowHeight * kPlaceListRows + 2 * lbCities_->frameWidth() + 2);
  lbCities_->setMinimumWidth(
      lbCities_->fontMetrics().horizontalAdvance(QString(kPlaceRowWidth + 2, 'M')));
  connect(lbCities_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { LbCitiesClick(lbCities_->row(item)); });
  connect(lbCities_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { LbCitiesClick(lbCities_->row(item)); });

  arrowUp_ = new ScrollArrow(Qt::UpArrow, this);
  arrowUp_->setObjectName("ArrowUp");
  arrowUp_->onPress = [this] { ScrollWhileHeld(arrowUp_, ScrollDirection::Up); };
  arrowDown_ = new ScrollArrow(Qt::DownArrow, this);
  arrowDown_->setObjectName("ArrowDown");
  arrowDown_->onPress = [this] { ScrollWhileHeld(arrowDown_, ScrollDirection::Down); };
}

void TBdatPlacForm::BuildButtons() {
  btnGetFirstPlac_ = new QPushButton("&Get First Place In List", this);
  btnGetFirstPlac_->setObjectName("btnGetFirstPlac");
  btnOK_ = new QPushButton("Place &Not on File", this);
  btnOK_->setObjectName("btnOK");
  btnCancel_ = new QPushButton("Cancel", this);
  btnCancel_->setObjectName("btnCancel");
  for (QPushButton* b : {btnGetFirstPlac_, btnOK_, btnCancel_}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(btnGetFirstPlac_, &QPushButton::clicked, this, [this] {
    btnGetFirstPlacClick();
    done(kYesResult);
  });
  connect(btnOK_, &QPushButton::clicked, this, [this] {
    btnOKClick();
    done(kOkResult);
  });
  connect(btnCancel_, &QPushButton::clicked, this, &TBdatPlacForm::reject);
}

// The yellow notes shown when no place matches and when a character is refused.
void TBdatPlacForm::BuildHints() {
  labNotFound_ = new QLabel(ToQt(kPlaceNotFoundHint), this);
  labNotFound_->setObjectName("labNotFound");
  labNotFound_->setWordWrap(true);
  labNotFound_->setAutoFillBackground(true);
  QPalette yellow = labNotFound_->palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  labNotFound_->setPalette(yellow);
  labNotFound_->hide();
  labRefused_ = new QLabel(this);
  labRefused_->setObjectName("labRefused");
  labRefused_->setWordWrap(true);
  labRefused_->setAutoFillBackground(true);
  labRefused_->setPalette(yellow);
  labRefused_->hide();
}

// The field, the list and the notes in a column, the instructions with
// their buttons below.
void TBdatPlacForm::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Instruction("As you type, the matching places on file are displayed.", this));
  auto* field = new QHBoxLayout;
  field->addWidget(placeLabel_);
  field->addWidget(editPlace_, 1);
  layout->addLayout(field);
  layout->addWidget(labRefused_);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(lbCities_, 1);
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(arrowUp_);
  arrows->addStretch(1);
  arrows->addWidget(arrowDown_);
  listRow->addLayout(arrows);
  layout->addLayout(listRow);
  layout->addWidget(labNotFound_);
  auto* marks = Instruction(ToQt(kPlaceMarksNote), this);
  marks->setObjectName("labMarks");
  layout->addWidget(marks);
  auto* help = new QGridLayout;
  help->addWidget(Instruction("To read a place saved on file:", this), 0, 0);
  help->addWidget(
      Instruction("Click on the place desired, or press Enter or select the \"Get First Place In List\" "
                  "button for the first one.",
                  this),
      1, 0);
  help->addWidget(btnGetFirstPlac_, 1, 1);
  help->addWidget(Instruction("If you do NOT wish to read from file:", this), 2, 0);
  help->addWidget(Instruction("Select the \"Place Not on File\" button.", this), 3, 0);
  help->addWidget(btnOK_, 3, 1);
  help->addWidget(Instruction("Note: Clicking on the place desired also closes this form.", this), 4, 0);
  help->addWidget(btnCancel_, 4, 1);
  layout->addLayout(help);
}

std::string TBdatPlacForm::Typed() const { return FromQt(editPlace_->text()); }

void TBdatPlacForm::SetTyped(const std::string& text) { editPlace_->setText(ToQt(text)); }

std::string TBdatPlacForm::PlaceText() const { return Typed(); }

void TBdatPlacForm::FormActivate() {
  // The list is always in name order (the country filter is not offered).
  Guarded([this] { places_.SetOrderTo(kPlacesCityOrder); });
  outcome_ = 'C';
  insertMode_ = true;
  enterPressed_ = false;
  SetTyped(remembered_);
  editPlace_->deselect();
  if (remembered_.empty()) {
    // The list starts at the first places beginning with A.
    SetTyped("A");
    FillList();
    SetTyped("");
  } else {
    editPlace_->setCursorPosition(editPlace_->text().size());
    FillList();
  }
}

void TBdatPlacForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  editPlace_->setFocus();
  editPlace_->deselect();
}

void TBdatPlacForm::ShowRows() {
  const std::vector<std::string>& rows = list_.Rows();
  for (int row = 0; row < kPlaceListRows; ++row) {
    lbCities_->item(row)->setText(ToQt(rows[static_cast<size_t>(row)]));
  }
  labNotFound_->setVisible(list_.NotFoundShown());
}

void TBdatPlacForm::FillList(ScrollDirection direction) {
  labNotFound_->hide();
  Guarded([&] {
    const PlaceList::EditChange change = list_.Fill(Typed(), direction);
    if (change.cleared) {
      SetTyped("");
      return;
    }
    if (change.text) {
      SetTyped(*change.text);
      editPlace_->setCursorPosition(0);
    }
    ShowRows();
  });
}

void TBdatPlacForm::Scroll(ScrollDirection direction, int steps) {
  for (int i = 0; i < steps; ++i) {
    if (list_.Rows()[0] == list_.NotFoundText()) return;
    FillList(direction);
  }
}

void TBdatPlacForm::ScrollWhileHeld(ScrollArrow* arrow, ScrollDirection direction) {
  // One step at a time, letting the pending window messages run (among
  // them the release of the button) between steps.
  while (arrow->Held() && isVisible()) {
    Scroll(direction, 1);
    QApplication::processEvents(QEventLoop::AllEvents);
  }
}

bool TBdatPlacForm::EditPlaceKeyDown(QKeyEvent* e) {
  textBeforeKey_ = editPlace_->text();
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

void TBdatPlacForm::EditPlaceAfterKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) return;
  if (editPlace_->text() != textBeforeKey_) labRefused_->hide();
  // Overwrite typing: the typed character replaces the one after it.
  const QString text = e->text();
  const bool character = !text.isEmpty() && text[0] >= QChar(u'0');
  if (!insertMode_ && character && editPlace_->text() != textBeforeKey_ &&
      !editPlace_->hasSelectedText() && editPlace_->cursorPosition() < editPlace_->text().size()) {
    const int caret = editPlace_->cursorPosition();
    QString t = editPlace_->text();
    t.remove(caret, 1);
    editPlace_->setText(t);
    editPlace_->setCursorPosition(caret);
  }
  FillList();
}

void TBdatPlacForm::EditPlaceKeyUp(QKeyEvent* e) {
  if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) || !enterPressed_) return;
  enterPressed_ = false;
  // Enter takes the first row, marked "=> <=", as a click takes its row:
  // both without a question.
  if (Typed().empty() || !list_.FirstRowIsPlace()) return;
  btnGetFirstPlacClick();
  done(kYesResult);
}

void TBdatPlacForm::LbCitiesClick(int row) {
  if (row < 0 || row >= kPlaceListRows) return;
  const std::string& text = list_.Rows()[static_cast<size_t>(row)];
  if (Trim(text).empty() || !list_.RowIsChoosable(row)) return;
  SetTyped(list_.RowPlace(row));
  chosenRecord_ = list_.RowRecord(row);
  outcome_ = 'G';
  done(kYesResult);
}

void TBdatPlacForm::btnGetFirstPlacClick() {
  chosenRecord_ = 0;
  if (list_.FirstRowIsPlace()) {
    SetTyped(list_.RowPlace(0));
    chosenRecord_ = list_.RowRecord(0);
  }
  outcome_ = 'G';
}

void TBdatPlacForm::btnOKClick() {
  const std::string text = Trim(Typed());
  SetTyped(text.empty() ? remembered_ : text);
  chosenRecord_ = 0;
  outcome_ = 'O';
}

void TBdatPlacForm::reject() {
  SetTyped(remembered_);
  chosenRecord_ = 0;
  outcome_ = 'C';
  QDialog::reject();
}

void TBdatPlacForm::PlaceBeside(QWidget* form, QWidget* placeButton) {
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
