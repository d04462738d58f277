// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/BirthFields.h"

#include <cmath>
#include <cstdlib>

#include "astro/Ayanamsas.h"
#include "common/HouseSystemNames.h"
#include "common/Calendar.h"
#include "common/NumberText.h"

namespace vostrane::batch {
namespace {

// Splits "a<sep>b<sep>c" into three integers.
bool SplitThree(const std::string& text, char sep, int& a, int& b, int& c) {
  const size_t p1 = text.find(sep);
  const size_t p2 = p1 == std::string::npos ? p1 : text.find(sep, p1 + 1);
  if (p2 == std::string::npos) return false;
  auto x = ParseInt(text.substr(0, p1));
  auto y = ParseInt(text.substr(p1 + 1, p2 - p1 - 1));
  auto z = ParseInt(text.substr(p2 + 1));
  if (!x || !y || !z) return false;
  a = *x;
  b = *y;
  c = *z;
  return true;
}

bool BuiltInAyanamsaLetter(char letter) {
  for (const AyanamsaInfo& a : AyanamsaTable())
    if (a.zodiacLetter == letter) return a.kind != AyanamsaKind::UserDefined;
  return false;
}

std::string AyanamsaLetters() {
  std::string letters;
  for (const AyanamsaInfo& a : AyanamsaTable())
    if (a.kind != AyanamsaKind::UserDefined)
      letters += letters.empty() ? std::string(1, a.zodiacLetter) : std::string(" ") + a.zodiacLetter;
  return letters;
}

}  // namespace

std::optional<double> ParseNumber(const std::string& text) { return ParseDecimal(text); }

std::optional<int> ParseInt(const std::string& text) {
  // Digits only: no blanks before them (ParseInteger allows those).
  if (text.empty() || text[0] == ' ') return std::nullopt;
  const auto v = ParseInteger(text);
  if (!v || *v < -100000 || *v > 100000) return std::nullopt;
  return v;
}

std::optional<std::string> ApplyBirthFields(const BirthFields& f, char defaultZodiac, int32_t entryCount,
                                            ChartEntry& entry) {
  int month, day, year, hours, minutes, seconds;
  if (!SplitThree(f.date, '/', month, day, year) || month < 1 || month > 12 || day < 1 || year < -999 ||
      year > 2300 || day > DaysInMonth(month, year))
    return "the date must be MM/DD/YYYY, a real day, year -999 to 2300";
  if (!SplitThree(f.time, ':', hours, minutes, seconds) || hours < 0 || hours > 23 || minutes < 0 ||
      minutes > 59 || seconds < 0 || seconds > 59)
    return "the time must be HH:MM:SS in 24-hour form";
  const auto lat = ParseNumber(f.lat);
  const auto lon = ParseNumber(f.lon);
  const auto zone = ParseNumber(f.zone);
  if (!lat || std::fabs(*lat) > 90) return "latitude must be -90 to 90 (north positive)";
  if (!lon || std::fabs(*lon) > 180) return "longitude must be -180 to 180 (west positive)";
  if (!zone || std::fabs(*zone) > 24) return "zone must be -24 to 24 hours (west positive)";
  const std::string dstLetters = "NYWDL";
  if (f.dst.size() != 1 || dstLetters.find(f.dst[0]) == std::string::npos)
    return "the daylight letter must be one of N Y W D L";
  // T, or the letter of a built-in ayanamsa (the user-defined one needs a
  // value and an epoch this command does not take).
  if (!f.zodiac.empty() &&
      (f.zodiac.size() != 1 || (f.zodiac[0] != 'T' && !BuiltInAyanamsaLetter(f.zodiac[0]))))
    return "the zodiac must be T or an ayanamsa letter (" + AyanamsaLetters() + ")";
  const std::optional<HouseSystemId> system = f.houses.empty() ? HouseSystemId::Placidus
                                                               : HouseSystemOfText(f.houses);
  if (!system) return "the house system must be a letter A to U or the name of a house system";
  const char houses = LetterOfHouseSystem(*system);

  entry.InitNewEntry(f.zodiac.empty() ? defaultZodiac : f.zodiac[0], entryCount);
  entry.setMonth(month);
  entry.setDay(day);
  entry.setYear(year);
  entry.setHours(hours);
  entry.setMinutes(minutes);
  entry.setSeconds(seconds);
  entry.setLatitude(*lat);
  entry.setLongitude(*lon);
  entry.setZoneHoursWest(*zone);
  entry.setDaylightCode(static_cast<uint8_t>(dstLetters.find(f.dst[0])));
  entry.setHouseSystemLetter(houses);
  // A new entry starts tropical or Fagan-Bradley; another ayanamsa is set here.
  entry.setZodiacLetter(f.zodiac.empty() ? defaultZodiac : f.zodiac[0]);
  return std::nullopt;
}

}  // namespace vostrane::batch
