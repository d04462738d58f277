// SPDX-License-Identifier: GPL-3.0-or-later
// The quadrant systems that divide the sky by circles of position or by
// time: Campanus, Koch, Placidus, Regiomontanus and Topocentric.
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/HouseSystems.h"

namespace vostrane {

namespace {

// Cusps 5, 6, 2, 3 in the order the loops below produce them.
constexpr int kIntermediateCusps[4] = {5, 6, 2, 3};
constexpr double kQuadrantSteps[4] = {30.0, 60.0, 120.0, 150.0};

double RaOffset(const HouseFrame& f, double offsetDeg) {
  return ModAngle(2.0 * kPi, f.ramcRad + offsetDeg * kRadPerDeg);
}

// Regiomontanus and Topocentric: circles of position through the equator
// points 30, 60, 120, 150 degrees east of the meridian, with pole heights
// p1 (for 30 and 150) and p2 (for 60 and 120).
void PoleHeightCusps(const HouseFrame& f, double p1, double p2, HouseCusps& c) {
  c[5] = CuspFromRadians(CuspOfPole(RaOffset(f, 30.0), p1, f.eRad) + kPi, f.zDeg);
  c[6] = CuspFromRadians(CuspOfPole(RaOffset(f, 60.0), p2, f.eRad) + kPi, f.zDeg);
  c[2] = CuspFromRadians(CuspOfPole(RaOffset(f, 120.0), p2, f.eRad), f.zDeg);
  c[3] = CuspFromRadians(CuspOfPole(RaOffset(f, 150.0), p1, f.eRad), f.zDeg);
}

}  // namespace

void CampanusCusps(const HouseFrame& f, const ChartAngles&, HouseCusps& c) {
  // The prime vertical divided into equal arcs, projected onto the
  // ecliptic along great circles through the north and south points.
  for (int i = 0; i < 4; ++i) {
    const double p = kQuadrantSteps[i] * kRadPerDeg;
    const double y = std::cos(p) / (std::sin(p) * std::cos(f.phiRad));
    const double r = kPi / 2.0 + f.ramcRad - std::atan(y);
    const double pole = ArcSin(std::sin(f.phiRad) * std::sin(p));
    // With s = arctan(tan pole / cos r) the projection is
    // arctan(cos s tan r / cos(s + e)); evaluated in the equivalent form that
    // stays exact when r is a right angle (see CuspOfPole).
    const double u = ModAngle(360.0, std::atan(std::sin(r) / (std::cos(r) * std::cos(f.eRad) -
                                                              std::tan(pole) * std::sin(f.eRad))) *
                                         kDegPerRad);
    c[kIntermediateCusps[i]] = HalfCircleChoice(u, c[1], f.zDeg);
  }
}

void KochCusps(const HouseFrame& f, const ChartAngles&, HouseCusps& c) {
  // The diurnal semi-arc of the Midheaven trisected in oblique ascension,
  // starting from the Midheaven's own oblique ascension.
  const double ad = ArcSin(std::tan(f.eRad) * std::sin(f.ramcRad) * std::tan(f.phiRad));
  const double step = (ad + kPi / 2.0) / 3.0;
  static constexpr int kCuspOf[6] = {4, 5, 6, 1, 2, 3};
  double s = f.ramcRad - ad;
  for (int i = 0; i < 6; ++i) {
    const double x = CuspOfPole(s, f.phiRad, f.eRad);
    c[kCuspOf[i]] = CuspFromRadians(i < 3 ? x + kPi : x, f.zDeg);
    s = ModAngle(2.0 * kPi, s + step);
  }
}

void PlacidusCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  PlacidusCuspsIterated(f, angles, c, kPlacidusMaxIterations);
}

namespace {

constexpr double kPlacidusDivisor[4] = {3.0, 1.5, 1.5, 3.0};

// The right ascension s of intermediate cusp i (0 to 3: cusps 11, 12, 2, 3)
// is the fixed point of s = R + q(s), with q(s) = arccos(-k sin s) / f for
// cusps 11 and 12 and pi - arccos(k sin s) / f for cusps 2 and 3, where
// k = tan e tan phi and f the cusp's divisor. One step of the plain
// iteration:
double PlacidusStep(double ramc, double tanE, double tanPhi, int i, double s) {
  double x = tanE * std::sin(s) * tanPhi;
  if (i < 2) x = -x;
  double q = ArcCos(x) / kPlacidusDivisor[i];
  if (i >= 2) q = kPi - q;
  return ramc + q;
}

// The fixed point by Newton's method, for |k| < 1 (below the polar
// circles). There q'(s) = k cos s / (f sqrt(1 - x^2)) for all four cusps, and
// |q'| <= |k| / f < 2/3 everywhere: the fixed point is unique and the plain
// iteration converges to it. Newton's method reaches it in a few steps
// where the plain iteration takes a dozen or more; the two results differ
// by less than the plain iteration's own tolerance. Returns false (and
// leaves s) if the steps do not settle.
bool PlacidusNewton(double ramc, double k, int i, double& s) {
  const double f = kPlacidusDivisor[i];
  double t = s;
  for (int step = 0; step < 20; ++step) {
    const CosSin csT = CosSinOf(t);
    const double sinT = csT.s, cosT = csT.c;
    const double x = i < 2 ? -k * sinT : k * sinT;
    const double root = std::sqrt(1.0 - x * x);
    double q = (kPi / 2.0 - std::atan(x / root)) / f;
    if (i >= 2) q = kPi - q;
    const double h = ramc + q - t;
    const double slope = k * cosT / (f * root) - 1.0;
    const double change = h / slope;
    t -= change;
    if (!std::isfinite(t)) return false;
    if (std::fabs(change) < kPlacidusTolerance) {
      s = t;
      return true;
    }
  }
  return false;
}

}  // namespace

void PlacidusCuspsIterated(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c,
                           int iterations) {
  // Cusps 11, 12 at a third and two thirds of the diurnal semi-arc, cusps
  // 2, 3 at two thirds and a third of the nocturnal one, each found by
  // iterating on the cusp's own declination.
  c[1] = angles.asc;
  c[4] = ModAngle(360.0, angles.mc + 180.0);
  const double tanE = std::tan(f.eRad);
  const double tanPhi = std::tan(f.phiRad);
  const double k = tanE * tanPhi;
  // Newton's method stands in for the iteration run to convergence only;
  // a given number of plain steps is always taken as it is.
  const bool newton = iterations == kPlacidusMaxIterations && std::fabs(k) < 1.0;
  for (int i = 0; i < 4; ++i) {
    double s = f.ramcRad + kQuadrantSteps[i] * kRadPerDeg;
    if (!newton || !PlacidusNewton(f.ramcRad, k, i, s)) {
      for (int step = 0; step < iterations; ++step) {
        const double next = PlacidusStep(f.ramcRad, tanE, tanPhi, i, s);
        const bool converged = std::fabs(next - s) < kPlacidusTolerance;
        s = next;
        if (converged) break;
      }
    }
    double l = std::atan(std::tan(s) / std::cos(f.eRad)) * kDegPerRad;
    if (l < 0.0) l += 360.0;
    c[kIntermediateCusps[i]] = HalfCircleChoice(l, c[1], f.zDeg);
  }
}

void RegiomontanusCusps(const HouseFrame& f, const ChartAngles&, HouseCusps& c) {
  const double tanPhi = std::tan(f.phiRad);
  PoleHeightCusps(f, std::atan(tanPhi * std::sin(30.0 * kRadPerDeg)),
                  std::atan(tanPhi * std::sin(60.0 * kRadPerDeg)), c);
}

void TopocentricCusps(const HouseFrame& f, const ChartAngles&, HouseCusps& c) {
  const double tanPhi = std::tan(f.phiRad);
  PoleHeightCusps(f, std::atan(tanPhi / 3.0), std::atan(2.0 * tanPhi / 3.0), c);
}

}  // namespace vostrane
