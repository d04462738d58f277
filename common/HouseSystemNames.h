// SPDX-License-Identifier: GPL-3.0-or-later
// The house systems the calculation knows, with the letter an entry stores
// for each and the name shown to the user. The first nine letters are the
// ones entries have always carried; the later ones follow in the alphabet,
// so an entry written before them reads unchanged.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vostrane {

enum class HouseSystemId {
  Campanus,
  Equal,
  Koch,
  Meridian,
  Morinus,
  Placidus,
  Porphyry,
  Regiomontanus,
  Topocentric,
  WholeSign,
  Alcabitius,
  EqualFromMidheaven,
  Vehlow,
  KrusinskiPisa,
  Horizontal,
  Apc,
  CarterPoliEquatorial,
  Sripati,
  PullenSinusoidalDelta,
  EqualFromAries,
  Sunshine,
  // Gauquelin's 36 sectors: a table on the page; the wheel's cusps are
  // Placidus', whose cusps are every third sector boundary.
  GauquelinSectors,
};

struct HouseSystemInfo {
  HouseSystemId id;
  char letter;       // the entry's house-system byte
  const char* name;  // for display
  // Cusp 10 is the Midheaven (between the polar circles); otherwise a
  // wheel shows the Midheaven apart from the cusps.
  bool midheavenIsCusp10;
  // Cusp 1 is the Ascendant; otherwise the Ascendant is a point of its own
  // (drawn, tabulated and used for the Part of Fortune at its real place).
  bool ascendantIsCusp1;
};

// Every system in letter order.
std::span<const HouseSystemInfo> HouseSystemTable();

std::optional<HouseSystemId> HouseSystemOfLetter(char letter);
char LetterOfHouseSystem(HouseSystemId id);
const char* NameOfHouseSystem(HouseSystemId id);
// The system a chart with the letter is calculated in: a letter that names
// no system counts as Placidus.
HouseSystemId CalculatedHouseSystem(char letter);
// Whether cusp 10 of the system is the Midheaven.
bool MidheavenIsCusp10(HouseSystemId id);
// Whether cusp 1 of the system is the Ascendant.
bool AscendantIsCusp1(HouseSystemId id);

// A system given by its letter or by its name, either in any case; the name
// may also be written without blanks and hyphens ("wholesign").
std::optional<HouseSystemId> HouseSystemOfText(std::string_view text);

}  // namespace vostrane
