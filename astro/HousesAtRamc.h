// SPDX-License-Identifier: GPL-3.0-or-later
// Angles and cusps for a meridian that is not the one of the chart's own
// moment and place: the progressed meridian of a progressed chart, the
// composite Midheaven of a composite chart.
#pragma once

#include "common/AyanamsaNames.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

struct ChartValues;

// Right ascension of the meridian (radians, [0, 2 pi)) whose Midheaven is
// at longitude mcDeg (with the zodiac offset zDeg) for obliquity eRad.
double RamcOfMidheaven(double mcDeg, double zDeg, double eRad);

// Stores `ramc` (radians), the angles with their daily motions and cusps 1
// to 6 of house system `houseSystem` for that meridian at latitude
// latitudeDeg, with the values' obliquity and the zodiac `zodiac` (their
// `obliquityRad` and `ayanamsaDeg` must be set).
void CalcHousesAtRamc(ChartValues& values, ZodiacKind zodiac, HouseSystemId houseSystem, double ramcRad,
                      double latitudeDeg, bool geocentricLatitude);

}  // namespace vostrane
