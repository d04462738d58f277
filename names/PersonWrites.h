// Appending, updating and removing a person in the name table, each under
// the table lock (TableLock.h). These routines show no messages: they tell
// what happened, and the name file's callers show the texts.
#pragma once

#include <cstdint>
#include <string>

#include "entry/BirthDataFields.h"
#include "tablestore/TTzDbf.h"

namespace vostrane {

enum class PersonWrite {
  Written,   // the record was written (or removed)
  OnFile,    // append: a person of this name is already on file; nothing written
  NotFound,  // remove: no person of this name; nothing removed
  Busy,      // no attempt got the table lock; nothing written
};

struct PersonWriteResult {
  PersonWrite outcome = PersonWrite::Busy;
  uint32_t record = 0;  // the record written
};

// Appends a new record for the form (which must pass CheckPersonFields)
// when its name is not on file; the check is made again under the lock.
PersonWriteResult AppendPerson(TTzDbf& table, const BirthDataFields& fields);

// Updates the person of a linked entry from the form. The record of the
// form's name is updated in place. When the name is not on file, the entry's
// person was renamed: its record `linkedRecord` (0 when the entry has none)
// is deleted and a new record is appended. Records are never found by
// position alone, so a name that is not on file can never overwrite
// another person.
PersonWriteResult UpdatePerson(TTzDbf& table, const BirthDataFields& fields, uint32_t linkedRecord);

// Marks the record of the name deleted.
PersonWriteResult RemovePerson(TTzDbf& table, const std::string& name);

}  // namespace vostrane
