#include "astro/HouseSystemNames.h"

#include <array>
#include <cctype>
#include <string>

namespace vostrane {

namespace {

constexpr std::array<HouseSystemInfo, 20> kSystems = {{
    {HouseSystemId::Campanus, 'A', "Campanus"},
    {HouseSystemId::Equal, 'B', "Equal"},
    {HouseSystemId::Koch, 'C', "Koch"},
    {HouseSystemId::Meridian, 'D', "Meridian"},
    {HouseSystemId::Morinus, 'E', "Morinus"},
    {HouseSystemId::Placidus, 'F', "Placidus"},
    {HouseSystemId::Porphyry, 'G', "Porphyry"},
    {HouseSystemId::Regiomontanus, 'H', "Regiomontanus"},
    {HouseSystemId::Topocentric, 'I', "Topocentric"},
    {HouseSystemId::WholeSign, 'J', "Whole Sign"},
    {HouseSystemId::Alcabitius, 'K', "Alcabitius"},
    {HouseSystemId::EqualFromMidheaven, 'L', "Equal from the Midheaven"},
    {HouseSystemId::Vehlow, 'M', "Vehlow Equal"},
    {HouseSystemId::KrusinskiPisa, 'N', "Krusinski-Pisa"},
    {HouseSystemId::Horizontal, 'O', "Horizontal"},
    {HouseSystemId::Apc, 'P', "APC"},
    {HouseSystemId::CarterPoliEquatorial, 'Q', "Carter Poli-Equatorial"},
    {HouseSystemId::Sripati, 'R', "Sripati"},
    {HouseSystemId::PullenSinusoidalDelta, 'S', "Pullen Sinusoidal Delta"},
    {HouseSystemId::EqualFromAries, 'T', "Equal from 0 Aries"},
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
