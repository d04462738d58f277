// SPDX-License-Identifier: GPL-3.0-or-later
// What the birth data form asks of the name file: the name list under the
// name field, reading a person into the form, the link between an entry and
// its person, saving, and removing a person. NoNameFile serves a program
// without a name file: there is no list, nothing is linked, and "Save"
// says that names cannot be saved.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "entry/BirthDataFields.h"
#include "session/ChartEntry.h"

namespace vostrane {

// The rows of the name list; `shown` false hides the list.
struct NameListView {
  bool shown = false;
  std::vector<std::string> rows;
};

// Which entries and persons were already offered for saving in this list.
struct SaveOfferState {
  std::vector<uint8_t> doNotAsk = std::vector<uint8_t>(20000, 0);  // per entry number
  std::set<std::string> askedNames;                                // name keys (trimmed, upper-cased)
};

class NameFileAccess {
 public:
  virtual ~NameFileAccess() = default;

  // Data entry begins: no filter, name order.
  virtual void BeginSession() = 0;

  // True when the trimmed name is exactly a person of the name file.
  virtual bool IsSavedName(const std::string& name) = 0;

  // The link of the entry just shown (or after a removal): true when it is
  // not a duplicate-name entry and its name is a saved person, whose name
  // the name file then remembers as the person the entry is linked to.
  virtual bool LinkShownEntry(const ChartEntry& entry) = 0;

  // The list for the typed name; `scrollSteps` moves it (negative up).
  virtual NameListView FillNameList(const std::string& typed, int scrollSteps) = 0;

  // Enter in the name field: reads the person at the top of the list into
  // the fields and the entry. True when a person was read.
  virtual bool ReadTopName(BirthDataFields& fields, ChartEntry& entry) = 0;

  // Leaving an entry: a linked natal entry updates its person's record. A
  // rename onto another saved person asks first and never overwrites
  // without a Yes.
  virtual void UpdateLinkedRecord(const BirthDataFields& fields, ChartEntry& entry, bool linked) = 0;

  // "Done": the offer to save an unsaved natal entry, at most once per
  // person and list.
  virtual void OfferToSave(const BirthDataFields& fields, ChartEntry& entry, int entryNumber,
                           SaveOfferState& offers) = 0;

  // The save status shown beside the Save button.
  virtual std::string SaveStatus(const ChartEntry& entry, bool linked, bool formValid) = 0;

  // The "&Save" button.
  virtual void Save(const BirthDataFields& fields, ChartEntry& entry, int entryNumber, bool& linked) = 0;

  // Whether the delete dialog offers "Remove Name From &File".
  virtual bool OffersNameRemoval(const ChartEntry& entry, bool linked) = 0;

  // Removes the entry's person from the name file.
  virtual void RemoveName(ChartEntry& entry, int entryNumber, SaveOfferState& offers, bool& linked) = 0;
};

class NoNameFile : public NameFileAccess {
 public:
  void BeginSession() override {}
  bool IsSavedName(const std::string&) override { return false; }
  bool LinkShownEntry(const ChartEntry&) override { return false; }
  NameListView FillNameList(const std::string&, int) override { return {}; }
  bool ReadTopName(BirthDataFields&, ChartEntry&) override { return false; }
  void UpdateLinkedRecord(const BirthDataFields&, ChartEntry&, bool) override {}
  void OfferToSave(const BirthDataFields&, ChartEntry&, int, SaveOfferState&) override {}
  std::string SaveStatus(const ChartEntry&, bool, bool) override { return ""; }
  void Save(const BirthDataFields&, ChartEntry&, int, bool&) override;
  bool OffersNameRemoval(const ChartEntry&, bool) override { return false; }
  void RemoveName(ChartEntry&, int, SaveOfferState&, bool&) override {}
};

}  // namespace vostrane
