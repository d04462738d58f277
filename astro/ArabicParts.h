// SPDX-License-Identifier: GPL-3.0-or-later
// Lots (Arabic parts): the list of LOTS.DAT, each lot A + B - C over the
// chart's points, cusps and earlier lots, with B and C changing places in a
// night chart when the lot is reversed.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vostrane {

inline constexpr const char* kLotFileName = "LOTS.DAT";

struct Lot {
  std::string name;
  std::array<std::string, 3> operands;  // A, B, C of A + B - C, as written
  bool reversedAtNight = false;
  std::string source;
  // "A + B - C" as a chart uses it: B and C exchanged in a night chart when
  // the lot is reversed.
  std::string FormulaFor(bool night) const {
    const bool swap = night && reversedAtNight;
    return operands[0] + " + " + operands[swap ? 2 : 1] + " - " + operands[swap ? 1 : 2];
  }
};

struct LotList {
  std::vector<Lot> lots;
  std::string error;  // empty when read whole; else names the file and line
  bool missing = false;
};

// The lines of the file: '#' comments, then "name | A + B - C | Y or N |
// source". An operand that is neither a point, a cusp H1..H12 nor a lot of
// an earlier line, a name used twice, a bad flag, too many lots or a file
// too large leaves the list empty and says why.
LotList ParseLots(const std::string& text, const std::string& fileName);
// Checks the file against the installation's list and parses it.
LotList ReadLotFile(const std::string& path = kLotFileName);

// The chart's values the formulas take, longitudes in degrees.
struct LotPoints {
  double asc = 0, mc = 0, node = 0;
  std::array<double, 10> planets{};  // Sun .. Pluto
  std::array<double, 12> cusps{};    // houses 1 .. 12
  bool night = false;                // the Sun in houses 1 to 6
};

// The longitude of every lot of the list, in its order.
std::vector<double> LotLongitudes(const std::vector<Lot>& lots, const LotPoints& points);

}  // namespace vostrane
