// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ViewerSession.h"

#include "session/SessionFile.h"

namespace vostrane {

std::string IncompleteChartText(const std::string& name) {
  return "The chart of " + name + " was not completely calculated, so it is not drawn." + "\r\n" +
         "The calculation ended early; mend what its message named and show the session again.";
}

ViewerSession::ViewerSession(TextSource text) : text_(std::move(text)) {}

bool ViewerSession::Open() {
  Close();
  SessionAccess(SessionOperation::OpenReadFirst, buffer_);
  open_ = true;
  // Entries are records 1 .. count; a file that ends without its
  // terminator ends the list there instead of failing a read.
  const int64_t records = SessionRecordCount();
  ChartEntry scratch = buffer_;
  int n = 0;
  while (n + 1 < records && scratch.used()) {
    ++n;
    if (n + 1 < records) SessionAccess(SessionOperation::ReadNext, scratch);
  }
  count_ = n;
  if (count_ == 0) {
    current_ = 0;
    buffer_ = ChartEntry();
    BuildList();
    return false;
  }
  return Select(1);
}

bool ViewerSession::Select(int n) {
  if (!open_ || n < 1 || n > count_) return false;
  SessionAccess(SessionOperation::ReadAt, buffer_, n);
  current_ = n;
  BuildList();
  return true;
}

bool ViewerSession::Lookup(int record, ChartEntry& e) {
  if (!open_ || record < 1 || record > count_) return false;
  SessionAccess(SessionOperation::ReadAt, e, record);
  return true;
}

std::vector<ChartEntry> ViewerSession::Entries() {
  std::vector<ChartEntry> entries(static_cast<size_t>(count_));
  for (int k = 1; k <= count_; ++k) Lookup(k, entries[static_cast<size_t>(k - 1)]);
  return entries;
}

int ViewerSession::Append(const ChartEntry& entry) {
  if (!open_) return 0;
  ChartEntry written = entry;
  written.setUsed(true);
  SessionAccess(SessionOperation::WriteAt, written, count_ + 1);
  ChartEntry terminator;
  SessionAccess(SessionOperation::WriteAt, terminator, count_ + 2);
  ++count_;
  BuildList();
  return count_;
}

void ViewerSession::Close() {
  if (open_ && SessionIsOpen()) {
    ChartEntry unused;
    SessionAccess(SessionOperation::Close, unused);
  }
  open_ = false;
  current_ = count_ = 0;
  others_.clear();
  menu_ = EntriesMenu();
}

void ViewerSession::BuildList() {
  others_.clear();
  ChartEntry scratch;
  for (int i = 1; i <= count_; ++i) {
    if (i == current_) continue;
    SessionAccess(SessionOperation::ReadAt, scratch, i);
    others_.push_back(OtherEntryLine(i, scratch, text_));
  }
  menu_ = BuildEntriesMenu(others_);
}

}  // namespace vostrane
