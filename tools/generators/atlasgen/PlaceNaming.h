// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the atlas build that work on the records as a whole: names
// told apart, other names added, search keys given and the records put in
// their order.
#pragma once

#include <vector>

#include "tools/generators/atlasgen/AtlasBuilder.h"
#include "tools/generators/atlasgen/GeoNames.h"

namespace vostrane::atlasgen {

// Gives every record (records[i] is sources[i]) a name of its own: the
// plain "City, Region" to the most populous place that would show it, a
// qualifier for the others.
void NamePlaces(AtlasBuild& build, const std::vector<const GeoPlace*>& sources);

// Appends a record for each other name of the larger places, unless a
// place of that name lies in the same country.
void AddOtherNames(AtlasBuild& build, const std::vector<const GeoPlace*>& sources);

// Ranks the places of each folded city name by population, sets the search
// keys, sorts the records by them and points other names at their places.
void KeyAndSort(AtlasBuild& build);

// The coordinates as a qualifier: "41.4N 79.8W" with one decimal.
std::string CoordinateText(double latitude, double longitude, int decimals);

}  // namespace vostrane::atlasgen
