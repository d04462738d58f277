#include "entry/DateNotes.h"

#include <cstdlib>

#include "astro/TimeScales.h"

namespace vostrane {
namespace {

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

}  // namespace

std::string DateInWords(const CalendarDate& date) {
  const char* month = date.month >= 1 && date.month <= 12 ? kMonthNames[date.month - 1] : "";
  std::string text = std::string(month) + " " + std::to_string(date.day) + ", " +
                     std::to_string(std::abs(date.year));
  if (date.year < 0) text += " B.C.";
  return text;
}

bool NeedsOldStyleQuestion(int year) { return year < 1753; }

CalendarDate OldStyleToNewStyle(const CalendarDate& oldStyle) {
  return JulianDayToDate(OldStyleJulDay(oldStyle.month, oldStyle.day, oldStyle.year)).date;
}

std::string OldStyleKeptText(const CalendarDate& newStyle) {
  return "OK. Date has NOT been changed. The New Style (Gregorian) calendar date is " +
         DateInWords(newStyle);
}

}  // namespace vostrane
