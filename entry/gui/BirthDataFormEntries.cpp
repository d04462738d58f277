// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's work on whole entries: starting a new one, leaving
// one, switching between them, removing them, and "Done".
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "entry/BirthDataFields.h"
#include "entry/EntryMarks.h"
#include "entry/FormTexts.h"
#include "entry/RemovalPlan.h"
#include "entry/SessionEntries.h"
#include "entry/gui/FormField.h"
#include "entry/gui/RemoveChartDialog.h"
#include "entry/gui/BirthDataForm.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/gui/QtMessageService.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "common/FileCopy.h"
#include "common/RunState.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

std::string CityFileName(int k) { return "CTY" + std::to_string(k) + ".FIL"; }

// The word naming the first of name and place that is missing, or "".
std::string MissingWord(const BirthDataFields& fields) {
  if (Trim(fields.name).empty()) return "NAME ";
  if (Trim(fields.place).empty()) return "PLACE ";
  return "";
}

std::string WillBeRemovedText(const std::string& word) {
  return "Note: " + word + " has not been entered yet!" + "\r\n" + "This entry will be removed.";
}

std::string NoChartDataText(const std::string& word) {
  return "Note: " + word + " has not been entered yet. No chart data has been entered." + "\r\n" +
         "The Main Menu will be displayed.";
}

// Asked before an entry that holds typed data is dropped for a missing name
// or place.
std::string DiscardQuestion(const std::string& word, bool onlyEntry) {
  const std::string choice = "\r\n\r\nYes discards it; No goes back to it so that you can complete it.";
  if (onlyEntry)
    return "Note: " + word + " has not been entered yet." + "\r\n" +
           "Discard this chart and return to the Main Menu?" + choice;
  return "Note: " + word + " has not been entered yet!" + "\r\n" +
         "Discard this entry? The other entries are kept." + choice;
}

}  // namespace

bool BirthDataForm::CopyFormIntoEntry(char mode) {
  return vostrane::CopyFormIntoEntry(Fields(), entry_, mode);
}

void BirthDataForm::ShowEntry(int k) {
  entry_ = ReadSessionEntry(k);
  current_ = k;
  SetFields(FieldsFromEntry(entry_));
  RefreshDateWords();
  RefreshZoneWord(13024, 13084);
  RefreshObservanceWord();
  RefreshHeader();
  ShowHint(FormText(8993));
  RefreshSaveStatus();
  if (k - 1 < entryList_->count()) entryList_->setCurrentRow(k - 1);
}

void BirthDataForm::StartNewEntry() {
  ++count_;
  current_ = count_;
  BirthDataFields fresh = NewEntryFields(clock_());
  fresh.houseSystem = Control().defaultHouseSystemLetter();
  fresh.zodiac = ZodiacOrDefault(Control().defaultZodiacLetter());
  const UserAyanamsa user = ReadPreferences(Control()).userAyanamsa;
  fresh.userAyanamsaDegrees = user.degrees;
  fresh.userAyanamsaEpoch = user.epochJd;
  SetFields(fresh);
  daylightWord_->setText(ToQt(FormText(8969)));
  eastWestWord_->setText(ToQt(FormText(8934)));
  RefreshDateWords();
  entry_.InitNewEntry(Control().defaultZodiacLetter(), count_);
  ApplyDefaultPrintouts(entry_, Control().defaultPrintouts());
  linked_ = false;
  placeFromAtlas_ = false;
  rememberedName_.clear();
  rememberedPlace_.clear();
  CopyFormIntoEntry('M');
  SetEntryLine(current_, entry_);
  entryList_->setCurrentRow(current_ - 1);
  RefreshHeader();
  RefreshSaveStatus();
}

// Writes the current entry (already copied from the form) and keeps the
// name file in step with it. An unsaved person is offered for saving only
// at "Done": a question box opening here would catch the keys the user
// types for the next entry.
void BirthDataForm::LeaveEntry() {
  const BirthDataFields fields = Fields();
  WriteSessionEntry(current_, entry_);
  names_->UpdateLinkedRecord(fields, entry_, linked_);
  SetEntryLine(current_, entry_);
}

void BirthDataForm::OfferUnsavedPersons() {
  for (int k = 1; k <= count_; ++k) {
    ChartEntry entry = ReadSessionEntry(k);
    names_->OfferToSave(FieldsFromEntry(entry), entry, k, offers_);
    if (k == current_) entry_ = entry;
  }
}

void BirthDataForm::RemoveLastFromCount(const std::string& message) {
  if (!message.empty()) ShowMessage(message, MsgIcon::Information);
  if (count_ - 1 < entryList_->count()) delete entryList_->takeItem(count_ - 1);
  --count_;
  current_ = count_;
}

bool BirthDataForm::DropIncompleteLastEntry(const std::string& word, bool onlyEntry) {
  const BirthDataFields fields = Fields();
  if (Trim(fields.name).empty() && Trim(fields.place).empty()) {
    // Nothing of this entry was typed: it goes with a note.
    RemoveLastFromCount(onlyEntry ? NoChartDataText(word) : WillBeRemovedText(word));
    return true;
  }
  if (!AskYesNo(DiscardQuestion(word, onlyEntry))) {
    FocusField(word == "NAME " ? nameField_ : placeField_);
    return false;
  }
  RemoveLastFromCount("");
  return true;
}

void BirthDataForm::CopyNewestCityFile() {
  for (int k = count_; k >= 1; --k) {
    if (!FileExists(CityFileName(k))) continue;
    CopyWholeFile(CityFileName(k), CityFileName(count_ + 1), {.quiet = true});
    return;
  }
}

bool BirthDataForm::FinishEntryForNext(QPushButton* button) {
  button->setFocus(Qt::OtherFocusReason);  // leaving the field runs its exit handler
  if (!FinishFieldEdit()) return false;
  if (readingMode_ != 'X') {
    ShowMessage(FormText(8996) + FormText(8997) + FormText(8998), MsgIcon::Information);
    return false;
  }
  const BirthDataFields fields = Fields();
  if (Trim(fields.name).empty() || Trim(fields.place).empty()) {
    const int text = Trim(fields.name).empty() ? 8882 : 8883;
    ShowMessage(FormText(text) + " " + FormText(8995) + ".", MsgIcon::Information);
    FocusField(Trim(fields.name).empty() ? nameField_ : placeField_);
    return false;
  }
  if (!CopyFormIntoEntry('E')) return false;
  LeaveEntry();
  return true;
}

void BirthDataForm::NewNatalClick() {
  if (!active_ || !FinishEntryForNext(newNatalButton_)) return;
  CopyNewestCityFile();
  StartNewEntry();
  FocusField(nameField_);
}

void BirthDataForm::NewDerivedClick() {
  if (!active_ || !derivedDialog_) return;
  // The base is a complete entry on disk, as "New Natal" leaves it.
  if (!FinishEntryForNext(newDerivedButton_)) return;
  const std::optional<ChartEntry> derived = derivedDialog_(this, ReadSessionEntries(count_), current_);
  activateWindow();  // the keys go to the form again
  if (derived) AddEntry(*derived);
  entryList_->setCurrentRow(current_ - 1);
  activeField_ = nullptr;
  FocusField(nameField_);
}

void BirthDataForm::FinishDataEntry(char mode) {
  if (!active_ || mode != 'V') return;
  if (!FinishFieldEdit()) return;
  bool removed = false;
  const std::string word = MissingWord(Fields());
  if (!word.empty()) {
    if (current_ != count_) {
      ShowMessage(word + " " + FormText(8884) + " " + FormText(8885), MsgIcon::Information);
      return;
    }
    if (!DropIncompleteLastEntry(word, count_ == 1)) return;
    removed = true;
  }
  if (count_ > 0) {
    if (!removed) {
      if (!CopyFormIntoEntry('E')) return;
      LeaveEntry();
    }
    OfferUnsavedPersons();
    shell_->phase = RunPhase::CalculateAndShow;
    // The viewer opens at the chart the user added or edited last.
    shell_->entryToShow = std::clamp(current_, 1, count_);
  } else {
    shell_->phase = RunPhase::MainMenu;
  }
  activeField_ = nullptr;  // closing the form is not leaving a field
  accept();
}

void BirthDataForm::EntryListClick(int row) {
  if (!active_ || readingMode_ != 'X' || count_ <= 1) return;
  if (row < 0 || row >= entryList_->count() || entryList_->item(row)->text().isEmpty()) return;
  int k = row + 1;
  if (!FinishFieldEdit()) {
    entryList_->setCurrentRow(current_ - 1);
    return;
  }

  const std::string word = MissingWord(Fields());
  if (current_ == count_ && !word.empty()) {
    if (!DropIncompleteLastEntry(word, false)) {
      entryList_->setCurrentRow(current_ - 1);
      return;
    }
    k = std::min(k, count_);
  } else {
    if (!CopyFormIntoEntry('E')) {
      entryList_->setCurrentRow(current_ - 1);
      return;
    }
    LeaveEntry();
  }
  ShowEntry(k);
  rememberedName_ = Trim(entry_.name());
  rememberedPlace_ = Trim(entry_.place());
  RecomputeLinks();
  activeField_ = nullptr;  // the last field's exit handler has run
  FocusField(nameField_);
}

void BirthDataForm::RecomputeLinks() {
  linked_ = names_->LinkShownEntry(entry_);
  placeFromAtlas_ = places_->IsAtlasPlace(Trim(entry_.place()));
  RefreshSaveStatus();
}

void BirthDataForm::AddEntry(const ChartEntry& entry) {
  if (!active_) return;
  CopyFormIntoEntry('M');
  WriteSessionEntry(current_, entry_);
  ++count_;
  WriteSessionEntry(count_, entry);
  SetEntryLine(count_, entry);
  RefreshHeader();
}

void BirthDataForm::SaveClick() {
  if (!active_) return;
  if (!FinishFieldEdit()) return;
  names_->Save(Fields(), entry_, current_, linked_);
  RefreshSaveStatus();
  if (fieldToFocus_) MoveFocus(fieldToFocus_);
}

void BirthDataForm::DeleteClick() {
  if (!active_) return;
  if (readingMode_ == 'N') {
    ReadName();
    return;
  }
  if (readingMode_ == 'P') {
    ReadPlace();
    return;
  }
  if (!FinishFieldEdit()) return;
  nameField_->SetStoredText(Trim(nameField_->StoredText()));

  RemovalChoice choice;
  const bool natal = entry_.chartType() == 0;
  const bool duplicate = natal && IsDuplicateName(entry_);
  choice.offerName = !duplicate && natal && names_->OffersNameRemoval(entry_, linked_);
  choice.duplicateNote = duplicate;
  const char result = removalDialog_ ? removalDialog_(choice) : RemoveChartDialog::Ask(this, choice);

  if (result == 'B' || result == 'b') {
    names_->RemoveName(entry_, current_, offers_, linked_);
    nameField_->selectAll();
    FocusField(nameField_);
  }
  if (result == 'B' || result == 'E') RemoveEntry(current_);
  if (result != 'C') RecomputeLinks();
  EndNameList();
}

void BirthDataForm::RemoveEntry(int record) {
  if (!active_ || record < 1 || record > count_) return;
  // The session file must hold every entry, the one being edited included.
  CopyFormIntoEntry('M');
  WriteSessionEntry(current_, entry_);
  const std::vector<ChartEntry> entries = ReadSessionEntries(count_);

  const RemovalPlan plan = PlanRemoval(entries, record);
  switch (plan.kind) {
    case RemovalKind::OnlyEntry:
    case RemovalKind::ForecastsRefer: ShowMessage(plan.text, MsgIcon::Information); return;
    case RemovalKind::WithDependents:
    case RemovalKind::FirstKept:
      if (!AskYesNo(plan.text)) return;
      break;
    case RemovalKind::Single: break;
  }
  const std::optional<std::vector<ChartEntry>> remaining = RemoveSessionEntries(entries, plan.removed);
  if (!remaining) return;
  count_ = static_cast<int>(remaining->size());
  RebuildEntryList(*remaining);
  ShowEntry(1);
  rememberedName_ = Trim(entry_.name());
  rememberedPlace_ = Trim(entry_.place());
  RecomputeLinks();
  activeField_ = nullptr;  // the removed entry's field is not left again
  FocusField(nameField_);
}

}  // namespace vostrane
