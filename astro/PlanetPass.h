// SPDX-License-Identifier: GPL-3.0-or-later
// The planet pass: every body slot of a chart, from the ephemeris
// engine, the asteroid files, the hypothetical planets and the angles of the
// house step, with daily motions, the zodiac offset, right ascension and
// declination, and the packing of the results for the name file.
#pragma once

#include <functional>
#include <string>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
#include "astro/ChartData.h"

namespace vostrane {

// Number of bodies of the dispatcher (1 = slot 0 ... 31 = slot 30).
constexpr int kPassBodies = 31;

// Right ascension and declination (degrees) of ecliptic latitude b and
// longitude l for obliquity e, all in degrees.
struct Equatorial {
  double ra, decl;
};
Equatorial EclToEqu(double b, double l, double e);

// Progress texts of the planet pass (the third label of the progress window).
using PlanetProgress = std::function<void(const std::string&)>;

// ComputeBodySlots: fills slots 0 to 30 of the eight point arrays, `moonNodeDeg` and
// slot 31 of the longitudes, and marks Chiron unavailable (slot 31 of the
// declinations, bit k for slot k) where its files have no data. The house
// step must have stored julianDayUt, deltaTSeconds, obliquityRad, ayanamsaDeg, the angles and their
// daily motions. Returns true when the asteroid files served all four
// asteroids (false also outside their years). A file that could not serve
// adds its status to `report`, once per file and run; a fatal one stops the
// pass (the values are then not complete).
bool ComputeBodySlots(const ChartInput& chart, ChartValues& values, AnalyticTheory& theory,
                      CalcReport& report, const PlanetProgress& progress = {});

// CalcPlanets: runs the pass, sets the asteroid flag `asteroidsCalculated` ('Y' only
// when the asteroids were calculated) and, for a chart for the name file,
// its eight arrays with the zodiac offset removed. Returns true when the
// name file is to be updated; false when the pass stopped.
bool CalcPlanets(const ChartInput& chart, ChartValues& values, NameFileValues& nameFile,
                 PlanetFlags& flags, AnalyticTheory& theory, CalcReport& report,
                 const PlanetProgress& progress = {});

}  // namespace vostrane
