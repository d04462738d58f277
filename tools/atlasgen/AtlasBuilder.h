// From the GeoNames places to the records of "places.dbf" and the list of
// the time zones they use (the daylight-time table numbers).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/atlasgen/GeoNames.h"
#include "tools/atlasgen/Regions.h"
#include "tools/dstgen/TzSource.h"

namespace vostrane::atlasgen {

struct AtlasRecord {
  std::string name;  // "City, Region", at most 25 ASCII characters
  int latDeg = 0, latMin = 0, latSec = 0;
  char latNs = 'N';
  int longDeg = 0, longMin = 0, longSec = 0;
  char longEw = 'E';
  int dstPtr = 0;
  char highPopulation = 'N';  // 'Y' from 100,000 people on
  int elevation = 0;          // hundreds of metres, -9 to 99
  std::string countryState;   // three letters
  // Not stored; for the build's own use.
  std::string zone;
  int64_t population = 0;
  int64_t id = 0;
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
  std::vector<AtlasRecord> records;  // sorted by upper-cased name
  std::vector<std::string> zones;    // table k is zones[k - 1]
  // Counts for the report.
  int noName = 0;            // nothing readable left of the name
  int unknownCountry = 0;    // a country missing from the regions table
  int zoneFromCountry = 0;   // the zone taken from zone.tab (none or an unknown one given)
  int noZone = 0;            // no zone found at all
  int duplicates = 0;        // places whose name a larger place already has
  int starred = 0;           // records with a negative table number
};

// Builds the records. Places sharing a name (which the user could not tell
// apart, and of which only the first could be read) keep the most populous.
// Places whose zone is not one of zone1970.tab's get a negative table
// number: their history before 1970 comes from the time zone database's
// less certain "backzone" data.
AtlasBuild BuildAtlas(const std::vector<GeoPlace>& places, const Regions& regions, const tz::Source& tzSource,
                      const std::vector<ZonePoint>& zoneTab, const std::set<std::string>& zones1970);

// Degrees to whole degrees, minutes and seconds (rounded to the second).
void ToDms(double degrees, int& deg, int& min, int& sec);

}  // namespace vostrane::atlasgen
