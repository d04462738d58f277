// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/HouseMath.h"

#include <cmath>

#include "astro/AngleHelpers.h"

namespace vostrane {

namespace {

double RootOfOneMinusSquare(double x) {
  const double v = 1.0 - x * x;
  return v > 0.0 ? std::sqrt(v) : 1e-19;
}

}  // namespace

double ArcSin(double x) { return std::atan(x / RootOfOneMinusSquare(x)); }

double ArcCos(double x) { return kPi / 2.0 - ArcSin(x); }

double AscOf(const HouseFrame& frame, double phi, double r) {
  const double a = ArcTanQuad(
      std::cos(r), -(std::sin(frame.eRad) * std::tan(phi) + std::sin(r) * std::cos(frame.eRad)));
  return ModAngle(360.0, a * kDegPerRad + frame.zDeg);
}

double LongOfRA(double x, double e) {
  double a = std::atan(std::tan(x) / std::cos(e));
  if (a < 0.0) a += kPi;
  if (x > kPi) a += kPi;
  return a;
}

double CuspOfPole(double s, double pole, double e) {
  // With w = arctan(tan pole / cos s) the intersection is
  // arctan(cos w tan s / cos(w + e)), which is the same as
  // arctan(sin s / (cos s cos e - tan pole sin e)). The second form is used:
  // the first multiplies a vanishing cos w by an infinite tan s when s is a
  // right angle (a meridian at RAMC 0 or 180) and loses every digit there.
  double c = std::atan(std::sin(s) / (std::cos(s) * std::cos(e) - std::tan(pole) * std::sin(e)));
  if (c < 0.0) c += kPi;
  if (std::sin(s) < 0.0) c += kPi;
  return c;
}

double AscDeg(double x, double pole, double eps) {
  x = ModAngle(360.0, x);
  if (x == 90.0) x = 90.0001;
  if (x == 270.0) x = 270.0001;
  const double xr = x * kRadPerDeg;
  const double w = std::atan(std::tan(pole * kRadPerDeg) / std::cos(xr));
  double g = std::atan(std::cos(w) * std::tan(xr) / std::cos(w + eps * kRadPerDeg)) * kDegPerRad;
  if (g < 0.0) g += 180.0;
  if (std::sin(xr) < 0.0) g += 180.0;
  return g;
}

}  // namespace vostrane
