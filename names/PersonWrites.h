// SPDX-License-Identifier: GPL-3.0-or-later
// Appending, updating and removing a person in the name table, each under
// the table lock (TableLock.h). These routines show no messages: they tell
// what happened, and the name file's callers show the texts. Each write
// stamps its record's change time (ChangeTimes.h) under the same lock; a
// caller that writes many persons at once passes `stamps` instead, which
// collects the records, and stamps them once with StampCollected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entry/BirthDataFields.h"
#include "names/ChangeTimes.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

enum class PersonWrite {
  Written,      // the record was written (or removed)
  OnFile,       // append: a person of this name is already on file; nothing written
  NotFound,     // remove: no person of this name; nothing removed
  OtherPerson,  // update: the new name is another saved person's; nothing written
  Busy,         // no attempt got the table lock; nothing written
};

struct PersonWriteResult {
  PersonWrite outcome = PersonWrite::Busy;
  uint32_t record = 0;  // the record written
  // What went wrong with the change time's side file ("": nothing); the
  // record itself was written.
  std::string stampProblem;
};

// Appends a new record for the form (which must pass CheckPersonFields)
// when its name is not on file; the check is made again under the lock.
PersonWriteResult AppendPerson(DbfTable& table, const BirthDataFields& fields,
                               std::vector<RecordWritten>* stamps = nullptr);

// Updates the person a linked entry holds the link to, `linkedName`, from
// the form; records are found by name under the lock, never by a remembered
// position. With the same name the record is updated in place (appended
// anew when another program removed it). With another name the person was
// renamed: when the new name is not on file, the record of `linkedName` is
// deleted and the form appended; when the new name belongs to another saved
// person, nothing is written (OtherPerson) unless `replaceOther`, which
// updates that person from the form and deletes the record of `linkedName`.
// An empty `linkedName` counts as the form's name.
PersonWriteResult UpdatePerson(DbfTable& table, const BirthDataFields& fields,
                               const std::string& linkedName, bool replaceOther = false,
                               std::vector<RecordWritten>* stamps = nullptr);

// Marks the record of the name deleted.
PersonWriteResult RemovePerson(DbfTable& table, const std::string& name);

// Brings back the deleted record `record` unless a person of its name has
// been saved since (OtherPerson) or the record is no longer a deleted one
// (NotFound).
PersonWriteResult UndeletePerson(DbfTable& table, uint32_t record);

// Stamps the records collected by writes given `stamps`, under the table
// lock; returns "" or what went wrong (also a table that stayed locked).
std::string StampCollected(DbfTable& table, const std::vector<RecordWritten>& stamps);

}  // namespace vostrane
