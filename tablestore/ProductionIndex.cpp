// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/ProductionIndex.h"

#include "platform/FileSystem.h"
#include "platform/LockRetry.h"
#include "tablestore/IndexBuilder.h"
#include "tablestore/TableError.h"

namespace vostrane {

namespace {

uint64_t gCompactionThreshold = 8192;
// Beyond this many records added behind the index's back (by a program that
// does not keep this index), a rebuild is quicker than deriving their keys.
constexpr uint32_t kMaxDerivedRecords = 10000;

}  // namespace

void ProductionIndex::SetCompactionThreshold(uint64_t entries) { gCompactionThreshold = entries; }

ProductionIndex::ProductionIndex(DbfFile& table, FileLock& lock, const std::vector<TagDefinition>& tags,
                                 std::string path, std::string name)
    : table_(table), lock_(lock), tags_(tags), path_(std::move(path)), name_(std::move(name)) {
  const DbfLayout& layout = table_.Layout();
  signature_ = IndexSignature{layout.headerLength, layout.recordLength, layout.LayoutHash(), &tags_};
}

void ProductionIndex::Unusable(const std::string& why) const {
  throw TableError("Unable to open index: " + name_ + (why.empty() ? "" : " (" + why + ")"));
}

void ProductionIndex::Open(IndexProgress* progress) {
  progress_ = progress;
  RemoveLeftovers();
  if (!LoadFile()) Rebuild();
  Refresh();
}

bool ProductionIndex::LoadFile() {
  views_.clear();  // they point into the file's entries
  bool openable = true;
  const IndexFile::Status status = file_.Open(path_, signature_, openable);
  if (!openable) Unusable();
  if (status != IndexFile::Status::Ok) return false;
  inMemory_ = false;
  memoryBases_.clear();
  for (size_t t = 0; t < tags_.size(); ++t) {
    views_.emplace_back(tags_[t].KeyLength() + 4);
    views_[t].SetBase(file_.Base(t));
  }
  commit_ = IndexCommit();
  applied_ = 0;
  seenCount_ = 0;
  fresh_ = true;
  return true;
}

void ProductionIndex::Refresh() {
  if (inMemory_) {
    if (table_.RefreshCount() != seenCount_) BuildInMemory();
    return;
  }
  if (file_.Replaced() && !LoadFile()) {
    Rebuild();
    return;
  }
  if (!CatchUp()) Rebuild();
}

bool ProductionIndex::CatchUp() {
  IndexCommit c;
  if (!file_.ReadCommit(c)) return false;
  // The count is read after the commit block: a writer raises the count
  // before it commits the keys, so the count is never below `covered`.
  const uint32_t count = table_.RefreshCount();
  if (!fresh_ && c.seq == commit_.seq && count == seenCount_) return true;
  if (c.covered > count || c.journalCount < applied_ || count - c.covered > kMaxDerivedRecords)
    return false;
  std::vector<JournalEntry> entries;
  if (!file_.ReadJournal(applied_, c.journalCount, entries)) return false;
  for (const JournalEntry& e : entries) {
    if (EntryRecno(e.entry) > c.covered) return false;
    views_[e.tag].Apply(e.op, e.entry);
  }
  applied_ = c.journalCount;
  commit_ = c;
  seenCount_ = count;
  fresh_ = false;
  DeriveExtraKeys();
  return true;
}

void ProductionIndex::DeriveExtraKeys() {
  for (TagView& v : views_) v.ClearExtra();
  std::string record;
  auto derive = [&](uint32_t recno) {
    table_.ReadRecord(recno, record);
    for (size_t t = 0; t < tags_.size(); ++t) views_[t].AddExtra(MakeEntry(Key(t, record), recno));
  };
  if (commit_.dirtyRecno != 0 && commit_.dirtyRecno <= commit_.covered) derive(commit_.dirtyRecno);
  for (uint32_t recno = commit_.covered + 1; recno <= seenCount_; ++recno) derive(recno);
}

void ProductionIndex::BuildInMemory() {
  views_.clear();
  file_.Close();
  const uint32_t count = table_.RefreshCount();
  memoryBases_ = BuildSortedBases(table_, tags_, count, progress_, "Indexing " + name_ + "...");
  for (size_t t = 0; t < tags_.size(); ++t) {
    views_.emplace_back(tags_[t].KeyLength() + 4);
    views_[t].SetBase(memoryBases_[t]);
  }
  commit_ = IndexCommit{0, count, 0, 0};
  applied_ = 0;
  seenCount_ = count;
  fresh_ = false;
  inMemory_ = true;
}

void ProductionIndex::Rebuild(bool force) {
  // A table that may not be written cannot have its index file rewritten
  // (nor be locked): its keys are kept in memory instead.
  if (table_.ReadOnly()) {
    BuildInMemory();
    return;
  }
  const bool ownLock = !lock_.Held();
  if (ownLock &&
      !RetryWithGrowingPause([this] { return lock_.TryAcquire(); },
                             [this] { return LockHolderText(table_.Name(), lock_.HolderPid()); }))
    Unusable();
  try {
    // Another process may have rebuilt it while this one waited.
    if (force || !LoadFile() || !CatchUp()) {
      const uint32_t count = table_.RefreshCount();
      std::vector<std::string> bases = BuildSortedBases(table_, tags_, count, progress_,
                                                        "Indexing " + name_ + "...");
      views_.clear();
      file_.Close();
      if (!WriteFile(bases, count)) Unusable("it could not be written in full; is the disk full?");
      if (!LoadFile() || !CatchUp()) Unusable();
    }
  } catch (...) {
    if (ownLock) lock_.Release();
    throw;
  }
  if (ownLock) lock_.Release();
}

void ProductionIndex::RebuildStale() { Rebuild(true); }

bool ProductionIndex::WriteFile(const std::vector<std::string>& bases, uint32_t count) {
  return IndexFile::Write(IndexFile::RewriteTarget(path_, table_.Path()), signature_, bases, count);
}

void ProductionIndex::RemoveLeftovers() {
  if (table_.ReadOnly() || lock_.Held() || !lock_.TryAcquire()) return;
  // Every rewrite holds the lock while its temporary file exists.
  const std::string target = IndexFile::RewriteTarget(path_, table_.Path());
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (const auto leftovers = ListFolder(folder, name + ".??????"))
    for (const std::string& file : *leftovers) EraseFile(folder + "/" + file);
  lock_.Release();
}

void ProductionIndex::Commit(const std::vector<JournalEntry>& entries, IndexCommit next) {
  if (!file_.Append(entries, next)) throw TableError("Write error on " + name_);
  for (const JournalEntry& e : entries) views_[e.tag].Apply(e.op, e.entry);
  applied_ = next.journalCount;
  commit_ = next;
  seenCount_ = table_.Count();
  DeriveExtraKeys();
}

void ProductionIndex::Settle() {
  Refresh();
  if (commit_.dirtyRecno == 0 && commit_.covered >= seenCount_) return;
  std::vector<JournalEntry> entries;
  for (size_t t = 0; t < views_.size(); ++t) {
    for (std::string& e : views_[t].ExtraEntries()) {
      entries.push_back({JournalOp::Insert, static_cast<uint8_t>(t), std::move(e)});
    }
  }
  Commit(entries, {commit_.seq + 1, seenCount_, 0, commit_.journalCount + entries.size()});
}

void ProductionIndex::Appended(uint32_t recno, const std::string& record) {
  std::vector<JournalEntry> entries;
  for (size_t t = 0; t < tags_.size(); ++t) {
    entries.push_back({JournalOp::Insert, static_cast<uint8_t>(t), MakeEntry(Key(t, record), recno)});
  }
  Commit(entries, {commit_.seq + 1, recno, 0, commit_.journalCount + entries.size()});
}

void ProductionIndex::BeginReplace(uint32_t recno, const std::string& before, const std::string& after) {
  std::vector<JournalEntry> entries;
  for (size_t t = 0; t < tags_.size(); ++t) {
    const std::string old = Key(t, before);
    if (old != Key(t, after))
      entries.push_back({JournalOp::Remove, static_cast<uint8_t>(t), MakeEntry(old, recno)});
  }
  if (entries.empty()) return;
  Commit(entries, {commit_.seq + 1, commit_.covered, recno, commit_.journalCount + entries.size()});
}

void ProductionIndex::EndReplace(uint32_t recno, const std::string& before, const std::string& after) {
  std::vector<JournalEntry> entries;
  for (size_t t = 0; t < tags_.size(); ++t) {
    const std::string key = Key(t, after);
    if (key != Key(t, before))
      entries.push_back({JournalOp::Insert, static_cast<uint8_t>(t), MakeEntry(key, recno)});
  }
  if (entries.empty()) return;
  Commit(entries, {commit_.seq + 1, commit_.covered, 0, commit_.journalCount + entries.size()});
}

void ProductionIndex::CompactIfLong() {
  if (commit_.journalCount < gCompactionThreshold) return;
  std::vector<std::string> bases;
  for (const TagView& v : views_) {
    size_t count = 0;
    bases.push_back(v.Materialize(count));
    if (count != commit_.covered || commit_.dirtyRecno != 0) {
      Rebuild(true);  // the views disagree with the table; start afresh
      return;
    }
  }
  views_.clear();
  file_.Close();
  if (!WriteFile(bases, commit_.covered) || !LoadFile() || !CatchUp()) Rebuild(true);
}

}  // namespace vostrane
