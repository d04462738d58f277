// SPDX-License-Identifier: GPL-3.0-or-later
// Small angle helpers shared by every calculation routine.
#pragma once

namespace vostrane {

constexpr double kPi = 3.141592653589793;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kRadPerDeg = kPi / 180.0;

// x reduced into [0, m) as x - m * floor(x / m); exactly 0 when |x| < 1e-8.
// The reduction runs in extended precision; a result that rounding would
// put on m itself (or just below 0) is folded back into [0, m).
long double ModAngleExt(long double m, long double x);
// The reduction of a value outside [1e-8, m).
double ModAngleOutside(double m, double x);
inline double ModAngle(double m, double x) {
  // Already in range: the reduction would give x itself.
  if (x >= 1e-8 && x < m) return x;
  return ModAngleOutside(m, x);
}
// One step of wrap: x >= 360 gives x - 360, x < 0 gives x + 360.
double NormDeg(double x);
// b - a brought into [-180, 180) by one step of plus or minus 360.
double DiffDeg(double a, double b);
// The angle in [0, 2 pi) whose sine has the sign of n and whose tangent is
// n / d; an argument that is exactly 0 is first replaced by 1e-7.
double ArcTanQuad(double n, double d);

}  // namespace vostrane
