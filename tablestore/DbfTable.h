// SPDX-License-Identifier: GPL-3.0-or-later
// The table component through which the program reaches its dBase tables:
// a current record with its record buffer, an index order, seeks by key,
// movement that skips deleted records, field access by name, writes under a
// whole-file lock, and a filter. The table is always opened shared; the
// production index lives in a file beside it (table name + ".VDX").
//
// Setting up a table:
//   DbfTable t;
//   t.SetDbfFileName("places.dbf");
//   t.SetDbfFields({"NAME,C,25,0", "LATDEG,N,2,0", ...});   // to create it
//   t.SetIndexList({"CITY,F,F,UPPER(NAME)", "",
//                   "CNTRYCITY,F,F,CNTRYSTATE+UPPER(NAME)", ""});
//   t.Open();
//   t.SetIndexOrder(1);
// Every failure raises TableError carrying the message to show.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tablestore/DbfFile.h"
#include "platform/FileLock.h"
#include "tablestore/IndexProgress.h"
#include "tablestore/KeyExpression.h"
#include "tablestore/TableError.h"
#include "tablestore/TagDefinition.h"

namespace vostrane {

class ProductionIndex;

class DbfTable {
 public:
  DbfTable();
  ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  // Settings, made before Open.
  void SetDbfFileName(const std::string& name) { dbfFileName_ = name; }
  // One line per field: "NAME,TYPE,WIDTH,DECIMALS"; used to create the table.
  void SetDbfFields(std::vector<std::string> lines) { dbfFields_ = std::move(lines); }
  // Pairs of lines: "TAG,UNIQUE,DESCENDING,KEY EXPRESSION" and a condition
  // (empty). Order number n selects the n-th tag.
  void SetIndexList(std::vector<std::string> lines) { indexList_ = std::move(lines); }
  void SetHideDeletedRecords(bool hide) { hideDeletedRecords_ = hide; }
  // Receives the progress of index rebuilds; may be null.
  void SetProgress(IndexProgress* progress) { progress_ = progress; }

  const std::string& DbfFileName() const { return dbfFileName_; }
  // The production index file name: the table's name with ".VDX".
  std::string IndexFileName() const;

  // Opens the table shared, creating it when missing, and opens or rebuilds
  // the production index. The cursor is then on the first visible record in
  // record order.
  void Open();
  void Close();
  bool IsOpen() const;

  // 0 = record order, n = the n-th tag. The current record stays current.
  void SetIndexOrder(int order);
  int Order() const { return order_; }
  // Seeks in the current order (not 0); keys are compared byte-wise, so
  // callers upper-case with UpperAnsi. FindExact pads the key with blanks
  // to the key length and wants an equal key; FindNear wants a key that
  // begins with the text. Deleted and filtered records are passed over.
  // Not found: FindExact ends on the last record with AtEnd; FindNear stays
  // on the next greater key (or the last record, with AtEnd). An empty key
  // finds nothing and does not move.
  bool FindExact(std::string_view key);
  bool FindNear(std::string_view key);
  // The first visible record; with none, AtStart and AtEnd are both set.
  void First();
  // Moves n visible records (negative: backward); past the ends the cursor
  // stays on the last (first) visible record with AtEnd (AtStart) set. MoveBy(0)
  // re-reads the current record.
  void MoveBy(int n);
  void Skip(int n) { MoveBy(n); }
  // Makes record `recno` (from 1) current, deleted or not.
  void Go(uint32_t recno);
  uint32_t RecordNumber() const { return recno_; }  // 0 when there is no current record
  // Records in the file, deleted ones included, as other processes left it.
  uint32_t RecordCount();
  bool AtStart() const { return bof_; }
  bool AtEnd() const { return eof_; }
  bool Deleted() const;

  // Fields by name, without regard to case. The record buffer holds the
  // current record (blanks when there is none) with the fields set since.
  bool HasField(std::string_view name) const;
  std::string TextField(std::string_view name) const;  // full width
  int64_t IntegerField(std::string_view name) const;   // blank: 0
  void SetTextField(std::string_view name, std::string_view text);
  // Throws when the number does not fit the field.
  void SetIntegerField(std::string_view name, int64_t value);

  // Writes need LockFile. SaveRecord writes the fields set since the record
  // was read onto the record as it is on disk and moves its keys.
  // AppendRecord adds a blank record carrying the fields set since the last
  // read, makes it current and adds its keys. DeleteRecord and UndeleteRecord set
  // and clear the deletion mark of the current record.
  void SaveRecord();
  void AppendRecord();
  void DeleteRecord();
  void UndeleteRecord();
  // One attempt at the whole-file lock; false (nothing changed) when another
  // holder has it. Callers retry. A table that may only be read raises
  // TableError saying why the change cannot be saved.
  bool LockFile();
  // Why the table may not be changed (the file or its index may only be
  // read); empty for a writable table.
  std::string ReadOnlyReason() const;
  void UnlockFile();
  bool Locked() const { return lock_.Held(); }
  // The process holding the lock that LockFile was refused (0: not known).
  int LockHolderPid() const { return lock_.HolderPid(); }
  // Builds the production index afresh from the table, under the lock (taken
  // when not held): for a caller that found the index missing a change
  // another program made to the table, such as a name changed in place.
  void RebuildIndex();
  // A comparison such as CNTRYSTATE = "PEN" (see RecordFilter); an empty
  // text removes the filter.
  void SetFilter(std::string_view expression);

 private:
  // A position in the current order: the index entry (key + big-endian
  // record number); in record order the key part is empty.
  using Position = std::string;

  const DbfLayout& Layout() const;
  size_t FieldIndex(std::string_view name) const;
  const DbfField& Field(std::string_view name) const;
  void RequireOpen() const;
  void Refresh();
  std::optional<Position> Edge(bool first) const;
  std::optional<Position> Step(const Position& from, bool forward) const;
  Position PositionOf(uint32_t recno, const std::string& record) const;
  bool LoadIfVisible(const Position& p);
  std::optional<Position> WalkVisible(std::optional<Position> p, bool forward);
  void SetCurrent(const Position& p);
  void ClearCurrent();
  bool Seek(std::string_view key, bool exact);
  bool SeekOnce(std::string_view key, bool exact);
  void FirstOnce();
  void MoveByOnce(int n);
  // Runs a movement again after an index entry that did not match its
  // record's key was met: first with the index as other writers left it
  // (one of them may have been between its two steps), then once more on an
  // index rebuilt from the table.
  template <typename Move>
  auto Verified(Move move) -> decltype(move());
  void ReloadCurrent();
  void RequireLock(const char* operation) const;
  void RequireCurrent(const char* operation) const;
  std::string WithChanges(std::string record) const;

  std::string dbfFileName_;
  std::vector<std::string> dbfFields_;
  std::vector<std::string> indexList_;
  bool hideDeletedRecords_ = true;
  IndexProgress* progress_ = nullptr;

  DbfFile file_;
  FileLock lock_;
  std::vector<TagDefinition> tags_;
  std::unique_ptr<ProductionIndex> index_;
  std::optional<RecordFilter> filter_;
  bool staleEntry_ = false;  // an index entry did not match its record

  int order_ = 0;
  uint32_t recno_ = 0;
  Position position_;
  bool bof_ = true;
  bool eof_ = true;
  std::string buffer_;         // the record buffer
  std::string loaded_;         // the record as last read
  std::vector<bool> changed_;  // fields set since the record was read
};

}  // namespace vostrane
