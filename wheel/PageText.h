// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the wheel page header and tables: dates, clock times, places
// on the globe, time zones, ordinals and names, as the page shows them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vostrane {

// "st", "nd", "rd" or "th" for a number (11, 12 and 13 take "th").
std::string OrdinalSuffix(int n);
// Month name, blank, day, ", ", year: "March 5, 1961".
std::string DateText(int month, int day, int year);
// 12-hour clock: hours (0 as 12, 13..23 less 12), ":" and two-digit minutes,
// ":" and two-digit seconds when not 0, then " AM" before noon, " PM" from
// noon: "12:05 AM", "1:30:15 PM".
std::string ClockText(int hours, int minutes, int seconds);
// Degrees, the letter, two-digit minutes and, when not 0, "'" with
// two-digit seconds and a double-quote mark: "40N42'51\"", "74W00".
// Latitude north positive ('N'/'S'), longitude west positive ('W'/'E').
std::string LatitudeText(double latitude);
// An arc in degrees, minutes and seconds: 23\xB051'07".
std::string ArcText(double degrees);
std::string LongitudeText(double longitude);
// "Time Zone: 5 hours West", "Time Zone: 1 hour East", "Time Zone: 5 hr 30
// min East" (zone in hours, west positive); Greenwich's "Time Zone: 0 hours"
// has no direction.
std::string TimeZoneText(double zone);
// The time kind of a chart in local mean time, with the clock difference of
// its longitude (west positive) from Greenwich:
// "Local Mean Time (longitude 8\xB033' E = 0h34m12s)" (Windows-1252 degree sign).
std::string LocalMeanTimeText(double longitude);
// A name stored as "Last, First" shown as "First Last"; others unchanged.
std::string DisplayName(const std::string& stored);
// Splits a text at blanks into lines no wider than maxWidth by the given
// measure; a single word wider than that stands on a line of its own.
std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width);

}  // namespace vostrane
