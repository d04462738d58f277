// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/gui/DerivedChartRequestDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <cstring>

#include "entry/DateNotes.h"
#include "entry/EntryDescriptions.h"
#include "entry/FieldRules.h"
#include "entry/gui/FormField.h"
#include "entry/gui/ZoneChoiceBoxes.h"
#include "entry/gui/TypedFieldKeys.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "platform/gui/Cp1252Validator.h"
#include "platform/gui/QtMessageService.h"
#include "common/LargeFont.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "platform/gui/ScreenFit.h"

namespace vostrane {
namespace {

// The hint line's colour while it says something (as on the birth data form).
const QColor kHintColour(0xB6, 0xDA, 0xDA);

constexpr DerivedKind kKinds[] = {
    DerivedKind::Transit,     DerivedKind::Progressed,  DerivedKind::SolarArc,
    DerivedKind::SolarReturn, DerivedKind::LunarReturn, DerivedKind::PlanetReturn,
    DerivedKind::Relocated,   DerivedKind::Composite,   DerivedKind::Harmonic,
};

FormField* NewField(QWidget* parent, const char* name, const QString& mask, QChar blank,
                    const QString& widest) {
  auto* field = new FormField(parent);
  field->setObjectName(name);
  if (!mask.isEmpty()) field->SetMask(mask, blank);
  if (!widest.isEmpty()) field->setFixedWidth(field->fontMetrics().horizontalAdvance(widest) + 18);
  return field;
}

QLabel* RightLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

void Enable(const std::vector<QWidget*>& row, bool on) {
  for (QWidget* w : row) w->setEnabled(on);
}

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

const FieldLayout* TypedLayout(const DerivedChartRequestDialog& form, const FormField* f) {
  if (f == form.DateField()) return &DateLayout();
  if (f == form.TimeField()) return &TimeLayout();
  if (f == form.LatitudeField()) return &LatitudeLayout();
  if (f == form.LongitudeField()) return &LongitudeLayout();
  if (f == form.ZoneHoursField()) return &ZoneHoursLayout();
  if (f == form.ZoneMinutesField()) return &ZoneMinutesLayout();
  return nullptr;
}

}  // namespace

DerivedChartRequestDialog::DerivedChartRequestDialog(QWidget* parent, std::vector<ChartEntry> entries,
                                                     int base, PlaceLookup* places,
                                                     std::function<CalendarDateTime()> clock)
    : QDialog(parent), entries_(std::move(entries)), places_(places), clock_(std::move(clock)) {
  static NoPlaceLookup none;
  if (!places_) places_ = &none;
  setObjectName("DerivedChartRequestDialog");
  setWindowTitle("New Derived Chart");
  setModal(true);
  BuildControls();
  BuildLayout();
  InstallFieldHooks();

  const CalendarDateTime now = clock_ ? clock_() : Today();
  const BirthDataFields fresh = NewEntryFields(now);
  date_->SetStoredText(fresh.date);
  time_->SetStoredText(fresh.time);
  RefreshDateWords();
  if (base >= 1 && base <= static_cast<int>(entries_.size())) base_->setCurrentIndex(base - 1);
  // A composite's partner: the first other entry.
  second_->setCurrentIndex(base_->currentIndex() == 0 && second_->count() > 1 ? 1 : 0);
  BaseChanged();
  KindChanged();
  resize(ScaleForLargeFont(sizeHint().width()), ScaleForLargeFont(sizeHint().height()));
  KeepOnScreenWhenShown(this);
  kind_->setFocus(Qt::OtherFocusReason);
}

void DerivedChartRequestDialog::BuildControls() {
  kind_ = new QComboBox(this);
  kind_->setObjectName("Kind");
  for (DerivedKind k : kKinds) kind_->addItem(DerivedKindName(k));
  base_ = new QComboBox(this);
  base_->setObjectName("BaseEntry");
  second_ = new QComboBox(this);
  second_->setObjectName("SecondEntry");
  const std::string compositeWord = MessageText(13095);
  for (size_t i = 0; i < entries_.size(); ++i) {
    const QString line = ToQt(EntryListLine(static_cast<int>(i) + 1, entries_[i], compositeWord));
    base_->addItem(line);
    second_->addItem(line);
  }
  for (QComboBox* box : {base_, second_}) box->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  date_ = NewField(this, "DateField", "00/00/#000;_", '_', "-00/00/0000");
  dateWords_ = new QLabel(this);
  dateWords_->setObjectName("DateWords");
  time_ = NewField(this, "TimeField", "00:00:00 >AM;_", '_', "00:00:00 PM");
  body_ = new QComboBox(this);
  body_->setObjectName("Body");
  for (int slot = kReturnBodyFirst; slot <= kReturnBodyLast; ++slot)
    body_->addItem(ReturnBodyName(slot));
  harmonic_ = new QLineEdit(this);
  harmonic_->setObjectName("Harmonic");
  harmonic_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), harmonic_));
  harmonic_->setFixedWidth(harmonic_->fontMetrics().horizontalAdvance("0000") + 18);

  natalPlace_ = new QCheckBox("&Natal place", this);
  natalPlace_->setObjectName("NatalPlace");
  natalPlace_->setChecked(true);
  placeButton_ = new QPushButton("&Place:", this);
  placeButton_->setObjectName("PlaceButton");  // the place lookup lines up with it
  placeButton_->setAutoDefault(false);
  place_ = NewField(this, "PlaceField", QString(), QChar(), QString());
  place_->setMaxLength(25);
  latitude_ = NewField(this, "LatitudeField", QString::fromUtf8(">00\u00B0 A 00' 00\";_"), '_',
                       QString::fromUtf8("00\u00B0 N 00' 00\""));
  longitude_ = NewField(this, "LongitudeField", QString::fromUtf8(">000\u00B0 A 00' 00\";_"), '_',
                        QString::fromUtf8("000\u00B0 W 00' 00\""));
  zoneHours_ = NewField(this, "ZoneHoursField", "00; ", ' ', "00");
  zoneMinutes_ = NewField(this, "ZoneMinutesField", "00; ", ' ', "00");
  eastWest_ = NewEastWestBox(this);
  daylight_ = NewDaylightBox(this);

  hint_ = new QLabel(this);
  hint_->setObjectName("HintLine");
  hint_->setAutoFillBackground(true);
  hint_->setMargin(3);
  hint_->setWordWrap(true);
  hint_->setMinimumHeight(hint_->fontMetrics().lineSpacing() * 2 + 8);

  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { KindChanged(); });
  connect(base_, &QComboBox::currentIndexChanged, this, [this] { BaseChanged(); });
  connect(natalPlace_, &QCheckBox::toggled, this, [this] { KindChanged(); });
  connect(placeButton_, &QPushButton::clicked, this, [this] { PlaceButtonClick(); });
  for (QComboBox* box : {eastWest_, daylight_})
    connect(box, &QComboBox::activated, this, [this] { placeTyped_ = true; });
}

void DerivedChartRequestDialog::BuildLayout() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(7);
  grid->setColumnStretch(2, 1);
  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* control, QWidget* extra,
                    std::vector<QWidget*>* rowList) {
    QLabel* label = RightLabel(caption, this);
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    if (extra) {
      grid->addWidget(control, row, 1);
      grid->addWidget(extra, row, 2);
    } else {
      grid->addWidget(control, row, 1, 1, 2, Qt::AlignLeft);
    }
    if (rowList) *rowList = {label, control};
    if (rowList && extra) rowList->push_back(extra);
    ++row;
  };
  addRow("&Kind of chart:", kind_, nullptr, nullptr);
  addRow("&Base entry:", base_, nullptr, nullptr);
  addRow("&Second entry:", second_, nullptr, &secondRow_);
  addRow("&Date:", date_, dateWords_, &dateRow_);
  addRow("&Time:", time_, nullptr, &timeRow_);
  addRow("Pl&anet:", body_, nullptr, &bodyRow_);
  auto* harmonicNote = new QLabel("from 2 to 180", this);
  addRow("&Harmonic:", harmonic_, harmonicNote, &harmonicRow_);

  // The place: the base entry's, or one of the chart's own.
  auto* placeBox = new QGroupBox("Place", this);
  auto* placeGrid = new QGridLayout(placeBox);
  placeGrid->setHorizontalSpacing(8);
  placeGrid->setVerticalSpacing(7);
  placeGrid->setColumnStretch(1, 1);
  placeGrid->addWidget(natalPlace_, 0, 0, 1, 2);
  placeGrid->addWidget(placeButton_, 1, 0);
  placeGrid->addWidget(place_, 1, 1);
  QLabel* latLong = RightLabel("Lat && Long:", placeBox);
  latLong->setTextFormat(Qt::PlainText);
  latLong->setText("Lat & Long:");
  placeGrid->addWidget(latLong, 2, 0);
  auto* coordinates = new QHBoxLayout;
  coordinates->addWidget(latitude_);
  coordinates->addSpacing(6);
  coordinates->addWidget(longitude_);
  coordinates->addStretch();
  placeGrid->addLayout(coordinates, 2, 1);
  QLabel* zoneLabel = RightLabel("Time Zone:", placeBox);
  placeGrid->addWidget(zoneLabel, 3, 0);
  auto* zone = new QHBoxLayout;
  zone->setSpacing(4);
  auto* hrs = new QLabel("Hrs", placeBox);
  auto* mins = new QLabel("Mins", placeBox);
  zone->addWidget(zoneHours_);
  zone->addWidget(hrs);
  zone->addSpacing(6);
  zone->addWidget(zoneMinutes_);
  zone->addWidget(mins);
  zone->addSpacing(10);
  zone->addWidget(eastWest_);
  zone->addStretch();
  placeGrid->addLayout(zone, 3, 1);
  QLabel* daylightLabel = RightLabel("Daylight Time:", placeBox);
  placeGrid->addWidget(daylightLabel, 4, 0);
  placeGrid->addWidget(daylight_, 4, 1, Qt::AlignLeft);
  placeRows_ = {placeButton_, place_, latLong,      latitude_, longitude_,    zoneLabel, zoneHours_,
                hrs,          mins,   zoneMinutes_, eastWest_, daylightLabel, daylight_};

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QDialogButtonBox::Ok);
  cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* main = new QVBoxLayout(this);
  main->setContentsMargins(12, 12, 12, 10);
  main->addLayout(grid);
  main->addSpacing(4);
  main->addWidget(placeBox);
  main->addWidget(hint_);
  main->addWidget(buttons);

  QWidget* order[] = {kind_,        base_,       second_,   date_,     time_,      body_,
                      harmonic_,    natalPlace_, place_,    latitude_, longitude_, zoneHours_,
                      zoneMinutes_, eastWest_,   daylight_, ok_,       cancel_,    placeButton_};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void DerivedChartRequestDialog::InstallFieldHooks() {
  for (FormField* f : {date_, time_, latitude_, longitude_, zoneHours_, zoneMinutes_}) {
    const FieldLayout* layout = TypedLayout(*this, f);
    f->onEnter = [this, f] {
      if (f == zoneHours_ || f == zoneMinutes_) f->SetStoredText(ZoneTextOnEnter(f->StoredText()));
      remembered_ = f->StoredText();
      f->SelectFirstCharacter();
    };
    f->onExit = [this, f] { TypedFieldExit(f); };
    f->onKeyPress = [this, f, layout](QKeyEvent* e) {
      const TypedKey key = TypedFieldKey(*f, *layout, e);
      if (key.problem) ShowHint(*key.problem);
      if (key.move != TypedKeyMove::None) {
        const std::string problem = CompleteTypedField(*f, *layout);
        ShowHint(problem);
        if (problem.empty()) focusNextPrevChild(key.move == TypedKeyMove::Next);
      }
      if (key.problem && f != date_ && f != time_) placeTyped_ = true;
      return key.handled;
    };
  }
  place_->onRefusedCharacter = [this](const QString& refused) {
    ShowHintText(RefusedCharacterHint(refused));
  };
  place_->onEnter = [this] {
    rememberedPlace_ = place_->StoredText();
    placeLookupAllowed_ = true;
    place_->selectAll();
    ShowHint("Type the place as City, State (or Country): the places on file are listed as you type.");
  };
  place_->onExit = [this] { ShowHint(""); };
  place_->onKeyPress = [this](QKeyEvent* e) {
    placeLookupAllowed_ = true;
    if (IsEnterKey(e->key()) || e->key() == Qt::Key_Down) {
      if (!Trim(place_->StoredText()).empty()) focusNextPrevChild(true);
      return true;
    }
    if (e->key() == Qt::Key_Up) {
      focusNextPrevChild(false);
      return true;
    }
    return false;
  };
  place_->onKeyRelease = [this](QKeyEvent* e) {
    const QString text = e->text();
    const bool characterKey = (!text.isEmpty() && text[0] > QChar(' ')) || e->key() == Qt::Key_Shift ||
                              e->key() == Qt::Key_CapsLock;
    if (place_->StoredText() != rememberedPlace_) {
      placeTyped_ = true;
      placeFromAtlas_ = false;
    }
    if (!characterKey || !placeLookupAllowed_ || Trim(place_->StoredText()).empty()) return;
    placeLookupAllowed_ = false;
    OpenPlaceLookup();
  };
}

bool DerivedChartRequestDialog::TypedFieldExit(FormField* f) {
  const FieldLayout* layout = TypedLayout(*this, f);
  const std::string problem = CompleteTypedField(*f, *layout);
  if (!problem.empty()) {
    // The text stays as typed and the field keeps the focus until it is
    // put right (or the kind no longer needs it).
    ShowHint(problem);
    QTimer::singleShot(0, f, [f] {
      if (f->isEnabled() && f->isVisible()) f->setFocus(Qt::OtherFocusReason);
    });
    return false;
  }
  ShowHint("");
  const bool changed = f->StoredText() != remembered_;
  if (f == date_) RefreshDateWords();
  if (changed && f != date_ && f != time_) placeTyped_ = true;
  if (changed && (f == latitude_ || f == longitude_ || f == zoneHours_ || f == zoneMinutes_))
    placeFromAtlas_ = false;
  // A new date or time may fall in another daylight period of the place:
  // the base's place follows it, a place the user chose is asked about.
  if (changed && (f == date_ || f == time_) && place_->isEnabled()) {
    if (!placeTyped_) {
      BaseChanged();
    } else if (placeFromAtlas_) {
      BirthDataFields texts = Fields().texts;
      places_->RecheckZone(texts, f == date_ ? 'D' : 'T');
      SetPlaceTexts(texts);
    }
  }
  remembered_ = f->StoredText();
  return true;
}

// ---- Fields -------------------------------------------------------------------

DerivedDialogFields DerivedChartRequestDialog::Fields() const {
  DerivedDialogFields f;
  f.kind = kKinds[std::max(0, kind_->currentIndex())];
  f.base = base_->currentIndex() + 1;
  f.secondBase = second_->currentIndex() + 1;
  f.texts.date = date_->StoredText();
  f.texts.time = time_->StoredText();
  f.texts.place = place_->StoredText();
  f.texts.latitude = latitude_->StoredText();
  f.texts.longitude = longitude_->StoredText();
  f.texts.zoneHours = zoneHours_->StoredText();
  f.texts.zoneMinutes = zoneMinutes_->StoredText();
  f.texts.zoneEastWest = eastWest_->currentIndex() == 1 ? "E" : "W";
  const char letter[2] = {ChosenDaylightLetter(daylight_), '\0'};
  f.texts.daylight = letter;
  f.texts.dstTable = dstTable_;
  f.natalPlace = natalPlace_->isChecked();
  f.body = kReturnBodyFirst + std::max(0, body_->currentIndex());
  f.harmonic = FromQt(harmonic_->text());
  return f;
}

void DerivedChartRequestDialog::SetPlaceTexts(const BirthDataFields& t) {
  place_->SetStoredText(t.place);
  latitude_->SetStoredText(t.latitude);
  longitude_->SetStoredText(t.longitude);
  zoneHours_->SetStoredText(t.zoneHours);
  zoneMinutes_->SetStoredText(ZoneTextOnEnter(t.zoneMinutes));
  eastWest_->setCurrentIndex(t.zoneEastWest == "E" ? 1 : 0);
  ChooseDaylightLetter(daylight_, t.daylight);
  dstTable_ = t.dstTable;
}

void DerivedChartRequestDialog::KindChanged() {
  const DerivedFieldsNeeded needs = FieldsNeeded(Fields().kind);
  Enable(secondRow_, needs.secondBase);
  Enable(dateRow_, needs.date);
  Enable(timeRow_, needs.time);
  Enable(bodyRow_, needs.body);
  Enable(harmonicRow_, needs.harmonic);
  natalPlace_->setEnabled(needs.natalPlace);
  const bool ownPlace = needs.place || (needs.natalPlace && !natalPlace_->isChecked());
  Enable(placeRows_, ownPlace);
  // The base's place, with the zone at the chart's own moment.
  BaseChanged();
  if (needs.harmonic && harmonic_->text().isEmpty()) harmonic_->setText("5");
  ShowHint("");
}

BirthDataFields DerivedChartRequestDialog::MomentTexts() const {
  const DerivedDialogFields f = Fields();
  BirthDataFields texts = f.texts;
  if (f.kind == DerivedKind::Relocated && f.base >= 1 && f.base <= static_cast<int>(entries_.size())) {
    const BirthDataFields birth = FieldsFromEntry(entries_[static_cast<size_t>(f.base - 1)]);
    texts.date = birth.date;
    texts.time = birth.time;
  }
  return texts;
}

void DerivedChartRequestDialog::BaseChanged() {
  const int k = base_->currentIndex();
  if (k < 0 || k >= static_cast<int>(entries_.size())) return;
  const DerivedFieldsNeeded needs = FieldsNeeded(Fields().kind);
  const bool natalShown = needs.natalPlace && natalPlace_->isChecked();
  if (placeTyped_ && !natalShown) return;
  const ChartEntry& base = entries_[static_cast<size_t>(k)];
  BirthDataFields texts = FieldsFromEntry(base);
  placeFromAtlas_ = places_->IsAtlasPlace(Trim(base.place()));
  if (!natalShown && placeFromAtlas_) {
    // The base's zone is the one of its birth; the chart's own moment may
    // fall in another daylight period at that place.
    const BirthDataFields moment = MomentTexts();
    texts.date = moment.date;
    texts.time = moment.time;
    places_->ZoneAtMoment(texts);
  }
  SetPlaceTexts(texts);
}

void DerivedChartRequestDialog::ShowHint(const std::string& text) { ShowHintText(ToQt(text)); }

void DerivedChartRequestDialog::ShowHintText(const QString& text) {
  // Without a problem to name the line says what the kind makes.
  hint_->setText(text.isEmpty() ? QString(KindGuide(Fields().kind)) : text);
  QPalette palette = hint_->palette();
  palette.setColor(QPalette::Window, kHintColour);
  hint_->setPalette(palette);
}

void DerivedChartRequestDialog::RefreshDateWords() {
  const std::optional<CalendarDate> date = ParseDateText(date_->StoredText());
  dateWords_->setText(date ? ToQt(DateInWords(*date)) : QString());
}

// ---- The place ----------------------------------------------------------------

void DerivedChartRequestDialog::PlaceButtonClick() {
  if (!place_->isEnabled()) return;
  place_->setFocus(Qt::OtherFocusReason);
  OpenPlaceLookup();
}

void DerivedChartRequestDialog::OpenPlaceLookup() {
  const std::optional<PlaceChoice> choice = places_->ChoosePlace(place_->StoredText());
  if (!choice) return;
  activateWindow();
  if (choice->outcome == 'C') {
    place_->SetStoredText(rememberedPlace_);
    return;
  }
  place_->SetStoredText(choice->text);
  placeTyped_ = true;
  placeFromAtlas_ = false;
  if (Trim(choice->text).empty()) return;
  if (choice->outcome == 'G' || places_->IsAtlasPlace(choice->text)) {
    // Latitude, longitude and daylight table from the atlas; the zone and
    // the daylight letter for the chart's date and time, as for a natal
    // chart.
    BirthDataFields texts = MomentTexts();
    places_->ReadPlace(texts, 0);
    SetPlaceTexts(texts);
    placeFromAtlas_ = true;
  }
  rememberedPlace_ = place_->StoredText();
  ok_->setFocus(Qt::OtherFocusReason);
}

// ---- OK -----------------------------------------------------------------------

void DerivedChartRequestDialog::FocusProblem(DerivedField field) {
  FormField* target = nullptr;
  switch (field) {
    case DerivedField::Date: target = date_; break;
    case DerivedField::Time: target = time_; break;
    case DerivedField::Place: target = place_; break;
    case DerivedField::Latitude: target = latitude_; break;
    case DerivedField::Longitude: target = longitude_; break;
    case DerivedField::Zone: target = zoneHours_; break;
    case DerivedField::Harmonic:
      harmonic_->setFocus(Qt::OtherFocusReason);
      harmonic_->selectAll();
      return;
    case DerivedField::None: return;
  }
  target->setFocus(Qt::OtherFocusReason);
}

bool DerivedChartRequestDialog::OkClick() {
  // A typed field being edited is left first: its text must be able to exist.
  if (auto* f = qobject_cast<FormField*>(focusWidget()); f && TypedLayout(*this, f)) {
    const std::string problem = CompleteTypedField(*f, *TypedLayout(*this, f));
    if (!problem.empty()) {
      ShowHint(problem);
      return false;
    }
  }
  const DerivedRequestResult made = RequestFromFields(Fields());
  if (made.field != DerivedField::None) {
    ShowHint(made.problem);
    FocusProblem(made.field);
    return false;
  }
  const DerivedRequest& r = made.request;
  const int count = static_cast<int>(entries_.size());
  if (r.base < 1 || r.base > count) {
    ShowMessage("Please choose the base entry.", MsgIcon::Information);
    return false;
  }
  const ChartEntry* second = nullptr;
  if (r.kind == DerivedKind::Composite && r.secondBase >= 1 && r.secondBase <= count)
    second = &entries_[static_cast<size_t>(r.secondBase - 1)];
  const DerivedBuild built = BuildDerivedEntry(r, entries_[static_cast<size_t>(r.base - 1)], second,
                                               count);
  if (!built.ok) {
    ShowMessage(built.error, MsgIcon::Information);
    return false;
  }
  result_ = built.entry;
  accept();
  return true;
}

std::optional<ChartEntry> AskDerivedChart(QWidget* parent, const std::vector<ChartEntry>& entries,
                                          int base, PlaceLookup* places) {
  DerivedChartRequestDialog dialog(parent, entries, base, places);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Result();
}

}  // namespace vostrane
