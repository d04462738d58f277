// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/EntryRemoval.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"
#include "session/SessionFile.h"

namespace vostrane {
namespace {

constexpr int kWalkLimit = 1000;
constexpr int kWheelRefFlag = 15000;

// Number of removed records below the given one.
int RemovedBelow(const std::vector<int>& removed, int record) {
  return static_cast<int>(std::lower_bound(removed.begin(), removed.end(), record) - removed.begin());
}

bool IsRemoved(const std::vector<int>& removed, int record) {
  return std::binary_search(removed.begin(), removed.end(), record);
}

// New number of a reference, or 0 when it points at a removed entry or
// outside 1..count.
int Renumbered(const std::vector<int>& removed, int record, int count) {
  if (record < 1 || record > count || IsRemoved(removed, record)) return 0;
  return record - RemovedBelow(removed, record);
}

// Bi- and tri-wheel references keep their sign and their +15000 flag.
int32_t RenumberedWheelRef(const std::vector<int>& removed, int32_t value, int count) {
  if (value == 0) return 0;
  const bool negative = value < 0;
  int magnitude = std::abs(value);
  const bool flagged = magnitude > kWheelRefFlag;
  if (flagged) magnitude -= kWheelRefFlag;
  const int record = Renumbered(removed, magnitude, count);
  if (record == 0) return 0;
  const int32_t encoded = record + (flagged ? kWheelRefFlag : 0);
  return negative ? -encoded : encoded;
}

}  // namespace

EntriesToRemove CollectEntriesToRemove(const std::vector<ChartEntry>& entries, int record) {
  const int count = static_cast<int>(entries.size());
  const int examined = std::min(count, kWalkLimit);
  std::set<int> set = {record};
  for (bool added = true; added;) {
    added = false;
    for (int r = 1; r <= examined; ++r) {
      if (set.count(r)) continue;
      const ChartEntry& e = entries[r - 1];
      const bool derivedFromRemoved = e.chartType() != 0 && set.count(e.baseEntry());
      const bool compositeOfRemoved = e.chartType() == chart_type::kComposite &&
                                      set.count(e.secondBaseEntry());
      if (derivedFromRemoved || compositeOfRemoved) {
        set.insert(r);
        added = true;
      }
    }
  }
  EntriesToRemove result;
  result.records.assign(set.begin(), set.end());
  if (static_cast<int>(result.records.size()) >= count && count > 0) {
    result.records.erase(result.records.begin());
    result.firstKept = true;
  }
  return result;
}

void RenumberEntryReferences(ChartEntry& entry, const std::vector<int>& removed, int entryCount) {
  entry.setBaseEntry(Renumbered(removed, entry.baseEntry(), entryCount));
  entry.setSecondBaseEntry(Renumbered(removed, entry.secondBaseEntry(), entryCount));
  if (entry.chartType() == chart_type::kProgressed)
    entry.setPrintoutParam(77, Renumbered(removed, entry.printoutParam(77), entryCount));
  // Printout groups 3..5 compared with another entry (elements 3..5 / 15..17).
  for (int i = 0; i < 3; ++i) {
    if (entry.printoutParam(3 + i) == 0) continue;
    const int record = Renumbered(removed, entry.printoutParam(15 + i), entryCount);
    if (record == 0) entry.setPrintoutParam(3 + i, 0);
    else entry.setPrintoutParam(15 + i, record);
  }
  // Per-row entry references of groups 5 and 7.
  for (int j : {201, 301}) {
    for (int k = 0; k < 25; ++k)
      entry.setPrintoutParam(j + k, Renumbered(removed, entry.printoutParam(j + k), entryCount));
  }
  // Bi- and tri-wheel chart references.
  for (int j = 501; j <= 575; ++j)
    entry.setPrintoutParam(j, RenumberedWheelRef(removed, entry.printoutParam(j), entryCount));
}

bool RewriteSessionWithout(const ChartEntry& header, const std::vector<ChartEntry>& entries,
                           const std::vector<int>& removed) {
  const int count = static_cast<int>(entries.size());
  std::string bytes;
  bytes.reserve((entries.size() + 2) * kEntrySize);
  auto append = [&bytes](const ChartEntry& e) {
    bytes.append(reinterpret_cast<const char*>(e.Data()), kEntrySize);
  };
  append(header);
  for (int r = 1; r <= count; ++r) {
    if (IsRemoved(removed, r)) continue;
    ChartEntry e = entries[r - 1];
    RenumberEntryReferences(e, removed, count);
    append(e);
  }
  ChartEntry terminator;
  append(terminator);

  // The complete new list is written to INPUT.NEW first; only a complete file
  // replaces INPUT.FIL, so a full disk never costs the user the session.
  if (!ReplaceFileContents(kSessionRewriteName, bytes) ||
      FileSize(kSessionRewriteName) != static_cast<int64_t>(bytes.size()) ||
      !ReplaceFileContents(kSessionFileName, bytes)) {
    ShowMessage("Error! Unable to write data to create new entries. Disk may be full.", MsgIcon::Error);
    return false;
  }
  return true;
}

}  // namespace vostrane
