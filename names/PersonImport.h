// SPDX-License-Identifier: GPL-3.0-or-later
// Persons read from an exchange file (names/PersonExchange.h) brought into
// the name table: first a plan that says, per person, whether it is new,
// already on file with the same birth data (skipped), on file with other
// birth data (changed only when the user agrees), or a repeat of a name
// earlier in the same file (skipped); then the writes, each under the table
// lock. Nothing on file is ever removed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "names/PersonExchange.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

enum class ImportAction {
  Add,          // not on file
  SameOnFile,   // on file with the same birth data: skipped
  OtherOnFile,  // on file with other birth data: replaced only when agreed
  Repeated,     // its name came earlier in the file: skipped
};

struct ImportStep {
  ExchangePerson person;
  ImportAction action = ImportAction::Add;
};

// Whether two persons have the same name and birth data (the daylight
// table number and the chart settings, which the name file does not keep,
// are not compared).
bool SameBirthData(const BirthDataFields& a, const BirthDataFields& b);

std::vector<ImportStep> PlanImport(DbfTable& table, const std::vector<ExchangePerson>& persons);

struct ImportOutcome {
  int added = 0;
  int replaced = 0;
  int skipped = 0;                // same on file, repeated, or not agreed
  std::vector<std::string> busy;  // names not written: the table stayed locked
  std::string stampProblem;       // the change times could not be written
};

// Writes the plan: adds the new persons and, for each person on file with
// other birth data, asks `replace` (the person as the file has it) and
// updates the record only on true.
ImportOutcome ApplyImport(DbfTable& table, const std::vector<ImportStep>& plan,
                          const std::function<bool(const ExchangePerson&)>& replace);

// Every person of the table in name order, for an export.
std::vector<BirthDataFields> PersonsOnFile(DbfTable& table);

}  // namespace vostrane
