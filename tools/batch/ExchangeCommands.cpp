// import FILE [--replace] and export FILE: persons of names.dbf exchanged as
// AAF (a file ending in .aaf) or CSV (any other name).
#include <cstdio>
#include <fstream>

#include "names/NameTable.h"
#include "names/PersonImport.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/TextTrim.h"
#include "tools/batch/BatchCommands.h"

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

}  // namespace

int RunImport(const Args& args) {
  if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--replace")) {
    std::fprintf(stderr, "usage: vostrane-batch import FILE [--replace]\n");
    return 2;
  }
  const std::string& path = args[0];
  const bool replace = args.size() == 2;
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
  std::printf("%d added, %d replaced, %d skipped, %zu unreadable line(s)\n", outcome.added,
              outcome.replaced, outcome.skipped, reading.faults.size());
  return reading.faults.empty() && outcome.busy.empty() ? 0 : 1;
}

int RunExport(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vostrane-batch export FILE\n");
    return 2;
  }
  if (!OpenNamesTable()) return 1;
  const std::vector<BirthDataFields> persons = PersonsOnFile(NamesTable());
  CloseNamesTable();
  if (!ReplaceFileContents(args[0], WriteExchange(persons, ExchangeFormatOfFile(args[0])))) {
    std::fprintf(stderr, "vostrane-batch: cannot write %s; an older file is kept\n", args[0].c_str());
    return 1;
  }
  std::printf("%zu person(s) written to %s\n", persons.size(), args[0].c_str());
  return 0;
}

}  // namespace vostrane::batch
