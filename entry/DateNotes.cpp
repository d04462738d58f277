// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/DateNotes.h"

#include <cstdlib>

#include "astro/TimeScales.h"

namespace vostrane {
std::string DateInWords(const CalendarDate& date) {
  std::string text = std::string(MonthName(date.month)) + " " + std::to_string(date.day) + ", " +
                     std::to_string(std::abs(date.year));
  if (date.year < 0) text += " B.C.";
  return text;
}

bool NeedsOldStyleQuestion(int year) { return year < kFirstNewStyleOnlyYear; }

CalendarDate OldStyleToNewStyle(const CalendarDate& oldStyle) {
  return JulianDayToDate(OldStyleJulDay(oldStyle.month, oldStyle.day, oldStyle.year)).date;
}

std::string OldStyleOnlyText(const CalendarDate& oldStyle, const CalendarDate& newStyle) {
  return DateInWords(oldStyle) +
         " exists only in the Old Style (Julian) calendar. It has been converted to "
         "the New Style calendar date " +
         DateInWords(newStyle) + ".";
}

std::string OldStyleKeptText(const CalendarDate& newStyle) {
  return "OK. Date has NOT been changed. The New Style (Gregorian) calendar date is " +
         DateInWords(newStyle);
}

}  // namespace vostrane
