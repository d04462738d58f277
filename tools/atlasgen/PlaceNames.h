// The names of the atlas: "City, Region" in at most 25 plain ASCII
// characters, so that every name can be typed in the place field (which
// takes no characters above 127).
#pragma once

#include <string>

#include "tools/atlasgen/GeoNames.h"
#include "tools/atlasgen/Regions.h"

namespace vostrane::atlasgen {

inline constexpr size_t kAtlasNameWidth = 25;

// A UTF-8 text in plain ASCII: accented Latin letters lose their accents,
// dashes and quotes become their ASCII forms, anything else is dropped.
std::string ToAscii(const std::string& utf8);

// The city part of a place's name: the ASCII name (or the name made ASCII
// when there is none), cut at its first comma, blanks tidied. Empty when
// nothing readable is left.
std::string CityName(const GeoPlace& place);

// "City, Region": the region is the state or province abbreviation in the
// United States and Canada ("Erie, PA"), elsewhere the country's name, or
// its short name when the full one does not fit ("Stoke-on-Trent, UK").
// When even that is too long the city is cut.
std::string AtlasName(const std::string& city, const std::string& region, const std::string& shortRegion);

// The region texts and the three-letter code of a place; false when its
// country is not in the table.
struct PlaceRegion {
  std::string region;
  std::string shortRegion;
  std::string countryState;
};
bool RegionOf(const GeoPlace& place, const Regions& regions, PlaceRegion& out);

}  // namespace vostrane::atlasgen
