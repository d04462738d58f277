// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonChart.h"

#include "entry/BirthDataFields.h"
#include "session/SessionAppend.h"
#include "session/SessionFile.h"

namespace vostrane {

ChartEntry ChartOfPerson(const BirthDataFields& person, char zodiac, int64_t number) {
  ChartEntry entry;
  entry.InitNewEntry(zodiac, static_cast<int32_t>(number - 1));
  CopyFieldsIntoEntry(person, entry);
  SetBirthDatePrintouts(entry);
  return entry;
}

int64_t AppendChartOfPerson(const BirthDataFields& person, char zodiac, std::string& error) {
  SessionAppend session;
  if (!session.Open(false, error)) return 0;
  const int64_t number = session.Count() + 1;
  if (session.Add(ChartOfPerson(person, zodiac, number))) return number;
  error = std::string("Cannot write ") + kSessionFileName + ". Disk may be full.";
  return 0;
}

}  // namespace vostrane
