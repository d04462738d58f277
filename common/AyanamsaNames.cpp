// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AyanamsaNames.h"

#include <array>

namespace vostrane {

namespace {

constexpr std::array<AyanamsaInfo, 8> kAyanamsas = {{
    {AyanamsaKind::FaganBradley, 'S', "Fagan-Bradley"},
    {AyanamsaKind::Lahiri, 'L', "Lahiri (Chitrapaksha)"},
    {AyanamsaKind::Raman, 'R', "Raman"},
    {AyanamsaKind::Krishnamurti, 'K', "Krishnamurti"},
    {AyanamsaKind::Yukteshwar, 'Y', "Yukteshwar"},
    {AyanamsaKind::TrueChitrapaksha, 'C', "True Chitrapaksha"},
    {AyanamsaKind::DjwhalKhul, 'D', "Djwhal Khul"},
    {AyanamsaKind::UserDefined, 'U', "User-defined"},
}};

}  // namespace

std::span<const AyanamsaInfo> AyanamsaTable() { return kAyanamsas; }

bool IsAyanamsaLetter(char zodiacLetter) {
  const std::optional<ZodiacKind> zodiac = ZodiacOfLetter(zodiacLetter);
  return zodiac && *zodiac != ZodiacKind::Tropical;
}

std::optional<AyanamsaKind> AyanamsaOfZodiacLetter(char zodiacLetter) {
  return AyanamsaOf(CalculatedZodiac(zodiacLetter));
}

char ZodiacLetterOf(AyanamsaKind kind) { return kAyanamsas[static_cast<size_t>(kind)].zodiacLetter; }

const char* NameOfAyanamsa(AyanamsaKind kind) { return kAyanamsas[static_cast<size_t>(kind)].name; }

std::optional<ZodiacKind> ZodiacOfLetter(char letter) {
  if (letter == 'T') return ZodiacKind::Tropical;
  for (const AyanamsaInfo& a : kAyanamsas)
    if (a.zodiacLetter == letter) return SiderealZodiac(a.kind);
  return std::nullopt;
}

char LetterOfZodiac(ZodiacKind zodiac) {
  const std::optional<AyanamsaKind> kind = AyanamsaOf(zodiac);
  return kind ? ZodiacLetterOf(*kind) : 'T';
}

ZodiacKind CalculatedZodiac(char letter) {
  return ZodiacOfLetter(letter).value_or(ZodiacKind::FaganBradley);
}

std::optional<AyanamsaKind> AyanamsaOf(ZodiacKind zodiac) {
  if (zodiac == ZodiacKind::Tropical) return std::nullopt;
  return static_cast<AyanamsaKind>(static_cast<int>(zodiac) - 1);
}

ZodiacKind SiderealZodiac(AyanamsaKind kind) {
  return static_cast<ZodiacKind>(static_cast<int>(kind) + 1);
}

static_assert(static_cast<int>(ZodiacKind::UserDefined) ==
              static_cast<int>(AyanamsaKind::UserDefined) + 1);

double EpochYearOfJulianDay(double jd) {
  return jd == 0.0 ? 1900.0 : 1900.0 + (jd - 2415020.0) / 365.25;
}

double JulianDayOfEpochYear(double year) { return 2415020.0 + (year - 1900.0) * 365.25; }

}  // namespace vostrane
