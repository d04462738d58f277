// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's name file on the real table: the name list, reading
// a person into the form, the automatic update of a linked person, the offer
// to save, "&Save", the removal of a person, and the save status. Every
// change of the table is made under its lock with up to 1000 attempts; a busy
// table shows its message and leaves the form and the entry as they were.
//
// What the seam's calls do not carry (the entry number, the entry count, the
// name field itself and the read question) comes from a NameFormContext,
// which names/gui binds to the form.
#pragma once

#include <string>

#include "entry/NameFileAccess.h"
#include "names/NameList.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

class NameFormContext {
 public:
  virtual ~NameFormContext() = default;
  // The entry being edited (from 1) and the entries of the session.
  virtual int CurrentEntry() const = 0;
  virtual int EntryCount() const = 0;
  // The name field's text, and putting text into it with the caret at
  // its start.
  virtual std::string NameText() const = 0;
  virtual void SetNameText(const std::string& text) = 0;
  // The question before a typed name that is not exactly a saved one is
  // read: `read` for "&Read Name from File", or with the name of a person
  // the user chose from the whole name file instead (read in place of the
  // name at the top of the list).
  struct ReadAnswer {
    bool read = false;
    std::string chosenName;
  };
  virtual ReadAnswer AskReadName() = 0;
};

// Texts the name file shows that are not numbered texts.
inline constexpr const char* kBeginEnteringText =
    "Please begin entering a name before clicking on the \"Get 1st\" button.";
inline constexpr const char* kReplaceQuestionText =
    "The birth data will be replaced with the new birth data.\r\nProceed to read in new birth data?";
inline constexpr const char* kNotSavedCaption = "Name Not Saved on Disk";
// The question before a linked entry renamed to another saved person's name
// replaces that person's birth data.
std::string RenameOntoOtherText(const std::string& name);

inline constexpr const char* kNoNameTableText =
    "The name file names.dbf is not open, so names cannot be saved.";

class NameTableAccess : public NameFileAccess {
 public:
  NameTableAccess(DbfTable& table, NameFormContext& context);

  void BeginSession() override;
  bool IsSavedName(const std::string& name) override;
  bool LinkShownEntry(const ChartEntry& entry) override;
  NameListView FillNameList(const std::string& typed, int scrollSteps) override;
  bool ReadTopName(BirthDataFields& fields, ChartEntry& entry) override;
  void UpdateLinkedRecord(const BirthDataFields& fields, ChartEntry& entry, bool linked) override;
  void OfferToSave(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                   SaveOfferState& offers) override;
  std::string SaveStatus(const ChartEntry& entry, bool linked, bool formValid) override;
  void Save(const BirthDataFields& fields, ChartEntry& entry, int entryNumber, bool& linked) override;
  bool OffersNameRemoval(const ChartEntry& entry, bool linked) override;
  // Removes the person named in the name field (the entry itself may still
  // hold an older name).
  void RemoveName(ChartEntry& entry, int entryNumber, SaveOfferState& offers, bool& linked) override;

 private:
  bool Usable() const { return table_.IsOpen(); }
  enum class ReadOutcome { Read, Refused, Declined };
  bool ReadTopNameOf(BirthDataFields& fields, ChartEntry& entry);
  // Reads the record of the name at the top of the list; false when the
  // read was refused (the name field then gets `typedBefore` back, or the
  // entry's own name when the user declined to replace its data).
  bool ReadTop(const NameListFill& list, BirthDataFields& fields, ChartEntry& entry,
               const std::string& typedBefore);
  // Reads the person `name` into the fields and links the entry.
  ReadOutcome ReadRecord(const std::string& name, BirthDataFields& fields, ChartEntry& entry);
  // Whether the entry holds the link to its person: not a duplicate, and a
  // record number or its own name on file.
  bool HoldsLink(const ChartEntry& entry);
  // The record writes with their checks and messages; true when written.
  bool UpdateRecord(const BirthDataFields& fields, ChartEntry& entry, int entryNumber);
  bool AppendRecord(const BirthDataFields& fields, ChartEntry& entry, int entryNumber, bool& linked);
  // Append and, on success, the de-duplication of the links.
  void AppendAndDeduplicate(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                            bool& linked);

  DbfTable& table_;
  NameFormContext& context_;
  NameListFill lastList_;  // the list as last shown
  // The saved person the current entry holds the link to, by name: set when
  // the entry is shown, read, saved or updated; a rename is told from it.
  std::string linkedName_;
  int linkedEntry_ = 0;  // the entry that link belongs to
  void RememberLink(int entryNumber, const std::string& name);
  std::string lastTyped_;  // the name field's text the list was made for
};

}  // namespace vostrane
