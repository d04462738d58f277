// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/AngleHelpers.h"

namespace vostrane {
namespace {

TEST(AngleHelpers, ModAngleReducesIntoRange) {
  EXPECT_DOUBLE_EQ(ModAngle(360.0, 370.0), 10.0);
  EXPECT_DOUBLE_EQ(ModAngle(360.0, -10.0), 350.0);
  EXPECT_DOUBLE_EQ(ModAngle(360.0, -730.0), 350.0);
  EXPECT_DOUBLE_EQ(ModAngle(360.0, 360.0), 0.0);
  EXPECT_NEAR(ModAngle(2 * kPi, 7.0), 7.0 - 2 * kPi, 1e-15);
  // Tiny values are exactly 0, from either side.
  EXPECT_EQ(ModAngle(360.0, 5e-9), 0.0);
  EXPECT_EQ(ModAngle(360.0, -5e-9), 0.0);
  EXPECT_EQ(ModAngle(2 * kPi, -9.9e-9), 0.0);
  EXPECT_GT(ModAngle(360.0, 2e-8), 0.0);
}

// Within one turn of the range the reduction takes a shortcut; it gives the
// extended-precision reduction's value (to the last bit below 0).
TEST(AngleHelpers, ModAngleShortcutsMatchTheFullReduction) {
  std::mt19937_64 random(7);
  for (double m : {360.0, 2 * kPi}) {
    std::uniform_real_distribution<double> x(-2 * m, 2 * m);
    for (int i = 0; i < 100000; ++i) {
      const double v = x(random);
      const double full = static_cast<double>(ModAngleExt(m, v));
      const double r = ModAngle(m, v);
      if (v >= 0) EXPECT_EQ(r, full >= m ? 0.0 : full) << v;
      else EXPECT_NEAR(r, full, 1e-13) << v;
      EXPECT_GE(r, 0.0);
      EXPECT_LT(r, m);
    }
  }
}

TEST(AngleHelpers, ModAngleNeverReturnsTheModulus) {
  // Values just below a whole number of turns, where x / m rounds up.
  for (double x : {720.0 - 1e-13, -1e-7, -360.0 - 1e-12, 2 * kPi * 3 - 1e-15}) {
    for (double m : {360.0, 2 * kPi}) {
      const double r = ModAngle(m, x);
      EXPECT_GE(r, 0.0) << x;
      EXPECT_LT(r, m) << x;
    }
  }
}

TEST(AngleHelpers, NormDegIsOneStep) {
  EXPECT_DOUBLE_EQ(NormDeg(370.0), 10.0);
  EXPECT_DOUBLE_EQ(NormDeg(-10.0), 350.0);
  EXPECT_DOUBLE_EQ(NormDeg(360.0), 0.0);
  EXPECT_DOUBLE_EQ(NormDeg(725.0), 365.0);  // only one step
  EXPECT_DOUBLE_EQ(NormDeg(359.5), 359.5);
}

TEST(AngleHelpers, DiffDegInHalfOpenRange) {
  EXPECT_DOUBLE_EQ(DiffDeg(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(DiffDeg(10.0, 350.0), -20.0);
  EXPECT_DOUBLE_EQ(DiffDeg(0.0, 180.0), -180.0);
  EXPECT_DOUBLE_EQ(DiffDeg(180.0, 0.0), -180.0);
  EXPECT_DOUBLE_EQ(DiffDeg(0.0, 179.0), 179.0);
}

TEST(AngleHelpers, ArcTanQuadFollowsTheQuadrants) {
  for (int deg = 0; deg < 360; deg += 15) {
    const double a = deg * kRadPerDeg;
    EXPECT_NEAR(ArcTanQuad(std::sin(a), std::cos(a)), deg == 0 ? 1e-7 : a, 2e-7) << deg;
  }
  // Zero arguments are replaced, never divided by.
  EXPECT_NEAR(ArcTanQuad(1.0, 0.0), kPi / 2, 1e-6);
  EXPECT_NEAR(ArcTanQuad(-1.0, 0.0), 3 * kPi / 2, 1e-6);
  EXPECT_NEAR(ArcTanQuad(0.0, -1.0), kPi, 1e-6);
  EXPECT_NEAR(ArcTanQuad(0.0, 0.0), kPi / 4, 1e-12);
  // A negative n just below zero stays below a full turn.
  const double r = ArcTanQuad(-1e-30, 1.0);
  EXPECT_GE(r, 0.0);
  EXPECT_LT(r, 2 * kPi);
}

}  // namespace
}  // namespace vostrane
