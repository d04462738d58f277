// SPDX-License-Identifier: GPL-3.0-or-later
// The two directions between the texts of the birth data form's fields (the
// plain record of session/BirthDataTexts.h) and a chart entry: copying the
// form into the entry with its nine checks, and filling the fields from an
// entry.
#pragma once

#include <optional>
#include <string>

#include "session/BirthDataTexts.h"
#include "session/ChartEntry.h"
#include "common/Calendar.h"

namespace vostrane {

// The first invalid field found by the copy; the form's message for code c
// is form text 8885 + c.
enum FormCheck : int {
  kFormValid = 0,
  kNoName = 1,
  kNoPlace = 2,
  kBadDate = 3,
  kBadTime = 4,
  kBadLatitude = 5,
  kBadLongitude = 6,
  kBadZone = 7,
  kBadDstTable = 8,
  kBadDaylight = 9,
};

// The daylight letters in code order (code 0 'N' .. code 4 'L').
inline constexpr const char* kDaylightLetters = "NYWDL";

// Copies the fields into the entry: house system and zodiac (always valid;
// a letter outside theirs becomes Placidus or tropical), then in the order
// of the checks: name (also
// the display copy), place, date, time, latitude, longitude, zone, daylight
// table number, daylight letter. The first invalid field stops the copy and
// its code is returned; fields after it are left as they were. The 360-byte
// biography block is blank-filled in every case.
int CopyFieldsIntoEntry(const BirthDataFields& fields, ChartEntry& entry);

// The same copy with a message mode: 'E' shows the message of the first
// invalid field (form text 8885 + code), 'M' is silent. True when every
// field was valid.
bool CopyFormIntoEntry(const BirthDataFields& fields, ChartEntry& entry, char mode);

// The field texts of an entry: latitude, longitude and zone split back into
// degrees, minutes, seconds and letter, the hour in 12-hour form.
BirthDataFields FieldsFromEntry(const ChartEntry& entry);

// The fields of a new entry at the given moment: empty name and place,
// today's date, the clock time rounded to the minute (more than 30 seconds
// rounds up, except at 23:59) with seconds "00", latitude "00N0000",
// longitude "000W0000", zone 0 hours "00" minutes West, daylight "N", no
// daylight table.
BirthDataFields NewEntryFields(const CalendarDateTime& now);

// The date field text MMDDYYYY of a date ("-044" for the year -44).
std::string DateFieldText(const CalendarDate& date);

// The time text parsed into the 24-hour clock: hours 0 to 12 (12 A is 0 h,
// P adds 12 to every hour but 12), minutes and seconds 0 to 59, letter A or
// P. nullopt for anything else.
std::optional<ClockTime> ParseTimeText(const std::string& text);

// Latitude in degrees (north positive) and longitude in degrees (west
// positive) of the field texts; nullopt when the text is not valid.
std::optional<double> ParseLatitudeText(const std::string& text);
std::optional<double> ParseLongitudeText(const std::string& text);

// Zone in hours (west positive) of the three zone texts; nullopt when the
// letter is not E or W or the numbers are not hours 0-13 and minutes 0-59.
std::optional<double> ParseZoneTexts(const std::string& hours, const std::string& minutes,
                                     const std::string& eastWest);

}  // namespace vostrane
