// SPDX-License-Identifier: GPL-3.0-or-later
// The GeoNames table of populated places ("cities500.txt": every place of
// at least 500 people), one tab-separated line per place with the fields
// geonameid, name, asciiname, alternatenames, latitude, longitude, feature
// class, feature code, country code, cc2, admin1 code, admin2 code, admin3
// code, admin4 code, population, elevation, dem, timezone, modification
// date.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vostrane::atlasgen {

struct GeoPlace {
  int64_t id = 0;
  std::string name;                         // UTF-8
  std::string asciiName;                    // the name in plain ASCII (mostly)
  std::vector<std::string> alternateNames;  // UTF-8, in every language and script
  double latitude = 0;                      // north positive
  double longitude = 0;                     // east positive
  std::string country;                      // ISO 3166 alpha-2
  std::string admin1;                       // first-level division code
  int64_t population = 0;
  bool hasElevation = false;
  int elevation = 0;  // metres: the surveyed elevation, else the terrain model's
  std::string timezone;
  std::string modified;  // YYYY-MM-DD
};

// Parses the dump. Lines that cannot be read are counted in `rejected`.
std::vector<GeoPlace> ParseGeoNames(const std::string& text, int& rejected);

}  // namespace vostrane::atlasgen
