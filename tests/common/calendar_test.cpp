// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/Calendar.h"

namespace vostrane {
namespace {

TEST(Calendar, FebruaryFollowsTheGregorianRuleForEveryYear) {
  EXPECT_EQ(DaysInFebruary(1900), 28);
  EXPECT_EQ(DaysInFebruary(2000), 29);
  EXPECT_EQ(DaysInFebruary(2024), 29);
  EXPECT_EQ(DaysInFebruary(2023), 28);
  EXPECT_EQ(DaysInFebruary(0), 29);
  EXPECT_EQ(DaysInFebruary(-4), 29);
  EXPECT_EQ(DaysInFebruary(-100), 28);
  EXPECT_EQ(DaysInFebruary(-400), 29);
}

void ExpectDateTime(double jd, int month, int day, int year, int h, int m, int s) {
  const CalendarDateTime r = JulianDayToDate(jd);
  EXPECT_EQ(r.date.month, month) << "JD " << jd;
  EXPECT_EQ(r.date.day, day) << "JD " << jd;
  EXPECT_EQ(r.date.year, year) << "JD " << jd;
  EXPECT_EQ(r.time.hours, h) << "JD " << jd;
  EXPECT_EQ(r.time.minutes, m) << "JD " << jd;
  EXPECT_EQ(r.time.seconds, s) << "JD " << jd;
}

TEST(Calendar, JulianDayOfKnownDates) {
  ExpectDateTime(2451545.0, 1, 1, 2000, 12, 0, 0);
  ExpectDateTime(2299160.5, 10, 15, 1582, 0, 0, 0);  // first Gregorian day
  ExpectDateTime(1721425.5, 1, 1, 1, 0, 0, 0);
  ExpectDateTime(0.0, 11, 24, -4713, 12, 0, 0);  // proleptic Gregorian
  ExpectDateTime(2447892.5 + (14.0 * 3600 + 35 * 60 + 31) / 86400.0, 1, 1, 1990, 14, 35, 31);
}

TEST(Calendar, TimeRoundingToMidnightMovesToTheNextDay) {
  // 1999 December 31, 23:59:59.6 is 2000 January 1, 00:00:00.
  ExpectDateTime(2451543.5 + 86399.6 / 86400.0, 1, 1, 2000, 0, 0, 0);
  // 2000 February 28, 23:59:59.7 is the leap day.
  ExpectDateTime(2451602.5 + 86399.7 / 86400.0, 2, 29, 2000, 0, 0, 0);
  ExpectDateTime(2451543.5 + 86399.4 / 86400.0, 12, 31, 1999, 23, 59, 59);
}

// The next calendar day, counted independently of the routine under test.
CalendarDate NextDay(CalendarDate d) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  const int last = d.month == 2 && leap ? 29 : kDays[d.month - 1];
  if (++d.day > last) {
    d.day = 1;
    if (++d.month > 12) {
      d.month = 1;
      ++d.year;
    }
  }
  return d;
}

// Every day from 2000 B.C. (year -1999) to A.D. 3000, each at a different
// time of day, against a day count that starts at a known Julian day. The
// fraction of the day is what brings out day 0 and February 30 in the raw
// formula, so every day is tried at midnight, just before the next midnight
// and at a time that moves through the day.
TEST(Calendar, JulianDayRoundTripOverFiveThousandYears) {
  CalendarDate date{1, 1, -1999};
  const double startJd = 990940.5;  // -1999 January 1, 0h
  ExpectDateTime(startJd, 1, 1, -1999, 0, 0, 0);
  int failures = 0;
  long dayCount = 0;
  for (; date.year <= 3000 && failures < 5; date = NextDay(date), ++dayCount) {
    const int second = static_cast<int>((dayCount * 3607) % 86400);
    for (int s : {0, 86399, second}) {
      const CalendarDateTime r = JulianDayToDate(startJd + dayCount + s / 86400.0);
      const bool ok = r.date.year == date.year && r.date.month == date.month && r.date.day == date.day &&
                      r.time.hours == s / 3600 && r.time.minutes == s / 60 % 60 &&
                      r.time.seconds == s % 60;
      if (!ok) {
        ++failures;
        ADD_FAILURE() << "day " << date.month << "/" << date.day << "/" << date.year << " second " << s
                      << " gave " << r.date.month << "/" << r.date.day << "/" << r.date.year << " "
                      << r.time.hours << ":" << r.time.minutes << ":" << r.time.seconds;
      }
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(dayCount, 1800000);
}

TEST(Calendar, TwelveHourClockRoundTrip) {
  EXPECT_EQ(To12Hour(0).hours, 12);
  EXPECT_EQ(To12Hour(0).letter, 'A');
  EXPECT_EQ(To12Hour(11).letter, 'A');
  EXPECT_EQ(To12Hour(12).hours, 12);
  EXPECT_EQ(To12Hour(12).letter, 'P');
  EXPECT_EQ(To12Hour(23).hours, 11);
  EXPECT_EQ(To12Hour(23).letter, 'P');
  for (int h = 0; h < 24; ++h) {
    const TwelveHour t = To12Hour(h);
    EXPECT_GE(t.hours, 1);
    EXPECT_LE(t.hours, 12);
    EXPECT_EQ(To24Hour(t.hours, t.letter), h);
  }
  EXPECT_EQ(To24Hour(7, 'X'), 7);
}

TEST(Calendar, TodayIsAPlausibleDate) {
  const CalendarDateTime now = Today();
  EXPECT_GE(now.date.month, 1);
  EXPECT_LE(now.date.month, 12);
  EXPECT_GE(now.date.day, 1);
  EXPECT_LE(now.date.day, DaysInMonth(now.date.month, now.date.year));
  EXPECT_LT(now.time.hours, 24);
}

}  // namespace
}  // namespace vostrane
