// SPDX-License-Identifier: GPL-3.0-or-later
// dstgen: builds the daylight-time tables "DSTRECS.DAT" and "DST.FIL" from
// the IANA time zone database source "tzdata.zi", one table per zone of the
// zone list that the atlas generator writes (table k is the k-th zone of
// the list). Each file is written to a temporary file and renamed, so a
// failure leaves the previous files in place. With a fifth argument the
// release of the database ("2025b", the "# version" line of tzdata.zi) is
// written to that file, so the program can name it.
// Nothing is approximated: the tables carry the database's offsets and
// change times as they stand, through 2055 (the last year a record holds),
// with each zone's rules of the release applied to the years ahead as the
// database applies them. The tests GeneratedAtlas.* check them against the
// system's compiled zone files: random places from 1900 on, and every table
// at random moments from 1970 to 2055.
//
//   dstgen TZDATA.ZI ZONE-LIST DSTRECS.DAT DST.FIL [DSTVER.DAT]
//   dstgen TZDATA.ZI --dump ZONE        (the zone's table, readable)
#include <cstdio>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "atlas/DstChangeRecord.h"
#include "atlas/DstTablesRelease.h"
#include "common/NumberedLines.h"
#include "platform/FileSystem.h"
#include "tools/generators/dstgen/DstChains.h"
#include "tools/generators/dstgen/TzSource.h"
#include "tools/generators/dstgen/ZoneHistory.h"

using namespace vostrane;

namespace {

std::string ReadText(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

std::vector<std::string> ReadZoneList(const std::string& path) {
  std::istringstream in(ReadText(path));
  std::vector<std::string> zones;
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines, '#');
  for (NumberedLine line; lines.Next(line);) zones.push_back(line.text);
  return zones;
}

void Dump(const tz::Source& source, const std::string& zone) {
  const std::optional<std::string> resolved = source.Resolve(zone);
  if (!resolved) throw std::runtime_error("unknown zone " + zone);
  for (const DstChangeRecord& r :
       tz::TableChain(tz::ZoneHistory(source, *resolved, kDstLastYear), kDstLastYear)) {
    const ZoneTexts z = ZoneTextsOf(r.zoneHours, r.zoneMinutes);
    std::printf("%04d-%02d-%02d %02d:%02d  %c  %2s:%02d %c\n", r.year + kDstBaseYear, r.month, r.day,
                r.hour, r.minute, kDaylightCodeLetters[r.code], z.hours.c_str(), std::stoi(z.minutes),
                z.eastWest);
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::string(argv[2]) == "--dump") {
      Dump(tz::ParseSource(ReadText(argv[1])), argv[3]);
      return 0;
    }
    if (argc != 5 && argc != 6) {
      std::fprintf(stderr, "usage: dstgen TZDATA.ZI ZONE-LIST DSTRECS.DAT DST.FIL [DSTVER.DAT]\n");
      return 2;
    }
    const tz::Source source = tz::ParseSource(ReadText(argv[1]));
    const std::vector<std::string> zones = ReadZoneList(argv[2]);
    tz::DstFileBuilder builder;
    std::vector<uint16_t> firstRecords;
    size_t logicalRecords = 0;
    for (const std::string& zone : zones) {
      const std::optional<std::string> resolved = source.Resolve(zone);
      if (!resolved) throw std::runtime_error("zone " + zone + " is not in " + argv[1]);
      const std::vector<DstChangeRecord> chain = tz::TableChain(
          tz::ZoneHistory(source, *resolved, kDstLastYear), kDstLastYear);
      logicalRecords += chain.size();
      firstRecords.push_back(builder.Add(chain));
    }
    const std::string index = tz::IndexFileBytes(firstRecords);
    const std::string changes = builder.FileBytes();
    if (!ReplaceFileContents(argv[4], changes))
      throw std::runtime_error(std::string("cannot write ") + argv[4]);
    if (!ReplaceFileContents(argv[3], index))
      throw std::runtime_error(std::string("cannot write ") + argv[3]);
    if (argc == 6) {
      if (!ParseDstRelease(source.version))
        throw std::runtime_error(std::string(argv[1]) + " names no release in its \"# version\" line");
      if (!ReplaceFileContents(argv[5], source.version + "\n"))
        throw std::runtime_error(std::string("cannot write ") + argv[5]);
    }
    std::printf("dstgen: tzdata %s, %zu tables, %zu records (%zu before sharing, %d links), %zu bytes\n",
                source.version.c_str(), zones.size(), builder.Records().size(), logicalRecords,
                builder.LinkCount(), changes.size());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dstgen: %s\n", e.what());
    return 1;
  }
}
