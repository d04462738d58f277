// SPDX-License-Identifier: GPL-3.0-or-later
// The production index file kept beside the table (table name + ".VDX").
// Layout, little-endian:
//   0    magic "VSTRIDX1", format version, tag count, the table's header and
//        record lengths and field layout hash, the base entry count, the
//        journal entry size, the offsets of the base and the journal, and a
//        hash of all base entries;
//   64   the commit block: sequence number, records covered, the record
//        being replaced (0 none), journal entries committed, a check word;
//   128  one 256-byte definition per tag (name, flags, key length, expression);
//   then per tag the base: `baseCount` entries sorted byte-wise, each the key
//        followed by the record number big-endian (so that equal keys sort by
//        record number), and the journal of key insertions and removals made
//        since the base was written (112-byte entries with a check word).
// The base never changes once written; a writer appends journal entries and
// then rewrites the commit block in one write, so a reader sees either the
// old or the new state. A full rewrite goes to a new file renamed over the old.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tablestore/TagDefinition.h"

namespace vostrane {

struct IndexCommit {
  uint64_t seq = 0;
  uint32_t covered = 0;     // records 1..covered have their keys in the index
  uint32_t dirtyRecno = 0;  // a record whose keys were taken out for a replace
  uint64_t journalCount = 0;
};

enum class JournalOp : uint8_t { Insert = 1, Remove = 2 };

struct JournalEntry {
  JournalOp op = JournalOp::Insert;
  uint8_t tag = 0;
  std::string entry;  // key + record number, big-endian
};

struct IndexSignature {
  int headerLength = 0;
  int recordLength = 0;
  uint64_t layoutHash = 0;
  const std::vector<TagDefinition>* tags = nullptr;
};

// An index entry of a key and a record number; and the record number of one.
std::string MakeEntry(const std::string& key, uint32_t recno);
uint32_t EntryRecno(std::string_view entry);

// True when the file begins as an index file of this format.
bool IsIndexFile(const std::string& path);

class IndexFile {
 public:
  enum class Status { Ok, Missing, Invalid };

  IndexFile() = default;
  IndexFile(const IndexFile&) = delete;
  IndexFile& operator=(const IndexFile&) = delete;
  ~IndexFile() { Close(); }

  // Opens the file and checks it against the table and tags, entry by entry.
  // Invalid: another layout or tag list, or damage. False in `openable` when
  // the file exists but cannot be opened for writing.
  Status Open(const std::string& path, const IndexSignature& signature, bool& openable);
  void Close();

  bool ReadCommit(IndexCommit& commit) const;
  bool ReadJournal(uint64_t from, uint64_t to, std::vector<JournalEntry>& out) const;
  // Writes the entries after the committed ones, then the commit block.
  bool Append(const std::vector<JournalEntry>& entries, const IndexCommit& commit);
  // True when the path now names another file (rewritten by someone).
  bool Replaced() const;

  // The sorted entries of a tag, in the file mapped read-only into memory.
  std::string_view Base(size_t tag) const { return bases_[tag]; }
  uint32_t BaseCount() const { return baseCount_; }

  // Opened for reading only (the file may not be written).
  bool ReadOnly() const { return readOnly_; }

  // Writes a complete index with empty journal to a new file renamed over
  // `path` (see RewriteTarget for the path to give). Each base holds `count`
  // sorted entries of its tag.
  // The file a rewrite of the index at `path` goes to: through a symbolic
  // link only to a file that is an index already, or to a missing file in
  // the folder of the table's final file (a shared table's shared index);
  // any other link is replaced itself and the file it names left alone.
  static std::string RewriteTarget(const std::string& path, const std::string& tablePath);
  static bool Write(const std::string& path, const IndexSignature& signature,
                    const std::vector<std::string>& bases, uint32_t count);

 private:
  Status Load(const IndexSignature& signature);

  int fd_ = -1;
  bool readOnly_ = false;
  std::string path_;
  uint64_t device_ = 0;
  uint64_t inode_ = 0;
  uint32_t baseCount_ = 0;
  uint64_t journalOffset_ = 0;
  std::vector<size_t> entryWidths_;
  void Unmap();

  void* map_ = nullptr;  // the whole file as it was opened
  size_t mapSize_ = 0;
  std::vector<std::string_view> bases_;
};

}  // namespace vostrane
