// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "astro/TimeScales.h"
#include "derived/CompositeChart.h"
#include "derived/PointArithmetic.h"
#include "session/EntryRemoval.h"
#include "tests/derived/DerivedSession.h"

namespace vostrane {
namespace {

using test::Natal;

// The body slots with positions of their own (not the angles and the Part
// of Fortune, which follow the houses).
const int kBodies[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 17, 18, 19, 20};

ChartEntry Ada() { return Natal("Ada", 12, 10, 1980, 13, 0, 51.5, 0.12, 0); }
ChartEntry Bob() { return Natal("Bob", 3, 21, 1975, 6, 30, 40.7, 74.0, 5); }

DerivedRequest Request(DerivedKind kind, int base = 1) {
  DerivedRequest r;
  r.kind = kind;
  r.base = base;
  r.month = 12;
  r.day = 10;
  r.year = 2010;
  return r;
}

TEST(Progressions, TheMomentIsADayAfterBirthForEachYear) {
  test::DerivedSession s;
  s.Add(Ada());
  s.Add(Request(DerivedKind::Progressed));
  s.Calculate();
  const ChartEntry natal = s.Result(1), p = s.Result(2);
  ASSERT_TRUE(p.calcComplete());
  // Birth 1980-12-10 13:00 GMT, target 2010-12-10 at the same clock time.
  const double birth = GregorianJulDay(12, 10, 1980) + 13.0 / 24;
  const double target = GregorianJulDay(12, 10, 2010) + 13.0 / 24;
  EXPECT_NEAR(natal.julianDayUt(), birth, 1e-9);
  EXPECT_NEAR(p.julianDayUt(), birth + (target - birth) / 365.2422, 1.0 / 86400);
  // Stored in Greenwich time at the natal place.
  EXPECT_EQ(p.zoneHoursWest(), 0);
  EXPECT_EQ(p.latitude(), 51.5);
  EXPECT_EQ(p.month(), 1);
  EXPECT_EQ(p.year(), 1981);
  // The progressed Sun has moved about a degree a day, thirty days.
  const double sunArc = ModAngle(360, p.lon(0) - natal.lon(0));
  EXPECT_GT(sunArc, 29.0);
  EXPECT_LT(sunArc, 32.0);
  // The meridian moved by the Sun's arc in right ascension.
  const double raArc = ModAngle(360, p.body(BodyArray::Ra, 0) - natal.body(BodyArray::Ra, 0));
  EXPECT_NEAR(ModAngle(360, (p.ramcRad() - natal.ramcRad()) * kDegPerRad), raArc, 1e-6);
  // The planet step saw the progressed angles (Part of Fortune from them).
  EXPECT_NEAR(p.lon(slot::Ascendant), p.asc(), 1e-9);
  EXPECT_NEAR(p.lon(slot::PartOfFortune), ModAngle(360, p.asc() + p.lon(1) - p.lon(0)), 1e-9);
}

TEST(Progressions, SolarArcAdvancesEveryNatalPointByTheProgressedSunsArc) {
  test::DerivedSession s;
  s.Add(Ada());
  s.Add(Request(DerivedKind::Progressed));
  s.Add(Request(DerivedKind::SolarArc));
  s.Calculate();
  const ChartEntry natal = s.Result(1), progressed = s.Result(2), arc = s.Result(3);
  ASSERT_TRUE(arc.calcComplete());
  const double a = ModAngle(360, progressed.lon(0) - natal.lon(0));
  auto expectAdvanced = [a](double natalValue, double directed, const char* what) {
    EXPECT_NEAR(std::fabs(DiffDeg(ModAngle(360, natalValue + a), directed)), 0, 1e-9) << what;
  };
  for (int s : kBodies) {
    expectAdvanced(natal.lon(s), arc.lon(s), "body");
    EXPECT_EQ(arc.body(BodyArray::Lat, s), natal.body(BodyArray::Lat, s));
  }
  expectAdvanced(natal.asc(), arc.asc(), "Ascendant");
  expectAdvanced(natal.mc(), arc.mc(), "Midheaven");
  expectAdvanced(natal.moonNodeDeg(), arc.moonNodeDeg(), "node");
  expectAdvanced(natal.vertex(), arc.vertex(), "Vertex");
  for (int h = 1; h <= 6; ++h) expectAdvanced(natal.cusp(h), arc.cusp(h), "cusp");
  // The directed Sun is the progressed Sun.
  EXPECT_NEAR(arc.lon(0), progressed.lon(0), 1e-9);
  // The chart's moment is the progressed one.
  EXPECT_NEAR(arc.julianDayUt(), progressed.julianDayUt(), 1e-9);
}

TEST(Relocated, KeepsTheNatalPlanetsAndChangesOnlyAnglesAndHouses) {
  test::DerivedSession s;
  s.Add(Ada());
  DerivedRequest r = Request(DerivedKind::Relocated);
  r.place = DerivedPlace{"New York", 40.7, 74.0, 5, 1, 0};  // daylight time
  s.Add(r);
  s.Calculate();
  const ChartEntry natal = s.Result(1), moved = s.Result(2);
  ASSERT_TRUE(moved.calcComplete());
  EXPECT_NEAR(moved.julianDayUt(), natal.julianDayUt(), 1e-9);
  EXPECT_EQ(moved.hours(), 9);  // 13:00 GMT is 9:00 daylight time at zone 5 West
  EXPECT_EQ(moved.day(), 10);
  for (int s : kBodies) {
    EXPECT_EQ(moved.lon(s), natal.lon(s)) << s;
    EXPECT_EQ(moved.body(BodyArray::Decl, s), natal.body(BodyArray::Decl, s)) << s;
  }
  EXPECT_GT(std::fabs(DiffDeg(moved.asc(), natal.asc())), 10);
  EXPECT_GT(std::fabs(DiffDeg(moved.mc(), natal.mc())), 10);
  EXPECT_GT(std::fabs(DiffDeg(moved.cusp(2), natal.cusp(2))), 10);
}

TEST(Transits, AreCalculatedLikeANatalChartOfTheirMoment) {
  test::DerivedSession s;
  s.Add(Ada());
  DerivedRequest r = Request(DerivedKind::Transit);
  r.hours = 8;
  r.minutes = 15;
  r.place = DerivedPlace{"Paris", 48.85, -2.35, -1, 0, 0};
  s.Add(r);
  s.Add(Natal("Same", 12, 10, 2010, 8, 15, 48.85, -2.35, -1));
  s.Calculate();
  const ChartEntry transit = s.Result(2), same = s.Result(3);
  ASSERT_TRUE(transit.calcComplete());
  for (int slot = 0; slot <= 30; ++slot) EXPECT_EQ(transit.lon(slot), same.lon(slot)) << slot;
  EXPECT_EQ(transit.asc(), same.asc());
  EXPECT_NE(transit.lon(0), s.Result(1).lon(0));
}

TEST(Composite, MidpointsTakeTheShorterArcAcrossTheFirstPointOfAries) {
  EXPECT_DOUBLE_EQ(ShorterArcMidpoint(350, 20), 5);
  EXPECT_DOUBLE_EQ(ShorterArcMidpoint(20, 350), 5);
  EXPECT_DOUBLE_EQ(ShorterArcMidpoint(10, 200), 285);
  EXPECT_DOUBLE_EQ(ShorterArcMidpoint(100, 120), 110);
  EXPECT_DOUBLE_EQ(ShorterArcMidpoint(340, 300), 320);
}

TEST(Composite, EveryPointIsTheShorterArcMidpointOfTheTwoCharts) {
  test::DerivedSession s;
  s.Add(Ada());
  s.Add(Bob());
  DerivedRequest r = Request(DerivedKind::Composite);
  r.secondBase = 2;
  s.Add(r);
  s.Calculate();
  const ChartEntry a = s.Result(1), b = s.Result(2), c = s.Result(3);
  ASSERT_TRUE(c.calcComplete());
  EXPECT_EQ(c.level(), 1);
  for (int slot : kBodies) {
    const double half = std::fabs(DiffDeg(a.lon(slot), b.lon(slot))) / 2;
    EXPECT_NEAR(std::fabs(DiffDeg(a.lon(slot), c.lon(slot))), half, 1e-9) << slot;
    EXPECT_NEAR(std::fabs(DiffDeg(b.lon(slot), c.lon(slot))), half, 1e-9) << slot;
  }
  const double mcHalf = std::fabs(DiffDeg(a.mc(), b.mc())) / 2;
  EXPECT_NEAR(std::fabs(DiffDeg(a.mc(), c.mc())), mcHalf, 1e-9);
  EXPECT_NEAR(std::fabs(DiffDeg(b.mc(), c.mc())), mcHalf, 1e-9);
  EXPECT_DOUBLE_EQ(c.latitude(), (51.5 + 40.7) / 2);
  // The Ascendant comes from the composite meridian at the mean latitude,
  // on the eastern side of it.
  EXPECT_GT(ModAngle(360, c.asc() - c.mc()), 0);
  EXPECT_LT(ModAngle(360, c.asc() - c.mc()), 180);
  EXPECT_EQ(c.lon(slot::Midheaven), c.mc());
}

TEST(Composite, ASecondChartInTheOtherZodiacIsBroughtIntoTheFirstOnes) {
  ChartEntry a = Ada(), b = Ada(), c;
  a.setZodiacLetter('T');
  b.setZodiacLetter('S');
  a.setObliquityRad(0.409);
  b.setObliquityRad(0.409);
  b.setAyanamsaDeg(-24.0);  // sidereal longitudes are 24 degrees less
  a.setLon(0, 350);
  b.setLon(0, 356);  // 20 tropical
  a.setMc(10);
  b.setMc(-14 + 360);
  c.setZodiacLetter('T');
  c.setHouseSystemLetter('F');
  CalcCompositeChart(c, a, b, false);
  EXPECT_NEAR(c.lon(0), 5, 1e-9);
  EXPECT_NEAR(c.mc(), 10, 1e-6);
}

TEST(Harmonic, AChainOfDerivedChartsIsCalculatedBaseFirst) {
  // Record 2 is the 5th harmonic of record 3, the progression of record 1.
  test::DerivedSession s;
  const ChartEntry natal = Ada();
  const DerivedBuild progressed = BuildDerivedEntry(Request(DerivedKind::Progressed), natal, nullptr, 1);
  DerivedRequest h = Request(DerivedKind::Harmonic, 3);
  h.harmonic = 5;
  const DerivedBuild harmonic = BuildDerivedEntry(h, progressed.entry, nullptr, 3);
  ASSERT_TRUE(progressed.ok && harmonic.ok);
  s.Add(natal);
  s.Add(harmonic.entry);
  s.Add(progressed.entry);
  s.Calculate();
  const ChartEntry p = s.Result(3), fifth = s.Result(2);
  EXPECT_EQ(s.Result(1).level(), 0);
  EXPECT_EQ(p.level(), 1);
  EXPECT_EQ(fifth.level(), 2);
  ASSERT_TRUE(p.calcComplete() && fifth.calcComplete());
  EXPECT_NE(p.lon(0), 0);
  for (int slot : kBodies) EXPECT_NEAR(fifth.lon(slot), ModAngle(360, 5 * p.lon(slot)), 1e-9) << slot;
  EXPECT_NEAR(fifth.asc(), ModAngle(360, 5 * p.asc()), 1e-9);
  EXPECT_NEAR(fifth.cusp(3), ModAngle(360, 5 * p.cusp(3)), 1e-9);
  EXPECT_EQ(fifth.harmonic(), 5);
  EXPECT_EQ(fifth.julianDayUt(), p.julianDayUt());
}

TEST(Removal, RemovingANatalEntryRemovesEveryChartMadeFromIt) {
  test::DerivedSession s;
  s.Add(Ada());  // 1
  s.Add(Bob());  // 2
  DerivedRequest t = Request(DerivedKind::Transit);
  t.place = DerivedPlace{"Paris", 48.85, -2.35, -1, 0, 0};
  s.Add(t);  // 3: transits of 1
  DerivedRequest h = Request(DerivedKind::Harmonic, 3);
  h.harmonic = 7;
  s.Add(h);  // 4: of 3
  DerivedRequest c = Request(DerivedKind::Composite, 2);
  c.secondBase = 1;
  s.Add(c);                                  // 5: of 2 and 1
  s.Add(Request(DerivedKind::SolarArc, 2));  // 6: of 2
  const EntriesToRemove plan = CollectEntriesToRemove(s.Entries(), 1);
  EXPECT_EQ(plan.records, (std::vector<int>{1, 3, 4, 5}));

  s.Folder().Write(kSessionFileName, test::SessionBytes(s.Entries()));
  ASSERT_TRUE(RewriteSessionWithout(ChartEntry(), s.Entries(), plan.records));
  const std::string bytes = s.Folder().Read(kSessionFileName);
  ASSERT_EQ(bytes.size(), 4 * kEntrySize);
  const ChartEntry bob = test::EntryAt(bytes, 1), arc = test::EntryAt(bytes, 2);
  EXPECT_EQ(bob.name(), "Bob");
  EXPECT_EQ(KindOfEntry(arc), DerivedKind::SolarArc);
  EXPECT_EQ(arc.baseEntry(), 1);
  EXPECT_EQ(arc.printoutParam(77), 1);
  EXPECT_EQ(arc.printoutParam(501), 1);
  EXPECT_EQ(arc.printoutParam(301), 1);
}

}  // namespace
}  // namespace vostrane
