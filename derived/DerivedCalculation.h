// SPDX-License-Identifier: GPL-3.0-or-later
// The chart data of a derived entry, calculated from its base entries.
// The calculation driver runs it for every entry whose chart type is not 0,
// level by level, so that the base entries are always calculated first, and
// before its own house and planet steps, which run as the chart type decides
// (a return gets both, a progression planets only, a direction, a composite
// and a harmonic chart neither):
//
//   transits (8)            nothing to prepare: its own moment and place
//   relocated (6)           the base's moment as clock time at the new place
//   returns (2, 3, 7)       the moment of the return, in Greenwich time
//   progressed (4/1)        the progressed moment, with the meridian advanced
//                           by the solar arc in right ascension
//   solar arc (4/2)         the base points advanced by the progressed Sun's
//                           arc
//   composite (1/2)         every point the midpoint of the two bases, houses
//                           from the composite Midheaven at the mean latitude
//   harmonic (5)            the base's chart with every longitude times N
#pragma once

#include <optional>
#include <string>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
#include "session/ChartEntry.h"

namespace vostrane {

// Days of a progression year: a day after birth for each of these.
constexpr double kProgressionYearDays = 365.2422;

// Fills what the entry takes from its bases; `second` is the partner of a
// composite. Returns a message for the user when the chart cannot be made
// (the entry is then left as it was). Files that could not serve add their
// statuses to `report`; after a fatal one the entry means nothing.
std::optional<std::string> PrepareDerivedChart(ChartEntry& entry, const ChartEntry& base,
                                               const ChartEntry* second, AnalyticTheory& theory,
                                               bool geocentricLatitude, CalcReport& report);

// The Julian day (UT) of a progression or direction to the entry's target
// date (elements 73..75): the base's moment plus a day for each year.
double ProgressedJulDay(const ChartEntry& entry, const ChartEntry& base);

// The zodiac offset (degrees) of the base's zodiac at Julian day `julianDayUt`
// (UT): 0 for the tropical zodiac.
double ZodiacOffsetAt(const ChartEntry& base, double julianDayUt, CalcReport& report);

}  // namespace vostrane
