// SPDX-License-Identifier: GPL-3.0-or-later
// The regions that complete the atlas names (tools/generators/atlasgen/regions.txt):
// countries with their ISO alpha-3 code, full and short name; the states of
// the United States with a three-letter code; the provinces of Canada with
// their postal abbreviation.
#pragma once

#include <map>
#include <string>

namespace vostrane::atlasgen {

struct Country {
  std::string alpha3;
  std::string name;
  std::string shortName;
};

struct State {
  std::string code3;   // e.g. "PEN"
  std::string postal;  // e.g. "PA"
};

struct Regions {
  std::map<std::string, Country> countries;              // by alpha-2 code
  std::map<std::string, State> usStates;                 // by GeoNames admin1 code ("PA")
  std::map<std::string, std::string> canadianProvinces;  // admin1 code ("08") -> "ON"
};

// Throws std::runtime_error naming the line of a malformed entry.
Regions ParseRegions(const std::string& text);

}  // namespace vostrane::atlasgen
