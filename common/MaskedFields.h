// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the masked date, time, latitude, longitude and zone fields of
// the birth data form, as pure functions so that the form's key handlers
// stay thin and the rules can be tested without a window.
//
// A masked field stores its text without the mask's literal characters
// (the date as MMDDYYYY, the time as HHMMSSA, the latitude as DDNMMSS, the
// longitude as DDDEMMSS). The stored text is made of units: numbers (month,
// day, hour, degrees ...), the year, and letters (A/P, N/S, E/W). The caret
// is an index into the stored text; the form maps it to the display.
//
// The rules never turn what was typed into another value:
//   - a digit typed at the start of a unit starts it afresh, the rest of the
//     unit waiting blank for the following digits; a digit that cannot begin
//     a two-digit month or hour is its units digit ("7" gives 07) and the
//     caret moves on;
//   - a separator (":", "/", a blank ...) or a letter ends a unit that waits
//     for digits: "7:05" is 07:05;
//   - in the time, an hour of 0 or 13 to 23 is a 24-hour time and becomes
//     12 AM or 1 to 11 PM; A and P typed anywhere set AM or PM;
//   - a value that cannot exist (month 13, February 30, hour 25, latitude
//     95 degrees ...) stays as typed and the edit reports the problem; the
//     form then refuses to let the user leave the field.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Calendar.h"

namespace vostrane {

enum class UnitKind { Number, Year, Letter };

struct FieldUnit {
  int start = 0;  // index of its first character in the stored text
  int width = 2;
  UnitKind kind = UnitKind::Number;
  int minimum = 0;  // Number and Year: the values that can be typed
  int maximum = 99;
  std::string letters;          // Letter: the letters it takes
  bool unitsDigitRule = false;  // a first digit that cannot begin a value is its units digit
  std::string noun;             // "month": names the unit in the messages
  std::string suffix;           // written after the value in messages (the degree sign)
  std::string rangeText;        // "months run from 1 to 12"; for a letter: what to type
};

enum class FieldKind { Date, Time, Latitude, Longitude, ZoneHours, ZoneMinutes };

struct FieldLayout {
  FieldKind kind = FieldKind::Date;
  std::vector<FieldUnit> units;
  int size = 0;            // characters of the stored text
  std::string typingHint;  // shown when a character has no place in the field
};

const FieldLayout& DateLayout();
const FieldLayout& TimeLayout();  // 12-hour form HHMMSSA
const FieldLayout& LatitudeLayout();
const FieldLayout& LongitudeLayout();
const FieldLayout& ZoneHoursLayout();
const FieldLayout& ZoneMinutesLayout();

// The field after an edit.
struct FieldEdit {
  std::string text;     // the stored text, padded with blanks to the layout's size
  int caret = 0;        // index into the stored text; `size` is after the last character
  std::string problem;  // what is wrong with the text or the key; empty when nothing
};

// A character typed at the caret (any character outside ASCII as a byte
// of 0x80 or above). The text may lack trailing blanks.
FieldEdit TypeIntoField(const FieldLayout& layout, const std::string& text, int caret, char typed);

// Leaving the field: every unit that waits for digits is taken as typed,
// right-aligned ("1_" is 01, a year "19__" is 0019); the problem names a
// value that cannot exist or a unit left empty.
FieldEdit CompleteField(const FieldLayout& layout, const std::string& text);

// What is wrong with the units that are complete (units still waiting for
// digits are not judged); empty when nothing.
std::string FieldProblem(const FieldLayout& layout, const std::string& text);

// Date text MMDDYYYY: 8 characters, month 1 to 12, year -999 to 2300, a day
// that the month has in that year (DaysInTypedMonth: before 1753 an Old
// Style leap day too, since the form converts such a date). nullopt when the
// text fails any rule.
std::optional<CalendarDate> ParseDateText(const std::string& text);

// Latitude text DDNMMSS: longer than 5 characters, a digit first, N or S
// third, degrees at most 90 (and exactly 90 only with 0 minutes and 0
// seconds), minutes and seconds below 60. Blanks count as "0".
bool IsValidLatitudeText(const std::string& text);

}  // namespace vostrane
