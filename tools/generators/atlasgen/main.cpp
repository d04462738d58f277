// SPDX-License-Identifier: GPL-3.0-or-later
// atlasgen: builds the atlas "places.dbf" (with its index) from the GeoNames
// dump of places of at least 1000 people, and the list of the time zones it
// uses, whose order numbers the daylight-time tables (tools/generators/dstgen).
//
//   atlasgen CITIES500.TXT REGIONS.TXT TZDATA.ZI ZONE.TAB ZONE1970.TAB OUT-FOLDER ZONE-LIST
#include <cstdio>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include "platform/FileSystem.h"
#include "tools/generators/atlasgen/AtlasBuilder.h"
#include "tools/generators/atlasgen/AtlasWriter.h"
#include "tools/generators/atlasgen/GeoNames.h"
#include "tools/generators/atlasgen/Regions.h"
#include "tools/generators/dstgen/TzSource.h"

using namespace vostrane;
using namespace vostrane::atlasgen;

namespace {

std::string ReadText(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) throw std::runtime_error("cannot read " + path);
  return *text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8) {
    std::fprintf(stderr,
                 "usage: atlasgen CITIES500.TXT REGIONS.TXT TZDATA.ZI ZONE.TAB ZONE1970.TAB OUT-FOLDER "
                 "ZONE-LIST\n");
    return 2;
  }
  try {
    int rejected = 0;
    const std::vector<GeoPlace> places = ParseGeoNames(ReadText(argv[1]), rejected);
    const Regions regions = ParseRegions(ReadText(argv[2]));
    const tz::Source source = tz::ParseSource(ReadText(argv[3]));
    const AtlasBuild build = BuildAtlas(places, regions, source, ParseZoneTab(ReadText(argv[4])),
                                        ParseZone1970Zones(ReadText(argv[5])));
    std::string newest = "2000-01-01";
    for (const GeoPlace& p : places) newest = std::max(newest, p.modified);

    WritePlacesTable(argv[6], PlacesDbfBytes(build.records, newest));
    std::string list = "# Daylight-time tables of the atlas: table k is the k-th zone below (tzdata " +
                       source.version + ").\n";
    for (const std::string& zone : build.zones) list += zone + "\n";
    if (!ReplaceFileContents(argv[7], list))
      throw std::runtime_error(std::string("cannot write ") + argv[7]);

    std::printf(
        "atlasgen: %zu places read (%d lines rejected); %zu records (%d of them other names), %zu "
        "zones; "
        "%d told apart from a larger place of the same name, %d names shortened; dropped: %d without a "
        "readable name, %d of unknown countries, %d without a zone; %d zones taken from the country; %d "
        "starred\n",
        places.size(), rejected, build.records.size(), build.otherNames, build.zones.size(),
        build.qualified, build.shortened, build.noName, build.unknownCountry, build.noZone,
        build.zoneFromCountry, build.starred);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "atlasgen: %s\n", e.what());
    return 1;
  }
}
