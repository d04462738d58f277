// SPDX-License-Identifier: GPL-3.0-or-later
// The house map of the chart wheel: which house every one-degree slot of the
// wheel belongs to, with the slots too close to a cusp kept free, and the
// house of a longitude by the cusps of the inner chart.
#pragma once

#include <array>

namespace vostrane {

// Slots 0 to 360; slot n is the wheel angle n degrees.
inline constexpr int kSlotCount = 361;
inline constexpr int kNoHouse = -1;

struct HouseMap {
  // House 0..11 of each slot, or kNoHouse for a slot inside a cusp margin.
  std::array<int, kSlotCount> house{};
  // Slots of each house that glyphs may use.
  std::array<int, 12> count{};
  // The walk ran past the twelfth cusp: the cusps do not go round the
  // circle in order (the caller reports kFillHouseMapBug).
  bool bug = false;

  int At(int slot) const { return slot >= 0 && slot < kSlotCount ? house[slot] : kNoHouse; }
  // The lowest and the highest slot of a house (0 when the house has none).
  int FirstSlot(int h) const;
  int LastSlot(int h) const;
};

inline constexpr const char* kFillHouseMapBug = "ERROR!!!!  Bug in procedure FillWhichHousePos.";
inline constexpr const char* kHousePosBug = "ERROR!!!!  Bug in procedure DetermHousePos.";

// Builds the map from the wheel angles of cusps 0 to 11 (cusp 0 at angle 0).
// The margin kept free on each side of a cusp is 1.1 degrees, 1.32 with
// `wideMargins`, and one degree more beside the fourth and tenth cusps.
// Cusps out of order set `bug` and keep the last slots in house 11.
HouseMap BuildHouseMap(const std::array<double, 12>& cuspAngles, bool wideMargins);

// The house (0..11) of longitude `lon` by the cusp longitudes 0..11: the
// first house h with cusp h <= lon < cusp h+1, or, for a house spanning 0
// degrees, lon >= cusp h or lon < cusp h+1. kNoHouse when no house matches
// (cusps that do not go round the circle).
int HouseOf(double lon, const std::array<double, 12>& cusps);

// HouseOf with the error message and house 11 when no house matches.
int CheckedHouseOf(double lon, const std::array<double, 12>& cusps);

// Spacing class of a house: 1 beside the horizon (houses 0, 5, 6, 11), 3
// beside the meridian (2, 3, 8, 9), 2 for the others.
int SpacingClass(int house);

}  // namespace vostrane
