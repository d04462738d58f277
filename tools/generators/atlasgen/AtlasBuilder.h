// SPDX-License-Identifier: GPL-3.0-or-later
// From the GeoNames places to the records of "places.dbf" and the list of
// the time zones they use (the daylight-time table numbers).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/generators/atlasgen/GeoNames.h"
#include "tools/generators/atlasgen/Regions.h"
#include "tools/generators/dstgen/TzSource.h"

namespace vostrane::atlasgen {

struct AtlasRecord {
  std::string name;  // "City, Region", at most 25 Windows-1252 characters; another name: the name alone
  int latDeg = 0, latMin = 0, latSec = 0;
  char latNs = 'N';
  int longDeg = 0, longMin = 0, longSec = 0;
  char longEw = 'E';
  int dstPtr = 0;
  char highPopulation = 'N';  // 'Y' from 100,000 people on
  int elevation = 0;          // hundreds of metres, -9 to 99
  std::string countryState;   // three letters
  std::string searchKey;      // atlas/PlaceSearchKey.h
  uint32_t seeRecord = 0;     // another name: the record (from 1) of its place
  // Not stored; for the build's own use.
  std::string zone;
  int64_t population = 0;
  int64_t id = 0;
  std::string city;    // the whole city name, before any shortening
  std::string region;  // as shown after the comma
  int target = -1;     // another name: the index of its place while building
};

// A zone reference point of the time zone database's zone.tab.
struct ZonePoint {
  std::string country;  // alpha-2
  double latitude = 0, longitude = 0;
  std::string zone;
};
// The lines of zone.tab ("CC +DDMM+DDDMM Zone" or with seconds).
std::vector<ZonePoint> ParseZoneTab(const std::string& text);
// The zones named in zone1970.tab.
std::set<std::string> ParseZone1970Zones(const std::string& text);

struct AtlasBuild {
  std::vector<AtlasRecord> records;  // sorted by search key
  std::vector<std::string> zones;    // table k is zones[k - 1]
  // Counts for the report.
  int noName = 0;           // nothing readable left of the name
  int unknownCountry = 0;   // a country missing from the regions table
  int zoneFromCountry = 0;  // the zone taken from zone.tab (none or an unknown one given)
  int noZone = 0;           // no zone found at all
  int qualified = 0;        // places told apart from a larger one of the same name
  int shortened = 0;        // names shortened to fit
  int otherNames = 0;       // records of other names
  int starred = 0;          // records with a negative table number
};

// Builds the records: every place with a readable name, a known country
// and a zone. Of the places that would show the same name the most
// populous keeps it; the others are told apart within the name by the
// nearest larger place ("Franklin (Oil City), PA"), else by their
// coordinates, else by a number. The larger places also get a record for
// each of their other names. Places whose zone is not one of zone1970.tab's get a negative table
// number: their history before 1970 comes from the time zone database's
// less certain "backzone" data.
AtlasBuild BuildAtlas(const std::vector<GeoPlace>& places, const Regions& regions,
                      const tz::Source& tzSource, const std::vector<ZonePoint>& zoneTab,
                      const std::set<std::string>& zones1970);

// Degrees to whole degrees, minutes and seconds (rounded to the second).
void ToDms(double degrees, int& deg, int& min, int& sec);

}  // namespace vostrane::atlasgen
