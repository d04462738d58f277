// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonImport.h"

#include <set>

#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "platform/TextTrim.h"

namespace vostrane {
bool SameBirthData(const BirthDataFields& a, const BirthDataFields& b) {
  return Trim(a.name) == Trim(b.name) && a.date == b.date && a.time == b.time &&
         Trim(a.place) == Trim(b.place) && a.latitude == b.latitude && a.longitude == b.longitude &&
         Trim(a.zoneHours) == Trim(b.zoneHours) && a.zoneMinutes == b.zoneMinutes &&
         a.zoneEastWest == b.zoneEastWest && a.daylight == b.daylight;
}

std::vector<ImportStep> PlanImport(DbfTable& table, const std::vector<ExchangePerson>& persons) {
  std::vector<ImportStep> plan;
  std::set<std::string> seen;
  for (const ExchangePerson& person : persons) {
    ImportStep step{person, ImportAction::Add};
    if (!seen.insert(NameKey(person.fields.name)).second) step.action = ImportAction::Repeated;
    else if (NameIsOnFile(table, person.fields.name))
      step.action = SameBirthData(ReadBirthData(table), person.fields) ? ImportAction::SameOnFile
                                                                       : ImportAction::OtherOnFile;
    plan.push_back(step);
  }
  return plan;
}

ImportOutcome ApplyImport(DbfTable& table, const std::vector<ImportStep>& plan,
                          const std::function<bool(const ExchangePerson&)>& replace) {
  ImportOutcome outcome;
  // The change times are stamped once at the end, not with every person.
  std::vector<RecordWritten> stamps;
  for (const ImportStep& step : plan) {
    const BirthDataFields& fields = step.person.fields;
    PersonWriteResult result;
    if (step.action == ImportAction::Add) {
      result = AppendPerson(table, fields, &stamps);
      if (result.outcome == PersonWrite::Written) ++outcome.added;
    } else if (step.action == ImportAction::OtherOnFile && replace(step.person)) {
      result = UpdatePerson(table, fields, fields.name, false, &stamps);
      if (result.outcome == PersonWrite::Written) ++outcome.replaced;
    } else {
      ++outcome.skipped;
      continue;
    }
    if (result.outcome == PersonWrite::Busy) outcome.busy.push_back(Trim(fields.name));
    // Saved by another program since the plan was made: left as it is.
    if (result.outcome == PersonWrite::OnFile) ++outcome.skipped;
  }
  outcome.stampProblem = StampCollected(table, stamps);
  return outcome;
}

std::vector<BirthDataFields> PersonsOnFile(DbfTable& table) {
  std::vector<BirthDataFields> persons;
  if (!table.IsOpen()) return persons;
  table.SetIndexOrder(kNameOrder);
  for (table.First(); !table.AtEnd(); table.Skip(1)) {
    if (!table.Deleted()) persons.push_back(ReadBirthData(table));
  }
  return persons;
}

}  // namespace vostrane
