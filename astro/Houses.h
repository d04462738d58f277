// SPDX-License-Identifier: GPL-3.0-or-later
// The house step of a chart: time scales, ayanamsa, angles with their
// daily motions, delta T and the cusps of the chart's house system; for a
// natal chart linked to a stored person also the cusps of all nine systems
// and the other values the name file keeps.
#pragma once

#include "astro/Angles.h"
#include "astro/CalcStatus.h"
#include "astro/ChartData.h"
#include "astro/HouseSystems.h"
#include "astro/Zodiac.h"

namespace vostrane {

// Calculates the chart's time scales, angles, delta T and cusps with the
// given house system and the program-wide geocentric-latitude setting.
// Returns true when the name-file values were filled too (the chart's
// `forNameFile`). A correction file that was ignored is added to `report`.
bool CalcHouses(const ChartInput& chart, ChartValues& values, NameFileValues& nameFile,
                HouseSystemId houseSystem, bool geocentricLatitude, CalcReport& report);

// The status of an entry whose house-system letter names no system: the
// letter (as an unsigned byte) is the status's record. Whoever reads the
// letter reports it and calculates Placidus cusps in its stead.
CalcStatus UnknownHouseSystemStatus(char letter);

// The Sun's declination (radians) at the values' moment (their `julianDayUt`,
// `deltaTSeconds` and `obliquityRad`), for the Sunshine houses, which are calculated
// before the planets: the solar theory without its planetary perturbation
// table, with the aberration.
double SunDeclination(const ChartValues& values);

// Stores the angles and the daily motions of the first four.
void StoreAngles(const ChartAngles& angles, ChartValues& values);

// The name-file values of calculated values (time scales, zodiac,
// angles with the zodiac offset removed). K is the ayanamsa step's value,
// stored the same way in both zodiacs.
void SetNameFileValues(ZodiacKind zodiac, const ChartValues& values, double k, NameFileValues& nameFile);

}  // namespace vostrane
