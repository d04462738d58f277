// SPDX-License-Identifier: GPL-3.0-or-later
// The aspect list, its patterns, orbs by body class and the editing of the
// aspect sets and their options.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/AspectChoices.h"
#include "wheel/AspectPatterns.h"
#include "wheel/AspectSetEditing.h"
#include "wheel/Synastry.h"

namespace vostrane {
namespace {

using test::Aspect;

// Major aspects and the quincunx, every orb 3 degrees (both classes).
AspectTables EvenOrbs(double orb = 3) {
  AspectTables t;
  const int angles[] = {0, 180, 90, 120, 60, 150};
  for (int i = 0; i < 6; ++i) t.set.SetEntry(i + 1, Aspect(angles[i], orb, orb));
  std::string error;
  EXPECT_TRUE(ComputeCandidateRows(t.set, 2.55, error)) << error;  // room for the largest factor
  BuildAspectTables(t);
  return t;
}

// Planets from Mercury (point 2) on at the given longitudes, direct.
std::vector<AspectPoint> Planets(const std::vector<double>& lons) {
  std::vector<AspectPoint> points;
  for (size_t i = 0; i < lons.size(); ++i) {
    AspectPoint p;
    p.point = 2 + static_cast<int>(i);
    p.lon = std::fmod(lons[i] + 360.0, 360.0);
    p.speed = 0.5;
    points.push_back(p);
  }
  return points;
}

std::set<std::string> KindsIn(const std::vector<AspectPoint>& points, const AspectTables& t) {
  std::set<std::string> kinds;
  for (const AspectPattern& p : FindPatterns(ListAspects(t, points), points, test::EqualCusps(15)))
    kinds.insert(PatternName(p.kind));
  return kinds;
}

TEST(AspectPatterns, EachFigureIsFoundAloneAndLostWhenOnePointLeavesItsOrb) {
  struct Case {
    const char* kind;
    std::vector<double> lons;  // the last point is the one moved
  };
  const Case cases[] = {
      {"Grand Trine", {10, 130, 250}},
      {"T-Square", {10, 190, 100}},
      {"Grand Cross", {10, 100, 190, 280}},
      {"Yod", {10, 70, 220}},
      {"Kite", {10, 130, 250, 190}},
      {"Mystic Rectangle", {10, 70, 190, 250}},
      {"Grand Sextile", {10, 70, 130, 190, 250, 310}},
      {"Stellium", {1, 5, 10, 20}},  // four in Aries, houses 12 and 1 (cusp 1 at 15)
  };
  const AspectTables t = EvenOrbs(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(KindsIn(Planets(c.lons), t), std::set<std::string>{c.kind});
    std::vector<double> moved = c.lons;
    const double step = std::string(c.kind) == "Stellium" ? 10.0 : 3.0;  // to the edge of Aries
    moved.back() += step - 0.1;  // just inside every orb (the stellium still in Aries)
    EXPECT_TRUE(KindsIn(Planets(moved), t).count(c.kind));
    moved.back() += 0.2;  // 0.1 outside (the stellium: into Taurus)
    EXPECT_FALSE(KindsIn(Planets(moved), t).count(c.kind));
  }
}

TEST(AspectList, ApplyingMatchesTheOrbAMinuteLater) {
  struct Pair {
    double lonA, speedA, lonB, speedB;
  };
  const Pair pairs[] = {
      {98, 1.2, 100, 0.1},     // faster point behind a conjunction
      {102, 1.2, 100, 0.1},    // faster point past it
      {100, -0.6, 98, 0.1},    // retrograde point coming back to a conjunction
      {10, 0.05, 128, -0.02},  // trine, both slow, one retrograde
      {359, 0.9, 91, -0.3},    // square across 0 degrees
      {5, -0.4, 183, -0.1},    // opposition, both retrograde
      {30, 0.5, 298, 1.0},     // square the other way round the circle
      {30, 0.5, 270, 1.0},     // an exact trine only separates
  };
  const AspectTables t = EvenOrbs(3);
  const double minute = 1.0 / 1440.0;
  for (const Pair& p : pairs) {
    std::vector<AspectPoint> pts = Planets({p.lonA, p.lonB});
    pts[0].speed = p.speedA, pts[1].speed = p.speedB;
    const std::vector<ListedAspect> list = ListAspects(t, pts);
    ASSERT_EQ(list.size(), 1u) << p.lonA << " " << p.lonB;
    std::vector<AspectPoint> later = Planets({p.lonA + p.speedA * minute, p.lonB + p.speedB * minute});
    double orbLater = 999;
    for (const ListedAspect& l : ListAspects(t, later)) orbLater = l.orb;
    EXPECT_EQ(list[0].applying, orbLater < list[0].orb) << p.lonA << " " << p.lonB;
  }
}

TEST(AspectList, OrbsFollowTheLargerBodyClassFactorToTheBoundary) {
  struct Case {
    int a, b;      // wheel points
    double limit;  // trine orb 4 (planets) or 6 (Sun/Moon) times the factor
  };
  AspectTables t;
  t.set.SetEntry(1, Aspect(120, 4, 6));
  t.options.SetFactorPercent(BodyClass::Luminaries, 150);
  t.options.SetFactorPercent(BodyClass::Personal, 50);
  t.options.SetFactorPercent(BodyClass::Social, 100);
  t.options.SetFactorPercent(BodyClass::Outer, 75);
  t.options.SetFactorPercent(BodyClass::Angles, 200);
  t.options.SetFactorPercent(BodyClass::Points, 25);
  std::string error;
  ASSERT_TRUE(ComputeCandidateRows(t.set, 2.0, error));
  BuildAspectTables(t);
  const Case cases[] = {
      {0, 2, 9.0},  {2, 3, 2.0},   {2, 5, 4.0},  {3, 8, 3.0},
      {4, 11, 8.0}, {10, 18, 1.0}, {9, 10, 3.0}, {1, 12, 12.0},
  };
  for (const Case& c : cases) {
    for (double off : {c.limit - 0.01, c.limit + 0.01}) {
      AspectPoint a, b;
      a.point = c.a, b.point = c.b;
      a.lon = 40 + 120 + off;
      b.lon = 40;
      const bool found = !ListAspects(t, {a, b}).empty();
      EXPECT_EQ(found, off < c.limit) << c.a << "-" << c.b << " at " << off;
    }
  }
}

// A calculated-looking natal chart: Sun to Pluto at random places and
// speeds, equal houses from the Ascendant.
ChartEntry RandomChart(std::mt19937& random, double asc) {
  std::uniform_real_distribution<double> lon(0, 360), speed(-0.8, 1.5);
  ChartEntry e;
  e.setUsed(true);
  e.setHouseSystemLetter('B');
  e.setObliquityRad(23.44);
  for (int slot = 0; slot <= 9; ++slot) {
    e.setLon(slot, lon(random));
    e.setBody(BodyArray::Speed, slot, speed(random));
  }
  for (int h = 1; h <= 6; ++h) e.setCusp(h, std::fmod(asc + 30.0 * (h - 1), 360.0));
  e.setMc(std::fmod(asc + 270.0, 360.0));
  return e;
}

TEST(Synastry, InterAspectsEqualABruteForceCountOverBothCharts) {
  AspectTables t = EvenOrbs(0);
  const double orbs[][2] = {{8, 10}, {8, 10}, {7, 9}, {7, 9}, {5, 6}, {2, 3}};
  for (int i = 1; i <= 6; ++i) {
    AspectEntry e = t.set.Entry(i);
    SetOrb(e.orbDegrees, e.orbMinutes, orbs[i - 1][0]);
    SetOrb(e.sunOrbDegrees, e.sunOrbMinutes, orbs[i - 1][1]);
    t.set.SetEntry(i, e);
  }
  t.options.SetFactorPercent(BodyClass::Outer, 60);
  t.options.SetFactorPercent(BodyClass::Personal, 120);
  std::string error;
  ASSERT_TRUE(ComputeCandidateRows(t.set, 1.2, error));
  BuildAspectTables(t);
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    const ChartEntry inner = RandomChart(random, 0), outer = RandomChart(random, 100);
    const SynastryReport r = CompareCharts(t, WheelDefinition{}, inner, outer);
    size_t expected = 0;
    for (int a = 0; a <= 9; ++a)
      for (int b = 0; b <= 9; ++b) {
        const double g = std::fmod(std::fabs(inner.lon(a) - outer.lon(b)), 360.0);
        const double sep = g > 180 ? 360 - g : g;
        for (int i = 1; i <= 6; ++i) {
          const AspectEntry e = t.set.Entry(i);
          const double orb = (a <= 1 || b <= 1 ? e.SunMoonOrb() : e.PlanetOrb()) *
                             t.options.PairFactor(a, b);
          if (std::fabs(sep - e.Angle()) <= orb) ++expected;
        }
      }
    ASSERT_EQ(r.aspects.size(), expected) << "round " << round;
    for (const ListedAspect& l : r.aspects) EXPECT_TRUE(l.a.ring == 1 && l.b.ring == 2);
    // The outer chart's Sun in the inner chart's equal houses from 0.
    EXPECT_EQ(r.outerInInner[0].house, static_cast<int>(outer.lon(0) / 30.0) + 1);
  }
}

TEST(AspectSetEditing, WritingASetBackKeepsEveryByteItDoesNotEdit) {
  test::TempFolder folder;
  std::string bytes(3 * kAspectSetSize + 17, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131 + 7) % 251);
  folder.Write(kAspectSetFileName, bytes);
  AspectSetFileImage image;
  ScopedScriptedMessages messages;
  ASSERT_TRUE(image.Load());
  AspectSet edited;
  edited.SetEntry(1, Aspect(120, 5, 7));
  edited.SetShortName(1, "Tri");
  std::string error;
  ASSERT_TRUE(image.PutSet(2, edited, 1.0, error)) << error;
  ASSERT_TRUE(image.Save());
  const std::string after = folder.Read(kAspectSetFileName);
  ASSERT_EQ(after.size(), bytes.size());
  const size_t set2 = kAspectSetSize;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const bool editedRange = i >= set2 && i < set2 + kAspectSetSize &&
                             (i < set2 + 181 * kCandidateRowSize || i >= set2 + kShortNamesOffset);
    if (!editedRange) {
      ASSERT_EQ(after[i], bytes[i]) << "byte " << i;
    }
  }
  AspectSet read;
  ASSERT_TRUE(ReadAspectSet('2', "AAA", read));
  EXPECT_EQ(read.Entry(1).orbDegrees, 5);
  EXPECT_EQ(read.Candidates(113), std::vector<int>{1});
  EXPECT_TRUE(read.Candidates(112).empty());
  EXPECT_TRUE(messages->Shown().empty());

  // A file shorter than its three sets is named and not taken.
  folder.Write(kAspectSetFileName, bytes.substr(0, 2 * kAspectSetSize));
  EXPECT_FALSE(AspectSetFileImage().Load());
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_NE(messages->Shown()[0].text.find("ANGLES.DAT"), std::string::npos);
}

TEST(AspectOptionsFile, RoundTripsAndNamesADamagedFile) {
  test::TempFolder folder;
  ScopedScriptedMessages messages;
  AspectOptions o;
  ASSERT_TRUE(ReadAspectOptions(o));  // no file: the defaults
  EXPECT_EQ(o.FactorPercent(BodyClass::Outer), 100);
  o.SetWheelSet(3);
  o.SetFactorPercent(BodyClass::Angles, 40);
  o.SetParallel(true, 1.2);
  o.bytes[31] = 0x5a;  // not used by this program: kept
  ASSERT_TRUE(WriteAspectOptions(o));
  AspectOptions back;
  ASSERT_TRUE(ReadAspectOptions(back));
  EXPECT_EQ(back.bytes, o.bytes);
  EXPECT_DOUBLE_EQ(back.ParallelOrb(), 1.2);
  EXPECT_TRUE(messages->Shown().empty());
  for (const std::string& bad :
       {std::string(31, '\0'), std::string(o.bytes.begin(), o.bytes.end() - 1) + "\1\1"}) {
    std::string b = bad;
    if (b.size() == kAspectOptionsSize) b[5] = 0;  // a factor of 0 %
    folder.Write(kAspectOptionsFileName, b);
    EXPECT_FALSE(ReadAspectOptions(back));
    EXPECT_EQ(back.FactorPercent(BodyClass::Angles), 100);
  }
  ASSERT_EQ(messages->Shown().size(), 2u);
  EXPECT_NE(messages->Shown()[1].text.find(kAspectOptionsFileName), std::string::npos);
}

}  // namespace
}  // namespace vostrane
