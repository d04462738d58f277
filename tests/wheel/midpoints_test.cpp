// SPDX-License-Identifier: GPL-3.0-or-later
// Midpoints of a chart's points: the nearer midpoint, the order of the
// 90-degree dial, the midpoint trees and the orb kept in ASPORBS.DAT.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "common/AngleTime.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "wheel/AspectOptions.h"
#include "wheel/DialPage.h"
#include "wheel/Midpoints.h"

namespace vostrane {
namespace {

std::vector<AspectPoint> PointsAt(const std::vector<double>& lons) {
  std::vector<AspectPoint> points;
  for (size_t i = 0; i < lons.size(); ++i) {
    AspectPoint p;
    p.point = static_cast<int>(i);
    p.lon = lons[i];
    points.push_back(p);
  }
  return points;
}

TEST(Midpoints, TakeTheNearerMidpointAcrossZeroAries) {
  const struct {
    double a, b, mid;
  } cases[] = {{350, 10, 0}, {10, 350, 0}, {340, 30, 5}, {100, 300, 20}, {30, 90, 60}, {0, 180, 90}};
  for (const auto& c : cases) {
    const std::vector<MidpointPair> m = MidpointsOf(PointsAt({c.a, c.b}));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NEAR(m[0].lon, c.mid, 1e-9) << c.a << " / " << c.b;
  }
}

TEST(Midpoints, SortInTheOrderOfTheNinetyDegreeDial) {
  // 80/110 (midpoint 95, at 5 on the dial) comes before 190/210 (200, at 20).
  std::vector<MidpointPair> m = MidpointsOf(PointsAt({0, 10, 80, 110, 340, 190, 210}));
  SortByDial(m, 90);
  ASSERT_EQ(m.size(), 21u);
  size_t at95 = 0, at200 = 0;
  for (size_t i = 0; i < m.size(); ++i) {
    if (i > 0) {
      EXPECT_LE(DialPlace(m[i - 1].lon, 90), DialPlace(m[i].lon, 90)) << i;
    }
    if (m[i].a == 2 && m[i].b == 3) at95 = i;
    if (m[i].a == 5 && m[i].b == 6) at200 = i;
  }
  EXPECT_LT(at95, at200);
}

TEST(Midpoints, TreesHoldExactlyThePairsABruteForceSearchFinds) {
  std::mt19937 g(31);
  std::uniform_real_distribution<double> u(0.0, 360.0);
  std::vector<double> lons(21);
  for (double& x : lons) x = u(g);
  const std::vector<AspectPoint> points = PointsAt(lons);
  const std::vector<MidpointPair> mids = MidpointsOf(points);
  ASSERT_EQ(mids.size(), 210u);
  for (int modulus : {360, 90, 45})
    for (int k = 0; k < 40; ++k) {
      const double at = u(g), orb = 1.5;
      std::set<std::pair<int, int>> expected;
      for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = i + 1; j < points.size(); ++j) {
          // Both midpoints of the pair against every arm of the dial.
          const double mid = Midpoint(lons[i], lons[j]);
          for (int arm = 0; arm < 360; arm += modulus)
            if (AngularDistance(mid, Modulo(360.0, at + arm)) <= orb) expected.insert({int(i), int(j)});
        }
      std::set<std::pair<int, int>> found;
      double last = 0;
      for (const TreeBranch& b : MidpointTree(mids, at, modulus, orb)) {
        found.insert({b.midpoint.a, b.midpoint.b});
        EXPECT_GE(b.orb, last);  // nearest first
        last = b.orb;
      }
      EXPECT_EQ(found, expected) << modulus << " at " << at;
    }
  // The tree of a point leaves out the pairs that hold it.
  for (const TreeBranch& b : MidpointTree(mids, lons[4], 90, 5.0, 4))
    EXPECT_TRUE(b.midpoint.a != 4 && b.midpoint.b != 4);
}

TEST(Dial, DegreesRunCounterClockwiseFromTheTopAndThePointerTurnsByTenths) {
  const DialGeometry g{200, 300, 100, 1.5};  // a page drawn 1.5 times as tall
  const struct {
    double x, y;
    int modulus;
    double place;
  } cases[] = {{200, 100, 90, 0},    {100, 300, 90, 22.5}, {200, 400, 90, 45},
               {300, 300, 90, 67.5}, {100, 300, 360, 90},  {300, 150, 45, 39.4}};
  for (const auto& c : cases)
    EXPECT_NEAR(DialPlaceAt(g, c.modulus, c.x, c.y), c.place, 0.051)
        << c.x << "," << c.y << " on " << c.modulus;
  EXPECT_NEAR(TurnPointer(89.95, 0.1, 90), 0.1, 1e-9);
  EXPECT_NEAR(TurnPointer(0.0, -0.1, 90), 89.9, 1e-9);
  double p = 0;
  for (int i = 0; i < 900; ++i) p = TurnPointer(p, 0.1, 45);
  EXPECT_NEAR(p, 0.0, 1e-9);  // 90 degrees in tenths: twice round, no drift
}

TEST(Midpoints, OrbIsKeptInTheAspectOptionsAndOldFilesReadAsTheDefault) {
  test::TempFolder folder;
  ScopedScriptedMessages messages;
  AspectOptions o;
  o.bytes[15] = 0;  // as written before the orb was kept
  ASSERT_TRUE(WriteAspectOptions(o));
  AspectOptions back;
  ASSERT_TRUE(ReadAspectOptions(back));
  EXPECT_DOUBLE_EQ(back.MidpointOrb(), kDefaultMidpointOrb);
  back.SetMidpointOrb(2.3);
  ASSERT_TRUE(WriteAspectOptions(back));
  ASSERT_TRUE(ReadAspectOptions(o));
  EXPECT_DOUBLE_EQ(o.MidpointOrb(), 2.3);
  o.bytes[15] = 51;  // beyond 5 degrees: a damaged file
  ASSERT_TRUE(WriteAspectOptions(o));
  EXPECT_FALSE(ReadAspectOptions(back));
  EXPECT_DOUBLE_EQ(back.MidpointOrb(), kDefaultMidpointOrb);
}

}  // namespace
}  // namespace vostrane
