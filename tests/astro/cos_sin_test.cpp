// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/CosSin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "astro/MultipleAngles.h"

namespace vostrane {
namespace {

// Largest difference from the library's cosine and sine over arguments
// drawn from [-range, range].
double WorstDifference(double range, int samples, std::mt19937_64& random) {
  std::uniform_real_distribution<double> argument(-range, range);
  double worst = 0;
  for (int i = 0; i < samples; ++i) {
    const double x = argument(random);
    const CosSin cs = CosSinOf(x);
    worst = std::max({worst, std::fabs(cs.c - std::cos(x)), std::fabs(cs.s - std::sin(x))});
  }
  return worst;
}

TEST(CosSin, AgreesWithTheLibraryToTheLastBits) {
  std::mt19937_64 random(20261209);
  // From the tiny angles of the nutation terms to the day counts in
  // radians of the lunar series.
  for (double range : {1e-7, 0.5, 4.0, 400.0, 5e4, 1e6})
    EXPECT_LE(WorstDifference(range, 200000, random), 4.5e-16) << range;
  // Next to every quadrant boundary the reduction keeps its digits.
  double worst = 0;
  for (int q = -400000; q <= 400000; q += 97) {
    const double boundary = q * (kPi / 2);
    for (double x : {std::nextafter(boundary, -1e9), boundary, std::nextafter(boundary, 1e9)}) {
      const CosSin cs = CosSinOf(x);
      worst = std::max({worst, std::fabs(cs.c - std::cos(x)), std::fabs(cs.s - std::sin(x))});
    }
  }
  EXPECT_LE(worst, 4.5e-16);
}

TEST(CosSin, SmallAnglesKeepTheirRelativePrecision) {
  for (double x : {1e-300, -3e-12, 2.5e-8, 1e-4}) {
    EXPECT_NEAR(CosSinOf(x).s / std::sin(x), 1.0, 4.5e-16) << x;
    EXPECT_NEAR(CosSinOf(x).c, std::cos(x), 1.2e-16) << x;
  }
  EXPECT_EQ(CosSinOf(0.0).c, 1.0);
  EXPECT_EQ(CosSinOf(0.0).s, 0.0);
}

TEST(CosSin, HugeAndNonFiniteArgumentsAreTheLibrarys) {
  for (double x : {1.5e6, -3e9, 1e300}) {
    EXPECT_EQ(CosSinOf(x).c, std::cos(x)) << x;
    EXPECT_EQ(CosSinOf(x).s, std::sin(x)) << x;
  }
  EXPECT_TRUE(std::isnan(CosSinOf(std::numeric_limits<double>::quiet_NaN()).s));
  EXPECT_TRUE(std::isnan(CosSinOf(std::numeric_limits<double>::infinity()).c));
}

TEST(CosSin, DegreesAndMultiples) {
  EXPECT_NEAR(SinDeg(30.0), 0.5, 1e-16);
  EXPECT_NEAR(CosDeg(-120.0), -0.5, 1e-15);
  // The recurrence of the multiples stays on the angle's own multiples.
  MultipleAngles m;
  const double x = 2.345;
  m.Set(x, MultipleAngles::kMax);
  for (int k = -MultipleAngles::kMax; k <= MultipleAngles::kMax; ++k) {
    EXPECT_NEAR(m.Of(k).c, std::cos(k * x), 2e-14) << k;
    EXPECT_NEAR(m.Of(k).s, std::sin(k * x), 2e-14) << k;
  }
}

}  // namespace
}  // namespace vostrane
