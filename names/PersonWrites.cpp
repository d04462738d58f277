// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonWrites.h"

#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/TableLock.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

PersonWriteResult Outcome(PersonWrite outcome, uint32_t record) {
  PersonWriteResult result;
  result.outcome = outcome;
  result.record = record;
  return result;
}

// Appends the form as a new record; the cursor must have been placed (the
// record buffer read) before, since the append carries the fields set since.
uint32_t AppendRecord(DbfTable& table, const BirthDataFields& fields) {
  PutBirthData(table, fields);
  PutNewRecordCodes(table);
  table.AppendRecord();
  if (table.Deleted()) table.UndeleteRecord();
  return table.RecordNumber();
}

// Stamps a record just written (the lock is held), or collects it.
void Stamp(DbfTable& table, PersonWriteResult& result, const std::string& name,
           std::vector<RecordWritten>* stamps) {
  if (result.outcome != PersonWrite::Written || result.record == 0) return;
  if (stamps) stamps->push_back({result.record, name});
  else result.stampProblem = StampChanges(table.DbfFileName(), {{result.record, name}}, NowForStamps());
}

}  // namespace

PersonWriteResult AppendPerson(DbfTable& table, const BirthDataFields& fields,
                               std::vector<RecordWritten>* stamps) {
  const std::string name = Trim(fields.name);
  if (NameIsOnFile(table, name)) return Outcome(PersonWrite::OnFile, table.RecordNumber());
  PersonWriteResult result;
  const bool locked = WriteUnderLock(table, [&] {
    // Another program may have saved the name since.
    if (NameIsOnFile(table, name)) {
      result = Outcome(PersonWrite::OnFile, table.RecordNumber());
      return;
    }
    result = Outcome(PersonWrite::Written, AppendRecord(table, fields));
    Stamp(table, result, name, stamps);
  });
  return locked ? result : Outcome(PersonWrite::Busy, 0);
}

PersonWriteResult UpdatePerson(DbfTable& table, const BirthDataFields& fields,
                               const std::string& linkedName, bool replaceOther,
                               std::vector<RecordWritten>* stamps) {
  const std::string name = Trim(fields.name);
  const std::string oldName = Trim(linkedName).empty() ? name : Trim(linkedName);
  const bool renamed = NameKey(oldName) != NameKey(name);
  PersonWriteResult result;
  const bool locked = WriteUnderLock(table, [&] {
    if (NameIsOnFile(table, name)) {
      if (renamed && !replaceOther) {
        result = Outcome(PersonWrite::OtherPerson, table.RecordNumber());
        return;
      }
      PutBirthData(table, fields);
      table.SaveRecord();
      if (table.Deleted()) table.UndeleteRecord();
      result = Outcome(PersonWrite::Written, table.RecordNumber());
    } else {
      result = Outcome(PersonWrite::Written, 0);
    }
    // A renamed person's old record goes, found by its own name.
    if (renamed && NameIsOnFile(table, oldName)) table.DeleteRecord();
    if (result.record == 0) result.record = AppendRecord(table, fields);
    Stamp(table, result, name, stamps);
  });
  return locked ? result : Outcome(PersonWrite::Busy, 0);
}

PersonWriteResult RemovePerson(DbfTable& table, const std::string& name) {
  PersonWriteResult result = Outcome(PersonWrite::NotFound, 0);
  const bool locked = WriteUnderLock(table, [&] {
    if (!NameIsOnFile(table, name)) return;
    table.DeleteRecord();
    result = Outcome(PersonWrite::Written, table.RecordNumber());
    Stamp(table, result, name, nullptr);
  });
  return locked ? result : Outcome(PersonWrite::Busy, 0);
}

PersonWriteResult UndeletePerson(DbfTable& table, uint32_t record) {
  PersonWriteResult result = Outcome(PersonWrite::NotFound, 0);
  const bool locked = WriteUnderLock(table, [&] {
    table.Go(record);
    if (table.RecordNumber() != record || !table.Deleted()) return;
    const std::string name = Trim(table.TextField("NAME"));
    // Not over a person saved under the same name since.
    if (NameIsOnFile(table, name)) {
      result = Outcome(PersonWrite::OtherPerson, table.RecordNumber());
      return;
    }
    table.Go(record);
    table.UndeleteRecord();
    result = Outcome(PersonWrite::Written, record);
    Stamp(table, result, name, nullptr);
  });
  return locked ? result : Outcome(PersonWrite::Busy, 0);
}

std::string StampCollected(DbfTable& table, const std::vector<RecordWritten>& stamps) {
  if (stamps.empty()) return "";
  std::string problem;
  if (!WriteUnderLock(table,
                      [&] { problem = StampChanges(table.DbfFileName(), stamps, NowForStamps()); }))
    return "The change times of the persons were not written: the name file stayed locked.";
  return problem;
}

}  // namespace vostrane
