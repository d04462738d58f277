// SPDX-License-Identifier: GPL-3.0-or-later
// The note a page adds to the house system's name when the chart's cusps
// are not the system's own: inside the polar circles a quadrant system can
// have no cusps in order, and the calculation then trisects the quadrants
// between cusp 1 and cusp 4 (Porphyry) instead.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane {

// Whether the entry's cusps 2, 3, 5 and 6 are the Porphyry trisection of
// its cusps 1 and 4 although its system is another that may fall back to it.
bool CuspsFellBackToPorphyry(const ChartEntry& e);

// " (Porphyry at this latitude)" when they are, else empty.
std::string HouseSystemNote(const ChartEntry& e);

}  // namespace vostrane
