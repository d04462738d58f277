// SPDX-License-Identifier: GPL-3.0-or-later
// The ayanamsa of a sidereal chart at a moment; the names and zodiac
// letters of the ayanamsas are in common/AyanamsaNames.h.
#pragma once

#include "common/AyanamsaNames.h"

namespace vostrane {

// The ayanamsa in degrees, counted from the true equinox (the mean value
// plus the nutation terms the built-in ayanamsa carries), for the Julian
// centuries of universal time since 1900 January 0.5 and the mean lunar
// node (degrees).
double AyanamsaDegrees(AyanamsaKind kind, long double centuriesUt, long double meanNodeDeg,
                       const UserAyanamsa& user = {});

// Julian centuries since 1900 January 0.5 of a universal-time Julian day.
inline double CenturiesSince1900(double jdUt) { return (jdUt - 2415020.0) / 36525.0; }

}  // namespace vostrane
