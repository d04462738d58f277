// SPDX-License-Identifier: GPL-3.0-or-later
// The apogee of the Moon's orbit (Black Moon Lilith): the mean apogee of the
// lunar theory's mean perigee, and the osculating ("true") apogee of the
// ellipse the Moon would follow about the Earth if the perturbations ceased
// at the moment.
#pragma once

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"

namespace vostrane {

struct ApogeePoint {
  double lon = 0;    // degrees [0, 360), ecliptic and equinox of date, no nutation
  double lat = 0;    // degrees
  double dist = 0;   // AU
  double speed = 0;  // degrees per day
};

// Mean apogee at moment daysEt (days of ephemeris time from JD 2433282.0): the
// mean perigee of the lunar theory plus 180 degrees; latitude 0, distance
// the Moon's mean distance.
ApogeePoint MeanLunarApogee(double daysEt);

// Osculating apogee at moment daysEt: longitude, latitude and daily motion from
// the apogee table (astro/LunarApogeeTable.h) over the years it covers,
// elsewhere, or when the table lets the moment down (status names the
// file), from the Moon's geocentric position and velocity (the velocity by
// central differences of the lunar theory). The distance is always the
// lunar theory's. Leaves the theory prepared for another moment: callers
// prepare daysEt again.
ApogeePoint OsculatingLunarApogee(AnalyticTheory& theory, double daysEt, CalcStatus& status);

}  // namespace vostrane
