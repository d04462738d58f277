// SPDX-License-Identifier: GPL-3.0-or-later
// The systems whose house circles are hour circles (great circles through
// the celestial poles): each cusp is the ecliptic point of a given right
// ascension.
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/HouseSystems.h"

namespace vostrane {

namespace {

// Right ascension (radians, [0, 2 pi)) of the ecliptic point at longitude
// lonDeg (degrees, without Z).
double RightAscensionOf(double lonDeg, double e) {
  const double l = lonDeg * kRadPerDeg;
  return ArcTanQuad(std::sin(l) * std::cos(e), std::cos(l));
}

double CuspAtRightAscension(double ra, const HouseFrame& f) {
  return CuspFromRadians(LongOfRA(ModAngle(2.0 * kPi, ra), f.eRad), f.zDeg);
}

}  // namespace

void AlcabitiusCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The Ascendant's diurnal semi-arc (from the meridian to its rising, in
  // right ascension) is trisected for cusps 11 and 12 and its nocturnal
  // semi-arc (from its rising to the lower meridian) for cusps 2 and 3.
  const double raAsc = RightAscensionOf(angles.asc - f.zDeg, f.eRad);
  const double diurnal = ModAngle(2.0 * kPi, raAsc - f.ramcRad);
  const double nocturnal = kPi - diurnal;
  c[1] = angles.asc;
  c[4] = ModAngle(360.0, angles.mc + 180.0);
  c[5] = CuspAtRightAscension(f.ramcRad + diurnal / 3.0 + kPi, f);
  c[6] = CuspAtRightAscension(f.ramcRad + 2.0 * diurnal / 3.0 + kPi, f);
  c[2] = CuspAtRightAscension(raAsc + nocturnal / 3.0, f);
  c[3] = CuspAtRightAscension(raAsc + 2.0 * nocturnal / 3.0, f);
}

void CarterCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The equator in twelve arcs of 30 degrees from the Ascendant's right
  // ascension; the Midheaven is in general not a cusp.
  const double raAsc = RightAscensionOf(angles.asc - f.zDeg, f.eRad);
  c[1] = angles.asc;
  for (int k = 2; k <= 6; ++k) c[k] = CuspAtRightAscension(raAsc + (k - 1) * 30.0 * kRadPerDeg, f);
}

}  // namespace vostrane
