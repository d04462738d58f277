// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/ArabicParts.h"

#include <algorithm>
#include <sstream>

#include "astro/AngleHelpers.h"
#include "common/NumberedLines.h"
#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"

namespace vostrane {

namespace {

constexpr size_t kLargestLotFile = 64 * 1024;
constexpr size_t kMostLots = 100;
constexpr size_t kLongestName = 24;
constexpr size_t kLongestSource = 70;

const char* const kPlanetNames[10] = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                      "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// The cusp number of "H1".."H12", else 0.
int CuspNumber(const std::string& operand) {
  if (operand.size() < 2 || operand.size() > 3 || operand[0] != 'H') return 0;
  const std::string digits = operand.substr(1);
  if (digits.find_first_not_of("0123456789") != std::string::npos || digits[0] == '0') return 0;
  const int n = std::stoi(digits);
  return n >= 1 && n <= 12 ? n : 0;
}

bool IsPoint(const std::string& operand) {
  if (operand == "Asc" || operand == "MC" || operand == "Node" || CuspNumber(operand)) return true;
  return std::find(std::begin(kPlanetNames), std::end(kPlanetNames), operand) != std::end(kPlanetNames);
}

// "A + B - C" into its three operands; false when it has another shape.
bool SplitFormula(const std::string& formula, std::array<std::string, 3>& out) {
  const size_t plus = formula.find(" + "), minus = formula.find(" - ");
  if (plus == std::string::npos || minus == std::string::npos || minus < plus) return false;
  out = {Trim(formula.substr(0, plus)), Trim(formula.substr(plus + 3, minus - plus - 3)),
         Trim(formula.substr(minus + 3))};
  return !out[0].empty() && !out[1].empty() && !out[2].empty();
}

std::string ParseLine(const std::string& line, const std::vector<Lot>& earlier, Lot& lot) {
  std::vector<std::string> f;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '|')) f.push_back(Trim(field));
  if (f.size() != 4) return "has " + std::to_string(f.size()) + " fields, not 4";
  lot.name = f[0];
  if (lot.name.empty() || lot.name.size() > kLongestName) return "has a name that is empty or too long";
  for (const Lot& e : earlier)
    if (e.name == lot.name) return "names the lot " + lot.name + " a second time";
  if (!SplitFormula(f[1], lot.operands)) return "has a formula that is not A + B - C";
  for (const std::string& operand : lot.operands) {
    const bool isLot = std::any_of(earlier.begin(), earlier.end(),
                                   [&](const Lot& e) { return e.name == operand; });
    if (!IsPoint(operand) && !isLot)
      return "uses " + operand + ", which is no point, cusp or earlier lot";
  }
  if (f[2] != "Y" && f[2] != "N") return "has a night flag other than Y or N";
  lot.reversedAtNight = f[2] == "Y";
  lot.source = f[3];
  if (lot.source.size() > kLongestSource) return "has a source longer than 70 characters";
  for (const std::string* text : {&lot.name, &lot.source})
    for (unsigned char c : *text)
      if (c < ' ' || c == 127) return "has a control character";
  return "";
}

}  // namespace

LotList ParseLots(const std::string& text, const std::string& fileName) {
  LotList list;
  auto fail = [&](const std::string& why) {
    list.lots.clear();
    list.error = "The lot file " + fileName + " " + why + "; the lots are left out.";
    return list;
  };
  if (text.size() > kLargestLotFile) return fail("is larger than 64 KiB");
  std::stringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::BlankLines, '#');
  for (NumberedLine line; lines.Next(line);) {
    Lot lot;
    if (const std::string why = ParseLine(line.text, list.lots, lot); !why.empty())
      return fail("line " + std::to_string(line.number) + " " + why);
    if (list.lots.size() == kMostLots) return fail("holds more than 100 lots");
    list.lots.push_back(lot);
  }
  if (list.lots.empty()) return fail("holds no lot");
  return list;
}

LotList ReadLotFile(const std::string& path) {
  LotList list;
  if (const FileCheck check = CheckInstalledFile(path); !check.ok()) {
    list.missing = check.state == FileState::Missing;
    list.error = list.missing ? "The lot file " + path + " is missing; the lots are left out."
                              : DamagedFileText(kLotFileName, check, 0);
    return list;
  }
  const auto text = ReadFileStart(path, kLargestLotFile + 1);
  if (!text) {
    list.missing = !FileExists(path);
    list.error = "The lot file " + path + " cannot be read; the lots are left out.";
    return list;
  }
  return ParseLots(*text, path);
}

std::vector<double> LotLongitudes(const std::vector<Lot>& lots, const LotPoints& points) {
  std::vector<double> out;
  auto value = [&](const std::string& operand) {
    if (operand == "Asc") return points.asc;
    if (operand == "MC") return points.mc;
    if (operand == "Node") return points.node;
    if (const int cusp = CuspNumber(operand)) return points.cusps[cusp - 1];
    for (int p = 0; p < 10; ++p)
      if (operand == kPlanetNames[p]) return points.planets[p];
    for (size_t k = 0; k < out.size(); ++k)
      if (lots[k].name == operand) return out[k];
    return 0.0;  // the reader lets no other operand through
  };
  for (const Lot& lot : lots) {
    const bool swap = points.night && lot.reversedAtNight;
    const double a = value(lot.operands[0]);
    const double b = value(lot.operands[swap ? 2 : 1]), c = value(lot.operands[swap ? 1 : 2]);
    out.push_back(ModAngle(360.0, a + b - c));
  }
  return out;
}

}  // namespace vostrane
