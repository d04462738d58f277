// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "common/AngleTime.h"

namespace vostrane {
namespace {

TEST(AngleSplit, HoursCarryRoundedMinutes) {
  const HoursMinutes h = SplitHours(1.9999);
  EXPECT_EQ(h.sign, 1);
  EXPECT_EQ(h.hours, 2);
  EXPECT_EQ(h.minutes, 0);
  const HoursMinutes n = SplitHours(-5.5);
  EXPECT_EQ(n.sign, -1);
  EXPECT_EQ(n.hours, 5);
  EXPECT_EQ(n.minutes, 30);
  const HoursMinutes z = SplitHours(-0.25);  // the sign survives a zero hour
  EXPECT_EQ(z.sign, -1);
  EXPECT_EQ(z.hours, 0);
  EXPECT_EQ(z.minutes, 15);
}

TEST(AngleSplit, DegreesCarrySecondsThenMinutes) {
  // 12 deg 59 min 59.9 sec rounds to 13 deg 0 min 0 sec.
  const DegreesMinutesSeconds d = SplitDegrees(12.0 + 59.0 / 60 + 59.9 / 3600);
  EXPECT_EQ(d.degrees, 13);
  EXPECT_EQ(d.minutes, 0);
  EXPECT_EQ(d.seconds, 0);
  const DegreesMinutesSeconds p = SplitDegrees(-(40.0 + 26.0 / 60 + 46.0 / 3600));
  EXPECT_EQ(p.sign, -1);
  EXPECT_EQ(p.degrees, 40);
  EXPECT_EQ(p.minutes, 26);
  EXPECT_EQ(p.seconds, 46);
}

TEST(AngleSplit, LongitudeCarriesIntoTheNextSign) {
  const SignPosition a = SplitLongitude(59.9999);
  EXPECT_EQ(a.signIndex, 2);
  EXPECT_EQ(a.degrees, 0);
  EXPECT_EQ(a.minutes, 0);
  const SignPosition b = SplitLongitude(359.9999);  // Pisces carries into Aries
  EXPECT_EQ(b.signIndex, 0);
  EXPECT_EQ(b.degrees, 0);
  const SignPosition c = SplitLongitude(359.99999, true);
  EXPECT_EQ(c.signIndex, 0);
  EXPECT_EQ(c.degrees, 0);
  EXPECT_EQ(c.minutes, 0);
  EXPECT_EQ(c.seconds, 0);
  const SignPosition d = SplitLongitude(135.0 + 17.0 / 60 + 33.0 / 3600, true);
  EXPECT_EQ(d.signIndex, 4);
  EXPECT_EQ(d.degrees, 15);
  EXPECT_EQ(d.minutes, 17);
  EXPECT_EQ(d.seconds, 33);
  const SignPosition e = SplitLongitude(135.0 + 17.6 / 60);
  EXPECT_EQ(e.minutes, 18);
  EXPECT_EQ(e.seconds, 0);
}

TEST(AngleSplit, LongitudeOutsideTheCircleGivesAValidSign) {
  EXPECT_EQ(SplitLongitude(360.0).signIndex, 0);
  EXPECT_EQ(SplitLongitude(-15.0).signIndex, 11);
  EXPECT_EQ(SplitLongitude(-15.0).degrees, 15);
  EXPECT_EQ(SplitLongitude(725.0).signIndex, 0);
  EXPECT_EQ(SplitLongitude(-1e-17).signIndex, 0);
  EXPECT_EQ(SplitLongitude(std::nan("")).signIndex, 0);
}

TEST(AngleArithmetic, NormaliseAppliesOneStep) {
  EXPECT_DOUBLE_EQ(NormaliseDegrees(370.0), 10.0);
  EXPECT_DOUBLE_EQ(NormaliseDegrees(360.0), 0.0);
  EXPECT_DOUBLE_EQ(NormaliseDegrees(-10.0), 350.0);
  EXPECT_DOUBLE_EQ(NormaliseDegrees(800.0), 440.0);
}

TEST(AngleArithmetic, FloorGoesTowardsMinusInfinity) {
  EXPECT_DOUBLE_EQ(FloorReal(-2.5), -3.0);
  EXPECT_EQ(FloorInteger(-2.5), -3);
  EXPECT_EQ(FloorInteger(2.9999), 2);
  EXPECT_EQ(FloorInteger(-3.0), -3);
}

TEST(AngleArithmetic, ModuloReducesIntoRangeAndZeroesTinyValues) {
  EXPECT_DOUBLE_EQ(Modulo(360.0, 370.0), 10.0);
  EXPECT_DOUBLE_EQ(Modulo(360.0, -30.0), 330.0);
  EXPECT_DOUBLE_EQ(Modulo(360.0, -720.0), 0.0);
  EXPECT_EQ(Modulo(360.0, -1e-9), 0.0);  // would be 360 without the cut-off
  EXPECT_DOUBLE_EQ(Modulo(0.0, 5.0), 5.0);
}

TEST(AngleArithmetic, MidpointTakesTheShorterArc) {
  EXPECT_DOUBLE_EQ(Midpoint(10.0, 50.0), 30.0);
  EXPECT_DOUBLE_EQ(Midpoint(350.0, 30.0), 10.0);
  EXPECT_DOUBLE_EQ(Midpoint(30.0, 350.0), 10.0);
  EXPECT_DOUBLE_EQ(Midpoint(200.0, 10.0), 285.0);
  EXPECT_DOUBLE_EQ(Midpoint(350.0, 10.0), 0.0);  // never 360
}

TEST(AngleArithmetic, DistanceAndForwardDifference) {
  EXPECT_DOUBLE_EQ(AngularDistance(10.0, 350.0), 20.0);
  EXPECT_DOUBLE_EQ(AngularDistance(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(AngularDistance(0.0, 180.0), 180.0);
  EXPECT_DOUBLE_EQ(ForwardDifference(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(ForwardDifference(10.0, 350.0), 340.0);
}

}  // namespace
}  // namespace vostrane
