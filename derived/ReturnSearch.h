// SPDX-License-Identifier: GPL-3.0-or-later
// The search for a return: the first moment after a given one at which a
// body's geocentric apparent longitude comes back to a given longitude.
#pragma once

#include <functional>
#include <optional>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"

namespace vostrane {

// Zodiac offset (degrees) added to tropical longitudes at a Julian day (UT).
using ZodiacAt = std::function<double(double julianDayUt)>;

// Longest time a return of body slot 0..6 can take, in days (Moon: a month,
// Saturn: a revolution and its loops).
double LongestReturnDays(int slot);

// The first Julian day (UT) at or after `fromJd` at which body `slot` (0 to
// 6) stands at `longitude` (degrees, in the zodiac `zodiac` gives), whatever
// its direction of motion; nothing when none is found within the body's
// longest return time or before `untilJd`. The moment is found to well
// below a second. An ephemeris file that cannot serve a moment adds its
// status to `report`; after a fatal one the result means nothing.
std::optional<double> FindReturn(AnalyticTheory& theory, int slot, double longitude, double fromJd,
                                 double untilJd, const ZodiacAt& zodiac, CalcReport& report);

}  // namespace vostrane
