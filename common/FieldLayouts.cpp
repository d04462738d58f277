// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FieldLayouts.h"

#include <cstdlib>

#include "common/Calendar.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

FieldUnit Number(int start, int width, int minimum, int maximum, const char* noun, const char* rangeText,
                 const char* suffix = "") {
  FieldUnit unit;
  unit.start = start;
  unit.width = width;
  unit.minimum = minimum;
  unit.maximum = maximum;
  unit.noun = noun;
  unit.rangeText = rangeText;
  unit.suffix = suffix;
  return unit;
}

FieldUnit Letter(int start, const char* letters, const char* whatToType) {
  FieldUnit unit;
  unit.start = start;
  unit.width = 1;
  unit.kind = UnitKind::Letter;
  unit.letters = letters;
  unit.rangeText = whatToType;
  return unit;
}

FieldUnit UnitsDigitFirst(FieldUnit unit) {
  unit.unitsDigitRule = true;
  return unit;
}

const char* const kDegree = "\xB0";  // the degree sign in Windows-1252
const char* const kMinutes = "minutes run from 0 to 59";
const char* const kSeconds = "seconds run from 0 to 59";

std::optional<int> Value(const std::string& text, size_t start, size_t width) {
  const std::string s = text.substr(start, width);
  if (s.find(' ') != std::string::npos) return std::nullopt;
  return ParseInteger(s);
}

// Degrees beyond `limit` with minutes or seconds: beyond the pole or the
// date line.
std::string BeyondLimit(const std::string& text, size_t degreesWidth, int limit, const char* noun) {
  const std::optional<int> degrees = Value(text, 0, degreesWidth);
  const std::optional<int> minutes = Value(text, degreesWidth + 1, 2);
  const std::optional<int> seconds = Value(text, degreesWidth + 3, 2);
  if (degrees != limit || ((!minutes || *minutes == 0) && (!seconds || *seconds == 0))) return "";
  return std::string(noun) + " cannot exceed " + std::to_string(limit) + kDegree + ".";
}

}  // namespace

int MostDaysOfMonth(int month) {
  if (month == 2) return 29;
  return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

const FieldLayout& DateLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::Date;
    l.size = 8;
    l.units = {UnitsDigitFirst(Number(0, 2, 1, 12, "month", "months run from 1 to 12")),
               Number(2, 2, 1, 31, "day", "days run from 1 to 31"),
               Number(4, 4, -999, 2300, "year", "years run from -999 to 2300")};
    l.units[2].kind = UnitKind::Year;
    l.typingHint = "Type the date as digits: month, day and year (a minus sign for B.C.).";
    return l;
  }();
  return layout;
}

const FieldLayout& TimeLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::Time;
    l.size = 7;
    l.units = {UnitsDigitFirst(Number(0, 2, 0, 23, "hour", "type 1 to 12 with AM or PM, or 0 to 23")),
               Number(2, 2, 0, 59, "minute", kMinutes), Number(4, 2, 0, 59, "second", kSeconds),
               Letter(6, "AP", "Type A or P for AM or PM.")};
    l.typingHint = "Type the time as digits, then A or P for AM or PM.";
    return l;
  }();
  return layout;
}

const FieldLayout& LatitudeLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::Latitude;
    l.size = 7;
    l.units = {Number(0, 2, 0, 90, "latitude", "latitudes run from 0\xB0 to 90\xB0", kDegree),
               Letter(2, "NS", "Type N or S for north or south."),
               Number(3, 2, 0, 59, "minute", kMinutes), Number(5, 2, 0, 59, "second", kSeconds)};
    l.typingHint = "Type the latitude as digits: degrees, N or S, minutes and seconds.";
    return l;
  }();
  return layout;
}

const FieldLayout& LongitudeLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::Longitude;
    l.size = 8;
    l.units = {Number(0, 3, 0, 180, "longitude", "longitudes run from 0\xB0 to 180\xB0", kDegree),
               Letter(3, "EW", "Type E or W for east or west."), Number(4, 2, 0, 59, "minute", kMinutes),
               Number(6, 2, 0, 59, "second", kSeconds)};
    l.typingHint = "Type the longitude as digits: degrees, E or W, minutes and seconds.";
    return l;
  }();
  return layout;
}

const FieldLayout& ZoneHoursLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::ZoneHours;
    l.size = 2;
    l.units = {UnitsDigitFirst(Number(0, 2, 0, 13, "zone", "zones run from 0 to 13 hours", " hours"))};
    l.typingHint = "Type the hours of the time zone as digits.";
    return l;
  }();
  return layout;
}

const FieldLayout& ZoneMinutesLayout() {
  static const FieldLayout layout = [] {
    FieldLayout l;
    l.kind = FieldKind::ZoneMinutes;
    l.size = 2;
    l.units = {Number(0, 2, 0, 59, "minute", kMinutes)};
    l.typingHint = "Type the minutes of the time zone as digits.";
    return l;
  }();
  return layout;
}

void AfterUnitComplete(const FieldLayout& layout, size_t u, std::string& text) {
  if (layout.kind != FieldKind::Time || u != 0) return;
  const std::optional<int> hour = Value(text, 0, 2);
  if (!hour || (*hour != 0 && (*hour < 13 || *hour > 23))) return;
  const int twelve = *hour == 0 ? 12 : *hour - 12;
  text.replace(0, 2, IntegerToText(twelve, 2, 'Z'));
  text[6] = *hour == 0 ? 'A' : 'P';
}

std::string CombinationProblem(const FieldLayout& layout, const std::string& text) {
  switch (layout.kind) {
    case FieldKind::Date: {
      const std::optional<int> month = Value(text, 0, 2);
      const std::optional<int> day = Value(text, 2, 2);
      if (!month || !day || *month < 1 || *month > 12 || *day < 1) return "";
      // Until the year is typed the day is judged by the month alone.
      const std::optional<int> year = Value(text, 4, 4);
      const int most = year ? DaysInTypedMonth(*month, *year) : MostDaysOfMonth(*month);
      if (*day <= most) return "";
      const std::string monthText = year ? std::string(MonthName(*month)) + " " +
                                               std::to_string(std::abs(*year)) +
                                               (*year < 0 ? " B.C." : "")
                                         : std::string(MonthName(*month));
      return "Day " + std::to_string(*day) + " is not possible: " + monthText +
             (year ? " has " : " has at most ") + std::to_string(most) + " days.";
    }
    case FieldKind::Latitude: return BeyondLimit(text, 2, 90, "A latitude");
    case FieldKind::Longitude: return BeyondLimit(text, 3, 180, "A longitude");
    default: return "";
  }
}

}  // namespace vostrane
