// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the glyphs of one ring of the chart wheel: every shown point gets
// a one-degree slot so that glyphs keep their distance, stay in their own
// house where they can and keep their zodiacal order. A glyph that had to go
// to the far side of a cusp makes that cusp line dashed or bent.
#pragma once

#include <array>

#include "wheel/HouseMap.h"

namespace vostrane {

// Points 0..19 go on the wheel; the ring arrays also carry 20..29.
inline constexpr int kWheelPoints = 20;
inline constexpr int kNoSlot = 0;
inline constexpr int kNoBend = -1;

// T[c][r]: the degrees a glyph keeps from the previous occupied slot, for
// spacing class c (1..3) and ring r (1..3).
struct SpacingTable {
  std::array<std::array<int, 3>, 3> t{};
  int At(int spacingClass, int ring) const { return t[spacingClass - 1][ring - 1]; }
  int& At(int spacingClass, int ring) { return t[spacingClass - 1][ring - 1]; }
};

// The 361 slots of a ring.
struct SlotRing {
  std::array<int, kSlotCount> point;  // point number, or -1 for a free slot
  SlotRing() { point.fill(-1); }
  bool Free(int n) const { return point[n] < 0; }
  // The slot holding a point, kNoSlot when it has none.
  int SlotOf(int p) const;
};

// The slot of every placed point of rings 1..3 (index ring - 1), kNoSlot
// for a point that is not on the wheel.
using PlacedSlots = std::array<std::array<int, kWheelPoints>, 3>;

// What the slot assignment needs of a ring.
struct PlacementInput {
  int ring = 1;                  // 1..3: column of the spacing table
  std::array<double, 22> lon{};  // longitudes of points 0..21 of the ring
  std::array<bool, kWheelPoints> shown{};
  std::array<double, 12> cusps{};  // the inner chart's cusp longitudes 0..11
  bool equalSectors = false;       // houses drawn as twelve 30-degree sectors
  // House 0..11 of each point by the inner chart's cusps (FillHouses).
  std::array<int, kWheelPoints> house{};
};

// Sets the house of every point with CheckedHouseOf.
void FillHouses(PlacementInput& in);

// Wheel angle of a longitude: from the inner chart's Ascendant (cusp 0),
// counter-clockwise, in [0, 360).
double WheelAngle(double lon, double ascendant);

// Where a longitude lies on the wheel. With true houses its wheel angle;
// with equal sectors the same share of the cusp's 30-degree sector as the
// longitude has of its house, so that it points into the sector drawn for
// its house.
double TrueWheelAngle(double lon, const std::array<double, 12>& cusps, bool equalSectors);

// The order in which points are placed: points 0..21 sorted by longitude
// (stable), turned to start at the smallest wheel angle, points above 19
// dropped.
std::array<int, kWheelPoints> PlacementOrder(const PlacementInput& in);

// The first target slot of a point of house h before any glyph is taken into
// account: its rounded wheel angle, or with equal sectors the slot in
// proportion to its place within the house's usable slots.
int TargetSlot(const PlacementInput& in, const HouseMap& map, int point, int h);

// Slot assignment of one ring (first half of PlaceGlyphs).
SlotRing AssignSlots(const PlacementInput& in, const HouseMap& map, const SpacingTable& spacing);

// Cusp lines of one ring that glyphs forced to be dashed or turned.
struct CuspMarks {
  std::array<bool, 12> dashed{};
  std::array<int, 12> bend;  // wheel angle a cusp line is turned to, or kNoBend
  CuspMarks() { bend.fill(kNoBend); }
};

// The cusp marks of the glyph of house h in slot n (dash: WheelDefinition
// offset 12 'Y', bend: offset 33 'Y'). Returns the house whose orientation
// the glyph takes, h moved when it was drawn across a cusp.
int MarkCrossedCusp(int n, int h, const HouseMap& map, bool dash, bool bend, CuspMarks& marks);

// Glyph columns per house: true for a house whose glyphs run inward.
// `perHouse` is WheelDefinition offset 7 'N'; without it every house runs
// outward. With equal sectors houses 2 to 7 run inward; otherwise a house is
// inward when the mean longitude of the ring's shown points in it lies
// strictly between 45 and 225 degrees of wheel angle (a house without shown
// points takes the middle of its sector).
std::array<bool, 12> InwardHouses(const PlacementInput& in, const std::array<double, 12>& cuspAngles,
                                  bool perHouse);

}  // namespace vostrane
