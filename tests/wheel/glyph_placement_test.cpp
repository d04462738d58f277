// SPDX-License-Identifier: GPL-3.0-or-later
// The house map and the slot assignment of the wheel's glyphs: crowded
// stelliums, points across 0 Aries and on cusps, equal sectors, full rings,
// and the cusp marks of glyphs that had to cross a cusp.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ScriptedMessageService.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/HouseMap.h"
#include "wheel/WheelSetup.h"

namespace vostrane {
namespace {

std::array<double, 12> AnglesOf(const std::array<double, 12>& cusps, bool equal) {
  std::array<double, 12> a{};
  for (int j = 0; j < 12; ++j) a[j] = equal ? 30.0 * j : WheelAngle(cusps[j], cusps[0]);
  return a;
}

// A ring 1 placement input with the given shown points; every other point
// is hidden.
PlacementInput Input(const std::array<double, 12>& cusps, const std::vector<std::pair<int, double>>& pts,
                     bool equal = false) {
  PlacementInput in;
  in.ring = 1;
  in.cusps = cusps;
  in.equalSectors = equal;
  for (int p = 0; p < 22; ++p) in.lon[p] = 0;
  for (const auto& [p, lon] : pts) {
    in.lon[p] = lon;
    in.shown[p] = true;
  }
  FillHouses(in);
  return in;
}

// The spacing of a plain single wheel of size class 'M': T = 3, 4, 5 for
// ring 1.
SpacingTable PlainSpacing() { return ComputeSpacingTable(test::PlainStyle(), 'R', 'M'); }

struct Placed {
  int point;
  double lon;
  int slot;
};

std::vector<Placed> Assign(const PlacementInput& in, const HouseMap& map, const SpacingTable& t) {
  const SlotRing ring = AssignSlots(in, map, t);
  std::vector<Placed> out;
  for (int p = 0; p < kWheelPoints; ++p)
    if (in.shown[p]) out.push_back({p, in.lon[p], ring.SlotOf(p)});
  return out;
}

// Every shown point has a slot; slots follow the zodiacal (wheel-angle)
// order; consecutive glyphs keep more than the spacing of the later one's
// house class.
void ExpectOrderedAndSpaced(const PlacementInput& in, const std::vector<Placed>& placed,
                            const SpacingTable& t) {
  std::vector<Placed> byAngle = placed;
  std::stable_sort(byAngle.begin(), byAngle.end(), [&](const Placed& a, const Placed& b) {
    return WheelAngle(a.lon, in.cusps[0]) < WheelAngle(b.lon, in.cusps[0]);
  });
  for (size_t i = 0; i < byAngle.size(); ++i) {
    ASSERT_NE(byAngle[i].slot, kNoSlot) << "point " << byAngle[i].point;
    if (i == 0) continue;
    const int h = CheckedHouseOf(byAngle[i].lon, in.cusps);
    EXPECT_GT(byAngle[i].slot, byAngle[i - 1].slot) << "order at point " << byAngle[i].point;
    EXPECT_GT(byAngle[i].slot - byAngle[i - 1].slot, t.At(SpacingClass(h), in.ring))
        << "spacing at point " << byAngle[i].point;
  }
}

TEST(HouseMap, MarginsBesideCusps) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap m = BuildHouseMap(AnglesOf(cusps, false), false);
  EXPECT_EQ(m.At(0), 0);
  EXPECT_EQ(m.At(1), kNoHouse);
  EXPECT_EQ(m.At(2), 0);
  EXPECT_EQ(m.At(28), 0);
  for (int n = 29; n <= 31; ++n) EXPECT_EQ(m.At(n), kNoHouse) << n;
  EXPECT_EQ(m.At(32), 1);
  EXPECT_EQ(m.count[0], 27);
  // One degree more beside the fourth cusp (the IC at 90).
  EXPECT_EQ(m.At(87), 2);
  for (int n = 88; n <= 92; ++n) EXPECT_EQ(m.At(n), kNoHouse) << n;
  EXPECT_EQ(m.At(93), 3);
  EXPECT_EQ(m.count[2], 26);
  EXPECT_EQ(m.count[3], 26);
  EXPECT_EQ(m.At(358), 11);
  EXPECT_EQ(m.At(359), kNoHouse);
  EXPECT_EQ(m.At(360), kNoHouse);
  int total = 0;
  for (int c : m.count) total += c;
  EXPECT_EQ(total, 12 * 27 - 4);

  EXPECT_FALSE(m.bug);
  // Cusps that do not go round the circle stop at house 12 and say so.
  const HouseMap flat = BuildHouseMap(std::array<double, 12>{}, false);
  EXPECT_TRUE(flat.bug);
  EXPECT_EQ(flat.At(300), 11);

  // Wider margins (offset 7 'N'): a cusp at 30.2 takes slot 29 too.
  auto angles = AnglesOf(cusps, false);
  angles[1] = 30.2;
  EXPECT_EQ(BuildHouseMap(angles, false).At(29), 0);
  EXPECT_EQ(BuildHouseMap(angles, true).At(29), kNoHouse);
}

TEST(HouseMap, HouseOfALongitude) {
  ScopedScriptedMessages msgs;
  const auto cusps = test::Cusps({350, 20, 50, 80, 110, 140});
  EXPECT_EQ(CheckedHouseOf(355, cusps), 0);
  EXPECT_EQ(CheckedHouseOf(5, cusps), 0);
  EXPECT_EQ(CheckedHouseOf(20, cusps), 1);
  EXPECT_EQ(CheckedHouseOf(349.99, cusps), 11);
  EXPECT_EQ(CheckedHouseOf(170, cusps), 6);
  EXPECT_FALSE(msgs->Saw("Bug"));
  // Cusps that do not go round the circle: the message, and house 12.
  std::array<double, 12> flat{};
  EXPECT_EQ(CheckedHouseOf(100, flat), 11);
  EXPECT_TRUE(msgs->Saw("ERROR!!!!  Bug in procedure DetermHousePos."));
}

TEST(GlyphPlacement, ThreePlanetsWithinOneDegreeKeepOrderAndSpacing) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  const SpacingTable t = PlainSpacing();
  ASSERT_EQ(t.At(1, 1), 3);
  const PlacementInput in = Input(cusps, {{2, 10.9}, {0, 10.0}, {3, 10.4}});
  const auto placed = Assign(in, map, t);
  ExpectOrderedAndSpaced(in, placed, t);
  for (const Placed& p : placed) {
    EXPECT_EQ(map.At(p.slot), 0) << p.point;
  }
  // The group sits around its true place, glyphs T + 1 apart.
  EXPECT_EQ(placed[2].slot - placed[0].slot, 4);  // Sun (10.0) to Venus (10.4)
  EXPECT_EQ(placed[1].slot - placed[2].slot, 4);  // Venus to Mercury (10.9)
}

TEST(GlyphPlacement, CrowdedHousePushesGlyphsOnAndDashesTheCusp) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  const SpacingTable t = PlainSpacing();
  // Nine points between 22 and 29.5 degrees of house 1 (slots 2..28 hold at
  // most seven glyphs four apart).
  std::vector<std::pair<int, double>> pts;
  for (int p = 0; p < 9; ++p) pts.push_back({p, 22.0 + p * 0.9});
  const PlacementInput in = Input(cusps, pts);
  const auto placed = Assign(in, map, t);
  ExpectOrderedAndSpaced(in, placed, t);
  int beyond = 0;
  for (const Placed& p : placed) beyond += map.At(p.slot) != 0;
  EXPECT_GE(beyond, 2);
  EXPECT_LE(beyond, 3);

  // The last glyph lies past cusp 2: that cusp is dashed, or bent two
  // degrees beyond the glyph.
  const Placed& last = placed.back();
  ASSERT_EQ(map.At(last.slot), 1);
  CuspMarks marks;
  EXPECT_EQ(MarkCrossedCusp(last.slot, 0, map, true, true, marks), 1);
  EXPECT_TRUE(marks.dashed[1]);
  EXPECT_EQ(marks.bend[1], last.slot + 2);
  for (int j = 0; j < 12; ++j)
    if (j != 1) {
      EXPECT_FALSE(marks.dashed[j]) << j;
    }
  // Without either option nothing is marked.
  CuspMarks none;
  MarkCrossedCusp(last.slot, 0, map, false, false, none);
  EXPECT_FALSE(none.dashed[1]);
  EXPECT_EQ(none.bend[1], kNoBend);
}

TEST(GlyphPlacement, PlanetJustBeforeACuspStaysInItsHouseWhileThereIsRoom) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  const SpacingTable t = PlainSpacing();
  // Alone: back out of the margin into its own house.
  auto placed = Assign(Input(cusps, {{4, 29.5}}), map, t);
  EXPECT_EQ(placed[0].slot, 28);
  // With four glyphs below it, they move back to make room.
  placed = Assign(Input(cusps, {{0, 16}, {1, 20}, {2, 24}, {3, 27}, {4, 29.5}}), map, t);
  for (const Placed& p : placed) {
    EXPECT_EQ(map.At(p.slot), 0) << p.point;
  }
  EXPECT_EQ(placed[4].slot, 28);
  ExpectOrderedAndSpaced(Input(cusps, {{0, 16}, {1, 20}, {2, 24}, {3, 27}, {4, 29.5}}), placed, t);
}

TEST(GlyphPlacement, PointOnACuspTakesTheFirstSlotOfItsHouse) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  auto placed = Assign(Input(cusps, {{5, 30.0}}), map, PlainSpacing());
  EXPECT_EQ(placed[0].slot, 32);
  placed = Assign(Input(cusps, {{5, 90.0}}), map, PlainSpacing());  // the IC, wider margin
  EXPECT_EQ(placed[0].slot, 93);
}

TEST(GlyphPlacement, PointsAcrossZeroAriesKeepZodiacalOrder) {
  const auto cusps = test::EqualCusps(340);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  const SpacingTable t = PlainSpacing();
  const PlacementInput in = Input(cusps,
                                  {{0, 0.5}, {1, 355.0}, {2, 2.0}, {3, 358.5}, {4, 339.5}, {5, 341.0}});
  const auto placed = Assign(in, map, t);
  ExpectOrderedAndSpaced(in, placed, t);
  EXPECT_LT(placed[1].slot, placed[3].slot);  // 355 before 358.5
  EXPECT_LT(placed[3].slot, placed[0].slot);  // 358.5 before 0.5
  EXPECT_LT(placed[0].slot, placed[2].slot);  // 0.5 before 2.0
  // 339.5 is the last point of the wheel, just before the Ascendant; 341
  // the first.
  EXPECT_EQ(placed[4].slot, 358);
  EXPECT_EQ(placed[5].slot, 2);
  // The placement order starts at the smallest wheel angle.
  const auto order = PlacementOrder(in);
  EXPECT_EQ(order[0], 5);
}

TEST(GlyphPlacement, StelliumBeforeTheAscendantShiftsBackInsteadOfRunningOn) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  const SpacingTable t = PlainSpacing();
  // Three points at the very end of the circle: no free slot lies above
  // the last one, so the earlier glyphs move back.
  const PlacementInput in = Input(cusps, {{0, 356.0}, {1, 357.5}, {2, 358.8}});
  const auto placed = Assign(in, map, t);
  ExpectOrderedAndSpaced(in, placed, t);
  for (const Placed& p : placed) EXPECT_EQ(map.At(p.slot), 11) << p.point;
  EXPECT_EQ(placed[2].slot, 358);
  EXPECT_EQ(placed[1].slot, 354);
  EXPECT_EQ(placed[0].slot, 350);
}

TEST(GlyphPlacement, EqualSectorsPlaceInProportionWithinTheHouse) {
  // Unequal houses drawn as equal sectors.
  const auto cusps = test::Cusps({100, 140, 165, 190, 225, 255});
  const auto angles = AnglesOf(cusps, true);
  const HouseMap map = BuildHouseMap(angles, false);
  const SpacingTable t = PlainSpacing();
  // On cusp 2, in the middle of house 2, on cusp 7, and near the end of
  // house 8.
  const PlacementInput in = Input(cusps, {{0, 140.0}, {1, 152.5}, {2, 280.0}, {3, 344.9}}, true);
  const auto placed = Assign(in, map, t);
  EXPECT_EQ(placed[0].slot, map.FirstSlot(1));
  EXPECT_NEAR(placed[1].slot, 45, 1);
  EXPECT_EQ(placed[2].slot, map.FirstSlot(6));
  EXPECT_GE(placed[3].slot, map.LastSlot(7) - 1);
  EXPECT_LE(placed[3].slot, map.LastSlot(7));
  for (const Placed& p : placed) EXPECT_EQ(map.At(p.slot), CheckedHouseOf(p.lon, cusps)) << p.point;
  // The true place of a point in equal sectors is its share of the sector.
  EXPECT_NEAR(TrueWheelAngle(152.5, cusps, true), 45.0, 1e-9);
  EXPECT_NEAR(TrueWheelAngle(152.5, cusps, false), 52.5, 1e-9);
}

TEST(GlyphPlacement, EveryPointOfAFullRingGetsASlot) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  SpacingTable wide;
  for (auto& row : wide.t) row.fill(20);
  std::vector<std::pair<int, double>> pts;
  for (int p = 0; p < kWheelPoints; ++p) pts.push_back({p, 200.0});
  const SlotRing ring = AssignSlots(Input(cusps, pts), map, wide);
  std::vector<int> slots;
  for (int p = 0; p < kWheelPoints; ++p) {
    const int s = ring.SlotOf(p);
    EXPECT_NE(s, kNoSlot) << p;
    slots.push_back(s);
  }
  std::sort(slots.begin(), slots.end());
  EXPECT_EQ(std::unique(slots.begin(), slots.end()), slots.end());
}

TEST(GlyphPlacement, GlyphPushedBackAcrossACuspMarksThatCusp) {
  const auto cusps = test::EqualCusps(0);
  const HouseMap map = BuildHouseMap(AnglesOf(cusps, false), false);
  // A point of house 3 (index 2) drawn in slot 55 of house 2 (index 1):
  // cusp 3 is dashed and, having no bend yet, bent two degrees below.
  CuspMarks marks;
  EXPECT_EQ(MarkCrossedCusp(55, 2, map, true, true, marks), 2);
  EXPECT_TRUE(marks.dashed[2]);
  EXPECT_EQ(marks.bend[2], 53);
  // A glyph two houses away bends the next cusp too, five degrees further.
  CuspMarks far;
  EXPECT_EQ(MarkCrossedCusp(95, 1, map, false, true, far), 3);
  EXPECT_EQ(far.bend[2], 97);
  EXPECT_EQ(far.bend[3], 102);
}

TEST(GlyphPlacement, InwardHousesByMeanPosition) {
  const auto cusps = test::EqualCusps(0);
  const PlacementInput in = Input(cusps, {{0, 100}, {1, 110}, {2, 10}, {3, 355}, {4, 5}});
  const auto none = InwardHouses(in, AnglesOf(cusps, false), false);
  for (bool b : none) EXPECT_FALSE(b);
  const auto per = InwardHouses(in, AnglesOf(cusps, false), true);
  EXPECT_TRUE(per[3]);    // 100 and 110: mean 105
  EXPECT_FALSE(per[0]);   // 5 and 10
  EXPECT_FALSE(per[11]);  // 355
  EXPECT_TRUE(per[2]);    // empty: middle of the sector, 75
  EXPECT_FALSE(per[8]);   // empty: 255
  // A house across 0 Aries: 355 and 5 average to 0 Aries, not to 180.
  const auto turned = test::EqualCusps(340);
  const PlacementInput across = Input(turned, {{0, 355}, {1, 5}});
  EXPECT_FALSE(InwardHouses(across, AnglesOf(turned, false), true)[0]);
  PlacementInput eq = in;
  eq.equalSectors = true;
  const auto e = InwardHouses(eq, AnglesOf(cusps, true), true);
  for (int h = 0; h < 12; ++h) EXPECT_EQ(e[h], h >= 2 && h <= 7) << h;
}

TEST(SpacingTable, RulesOfCategorySizeTuningAndNumberSize) {
  WheelDefinition d = test::PlainStyle();
  SpacingTable t = ComputeSpacingTable(d, 'B', 'M');
  EXPECT_EQ(t.At(1, 1), 5);
  EXPECT_EQ(t.At(3, 1), 7);
  EXPECT_EQ(t.At(3, 2), 3);
  t = ComputeSpacingTable(d, 'R', 'B');
  EXPECT_EQ(t.At(1, 1), 3);
  EXPECT_EQ(t.At(2, 1), 3);
  EXPECT_EQ(t.At(3, 1), 4);
  d.SetLetter(wheel_offset::glyphSpacing, 'R');
  t = ComputeSpacingTable(d, 'R', 'M');
  EXPECT_EQ(t.At(1, 1), 2);
  EXPECT_EQ(t.At(1, 3), 2);  // ring 3 untouched
  d.SetLetter(wheel_offset::glyphSpacing, 'N');
  d.SetI16(wheel_offset::minuteSize, 22);
  t = ComputeSpacingTable(d, 'R', 'S');
  EXPECT_EQ(t.At(1, 1), 3 + 2 + 1 + 1);
  EXPECT_EQ(t.At(3, 3), 3 + 1 + 3);
}

}  // namespace
}  // namespace vostrane
