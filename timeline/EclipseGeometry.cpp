// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/EclipseGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vostrane {
namespace {

constexpr double kEarthRadiusKm = 6378.137;
constexpr double kAuKm = 149597870.7;
constexpr double kMoonRadius = 0.2725076;                 // Earth radii
constexpr double kSunRadius = 696000.0 / kEarthRadiusKm;  // Earth radii
constexpr double kCentralLimit = 0.9972;
constexpr double kShadowEnlargement = 1.02;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

using Vec = std::array<double, 3>;

Vec Direction(double lonDeg, double latDeg, double length) {
  const double l = lonDeg * kRad, b = latDeg * kRad;
  return {length * std::cos(b) * std::cos(l), length * std::cos(b) * std::sin(l), length * std::sin(b)};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const Vec& a) { return std::sqrt(Dot(a, a)); }
Vec Minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// The Sun and the Moon as vectors in Earth radii.
struct Bodies {
  Vec sun, moon;
};
Bodies BodiesAt(const SunAndMoonAt& at, double jd) {
  const SunAndMoon p = at(jd);
  const double perAu = kAuKm / kEarthRadiusKm;
  return {Direction(p.sunLon, p.sunLat, p.sunDist * perAu),
          Direction(p.moonLon, p.moonLat, p.moonDist * perAu)};
}

// The Moon's shadow against the fundamental plane.
struct MoonShadow {
  double axisDistance;  // of the axis from the Earth's centre, Earth radii
  double umbra;         // radius in the plane; negative: the antumbra's
  double umbraAtSurface;
  double penumbra;
};
MoonShadow ShadowOf(const Bodies& b) {
  const Vec axis = Minus(b.moon, b.sun);
  const double sunToMoon = Norm(axis);
  const Vec unit = {axis[0] / sunToMoon, axis[1] / sunToMoon, axis[2] / sunToMoon};
  const double along = -Dot(b.moon, unit);  // Moon to the plane
  const double d2 = std::max(0.0, Dot(b.moon, b.moon) - along * along);
  MoonShadow s;
  s.axisDistance = std::sqrt(d2);
  const double umbraSlope = (kSunRadius - kMoonRadius) / sunToMoon;
  s.umbra = kMoonRadius - along * umbraSlope;
  s.penumbra = kMoonRadius + along * (kSunRadius + kMoonRadius) / sunToMoon;
  const double depth = d2 < 1 ? std::sqrt(1 - d2) : 0;
  s.umbraAtSurface = kMoonRadius - (along - depth) * umbraSlope;
  return s;
}

// The Earth's shadow at the Moon, in radians.
struct EarthShadow {
  double moonFromAxis, umbra, penumbra, moonRadius;
};
EarthShadow EarthShadowOf(const Bodies& b) {
  const double dm = Norm(b.moon), ds = Norm(b.sun);
  const double cosAngle = -Dot(b.moon, b.sun) / (dm * ds);
  const double parallaxMoon = std::asin(1.0 / dm), parallaxSun = std::asin(1.0 / ds);
  const double sunRadius = std::asin(kSunRadius / ds);
  EarthShadow s;
  s.moonFromAxis = std::acos(std::clamp(cosAngle, -1.0, 1.0));
  s.umbra = kShadowEnlargement * (0.99834 * parallaxMoon - sunRadius + parallaxSun);
  s.penumbra = kShadowEnlargement * (0.99834 * parallaxMoon + sunRadius + parallaxSun);
  s.moonRadius = std::asin(kMoonRadius / dm);
  return s;
}

// The moment within a third of a day of `jd` at which f is least.
template <typename F>
double Least(F f, double jd) {
  constexpr double kRatio = 0.6180339887498949;
  double lo = jd - 0.33, hi = jd + 0.33;
  double x1 = hi - kRatio * (hi - lo), x2 = lo + kRatio * (hi - lo);
  double f1 = f(x1), f2 = f(x2);
  while (hi - lo > 1e-5) {
    if (f1 > f2) {
      lo = x1;
      x1 = x2;
      f1 = f2;
      x2 = lo + kRatio * (hi - lo);
      f2 = f(x2);
    } else {
      hi = x2;
      x2 = x1;
      f2 = f1;
      x1 = hi - kRatio * (hi - lo);
      f1 = f(x1);
    }
  }
  return 0.5 * (lo + hi);
}

}  // namespace

EclipseFound SolarEclipseAt(const SunAndMoonAt& at, double syzygyJd) {
  // Far from a node the Moon passes well clear of the Sun.
  if (std::fabs(at(syzygyJd).moonLat) > 1.8) return {};
  EclipseFound e;
  e.jd = Least([&](double jd) { return ShadowOf(BodiesAt(at, jd)).axisDistance; }, syzygyJd);
  const MoonShadow s = ShadowOf(BodiesAt(at, e.jd));
  if (s.axisDistance >= kCentralLimit + s.penumbra) return {};
  e.magnitude = (kCentralLimit + s.penumbra - s.axisDistance) / (s.penumbra + s.umbra);
  if (s.axisDistance < kCentralLimit) {
    e.kind = s.umbra > 0            ? EclipseKind::Total
             : s.umbraAtSurface > 0 ? EclipseKind::Hybrid
                                    : EclipseKind::Annular;
  } else if (s.axisDistance < kCentralLimit + std::fabs(s.umbra)) {
    e.kind = s.umbra > 0 ? EclipseKind::Total : EclipseKind::Annular;  // not central
  } else {
    e.kind = EclipseKind::Partial;
  }
  return e;
}

EclipseFound LunarEclipseAt(const SunAndMoonAt& at, double syzygyJd) {
  if (std::fabs(at(syzygyJd).moonLat) > 1.8) return {};
  EclipseFound e;
  e.jd = Least([&](double jd) { return EarthShadowOf(BodiesAt(at, jd)).moonFromAxis; }, syzygyJd);
  const EarthShadow s = EarthShadowOf(BodiesAt(at, e.jd));
  const double umbral = (s.umbra + s.moonRadius - s.moonFromAxis) / (2 * s.moonRadius);
  const double penumbral = (s.penumbra + s.moonRadius - s.moonFromAxis) / (2 * s.moonRadius);
  if (umbral >= 1) e.kind = EclipseKind::Total;
  else if (umbral > 0) e.kind = EclipseKind::Partial;
  else if (penumbral > 0) e.kind = EclipseKind::Penumbral;
  else return {};
  e.magnitude = umbral > 0 ? umbral : penumbral;
  return e;
}

}  // namespace vostrane
