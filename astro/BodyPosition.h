// SPDX-License-Identifier: GPL-3.0-or-later
// The geocentric apparent position of one body at one moment, without the
// full planet pass: what a search over many moments (the returns of derived
// charts) needs for each step.
#pragma once

#include "astro/AnalyticTheory.h"
#include "astro/EphemerisEngine.h"

namespace vostrane {

// Delta T (seconds) as the chart of this Julian day (universal time) gets it:
// from the calendar date the day falls on.
double DeltaTOfJulDay(double julianDayUt);

// Body slot 0 (Sun) to 9 (Pluto) at Julian day `julianDayUt` (universal time), in
// the tropical zodiac, with its daily motion: the same engine call the planet
// pass makes for a chart of that moment.
EngineResult BodyAt(AnalyticTheory& theory, int slot, double julianDayUt);

}  // namespace vostrane
