// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/SessionEntries.h"

#include "entry/RemovalPlan.h"
#include "session/EntryRemoval.h"
#include "session/SessionBackup.h"
#include "session/SessionFile.h"

namespace vostrane {
namespace {

// Reopens the existing session file (record 0 is read into the buffer).
ChartEntry ReopenSession() {
  ChartEntry header;
  SessionAccess(SessionOperation::OpenReadHeader, header);
  return header;
}

}  // namespace

bool StartSessionFile(const ChartEntry& workingImage) {
  if (!SessionCreate()) return false;
  ChartEntry header = workingImage;
  header.setName("");
  header.setPlace("");
  header.SetString(entry_offset::reservedText25, 25, "");
  header.SetString(entry_offset::reservedText51, 51, "");
  header.setAlternateName("");
  SessionAccess(SessionOperation::WriteHere, header);
  // From the start the file ends in a terminator, so that it stays a valid
  // session whenever the program ends.
  ChartEntry terminator;
  SessionAccess(SessionOperation::WriteHere, terminator);
  return true;
}

std::vector<ChartEntry> OpenExistingSession() {
  ReopenSession();
  return ReadSessionEntries(CountSessionEntries(kSessionFileName));
}

ChartEntry ReadSessionEntry(int k) {
  ChartEntry entry;
  SessionAccess(SessionOperation::ReadAt, entry, k);
  return entry;
}

void WriteSessionEntry(int k, const ChartEntry& entry) {
  // A new last entry gets the terminator after it first, then takes the
  // old terminator's place: no single write leaves the list unterminated.
  ChartEntry terminator;
  for (int64_t r = SessionRecordCount(); r >= 1 && r <= k + 1; r = SessionRecordCount())
    SessionAccess(SessionOperation::WriteAt, terminator, r);
  ChartEntry copy = entry;
  SessionAccess(SessionOperation::WriteAt, copy, k);
}

std::vector<ChartEntry> ReadSessionEntries(int count) {
  std::vector<ChartEntry> entries;
  entries.reserve(static_cast<size_t>(count));
  for (int k = 1; k <= count; ++k) entries.push_back(ReadSessionEntry(k));
  return entries;
}

void WriteTerminatorAndClose(int record) {
  ChartEntry terminator;
  SessionAccess(SessionOperation::WriteAt, terminator, record);
  SessionAccess(SessionOperation::Close, terminator);
}

std::optional<std::vector<ChartEntry>> RemoveSessionEntries(const std::vector<ChartEntry>& entries,
                                                            const std::vector<int>& removed) {
  ChartEntry header;
  SessionAccess(SessionOperation::ReadAt, header, 0);
  SessionAccess(SessionOperation::Close, header);
  const bool rewritten = RewriteSessionWithout(header, entries, removed);
  ReopenSession();
  if (!rewritten) return std::nullopt;

  const int left = static_cast<int>(entries.size() - removed.size());
  std::vector<ChartEntry> remaining = ReadSessionEntries(left);
  for (int k : ClearStaleDuplicateMarks(remaining)) WriteSessionEntry(k, remaining[k - 1]);
  return remaining;
}

}  // namespace vostrane
