// SPDX-License-Identifier: GPL-3.0-or-later
// Other names of the larger places, from the alternate names of the
// GeoNames table: the English and older names that users type ("Calcutta",
// "Peking", "Cologne") and the local ones ("München"). The table does not
// say which language a name belongs to, so a name is taken when it reads as
// a name in a Latin alphabet that Windows-1252 writes without loss.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/generators/atlasgen/GeoNames.h"

namespace vostrane::atlasgen {

inline constexpr int64_t kOtherNamesMinimumPopulation = 100000;
inline constexpr size_t kOtherNameWidth = 20;

// The other names of a place (Windows-1252), none folding like the city or
// like each other; none for places of fewer than 100,000 people.
std::vector<std::string> OtherNamesOf(const GeoPlace& place, const std::string& city);

}  // namespace vostrane::atlasgen
