// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AngleHelpers.h"

#include <cmath>

namespace vostrane {

long double ModAngleExt(long double m, long double x) {
  if (std::fabs(x) < 1e-8L) return 0.0L;
  long double r = x - m * std::floor(x / m);
  // x / m can round up to the next whole number (r slightly negative) or
  // r can round to m; both belong at the other end of the range.
  if (r < 0.0L) r += m;
  if (r >= m) r -= m;
  return r;
}

double ModAngleOutside(double m, double x) {
  if (std::fabs(x) < 1e-8) return 0.0;
  // One turn too far: x - m is exact in double precision (x and m lie
  // within a factor of two), so it equals the extended reduction.
  if (x >= m && x < 2.0 * m) return x - m;
  // Less than one turn below 0: x + m, rounded once (the extended reduction
  // rounds twice, which can differ in the last bit).
  if (x < 0.0 && x >= -m) {
    const double r = x + m;
    return r >= m ? 0.0 : r;
  }
  double r = static_cast<double>(ModAngleExt(m, x));
  // Rounding the extended result to double can still land on m.
  return r >= m ? 0.0 : r;
}

double NormDeg(double x) {
  if (x >= 360.0) return x - 360.0;
  if (x < 0.0) return x + 360.0;
  return x;
}

double DiffDeg(double a, double b) {
  double d = b - a;
  if (d >= 180.0) d -= 360.0;
  else if (d < -180.0) d += 360.0;
  return d;
}

double ArcTanQuad(double n, double d) {
  if (n == 0.0) n = 1e-7;
  if (d == 0.0) d = 1e-7;
  double a = std::atan(n / d);
  if (a < 0.0) a += kPi;
  if (n < 0.0) a += kPi;
  // A tiny negative n with a positive d gives pi - 0 + pi: the full turn.
  return a >= 2.0 * kPi ? 0.0 : a;
}

}  // namespace vostrane
