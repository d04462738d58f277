// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/PointVectors.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"

namespace vostrane {

void SetPositionFromPolar(SlotVector& v, double lon, double lat, double dist) {
  const double l = lon * kRadPerDeg, b = lat * kRadPerDeg;
  const CosSin csB = CosSinOf(b), csL = CosSinOf(l);
  v.x = dist * csB.c * csL.c;
  v.y = dist * csB.c * csL.s;
  v.z = dist * csB.s;
}

GeoResult GeocentricFromHeliocentric(const SlotVector& helio, const SlotVector& sun) {
  const double X = helio.x + sun.x, Y = helio.y + sun.y, Z = helio.z + sun.z;
  const double vX = helio.vx + sun.vx, vY = helio.vy + sun.vy;
  GeoResult g;
  // The quadrant from the signs of X and Y; atan2 also covers X = 0 and
  // Y = 0 with X < 0, where a plain arctangent of Y / X would not.
  g.lon = ModAngle(360.0, std::atan2(Y, X) * kDegPerRad);
  const double rho2 = X * X + Y * Y;
  g.lat = std::atan2(Z, std::sqrt(rho2)) * kDegPerRad;
  g.speed = rho2 > 0 ? (X * vY - Y * vX) / rho2 * kDegPerRad : 0.0;
  return g;
}

}  // namespace vostrane
