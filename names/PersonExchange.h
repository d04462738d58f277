// SPDX-License-Identifier: GPL-3.0-or-later
// Birth data exchanged with other programs and spreadsheets, as text files
// of persons: AAF (a #A93 line with surname, first name, sex, D.M.YYYY,
// H:MM[:SS], place and country, and a #B93 line with the Julian day in
// Universal Time, latitude "48n24[:30]", longitude "10e00[:15]", the zone
// "1he00" and the daylight hours) and CSV (UTF-8 with a header: name,
// MM/DD/YYYY, HH:MM:SS in 24 hours, latitude north positive, longitude and
// zone west positive, the daylight letter, zodiac, house system and place:
// the columns the batch tool's chart-csv reads, place added last).
//
// Reading never stops at a bad line: every person that can be read is
// returned, and every line that cannot is named with its number and the
// reason. Characters outside Windows-1252 (the code page of the name file)
// are transliterated and listed.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "session/BirthDataTexts.h"

namespace vostrane {

enum class ExchangeFormat { Aaf, Csv };

// AAF for a file whose name ends in ".aaf" (any case), CSV otherwise.
ExchangeFormat ExchangeFormatOfFile(const std::string& path);

// Lines longer than this are reported and skipped unread.
inline constexpr size_t kLongestExchangeLine = 64 * 1024;

struct ExchangeFault {
  int line = 0;  // from 1
  std::string reason;
};

struct ExchangePerson {
  BirthDataFields fields;  // in Windows-1252, as the form holds them
  int line = 0;            // where the person begins in the file
};

struct ExchangeReading {
  std::vector<ExchangePerson> persons;
  std::vector<ExchangeFault> faults;
  // The characters that had to be transliterated (UTF-8, each once).
  std::vector<std::string> transliterated;
};

ExchangeReading ReadExchange(std::istream& in, ExchangeFormat format);

// The persons as a file of the format (UTF-8). The fields must be valid
// (CheckPersonFields).
std::string WriteExchange(const std::vector<BirthDataFields>& persons, ExchangeFormat format);

}  // namespace vostrane
