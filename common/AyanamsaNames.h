// SPDX-License-Identifier: GPL-3.0-or-later
// The ayanamsas a sidereal chart can be counted with, each known by a name
// and by the zodiac letter an entry stores for it. Tropical entries carry
// 'T'; 'S', the sidereal letter entries have always carried, stays
// Fagan-Bradley, and so does any other letter the table does not know.
#pragma once

#include <optional>
#include <span>

namespace vostrane {

enum class AyanamsaKind {
  FaganBradley,
  Lahiri,
  Raman,
  Krishnamurti,
  Yukteshwar,
  TrueChitrapaksha,
  DjwhalKhul,
  UserDefined,
};

struct AyanamsaInfo {
  AyanamsaKind kind;
  char zodiacLetter;  // the entry's zodiac byte
  const char* name;   // for display
};

// Every ayanamsa in the order of AyanamsaKind.
std::span<const AyanamsaInfo> AyanamsaTable();

// The ayanamsa of a sidereal zodiac letter; nothing for 'T' (tropical).
std::optional<AyanamsaKind> AyanamsaOfZodiacLetter(char zodiacLetter);
// Whether the table knows the letter (an unknown one counts as
// Fagan-Bradley above, but is not one of its letters).
bool IsAyanamsaLetter(char zodiacLetter);
char ZodiacLetterOf(AyanamsaKind kind);
const char* NameOfAyanamsa(AyanamsaKind kind);

// The zodiac of a chart: tropical, or sidereal counted with one of the
// ayanamsas (in the order of AyanamsaKind).
enum class ZodiacKind {
  Tropical,
  FaganBradley,
  Lahiri,
  Raman,
  Krishnamurti,
  Yukteshwar,
  TrueChitrapaksha,
  DjwhalKhul,
  UserDefined,
};

// The zodiac of an entry's zodiac letter: 'T' or an ayanamsa's letter;
// nothing for a letter that names no zodiac. And the letter of a zodiac.
std::optional<ZodiacKind> ZodiacOfLetter(char letter);
char LetterOfZodiac(ZodiacKind zodiac);
// The zodiac a chart with the letter is calculated in: a letter that names
// no zodiac counts as Fagan-Bradley, as entries have always been read.
ZodiacKind CalculatedZodiac(char letter);
// The ayanamsa of a sidereal zodiac; nothing for the tropical one.
std::optional<AyanamsaKind> AyanamsaOf(ZodiacKind zodiac);
ZodiacKind SiderealZodiac(AyanamsaKind kind);

// A user's own ayanamsa: its mean value (without nutation) at an epoch,
// carried to other moments with the program's precession.
struct UserAyanamsa {
  double degrees = 0.0;
  double epochJd = 2415020.0;  // 1900 January 0.5
};

// An epoch as a year with its fraction (Julian years from 1900 January 0.5,
// so 2000.0 is J2000) and back. A Julian day of 0, which an entry stores
// for the default epoch, is 1900.
double EpochYearOfJulianDay(double jd);
double JulianDayOfEpochYear(double year);

}  // namespace vostrane
