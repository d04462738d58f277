#include "common/HouseSystemNames.h"

#include <array>
#include <cctype>
#include <string>

namespace vostrane {

namespace {

constexpr std::array<HouseSystemInfo, 21> kSystems = {{
    {HouseSystemId::Campanus, 'A', "Campanus", true},
    {HouseSystemId::Equal, 'B', "Equal", false},
    {HouseSystemId::Koch, 'C', "Koch", true},
    {HouseSystemId::Meridian, 'D', "Meridian", true},
    {HouseSystemId::Morinus, 'E', "Morinus", false},
    {HouseSystemId::Placidus, 'F', "Placidus", true},
    {HouseSystemId::Porphyry, 'G', "Porphyry", true},
    {HouseSystemId::Regiomontanus, 'H', "Regiomontanus", true},
    {HouseSystemId::Topocentric, 'I', "Topocentric", true},
    {HouseSystemId::WholeSign, 'J', "Whole Sign", false},
    {HouseSystemId::Alcabitius, 'K', "Alcabitius", true},
    {HouseSystemId::EqualFromMidheaven, 'L', "Equal from the Midheaven", true},
    {HouseSystemId::Vehlow, 'M', "Vehlow Equal", false},
    {HouseSystemId::KrusinskiPisa, 'N', "Krusinski-Pisa", true},
    {HouseSystemId::Horizontal, 'O', "Horizontal", true},
    {HouseSystemId::Apc, 'P', "APC", true},
    {HouseSystemId::CarterPoliEquatorial, 'Q', "Carter Poli-Equatorial", false},
    {HouseSystemId::Sripati, 'R', "Sripati", false},
    {HouseSystemId::PullenSinusoidalDelta, 'S', "Pullen Sinusoidal Delta", true},
    {HouseSystemId::EqualFromAries, 'T', "Equal from 0 Aries", false},
    {HouseSystemId::Sunshine, 'U', "Sunshine", true},
}};

// Lower case without blanks, hyphens and full stops, for comparing names.
std::string Folded(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' || c == '-' || c == '.' || c == '_') continue;
    out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return out;
}

}  // namespace

std::span<const HouseSystemInfo> HouseSystemTable() { return kSystems; }

std::optional<HouseSystemId> HouseSystemOfLetter(char letter) {
  for (const HouseSystemInfo& s : kSystems)
    if (s.letter == letter) return s.id;
  return std::nullopt;
}

char LetterOfHouseSystem(HouseSystemId id) { return kSystems[static_cast<size_t>(id)].letter; }

const char* NameOfHouseSystem(HouseSystemId id) { return kSystems[static_cast<size_t>(id)].name; }

bool MidheavenIsCusp10(char letter) {
  const HouseSystemId id = HouseSystemOfLetter(letter).value_or(HouseSystemId::Placidus);
  return kSystems[static_cast<size_t>(id)].midheavenIsCusp10;
}

std::optional<HouseSystemId> HouseSystemOfText(std::string_view text) {
  if (text.size() == 1)
    return HouseSystemOfLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
  const std::string wanted = Folded(text);
  if (wanted.empty()) return std::nullopt;
  for (const HouseSystemInfo& s : kSystems)
    if (Folded(s.name) == wanted) return s.id;
  return std::nullopt;
}

}  // namespace vostrane
