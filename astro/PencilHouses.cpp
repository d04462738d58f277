// SPDX-License-Identifier: GPL-3.0-or-later
// The systems whose house circles form a pencil of great circles through two
// opposite points of the sky (the poles of the pencil): each cusp is where
// the ecliptic meets the half of a house circle that runs from one pole
// through a given division point to the other. Worked with unit vectors in
// equatorial coordinates (x to the equinox, z to the north celestial pole).
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/HouseMath.h"
#include "astro/HouseSystems.h"

namespace vostrane {

namespace {

struct Vec {
  double x = 0.0, y = 0.0, z = 0.0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The sky of one house frame.
struct Sky {
  Vec zenith, east, north;  // the zenith and the east and north points of the horizon
  double e = 0.0;

  explicit Sky(const HouseFrame& f) : e(f.eRad) {
    const double cr = std::cos(f.ramcRad), sr = std::sin(f.ramcRad);
    const double cp = std::cos(f.phiRad), sp = std::sin(f.phiRad);
    zenith = {cp * cr, cp * sr, sp};
    east = {-sr, cr, 0.0};
    north = {-sp * cr, -sp * sr, cp};
  }

  // The ecliptic point at longitude lonDeg (degrees, without Z).
  Vec Ecliptic(double lonDeg) const {
    const double l = lonDeg * kRadPerDeg;
    return {std::cos(l), std::sin(l) * std::cos(e), std::sin(l) * std::sin(e)};
  }

  // Longitude (radians) of the ecliptic point on the half circle from `pole`
  // through `through` to the opposite pole.
  double CuspOnHalfCircle(Vec pole, Vec through) const {
    const Vec eclipticPole{0.0, -std::sin(e), std::cos(e)};
    Vec x = Cross(Cross(pole, through), eclipticPole);
    // The half that holds the division point: the side of the pole's axis
    // where the division point lies.
    const Vec side = through + (-Dot(through, pole)) * pole;
    if (Dot(x, side) < 0.0) x = -1.0 * x;
    const double lon = std::atan2(x.y * std::cos(e) + x.z * std::sin(e), x.x);
    return lon < 0.0 ? lon + 2.0 * kPi : lon;
  }
};

// The unit vector a quarter turn from `from` towards `to` (both unit and at
// right angles) turned by deg degrees.
Vec Turned(Vec from, Vec to, double deg) {
  const double a = deg * kRadPerDeg;
  return std::cos(a) * from + std::sin(a) * to;
}

}  // namespace

void KrusinskiPisaCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The great circle through the Ascendant and the zenith in twelve arcs of
  // 30 degrees from the Ascendant; the house circles are hour circles. The
  // zenith (the third division) gives the Midheaven.
  const Sky sky(f);
  const Vec asc = sky.Ecliptic(angles.asc - f.zDeg);
  const Vec celestialPole{0.0, 0.0, 1.0};
  c[1] = angles.asc;
  for (int k = 2; k <= 6; ++k)
    c[k] = CuspFromRadians(sky.CuspOnHalfCircle(celestialPole, Turned(asc, sky.zenith, -30.0 * (k - 1))),
                           f.zDeg);
}

void HorizontalCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The horizon in twelve arcs of 30 degrees from the point below the
  // Midheaven (cusp 10) through the east point (cusp 1); the house circles
  // are vertical circles through the zenith and the nadir.
  const Sky sky(f);
  const Vec mc = sky.Ecliptic(angles.mc - f.zDeg);
  Vec below = mc + (-Dot(mc, sky.zenith)) * sky.zenith;
  const double length = std::sqrt(Dot(below, below));
  // A Midheaven in the zenith has no point below it; the meridian's south
  // point then serves.
  below = length > 1e-12 ? (1.0 / length) * below : -1.0 * sky.north;
  for (int k = 1; k <= 6; ++k)
    c[k] = CuspFromRadians(sky.CuspOnHalfCircle(sky.zenith, Turned(below, sky.east, 30.0 * (k + 2))),
                           f.zDeg);
}

namespace {

// The diurnal circle of declination `decl` (radians) divided from the
// meridian: its arc above the horizon in six equal parts of hour angle, its
// arc below in six; the house circles pass through the north and south
// points of the horizon. The division at the rising point lies on the
// horizon (cusp 1 is the Ascendant) and the one on the meridian gives the
// Midheaven.
void DiurnalCircleCusps(const HouseFrame& f, const ChartAngles& angles, double decl, HouseCusps& c) {
  const Sky sky(f);
  const double diurnal = ArcCos(-std::tan(f.phiRad) * std::tan(decl));  // semi-arc, radians
  const double nocturnal = kPi - diurnal;
  // Hour angles (west positive) of the division points of cusps 1 to 6.
  const double hourAngles[7] = {0.0,
                                -diurnal,
                                -diurnal - nocturnal / 3.0,
                                -diurnal - 2.0 * nocturnal / 3.0,
                                kPi,
                                kPi - nocturnal / 3.0,
                                kPi - 2.0 * nocturnal / 3.0};
  c[1] = angles.asc;
  for (int k = 2; k <= 6; ++k) {
    const double ra = f.ramcRad - hourAngles[k];
    const Vec point{std::cos(decl) * std::cos(ra), std::cos(decl) * std::sin(ra), std::sin(decl)};
    c[k] = CuspFromRadians(sky.CuspOnHalfCircle(sky.north, point), f.zDeg);
  }
}

}  // namespace

void ApcCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The Ascendant's own diurnal circle.
  const double lon = (angles.asc - f.zDeg) * kRadPerDeg;
  DiurnalCircleCusps(f, angles, ArcSin(std::sin(f.eRad) * std::sin(lon)), c);
}

void SunshineCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The Sun's diurnal circle of the moment (Makransky).
  DiurnalCircleCusps(f, angles, f.sunDeclRad, c);
}

}  // namespace vostrane
