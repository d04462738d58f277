// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/AtlasBuilder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <unordered_map>

#include "common/NumberedLines.h"
#include "tablestore/AnsiUpper.h"
#include "tools/generators/atlasgen/NearbyPlaces.h"
#include "tools/generators/atlasgen/PlaceNames.h"
#include "tools/generators/atlasgen/PlaceNaming.h"

namespace vostrane::atlasgen {
namespace {

constexpr int64_t kHighPopulation = 100000;

// "+DDMM" / "+DDMMSS" (latitude) or "+DDDMM" / "+DDDMMSS" (longitude).
double Iso6709Part(const std::string& s, int degreeDigits) {
  const double sign = s[0] == '-' ? -1 : 1;
  const int deg = std::stoi(s.substr(1, static_cast<size_t>(degreeDigits)));
  const int min = std::stoi(s.substr(1 + static_cast<size_t>(degreeDigits), 2));
  const int sec = s.size() > static_cast<size_t>(3 + degreeDigits)
                      ? std::stoi(s.substr(3 + static_cast<size_t>(degreeDigits), 2))
                      : 0;
  return sign * (deg + min / 60.0 + sec / 3600.0);
}

// The zone of the nearest zone.tab reference point of the place's country.
std::string NearestZone(const GeoPlace& p, const std::vector<ZonePoint>& zoneTab) {
  std::string best;
  double bestKm = std::numeric_limits<double>::max();
  for (const ZonePoint& z : zoneTab) {
    if (z.country != p.country) continue;
    const double km = DistanceKm(p.latitude, p.longitude, z.latitude, z.longitude);
    if (km < bestKm) {
      bestKm = km;
      best = z.zone;
    }
  }
  return best;
}

int ElevationHundreds(const GeoPlace& p) {
  if (!p.hasElevation) return 0;
  const int h = static_cast<int>(std::lround(p.elevation / 100.0));
  return std::clamp(h, -9, 99);
}

}  // namespace

std::vector<ZonePoint> ParseZoneTab(const std::string& text) {
  std::vector<ZonePoint> points;
  std::istringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines, '#');
  for (NumberedLine line; lines.Next(line);) {
    std::istringstream f(line.text);
    std::string cc, coords, zone;
    if (!(f >> cc >> coords >> zone)) continue;
    const size_t split = coords.find_first_of("+-", 1);
    if (split == std::string::npos) continue;
    const std::string lat = coords.substr(0, split), lon = coords.substr(split);
    points.push_back({cc, Iso6709Part(lat, 2), Iso6709Part(lon, 3), zone});
  }
  return points;
}

std::set<std::string> ParseZone1970Zones(const std::string& text) {
  std::set<std::string> zones;
  std::istringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines, '#');
  for (NumberedLine line; lines.Next(line);) {
    std::istringstream f(line.text);
    std::string codes, coords, zone;
    if (f >> codes >> coords >> zone) zones.insert(zone);
  }
  return zones;
}

void ToDms(double degrees, int& deg, int& min, int& sec) {
  const int64_t total = std::llround(std::fabs(degrees) * 3600);
  deg = static_cast<int>(total / 3600);
  min = static_cast<int>(total / 60 % 60);
  sec = static_cast<int>(total % 60);
}

AtlasBuild BuildAtlas(const std::vector<GeoPlace>& places, const Regions& regions,
                      const tz::Source& tzSource, const std::vector<ZonePoint>& zoneTab,
                      const std::set<std::string>& zones1970) {
  AtlasBuild build;
  std::vector<const GeoPlace*> sources;
  for (const GeoPlace& p : places) {
    const std::string city = CityName(p);
    if (city.empty()) {
      ++build.noName;
      continue;
    }
    PlaceRegion region;
    if (!RegionOf(p, regions, region)) {
      ++build.unknownCountry;
      continue;
    }
    std::optional<std::string> zone = tzSource.Resolve(p.timezone);
    if (!zone) {
      zone = tzSource.Resolve(NearestZone(p, zoneTab));
      if (!zone) {
        ++build.noZone;
        continue;
      }
      ++build.zoneFromCountry;
    }

    AtlasRecord r;
    ToDms(p.latitude, r.latDeg, r.latMin, r.latSec);
    r.latNs = p.latitude < 0 ? 'S' : 'N';
    ToDms(p.longitude, r.longDeg, r.longMin, r.longSec);
    r.longEw = p.longitude < 0 ? 'W' : 'E';
    r.highPopulation = p.population >= kHighPopulation ? 'Y' : 'N';
    r.elevation = ElevationHundreds(p);
    r.countryState = region.countryState;
    r.zone = *zone;
    r.population = p.population;
    r.id = p.id;
    r.city = city;
    r.region = region.region;
    build.records.push_back(std::move(r));
    sources.push_back(&p);
  }
  NamePlaces(build, sources);
  AddOtherNames(build, sources);
  KeyAndSort(build);

  std::set<std::string> used;
  for (const AtlasRecord& r : build.records) used.insert(r.zone);
  build.zones.assign(used.begin(), used.end());
  std::unordered_map<std::string, int> number;
  for (size_t k = 0; k < build.zones.size(); ++k) number[build.zones[k]] = static_cast<int>(k + 1);
  for (AtlasRecord& r : build.records) {
    r.dstPtr = number[r.zone];
    if (!zones1970.count(r.zone)) {
      r.dstPtr = -r.dstPtr;
      ++build.starred;
    }
  }
  return build;
}

}  // namespace vostrane::atlasgen
