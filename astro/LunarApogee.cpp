// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/LunarApogee.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/EphemerisEngine.h"
#include "astro/LunarApogeeTable.h"

namespace vostrane {

namespace {

// Julian centuries of ephemeris time from J2000 for moment t.
double CenturiesFromJ2000(double t) { return (t + 2433282.0 - 2451545.0) / 36525.0; }

// The Moon's mean perigee (degrees): the lunar theory's polynomial in
// Julian centuries from J2000, with its rate (degrees per century).
double MeanPerigee(double T) {
  return 83.3532465 + T * (4069.0137287 + T * (-0.0103200 + T * (-1.0 / 80053.0 + T / 18999000.0)));
}
double MeanPerigeeRate(double T) {
  return 4069.0137287 + T * (-2.0 * 0.0103200 + T * (-3.0 / 80053.0 + 4.0 * T / 18999000.0));
}

// The gravitational parameter of the Earth and the Moon together,
// AU^3 / day^2: the Gaussian constant squared over the mass ratio of the
// Sun to the Earth-Moon system.
constexpr double kGaussK = 0.01720209895;
constexpr double kSunOverEarthMoon = 328900.5596;
constexpr double kEarthMoonMu = kGaussK * kGaussK / kSunOverEarthMoon;

struct Vec3 {
  double x, y, z;
};
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Rectangular(const MoonPosition& m) {
  const double rho = std::sqrt(std::max(0.0, m.dist * m.dist - m.z * m.z));
  const CosSin cs = CosSinDeg(m.lon);
  return {rho * cs.c, rho * cs.s, m.z};
}

// Longitude, latitude and distance of the apogee of the osculating ellipse
// through position r with velocity v.
ApogeePoint ApogeeOf(Vec3 r, Vec3 v) {
  const double rLen = std::sqrt(Dot(r, r));
  // Eccentricity vector e = ((v.v) r - (r.v) v) / mu - r / |r|; it points
  // to the perigee, the apogee lies opposite.
  const Vec3 e = (1.0 / kEarthMoonMu) * ((Dot(v, v) * r) - (Dot(r, v) * v)) - (1.0 / rLen) * r;
  const double eLen = std::sqrt(Dot(e, e));
  const double a = 1.0 / (2.0 / rLen - Dot(v, v) / kEarthMoonMu);
  ApogeePoint p;
  p.lon = NormDeg(std::atan2(-e.y, -e.x) * kDegPerRad);
  p.lat = std::asin(-e.z / eLen) * kDegPerRad;
  p.dist = a * (1.0 + eLen);
  return p;
}

ApogeePoint OsculatingAt(AnalyticTheory& theory, double t) {
  constexpr double h = 0.01;  // days
  const Vec3 before = Rectangular(theory.MoonPos(t - h));
  const Vec3 after = Rectangular(theory.MoonPos(t + h));
  const Vec3 now = Rectangular(theory.MoonPos(t));
  return ApogeeOf(now, (0.5 / h) * (after - before));
}

}  // namespace

ApogeePoint MeanLunarApogee(double t) {
  const double T = CenturiesFromJ2000(t);
  ApogeePoint p;
  p.lon = ModAngle(360.0, MeanPerigee(T) + 180.0);
  p.dist = kMoonMeanDistance;
  p.speed = MeanPerigeeRate(T) / 36525.0;
  return p;
}

ApogeePoint OsculatingLunarApogee(AnalyticTheory& theory, double t, CalcStatus& status) {
  ApogeePoint p = OsculatingAt(theory, t);
  if (const auto table = ApogeeFromTable(t, theory.Files(), status)) {
    p.lon = table->lon;
    p.lat = table->lat;
    p.speed = table->speed;
    return p;
  }
  // The osculating apogee swings by several degrees a day; its daily
  // motion from a quarter day either side.
  constexpr double step = 0.25;
  const double later = OsculatingAt(theory, t + step).lon;
  const double earlier = OsculatingAt(theory, t - step).lon;
  p.speed = DiffDeg(earlier, later) / (2.0 * step);
  return p;
}

}  // namespace vostrane
