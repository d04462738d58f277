// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Calendar.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

namespace vostrane {

int DaysInFebruary(int year) {
  return (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0)) ? 29 : 28;
}

int DaysInMonth(int month, int year) {
  switch (month) {
    case 2: return DaysInFebruary(year);
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
  }
}

int DaysInTypedMonth(int month, int year) {
  const bool oldStyleLeap = month == 2 && year < kFirstNewStyleOnlyYear && year % 4 == 0;
  return oldStyleLeap ? 29 : DaysInMonth(month, year);
}

bool IsNewStyleDate(int month, int day, int year) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

const char* MonthName(int month) {
  static constexpr const char* kNames[] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
  return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

CalendarDateTime JulianDayToDate(double julianDay) {
  // Out-of-range values are capped so that the year still fits an int.
  if (!std::isfinite(julianDay)) julianDay = 0.0;
  julianDay = std::fmax(-1e9, std::fmin(julianDay, 1e9));
  // Round to the whole second counted from the midnight that starts JD 0, so
  // that a time of 23:59:59.6 moves to the next day rather than showing as
  // 24:00:00 on this one.
  const double secondsFromMidnight = std::round((julianDay + 0.5) * 86400.0);
  const double secondOfDay = secondsFromMidnight - 86400.0 * std::floor(secondsFromMidnight / 86400.0);
  julianDay = secondsFromMidnight / 86400.0 - 0.5;

  // The date by the Fliegel - Van Flandern scheme on the day count with its
  // fraction; the fraction can yield day 0 or February 30, corrected below.
  double a = julianDay + 68569.5;
  const double b = std::floor(4.0 * a / 146097.0);
  a = a - std::floor((146097.0 * b + 3.0) / 4.0);
  const double y = std::floor(4000.0 * (a + 1.0) / 1461001.0);
  a = a - std::floor(1461.0 * y / 4.0) + 31.0;
  const double m = std::floor(80.0 * a / 2447.0);
  const double day = std::floor(a - std::floor(2447.0 * m / 80.0));
  const double c = std::floor(m / 11.0);

  CalendarDateTime result;
  CalendarDate& date = result.date;
  date.day = static_cast<int>(day);
  date.month = static_cast<int>(m + 2.0 - 12.0 * c);
  date.year = static_cast<int>(100.0 * (b - 49.0) + y + c);
  if (date.day == 0) {
    if (--date.month == 0) {
      date.month = 12;
      --date.year;
    }
    date.day = DaysInMonth(date.month, date.year);
  }
  if (date.month == 2 && date.day == 30) date.day = DaysInFebruary(date.year);

  const int seconds = static_cast<int>(secondOfDay);
  result.time.hours = seconds / 3600;
  result.time.minutes = seconds / 60 % 60;
  result.time.seconds = seconds % 60;
  return result;
}

CalendarDateTime Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  CalendarDateTime result;
  result.date = {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
  result.time = {local.tm_hour, local.tm_min, local.tm_sec};
  return result;
}

void Pause(int milliseconds) {
  if (milliseconds <= 0) return;
  // Measured on a monotonic clock, so the wait neither wraps at a minute
  // boundary nor depends on changes of the system time.
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

TwelveHour To12Hour(int hours24) {
  if (hours24 < 12) return {hours24 == 0 ? 12 : hours24, 'A'};
  return {hours24 > 12 ? hours24 - 12 : hours24, 'P'};
}

int To24Hour(int hours12, char letter) {
  if (letter == 'A' && hours12 == 12) return 0;
  if (letter == 'P' && hours12 != 12) return hours12 + 12;
  return hours12;
}

}  // namespace vostrane
