// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar and clock routines: the Gregorian February rule, Julian day to
// calendar date and time, today's date and time, pausing, and the 12-hour
// clock of the birth data form.
#pragma once

namespace vostrane {

struct CalendarDate {
  int month = 1;  // 1 .. 12
  int day = 1;    // 1 .. 31
  int year = 0;   // astronomical numbering: 0 is 1 B.C., -1 is 2 B.C.
};

struct ClockTime {
  int hours = 0;  // 0 .. 23
  int minutes = 0;
  int seconds = 0;
};

struct CalendarDateTime {
  CalendarDate date;
  ClockTime time;
};

// 29 when the year is divisible by 400, or by 4 and not by 100; otherwise
// 28. The Gregorian rule, applied to every year (negative ones included).
int DaysInFebruary(int year);

// Days of the month in the Gregorian calendar (February by the rule above).
int DaysInMonth(int month, int year);

// Dates before 1753 may be given in the Old Style (Julian) calendar, in
// which every fourth year is a leap year.
inline constexpr int kFirstNewStyleOnlyYear = 1753;

// The days a typed date may have in its month: the Gregorian count, and in
// a year before 1753 also the Old Style leap day (February 29 of every
// fourth year), which the form then converts.
int DaysInTypedMonth(int month, int year);

// True when the date exists in the Gregorian calendar.
bool IsNewStyleDate(int month, int day, int year);

// "January" .. "December"; "" outside 1 .. 12.
const char* MonthName(int month);

// The Gregorian calendar date and the clock time (Universal Time) of a
// Julian day. Days begin at JD x.5. The time is rounded to the second; a
// time that rounds to midnight belongs to the next day.
CalendarDateTime JulianDayToDate(double julianDay);

// Today's local date and clock time.
CalendarDateTime Today();

// Waits until the given number of milliseconds has passed.
void Pause(int milliseconds);

// A clock hour 0 .. 23 in 12-hour form: hours below 12 give 'A' (0 becomes
// 12), the others 'P' (above 12 less 12).
struct TwelveHour {
  int hours = 12;
  char letter = 'A';
};
TwelveHour To12Hour(int hours24);

// A 12-hour clock hour back in 24-hour form: 12 with 'A' gives 0, 'P' adds
// 12 to every hour but 12. Any other letter leaves the hour as it is.
int To24Hour(int hours12, char letter);

}  // namespace vostrane
