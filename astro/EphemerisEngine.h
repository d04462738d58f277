// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris engine: geocentric and heliocentric ecliptic coordinates of
// one body at one moment of ephemeris time, corrected for light time and
// nutation. Sun, Moon, Mercury, Venus and Mars come from the analytic theory,
// Jupiter to Pluto and Chiron from the outer-planet files, the lunar nodes
// from the lunar theory.
#pragma once

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"

namespace vostrane {

// Engine body numbers.
enum EngineBody : int {
  kEngSun = 0,
  kEngMoon = 1,
  kEngMercury = 2,
  kEngVenus = 3,
  kEngMars = 4,
  kEngJupiter = 5,
  kEngSaturn = 6,
  kEngUranus = 7,
  kEngNeptune = 8,
  kEngPluto = 9,
  kEngMeanNode = 10,
  kEngTrueNode = 11,
  kEngChiron = 12,
  kEngMeanApogee = 13,        // the Moon's mean apogee (mean Lilith)
  kEngOsculatingApogee = 14,  // the Moon's osculating apogee (true Lilith)
};

// The distance given to the nodes, the semi-major axis of the Moon's row of
// the mean elements.
constexpr double kMoonMeanDistance = 0.0025955307;
// Light time per AU in days. The IAU value is 499.00478 s (0.0057755 days);
// this one (498.38 s) is 0.12% short. The light-time correction is
// distance times daily motion; that product reaches 2.91 AU degrees per
// day (Mercury, heliocentric, 1700-2200, measured through the engine), so
// the shortfall costs at most 0.08".
constexpr double kLightDaysPerAu = 0.0057683;

struct EngineResult {
  bool available = true;  // false only for Chiron where no file covers t
  double lon = 0;         // geocentric longitude, degrees [0, 360)
  double lat = 0;         // geocentric latitude, degrees
  double dist = 0;        // geocentric distance, AU
  double speed = 0;       // geocentric daily motion, degrees per day
  double hlon = 0;        // heliocentric longitude
  double hlat = 0;        // heliocentric latitude
  double hspeed = 0;      // heliocentric daily motion
  double hdist = 0;       // heliocentric distance, AU (for the light time)
  CalcStatus status;      // an outer-planet file or the apogee table that could not serve t
};

// Arcsine in degrees as arctan(x / sqrt(1 - x^2)); +90 when x^2 >= 1.
double ArcSinDeg(double x);

// Geocentric longitude (degrees) and distance of a heliocentric point
// (longitude l, distance r, height z) seen from the Earth at longitude LE
// and distance RE in the ecliptic plane.
struct GeoPoint {
  double lon, dist;
};
GeoPoint HelioToGeo(double l, double r, double z, double LE, double RE);

// The true node's longitude from two estimates: node2 plus half the shorter
// arc to node1, in [0, 360).
double NodeMidpoint(double node2, double node1);
// Longitude of the node of the orbit plane through the origin and the two
// Moon positions A and B (longitude, distance, z).
double NodeOfTwoPositions(const MoonPosition& a, const MoonPosition& b);

class EphemerisEngine {
 public:
  explicit EphemerisEngine(AnalyticTheory& theory) : theory_(theory) {}

  // The engine: body 0 to 14 at moment daysEt (days of ephemeris time from
  // JD 2433282.0). A missing or damaged outer-planet file other than a
  // missing Chiron file gives its fatal status and no position.
  EngineResult PositionOfBody(int body, double daysEt);

 private:
  AnalyticTheory& theory_;

  EngineResult Sun(const HelioPosition& earth) const;
  EngineResult Moon(double daysEt, const HelioPosition& earth);
  EngineResult Planet(const HelioPosition& p, const HelioPosition& earth) const;
  EngineResult MeanNode() const;
  EngineResult TrueNode(double daysEt);
  EngineResult Apogee(int body, double daysEt);
};

}  // namespace vostrane
