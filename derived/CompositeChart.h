// SPDX-License-Identifier: GPL-3.0-or-later
// A composite chart of two entries on the shorter-arc midpoints.
#pragma once

#include "session/ChartEntry.h"

namespace vostrane {

// Every body slot the midpoint of the two charts' longitudes (the mean of
// their latitudes, motions and declinations), the time scales their means,
// the place the mean latitude and the midpoint of the longitudes; the
// Midheaven the midpoint of the two, and the other angles and the cusps of
// the entry's house system from it at the mean latitude. A second chart in
// the other zodiac is brought into the first one's.
void CalcCompositeChart(ChartEntry& entry, const ChartEntry& a, const ChartEntry& b,
                        bool geocentricLatitude);

}  // namespace vostrane
