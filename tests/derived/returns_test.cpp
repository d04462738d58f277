// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/DeltaT.h"
#include "astro/PlanetPass.h"
#include "astro/TimeScales.h"
#include "derived/PointArithmetic.h"
#include "derived/ReturnSearch.h"
#include "derived/EntryCalculation.h"
#include "platform/ScriptedMessageService.h"
#include "common/Calendar.h"
#include "tests/derived/DerivedSession.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

using test::Natal;

// An independent look at the sky: a whole chart calculated the ordinary way
// for a Greenwich moment, as the driver calculates a natal chart.
class Sky {
 public:
  explicit Sky(char zodiac) : zodiac_(zodiac) {}
  ChartEntry At(double julianDayUt) {
    ChartEntry e;
    e.InitNewEntry(zodiac_, 0);
    SetGreenwichMoment(e, julianDayUt);
    CalcTimeScales(e);
    CalcDeltaT(e);
    ComputeBodySlots(e, theory_, test::ShownReport().report());
    return e;
  }
  // How far the body is past the longitude, in (-180, 180].
  double Past(int slot, double longitude, double julianDayUt) {
    return DiffDeg(longitude, At(julianDayUt).lon(slot));
  }

 private:
  char zodiac_;
  AnalyticTheory theory_;
};

double ArcSeconds(double a, double b) { return std::fabs(DiffDeg(a, b)) * 3600.0; }

// No crossing of the longitude between `from` and just before `found`,
// looked at every `step` days, and the body at it at `found`.
void ExpectFirstCrossing(Sky& sky, int slot, double longitude, double from, double found, double step) {
  double before = sky.Past(slot, longitude, from);
  for (double jd = from + step; jd < found - 1.0 / 24; jd += step) {
    const double now = sky.Past(slot, longitude, jd);
    const bool crossed = (before < 0) != (now < 0) && std::fabs(before) < 90 && std::fabs(now) < 90;
    ASSERT_FALSE(crossed) << "an earlier crossing near JD " << jd;
    before = now;
  }
  // An hour earlier the body is on one side, an hour later on the other.
  EXPECT_LT(sky.Past(slot, longitude, found - 1.0 / 24) * sky.Past(slot, longitude, found + 1.0 / 24),
            0);
}

DerivedRequest ReturnRequest(DerivedKind kind, int month, int day, int year, int body = 0) {
  DerivedRequest r;
  r.kind = kind;
  r.base = 1;
  r.month = month;
  r.day = day;
  r.year = year;
  r.body = body;
  return r;
}

TEST(Returns, SolarReturnIsTheFirstReturnOfTheSunToWithinHalfASecondOfArc) {
  for (char zodiac : {'T', 'S'}) {
    test::DerivedSession s;
    s.Add(Natal("Ada", 12, 10, 1980, 13, 0, 51.5, 0.12, 0, zodiac));
    s.Add(ReturnRequest(DerivedKind::SolarReturn, 3, 1, 2021));
    s.Calculate();
    const ChartEntry natal = s.Result(1), ret = s.Result(2);
    ASSERT_TRUE(ret.calcComplete());
    EXPECT_LT(ArcSeconds(natal.lon(0), ret.lon(0)), 0.5) << zodiac;
    EXPECT_EQ(ret.year(), 2021);
    EXPECT_EQ(ret.month(), 12);
    EXPECT_EQ(ret.zoneHoursWest(), 0);
    // The natal place by default, and the chart's own houses there.
    EXPECT_EQ(ret.latitude(), 51.5);
    EXPECT_NE(ret.asc(), natal.asc());
    Sky sky(zodiac);
    EXPECT_LT(ArcSeconds(natal.lon(0), sky.At(ret.julianDayUt()).lon(0)), 0.5);
    ExpectFirstCrossing(sky, 0, natal.lon(0), GregorianJulDay(3, 1, 2021), ret.julianDayUt(), 1.0);
  }
}

TEST(Returns, LunarReturnIsTheFirstReturnOfTheMoonToWithinASecondOfArc) {
  test::DerivedSession s;
  s.Add(Natal("Ada", 12, 10, 1980, 13, 0, 51.5, 0.12, 0));
  DerivedRequest r = ReturnRequest(DerivedKind::LunarReturn, 7, 4, 2015);
  r.place = DerivedPlace{"Paris", 48.85, -2.35, -1, 0, 0};
  s.Add(r);
  s.Calculate();
  const ChartEntry natal = s.Result(1), ret = s.Result(2);
  EXPECT_LT(ArcSeconds(natal.lon(1), ret.lon(1)), 1.0);
  EXPECT_EQ(ret.place(), "Paris");
  EXPECT_EQ(ret.latitude(), 48.85);
  EXPECT_EQ(ret.zoneHoursWest(), 0);  // stored in Greenwich time
  const double from = GregorianJulDay(7, 4, 2015);
  EXPECT_GT(ret.julianDayUt(), from);
  EXPECT_LT(ret.julianDayUt(), from + 28);
  Sky sky('T');
  ExpectFirstCrossing(sky, 1, natal.lon(1), from, ret.julianDayUt(), 0.125);
}

// Mars stood retrograde on 1 October 2020; it crossed the same longitude
// moving forward in the summer before and again after its station.
TEST(Returns, PlanetReturnsTakeTheFirstCrossingInEitherDirection) {
  test::DerivedSession s;
  s.Add(Natal("Mars", 10, 1, 2020, 12, 0, 0, 0, 0));
  s.Add(ReturnRequest(DerivedKind::PlanetReturn, 1, 1, 2020, 4));
  s.Add(ReturnRequest(DerivedKind::PlanetReturn, 8, 25, 2020, 4));
  s.Add(ReturnRequest(DerivedKind::PlanetReturn, 10, 2, 2020, 4));
  s.Calculate();
  const ChartEntry natal = s.Result(1);
  ASSERT_LT(natal.body(BodyArray::Speed, 4), 0);  // retrograde at birth
  Sky sky('T');
  const double froms[] = {GregorianJulDay(1, 1, 2020), GregorianJulDay(8, 25, 2020),
                          GregorianJulDay(10, 2, 2020)};
  for (int i = 0; i < 3; ++i) {
    const ChartEntry ret = s.Result(2 + i);
    ASSERT_TRUE(ret.calcComplete());
    EXPECT_LT(ArcSeconds(natal.lon(4), ret.lon(4)), 1.0) << i;
    ExpectFirstCrossing(sky, 4, natal.lon(4), froms[i], ret.julianDayUt(), 1.0);
  }
  EXPECT_GT(s.Result(2).body(BodyArray::Speed, 4), 0);
  EXPECT_LT(s.Result(2).julianDayUt(), natal.julianDayUt() - 30);
  // Searched from before the birth within the retrograde loop: the birth itself.
  EXPECT_NEAR(s.Result(3).julianDayUt(), natal.julianDayUt(), 2.0 / 86400);
  EXPECT_GT(s.Result(4).body(BodyArray::Speed, 4), 0);
  EXPECT_GT(s.Result(4).julianDayUt(), GregorianJulDay(11, 14, 2020));
}

// Mars turned retrograde in September 2020: a longitude just short of the
// station is crossed twice within hours, both times inside one step of the
// search.
TEST(Returns, ACrossingAndItsReturnAtAStationAreNotSteppedOver) {
  test::TempFolder folder;
  test::LinkEphemerisFiles(folder);
  Sky sky('T');
  double direct = GregorianJulDay(8, 25, 2020), retrograde = GregorianJulDay(9, 25, 2020);
  while (retrograde - direct > 1e-6) {
    const double mid = 0.5 * (direct + retrograde);
    (sky.At(mid).body(BodyArray::Speed, 4) > 0 ? direct : retrograde) = mid;
  }
  const double station = sky.At(direct).lon(4);
  AnalyticTheory theory;
  // Steps of two days from here put the station halfway between two samples.
  const double from = direct - 11;
  const auto found = FindReturn(
      theory, 4, station - 0.001, from, from + 1000, [](double) { return 0.0; },
      test::ShownReport().report());
  ASSERT_TRUE(found.has_value());
  EXPECT_LT(*found, direct);
  EXPECT_GT(*found, direct - 1.0);
  EXPECT_LT(ArcSeconds(sky.At(*found).lon(4), station - 0.001), 1.0);
}

TEST(Returns, AReturnThatCannotBeFoundIsReportedAndNotDrawn) {
  test::DerivedSession s;
  s.Add(Natal("Ada", 12, 10, 1980, 13, 0, 51.5, 0.12, 0));
  s.Add(ReturnRequest(DerivedKind::SolarReturn, 12, 20, 2300));  // the next one is past 2300
  ChartEntry damaged = s.Entries().back();
  damaged.setPrintoutParam(74, 31);
  damaged.setPrintoutParam(73, 2);  // February 31
  s.Add(damaged);
  ScopedScriptedMessages messages;
  s.Calculate();
  EXPECT_TRUE(s.Result(1).calcComplete());
  EXPECT_FALSE(s.Result(2).calcComplete());
  EXPECT_FALSE(s.Result(3).calcComplete());
  EXPECT_TRUE(messages->Saw("Entry 2 (Ada): No return of the Sun was found"));
  EXPECT_TRUE(messages->Saw("Entry 3 (Ada): The date 2/31/2300 of this chart is not a day"));
}

}  // namespace
}  // namespace vostrane
