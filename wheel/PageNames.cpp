// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageNames.h"

#include <optional>

#include "common/AyanamsaNames.h"
#include "common/HouseSystemNames.h"
#include "common/MessageTextFile.h"

namespace vostrane {

namespace {

constexpr int kPointNames = 11168;
constexpr int kSignNames = 11197;
constexpr int kAspectKindNames = 11209;
constexpr int kElementNames = 11228;
constexpr int kHouseSystemNames = 10007;
constexpr int kZodiacNames = 10018;

std::vector<std::string> ReadTexts(int first, int count, size_t width) {
  std::vector<std::string> texts;
  texts.reserve(count);
  for (int k = first; k < first + count; ++k) {
    std::string t = MessageText(k);
    if (t == kUnreadableText) t.clear();
    if (t.size() > width) t.resize(width);
    texts.push_back(t);
  }
  return texts;
}

void AppendTexts(std::vector<std::string>& to, const std::vector<std::string>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

const std::string& PageNames::At(const std::vector<std::string>& table, int index) {
  static const std::string kNone;
  return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : kNone;
}

std::string PageNames::PointName(int point) const {
  if (point == 19) return "South Node";
  // The name table runs Sun .. node, Ascendant, Midheaven, Vertex, East
  // Point, Part of Fortune, Ceres .. Chiron, then the hypothetical planets.
  static const int kSlot[19] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 15};
  if (point < 0 || point > 18) return "";
  return At(points, kSlot[point]);
}

std::string PageNames::HouseSystemName(HouseSystemId id) const {
  constexpr int kNamedSystems = 9;  // 'A'..'I' in the table, the first nine ids
  const int index = static_cast<int>(id);
  if (index < kNamedSystems) return At(houseSystems, index);
  return NameOfHouseSystem(id);
}

std::string PageNames::ZodiacName(ZodiacKind zodiac) const {
  const std::optional<AyanamsaKind> ayanamsa = AyanamsaOf(zodiac);
  if (!ayanamsa) return At(zodiacs, 0);
  return At(zodiacs, 1) + " " + NameOfAyanamsa(*ayanamsa);
}

PageNames LoadPageNames() {
  PageNames n;
  n.points = ReadTexts(kPointNames, 29, 15);
  n.signs = ReadTexts(kSignNames, 12, 15);
  n.aspectKinds = ReadTexts(kAspectKindNames, 19, 15);
  n.elements = ReadTexts(kElementNames, 7, 15);
  n.houseSystems = ReadTexts(kHouseSystemNames, 11, 15);
  n.zodiacs = ReadTexts(kZodiacNames, 2, 15);
  AppendTexts(n.longTexts, ReadTexts(10007, 51, 70));
  AppendTexts(n.longTexts, ReadTexts(9086, 1, 70));
  AppendTexts(n.longTexts, ReadTexts(kPointNames, 29, 70));
  const std::vector<std::string> last = ReadTexts(9986, 5, 70);  // 84, 85, 86, 82, 83
  AppendTexts(n.longTexts, {last[3], last[4], last[0], last[1], last[2]});
  return n;
}

PageNames DefaultPageNames() {
  PageNames n;
  n.points = {"Sun",       "Moon",    "Mercury",    "Venus",           "Mars",        "Jupiter",
              "Saturn",    "Uranus",  "Neptune",    "Pluto",           "Moon's Node", "Ascendant",
              "Midheaven", "Vertex",  "East Point", "Part of Fortune", "Ceres",       "Pallas",
              "Juno",      "Vesta",   "Chiron",     "Cupido",          "Hades",       "Zeus",
              "Kronos",    "Apollon", "Admetos",    "Vulcanus",        "Poseidon"};
  n.signs = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  n.aspectKinds = {"Conjunction",  "Opposition",    "Square",      "Trine",          "Sextile",
                   "Semi-Sextile", "Quincunx",      "Semi-Square", "Sesquiquadrate", "Quintile",
                   "Bi-Quintile",  "Septile",       "Bi-Septile",  "Tri-Septile",    "Novile",
                   "Bi-Novile",    "Quadri-Novile", "Decile",      "Tri-Decile"};
  n.elements = {"Fire", "Earth", "Air", "Water", "Cardinal", "Fixed", "Mutable"};
  n.houseSystems = {"Campanus", "Equal",         "Koch",        "Meridian", "Morinus",   "Placidus",
                    "Porphyry", "Regiomontanus", "Topocentric", "Solar",    "Whole Sign"};
  n.zodiacs = {"Tropical", "Sidereal"};
  n.longTexts = n.houseSystems;
  AppendTexts(n.longTexts, n.zodiacs);
  AppendTexts(n.longTexts, {"Secondary Progressed",
                            "Solar Arc Directed",
                            "One Degree Directed",
                            "Tertiary Progressed",
                            "Minor Progressed",
                            "Converse Progressed",
                            "Naibod Arc Directed",
                            "Ascendant Arc Directed",
                            "Midpoint Method",
                            "Derived Ascendant",
                            "Near Midpoints",
                            "Far Midpoints",
                            "Time and Space Midpoint",
                            "Relationship Chart",
                            "Solar Return",
                            "Lunar Return",
                            "Demi-Solar Return",
                            "Quarti-Solar Return",
                            "Demi-Lunar Return",
                            "Return",
                            "Half Return",
                            "Quarter Return",
                            "years",
                            "months",
                            "days",
                            "Harmonic Chart",
                            "Natal Chart",
                            "Composite Chart",
                            "Solar Return",
                            "Lunar Return",
                            "Progressed Chart",
                            "Special Chart",
                            "Relocated Chart",
                            "Planet Return",
                            "Derived Chart",
                            "Midpoint Chart",
                            "Event Chart",
                            "Relocated to"});
  AppendTexts(n.longTexts, {"Natal Chart"});
  AppendTexts(n.longTexts, n.points);
  AppendTexts(n.longTexts, {"Planet Return", "Composite Chart", "Relocated Chart", "Harmonic Chart",
                            "User-Defined Zodiac"});
  return n;
}

}  // namespace vostrane
