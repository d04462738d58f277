#include "names/PersonWrites.h"

#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/TableLock.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

// Appends the form as a new record; the cursor must have been placed (the
// record buffer read) before, since the append carries the fields set since.
uint32_t AppendRecord(TTzDbf& table, const BirthDataFields& fields) {
  PutBirthData(table, fields);
  PutNewRecordCodes(table);
  table.AppendRec();
  if (table.Deleted()) table.RecallRec();
  return table.RecNo();
}

}  // namespace

PersonWriteResult AppendPerson(TTzDbf& table, const BirthDataFields& fields) {
  const std::string name = Trim(fields.name);
  if (NameIsOnFile(table, name)) return {PersonWrite::OnFile, table.RecNo()};
  PersonWriteResult result;
  const bool locked = WriteUnderLock(table, [&] {
    // Another program may have saved the name since.
    if (NameIsOnFile(table, name)) {
      result = {PersonWrite::OnFile, table.RecNo()};
      return;
    }
    result = {PersonWrite::Written, AppendRecord(table, fields)};
  });
  return locked ? result : PersonWriteResult{PersonWrite::Busy, 0};
}

PersonWriteResult UpdatePerson(TTzDbf& table, const BirthDataFields& fields,
                               const std::string& linkedName, bool replaceOther) {
  const std::string name = Trim(fields.name);
  const std::string oldName = Trim(linkedName).empty() ? name : Trim(linkedName);
  const bool renamed = NameKey(oldName) != NameKey(name);
  PersonWriteResult result;
  const bool locked = WriteUnderLock(table, [&] {
    if (NameIsOnFile(table, name)) {
      if (renamed && !replaceOther) {
        result = {PersonWrite::OtherPerson, table.RecNo()};
        return;
      }
      PutBirthData(table, fields);
      table.ReplaceRec();
      if (table.Deleted()) table.RecallRec();
      result = {PersonWrite::Written, table.RecNo()};
    } else {
      result = {PersonWrite::Written, 0};
    }
    // A renamed person's old record goes, found by its own name.
    if (renamed && NameIsOnFile(table, oldName)) table.DeleteRec();
    if (result.record == 0) result.record = AppendRecord(table, fields);
  });
  return locked ? result : PersonWriteResult{PersonWrite::Busy, 0};
}

PersonWriteResult RemovePerson(TTzDbf& table, const std::string& name) {
  PersonWriteResult result{PersonWrite::NotFound, 0};
  const bool locked = WriteUnderLock(table, [&] {
    if (!NameIsOnFile(table, name)) return;
    table.DeleteRec();
    result = {PersonWrite::Written, table.RecNo()};
  });
  return locked ? result : PersonWriteResult{PersonWrite::Busy, 0};
}

}  // namespace vostrane
