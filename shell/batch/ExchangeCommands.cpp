// SPDX-License-Identifier: GPL-3.0-or-later
// import FILE [--replace] and export FILE: persons of names.dbf exchanged as
// AAF (a file ending in .aaf) or CSV (any other name); with --list the natal
// charts of the list INPUT.FIL instead.
#include <cstdio>
#include <fstream>

#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "entry/BirthDataFields.h"
#include "names/NameTable.h"
#include "names/PersonChart.h"
#include "names/PersonImport.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/TextTrim.h"
#include "session/SessionFile.h"
#include "shell/batch/BatchCommands.h"

namespace vostrane::batch {
namespace {

const char* ActionText(ImportAction action) {
  switch (action) {
    case ImportAction::Add: return "add";
    case ImportAction::SameOnFile: return "skip (on file with the same birth data)";
    case ImportAction::OtherOnFile: return "keep (on file with other birth data)";
    case ImportAction::Repeated: return "skip (name repeated in the file)";
  }
  return "";
}

// The natal charts of the list, as the form's fields.
std::vector<BirthDataFields> ChartsOfList() {
  std::vector<BirthDataFields> charts;
  RecordFile file;
  if (!file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly)) return charts;
  ChartEntry entry;
  for (int64_t n = 1; file.Seek(n) && file.Read(entry.Data()) && entry.used(); ++n)
    if (entry.chartType() == 0) charts.push_back(FieldsFromEntry(entry));
  return charts;
}

// Appends the persons to the list as natal charts; one already in the list
// with the same birth data is skipped.
int ImportIntoList(const ExchangeReading& reading) {
  std::vector<BirthDataFields> listed = ChartsOfList();
  OpenControlFile();
  const char zodiac = ZodiacOrDefault(Control().defaultZodiacLetter());
  if (ControlFileIsOpen()) CloseControlFile();
  int added = 0, skipped = 0;
  for (const ExchangePerson& person : reading.persons) {
    bool known = false;
    for (const BirthDataFields& chart : listed) known = known || SameBirthData(chart, person.fields);
    std::printf("%s: %s\n", Cp1252ToUtf8(Trim(person.fields.name)).c_str(),
                known ? "skip (in the list with the same birth data)" : "add");
    if (known) {
      ++skipped;
      continue;
    }
    std::string error;
    if (AppendChartOfPerson(person.fields, zodiac, error) == 0)
      return std::fprintf(stderr, "vostrane-batch: %s\n", error.c_str()), 1;
    listed.push_back(person.fields);
    ++added;
  }
  std::printf("%d added, %d skipped, %zu unreadable line(s)\n", added, skipped, reading.faults.size());
  return reading.faults.empty() ? 0 : 1;
}

}  // namespace

int RunImport(const Args& args) {
  const bool toList = args.size() == 2 && args[1] == "--list";
  const bool replace = args.size() == 2 && args[1] == "--replace";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !toList && !replace)) {
    std::fprintf(stderr, "usage: vostrane-batch import FILE [--replace | --list]\n");
    return 2;
  }
  const std::string& path = args[0];
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "vostrane-batch: cannot read %s\n", path.c_str());
    return 1;
  }
  const ExchangeReading reading = ReadExchange(in, ExchangeFormatOfFile(path));
  for (const ExchangeFault& fault : reading.faults)
    std::fprintf(stderr, "%s:%d: %s; line skipped\n", path.c_str(), fault.line, fault.reason.c_str());
  for (const std::string& character : reading.transliterated)
    std::fprintf(
        stderr, "vostrane-batch: \"%s\" is not in the name file's code page: written as \"%s\"\n",
        character.c_str(), Cp1252ToUtf8(Utf8ToCp1252Transliterated(character, nullptr)).c_str());
  if (toList) return ImportIntoList(reading);
  if (!OpenNamesTable()) return 1;
  const std::vector<ImportStep> plan = PlanImport(NamesTable(), reading.persons);
  for (const ImportStep& step : plan) {
    const bool replacing = replace && step.action == ImportAction::OtherOnFile;
    std::printf("%s: %s\n", Cp1252ToUtf8(Trim(step.person.fields.name)).c_str(),
                replacing ? "replace" : ActionText(step.action));
  }
  const ImportOutcome outcome = ApplyImport(NamesTable(), plan,
                                            [replace](const ExchangePerson&) { return replace; });
  CloseNamesTable();
  for (const std::string& name : outcome.busy)
    std::fprintf(stderr, "vostrane-batch: %s not written: names.dbf stayed locked\n",
                 Cp1252ToUtf8(name).c_str());
  if (!outcome.stampProblem.empty())
    std::fprintf(stderr, "vostrane-batch: %s\n", Cp1252ToUtf8(outcome.stampProblem).c_str());
  std::printf("%d added, %d replaced, %d skipped, %zu unreadable line(s)\n", outcome.added,
              outcome.replaced, outcome.skipped, reading.faults.size());
  return reading.faults.empty() && outcome.busy.empty() ? 0 : 1;
}

int RunExport(const Args& args) {
  const bool fromList = args.size() == 2 && args[1] == "--list";
  if (args.size() != 1 && !fromList) {
    std::fprintf(stderr, "usage: vostrane-batch export FILE [--list]\n");
    return 2;
  }
  std::vector<BirthDataFields> persons;
  if (fromList) {
    persons = ChartsOfList();
  } else {
    if (!OpenNamesTable()) return 1;
    persons = PersonsOnFile(NamesTable());
    CloseNamesTable();
  }
  if (!ReplaceFileContents(args[0], WriteExchange(persons, ExchangeFormatOfFile(args[0])))) {
    std::fprintf(stderr, "vostrane-batch: cannot write %s; an older file is kept\n", args[0].c_str());
    return 1;
  }
  std::printf("%zu %s written to %s\n", persons.size(), fromList ? "chart(s)" : "person(s)",
              args[0].c_str());
  return 0;
}

}  // namespace vostrane::batch
