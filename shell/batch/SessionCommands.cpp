// SPDX-License-Identifier: GPL-3.0-or-later
// The session sub-commands of vostrane-batch: calc, dump and new.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "names/NameTable.h"
#include "names/NameTableWriteBack.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "platform/TextTrim.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "common/ChartSettings.h"
#include "common/Calendar.h"
#include "common/ControlRecord.h"
#include "astro/FixedStars.h"
#include "session/SessionAppend.h"
#include "shell/batch/AspectJson.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/BirthFields.h"
#include "shell/batch/JsonWriter.h"
#include "shell/batch/PointsJson.h"

namespace vostrane::batch {
namespace {

int Usage(const char* text) {
  std::fprintf(stderr, "vostrane-batch: %s (see --help)\n", text);
  return 2;
}

}  // namespace

int RunCalc(const Args& args) {
  if (!args.empty()) return Usage("calc takes no arguments");
  OpenControlFile();
  // Persons taken from the name file get their calculated values back, as
  // in the program; without a name file there is nothing to update.
  const bool nameFileBroken = FileExists(kNamesFileName) && !OpenNamesTable();
  SilentProgress progress;
  NameTableWriteBack nameFile(NamesTable());
  const int failedDerived = CalculateSessionCharts(progress, nameFile);
  CloseNamesTable();
  if (ControlFileIsOpen()) CloseControlFile();
  // Every entry is calculated in INPUT.FIL all the same; a write-back that
  // was not made is a failure the caller must see.
  if (nameFileBroken) {
    std::fprintf(stderr,
                 "vostrane-batch: %s could not be opened; no calculated values were stored there\n",
                 kNamesFileName);
    return 1;
  }
  if (failedDerived > 0) {
    std::fprintf(stderr,
                 "vostrane-batch: %d derived chart%s could not be made and stay%s uncalculated\n",
                 failedDerived, failedDerived == 1 ? "" : "s", failedDerived == 1 ? "s" : "");
    return 1;
  }
  if (const int failed = nameFile.FailedWriteBacks(); failed > 0) {
    std::fprintf(stderr, "vostrane-batch: %d write-back%s to %s failed\n", failed,
                 failed == 1 ? "" : "s", kNamesFileName);
    return 1;
  }
  return 0;
}

int RunDump(const Args& args) {
  if (args.size() != 1) return Usage("dump takes one entry number");
  const auto n = ParseInt(args[0]);
  RecordFile file;
  if (!file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly)) {
    std::fprintf(stderr, "vostrane-batch: %s not found\n", kSessionFileName);
    return 1;
  }
  ChartEntry e;
  if (!n || *n < 1 || !file.Seek(*n) || !file.Read(e.Data()) || !e.used()) {
    std::fprintf(stderr, "vostrane-batch: there is no entry %s\n", args[0].c_str());
    return 1;
  }
  // The star orb is the control record's, when the folder has one.
  double orb = kDefaultStarOrb;
  if (FileExists(kControlFileName)) {
    OpenControlFile();
    orb = Control().fixedStarOrb();
    if (ControlFileIsOpen()) CloseControlFile();
  }
  std::string json = EntryToJson(e, {{"stars", FixedStarsJson(e, orb)}, {"parts", LotsJson(e)}});
  json.insert(json.size() - 1, AspectDumpMembers(e));
  std::printf("%s\n", json.c_str());
  return 0;
}

// new NAME MM/DD/YYYY HH:MM:SS LAT LON ZONE DST [PLACE [ZODIAC [HOUSESYS]]]
int RunNew(const Args& args) {
  if (args.size() < 7 || args.size() > 10) return Usage("new needs 7 to 10 arguments");
  BirthFields fields{args[1],
                     args[2],
                     args[3],
                     args[4],
                     args[5],
                     args[6],
                     args.size() > 8 ? args[8] : "",
                     args.size() > 9 ? args[9] : ""};
  // The fields are checked before any file is touched.
  ChartEntry probe;
  if (const auto wrong = ApplyBirthFields(fields, 'T', 1, probe)) return Usage(wrong->c_str());
  const std::string name = Utf8ToCp1252(args[0]);
  const std::string place = args.size() > 7 ? Utf8ToCp1252(args[7]) : "";
  if (Trim(name).empty() || name.size() > 25 || place.size() > 25)
    return Usage("the name holds 1 to 25 characters, not only blanks; the place up to 25");
  // A character without a Windows-1252 code would be stored as "?".
  if (Cp1252ToUtf8(name) != args[0] || (args.size() > 7 && Cp1252ToUtf8(place) != args[7]))
    return Usage("name and place take only Windows-1252 characters");

  OpenControlFile();
  const char zodiac = ZodiacOrDefault(Control().defaultZodiacLetter());
  if (ControlFileIsOpen()) CloseControlFile();

  SessionAppend session;
  std::string error;
  if (!session.Open(false, error)) return std::fprintf(stderr, "vostrane-batch: %s\n", error.c_str()), 1;
  const int64_t number = session.Count() + 1;

  ChartEntry entry;
  ApplyBirthFields(fields, zodiac, static_cast<int32_t>(number - 1), entry);
  entry.setName(name);
  entry.setPlace(place);
  SetBirthDatePrintouts(entry);

  if (!session.Add(entry))
    return std::fprintf(stderr, "vostrane-batch: cannot write %s\n", kSessionFileName), 1;
  std::printf("%lld\n", static_cast<long long>(number));
  return 0;
}

}  // namespace vostrane::batch
