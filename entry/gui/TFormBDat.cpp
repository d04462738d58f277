#include "entry/gui/TFormBDat.h"

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

TFormBDat::TFormBDat(QWidget* parent) : QDialog(parent) {
  setObjectName("FormBDat");
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

TFormBDat::~TFormBDat() {
  if (active_) FormDeactivate();
}

void TFormBDat::SetPlaceLookup(PlaceLookup* lookup) {
  static NoPlaceLookup none;
  places_ = lookup ? lookup : &none;
}

void TFormBDat::SetDerivedChartDialog(DerivedChartDialog dialog) {
  derivedDialog_ = std::move(dialog);
  btnNewDerived_->setVisible(static_cast<bool>(derivedDialog_));
}

void TFormBDat::SetNameFile(NameFileAccess* names) {
  static NoNameFile none;
  names_ = names ? names : &none;
}

void TFormBDat::BuildControls() {
  BuildFields();
  // The fields come first: the Houses and Zodiac labels are buddies of their boxes.
  BuildLabels();
  BuildListsAndButtons();
}

void TFormBDat::BuildFields() {
  // Masks: 0 an optional digit, # an optional digit or sign, A a required
  // letter, N a required letter or digit, > upper case; other characters
  // are literals, which the stored texts leave out. Digits may stay blank:
  // a unit being typed waits blank for its next digits.
  editName_ = NewField(this, "EditName");
  editName_->setMaxLength(25);
  maskEdDate_ = NewField(this, "MaskEdDate");
  maskEdDate_->SetMask("00/00/#000;_", '_');
  maskEdTime_ = NewField(this, "MaskEdTime");
  maskEdTime_->SetMask("00:00:00 >AM;_", '_');
  editPlace_ = NewField(this, "EditPlace");
  editPlace_->setMaxLength(25);
  maskEdLat_ = NewField(this, "MaskEdLat");
  maskEdLat_->SetMask(QString::fromUtf8(">00\u00B0 A 00' 00\";_"), '_');
  maskEdLong_ = NewField(this, "MaskEdLong");
  maskEdLong_->SetMask(QString::fromUtf8(">000\u00B0 A 00' 00\";_"), '_');
  maskEdTZHrs_ = NewField(this, "MaskEdTZHrs");
  maskEdTZHrs_->SetMask("00; ", ' ');
  maskEdTZMins_ = NewField(this, "MaskEdTZMins");
  maskEdTZMins_->SetMask("00; ", ' ');
  maskEdTzEW_ = NewField(this, "MaskEdTzEW");
  maskEdTzEW_->SetMask(">N;_", '_');
  maskEdDstObs_ = NewField(this, "MaskEdDstObs");
  maskEdDstObs_->SetMask(">N;_", '_');
  edDstTblNum_ = NewField(this, "EdDstTblNum");
  edDstTblNum_->setMaxLength(4);
  edDstTblNum_->hide();
  // The names come from the message texts at activation.
  cbHouses_ = new QComboBox(this);
  cbHouses_->setObjectName("HouseSystem");
  for (int i = 0; i < HouseSystemCount(); ++i)
    AddLetterChoice(cbHouses_, HouseSystemLetterAt(i), QString(HouseSystemLetterAt(i)));
  cbZodiac_ = new QComboBox(this);
  cbZodiac_->setObjectName("Zodiac");
  for (int i = 0; i < ZodiacCount(); ++i)
    AddLetterChoice(cbZodiac_, ZodiacLetterAt(i), QString(ZodiacLetterAt(i)));
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
  connect(cbZodiac_, &QComboBox::currentIndexChanged, this, [this] { ShowUserAyanamsaBoxes(); });
  ShowUserAyanamsaBoxes();

  FitWidth(maskEdDate_, "-00/00/0000");
  FitWidth(maskEdTime_, "00:00:00 PM");
  FitWidth(maskEdLat_, QString::fromUtf8("00\u00B0 N 00' 00\""));
  FitWidth(maskEdLong_, QString::fromUtf8("000\u00B0 W 00' 00\""));
  FitWidth(maskEdTZHrs_, "00");
  FitWidth(maskEdTZMins_, "00");
  FitWidth(maskEdTzEW_, "W");
  FitWidth(maskEdDstObs_, "W");
}

void TFormBDat::BuildLabels() {
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
  labelHouses_->setBuddy(cbHouses_);
  labelZodiac_ = new QLabel("&Zodiac:", this);
  labelZodiac_->setBuddy(cbZodiac_);
  labelList_ = new QLabel("List of other Entries (click to Select):", this);
  label11_ = new QLabel(this);
  label11_->setObjectName("Label11");
  label21_ = new QLabel("est", this);
  label21_->setObjectName("Label21");
  label23_ = new QLabel("(No)", this);
  label23_->setObjectName("Label23");
  label27_ = new QLabel(this);
  label27_->setObjectName("Label27");
  label10_ = new QLabel(this);
  label10_->setObjectName("Label10");
  label10_->setAutoFillBackground(true);
  label10_->setMargin(3);
  label10_->setWordWrap(true);
  for (QLabel* label :
       {labelName_, labelDate_, labelTime_, labelLatLong_, labelZone_, labelDaylight_, labelHouses_})
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFormBDat::BuildListsAndButtons() {
  memoCurSel2_ = new QPlainTextEdit(this);
  memoCurSel2_->setObjectName("MemoCurSel2");
  memoCurSel2_->setReadOnly(true);
  memoCurSel2_->setFocusPolicy(Qt::NoFocus);
  memoCurSel2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memoCurSel2_->setFixedHeight(memoCurSel2_->fontMetrics().lineSpacing() * 4 + 12);

  memo1_ = new QPlainTextEdit(this);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  memo1_->setFocusPolicy(Qt::NoFocus);
  memo1_->setPlainText(kInstructions);

  listBox2_ = new QListWidget(this);
  listBox2_->setObjectName("ListBox2");
  listBox1_ = new QListWidget(this);
  listBox1_->setObjectName("ListBox1");
  bitBtn13_ = new QToolButton(this);
  bitBtn13_->setArrowType(Qt::UpArrow);
  bitBtn13_->setFocusPolicy(Qt::NoFocus);
  bitBtn12_ = new QToolButton(this);
  bitBtn12_->setArrowType(Qt::DownArrow);
  bitBtn12_->setFocusPolicy(Qt::NoFocus);

  bitBtn6_ = NewButton(this, "BitBtn6", "D&one");
  bitBtn1_ = NewButton(this, "BitBtn1", "&New Natal");
  btnNewDerived_ = NewButton(this, "btnNewDerived", "New De&rived Chart...");
  btnNewDerived_->hide();  // shown once a dialog is attached
  saveDeleteName1_ = NewButton(this, "SaveDeleteName1", "&Save");
  btnDelete_ = NewButton(this, "btnDelete", "&Delete");
  btnPlace_ = NewButton(this, "btnPlace", "&Place:");
}

void TFormBDat::BuildLayout() {
  auto* left = new QVBoxLayout;
  left->addWidget(memoCurSel2_);
  left->addSpacing(6);
  left->addLayout(BuildFieldGrid());

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 3);
  columns->addSpacing(10);
  columns->addLayout(BuildListColumn(), 2);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {bitBtn6_, bitBtn1_, saveDeleteName1_, btnDelete_, btnNewDerived_})
    buttons->addWidget(b);
  buttons->addSpacing(12);
  buttons->addWidget(label27_, 1);

  auto* main = new QVBoxLayout(this);
  main->setContentsMargins(12, 12, 12, 10);
  main->addLayout(columns, 1);
  main->addWidget(label10_);
  main->addLayout(buttons);
  SetTabOrder();
}

// The birth data: a label column and the fields, several to a row.
QGridLayout* TFormBDat::BuildFieldGrid() {
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(8);
  fields->setVerticalSpacing(7);
  fields->setColumnStretch(2, 1);

  fields->addWidget(labelName_, 0, 0);
  fields->addWidget(editName_, 0, 1, 1, 2);
  fields->addWidget(labelDate_, 1, 0);
  fields->addWidget(maskEdDate_, 1, 1);
  fields->addWidget(label11_, 1, 2);
  fields->addWidget(labelTime_, 2, 0);
  fields->addWidget(maskEdTime_, 2, 1);
  fields->addWidget(btnPlace_, 3, 0);
  fields->addWidget(editPlace_, 3, 1, 1, 2);
  fields->addWidget(labelLatLong_, 4, 0);
  auto* latLong = new QHBoxLayout;
  latLong->addWidget(maskEdLat_);
  latLong->addSpacing(6);
  latLong->addWidget(maskEdLong_);
  latLong->addStretch();
  fields->addLayout(latLong, 4, 1, 1, 2);
  fields->addWidget(labelZone_, 5, 0);
  auto* zone = new QHBoxLayout;
  zone->setSpacing(4);
  zone->addWidget(maskEdTZHrs_);
  zone->addWidget(labelHrs_);
  zone->addSpacing(6);
  zone->addWidget(maskEdTZMins_);
  zone->addWidget(labelMins_);
  zone->addSpacing(10);
  zone->addWidget(maskEdTzEW_);
  zone->addWidget(label21_);
  zone->addStretch();
  fields->addLayout(zone, 5, 1, 1, 2);
  fields->addWidget(labelDaylight_, 6, 0);
  auto* daylight = new QHBoxLayout;
  daylight->setSpacing(4);
  daylight->addWidget(maskEdDstObs_);
  daylight->addWidget(label23_);
  daylight->addStretch();
  fields->addLayout(daylight, 6, 1, 1, 2);
  fields->addWidget(labelHouses_, 7, 0);
  auto* chartSettings = new QHBoxLayout;
  chartSettings->setSpacing(6);
  chartSettings->addWidget(cbHouses_);
  chartSettings->addSpacing(10);
  chartSettings->addWidget(labelZodiac_);
  chartSettings->addWidget(cbZodiac_);
  chartSettings->addWidget(userAyanamsa_);
  chartSettings->addWidget(userEpoch_);
  chartSettings->addStretch();
  fields->addLayout(chartSettings, 7, 1, 1, 2);
  fields->setRowStretch(8, 1);
  return fields;
}

// The list of other entries over the instructions.
QVBoxLayout* TFormBDat::BuildListColumn() {
  // The name list takes the place of the instructions while it is in use.
  auto* namePanel = new QWidget(this);
  auto* nameLayout = new QHBoxLayout(namePanel);
  nameLayout->setContentsMargins(0, 0, 0, 0);
  nameLayout->addWidget(listBox1_);
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(bitBtn13_);
  arrows->addStretch();
  arrows->addWidget(bitBtn12_);
  nameLayout->addLayout(arrows);
  sidePanel_ = new QStackedWidget(this);
  sidePanel_->addWidget(memo1_);
  sidePanel_->addWidget(namePanel);

  auto* right = new QVBoxLayout;
  right->addWidget(labelList_);
  right->addWidget(listBox2_, 1);
  right->addWidget(sidePanel_, 1);
  return right;
}

void TFormBDat::SetTabOrder() {
  setTabOrder(editName_, maskEdDate_);
  setTabOrder(maskEdDate_, maskEdTime_);
  setTabOrder(maskEdTime_, editPlace_);
  setTabOrder(editPlace_, maskEdLat_);
  setTabOrder(maskEdLat_, maskEdLong_);
  setTabOrder(maskEdLong_, maskEdTZHrs_);
  setTabOrder(maskEdTZHrs_, maskEdTZMins_);
  setTabOrder(maskEdTZMins_, maskEdTzEW_);
  setTabOrder(maskEdTzEW_, maskEdDstObs_);
  setTabOrder(maskEdDstObs_, cbHouses_);
  setTabOrder(cbHouses_, cbZodiac_);
  setTabOrder(cbZodiac_, userAyanamsa_);
  setTabOrder(userAyanamsa_, userEpoch_);
  setTabOrder(userEpoch_, bitBtn6_);
  setTabOrder(bitBtn6_, bitBtn1_);
  setTabOrder(bitBtn1_, saveDeleteName1_);
  setTabOrder(saveDeleteName1_, btnDelete_);
  setTabOrder(btnDelete_, btnNewDerived_);
  setTabOrder(btnNewDerived_, btnPlace_);
  setTabOrder(btnPlace_, listBox2_);
  setTabOrder(listBox2_, listBox1_);
}

void TFormBDat::ConnectHandlers() {
  // The words beside the date, the E/W letter and the daylight letter
  // follow their fields whatever sets them: typing, a read, a question's
  // answer, an entry shown.
  connect(maskEdDate_, &QLineEdit::textChanged, this, [this] { RefreshDateWords(); });
  connect(maskEdTzEW_, &QLineEdit::textChanged, this, [this] { RefreshZoneWord(8934, 8975); });
  connect(maskEdDstObs_, &QLineEdit::textChanged, this, [this] { RefreshObservanceWord(); });
  connect(bitBtn6_, &QPushButton::clicked, this, [this] { EXITPRINT('V'); });
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { NewNatalClick(); });
  connect(btnNewDerived_, &QPushButton::clicked, this, [this] { NewDerivedClick(); });
  connect(saveDeleteName1_, &QPushButton::clicked, this, [this] { SaveClick(); });
  connect(btnDelete_, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(btnPlace_, &QPushButton::clicked, this, [this] { PlaceButtonClick(); });
  connect(listBox2_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListBox2Click(listBox2_->row(item)); });
  // Enter on a line of the list switches too; a double click, which is
  // also a click, is not a second switch.
  connect(listBox2_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (listBox2_->row(item) + 1 != current_) ListBox2Click(listBox2_->row(item));
  });
  connect(listBox1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QString row = item->text();
    if (row.size() <= 6 || listBox1_->count() == 0) return;
    editName_->SetStoredText(FromQt(row.mid(3, row.size() - 6).trimmed()));
    ReadName();
  });
  connect(bitBtn13_, &QToolButton::clicked, this, [this] {
    ShowNameList(names_->FillNameList(editName_->StoredText(), -1));
    editName_->setFocus();
  });
  connect(bitBtn12_, &QToolButton::clicked, this, [this] {
    ShowNameList(names_->FillNameList(editName_->StoredText(), 1));
    editName_->setFocus();
  });
}

void TFormBDat::LoadCaptions() {
  labelName_->setText(ToQt(MessageText(13017)));
  labelDate_->setText(ToQt(MessageText(13018)));
  labelTime_->setText(ToQt(MessageText(13019)));
  labelHrs_->setText(ToQt(MessageText(13022)));
  labelMins_->setText(ToQt(MessageText(13023)));
  label21_->setText(ToQt(MessageText(13024)));
  const auto text = [](int number) { return FormText(number); };
  for (int i = 0; i < cbHouses_->count(); ++i)
    cbHouses_->setItemText(i, ToQt(HouseSystemDisplayName(LetterChoiceAt(cbHouses_, i), text)));
  for (int i = 0; i < cbZodiac_->count(); ++i)
    cbZodiac_->setItemText(i, ToQt(ZodiacDisplayName(LetterChoiceAt(cbZodiac_, i), text)));
}

// ---- Showing -------------------------------------------------------------

void TFormBDat::ShowHint(const std::string& text) { ShowHint(ToQt(text)); }

void TFormBDat::ShowHint(const QString& text) {
  label10_->setText(text);
  QPalette palette = label10_->palette();
  palette.setColor(QPalette::Window,
                   text.isEmpty() ? this->palette().color(QPalette::Window) : kHintColour);
  label10_->setPalette(palette);
}

void TFormBDat::RefreshDateWords() {
  const std::optional<CalendarDate> date = ParseDateText(maskEdDate_->StoredText());
  label11_->setText(date ? ToQt(DateInWords(*date)) : QString());
}

void TFormBDat::RefreshZoneWord(int westText, int eastText) {
  const bool east = maskEdTzEW_->StoredText() == "E";
  label21_->setText(ToQt(FormText(east ? eastText : westText)));
}

void TFormBDat::RefreshObservanceWord() {
  static const std::string letters = "YNWDL";  // texts 8968 .. 8972
  const std::string letter = maskEdDstObs_->StoredText();
  const size_t index = letter.size() == 1 ? letters.find(letter[0]) : std::string::npos;
  label23_->setText(index == std::string::npos ? QString()
                                               : ToQt(FormText(8968 + static_cast<int>(index))));
}

void TFormBDat::RefreshHeader() {
  const auto lines = HeaderLines(entry_, Fields(), current_, count_);
  QStringList text;
  for (const std::string& line : lines) text << ToQt(line);
  memoCurSel2_->setPlainText(text.join('\n'));
}

void TFormBDat::RefreshSaveStatus() {
  ChartEntry scratch = entry_;
  const bool valid = CopyFieldsIntoEntry(Fields(), scratch) == kFormValid;
  label27_->setText(ToQt(names_->SaveStatus(entry_, linked_, valid)));
}

void TFormBDat::SetEntryLine(int k, const ChartEntry& entry) {
  const QString line = ToQt(EntryListLine(k, entry, MessageText(13095)));
  while (listBox2_->count() < k) listBox2_->addItem(QString());
  listBox2_->item(k - 1)->setText(line);
}

void TFormBDat::RefreshCurrentLine() {
  ChartEntry shown = entry_;
  shown.setName(Trim(editName_->StoredText()));
  SetEntryLine(current_, shown);
}

void TFormBDat::RebuildEntryList(const std::vector<ChartEntry>& entries) {
  listBox2_->clear();
  for (size_t i = 0; i < entries.size(); ++i) SetEntryLine(static_cast<int>(i) + 1, entries[i]);
}

void TFormBDat::ShowNameList(const NameListView& view) {
  if (!view.shown) {
    EndNameList();
    return;
  }
  listBox1_->clear();
  for (const std::string& row : view.rows) listBox1_->addItem(ToQt(row));
  if (readingMode_ == 'X') {
    sidePanel_->setCurrentIndex(1);
    for (QPushButton* b : {btnDelete_, btnPlace_, bitBtn1_, bitBtn6_, btnNewDerived_}) b->hide();
    readingMode_ = 'N';
  }
}

void TFormBDat::EndNameList() {
  sidePanel_->setCurrentIndex(0);
  for (QPushButton* b : {btnDelete_, btnPlace_, bitBtn1_, bitBtn6_}) b->show();
  btnNewDerived_->setVisible(static_cast<bool>(derivedDialog_));
  if (readingMode_ == 'N') readingMode_ = 'X';
}

// ---- Activation ----------------------------------------------------------

void TFormBDat::RunSession(ShellState& state) {
  if (!FormActivate(state)) return;
  exec();
  if (active_) FormDeactivate();
}

bool TFormBDat::FormActivate(ShellState& state) {
  shell_ = &state;
  label27_->clear();
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
  listBox2_->clear();
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
  editName_->setFocus();
  return true;
}

void TFormBDat::ResumeSession(int entryToShow) {
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
  editName_->setFocus();
}

void TFormBDat::FormDeactivate() {
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

void TFormBDat::done(int result) {
  // The form only closes through "Done", which has already ended the
  // phase; the session file gets its terminator as the form goes.
  QDialog::done(result);
  if (active_) FormDeactivate();
}

void TFormBDat::reject() {
  // Closing the window by its title bar is "Done": the entries are kept.
  if (active_) EXITPRINT('V');
  else QDialog::reject();
}

void TFormBDat::keyPressEvent(QKeyEvent* event) {
  // Escape does not close the form; the fields give it their own meaning.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vostrane
