// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/gui/PersonEditDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "entry/BirthDataFields.h"
#include "entry/FieldRules.h"
#include "entry/gui/FormField.h"
#include "entry/gui/ZoneChoiceBoxes.h"
#include "entry/gui/TypedFieldKeys.h"
#include "names/PersonRecord.h"
#include "platform/TextTrim.h"
#include "platform/gui/Cp1252Validator.h"
#include "platform/gui/QtMessageService.h"
#include "session/ChartEntry.h"

namespace vostrane {
namespace {

FormField* NewField(QWidget* parent, const char* name, const QString& mask, QChar blank) {
  auto* field = new FormField(parent);
  field->setObjectName(name);
  if (!mask.isEmpty()) field->SetMask(mask, blank);
  return field;
}

const FieldLayout* LayoutOf(const QString& objectName) {
  if (objectName == "DateField") return &DateLayout();
  if (objectName == "TimeField") return &TimeLayout();
  if (objectName == "LatitudeField") return &LatitudeLayout();
  if (objectName == "LongitudeField") return &LongitudeLayout();
  if (objectName == "ZoneHoursField") return &ZoneHoursLayout();
  if (objectName == "ZoneMinutesField") return &ZoneMinutesLayout();
  return nullptr;
}

}  // namespace

PersonEditDialog::PersonEditDialog(const BirthDataFields& person, QWidget* parent)
    : QDialog(parent), person_(person) {
  setObjectName("PersonEditDialog");
  setWindowTitle("Edit Person");
  setModal(true);
  name_ = NewField(this, "NameField", QString(), QChar());
  name_->setMaxLength(25);
  place_ = NewField(this, "PlaceField", QString(), QChar());
  place_->setMaxLength(25);
  date_ = NewField(this, "DateField", "00/00/#000;_", '_');
  time_ = NewField(this, "TimeField", "00:00:00 >AM;_", '_');
  latitude_ = NewField(this, "LatitudeField", QString::fromUtf8(">00\u00B0 A 00' 00\";_"), '_');
  longitude_ = NewField(this, "LongitudeField", QString::fromUtf8(">000\u00B0 A 00' 00\";_"), '_');
  zoneHours_ = NewField(this, "ZoneHoursField", "00; ", ' ');
  zoneMinutes_ = NewField(this, "ZoneMinutesField", "00; ", ' ');
  eastWest_ = NewEastWestBox(this);
  daylight_ = NewDaylightBox(this);
  hint_ = new QLabel(this);
  hint_->setObjectName("HintLine");
  hint_->setWordWrap(true);

  for (FormField* f : {name_, place_})
    f->onRefusedCharacter = [this](const QString& refused) {
      hint_->setText(RefusedCharacterHint(refused));
    };
  for (FormField* f : {date_, time_, latitude_, longitude_, zoneHours_, zoneMinutes_})
    InstallTypedKeys(f);

  name_->SetStoredText(Trim(person.name));
  date_->SetStoredText(person.date);
  time_->SetStoredText(person.time);
  place_->SetStoredText(Trim(person.place));
  latitude_->SetStoredText(person.latitude);
  longitude_->SetStoredText(person.longitude);
  zoneHours_->SetStoredText(person.zoneHours);
  zoneMinutes_->SetStoredText(ZoneTextOnEnter(person.zoneMinutes));
  eastWest_->setCurrentIndex(person.zoneEastWest == "E" ? 1 : 0);
  ChooseDaylightLetter(daylight_, person.daylight);

  auto* form = new QFormLayout;
  form->addRow("&Name:", name_);
  form->addRow("&Date (MM/DD/YYYY):", date_);
  form->addRow("&Time:", time_);
  form->addRow("&Place:", place_);
  form->addRow("&Latitude:", latitude_);
  form->addRow("Lon&gitude:", longitude_);
  for (FormField* f : {zoneHours_, zoneMinutes_})
    f->setFixedWidth(f->fontMetrics().horizontalAdvance("000") + 18);
  auto* zone = new QHBoxLayout;
  zone->addWidget(zoneHours_);
  zone->addWidget(new QLabel("h", this));
  zone->addWidget(zoneMinutes_);
  zone->addWidget(new QLabel("m", this));
  zone->addWidget(eastWest_);
  zone->addStretch();
  auto* zoneLabel = new QLabel("Time &zone:", this);
  zoneLabel->setBuddy(zoneHours_);
  form->addRow(zoneLabel, zone);
  form->addRow("Da&ylight:", daylight_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { OkClick(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(hint_);
  layout->addWidget(buttons);
  name_->setFocus();
}

void PersonEditDialog::InstallTypedKeys(FormField* f) {
  const FieldLayout* layout = LayoutOf(f->objectName());
  f->onEnter = [f] { f->SelectFirstCharacter(); };
  f->onKeyPress = [this, f, layout](QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return false;  // the dialog's Cancel
    const TypedKey key = TypedFieldKey(*f, *layout, e);
    if (key.problem) hint_->setText(ToQt(*key.problem));
    if (key.move != TypedKeyMove::None) {
      const std::string problem = CompleteTypedField(*f, *layout);
      hint_->setText(ToQt(problem));
      if (problem.empty()) focusNextPrevChild(key.move == TypedKeyMove::Next);
    }
    return key.handled;
  };
}

BirthDataFields PersonEditDialog::Fields() const {
  BirthDataFields f = person_;
  f.name = name_->StoredText();
  f.date = date_->StoredText();
  f.time = time_->StoredText();
  f.place = place_->StoredText();
  f.latitude = latitude_->StoredText();
  f.longitude = longitude_->StoredText();
  f.zoneHours = zoneHours_->StoredText();
  f.zoneMinutes = zoneMinutes_->StoredText();
  f.zoneEastWest = eastWest_->currentIndex() == 1 ? "E" : "W";
  const char letter[2] = {ChosenDaylightLetter(daylight_), '\0'};
  f.daylight = letter;
  return f;
}

bool PersonEditDialog::OkClick() {
  // Units still waiting for digits are taken as typed, as on leaving a field.
  for (FormField* f : {date_, time_, latitude_, longitude_, zoneHours_, zoneMinutes_}) {
    const std::string problem = CompleteTypedField(*f, *LayoutOf(f->objectName()));
    if (!problem.empty()) {
      hint_->setText(ToQt(problem));
      f->setFocus();
      return false;
    }
  }
  // The form's checks, in its order: name, place, date, time, latitude,
  // longitude, zone, daylight.
  ChartEntry scratch;
  const int code = CopyFieldsIntoEntry(Fields(), scratch);
  if (code != kFormValid) {
    ShowMessage(PersonCheckText(code), MsgIcon::Warning);
    FormField* const fieldOf[] = {name_,     name_,      place_,     date_,      time_,
                                  latitude_, longitude_, zoneHours_, zoneHours_, zoneHours_};
    fieldOf[std::clamp(code, 0, 9)]->setFocus();
    return false;
  }
  accept();
  return true;
}

}  // namespace vostrane
