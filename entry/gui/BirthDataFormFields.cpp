// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's field handlers: what happens when a field is
// entered, on each key, and when it is left.
#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "entry/ClockQuestion.h"
#include "entry/DateNotes.h"
#include "entry/EntryMarks.h"
#include "entry/FieldRules.h"
#include "entry/FormTexts.h"
#include "entry/gui/FormField.h"
#include "entry/gui/BirthDataForm.h"
#include "entry/gui/TypedFieldKeys.h"
#include "platform/MessageService.h"
#include "platform/gui/Cp1252Validator.h"
#include "platform/gui/LetterChoices.h"
#include "platform/gui/QtMessageService.h"
#include "common/AyanamsaNames.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "common/MaskedFields.h"
#include "common/MessageTextFile.h"
#include "common/NumberText.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

bool IsModifierKey(int key) {
  return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void BirthDataForm::InstallFieldHooks() {
  for (FormField* f : {nameField_, dateField_, timeField_, placeField_, latitudeField_, longitudeField_,
                       zoneHoursField_, zoneMinutesField_, eastWestField_, daylightField_}) {
    f->onEnter = [this, f] { FieldEnter(f); };
    f->onExit = [this, f] { FieldExit(f); };
    f->onKeyPress = [this, f](QKeyEvent* e) { return FieldKeyPress(f, e); };
    f->afterKeyPress = [this, f](QKeyEvent* e) { FieldAfterKey(f, e); };
    f->onKeyRelease = [this, f](QKeyEvent* e) { FieldKeyRelease(f, e); };
  }
  for (FormField* f : {nameField_, placeField_})
    f->onRefusedCharacter = [this](const QString& refused) { ShowHint(RefusedCharacterHint(refused)); };
}

BirthDataFields BirthDataForm::Fields() const {
  BirthDataFields f;
  f.name = nameField_->StoredText();
  f.date = dateField_->StoredText();
  f.time = timeField_->StoredText();
  f.place = placeField_->StoredText();
  f.latitude = latitudeField_->StoredText();
  f.longitude = longitudeField_->StoredText();
  f.zoneHours = zoneHoursField_->StoredText();
  f.zoneMinutes = zoneMinutesField_->StoredText();
  f.zoneEastWest = eastWestField_->StoredText();
  f.daylight = daylightField_->StoredText();
  f.dstTable = daylightTableField_->StoredText();
  f.houseSystem = HouseSystemOrDefault(ChosenLetter(houseSystemBox_));
  f.zodiac = ZodiacOrDefault(ChosenLetter(zodiacBox_));
  // Boxes left as shown keep the stored value and epoch to the last bit.
  f.userAyanamsaDegrees = userAyanamsa_->value() == shownAyanamsaBox_ ? shownAyanamsa_
                                                                      : userAyanamsa_->value();
  f.userAyanamsaEpoch = userEpoch_->value() == shownEpochBox_
                            ? shownEpoch_
                            : JulianDayOfEpochYear(userEpoch_->value());
  return f;
}

void BirthDataForm::SetFields(const BirthDataFields& f) {
  nameField_->SetStoredText(f.name);
  dateField_->SetStoredText(f.date);
  timeField_->SetStoredText(f.time);
  placeField_->SetStoredText(f.place);
  latitudeField_->SetStoredText(f.latitude);
  longitudeField_->SetStoredText(f.longitude);
  zoneHoursField_->SetStoredText(f.zoneHours);
  zoneMinutesField_->SetStoredText(f.zoneMinutes);
  eastWestField_->SetStoredText(f.zoneEastWest);
  daylightField_->SetStoredText(f.daylight);
  daylightTableField_->SetStoredText(f.dstTable);
  ChooseLetter(houseSystemBox_, HouseSystemOrDefault(f.houseSystem));
  ShowZodiac(ZodiacOrDefault(f.zodiac));
  ShowUserAyanamsa(f.userAyanamsaDegrees, f.userAyanamsaEpoch);
}

void BirthDataForm::ShowUserAyanamsa(double degrees, double epochJd) {
  shownAyanamsa_ = std::isfinite(degrees) ? degrees : 0.0;
  shownEpoch_ = std::isfinite(epochJd) ? epochJd : 0.0;
  userAyanamsa_->setValue(shownAyanamsa_);
  userEpoch_->setValue(EpochYearOfJulianDay(shownEpoch_));
  // What the boxes made of the values (rounded to their decimals).
  shownAyanamsaBox_ = userAyanamsa_->value();
  shownEpochBox_ = userEpoch_->value();
}

void BirthDataForm::ShowUserAyanamsaBoxes() {
  const bool user = ChosenLetter(zodiacBox_) == ZodiacLetterOf(AyanamsaKind::UserDefined);
  userAyanamsa_->setVisible(user);
  userEpoch_->setVisible(user);
}

// The list offers every zodiac the calculation knows; a letter it does not
// hold gets an extra item while it is shown.
void BirthDataForm::ShowZodiac(char zodiac) {
  if (ChooseLetter(zodiacBox_, zodiac)) return;
  AddLetterChoice(zodiacBox_, zodiac, ToQt(ZodiacDisplayName(zodiac, FormText)));
  ChooseLetter(zodiacBox_, zodiac);
}

// ---- Focus ---------------------------------------------------------------

void BirthDataForm::MoveFocus(QWidget* target) {
  if (focusPermission_ != 'Y' || !target->isEnabled() || !target->isVisible()) return;
  target->setFocus(Qt::OtherFocusReason);
  if (isActiveWindow()) return;
  // The form is not the active window (a dialog or a message box has just
  // closed): the focus arrives with the form's activation, which the
  // fields do not take for leaving or entering. Their handlers run now.
  if (activeField_ && activeField_ != target && !FieldExit(activeField_)) return;
  auto* field = qobject_cast<FormField*>(target);
  if (field && activeField_ != field) FieldEnter(field);
}

void BirthDataForm::FocusField(FormField* field) {
  if (field->hasFocus()) {
    if (activeField_ != field) FieldEnter(field);
  } else {
    MoveFocus(field);
  }
}

bool BirthDataForm::FinishFieldEdit() {
  // The time is to be changed: a button pressed meanwhile waits for it.
  if (backToTime_) return false;
  FormField* field = activeField_;
  if (!field) return true;
  if (!FieldExit(field)) return false;
  if (field->hasFocus() && activeField_ == nullptr) FieldEnter(field);
  return true;
}

// ---- The typed fields ------------------------------------------------------

BirthDataForm::TypedRoute BirthDataForm::RouteOf(FormField* f) const {
  if (f == dateField_) return {&DateLayout(), timeField_, nameField_};
  if (f == timeField_) return {&TimeLayout(), placeField_, dateField_};
  if (f == latitudeField_) return {&LatitudeLayout(), longitudeField_, placeField_};
  if (f == longitudeField_) return {&LongitudeLayout(), zoneHoursField_, latitudeField_};
  if (f == zoneHoursField_) return {&ZoneHoursLayout(), zoneMinutesField_, longitudeField_};
  if (f == zoneMinutesField_) return {&ZoneMinutesLayout(), eastWestField_, zoneHoursField_};
  return {};
}

void BirthDataForm::ShowFieldProblem(const std::string& problem) {
  if (problem == fieldProblem_) return;
  fieldProblem_ = problem;
  ShowHint(problem);
}

bool BirthDataForm::TypedKeyPress(FormField* f, const TypedRoute& route, QKeyEvent* e) {
  const TypedKey key = TypedFieldKey(*f, *route.layout, e);
  if (key.problem) ShowFieldProblem(*key.problem);
  if (key.move != TypedKeyMove::None && CompleteTypedField(f))
    MoveFocus(key.move == TypedKeyMove::Next ? route.next : route.previous);
  return key.handled;
}

bool BirthDataForm::CompleteTypedField(FormField* f) {
  const std::string problem = vostrane::CompleteTypedField(*f, *RouteOf(f).layout);
  ShowFieldProblem(problem);
  return problem.empty();
}

// ---- Entering a field ----------------------------------------------------

void BirthDataForm::FieldEnter(FormField* f) {
  if (!active_) return;
  activeField_ = f;
  fieldToFocus_ = f;
  if (f == refusedField_) {
    // Back after a refused exit: the edit goes on where it was, and the
    // hint says again why.
    remembered_ = refusedRemembered_;
    fieldProblem_.clear();
    CompleteTypedField(f);
    return;
  }
  if (f == zoneHoursField_ || f == zoneMinutesField_) f->SetStoredText(ZoneTextOnEnter(f->StoredText()));
  if (f == eastWestField_) f->SetStoredText(LetterOnEnter(f->StoredText(), kEastWestLetters, 'W'));
  if (f == daylightField_) f->SetStoredText(LetterOnEnter(f->StoredText(), kDaylightFieldLetters, 'N'));
  remembered_ = f->StoredText();

  if (f == placeField_ && entry_.chartType() != 0) f->selectAll();
  else f->SelectFirstCharacter();

  if (f == nameField_) {
    rememberedName_ = remembered_;
    ShowHint(FormText(8993));
  } else if (f == placeField_) {
    rememberedPlace_ = remembered_;
    placeOnEntry_ = Fields();
    placeFromAtlasOnEntry_ = placeFromAtlas_;
    placeLookupAllowed_ = true;
    ShowHint(FormText(entry_.chartType() == 0 ? 8994 : 9087));
  } else if (f == daylightField_) {
    ShowHint(FormText(9010));
  }
}

// ---- Keys ----------------------------------------------------------------

bool BirthDataForm::FieldKeyPress(FormField* f, QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Menu) {
    ShowMessage(MessageText(13107) + MessageText(13108), MsgIcon::Information);
    return true;
  }
  const bool refusesCtrl = f != nameField_ && f != placeField_ && f != dateField_;
  if (refusesCtrl && (e->modifiers() & Qt::ControlModifier) && !IsModifierKey(key)) {
    ShowMessage(MessageText(13085), MsgIcon::Information);
    return true;
  }
  if (f == nameField_) return NameKeyPress(e);
  if (f == placeField_) {
    placeLookupAllowed_ = true;
    // Enter and Down go on from a filled place, Up goes back to the time.
    if (IsEnterKey(key) || key == Qt::Key_Down) {
      if (!Trim(placeField_->StoredText()).empty()) MoveFocus(latitudeField_);
      return true;
    }
    if (key == Qt::Key_Up) {
      MoveFocus(timeField_);
      return true;
    }
    return false;
  }
  const TypedRoute route = RouteOf(f);
  if (route.layout) return TypedKeyPress(f, route, e);

  const bool next = IsEnterKey(key) || key == Qt::Key_Down;
  const bool previous = key == Qt::Key_Up;
  if (f == eastWestField_ && (next || previous)) {
    // On the press, as in the fields before it: the release of the Enter
    // that brought the focus here must not carry it on.
    MoveFocus(previous ? static_cast<QWidget*>(zoneMinutesField_) : daylightField_);
    return true;
  }
  if (f == daylightField_ && (next || previous)) {
    if (previous) MoveFocus(eastWestField_);  // Enter and Down are swallowed
    return true;
  }
  if ((f == eastWestField_ || f == daylightField_) && TypeLetter(f, e)) return true;
  return false;
}

bool BirthDataForm::TypeLetter(FormField* f, QKeyEvent* e) {
  const QString text = e->text();
  if (text.isEmpty() || !text[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  // The field holds one letter: a typed letter it takes replaces it, wherever
  // the caret stands; any other character leaves it as it was.
  const char16_t c = text[0].toUpper().unicode();
  const std::string letters = f == eastWestField_ ? kEastWestLetters : kDaylightFieldLetters;
  if (c < 0x80 && letters.find(static_cast<char>(c)) != std::string::npos)
    f->SetStoredText(std::string(1, static_cast<char>(c)));
  f->SelectFirstCharacter();
  return true;
}

void BirthDataForm::FieldAfterKey(FormField* f, QKeyEvent*) {
  if (f != eastWestField_ && f != daylightField_) return;
  const char* letters = f == eastWestField_ ? kEastWestLetters : kDaylightFieldLetters;
  f->SetStoredText(LetterAfterKey(f->StoredText(), letters, remembered_));
  f->SelectFirstCharacter();  // the next letter typed replaces this one
}

void BirthDataForm::FieldKeyRelease(FormField* f, QKeyEvent* e) {
  if (!active_) return;
  if (f == nameField_) NameKeyRelease(e);
  if (f == placeField_) PlaceKeyRelease(e);
}

bool BirthDataForm::NameKeyPress(QKeyEvent* e) {
  const bool listShown = readingMode_ == 'N';
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ReadName(); return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (listShown)
        ShowNameList(names_->FillNameList(nameField_->StoredText(), e->key() == Qt::Key_Down ? 1 : 13));
      else MoveFocus(dateField_);
      return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      if (listShown)
        ShowNameList(names_->FillNameList(nameField_->StoredText(), e->key() == Qt::Key_Up ? -1 : -13));
      return true;
    case Qt::Key_Escape:
      if (readingMode_ == 'N') nameField_->SetStoredText(rememberedName_);
      return true;
    case Qt::Key_Insert: nameField_->SetOverwrite(!nameField_->Overwrite()); return true;
    default: return false;
  }
}

void BirthDataForm::NameKeyRelease(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Insert:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    // Modifier keys, and the keys of Alt and Ctrl shortcuts (Alt+N for
    // "New Natal"), do not change the name: no list for them.
    case Qt::Key_Alt:
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Meta:
    case Qt::Key_AltGr: return;
    default: break;
  }
  if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return;
  if (entry_.chartType() != 0 || Trim(nameField_->StoredText()).empty()) return;
  ShowNameList(names_->FillNameList(nameField_->StoredText(), 0));
}

void BirthDataForm::PlaceKeyRelease(QKeyEvent* e) {
  const QString text = e->text();
  const bool characterKey = (!text.isEmpty() && text[0] > QChar(' ')) || e->key() == Qt::Key_Shift ||
                            e->key() == Qt::Key_CapsLock;
  if (!characterKey || !placeLookupAllowed_ || Trim(placeField_->StoredText()).empty()) return;
  placeLookupAllowed_ = false;
  OpenPlaceLookup();
}

// ---- Reading a place or a name ---------------------------------------------

void BirthDataForm::PlaceButtonClick() {
  if (!active_) return;
  if (activeField_ && activeField_ != placeField_ && !FinishFieldEdit()) return;
  MoveFocus(placeField_);
  OpenPlaceLookup();
}

void BirthDataForm::OpenPlaceLookup() {
  if (activeField_ != placeField_) {
    placeOnEntry_ = Fields();
    placeFromAtlasOnEntry_ = placeFromAtlas_;
  }
  const std::optional<PlaceChoice> choice = places_->ChoosePlace(placeField_->StoredText());
  if (!choice) return;
  // The dialog has gone: the keys go to the form again (a window manager
  // would do this; without one nothing would have the keyboard).
  activateWindow();
  if (choice->outcome == 'C') {
    // Cancel leaves the place as it was before the field was entered: the
    // letter that opened the dialog goes, and so does anything read since.
    RestorePlaceOnEntry();
    return;
  }
  placeField_->SetStoredText(choice->text);
  if (Trim(choice->text).empty()) return;
  // The field after the place; a place read from the atlas may choose the
  // zone instead.
  MoveFocus(latitudeField_);
  if (choice->outcome == 'G' || places_->IsAtlasPlace(choice->text)) ReadPlace();
  RefreshCurrentLine();
}

void BirthDataForm::RestorePlaceOnEntry() {
  const BirthDataFields& was = placeOnEntry_;
  placeField_->SetStoredText(was.place);
  latitudeField_->SetStoredText(was.latitude);
  longitudeField_->SetStoredText(was.longitude);
  zoneHoursField_->SetStoredText(was.zoneHours);
  zoneMinutesField_->SetStoredText(was.zoneMinutes);
  eastWestField_->SetStoredText(was.zoneEastWest);
  daylightField_->SetStoredText(was.daylight);
  daylightTableField_->SetStoredText(was.dstTable);
  placeFromAtlas_ = placeFromAtlasOnEntry_;
  placeField_->SelectFirstCharacter();
  RefreshHeader();
}

void BirthDataForm::ReadPlace() {
  readingMode_ = 'P';
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  const FocusAfterRead where = places_->ReadPlace(fields, entry_.chartType());
  focusPermission_ = 'Y';
  SetFields(fields);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
  placeFromAtlas_ = true;
  RefreshHeader();  // the place read shows behind a question about its clock
  if (entry_.chartType() == 0) ResolveClockTime();
  CopyFormIntoEntry('M');
  RefreshSaveStatus();
  RefreshHeader();
  // The zone is typed when the atlas has no daylight table for the place;
  // otherwise the user goes on from the field after the place.
  const bool typeZone = where == FocusAfterRead::ZoneHours && entry_.chartType() == 0;
  fieldToFocus_ = typeZone ? zoneHoursField_ : latitudeField_;
  readingMode_ = 'X';
  MoveFocus(fieldToFocus_);
}

void BirthDataForm::ReadName() {
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  const bool read = names_->ReadTopName(fields, entry_);
  focusPermission_ = 'Y';
  EndNameList();
  readingMode_ = 'X';
  if (!read) {
    MoveFocus(dateField_);
    return;
  }
  SetFields(fields);
  // A read into a second entry of one name leaves the link with the earlier
  // entry (duplicate-name letter 'Y'); the place read may be an atlas place.
  linked_ = !IsDuplicateName(entry_);
  placeFromAtlas_ = places_->IsAtlasPlace(Trim(fields.place));
  RefreshDateWords();
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
  RefreshCurrentLine();
  RefreshHeader();
  RefreshSaveStatus();
  fieldToFocus_ = placeField_;
  MoveFocus(placeField_);
}

// ---- Leaving a field -------------------------------------------------------

bool BirthDataForm::FieldExit(FormField* f) {
  if (!active_ || activeField_ != f) return true;

  // A typed field whose text cannot exist keeps the focus.
  if (RouteOf(f).layout && !CompleteTypedField(f)) {
    refusedField_ = f;
    refusedRemembered_ = remembered_;
    if (!f->hasFocus()) {
      QTimer::singleShot(0, f, [this, f] {
        if (active_ && refusedField_ == f) f->setFocus(Qt::OtherFocusReason);
      });
    }
    return false;
  }
  activeField_ = nullptr;
  if (refusedField_ == f) refusedField_ = nullptr;
  ShowFieldProblem("");

  // First the text corrections of the field...
  if (f == nameField_) {
    const std::string name = Trim(f->StoredText());
    f->SetStoredText(name.empty() ? remembered_ : name);
  } else if (f == dateField_) {
    RefreshDateWords();
  } else if (f == eastWestField_) {
    RefreshZoneWord(8934, 8975);
  } else if (f == daylightField_) {
    RefreshObservanceWord();
  }

  // ... then whether it changed, and what follows from that.
  const bool changed = f->StoredText() != remembered_;
  if (changed) MarkChange();
  ClockAnswer clock = ClockAnswer::NotAsked;
  const bool natal = entry_.chartType() == 0;

  if (f == placeField_) ShowHint(std::string());  // the place's hint ends with it
  if (f == nameField_) {
    if (QApplication::focusWidget() != nameFileList_) EndNameList();
    ShowHint(std::string());
    RefreshSaveStatus();
    RefreshCurrentLine();  // the list shows the name as typed
  } else if (f == dateField_) {
    if (natal) {
      if (!OldStyleAsked(entry_) || changed) DateNotes();
    } else {
      CopyFormIntoEntry('M');
      RefreshCurrentLine();
    }
    if (changed && natal && placeFromAtlas_) clock = ResolveClockTime();
    if (clock == ClockAnswer::NotAsked && changed && natal && placeFromAtlas_) RecheckZone('D');
  } else if (f == timeField_) {
    // A time sent back to be changed is asked about again even if it stays.
    if ((changed || timeUnsettled_) && natal && placeFromAtlas_) clock = ResolveClockTime();
    if (clock == ClockAnswer::NotAsked && changed && natal && placeFromAtlas_) RecheckZone('T');
  } else if (f == zoneHoursField_ || f == zoneMinutesField_) {
    GreenwichZoneCheck(f, IntegerFromText(Trim(f->StoredText())) == 0, "0");
  } else if (f == eastWestField_) {
    GreenwichZoneCheck(f, f->StoredText() == "W", "W");
  } else if (f == daylightField_) {
    GreenwichZoneCheck(f, f->StoredText() == "N", "N");
  }
  RefreshHeader();
  RefreshSaveStatus();  // the save status follows every field change
  // "Change the time": whatever was leaving the field (Done, New Natal)
  // stops, and the time field gets the focus back.
  return clock != ClockAnswer::ChangeTime;
}

void BirthDataForm::GreenwichZoneCheck(FormField* field, bool keep, const std::string& reset) {
  if (keep || !KeepsGreenwichZone(entry_.chartType())) return;
  ShowMessage(FormText(9007) + FormText(9008) + FormText(9009), MsgIcon::Information);
  field->SetStoredText(reset);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
  FocusField(field);
}

void BirthDataForm::DateNotes() {
  const std::optional<CalendarDate> date = ParseDateText(dateField_->StoredText());
  if (!date) return;
  bool shown = false;
  if (NeedsOldStyleQuestion(date->year) && !IsNewStyleDate(date->month, date->day, date->year)) {
    // An Old Style leap day has no New Style date of its own: it is
    // converted, or it would be calculated as the day after.
    const CalendarDate newStyle = OldStyleToNewStyle(*date);
    dateField_->SetStoredText(DateFieldText(newStyle));
    RefreshDateWords();
    ShowMessage(OldStyleOnlyText(*date, newStyle), MsgIcon::Information);
    shown = true;
  } else if (NeedsOldStyleQuestion(date->year)) {
    const CalendarDate newStyle = OldStyleToNewStyle(*date);
    const std::string newText = DateFieldText(newStyle);
    // A converted date outside the field's range (before the year -999)
    // cannot be shown: the date stays.
    if (AskYesNo(kOldStyleQuestionText) && ParseDateText(newText)) {
      dateField_->SetStoredText(newText);
      RefreshDateWords();
      ShowMessage(kOldStyleConvertedText, MsgIcon::Information);
    } else {
      ShowMessage(OldStyleKeptText(newStyle), MsgIcon::Information);
    }
    shown = true;
  }
  if (shown) SetOldStyleAsked(entry_);
}

void BirthDataForm::MarkChange() {
  if (!IsDuplicateName(entry_)) return;
  if (Control().Letter(control_offset::warnDuplicateName) != 'Y') return;
  ShowMessage(MessageText(13063) + MessageText(13064) + MessageText(13065), MsgIcon::Warning);
}

BirthDataForm::ClockAnswer BirthDataForm::ResolveClockTime() {
  const BirthDataFields fields = Fields();
  const std::optional<LocalClockCheck> check = places_->CheckClock(fields);
  timeUnsettled_ = false;
  if (!check || check->kind == LocalClockKind::Normal) return ClockAnswer::NotAsked;
  const ClockQuestion question = AskAboutClock(*check, fields);
  focusPermission_ = 'N';
  const int chosen = AskChoice(question.text, question.choices);
  focusPermission_ = 'Y';
  if (chosen >= 0 && chosen < static_cast<int>(question.answers.size())) {
    const BirthDataFields& answer = question.answers[static_cast<size_t>(chosen)];
    timeField_->SetStoredText(answer.time);
    zoneHoursField_->SetStoredText(answer.zoneHours);
    zoneMinutesField_->SetStoredText(answer.zoneMinutes);
    eastWestField_->SetStoredText(answer.zoneEastWest);
    daylightField_->SetStoredText(answer.daylight);
    RefreshHeader();
    return ClockAnswer::Resolved;
  }
  // "Change the time": back to the time field once the handler in progress
  // has finished moving the focus.
  backToTime_ = true;
  timeUnsettled_ = true;
  QTimer::singleShot(0, timeField_, [this] {
    backToTime_ = false;
    if (!active_) return;
    FocusField(timeField_);
    timeField_->SelectFirstCharacter();
  });
  return ClockAnswer::ChangeTime;
}

void BirthDataForm::RecheckZone(char what) {
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  places_->RecheckZone(fields, what);
  focusPermission_ = 'Y';
  zoneHoursField_->SetStoredText(fields.zoneHours);
  zoneMinutesField_->SetStoredText(fields.zoneMinutes);
  eastWestField_->SetStoredText(fields.zoneEastWest);
  daylightField_->SetStoredText(fields.daylight);
  daylightTableField_->SetStoredText(fields.dstTable);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
}

}  // namespace vostrane
