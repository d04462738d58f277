// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/OtherNames.h"

#include <set>

#include "atlas/PlaceSearchKey.h"
#include "tools/generators/atlasgen/PlaceNames.h"

namespace vostrane::atlasgen {
namespace {

bool IsUpperLetter(unsigned char b) {
  return (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7);
}
bool IsLowerLetter(unsigned char b) { return (b >= 'a' && b <= 'z') || (b >= 0xDF && b != 0xF7); }

// A name as users write it: a capital first, some small letters, only
// letters, blanks, hyphens, apostrophes and full stops (no codes such as
// "CCU", no numbers, no transliterations of other scripts in lower case).
bool ReadsAsName(const std::string& text) {
  if (text.size() < 3 || text.size() > kOtherNameWidth) return false;
  if (!IsUpperLetter(static_cast<unsigned char>(text[0]))) return false;
  bool lower = false;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (IsLowerLetter(b)) lower = true;
    else if (!IsUpperLetter(b) && b != ' ' && b != '-' && b != '\'' && b != '.') return false;
  }
  return lower;
}

// Whether the folded name holds the folded city as whole words ("Sydney
// City", "Municipio da Praia"): typing the city finds the place already.
bool HoldsCity(const std::string& folded, const std::string& city) {
  const std::string padded = kPlaceKeySeparator + folded + kPlaceKeySeparator;
  return padded.find(kPlaceKeySeparator + city + kPlaceKeySeparator) != std::string::npos;
}

}  // namespace

std::vector<std::string> OtherNamesOf(const GeoPlace& place, const std::string& city) {
  std::vector<std::string> names;
  if (place.population < kOtherNamesMinimumPopulation) return names;
  const std::string foldedCity = FoldPlaceText(city);
  std::set<std::string> folded = {foldedCity};
  auto consider = [&](const std::string& utf8) {
    bool exact = false;
    const std::string text = ToWindows1252(utf8, &exact);
    if (!exact || !ReadsAsName(text)) return;
    const std::string key = FoldPlaceText(text);
    if (HoldsCity(key, foldedCity)) return;
    if (folded.insert(key).second) names.push_back(text);
  };
  consider(place.asciiName);  // "Koeln" beside "Köln"
  for (const std::string& name : place.alternateNames) consider(name);
  return names;
}

}  // namespace vostrane::atlasgen
