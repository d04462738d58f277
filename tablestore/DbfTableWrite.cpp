// SPDX-License-Identifier: GPL-3.0-or-later
// Writes of DbfTable. Every write needs the whole-file lock; only the fields
// set since the record was read are written, onto the record as it is on
// disk under the lock, so a field another process changed meanwhile is kept.
#include "tablestore/ProductionIndex.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

bool DbfTable::LockFile() {
  RequireOpen();
  if (lock_.Held()) return true;
  if (const std::string why = ReadOnlyReason(); !why.empty()) {
    throw TableError(why + ": the change cannot be saved.");
  }
  if (!lock_.TryAcquire()) return false;
  try {
    if (index_) index_->Settle();
    else file_.RefreshCount();
  } catch (...) {
    lock_.Release();
    throw;
  }
  return true;
}

void DbfTable::UnlockFile() { lock_.Release(); }

std::string DbfTable::ReadOnlyReason() const {
  if (!IsOpen()) return "";
  if (file_.ReadOnly()) return dbfFileName_ + " may only be read (" + file_.ReadOnlyReason() + ")";
  if (index_ && (index_->InMemory() || index_->FileReadOnly()))
    return IndexFileName() + " may only be read";
  return "";
}

void DbfTable::RequireLock(const char* operation) const {
  if (!lock_.Held()) throw TableError(std::string("Record not locked ") + operation);
}

void DbfTable::RequireCurrent(const char* operation) const {
  if (recno_ == 0)
    throw TableError(std::string("No current record for ") + operation + " (DBF=" + dbfFileName_ + ")");
}

std::string DbfTable::WithChanges(std::string record) const {
  const std::vector<DbfField>& fields = Layout().fields;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (!changed_[i]) continue;
    const size_t offset = static_cast<size_t>(fields[i].offset);
    record.replace(offset, static_cast<size_t>(fields[i].width), buffer_, offset,
                   static_cast<size_t>(fields[i].width));
  }
  return record;
}

void DbfTable::AppendRecord() {
  RequireOpen();
  if (!lock_.Held()) throw TableError("File must be locked to append: " + dbfFileName_ + " [APPEND]");
  if (index_) index_->Settle();
  // A blank record carrying the fields the caller set.
  const std::string record = WithChanges(std::string(static_cast<size_t>(Layout().recordLength), ' '));
  const uint32_t recno = file_.AppendRecord(record);
  if (index_) {
    index_->Appended(recno, record);
    index_->CompactIfLong();
  }
  loaded_ = record;
  SetCurrent(PositionOf(recno, record));
  bof_ = eof_ = false;
}

void DbfTable::SaveRecord() {
  RequireOpen();
  RequireLock("ReplaceRec");
  RequireCurrent("ReplaceRec");
  if (index_) index_->Settle();
  std::string before;
  file_.ReadRecord(recno_, before);
  const std::string after = WithChanges(before);
  if (index_) index_->BeginReplace(recno_, before, after);
  file_.WriteRecord(recno_, after);
  if (index_) {
    index_->EndReplace(recno_, before, after);
    index_->CompactIfLong();
  }
  loaded_ = after;
  SetCurrent(PositionOf(recno_, after));
}

void DbfTable::DeleteRecord() {
  RequireOpen();
  RequireLock("DeleteRec");
  RequireCurrent("DeleteRec");
  file_.WriteDeletionByte(recno_, '*');
  buffer_[0] = loaded_[0] = '*';
}

void DbfTable::UndeleteRecord() {
  RequireOpen();
  RequireLock("RecallRec");
  RequireCurrent("RecallRec");
  file_.WriteDeletionByte(recno_, ' ');
  buffer_[0] = loaded_[0] = ' ';
}

}  // namespace vostrane
