// SPDX-License-Identifier: GPL-3.0-or-later
// Entries and frames for the calculation tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/HouseMath.h"
#include "session/ChartEntry.h"

namespace vostrane::test {

// A natal entry in the tropical zodiac with Placidus houses, not linked to
// the name file.
inline ChartEntry MakeEntry(int year, int month, int day, int hours, int minutes, int seconds,
                            double zoneHoursWest = 0.0, double latitude = 0.0, double longitude = 0.0,
                            int daylightCode = 0) {
  ChartEntry e;
  e.setUsed(true);
  e.setYear(year);
  e.setMonth(month);
  e.setDay(day);
  e.setHours(hours);
  e.setMinutes(minutes);
  e.setSeconds(seconds);
  e.setZoneHoursWest(zoneHoursWest);
  e.setLatitude(latitude);
  e.setLongitude(longitude);
  e.setDaylightCode(static_cast<uint8_t>(daylightCode));
  e.setZodiacLetter('T');
  e.setHouseSystemLetter('F');
  e.setUserZodiacType('A');
  return e;
}

inline HouseFrame MakeFrame(double ramcDeg, double latitudeDeg, double obliquityDeg, double z = 0.0) {
  HouseFrame f;
  f.ramcRad = ramcDeg * kRadPerDeg;
  f.phiRad = latitudeDeg * kRadPerDeg;
  f.eRad = obliquityDeg * kRadPerDeg;
  f.zDeg = z;
  return f;
}

// Distance between two longitudes in degrees, over the shorter arc.
inline double ArcDistance(double a, double b) {
  double d = std::fabs(a - b);
  while (d >= 360.0) d -= 360.0;
  return d > 180.0 ? 360.0 - d : d;
}

// b - a brought into [0, 360) for a and b in [0, 360).
inline double Forward(double a, double b) {
  const double d = b - a;
  return d < 0 ? d + 360 : d;
}

// Cusps 1 to 6 (at indexes 1 to 6) and the descendant follow each other
// forward round exactly half a circle, each finite and in [0, 360).
template <typename Cusps>
::testing::AssertionResult InOrder(const Cusps& c) {
  double total = 0;
  for (int k = 1; k <= 6; ++k) {
    if (!std::isfinite(c[k]) || c[k] < 0 || c[k] >= 360)
      return ::testing::AssertionFailure() << "cusp " << k << " = " << c[k];
    const double next = k < 6 ? c[k + 1] : ModAngle(360, c[1] + 180);
    double step = Forward(c[k], next);
    if (step > 360 - 1e-9) step -= 360;  // equal cusps, up to rounding
    if (step >= 180) return ::testing::AssertionFailure() << "cusp " << k << " to " << k + 1;
    total += step;
  }
  if (std::fabs(total - 180) > 1e-6) return ::testing::AssertionFailure() << "span " << total;
  return ::testing::AssertionSuccess();
}

}  // namespace vostrane::test
