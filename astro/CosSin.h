// SPDX-License-Identifier: GPL-3.0-or-later
// Cosine and sine of one angle together, for the series and coordinate
// conversions of the chart calculation, which take them a few thousand
// times per chart. The argument is reduced by multiples of pi/2 (pi/2 split
// into three parts, so that the reduction stays exact to the last bit for
// arguments up to a million radians) and both functions are summed from
// their Taylor series on [-pi/4, pi/4], whose omitted terms lie below
// 3e-18. The results agree with the library's to within two units in the
// last place; larger arguments, infinities and NaN are left to the library.
#pragma once

#include <cmath>
#include <cstdint>

#include "astro/AngleHelpers.h"

namespace vostrane {

struct CosSin {
  double c = 1, s = 0;
};

// cos and sin of a + b from those of a and b.
inline CosSin SumOf(CosSin a, CosSin b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

namespace cossin_detail {

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 = kPio2a + kPio2b + kPio2c; the first two have 33 significant bits,
// so that their products with a quadrant count below 2^20 are exact.
constexpr double kPio2a = 0x1.921fb544p+0;
constexpr double kPio2b = 0x1.0b4611a6p-34;
constexpr double kPio2c = 0x1.3198a2e037073p-69;
constexpr double kLargest = 1.0e6;
// Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a whole
// number in the current (nearest) rounding mode.
constexpr double kRounder = 0x1.8p52;

constexpr double Factorial(int n) { return n <= 1 ? 1.0 : n * Factorial(n - 1); }

}  // namespace cossin_detail

inline CosSin CosSinOf(double x) {
  using namespace cossin_detail;
  if (!(std::fabs(x) <= kLargest)) return {std::cos(x), std::sin(x)};
  const double k = (x * kTwoOverPi + kRounder) - kRounder;
  const double r = ((x - k * kPio2a) - k * kPio2b) - k * kPio2c;
  // Both series in powers of z = r^2, grouped in pairs (Estrin's scheme)
  // so that the products do not wait on each other in one long chain.
  const double z = r * r, z2 = z * z, z4 = z2 * z2;
  constexpr double s3 = -1 / Factorial(3), s5 = 1 / Factorial(5), s7 = -1 / Factorial(7),
                   s9 = 1 / Factorial(9), s11 = -1 / Factorial(11), s13 = 1 / Factorial(13),
                   s15 = -1 / Factorial(15), s17 = 1 / Factorial(17);
  constexpr double c2 = -1 / Factorial(2), c4 = 1 / Factorial(4), c6 = -1 / Factorial(6),
                   c8 = 1 / Factorial(8), c10 = -1 / Factorial(10), c12 = 1 / Factorial(12),
                   c14 = -1 / Factorial(14), c16 = 1 / Factorial(16);
  const double sp = ((s3 + s5 * z) + (s7 + s9 * z) * z2) + ((s11 + s13 * z) + (s15 + s17 * z) * z2) * z4;
  const double cp = ((c2 + c4 * z) + (c6 + c8 * z) * z2) + ((c10 + c12 * z) + (c14 + c16 * z) * z2) * z4;
  const double pair[2] = {1.0 + z * cp, r + r * z * sp};  // cos r, sin r
  // The quadrant: x = r + q pi/2 turns (cos r, sin r) by q right angles.
  static constexpr double kSignOfCos[4] = {1, -1, -1, 1};
  static constexpr double kSignOfSin[4] = {1, 1, -1, -1};
  const int q = static_cast<int>(static_cast<int64_t>(k) & 3);
  return {kSignOfCos[q] * pair[q & 1], kSignOfSin[q] * pair[(q & 1) ^ 1]};
}

inline CosSin CosSinDeg(double degrees) { return CosSinOf(degrees * kRadPerDeg); }
inline double SinDeg(double degrees) { return CosSinDeg(degrees).s; }
inline double CosDeg(double degrees) { return CosSinDeg(degrees).c; }

}  // namespace vostrane
