// SPDX-License-Identifier: GPL-3.0-or-later
// The session as the viewer reads it: the session file stays open while the
// viewer is open; the current entry sits in the working entry buffer, from
// which its page is drawn, and the other entries make the list behind the
// Entries menu. Session file failures end the program (session/SessionFile.h).
#pragma once

#include <string>
#include <vector>

#include "session/ChartEntry.h"
#include "viewer/EntriesMenu.h"

namespace vostrane {

// The notice for an entry whose calculation did not finish (the program
// ended during it): its page is not drawn.
std::string IncompleteChartText(const std::string& name);

class ViewerSession {
 public:
  explicit ViewerSession(TextSource text);

  // Opens the session file, counts the entries (up to the terminator, or
  // the end of a file that lacks one), makes entry 1 current and builds its
  // list. False when the session is empty (nothing to draw).
  bool Open();
  // Makes entry n current: reads it into the working buffer and rebuilds
  // the list. False (nothing changed) when n is not an entry.
  bool Select(int n);
  // Reads entry `record` into `e` without changing the current entry (the
  // base charts named in page titles); false when it is not an entry.
  bool Lookup(int record, ChartEntry& e);
  // Every entry, record k at k - 1 (the list a derived chart's base is
  // chosen from).
  std::vector<ChartEntry> Entries();
  // Appends an entry after the last one (the terminator moves behind it)
  // and returns its record number; 0 when the session is not open. The
  // current entry stays.
  int Append(const ChartEntry& entry);
  // Closes the session file (if open) and forgets the entries.
  void Close();

  bool IsOpen() const { return open_; }
  int CurrentEntry() const { return current_; }
  int EntryCount() const { return count_; }
  const ChartEntry& Current() const { return buffer_; }
  // "i: name - kind" for every entry but the current one.
  const std::vector<std::string>& OtherEntries() const { return others_; }
  const EntriesMenu& Menu() const { return menu_; }

 private:
  void BuildList();

  TextSource text_;
  bool open_ = false;
  int current_ = 0;
  int count_ = 0;
  ChartEntry buffer_;
  std::vector<std::string> others_;
  EntriesMenu menu_;
};

}  // namespace vostrane
