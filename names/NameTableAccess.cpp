// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/NameTableAccess.h"

#include <algorithm>

#include "entry/EntryMarks.h"
#include "entry/FormTexts.h"
#include "entry/SessionEntries.h"
#include "names/EntryLinks.h"
#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"

namespace vostrane {
namespace {

constexpr int kNotFoundText = 13092;

// Runs a step on the table; a table store error is shown (as the default
// handler would) and the step's fallback result returned.
template <typename Step, typename Result>
Result Guarded(Step step, Result fallback) {
  try {
    return step();
  } catch (const TableError& e) {
    ShowMessage(e.what(), MsgIcon::Error);
    return fallback;
  }
}

template <typename Step>
void Guarded(Step step) {
  Guarded(
      [&] {
        step();
        return true;
      },
      false);
}

std::string UpdatedText(const std::string& name) {
  return FormText(9022) + " " + name + FormText(9023) + "\r\n\r\n" +
         "Note that it is not necessary to click the Save" + "\r\n" +
         "button because data is automatically updated on" + "\r\n" + "the disk for you.";
}

}  // namespace

std::string RenameOntoOtherText(const std::string& name) {
  return "\"" + name + "\" is already saved in the name file as another person." + "\r\n" +
         "Replace the birth data of that person with the data of this entry?" + "\r\n\r\n" +
         "(No keeps the saved person as it is; this entry is then not saved.)";
}

namespace {

bool InOfferRange(const SaveOfferState& offers, int entryNumber) {
  return entryNumber >= 1 && static_cast<size_t>(entryNumber) < offers.doNotAsk.size();
}

}  // namespace

NameTableAccess::NameTableAccess(DbfTable& table, NameFormContext& context)
    : table_(table), context_(context) {}

void NameTableAccess::BeginSession() {
  lastList_ = {};
  RememberLink(0, "");
  lastTyped_.clear();
  if (!Usable()) return;
  Guarded([&] {
    table_.SetFilter("");
    table_.SetIndexOrder(kNameOrder);
  });
}

bool NameTableAccess::IsSavedName(const std::string& name) {
  if (!Usable()) return false;
  return Guarded([&] { return NameIsOnFile(table_, name); }, false);
}

void NameTableAccess::RememberLink(int entryNumber, const std::string& name) {
  linkedEntry_ = entryNumber;
  linkedName_ = name;
}

bool NameTableAccess::LinkShownEntry(const ChartEntry& entry) {
  RememberLink(0, "");
  if (IsDuplicateName(entry) || !IsSavedName(Trim(entry.name()))) return false;
  RememberLink(context_.CurrentEntry(), Trim(entry.name()));
  return true;
}

NameListView NameTableAccess::FillNameList(const std::string& typed, int scrollSteps) {
  if (!Usable()) return {};
  const NameListFill fill = Guarded(
      [&] { return vostrane::FillNameList(table_, typed, scrollSteps, MessageText(kNotFoundText)); },
      NameListFill{});
  if (fill.nameText) context_.SetNameText(*fill.nameText);
  lastList_ = fill;
  lastTyped_ = fill.nameText.value_or(typed);
  return {fill.shown, fill.rows};
}

// ---- Reading a person ------------------------------------------------------

bool NameTableAccess::ReadTopName(BirthDataFields& fields, ChartEntry& entry) {
  if (!Usable()) return false;
  const bool read = Guarded([&] { return ReadTopNameOf(fields, entry); }, false);
  lastList_ = {};  // the list ends with every read
  return read;
}

bool NameTableAccess::ReadTopNameOf(BirthDataFields& fields, ChartEntry& entry) {
  // A click on a row of the list has put that row's name into the field;
  // the text typed before is what a refused read gives back.
  const bool listShown = lastList_.shown && !Trim(fields.name).empty() && fields.name != lastTyped_;
  const bool clickedRow = listShown && (lastList_.notFound ||
                                        std::any_of(lastList_.rows.begin(), lastList_.rows.end(),
                                                    [&](const std::string& row) {
                                                      return NameOfRow(row) == Trim(fields.name);
                                                    }));
  const std::string typedBefore = clickedRow ? lastTyped_ : fields.name;
  if (clickedRow && lastList_.notFound) {
    context_.SetNameText(typedBefore);
    return false;
  }

  // Enter: nothing is read for an empty field or a name no saved name
  // begins with; a name that is not exactly a saved one is read only when
  // the user says so.
  const std::string typed = Trim(fields.name);
  if (typed.empty()) return false;
  const NameListFill list = vostrane::FillNameList(table_, typed, 0, MessageText(kNotFoundText));
  if (list.notFound) return false;
  if (NameIsOnFile(table_, typed)) return ReadTop(list, fields, entry, typedBefore);
  const NameFormContext::ReadAnswer answer = context_.AskReadName();
  if (!answer.read) return false;
  if (answer.chosenName.empty()) return ReadTop(list, fields, entry, typedBefore);
  // A saved name is the first of the names that begin with it.
  const NameListFill chosen = vostrane::FillNameList(table_, answer.chosenName, 0,
                                                     MessageText(kNotFoundText));
  return ReadTop(chosen, fields, entry, typedBefore);
}

bool NameTableAccess::ReadTop(const NameListFill& list, BirthDataFields& fields, ChartEntry& entry,
                              const std::string& typedBefore) {
  if (list.rows.empty() || list.notFound || Trim(list.rows[0]).empty()) {
    ShowMessage(kBeginEnteringText, MsgIcon::Information);
    return false;
  }
  const std::string name = NameOfRow(list.rows[0]);
  fields.name = name;
  context_.SetNameText(name);
  switch (ReadRecord(name, fields, entry)) {
    case ReadOutcome::Read: return true;
    case ReadOutcome::Declined: context_.SetNameText(Trim(entry.name())); return false;
    case ReadOutcome::Refused: context_.SetNameText(typedBefore); return false;
  }
  return false;
}

NameTableAccess::ReadOutcome NameTableAccess::ReadRecord(const std::string& name,
                                                         BirthDataFields& fields, ChartEntry& entry) {
  if (entry.chartType() != 0) {
    ShowMessage(FormText(8978) + FormText(8979), MsgIcon::Information);
    return ReadOutcome::Refused;
  }
  const int k = context_.CurrentEntry();

  // Complete data of the entry is kept under the entry's own name (and its
  // person updated) before the user is asked whether to replace it.
  BirthDataFields own = fields;
  own.name = Trim(entry.name());
  ChartEntry scratch = entry;
  if (!Trim(fields.name).empty() && CopyFieldsIntoEntry(own, scratch) == kFormValid) {
    const bool holdsLink = HoldsLink(entry);
    vostrane::CopyFormIntoEntry(own, entry, 'E');
    WriteSessionEntry(k, entry);
    UpdateLinkedRecord(own, entry, holdsLink);
    if (!AskYesNo(kReplaceQuestionText)) return ReadOutcome::Declined;
  }

  table_.SetFilter("");
  table_.SetIndexOrder(kNameOrder);
  if (!table_.FindNear(NameKey(name))) return ReadOutcome::Refused;
  const uint32_t record = table_.RecordNumber();
  fields = ReadBirthData(table_);
  RememberLink(k, Trim(fields.name));

  entry.setBirthDataSource("XX");
  entry.setBirthDataAccuracy("XX");
  vostrane::CopyFormIntoEntry(fields, entry, 'E');
  entry.setNameRecord(static_cast<int32_t>(record));
  SetDuplicateName(entry, false);
  entry.setHarmonic(1);
  SetOldStyleAsked(entry);
  DeduplicateLinks(k, context_.EntryCount(), entry);
  WriteSessionEntry(k, entry);
  return ReadOutcome::Read;
}

bool NameTableAccess::HoldsLink(const ChartEntry& entry) {
  if (IsDuplicateName(entry)) return false;
  return entry.nameRecord() > 0 || NameIsOnFile(table_, entry.name());
}

// ---- Writing a person ------------------------------------------------------

bool NameTableAccess::UpdateRecord(const BirthDataFields& fields, ChartEntry& entry, int entryNumber) {
  const int code = CheckPersonFields(fields);
  if (code != kFormValid) {
    ShowMessage(PersonCheckText(code), MsgIcon::Warning);
    return false;
  }
  const std::string name = Trim(fields.name);
  // Only the entry that made the link can have renamed its person.
  const std::string linkedName = linkedEntry_ == entryNumber ? linkedName_ : name;
  PersonWriteResult result = UpdatePerson(table_, fields, linkedName);
  if (result.outcome == PersonWrite::OtherPerson) {
    // Asked outside the lock, so that other programs are not kept waiting.
    if (AskYesNo(RenameOntoOtherText(name), MsgIcon::Warning)) {
      result = UpdatePerson(table_, fields, linkedName, true);
    } else {
      // The entry keeps its data but no longer stands for a saved person:
      // the saved person of that name holds the name's link.
      entry.setNameRecord(0);
      SetDuplicateName(entry, true);
      RememberLink(0, "");
      WriteSessionEntry(entryNumber, entry);
      return false;
    }
  }
  if (result.outcome == PersonWrite::Busy) {
    ShowMessage(MessageText(13060) + " " + MessageText(13055), MsgIcon::Warning);
    return false;
  }
  if (result.outcome != PersonWrite::Written) return false;
  RememberLink(entryNumber, name);
  entry.setNameRecord(static_cast<int32_t>(result.record));
  WriteSessionEntry(entryNumber, entry);
  return true;
}

bool NameTableAccess::AppendRecord(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                                   bool& linked) {
  const int code = CheckPersonFields(fields);
  if (code != kFormValid) {
    ShowMessage(PersonCheckText(code), MsgIcon::Warning);
    return false;
  }
  const std::string name = Trim(fields.name);
  const PersonWriteResult result = AppendPerson(table_, fields);
  if (result.outcome == PersonWrite::OnFile) {
    ShowMessage(name + MessageText(13057), MsgIcon::Information);
    return false;
  }
  if (result.outcome == PersonWrite::Busy) {
    ShowMessage(MessageText(13058) + " " + name + MessageText(13059) + MessageText(13055),
                MsgIcon::Warning);
    return false;
  }
  linked = true;
  RememberLink(entryNumber, name);
  entry.setNameRecord(static_cast<int32_t>(result.record));
  vostrane::CopyFormIntoEntry(fields, entry, 'E');
  WriteSessionEntry(entryNumber, entry);
  if (Control().saveOption() != 'G') ShowMessage(name + FormText(8951), MsgIcon::Information);
  return true;
}

void NameTableAccess::AppendAndDeduplicate(const BirthDataFields& fields, ChartEntry& entry,
                                           int entryNumber, bool& linked) {
  if (!AppendRecord(fields, entry, entryNumber, linked)) return;
  if (DeduplicateLinks(entryNumber, context_.EntryCount(), entry)) {
    linked = false;
    WriteSessionEntry(entryNumber, entry);
  }
}

void NameTableAccess::UpdateLinkedRecord(const BirthDataFields& fields, ChartEntry& entry, bool linked) {
  if (!Usable() || !linked || entry.chartType() != 0 || IsDuplicateName(entry)) return;
  Guarded([&] { UpdateRecord(fields, entry, context_.CurrentEntry()); });
}

void NameTableAccess::OfferToSave(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                                  SaveOfferState& offers) {
  if (!Usable() || entry.chartType() != 0 || IsDuplicateName(entry)) return;
  if (!InOfferRange(offers, entryNumber) || offers.doNotAsk[static_cast<size_t>(entryNumber)] != 0)
    return;
  const std::string name = Trim(fields.name);
  if (name.empty() || offers.askedNames.count(NameKey(name)) > 0) return;
  Guarded([&] {
    if (entry.nameRecord() > 0 || NameIsOnFile(table_, name)) return;  // linked
    bool linked = false;
    const char option = Control().saveOption();
    if (option == 'Y') {
      const std::string question = "\"" + name + "\"" + FormText(8952) + "\r\n" + "Save on disk?";
      if (AskYesNo(question, MsgIcon::Confirmation, kNotSavedCaption))
        AppendAndDeduplicate(fields, entry, entryNumber, linked);
    } else if (option == 'G' || option == 'S') {
      AppendAndDeduplicate(fields, entry, entryNumber, linked);
    }
    offers.askedNames.insert(NameKey(name));
  });
}

std::string NameTableAccess::SaveStatus(const ChartEntry& entry, bool linked, bool formValid) {
  const bool natal = entry.chartType() == 0;
  if (natal && IsDuplicateName(entry) && entry.nameRecord() == 0) return FormText(9044);
  if (!natal || linked || !formValid || !Usable()) return "";
  return FormText(8935);
}

void NameTableAccess::Save(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                           bool& linked) {
  if (!Usable()) {
    ShowMessage(kNoNameTableText, MsgIcon::Information);
    return;
  }
  if (entry.chartType() != 0) {
    ShowMessage(FormText(9018) + FormText(9019), MsgIcon::Information);
    return;
  }
  if (IsDuplicateName(entry)) {
    ShowMessage(FormText(9060) + FormText(9061), MsgIcon::Information);
    return;
  }
  const std::string name = Trim(fields.name);
  if (name.empty()) {
    ShowMessage(FormText(9020), MsgIcon::Information);
    return;
  }
  Guarded([&] {
    if (linked || NameIsOnFile(table_, name)) {
      if (!UpdateRecord(fields, entry, entryNumber)) return;
      linked = true;
      ShowMessage(UpdatedText(name), MsgIcon::Information);
      return;
    }
    AppendAndDeduplicate(fields, entry, entryNumber, linked);
  });
}

// ---- Removing a person -----------------------------------------------------

bool NameTableAccess::OffersNameRemoval(const ChartEntry&, bool linked) { return Usable() && linked; }

void NameTableAccess::RemoveName(ChartEntry& entry, int entryNumber, SaveOfferState& offers,
                                 bool& linked) {
  if (!Usable()) return;
  const std::string name = Trim(context_.NameText());
  // The dialog that offered the removal may change the save option.
  WriteControlRecord();
  Guarded([&] {
    const PersonWriteResult result = RemovePerson(table_, name);
    if (result.outcome == PersonWrite::Busy) {
      ShowMessage(MessageText(13054) + "   " + MessageText(13055), MsgIcon::Warning);
      return;
    }
    if (result.outcome == PersonWrite::Written) ShowMessage(name + FormText(9028), MsgIcon::Information);
    linked = false;
    RememberLink(0, "");
    entry.setNameRecord(0);
    if (InOfferRange(offers, entryNumber)) offers.doNotAsk[static_cast<size_t>(entryNumber)] = 1;
    WriteSessionEntry(entryNumber, entry);
    ReleaseDuplicateMarks(entryNumber, context_.EntryCount(), name);
  });
}

}  // namespace vostrane
