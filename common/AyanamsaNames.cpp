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

bool IsAyanamsaLetter(char zodsel) {
  for (const AyanamsaInfo& a : kAyanamsas)
    if (a.zodiacLetter == zodsel) return true;
  return false;
}

std::optional<AyanamsaKind> AyanamsaOfZodiacLetter(char zodsel) {
  if (zodsel == 'T') return std::nullopt;
  for (const AyanamsaInfo& a : kAyanamsas)
    if (a.zodiacLetter == zodsel) return a.kind;
  return AyanamsaKind::FaganBradley;
}

char ZodiacLetterOf(AyanamsaKind kind) { return kAyanamsas[static_cast<size_t>(kind)].zodiacLetter; }

const char* NameOfAyanamsa(AyanamsaKind kind) { return kAyanamsas[static_cast<size_t>(kind)].name; }

double EpochYearOfJulianDay(double jd) {
  return jd == 0.0 ? 1900.0 : 1900.0 + (jd - 2415020.0) / 365.25;
}

double JulianDayOfEpochYear(double year) { return 2415020.0 + (year - 1900.0) * 365.25; }

}  // namespace vostrane
