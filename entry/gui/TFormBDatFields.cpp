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
#include "entry/gui/TFormBDat.h"
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

void TFormBDat::InstallFieldHooks() {
  for (FormField* f : {editName_, maskEdDate_, maskEdTime_, editPlace_, maskEdLat_, maskEdLong_,
                       maskEdTZHrs_, maskEdTZMins_, maskEdTzEW_, maskEdDstObs_}) {
    f->onEnter = [this, f] { FieldEnter(f); };
    f->onExit = [this, f] { FieldExit(f); };
    f->onKeyPress = [this, f](QKeyEvent* e) { return FieldKeyPress(f, e); };
    f->afterKeyPress = [this, f](QKeyEvent* e) { FieldAfterKey(f, e); };
    f->onKeyRelease = [this, f](QKeyEvent* e) { FieldKeyRelease(f, e); };
  }
  for (FormField* f : {editName_, editPlace_})
    f->onRefusedCharacter = [this](const QString& refused) { ShowHint(RefusedCharacterHint(refused)); };
}

BirthDataFields TFormBDat::Fields() const {
  BirthDataFields f;
  f.name = editName_->StoredText();
  f.date = maskEdDate_->StoredText();
  f.time = maskEdTime_->StoredText();
  f.place = editPlace_->StoredText();
  f.latitude = maskEdLat_->StoredText();
  f.longitude = maskEdLong_->StoredText();
  f.zoneHours = maskEdTZHrs_->StoredText();
  f.zoneMinutes = maskEdTZMins_->StoredText();
  f.zoneEastWest = maskEdTzEW_->StoredText();
  f.daylight = maskEdDstObs_->StoredText();
  f.dstTable = edDstTblNum_->StoredText();
  f.houseSystem = HouseSystemOrDefault(ChosenLetter(cbHouses_));
  f.zodiac = ZodiacOrDefault(ChosenLetter(cbZodiac_));
  // Boxes left as shown keep the stored value and epoch to the last bit.
  f.userAyanamsaDegrees = userAyanamsa_->value() == shownAyanamsaBox_ ? shownAyanamsa_
                                                                      : userAyanamsa_->value();
  f.userAyanamsaEpoch = userEpoch_->value() == shownEpochBox_
                            ? shownEpoch_
                            : JulianDayOfEpochYear(userEpoch_->value());
  return f;
}

void TFormBDat::SetFields(const BirthDataFields& f) {
  editName_->SetStoredText(f.name);
  maskEdDate_->SetStoredText(f.date);
  maskEdTime_->SetStoredText(f.time);
  editPlace_->SetStoredText(f.place);
  maskEdLat_->SetStoredText(f.latitude);
  maskEdLong_->SetStoredText(f.longitude);
  maskEdTZHrs_->SetStoredText(f.zoneHours);
  maskEdTZMins_->SetStoredText(f.zoneMinutes);
  maskEdTzEW_->SetStoredText(f.zoneEastWest);
  maskEdDstObs_->SetStoredText(f.daylight);
  edDstTblNum_->SetStoredText(f.dstTable);
  ChooseLetter(cbHouses_, HouseSystemOrDefault(f.houseSystem));
  ShowZodiac(ZodiacOrDefault(f.zodiac));
  ShowUserAyanamsa(f.userAyanamsaDegrees, f.userAyanamsaEpoch);
}

void TFormBDat::ShowUserAyanamsa(double degrees, double epochJd) {
  shownAyanamsa_ = std::isfinite(degrees) ? degrees : 0.0;
  shownEpoch_ = std::isfinite(epochJd) ? epochJd : 0.0;
  userAyanamsa_->setValue(shownAyanamsa_);
  userEpoch_->setValue(EpochYearOfJulianDay(shownEpoch_));
  // What the boxes made of the values (rounded to their decimals).
  shownAyanamsaBox_ = userAyanamsa_->value();
  shownEpochBox_ = userEpoch_->value();
}

void TFormBDat::ShowUserAyanamsaBoxes() {
  const bool user = ChosenLetter(cbZodiac_) == ZodiacLetterOf(AyanamsaKind::UserDefined);
  userAyanamsa_->setVisible(user);
  userEpoch_->setVisible(user);
}

// The list offers every zodiac the calculation knows; a letter it does not
// hold gets an extra item while it is shown.
void TFormBDat::ShowZodiac(char zodiac) {
  if (ChooseLetter(cbZodiac_, zodiac)) return;
  AddLetterChoice(cbZodiac_, zodiac, ToQt(ZodiacDisplayName(zodiac, FormText)));
  ChooseLetter(cbZodiac_, zodiac);
}

// ---- Focus ---------------------------------------------------------------

void TFormBDat::MoveFocus(QWidget* target) {
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

void TFormBDat::FocusField(FormField* field) {
  if (field->hasFocus()) {
    if (activeField_ != field) FieldEnter(field);
  } else {
    MoveFocus(field);
  }
}

bool TFormBDat::FinishFieldEdit() {
  // The time is to be changed: a button pressed meanwhile waits for it.
  if (backToTime_) return false;
  FormField* field = activeField_;
  if (!field) return true;
  if (!FieldExit(field)) return false;
  if (field->hasFocus() && activeField_ == nullptr) FieldEnter(field);
  return true;
}

// ---- The typed fields ------------------------------------------------------

TFormBDat::TypedRoute TFormBDat::RouteOf(FormField* f) const {
  if (f == maskEdDate_) return {&DateLayout(), maskEdTime_, editName_};
  if (f == maskEdTime_) return {&TimeLayout(), editPlace_, maskEdDate_};
  if (f == maskEdLat_) return {&LatitudeLayout(), maskEdLong_, editPlace_};
  if (f == maskEdLong_) return {&LongitudeLayout(), maskEdTZHrs_, maskEdLat_};
  if (f == maskEdTZHrs_) return {&ZoneHoursLayout(), maskEdTZMins_, maskEdLong_};
  if (f == maskEdTZMins_) return {&ZoneMinutesLayout(), maskEdTzEW_, maskEdTZHrs_};
  return {};
}

void TFormBDat::ShowFieldProblem(const std::string& problem) {
  if (problem == fieldProblem_) return;
  fieldProblem_ = problem;
  ShowHint(problem);
}

bool TFormBDat::TypedKeyPress(FormField* f, const TypedRoute& route, QKeyEvent* e) {
  const TypedKey key = TypedFieldKey(*f, *route.layout, e);
  if (key.problem) ShowFieldProblem(*key.problem);
  if (key.move != TypedKeyMove::None && CompleteTypedField(f))
    MoveFocus(key.move == TypedKeyMove::Next ? route.next : route.previous);
  return key.handled;
}

bool TFormBDat::CompleteTypedField(FormField* f) {
  const std::string problem = vostrane::CompleteTypedField(*f, *RouteOf(f).layout);
  ShowFieldProblem(problem);
  return problem.empty();
}

// ---- Entering a field ----------------------------------------------------

void TFormBDat::FieldEnter(FormField* f) {
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
  if (f == maskEdTZHrs_ || f == maskEdTZMins_) f->SetStoredText(ZoneTextOnEnter(f->StoredText()));
  if (f == maskEdTzEW_) f->SetStoredText(LetterOnEnter(f->StoredText(), kEastWestLetters, 'W'));
  if (f == maskEdDstObs_) f->SetStoredText(LetterOnEnter(f->StoredText(), kDaylightFieldLetters, 'N'));
  remembered_ = f->StoredText();

  if (f == editPlace_ && entry_.charttype() != 0) f->selectAll();
  else f->SelectFirstCharacter();

  if (f == editName_) {
    rememberedName_ = remembered_;
    ShowHint(FormText(8993));
  } else if (f == editPlace_) {
    rememberedPlace_ = remembered_;
    placeOnEntry_ = Fields();
    placeFromAtlasOnEntry_ = placeFromAtlas_;
    placeLookupAllowed_ = true;
    ShowHint(FormText(entry_.charttype() == 0 ? 8994 : 9087));
  } else if (f == maskEdDstObs_) {
    ShowHint(FormText(9010));
  }
}

// ---- Keys ----------------------------------------------------------------

bool TFormBDat::FieldKeyPress(FormField* f, QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Menu) {
    ShowMessage(MessageText(13107) + MessageText(13108), MsgIcon::Information);
    return true;
  }
  const bool refusesCtrl = f != editName_ && f != editPlace_ && f != maskEdDate_;
  if (refusesCtrl && (e->modifiers() & Qt::ControlModifier) && !IsModifierKey(key)) {
    ShowMessage(MessageText(13085), MsgIcon::Information);
    return true;
  }
  if (f == editName_) return NameKeyPress(e);
  if (f == editPlace_) {
    placeLookupAllowed_ = true;
    // Enter and Down go on from a filled place, Up goes back to the time.
    if (IsEnterKey(key) || key == Qt::Key_Down) {
      if (!Trim(editPlace_->StoredText()).empty()) MoveFocus(maskEdLat_);
      return true;
    }
    if (key == Qt::Key_Up) {
      MoveFocus(maskEdTime_);
      return true;
    }
    return false;
  }
  const TypedRoute route = RouteOf(f);
  if (route.layout) return TypedKeyPress(f, route, e);

  const bool next = IsEnterKey(key) || key == Qt::Key_Down;
  const bool previous = key == Qt::Key_Up;
  if (f == maskEdTzEW_ && (next || previous)) {
    // On the press, as in the fields before it: the release of the Enter
    // that brought the focus here must not carry it on.
    MoveFocus(previous ? static_cast<QWidget*>(maskEdTZMins_) : maskEdDstObs_);
    return true;
  }
  if (f == maskEdDstObs_ && (next || previous)) {
    if (previous) MoveFocus(maskEdTzEW_);  // Enter and Down are swallowed
    return true;
  }
  if ((f == maskEdTzEW_ || f == maskEdDstObs_) && TypeLetter(f, e)) return true;
  return false;
}

bool TFormBDat::TypeLetter(FormField* f, QKeyEvent* e) {
  const QString text = e->text();
  if (text.isEmpty() || !text[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  // The field holds one letter: a typed letter it takes replaces it, wherever
  // the caret stands; any other character leaves it as it was.
  const char16_t c = text[0].toUpper().unicode();
  const std::string letters = f == maskEdTzEW_ ? kEastWestLetters : kDaylightFieldLetters;
  if (c < 0x80 && letters.find(static_cast<char>(c)) != std::string::npos)
    f->SetStoredText(std::string(1, static_cast<char>(c)));
  f->SelectFirstCharacter();
  return true;
}

void TFormBDat::FieldAfterKey(FormField* f, QKeyEvent*) {
  if (f != maskEdTzEW_ && f != maskEdDstObs_) return;
  const char* letters = f == maskEdTzEW_ ? kEastWestLetters : kDaylightFieldLetters;
  f->SetStoredText(LetterAfterKey(f->StoredText(), letters, remembered_));
  f->SelectFirstCharacter();  // the next letter typed replaces this one
}

void TFormBDat::FieldKeyRelease(FormField* f, QKeyEvent* e) {
  if (!active_) return;
  if (f == editName_) NameKeyRelease(e);
  if (f == editPlace_) PlaceKeyRelease(e);
}

bool TFormBDat::NameKeyPress(QKeyEvent* e) {
  const bool listShown = readingMode_ == 'N';
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: ReadName(); return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (listShown)
        ShowNameList(names_->FillNameList(editName_->StoredText(), e->key() == Qt::Key_Down ? 1 : 13));
      else MoveFocus(maskEdDate_);
      return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      if (listShown)
        ShowNameList(names_->FillNameList(editName_->StoredText(), e->key() == Qt::Key_Up ? -1 : -13));
      return true;
    case Qt::Key_Escape:
      if (readingMode_ == 'N') editName_->SetStoredText(rememberedName_);
      return true;
    case Qt::Key_Insert: editName_->SetOverwrite(!editName_->Overwrite()); return true;
    default: return false;
  }
}

void TFormBDat::NameKeyRelease(QKeyEvent* e) {
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
  if (entry_.charttype() != 0 || Trim(editName_->StoredText()).empty()) return;
  ShowNameList(names_->FillNameList(editName_->StoredText(), 0));
}

void TFormBDat::PlaceKeyRelease(QKeyEvent* e) {
  const QString text = e->text();
  const bool characterKey = (!text.isEmpty() && text[0] > QChar(' ')) || e->key() == Qt::Key_Shift ||
                            e->key() == Qt::Key_CapsLock;
  if (!characterKey || !placeLookupAllowed_ || Trim(editPlace_->StoredText()).empty()) return;
  placeLookupAllowed_ = false;
  OpenPlaceLookup();
}

// ---- Reading a place or a name ---------------------------------------------

void TFormBDat::PlaceButtonClick() {
  if (!active_) return;
  if (activeField_ && activeField_ != editPlace_ && !FinishFieldEdit()) return;
  MoveFocus(editPlace_);
  OpenPlaceLookup();
}

void TFormBDat::OpenPlaceLookup() {
  if (activeField_ != editPlace_) {
    placeOnEntry_ = Fields();
    placeFromAtlasOnEntry_ = placeFromAtlas_;
  }
  const std::optional<PlaceChoice> choice = places_->ChoosePlace(editPlace_->StoredText());
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
  editPlace_->SetStoredText(choice->text);
  if (Trim(choice->text).empty()) return;
  // The field after the place; a place read from the atlas may choose the
  // zone instead.
  MoveFocus(maskEdLat_);
  if (choice->outcome == 'G' || places_->IsAtlasPlace(choice->text)) ReadPlace();
  RefreshCurrentLine();
}

void TFormBDat::RestorePlaceOnEntry() {
  const BirthDataFields& was = placeOnEntry_;
  editPlace_->SetStoredText(was.place);
  maskEdLat_->SetStoredText(was.latitude);
  maskEdLong_->SetStoredText(was.longitude);
  maskEdTZHrs_->SetStoredText(was.zoneHours);
  maskEdTZMins_->SetStoredText(was.zoneMinutes);
  maskEdTzEW_->SetStoredText(was.zoneEastWest);
  maskEdDstObs_->SetStoredText(was.daylight);
  edDstTblNum_->SetStoredText(was.dstTable);
  placeFromAtlas_ = placeFromAtlasOnEntry_;
  editPlace_->SelectFirstCharacter();
  RefreshHeader();
}

void TFormBDat::ReadPlace() {
  readingMode_ = 'P';
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  const FocusAfterRead where = places_->ReadPlace(fields, entry_.charttype());
  focusPermission_ = 'Y';
  SetFields(fields);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
  placeFromAtlas_ = true;
  RefreshHeader();  // the place read shows behind a question about its clock
  if (entry_.charttype() == 0) ResolveClockTime();
  CopyFormIntoEntry('M');
  RefreshSaveStatus();
  RefreshHeader();
  // The zone is typed when the atlas has no daylight table for the place;
  // otherwise the user goes on from the field after the place.
  const bool typeZone = where == FocusAfterRead::ZoneHours && entry_.charttype() == 0;
  fieldToFocus_ = typeZone ? maskEdTZHrs_ : maskEdLat_;
  readingMode_ = 'X';
  MoveFocus(fieldToFocus_);
}

void TFormBDat::ReadName() {
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  const bool read = names_->ReadTopName(fields, entry_);
  focusPermission_ = 'Y';
  EndNameList();
  readingMode_ = 'X';
  if (!read) {
    MoveFocus(maskEdDate_);
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
  fieldToFocus_ = editPlace_;
  MoveFocus(editPlace_);
}

// ---- Leaving a field -------------------------------------------------------

bool TFormBDat::FieldExit(FormField* f) {
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
  if (f == editName_) {
    const std::string name = Trim(f->StoredText());
    f->SetStoredText(name.empty() ? remembered_ : name);
  } else if (f == maskEdDate_) {
    RefreshDateWords();
  } else if (f == maskEdTzEW_) {
    RefreshZoneWord(8934, 8975);
  } else if (f == maskEdDstObs_) {
    RefreshObservanceWord();
  }

  // ... then whether it changed, and what follows from that.
  const bool changed = f->StoredText() != remembered_;
  if (changed) MarkChange();
  ClockAnswer clock = ClockAnswer::NotAsked;
  const bool natal = entry_.charttype() == 0;

  if (f == editPlace_) ShowHint(std::string());  // the place's hint ends with it
  if (f == editName_) {
    if (QApplication::focusWidget() != listBox1_) EndNameList();
    ShowHint(std::string());
    RefreshSaveStatus();
    RefreshCurrentLine();  // the list shows the name as typed
  } else if (f == maskEdDate_) {
    if (natal) {
      if (!OldStyleAsked(entry_) || changed) DateNotes();
    } else {
      CopyFormIntoEntry('M');
      RefreshCurrentLine();
    }
    if (changed && natal && placeFromAtlas_) clock = ResolveClockTime();
    if (clock == ClockAnswer::NotAsked && changed && natal && placeFromAtlas_) RecheckZone('D');
  } else if (f == maskEdTime_) {
    // A time sent back to be changed is asked about again even if it stays.
    if ((changed || timeUnsettled_) && natal && placeFromAtlas_) clock = ResolveClockTime();
    if (clock == ClockAnswer::NotAsked && changed && natal && placeFromAtlas_) RecheckZone('T');
  } else if (f == maskEdTZHrs_ || f == maskEdTZMins_) {
    GreenwichZoneCheck(f, IntegerFromText(Trim(f->StoredText())) == 0, "0");
  } else if (f == maskEdTzEW_) {
    GreenwichZoneCheck(f, f->StoredText() == "W", "W");
  } else if (f == maskEdDstObs_) {
    GreenwichZoneCheck(f, f->StoredText() == "N", "N");
  }
  RefreshHeader();
  RefreshSaveStatus();  // the save status follows every field change
  // "Change the time": whatever was leaving the field (Done, New Natal)
  // stops, and the time field gets the focus back.
  return clock != ClockAnswer::ChangeTime;
}

void TFormBDat::GreenwichZoneCheck(FormField* field, bool keep, const std::string& reset) {
  if (keep || !KeepsGreenwichZone(entry_.charttype())) return;
  ShowMessage(FormText(9007) + FormText(9008) + FormText(9009), MsgIcon::Information);
  field->SetStoredText(reset);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
  FocusField(field);
}

void TFormBDat::DateNotes() {
  const std::optional<CalendarDate> date = ParseDateText(maskEdDate_->StoredText());
  if (!date) return;
  bool shown = false;
  if (NeedsOldStyleQuestion(date->year) && !IsNewStyleDate(date->month, date->day, date->year)) {
    // An Old Style leap day has no New Style date of its own: it is
    // converted, or it would be calculated as the day after.
    const CalendarDate newStyle = OldStyleToNewStyle(*date);
    maskEdDate_->SetStoredText(DateFieldText(newStyle));
    RefreshDateWords();
    ShowMessage(OldStyleOnlyText(*date, newStyle), MsgIcon::Information);
    shown = true;
  } else if (NeedsOldStyleQuestion(date->year)) {
    const CalendarDate newStyle = OldStyleToNewStyle(*date);
    const std::string newText = DateFieldText(newStyle);
    // A converted date outside the field's range (before the year -999)
    // cannot be shown: the date stays.
    if (AskYesNo(kOldStyleQuestionText) && ParseDateText(newText)) {
      maskEdDate_->SetStoredText(newText);
      RefreshDateWords();
      ShowMessage(kOldStyleConvertedText, MsgIcon::Information);
    } else {
      ShowMessage(OldStyleKeptText(newStyle), MsgIcon::Information);
    }
    shown = true;
  }
  if (shown) SetOldStyleAsked(entry_);
}

void TFormBDat::MarkChange() {
  if (!IsDuplicateName(entry_)) return;
  if (Control().Letter(control_offset::warnDuplicateName) != 'Y') return;
  ShowMessage(MessageText(13063) + MessageText(13064) + MessageText(13065), MsgIcon::Warning);
}

TFormBDat::ClockAnswer TFormBDat::ResolveClockTime() {
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
    maskEdTime_->SetStoredText(answer.time);
    maskEdTZHrs_->SetStoredText(answer.zoneHours);
    maskEdTZMins_->SetStoredText(answer.zoneMinutes);
    maskEdTzEW_->SetStoredText(answer.zoneEastWest);
    maskEdDstObs_->SetStoredText(answer.daylight);
    RefreshHeader();
    return ClockAnswer::Resolved;
  }
  // "Change the time": back to the time field once the handler in progress
  // has finished moving the focus.
  backToTime_ = true;
  timeUnsettled_ = true;
  QTimer::singleShot(0, maskEdTime_, [this] {
    backToTime_ = false;
    if (!active_) return;
    FocusField(maskEdTime_);
    maskEdTime_->SelectFirstCharacter();
  });
  return ClockAnswer::ChangeTime;
}

void TFormBDat::RecheckZone(char what) {
  BirthDataFields fields = Fields();
  focusPermission_ = 'N';
  places_->RecheckZone(fields, what);
  focusPermission_ = 'Y';
  maskEdTZHrs_->SetStoredText(fields.zoneHours);
  maskEdTZMins_->SetStoredText(fields.zoneMinutes);
  maskEdTzEW_->SetStoredText(fields.zoneEastWest);
  maskEdDstObs_->SetStoredText(fields.daylight);
  edDstTblNum_->SetStoredText(fields.dstTable);
  RefreshZoneWord(8934, 8975);
  RefreshObservanceWord();
}

}  // namespace vostrane
