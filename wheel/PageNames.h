// SPDX-License-Identifier: GPL-3.0-or-later
// The name tables of the wheel page, which the viewer loads from the message
// text file when it opens: point, sign, aspect kind, element, house system
// and zodiac names and the long texts of the chart titles. (The font names
// are wheel/FontNames.h.)
#pragma once

#include <string>
#include <vector>

#include "common/AyanamsaNames.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

struct PageNames {
  std::vector<std::string> points;        // 29: wheel points Sun .. Poseidon (texts 11168..)
  std::vector<std::string> signs;         // 12: Aries .. Pisces
  std::vector<std::string> aspectKinds;   // 19: aspect kind codes 0..18
  std::vector<std::string> elements;      // 7: Fire, Earth, Air, Water, Cardinal, Fixed, Mutable
  std::vector<std::string> houseSystems;  // 11: letters 'A'.. in order
  std::vector<std::string> zodiacs;       // 2: tropical, sidereal
  // Long texts 1..86 at index n - 1 (1..51 texts 10007..10057, 52 text
  // 9086, 53..81 the long point names, 82..86 texts 9989, 9990, 9986..9988).
  std::vector<std::string> longTexts;

  // A name by index, "" when the table has none there.
  static const std::string& At(const std::vector<std::string>& table, int index);
  const std::string& LongText(int n) const { return At(longTexts, n - 1); }
  // Name of a wheel point 0..19 (point 19, the south node, is named from
  // the node); "" outside.
  std::string PointName(int point) const;
  // The first nine house systems are named from the table, the later ones
  // (which have no message text) by their own names.
  std::string HouseSystemName(HouseSystemId id) const;
  // "Tropical", or "Sidereal" and the ayanamsa's name.
  std::string ZodiacName(ZodiacKind zodiac) const;
};

// Reads the tables from the open message text file (shell/MessageTextFile.h);
// a text that cannot be read is left empty (the reader shows its message).
// Strings are cut to the table widths (15 characters, long texts 70).
PageNames LoadPageNames();

// The English texts of the installation, for programs and tests that run
// without the message text file.
PageNames DefaultPageNames();

}  // namespace vostrane
