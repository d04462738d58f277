// SPDX-License-Identifier: GPL-3.0-or-later
// The chart calculation run on a session entry: the calculation's input is
// filled from the entry, and its plain results are copied back into the
// entry and packed into the name-file image. The calculation driver and the
// derived charts calculate through these.
#pragma once

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
#include "astro/ChartData.h"
#include "astro/PlanetPass.h"
#include "astro/Zodiac.h"
#include "common/HouseSystemNames.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"

namespace vostrane {

// The moment, place and choices of the entry.
ChartInput ChartInputOf(const ChartEntry& entry);
// The entry's calculated block, and its copy back into the entry.
ChartValues ChartValuesOf(const ChartEntry& entry);
void StoreChartValues(const ChartValues& values, ChartEntry& entry);

// The house step's and the planet step's name-file values packed into the
// image (fixed point for the angles, cusps and bodies).
void PackHouseValues(const NameFileValues& values, NameFileImage& image);
void PackPointValues(const NameFileValues& values, NameFileImage& image);

// Time scales and ayanamsa of the entry (universalTimeHours, julianDayUt, t, obliquityRad, ramc,
// moonNodeDeg and ayanamsaDeg); its status names a correction file that was ignored.
Ayanamsa CalcTimeScales(ChartEntry& entry);
// `deltaTSeconds` of the entry from its date.
void CalcDeltaT(ChartEntry& entry);
// The zodiac offset of a calculated entry: 0 tropical, else `ayanamsaDeg`.
double ZodiacOffset(const ChartEntry& entry);
// Julian day in ephemeris time of a calculated entry.
double EphemerisJulDay(const ChartEntry& entry);
// Angles and cusps of the entry's house system for another meridian (see
// the calculation's CalcHousesAtRamc); `obliquityRad` and `ayanamsaDeg` must be set.
void CalcHousesAtRamc(ChartEntry& entry, double ramc, double latitudeDeg, bool geocentricLatitude);

// The house step with house system `houseSystem`; true when the name-file
// values were packed into `image` (level 0 and linked to a stored person).
bool CalcHouses(ChartEntry& entry, NameFileImage& image, HouseSystemId houseSystem,
                bool geocentricLatitude, CalcReport& report);
// The same with the entry's own house system. A letter that names no
// system is reported in `report` and gives Placidus cusps.
bool CalcHouses(ChartEntry& entry, NameFileImage& image, bool geocentricLatitude, CalcReport& report);
// Every body slot of the entry; true when the asteroids were all served.
bool ComputeBodySlots(ChartEntry& entry, AnalyticTheory& theory, CalcReport& report,
                      const PlanetProgress& progress = {});
// The planet step: the pass, the entry's asteroid flag and, for a linked
// natal entry, the eight arrays packed into the image and the name-file
// flags; true when the name file is to be updated.
bool CalcPlanets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, AnalyticTheory& theory,
                 CalcReport& report, const PlanetProgress& progress = {});

}  // namespace vostrane
