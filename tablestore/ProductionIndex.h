// SPDX-License-Identifier: GPL-3.0-or-later
// The production index of one table as its user sees it: one sorted view per
// tag, kept in step with the index file and with the table as other
// processes change them, and the index side of every write.
//
// Consistency rules, relied on by readers that take no lock:
// - all changes happen under the table's file lock;
// - an append writes the record and the table's count first, then the keys;
//   records beyond the index's covered count get their keys from the table;
// - a replace first takes the record's changed keys out and marks the record
//   in the commit block, writes the record, then puts the new keys in; a
//   marked record gets its keys from the table;
// - the next holder of the lock writes such derived keys into the journal, so
//   a process that died between two writes leaves nothing to rebuild.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tablestore/DbfFile.h"
#include "platform/FileLock.h"
#include "tablestore/IndexFile.h"
#include "tablestore/IndexProgress.h"
#include "tablestore/TagDefinition.h"
#include "tablestore/TagView.h"

namespace vostrane {

class ProductionIndex {
 public:
  ProductionIndex(DbfFile& table, FileLock& lock, const std::vector<TagDefinition>& tags,
                  std::string path, std::string name);

  // Opens the index file, rebuilding it when it is missing, damaged or made
  // for other tags or another table layout. Throws TableError.
  void Open(IndexProgress* progress);
  // Takes in what other processes changed; also re-reads the table's count.
  void Refresh();
  const TagView& View(size_t tag) const { return views_[tag]; }
  std::string Key(size_t tag, const std::string& record) const {
    return tags_[tag].key.Evaluate(record);
  }

  // Writers, under the lock. Settle first writes keys derived from the table
  // into the journal; the others follow the table writes as described above.
  void Settle();
  void Appended(uint32_t recno, const std::string& record);
  void BeginReplace(uint32_t recno, const std::string& before, const std::string& after);
  void EndReplace(uint32_t recno, const std::string& before, const std::string& after);
  // Builds the index afresh from the table: an entry was found that does
  // not match its record's key (the table was changed by a program that
  // does not keep this index). Takes the lock when it is not held.
  void RebuildStale();
  // The keys are held in memory only: the table or its index file may not
  // be written.
  bool InMemory() const { return inMemory_; }
  bool FileReadOnly() const { return file_.ReadOnly(); }

  // Rewrites the index when its journal has grown long.
  void CompactIfLong();

  // Journal length that triggers a rewrite (tests lower it).
  static void SetCompactionThreshold(uint64_t entries);

 private:
  // Builds the index afresh under the lock; unless forced, first checks
  // whether another process has just done so.
  void Rebuild(bool force = false);
  // Writes the index file afresh from sorted bases (see IndexFile::Write).
  bool WriteFile(const std::vector<std::string>& bases, uint32_t count);
  // Removes the temporary files of a rewrite that was killed, when the lock
  // can be had at once (no rewrite can then be under way).
  void RemoveLeftovers();
  void BuildInMemory();
  bool LoadFile();
  bool CatchUp();
  void Commit(const std::vector<JournalEntry>& entries, IndexCommit next);
  void DeriveExtraKeys();
  [[noreturn]] void Unusable(const std::string& why = "") const;

  DbfFile& table_;
  FileLock& lock_;
  const std::vector<TagDefinition>& tags_;
  std::string path_;
  std::string name_;
  IndexSignature signature_;
  IndexProgress* progress_ = nullptr;
  IndexFile file_;
  std::vector<TagView> views_;
  IndexCommit commit_;
  uint64_t applied_ = 0;    // journal entries applied to the views
  uint32_t seenCount_ = 0;  // table count at the last refresh
  bool fresh_ = false;      // views freshly loaded, nothing derived yet
  bool inMemory_ = false;   // views over memoryBases_, no index file
  std::vector<std::string> memoryBases_;
};

}  // namespace vostrane
