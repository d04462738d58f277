// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic on every point of a calculated entry: the angles, the node, the
// cusps and the longitudes of body slots 0..30.
#pragma once

#include <functional>

#include "session/ChartEntry.h"

namespace vostrane {

// Longitude of the point halfway along the shorter arc from a to b, [0, 360).
double ShorterArcMidpoint(double a, double b);

// Replaces the angles (Ascendant, Midheaven, Vertex, East point,
// co-ascendant, polar ascendant), the mean node and cusps 1 to 6 by f of
// their values.
void MapAngles(ChartEntry& entry, const std::function<double(double)>& f);

// Replaces the geocentric and heliocentric longitudes of slots 0..30 by f of
// their values.
void MapLongitudes(ChartEntry& entry, const std::function<double(double)>& f);

// Right ascension and declination of every slot from its longitude and
// latitude, with the entry's obliquity and zodiac offset.
void SetEquatorialFromEcliptic(ChartEntry& entry);

}  // namespace vostrane

namespace vostrane {

// Copies the birth data and every calculated value of `from` (not the name,
// the kind, the links or the printout selection).
void CopyChartData(ChartEntry& to, const ChartEntry& from);

// Sets the entry's date and clock time to Julian day `julianDayUt` (UT) in
// Greenwich time: zone 0, no daylight time, to the second.
void SetGreenwichMoment(ChartEntry& entry, double julianDayUt);

}  // namespace vostrane
