// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/BirthDataForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "atlas/DstChangeFile.h"
#include "entry/DateNotes.h"
#include "entry/EntryDescriptions.h"
#include "entry/FormTexts.h"
#include "entry/SessionEntries.h"
#include "entry/gui/FieldHelp.h"
#include "entry/gui/FormField.h"
#include "entry/gui/ImmediateShortcut.h"
#include "platform/MessageService.h"
#include "platform/gui/HelpWindow.h"
#include "platform/gui/LetterChoices.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "common/ChartSettings.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "session/SessionBackup.h"
#include "session/SessionFile.h"
#include "common/TextRoutines.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {
namespace {

// Hint line background while a hint is shown (colour value 0x00BBGGRR
// 14342838).
const QColor kHintColour(0xB6, 0xDA, 0xDA);

constexpr int kFormWidth = 800;
constexpr int kFormHeight = 540;

const char* const kInstructions =
    "Type the name, then press Enter to go from field to field (Up goes back).\n"
    "Date: month, day and year. Time: hours, minutes, seconds, then A or P.\n"
    "Place: City, State. Latitude: degrees, N or S, minutes, seconds. "
    "Longitude: degrees, E or W, minutes, seconds.\n"
    "Time zone: hours and minutes, E or W. Daylight time: N, Y, W, D or L.\n"
    "Choose \"New Natal\" for the next chart, and \"Done\" when every chart is entered.\n"
    "\"New Derived Chart\" makes transits, progressions, returns and other charts of an entry.";

FormField* NewField(QWidget* parent, const char* objectName) {
  auto* field = new FormField(parent);
  field->setObjectName(objectName);
  return field;
}

// A masked field just wide enough for the widest text it shows.
void FitWidth(FormField* field, const QString& widest) {
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(widest) + 18);
}

QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  ClickShortcutAtOnce(button);
  return button;
}

}  // namespace

BirthDataForm::BirthDataForm(QWidget* parent) : QDialog(parent) {
  setObjectName("BirthDataForm");
  setWindowTitle("Vostrane - Enter Birth Data");
  setModal(true);
  SetPlaceLookup(nullptr);
  SetNameFile(nullptr);
  clock_ = [] { return Today(); };
  BuildControls();
  BuildLayout();
  ConnectHandlers();
  InstallFieldHooks();
  // F1 opens the user guide at the section of the field with the focus.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] {
    ShowUserGuide(HelpSectionOfField(focusWidget() ? focusWidget()->objectName().toStdString() : ""));
  });
  FormTexts().Load();
  resize(ScaleForLargeFont(kFormWidth), ScaleForLargeFont(kFormHeight));
  KeepOnScreenWhenShown(this);
}

BirthDataForm::~BirthDataForm() {
  if (active_) FormDeactivate();
}

void BirthDataForm::SetPlaceLookup(PlaceLookup* lookup) {
  static NoPlaceLookup none;
  places_ = lookup ? lookup : &none;
}

void BirthDataForm::SetDerivedChartDialog(DerivedChartDialog dialog) {
  derivedDialog_ = std::move(dialog);
  newDerivedButton_->setVisible(static_cast<bool>(derivedDialog_));
}

void BirthDataForm::SetNameFile(NameFileAccess* names) {
  static NoNameFile none;
  names_ = names ? names : &none;
}

void BirthDataForm::BuildControls() {
  BuildFields();
  // The fields come first: the Houses and Zodiac labels are buddies of their boxes.
  BuildLabels();
  BuildListsAndButtons();
}

void BirthDataForm::BuildFields() {
  // Masks: 0 an optional digit, # an optional digit or sign, A a required
  // letter, N a required letter or digit, > upper case; other characters
  // are literals, which the stored texts leave out. Digits may stay blank:
  // a unit being typed waits blank for its next digits.
  nameField_ = NewField(this, "NameField");
  nameField_->setMaxLength(25);
  dateField_ = NewField(this, "DateField");
  dateField_->SetMask("00/00/#000;_", '_');
  timeField_ = NewField(this, "TimeField");
  timeField_->SetMask("00:00:00 >AM;_", '_');
  placeField_ = NewField(this, "PlaceField");
  placeField_->setMaxLength(25);
  latitudeField_ = NewField(this, "LatitudeField");
  latitudeField_->SetMask(QString::fromUtf8(">00\u00B0 A 00' 00\";_"), '_');
  longitudeField_ = NewField(this, "LongitudeField");
  longitudeField_->SetMask(QString::fromUtf8(">000\u00B0 A 00' 00\";_"), '_');
  zoneHoursField_ = NewField(this, "ZoneHoursField");
  zoneHoursField_->SetMask("00; ", ' ');
  zoneMinutesField_ = NewField(this, "ZoneMinutesField");
  zoneMinutesField_->SetMask("00; ", ' ');
  eastWestField_ = NewField(this, "EastWestField");
  eastWestField_->SetMask(">N;_", '_');
  daylightField_ = NewField(this, "DaylightField");
  daylightField_->SetMask(">N;_", '_');
  daylightTableField_ = NewField(this, "DaylightTableField");
  daylightTableField_->setMaxLength(4);
  daylightTableField_->hide();
  // The names come from the message texts at activation.
  houseSystemBox_ = new QComboBox(this);
  houseSystemBox_->setObjectName("HouseSystem");
  for (int i = 0; i < HouseSystemCount(); ++i)
    AddLetterChoice(houseSystemBox_, HouseSystemLetterAt(i), QString(HouseSystemLetterAt(i)));
  zodiacBox_ = new QComboBox(this);
  zodiacBox_->setObjectName("Zodiac");
  for (int i = 0; i < ZodiacCount(); ++i)
    AddLetterChoice(zodiacBox_, ZodiacLetterAt(i), QString(ZodiacLetterAt(i)));
  userAyanamsa_ = new QDoubleSpinBox(this);
  userAyanamsa_->setObjectName("UserAyanamsa");
  userAyanamsa_->setRange(-60.0, 60.0);
  userAyanamsa_->setDecimals(6);
  userAyanamsa_->setSuffix(QString::fromUtf8("\u00B0"));
  userAyanamsa_->setToolTip("The ayanamsa's mean value at the epoch, in degrees");
  userEpoch_ = new QDoubleSpinBox(this);
  userEpoch_->setObjectName("UserAyanamsaEpoch");
  userEpoch_->setRange(-3000.0, 3000.0);
  userEpoch_->setDecimals(2);
  userEpoch_->setPrefix("in ");
  userEpoch_->setToolTip("The epoch of the value, as a year");
  connect(zodiacBox_, &QComboBox::currentIndexChanged, this, [this] { ShowUserAyanamsaBoxes(); });
  ShowUserAyanamsaBoxes();

  FitWidth(dateField_, "-00/00/0000");
  FitWidth(timeField_, "00:00:00 PM");
  FitWidth(latitudeField_, QString::fromUtf8("00\u00B0 N 00' 00\""));
  FitWidth(longitudeField_, QString::fromUtf8("000\u00B0 W 00' 00\""));
  FitWidth(zoneHoursField_, "00");
  FitWidth(zoneMinutesField_, "00");
  FitWidth(eastWestField_, "W");
  FitWidth(daylightField_, "W");
}

void BirthDataForm::BuildLabels() {
  labelName_ = new QLabel("Name:", this);
  labelDate_ = new QLabel("Date:", this);
  labelTime_ = new QLabel("Time:", this);
  labelLatLong_ = new QLabel("Lat & Long:", this);
  labelLatLong_->setTextFormat(Qt::PlainText);  // the "&" is no mnemonic
  labelZone_ = new QLabel("Time Zone:", this);
  labelHrs_ = new QLabel("Hrs", this);
  labelMins_ = new QLabel("Mins", this);
  labelDaylight_ = new QLabel("Daylight Time:", this);
  labelHouses_ = new QLabel("&Houses:", this);
  labelHouses_->setBuddy(houseSystemBox_);
  labelZodiac_ = new QLabel("&Zodiac:", this);
  labelZodiac_->setBuddy(zodiacBox_);
  labelList_ = new QLabel("List of other Entries (click to Select):", this);
  dateWords_ = new QLabel(this);
  dateWords_->setObjectName("DateWordsLabel");
  eastWestWord_ = new QLabel("est", this);
  eastWestWord_->setObjectName("EastWestWordLabel");
  daylightWord_ = new QLabel("(No)", this);
  daylightWord_->setObjectName("DaylightWordLabel");
  saveStatus_ = new QLabel(this);
  saveStatus_->setObjectName("SaveStatusLabel");
  hintLine_ = new QLabel(this);
  hintLine_->setObjectName("HintLine");
  hintLine_->setAutoFillBackground(true);
  hintLine_->setMargin(3);
  hintLine_->setWordWrap(true);
  for (QLabel* label :
       {labelName_, labelDate_, labelTime_, labelLatLong_, labelZone_, labelDaylight_, labelHouses_})
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void BirthDataForm::BuildListsAndButtons() {
  currentEntryHeader_ = new QPlainTextEdit(this);
  currentEntryHeader_->setObjectName("CurrentEntryHeader");
  currentEntryHeader_->setReadOnly(true);
  currentEntryHeader_->setFocusPolicy(Qt::NoFocus);
  currentEntryHeader_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  currentEntryHeader_->setFixedHeight(currentEntryHeader_->fontMetrics().lineSpacing() * 4 + 12);

  instructions_ = new QPlainTextEdit(this);
  instructions_->setObjectName("Instructions");
  instructions_->setReadOnly(true);
  instructions_->setFocusPolicy(Qt::NoFocus);
  instructions_->setPlainText(kInstructions);

  entryList_ = new QListWidget(this);
  entryList_->setObjectName("EntryList");
  nameFileList_ = new QListWidget(this);
  nameFileList_->setObjectName("NameFileList");
  nameListUp_ = new QToolButton(this);
  nameListUp_->setArrowType(Qt::UpArrow);
  nameListUp_->setFocusPolicy(Qt::NoFocus);
  nameListDown_ = new QToolButton(this);
  nameListDown_->setArrowType(Qt::DownArrow);
  nameListDown_->setFocusPolicy(Qt::NoFocus);

  doneButton_ = NewButton(this, "DoneButton", "D&one");
  newNatalButton_ = NewButton(this, "NewNatalButton", "&New Natal");
  newDerivedButton_ = NewButton(this, "NewDerivedButton", "New De&rived Chart...");
  newDerivedButton_->hide();  // shown once a dialog is attached
  saveButton_ = NewButton(this, "SaveDeleteName1", "&Save");
  deleteButton_ = NewButton(this, "DeleteButton", "&Delete");
  placeButton_ = NewButton(this, "PlaceButton", "&Place:");
}

void BirthDataForm::BuildLayout() {
  auto* left = new QVBoxLayout;
  left->addWidget(currentEntryHeader_);
  left->addSpacing(6);
  left->addLayout(BuildFieldGrid());

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 3);
  columns->addSpacing(10);
  columns->addLayout(BuildListColumn(), 2);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {doneButton_, newNatalButton_, saveButton_, deleteButton_, newDerivedButton_})
    buttons->addWidget(b);
  buttons->addSpacing(12);
  buttons->addWidget(saveStatus_, 1);

  auto* main = new QVBoxLayout(this);
  main->setContentsMargins(12, 12, 12, 10);
  main->addLayout(columns, 1);
  main->addWidget(hintLine_);
  main->addLayout(buttons);
  SetTabOrder();
}

// The birth data: a label column and the fields, several to a row.
QGridLayout* BirthDataForm::BuildFieldGrid() {
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(8);
  fields->setVerticalSpacing(7);
  fields->setColumnStretch(2, 1);

  fields->addWidget(labelName_, 0, 0);
  fields->addWidget(nameField_, 0, 1, 1, 2);
  fields->addWidget(labelDate_, 1, 0);
  fields->addWidget(dateField_, 1, 1);
  fields->addWidget(dateWords_, 1, 2);
  fields->addWidget(labelTime_, 2, 0);
  fields->addWidget(timeField_, 2, 1);
  fields->addWidget(placeButton_, 3, 0);
  fields->addWidget(placeField_, 3, 1, 1, 2);
  fields->addWidget(labelLatLong_, 4, 0);
  auto* latLong = new QHBoxLayout;
  latLong->addWidget(latitudeField_);
  latLong->addSpacing(6);
  latLong->addWidget(longitudeField_);
  latLong->addStretch();
  fields->addLayout(latLong, 4, 1, 1, 2);
  fields->addWidget(labelZone_, 5, 0);
  auto* zone = new QHBoxLayout;
  zone->setSpacing(4);
  zone->addWidget(zoneHoursField_);
  zone->addWidget(labelHrs_);
  zone->addSpacing(6);
  zone->addWidget(zoneMinutesField_);
  zone->addWidget(labelMins_);
  zone->addSpacing(10);
  zone->addWidget(eastWestField_);
  zone->addWidget(eastWestWord_);
  zone->addStretch();
  fields->addLayout(zone, 5, 1, 1, 2);
  fields->addWidget(labelDaylight_, 6, 0);
  auto* daylight = new QHBoxLayout;
  daylight->setSpacing(4);
  daylight->addWidget(daylightField_);
  daylight->addWidget(daylightWord_);
  daylight->addStretch();
  fields->addLayout(daylight, 6, 1, 1, 2);
  fields->addWidget(labelHouses_, 7, 0);
  auto* chartSettings = new QHBoxLayout;
  chartSettings->setSpacing(6);
  chartSettings->addWidget(houseSystemBox_);
  chartSettings->addSpacing(10);
  chartSettings->addWidget(labelZodiac_);
  chartSettings->addWidget(zodiacBox_);
  chartSettings->addWidget(userAyanamsa_);
  chartSettings->addWidget(userEpoch_);
  chartSettings->addStretch();
  fields->addLayout(chartSettings, 7, 1, 1, 2);
  fields->setRowStretch(8, 1);
  return fields;
}

// The list of other entries over the instructions.
QVBoxLayout* BirthDataForm::BuildListColumn() {
  // The name list takes the place of the instructions while it is in use.
  auto* namePanel = new QWidget(this);
  auto* nameLayout = new QHBoxLayout(namePanel);
  nameLayout->setContentsMargins(0, 0, 0, 0);
  nameLayout->addWidget(nameFileList_);
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(nameListUp_);
  arrows->addStretch();
  arrows->addWidget(nameListDown_);
  nameLayout->addLayout(arrows);
  sidePanel_ = new QStackedWidget(this);
  sidePanel_->addWidget(instructions_);
  sidePanel_->addWidget(namePanel);

  auto* right = new QVBoxLayout;
  right->addWidget(labelList_);
  right->addWidget(entryList_, 1);
  right->addWidget(sidePanel_, 1);
  return right;
}

void BirthDataForm::SetTabOrder() {
  setTabOrder(nameField_, dateField_);
  setTabOrder(dateField_, timeField_);
  setTabOrder(timeField_, placeField_);
  setTabOrder(placeField_, latitudeField_);
  setTabOrder(latitudeField_, longitudeField_);
  setTabOrder(longitudeField_, zoneHoursField_);
  setTabOrder(zoneHoursField_, zoneMinutesField_);
  setTabOrder(zoneMinutesField_, eastWestField_);
  setTabOrder(eastWestField_, daylightField_);
  setTabOrder(daylightField_, houseSystemBox_);
  setTabOrder(houseSystemBox_, zodiacBox_);
  setTabOrder(zodiacBox_, userAyanamsa_);
  setTabOrder(userAyanamsa_, userEpoch_);
  setTabOrder(userEpoch_, doneButton_);
  setTabOrder(doneButton_, newNatalButton_);
  setTabOrder(newNatalButton_, saveButton_);
  setTabOrder(saveButton_, deleteButton_);
  setTabOrder(deleteButton_, newDerivedButton_);
  setTabOrder(newDerivedButton_, placeButton_);
  setTabOrder(placeButton_, entryList_);
  setTabOrder(entryList_, nameFileList_);
}

void BirthDataForm::ConnectHandlers() {
  // The words beside the date, the E/W letter and the daylight letter
  // follow their fields whatever sets them: typing, a read, a question's
  // answer, an entry shown.
  connect(dateField_, &QLineEdit::textChanged, this, [this] { RefreshDateWords(); });
  connect(eastWestField_, &QLineEdit::textChanged, this, [this] { RefreshZoneWord(8934, 8975); });
  connect(daylightField_, &QLineEdit::textChanged, this, [this] { RefreshObservanceWord(); });
  connect(doneButton_, &QPushButton::clicked, this, [this] { FinishDataEntry('V'); });
  connect(newNatalButton_, &QPushButton::clicked, this, [this] { NewNatalClick(); });
  connect(newDerivedButton_, &QPushButton::clicked, this, [this] { NewDerivedClick(); });
  connect(saveButton_, &QPushButton::clicked, this, [this] { SaveClick(); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(placeButton_, &QPushButton::clicked, this, [this] { PlaceButtonClick(); });
  connect(entryList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { EntryListClick(entryList_->row(item)); });
  // Enter on a line of the list switches too; a double click, which is
  // also a click, is not a second switch.
  connect(entryList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (entryList_->row(item) + 1 != current_) EntryListClick(entryList_->row(item));
  });
  connect(nameFileList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QString row = item->text();
    if (row.size() <= 6 || nameFileList_->count() == 0) return;
    nameField_->SetStoredText(FromQt(row.mid(3, row.size() - 6).trimmed()));
    ReadName();
  });
  connect(nameListUp_, &QToolButton::clicked, this, [this] {
    ShowNameList(names_->FillNameList(nameField_->StoredText(), -1));
    nameField_->setFocus();
  });
  connect(nameListDown_, &QToolButton::clicked, this, [this] {
    ShowNameList(names_->FillNameList(nameField_->StoredText(), 1));
    nameField_->setFocus();
  });
}

void BirthDataForm::LoadCaptions() {
  labelName_->setText(ToQt(MessageText(13017)));
  labelDate_->setText(ToQt(MessageText(13018)));
  labelTime_->setText(ToQt(MessageText(13019)));
  labelHrs_->setText(ToQt(MessageText(13022)));
  labelMins_->setText(ToQt(MessageText(13023)));
  eastWestWord_->setText(ToQt(MessageText(13024)));
  const auto text = [](int number) { return FormText(number); };
  for (int i = 0; i < houseSystemBox_->count(); ++i)
    houseSystemBox_->setItemText(i,
                                 ToQt(HouseSystemDisplayName(LetterChoiceAt(houseSystemBox_, i), text)));
  for (int i = 0; i < zodiacBox_->count(); ++i)
    zodiacBox_->setItemText(i, ToQt(ZodiacDisplayName(LetterChoiceAt(zodiacBox_, i), text)));
}

// ---- Showing -------------------------------------------------------------

void BirthDataForm::ShowHint(const std::string& text) { ShowHint(ToQt(text)); }

void BirthDataForm::ShowHint(const QString& text) {
  hintLine_->setText(text);
  QPalette palette = hintLine_->palette();
  palette.setColor(QPalette::Window,
                   text.isEmpty() ? this->palette().color(QPalette::Window) : kHintColour);
  hintLine_->setPalette(palette);
}

void BirthDataForm::RefreshDateWords() {
  const std::optional<CalendarDate> date = ParseDateText(dateField_->StoredText());
  dateWords_->setText(date ? ToQt(DateInWords(*date)) : QString());
}

void BirthDataForm::RefreshZoneWord(int westText, int eastText) {
  const bool east = eastWestField_->StoredText() == "E";
  eastWestWord_->setText(ToQt(FormText(east ? eastText : westText)));
}

void BirthDataForm::RefreshObservanceWord() {
  static const std::string letters = "YNWDL";  // texts 8968 .. 8972
  const std::string letter = daylightField_->StoredText();
  const size_t index = letter.size() == 1 ? letters.find(letter[0]) : std::string::npos;
  daylightWord_->setText(index == std::string::npos ? QString()
                                                    : ToQt(FormText(8968 + static_cast<int>(index))));
}

void BirthDataForm::RefreshHeader() {
  const auto lines = HeaderLines(entry_, Fields(), current_, count_);
  QStringList text;
  for (const std::string& line : lines) text << ToQt(line);
  currentEntryHeader_->setPlainText(text.join('\n'));
}

void BirthDataForm::RefreshSaveStatus() {
  ChartEntry scratch = entry_;
  const bool valid = CopyFieldsIntoEntry(Fields(), scratch) == kFormValid;
  saveStatus_->setText(ToQt(names_->SaveStatus(entry_, linked_, valid)));
}

void BirthDataForm::SetEntryLine(int k, const ChartEntry& entry) {
  const QString line = ToQt(EntryListLine(k, entry, MessageText(13095)));
  while (entryList_->count() < k) entryList_->addItem(QString());
  entryList_->item(k - 1)->setText(line);
}

void BirthDataForm::RefreshCurrentLine() {
  ChartEntry shown = entry_;
  shown.setName(Trim(nameField_->StoredText()));
  SetEntryLine(current_, shown);
}

void BirthDataForm::RebuildEntryList(const std::vector<ChartEntry>& entries) {
  entryList_->clear();
  for (size_t i = 0; i < entries.size(); ++i) SetEntryLine(static_cast<int>(i) + 1, entries[i]);
}

void BirthDataForm::ShowNameList(const NameListView& view) {
  if (!view.shown) {
    EndNameList();
    return;
  }
  nameFileList_->clear();
  for (const std::string& row : view.rows) nameFileList_->addItem(ToQt(row));
  if (readingMode_ == 'X') {
    sidePanel_->setCurrentIndex(1);
    for (QPushButton* b : {deleteButton_, placeButton_, newNatalButton_, doneButton_, newDerivedButton_})
      b->hide();
    readingMode_ = 'N';
  }
}

void BirthDataForm::EndNameList() {
  sidePanel_->setCurrentIndex(0);
  for (QPushButton* b : {deleteButton_, placeButton_, newNatalButton_, doneButton_}) b->show();
  newDerivedButton_->setVisible(static_cast<bool>(derivedDialog_));
  if (readingMode_ == 'N') readingMode_ = 'X';
}

// ---- Activation ----------------------------------------------------------

void BirthDataForm::RunSession(ShellState& state) {
  if (!FormActivate(state)) return;
  exec();
  if (active_) FormDeactivate();
}

bool BirthDataForm::FormActivate(ShellState& state) {
  shell_ = &state;
  saveStatus_->clear();
  readingMode_ = 'X';
  focusPermission_ = 'Y';
  linked_ = false;
  placeFromAtlas_ = false;
  placeLookupAllowed_ = true;
  activeField_ = nullptr;
  names_->BeginSession();
  places_->BeginSession();
  LoadCaptions();
  EndNameList();
  entryList_->clear();
  current_ = 0;
  count_ = 0;

  // Back from the viewer ('A' append, 'E' edit) the list goes on; otherwise
  // (or when there is no list to go on with) a new list starts.
  const bool resume = (state.phase == RunPhase::AppendEntry || state.phase == RunPhase::EditEntries) &&
                      CountSessionEntries(kSessionFileName) > 0;
  if (resume) {
    // The persons already asked about stay asked for this list.
    const int entryToShow = state.phase == RunPhase::EditEntries ? state.entryToShow : 0;
    state.entryToShow = 0;  // taken; "Done" names the entry the viewer opens at
    ResumeSession(entryToShow);
    return true;
  }
  offers_ = SaveOfferState();
  if (!StartSessionFile(entry_)) {
    ShowMessage(FormText(8937), MsgIcon::Error);
    state.phase = RunPhase::MainMenu;
    return false;
  }
  OpenDstChangeFile();
  active_ = true;
  StartNewEntry();
  ShowHint(FormText(8993));
  nameField_->setFocus();
  return true;
}

void BirthDataForm::ResumeSession(int entryToShow) {
  const std::vector<ChartEntry> entries = OpenExistingSession();
  count_ = static_cast<int>(entries.size());
  RebuildEntryList(entries);
  OpenDstChangeFile();
  active_ = true;
  if (entryToShow >= 1 && entryToShow <= count_) {
    ShowEntry(entryToShow);
    rememberedName_ = Trim(entry_.name());
    rememberedPlace_ = Trim(entry_.place());
    RecomputeLinks();
  } else {
    CopyNewestCityFile();
    StartNewEntry();
    // The new entry is on disk at once (with its terminator after it), so
    // the list never ends at the old terminator in front of the new entry.
    WriteSessionEntry(count_, entry_);
  }
  ShowHint(FormText(8993));
  nameField_->setFocus();
}

void BirthDataForm::FormDeactivate() {
  active_ = false;
  activeField_ = nullptr;
  CloseDstChangeFile();
  // Only the newest entry can still be unwritten (its record is written when
  // the user leaves it); the terminator must not leave a gap before it.
  if (count_ > 0 && SessionRecordCount() <= count_) {
    CopyFormIntoEntry('M');
    WriteSessionEntry(count_, entry_);
  }
  WriteTerminatorAndClose(count_ + 1);
}

void BirthDataForm::done(int result) {
  // The form only closes through "Done", which has already ended the
  // phase; the session file gets its terminator as the form goes.
  QDialog::done(result);
  if (active_) FormDeactivate();
}

void BirthDataForm::reject() {
  // Closing the window by its title bar is "Done": the entries are kept.
  if (active_) FinishDataEntry('V');
  else QDialog::reject();
}

void BirthDataForm::keyPressEvent(QKeyEvent* event) {
  // Escape does not close the form; the fields give it their own meaning.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vostrane
