// SPDX-License-Identifier: GPL-3.0-or-later
// The ring arrays filled from chart entries: the wheel's point numbering,
// the derived points, the node choice and which points are shown.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/wheel/WheelTestSupport.h"
#include "wheel/RingPoints.h"

namespace vostrane {
namespace {

ChartEntry SampleEntry() {
  ChartEntry e;
  e.setHarmonic(1);
  e.setHouseSystemLetter('F');
  for (int slot = 0; slot <= 30; ++slot) {
    e.setLon(slot, 10.0 * slot + 1.5);
    e.setBody(BodyArray::Speed, slot, 0.01 * slot + 0.1);
  }
  e.setMoonNodeDeg(123.25);
  e.setMc(77.0);
  const double cusps[6] = {300.5, 330, 2, 31, 60, 85};
  for (int h = 1; h <= 6; ++h) e.setCusp(h, cusps[h - 1]);
  return e;
}

TEST(RingPoints, PointsFromBodySlots) {
  const ChartEntry e = SampleEntry();
  WheelDefinition d = test::PlainStyle();
  const RingChart r = FillRing(e, d);
  EXPECT_DOUBLE_EQ(r.lon[0], 1.5);
  EXPECT_DOUBLE_EQ(r.lon[9], 91.5);
  EXPECT_DOUBLE_EQ(r.lon[10], 101.5);  // true node with offset 27 'T'
  EXPECT_DOUBLE_EQ(r.speed[10], 0.2);
  EXPECT_DOUBLE_EQ(r.lon[13], 161.5);  // Ceres, slot 16
  EXPECT_DOUBLE_EQ(r.lon[17], 201.5);  // Chiron, slot 20
  EXPECT_DOUBLE_EQ(r.speed[17], 0.3);
  EXPECT_DOUBLE_EQ(r.lon[20], 131.5);  // Vertex, slot 13, speed lifted by 360
  EXPECT_DOUBLE_EQ(r.speed[20], 360.23);
  EXPECT_DOUBLE_EQ(r.lon[21], 141.5);  // East point
  EXPECT_DOUBLE_EQ(r.lon[22], 231.5);  // Cupido, slot 23
  EXPECT_DOUBLE_EQ(r.lon[29], 301.5);  // Poseidon, slot 30

  // Angles: cusp 1 and cusp 10 (the MC field for the systems whose cusp 10
  // is not the Midheaven).
  EXPECT_DOUBLE_EQ(r.lon[11], 300.5);
  EXPECT_DOUBLE_EQ(r.speed[11], 360.21);
  EXPECT_DOUBLE_EQ(r.lon[12], 211.0);
  EXPECT_DOUBLE_EQ(r.cusps[6], 120.5);
  EXPECT_DOUBLE_EQ(r.cusps[11], 265.0);
  for (const char own : {'B', 'E', 'J', 'T'}) {
    ChartEntry apart = e;
    apart.setHouseSystemLetter(own);
    EXPECT_DOUBLE_EQ(FillRing(apart, d).lon[12], 77.0) << own;
  }
  ChartEntry alcabitius = e;
  alcabitius.setHouseSystemLetter('K');
  EXPECT_DOUBLE_EQ(FillRing(alcabitius, d).lon[12], 211.0);
  // Systems whose cusp 1 is not the Ascendant draw, tabulate and count the
  // Part of Fortune from the real one.
  for (const char own : {'D', 'E', 'J', 'L', 'M', 'O', 'R', 'T'}) {
    ChartEntry apart = e;
    apart.setHouseSystemLetter(own);
    apart.setAsc(317.25);
    const RingChart ra = FillRing(apart, d);
    EXPECT_DOUBLE_EQ(ra.lon[11], 317.25) << own;
    EXPECT_DOUBLE_EQ(ra.lon[18], 317.25 + 11.5 - 1.5) << own;
    EXPECT_DOUBLE_EQ(ra.cusps[0], 300.5) << own;  // the wheel still turns on cusp 1
  }

  // Part of Fortune: Ascendant + Moon - Sun, reduced; south node opposite.
  EXPECT_DOUBLE_EQ(r.lon[18], 300.5 + 11.5 - 1.5);
  EXPECT_DOUBLE_EQ(r.speed[18], 360.21 + 0.11 - 0.1);
  EXPECT_DOUBLE_EQ(r.lon[19], 281.5);
  EXPECT_DOUBLE_EQ(r.speed[19], r.speed[10]);
}

// The day and night formula: the Sun above the horizon (between the
// Descendant and the Ascendant over the Midheaven) keeps Ascendant + Moon -
// Sun; below it the formula is reversed.
TEST(RingPoints, PartOfFortuneByDayAndNight) {
  const struct {
    double sun, moon;
    bool day;
  } cases[] = {{200.0, 11.5, true}, {300.0, 11.5, true}, {301.0, 11.5, false}, {40.0, 90.0, false}};
  ChartEntry e = SampleEntry();  // Ascendant (cusp 1) 300.5
  for (const auto& c : cases) {
    e.setLon(0, c.sun);
    e.setLon(1, c.moon);
    EXPECT_EQ(SunAboveHorizon(c.sun, 300.5), c.day) << c.sun;
    const double day = std::fmod(300.5 + c.moon - c.sun + 720.0, 360.0);
    const double night = std::fmod(300.5 + c.sun - c.moon + 720.0, 360.0);
    EXPECT_NEAR(FillRing(e, test::PlainStyle(), true).lon[18], c.day ? day : night, 1e-9) << c.sun;
    EXPECT_NEAR(FillRing(e, test::PlainStyle()).lon[18], day, 1e-9) << c.sun;
  }
}

TEST(RingPoints, MeanNodeAndItsSpeed) {
  ChartEntry e = SampleEntry();
  WheelDefinition d = test::PlainStyle();
  d.SetLetter(wheel_offset::trueNode, 'M');
  RingChart r = FillRing(e, d);
  EXPECT_DOUBLE_EQ(r.lon[10], 123.25);
  EXPECT_DOUBLE_EQ(r.speed[10], -0.05);
  EXPECT_DOUBLE_EQ(r.lon[19], 303.25);
  e.setHarmonic(5);
  EXPECT_DOUBLE_EQ(FillRing(e, d).speed[10], -0.25);
  e.setHarmonic(0);  // not set: taken as 1, the node stays retrograde
  EXPECT_DOUBLE_EQ(FillRing(e, d).speed[10], -0.05);
  e.setChartType(4);
  e.setChartSubtype(3);
  EXPECT_DOUBLE_EQ(FillRing(e, d).speed[10], 0.19);  // the speed of point 9
  e.setChartSubtype(4);
  EXPECT_DOUBLE_EQ(FillRing(e, d).speed[10], -0.05);
}

TEST(RingPoints, DamagedValuesBecomeZeroAndLongitudesAreReduced) {
  ChartEntry e = SampleEntry();
  e.setLon(2, std::nan(""));
  e.setBody(BodyArray::Speed, 2, std::numeric_limits<double>::infinity());
  e.setLon(3, 725.0);
  e.setCusp(2, std::nan(""));
  const RingChart r = FillRing(e, test::PlainStyle());
  EXPECT_EQ(r.lon[2], 0.0);
  EXPECT_EQ(r.speed[2], 0.0);
  EXPECT_DOUBLE_EQ(r.lon[3], 5.0);
  EXPECT_EQ(r.cusps[1], 0.0);
  EXPECT_EQ(r.cusps[7], 180.0);
}

TEST(RingPoints, RingsByCategory) {
  const ChartEntry a = SampleEntry();
  ChartEntry b = SampleEntry();
  b.setLon(0, 45.0);
  const WheelDefinition d = test::PlainStyle();
  RingArrays single = FillRingArrays(d, 'R', a, &b, &b);
  EXPECT_EQ(single.Count(), 1);
  EXPECT_FALSE(single.Ring(2).present);
  EXPECT_DOUBLE_EQ(single.Ring(2).lon[0], 0.0);
  RingArrays bi = FillRingArrays(d, 'B', a, &b, &b);
  EXPECT_DOUBLE_EQ(bi.Ring(2).lon[0], 45.0);
  EXPECT_FALSE(bi.Ring(3).present);
  RingArrays tri = FillRingArrays(d, 'T', a, &b, &b);
  EXPECT_EQ(tri.Count(), 3);
  EXPECT_TRUE(tri.Ring(3).present);
}

TEST(RingPoints, ShownOnTheWheel) {
  WheelDefinition d = test::PlainStyle();
  RingArrays rings;
  rings.category = 'B';
  rings.Ring(1).houseSystem = HouseSystemId::Placidus;
  for (int p = 0; p <= 9; ++p) EXPECT_TRUE(PointShown(d, rings, p, 1));
  for (int p = 10; p <= 19; ++p) EXPECT_FALSE(PointShown(d, rings, p, 1)) << p;
  d.SetLetter(wheel_offset::asteroids, 'y');
  d.SetLetter(wheel_offset::partOfFortune, 'y');
  EXPECT_TRUE(PointShown(d, rings, 14, 2));
  EXPECT_TRUE(PointShown(d, rings, 18, 1));
  // Ascendant and Midheaven of ring 1 by the house system; rings 2, 3 by
  // offsets 54, 55.
  rings.Ring(1).houseSystem = HouseSystemId::Meridian;
  EXPECT_TRUE(PointShown(d, rings, 11, 1));
  EXPECT_FALSE(PointShown(d, rings, 12, 1));
  rings.Ring(1).houseSystem = HouseSystemId::Equal;
  EXPECT_FALSE(PointShown(d, rings, 11, 1));
  EXPECT_TRUE(PointShown(d, rings, 12, 1));
  rings.Ring(1).houseSystem = HouseSystemId::Morinus;
  EXPECT_TRUE(PointShown(d, rings, 11, 1));
  EXPECT_TRUE(PointShown(d, rings, 12, 1));
  rings.Ring(1).houseSystem = HouseSystemId::WholeSign;  // Whole Sign: neither angle is a cusp
  EXPECT_TRUE(PointShown(d, rings, 11, 1));
  EXPECT_TRUE(PointShown(d, rings, 12, 1));
  rings.Ring(1).houseSystem = HouseSystemId::Alcabitius;
  EXPECT_FALSE(PointShown(d, rings, 11, 1));
  EXPECT_FALSE(PointShown(d, rings, 11, 2));
  d.SetLetter(wheel_offset::anglesRing3, 'Y');
  EXPECT_TRUE(PointShown(d, rings, 12, 3));
}

}  // namespace
}  // namespace vostrane

namespace vostrane {
namespace {

// An entry without Chiron (before its files) or an asteroid (a damaged
// file): the ring knows it, and the wheel neither draws the point nor
// draws aspects to it, whatever the style.
TEST(RingPoints, UnavailablePointsAreNotShown) {
  WheelDefinition d = test::PlainStyle();
  d.SetLetter(wheel_offset::chiron, 'Y');
  d.SetLetter(wheel_offset::asteroids, 'Y');
  for (const auto& [entrySlot, point] : {std::pair{20, wheel_point::Chiron}, std::pair{17, 14}}) {
    ChartEntry e = SampleEntry();
    RingArrays rings = FillRingArrays(d, 'R', e, nullptr, nullptr);
    EXPECT_TRUE(rings.Ring(1).Available(point));
    EXPECT_TRUE(PointShown(d, rings, point, 1));
    e.setUnavailableSlots(1u << entrySlot);
    rings = FillRingArrays(d, 'R', e, nullptr, nullptr);
    EXPECT_FALSE(rings.Ring(1).Available(point)) << point;
    EXPECT_FALSE(PointShown(d, rings, point, 1)) << point;
    EXPECT_TRUE(PointShown(d, rings, wheel_point::Sun, 1));
  }
}

}  // namespace
}  // namespace vostrane
