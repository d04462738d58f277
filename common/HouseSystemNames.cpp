// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/HouseSystemNames.h"

#include <array>
#include <cctype>
#include <string>

namespace vostrane {

namespace {

constexpr std::array<HouseSystemInfo, 22> kSystems = {{
    {HouseSystemId::Campanus, 'A', "Campanus", true, true},
    {HouseSystemId::Equal, 'B', "Equal", false, true},
    {HouseSystemId::Koch, 'C', "Koch", true, true},
    {HouseSystemId::Meridian, 'D', "Meridian", true, false},
    {HouseSystemId::Morinus, 'E', "Morinus", false, false},
    {HouseSystemId::Placidus, 'F', "Placidus", true, true},
    {HouseSystemId::Porphyry, 'G', "Porphyry", true, true},
    {HouseSystemId::Regiomontanus, 'H', "Regiomontanus", true, true},
    {HouseSystemId::Topocentric, 'I', "Topocentric", true, true},
    {HouseSystemId::WholeSign, 'J', "Whole Sign", false, false},
    {HouseSystemId::Alcabitius, 'K', "Alcabitius", true, true},
    {HouseSystemId::EqualFromMidheaven, 'L', "Equal from the Midheaven", true, false},
    {HouseSystemId::Vehlow, 'M', "Vehlow Equal", false, false},
    {HouseSystemId::KrusinskiPisa, 'N', "Krusinski-Pisa", true, true},
    {HouseSystemId::Horizontal, 'O', "Horizontal", true, false},
    {HouseSystemId::Apc, 'P', "APC", true, true},
    {HouseSystemId::CarterPoliEquatorial, 'Q', "Carter Poli-Equatorial", false, true},
    {HouseSystemId::Sripati, 'R', "Sripati", false, false},
    {HouseSystemId::PullenSinusoidalDelta, 'S', "Pullen Sinusoidal Delta", true, true},
    {HouseSystemId::EqualFromAries, 'T', "Equal from 0 Aries", false, false},
    {HouseSystemId::Sunshine, 'U', "Sunshine", true, true},
    {HouseSystemId::GauquelinSectors, 'V', "Gauquelin Sectors", true, true},
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

HouseSystemId CalculatedHouseSystem(char letter) {
  return HouseSystemOfLetter(letter).value_or(HouseSystemId::Placidus);
}

bool AscendantIsCusp1(HouseSystemId id) { return kSystems[static_cast<size_t>(id)].ascendantIsCusp1; }

bool MidheavenIsCusp10(HouseSystemId id) { return kSystems[static_cast<size_t>(id)].midheavenIsCusp10; }

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
