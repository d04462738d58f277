// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that describe an entry on the birth data form: its line in the
// list of entries and the four-line header above the fields.
#pragma once

#include <array>
#include <string>

#include "entry/BirthDataFields.h"
#include "session/ChartEntry.h"

namespace vostrane {

// The kind of chart by chart type ("Natal Chart", "Solar Return", ...).
std::string ChartKindName(int chartType);

// The four header lines of an entry shown with the given field texts:
// "Entry k of n: " and the name; the kind of chart (with the harmonic when
// above 1); the date in words and the clock time; the place with its
// latitude and longitude.
std::array<std::string, 4> HeaderLines(const ChartEntry& entry, const BirthDataFields& fields,
                                       int entryNumber, int entryCount);

// Line k of the list of entries: k + ": " + for a natal chart the name, two
// blanks and "Natal" (", " and the harmonic when above 1); for a composite
// `compositeWord` (message text 13095), " of entry ", the base entry, " and "
// and the second base entry; for other kinds the name, a blank and the
// second header line. An entry without a name shows kNoNameYet instead.
inline constexpr const char* kNoNameYet = "(name not typed yet)";
std::string EntryListLine(int k, const ChartEntry& entry, const std::string& compositeWord);

// Display forms of the field texts: "02:36:00 PM", "40°43'00\"N".
std::string TimeDisplay(const std::string& timeText);
std::string LatitudeDisplay(const std::string& latitudeText);
std::string LongitudeDisplay(const std::string& longitudeText);

}  // namespace vostrane
