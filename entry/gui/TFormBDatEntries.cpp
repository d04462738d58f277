// The birth data form's work on whole entries: starting a new one, leaving
// one, switching between them, removing them, and "Done".
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "entry/BirthDataFields.h"
#include "entry/EntryMarks.h"
#include "entry/FormTexts.h"
#include "entry/RemovalPlan.h"
#include "entry/SessionEntries.h"
#include "entry/gui/FormField.h"
#include "entry/gui/TBdatSvNmForm.h"
#include "entry/gui/TFormBDat.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/gui/QtMessageService.h"
#include "shell/ControlRecord.h"
#include "shell/FileCopy.h"
#include "shell/RunState.h"
#include "shell/TextRoutines.h"

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

}  // namespace

bool TFormBDat::CopyFormIntoEntry(char mode) {
  return vostrane::CopyFormIntoEntry(Fields(), entry_, mode);
}

void TFormBDat::ShowEntry(int k) {
  entry_ = ReadSessionEntry(k);
  current_ = k;
  SetFields(FieldsFromEntry(entry_));
  RefreshDateWords();
  RefreshZoneWord(13024, 13084);
  RefreshObservanceWord();
  RefreshHeader();
  ShowHint(FormText(8993));
  RefreshSaveStatus();
  if (k - 1 < listBox2_->count()) listBox2_->setCurrentRow(k - 1);
}

void TFormBDat::StartNewEntry() {
  ++count_;
  current_ = count_;
  SetFields(NewEntryFields(clock_()));
  label23_->setText(ToQt(FormText(8969)));
  label21_->setText(ToQt(FormText(8934)));
  RefreshDateWords();
  entry_.InitNewEntry(Control().defaultZodsel(), count_);
  ApplyDefaultPrintouts(entry_, Control().defaultPrintouts());
  linked_ = false;
  placeFromAtlas_ = false;
  rememberedName_.clear();
  rememberedPlace_.clear();
  CopyFormIntoEntry('M');
  SetEntryLine(current_, entry_);
  listBox2_->setCurrentRow(current_ - 1);
  RefreshHeader();
  RefreshSaveStatus();
}

// Writes the current entry (already copied from the form) and keeps the
// name file in step with it.
void TFormBDat::LeaveEntry() {
  const BirthDataFields fields = Fields();
  WriteSessionEntry(current_, entry_);
  names_->UpdateLinkedRecord(fields, entry_, linked_);
  names_->OfferToSave(fields, entry_, current_, offers_);
  SetEntryLine(current_, entry_);
}

void TFormBDat::RemoveLastFromCount(const std::string& message) {
  ShowMessage(message, MsgIcon::Information);
  if (count_ - 1 < listBox2_->count()) delete listBox2_->takeItem(count_ - 1);
  --count_;
  current_ = count_;
}

void TFormBDat::CopyNewestCityFile() {
  for (int k = count_; k >= 1; --k) {
    if (!FileExists(CityFileName(k))) continue;
    CopyFileRoutine(CityFileName(k), CityFileName(count_ + 1), 'N', 'Y', 'N');
    return;
  }
}

void TFormBDat::NewNatalClick() {
  if (!active_) return;
  bitBtn1_->setFocus(Qt::OtherFocusReason);  // leaving the field runs its exit handler
  FinishFieldEdit();
  if (readingMode_ != 'X') {
    ShowMessage(FormText(8996) + FormText(8997) + FormText(8998), MsgIcon::Information);
    return;
  }
  const BirthDataFields fields = Fields();
  if (Trim(fields.name).empty() || Trim(fields.place).empty()) {
    const int text = Trim(fields.name).empty() ? 8882 : 8883;
    ShowMessage(FormText(text) + " " + FormText(8995) + ".", MsgIcon::Information);
    FocusField(Trim(fields.name).empty() ? editName_ : editPlace_);
    return;
  }
  if (!CopyFormIntoEntry('E')) return;
  LeaveEntry();
  CopyNewestCityFile();
  StartNewEntry();
  FocusField(editName_);
}

void TFormBDat::EXITPRINT(char mode) {
  if (!active_ || mode != 'V') return;
  FinishFieldEdit();
  bool removed = false;
  const std::string word = MissingWord(Fields());
  if (!word.empty()) {
    if (current_ != count_) {
      ShowMessage(word + " " + FormText(8884) + " " + FormText(8885), MsgIcon::Information);
      return;
    }
    if (count_ > 1) {
      RemoveLastFromCount(WillBeRemovedText(word));
    } else {
      RemoveLastFromCount("Note: " + word + " has not been entered yet. No chart data has been entered." +
                          "\r\n" + "The Main Menu will be displayed.");
    }
    removed = true;
  }
  if (count_ > 0) {
    if (!removed) {
      if (!CopyFormIntoEntry('E')) return;
      LeaveEntry();
    }
    RunState = 'S';
  } else {
    RunState = 'Q';
  }
  activeField_ = nullptr;  // closing the form is not leaving a field
  accept();
}

void TFormBDat::ListBox2Click(int row) {
  if (!active_ || readingMode_ != 'X' || count_ <= 1) return;
  if (row < 0 || row >= listBox2_->count() || listBox2_->item(row)->text().isEmpty()) return;
  int k = row + 1;
  FinishFieldEdit();

  const std::string word = MissingWord(Fields());
  if (current_ == count_ && !word.empty()) {
    RemoveLastFromCount(WillBeRemovedText(word));
    k = std::min(k, count_);
  } else {
    if (!CopyFormIntoEntry('E')) {
      listBox2_->setCurrentRow(current_ - 1);
      return;
    }
    LeaveEntry();
  }
  ShowEntry(k);
  rememberedName_ = Trim(entry_.name());
  rememberedPlace_ = Trim(entry_.place());
  RecomputeLinks();
  activeField_ = nullptr;  // the last field's exit handler has run
  FocusField(editName_);
}

void TFormBDat::RecomputeLinks() {
  linked_ = names_->LinkShownEntry(entry_);
  placeFromAtlas_ = places_->IsAtlasPlace(Trim(entry_.place()));
  RefreshSaveStatus();
}

void TFormBDat::AddEntry(const ChartEntry& entry) {
  if (!active_) return;
  CopyFormIntoEntry('M');
  WriteSessionEntry(current_, entry_);
  ++count_;
  WriteSessionEntry(count_, entry);
  SetEntryLine(count_, entry);
  RefreshHeader();
}

void TFormBDat::SaveClick() {
  if (!active_) return;
  FinishFieldEdit();
  names_->Save(Fields(), entry_, current_, linked_);
  RefreshSaveStatus();
  if (fieldToFocus_) MoveFocus(fieldToFocus_);
}

void TFormBDat::DeleteClick() {
  if (!active_) return;
  if (readingMode_ == 'N') {
    ReadName();
    return;
  }
  if (readingMode_ == 'P') {
    ReadPlace();
    return;
  }
  FinishFieldEdit();
  editName_->SetStoredText(Trim(editName_->StoredText()));

  RemovalChoice choice;
  const bool natal = entry_.charttype() == 0;
  const bool duplicate = natal && DuplicateNameLetter(entry_) == 'Y';
  choice.offerName = !duplicate && natal && names_->OffersNameRemoval(entry_, linked_);
  choice.duplicateNote = duplicate;
  const char result = removalDialog_ ? removalDialog_(choice) : TBdatSvNmForm::Ask(this, choice);

  if (result == 'B' || result == 'b') {
    names_->RemoveName(entry_, current_, offers_, linked_);
    editName_->selectAll();
    FocusField(editName_);
  }
  if (result == 'B' || result == 'E') RemoveEntry(current_);
  if (result != 'C') RecomputeLinks();
  EndNameList();
}

void TFormBDat::RemoveEntry(int record) {
  if (!active_ || record < 1 || record > count_) return;
  // The session file must hold every entry, the one being edited included.
  CopyFormIntoEntry('M');
  WriteSessionEntry(current_, entry_);
  const std::vector<ChartEntry> entries = ReadSessionEntries(count_);

  const RemovalPlan plan = PlanRemoval(entries, record);
  switch (plan.kind) {
    case RemovalKind::OnlyEntry:
    case RemovalKind::ForecastsRefer:
      ShowMessage(plan.text, MsgIcon::Information);
      return;
    case RemovalKind::WithDependents:
    case RemovalKind::FirstKept:
      if (!AskYesNo(plan.text)) return;
      break;
    case RemovalKind::Single:
      break;
  }
  const std::optional<std::vector<ChartEntry>> remaining =
      RemoveSessionEntries(entries, plan.removed);
  if (!remaining) return;
  count_ = static_cast<int>(remaining->size());
  RebuildEntryList(*remaining);
  ShowEntry(1);
  rememberedName_ = Trim(entry_.name());
  rememberedPlace_ = Trim(entry_.place());
  RecomputeLinks();
  activeField_ = nullptr;  // the removed entry's field is not left again
  FocusField(editName_);
}

}  // namespace vostrane
