// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "AstroTestSupport.h"
#include "astro/DeltaT.h"
#include "astro/TimeScales.h"
#include "derived/EntryCalculation.h"
#include "common/Calendar.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::MakeEntry;

TEST(TimeScales, JulianDayAndCenturiesOf2000January1) {
  test::TempFolder folder;
  ChartEntry e = MakeEntry(2000, 1, 1, 0, 0, 0);
  CalcTimeScales(e);
  EXPECT_DOUBLE_EQ(e.julianDayUt(), 2451544.5);
  EXPECT_DOUBLE_EQ(e.universalTimeHours(), 0.0);
  EXPECT_NEAR(e.centuriesSince1900Ut(), 0.99998631074606, 1e-13);
  EXPECT_DOUBLE_EQ(GregorianJulDay(1, 1, 2000), 2451544.5);
  EXPECT_DOUBLE_EQ(GregorianJulDay(10, 15, 1582), 2299160.5);
  EXPECT_DOUBLE_EQ(GregorianJulDay(3, 1, 1600), 2305507.5);
  EXPECT_DOUBLE_EQ(GregorianJulDay(12, 31, 1899), 2415019.5);
}

TEST(TimeScales, GmtIsNotReducedToADay) {
  test::TempFolder folder;
  ChartEntry e = MakeEntry(1990, 3, 10, 23, 30, 0, 5.0);
  CalcTimeScales(e);
  EXPECT_DOUBLE_EQ(e.universalTimeHours(), 28.5);
  // The moment falls on the next date: 1990 March 11, 4:30.
  EXPECT_DOUBLE_EQ(e.julianDayUt(), GregorianJulDay(3, 11, 1990) + 4.5 / 24.0);
}

TEST(TimeScales, DaylightCodesShiftTheClock) {
  test::TempFolder folder;
  const double expected[] = {15.0, 14.0, 14.0, 13.0};
  for (int code = 0; code <= 3; ++code) {
    ChartEntry e = MakeEntry(1970, 7, 1, 10, 0, 0, 5.0, 40.0, 75.0, code);
    CalcTimeScales(e);
    EXPECT_DOUBLE_EQ(e.universalTimeHours(), expected[code]) << code;
  }
  // Local mean time: the zone field is ignored, the longitude counts.
  for (double zone : {0.0, 5.0, -3.0}) {
    ChartEntry e = MakeEntry(1970, 7, 1, 10, 15, 30, zone, 40.0, 75.0, 4);
    CalcTimeScales(e);
    EXPECT_NEAR(e.universalTimeHours(), 10.0 + 15 / 60.0 + 30 / 3600.0 + 5.0, 1e-12) << zone;
  }
}

TEST(TimeScales, ObliquityRamcAndMeanNode) {
  test::TempFolder folder;
  // 2000 January 1, 12h UT at Greenwich: the mean sidereal time is
  // 18h 41m 50.55s, the true obliquity 23.4377 degrees (mean 23.4393 less
  // the nutation of -6.1"), the mean node 125.04 degrees.
  ChartEntry e = MakeEntry(2000, 1, 1, 12, 0, 0);
  CalcTimeScales(e);
  EXPECT_NEAR(e.obliquityRad() * kDegPerRad, 23.4377, 2e-4);
  EXPECT_NEAR(e.ramcRad() * kDegPerRad, (18 + 41 / 60.0 + 50.55 / 3600.0) * 15, 2e-3);
  EXPECT_NEAR(e.moonNodeDeg(), 125.044, 2e-3);
  // West longitude turns the meridian back.
  ChartEntry w = MakeEntry(2000, 1, 1, 12, 0, 0, 0.0, 0.0, 90.0);
  CalcTimeScales(w);
  EXPECT_NEAR(ModAngle(360, (e.ramcRad() - w.ramcRad()) * kDegPerRad), 90.0, 1e-9);
}

TEST(TimeScales, RamcStaysInRangeForAnyMoment) {
  test::TempFolder folder;
  for (int year : {-999, 1, 1582, 1900, 2300}) {
    for (int hour = 0; hour < 24; hour += 5) {
      ChartEntry e = MakeEntry(year, 6, 15, hour, 7, 0, -11.5, 10.0, -179.9);
      CalcTimeScales(e);
      EXPECT_GE(e.ramcRad(), 0.0);
      EXPECT_LT(e.ramcRad(), 2 * kPi);
      EXPECT_GE(e.moonNodeDeg(), 0.0);
      EXPECT_LT(e.moonNodeDeg(), 360.0);
    }
  }
}

TEST(TimeScales, EphemerisTimeAddsDeltaT) {
  ChartEntry e = MakeEntry(1955, 7, 1, 0, 0, 0);
  e.setJulianDayUt(2435289.5);
  CalcDeltaT(e);
  EXPECT_NEAR(EphemerisJulDay(e), 2435289.5 + e.deltaTSeconds() / 86400.0, 1e-9);
}

TEST(DeltaT, ValuesFromTableAndFormulas) {
  // Table interpolation: 31.07 s (1955) to 31.35 s (1956), f = 0.50274.
  EXPECT_NEAR(DeltaTSeconds(1955, 7, 1), 31.07 + (0.5 + 1 / 365.25) * 0.28, 1e-9);
  EXPECT_NEAR(DeltaTSeconds(1955, 7, 1), 31.21, 0.005);
  // December 31 continues into the next year's interval: 1955 to 1956 and
  // on towards 31.68 s (1957).
  EXPECT_NEAR(DeltaTSeconds(1955, 12, 31), 31.35 + (31 / 365.25 - 1 / 12.0) * 0.33, 1e-9);
  // 948 to 1636: 25.5 u^2; for 1200 u is -6 (less a day).
  EXPECT_NEAR(DeltaTSeconds(1200, 1, 1), 918.0, 0.01);
  // Before 948: 1361.7 + 320 u + 44.3 u^2.
  const double u = (500 - 1800 + 1 / 365.25) / 100.0;
  EXPECT_NEAR(DeltaTSeconds(500, 1, 1), 1361.7 + 320 * u + 44.3 * u * u, 1e-9);
  // First table year and the branch borders stay close to each other.
  EXPECT_NEAR(DeltaTSeconds(1637, 1, 1), 67.80 - (1 / 365.25) * 2.8, 1e-9);
  EXPECT_NEAR(DeltaTSeconds(1636, 12, 31), DeltaTSeconds(1637, 1, 1), 0.2);
  EXPECT_NEAR(DeltaTSeconds(947, 12, 31), DeltaTSeconds(948, 1, 1), 0.5);
}

// From 1973 on the observed values (USNO monthly, then IERS yearly); the
// known checks of their source and the day on which the table hands over.
TEST(DeltaT, ObservedValuesFrom1973) {
  EXPECT_NEAR(DeltaTSeconds(1973, 1, 1), 43.37, 1e-9);
  EXPECT_NEAR(DeltaTSeconds(1973, 2, 1), 43.4724, 1e-9);
  EXPECT_NEAR(DeltaTSeconds(1990, 1, 1), 56.86, 0.01);
  EXPECT_NEAR(DeltaTSeconds(2000, 1, 1), 63.83, 0.01);
  EXPECT_NEAR(DeltaTSeconds(2010, 1, 1), 66.07, 0.01);
  EXPECT_NEAR(DeltaTSeconds(2020, 1, 1), 69.36, 1e-9);
  // Halfway between two yearly values.
  EXPECT_NEAR(DeltaTSeconds(2022, 7, 2), (69.29 + 69.20) / 2, 0.001);
  EXPECT_NEAR(DeltaTSeconds(2025, 1, 1), 69.14, 1e-9);
}

// Every value of the observed source files, as published, within 0.2 s.
TEST(DeltaT, WithinTwoTenthsOfASecondOfTheObservedValues) {
  int compared = 0;
  for (const char* name : {"usno-deltat-monthly.txt", "iers-deltat-yearly-2018-2025.txt"}) {
    std::ifstream in(test::SourceFile("../shared/data/deltat/") + name);
    if (!in) in.open(test::SourceFile("data/deltat/deltat.txt"));
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream f(line);
      int y, m, d;
      double seconds;
      if (!(f >> y >> m >> d >> seconds)) continue;
      EXPECT_NEAR(DeltaTSeconds(y, m, d), seconds, 0.2) << y << "-" << m << "-" << d;
      ++compared;
    }
  }
  EXPECT_GE(compared, 540);
}

// From 1700 to 2300 no two consecutive days differ by more than 0.1 s, and
// after the last observed value the extrapolation rises as the long-term
// parabola bends it, without a step at the join.
TEST(DeltaT, ContinuousFrom1700To2300) {
  double previous = DeltaTSeconds(1700, 1, 1);
  double largest = 0;
  for (int y = 1700; y <= 2300; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(m, y); ++d) {
        if (y == 1700 && m == 1 && d == 1) continue;
        const double v = DeltaTSeconds(y, m, d);
        largest = std::max(largest, std::fabs(v - previous));
        ASSERT_LE(std::fabs(v - previous), 0.1) << y << "-" << m << "-" << d;
        previous = v;
      }
  EXPECT_GT(largest, 0.0);
  // The join: the rate of the last observed year carries on.
  EXPECT_NEAR(DeltaTSeconds(2026, 1, 1) - DeltaTSeconds(2025, 1, 1), -0.04 + 0.0033, 0.002);
  EXPECT_NEAR(DeltaTSeconds(2050, 1, 1), 70.2, 0.5);
  EXPECT_NEAR(DeltaTSeconds(2100, 1, 1), 84.4, 0.5);
  EXPECT_GT(DeltaTSeconds(2300, 1, 1), DeltaTSeconds(2200, 1, 1));
}

TEST(DeltaT, CalcDeltaTWritesTheEntry) {
  ChartEntry e = MakeEntry(1955, 7, 1, 12, 0, 0);
  CalcDeltaT(e);
  EXPECT_DOUBLE_EQ(e.deltaTSeconds(), DeltaTSeconds(1955, 7, 1));
}

TEST(DeltaT, DamagedDatesGiveNumbers) {
  for (int32_t v : {INT32_MIN, -1, 0, INT32_MAX}) {
    EXPECT_TRUE(std::isfinite(DeltaTSeconds(v, v, v))) << v;
  }
}

TEST(OldStyle, JulianDaysOfOldStyleDates) {
  EXPECT_DOUBLE_EQ(OldStyleJulDay(10, 4, 1582), 2299159.5);
  EXPECT_DOUBLE_EQ(OldStyleJulDay(9, 2, 1752), 2361220.5);
  // The last Old Style days of the reforms are these New Style dates.
  EXPECT_DOUBLE_EQ(OldStyleJulDay(10, 4, 1582), GregorianJulDay(10, 14, 1582));
  EXPECT_DOUBLE_EQ(OldStyleJulDay(9, 2, 1752), GregorianJulDay(9, 13, 1752));
  // 1700 February 29 exists only in the Julian calendar: March 11 (NS).
  EXPECT_DOUBLE_EQ(OldStyleJulDay(2, 29, 1700), GregorianJulDay(3, 11, 1700));
  EXPECT_DOUBLE_EQ(OldStyleJulDay(3, 1, 1700), GregorianJulDay(3, 12, 1700));
  // The two calendars agree in the third century and drift apart by three
  // days every four hundred years.
  EXPECT_DOUBLE_EQ(OldStyleJulDay(1, 1, 250), GregorianJulDay(1, 1, 250));
  EXPECT_DOUBLE_EQ(OldStyleJulDay(1, 1, 2000), GregorianJulDay(1, 14, 2000));
  EXPECT_DOUBLE_EQ(OldStyleJulDay(1, 1, 1000), 2086307.5);
}

void ExpectDate(double jd, int month, int day, int year) {
  const CalendarDateTime d = JulianDayToDate(jd);
  EXPECT_EQ(d.date.month, month) << jd;
  EXPECT_EQ(d.date.day, day) << jd;
  EXPECT_EQ(d.date.year, year) << jd;
}

TEST(OldStyle, ConvertedToNewStyleDates) {
  ExpectDate(OldStyleJulDay(10, 4, 1582), 10, 14, 1582);
  ExpectDate(OldStyleJulDay(9, 2, 1752), 9, 13, 1752);
  ExpectDate(OldStyleJulDay(2, 29, 1700), 3, 11, 1700);
}

TEST(TimeScales, GregorianJulDayRoundTrip) {
  for (int year : {-999, -1, 0, 1, 1582, 1600, 1700, 1900, 2000, 2024, 2300}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 15, DaysInMonth(month, year)})
        ExpectDate(GregorianJulDay(month, day, year), month, day, year);
    }
  }
}

}  // namespace
}  // namespace vostrane
