// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out the glyph columns: least movement fits, spreading on the
// circle, and houses widened for their columns.
#include <gtest/gtest.h>

#include <cmath>

#include "common/AngleTime.h"
#include "wheel/ColumnLayout.h"
#include "wheel/GlyphColumns.h"
#include "wheel/PageHeader.h"

namespace vostrane {
namespace {

TEST(ColumnLayout, IsotonicFitPoolsViolatorsByWeight) {
  EXPECT_EQ(IsotonicFit({1, 3, 2, 4}, {}), (std::vector<double>{1, 2.5, 2.5, 4}));
  // A heavy item barely moves.
  const auto fit = IsotonicFit({5, 1}, {9, 1});
  EXPECT_DOUBLE_EQ(fit[0], 4.6);
  EXPECT_DOUBLE_EQ(fit[1], 4.6);
}

TEST(ColumnLayout, SpreadOnCircleKeepsOrderAndMovesLittle) {
  // Three items 1 degree apart needing 4 between them, across 0 degrees.
  const auto out = SpreadOnCircle({359.5, 0.5, 1.5}, {2, 2, 2});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_NEAR(ForwardDifference(out[0], out[1]), 4.0, 1e-9);
  EXPECT_NEAR(ForwardDifference(out[1], out[2]), 4.0, 1e-9);
  EXPECT_NEAR(out[1], 0.5, 1e-9);  // the middle one stays
  // Items with room stay where they are.
  EXPECT_EQ(SpreadOnCircle({10, 100, 200}, {2, 2, 2}), (std::vector<double>{10, 100, 200}));
  // More than the circle holds: spread evenly round it, in order.
  const auto packed = SpreadOnCircle({0, 1, 2, 3}, {100, 100, 100, 100});
  double round = 0;
  for (int i = 0; i < 4; ++i) {
    const double gap = ForwardDifference(packed[i], packed[(i + 1) % 4]);
    EXPECT_GE(gap, 89.75 - 1e-6);
    round += gap;
  }
  EXPECT_NEAR(round, 360.0, 1e-6);
}

std::array<double, 12> Cusps(std::initializer_list<double> widths) {
  std::array<double, 12> c{};
  double at = 0;
  int j = 0;
  for (double w : widths) c[j++] = at, at += w;
  return c;
}

TEST(ColumnLayout, ColumnsStayInTheirHouseAndANarrowHouseIsWidened) {
  // Houses of 30 degrees but house 3 (index 2) of 2 degrees and house 4 of 58.
  const auto cusps = Cusps({30, 30, 2, 58, 30, 30, 30, 30, 30, 30, 30, 30});
  std::array<ColumnRingInput, 3> rings;
  ColumnRingInput& r = rings[0];
  r.present = true;
  r.halfWidth = [](double) { return 2.0; };
  const double angles[5] = {60.5, 61.0, 61.5, 10, 11};
  const int houses[5] = {2, 2, 2, 0, 0};
  for (int p = 0; p < 5; ++p) r.shown[p] = true, r.angle[p] = angles[p], r.house[p] = houses[p];
  const ColumnLayout out = LayOutColumns(cusps, rings);
  // House 3 now holds its three columns with 2 degrees on either side.
  const double from = out.cusps[2], to = out.cusps[3];
  EXPECT_GE(to - from, 12.0 - 1e-9);
  for (int p = 0; p < 3; ++p) {
    EXPECT_GE(out.angle[0][p], from + 2.0 - 1e-9);
    EXPECT_LE(out.angle[0][p], to - 2.0 + 1e-9);
  }
  EXPECT_GE(out.angle[0][1] - out.angle[0][0], 4.0 - 1e-9);
  EXPECT_GE(out.angle[0][2] - out.angle[0][1], 4.0 - 1e-9);
  // The Ascendant stays; the roomy house gives way; house 1 is untouched.
  EXPECT_NEAR(out.cusps[0], 0.0, 1e-9);
  EXPECT_TRUE(out.CuspMoved(3, cusps));
  EXPECT_FALSE(out.CuspMoved(1, cusps));
  // Two columns a degree apart in house 1 move apart about their middle.
  EXPECT_NEAR(out.angle[0][3], 8.5, 1e-9);
  EXPECT_NEAR(out.angle[0][4], 12.5, 1e-9);
  EXPECT_EQ(out.angle[0][5], -1.0);  // not shown
}

TEST(ColumnLayout, ColumnsWhereTheyAreNarrowStandNearerTheirPlaces) {
  // Columns are narrow before 15 degrees and wide after it; two at 5 and 6
  // in the first house need not keep the wide ones' distance.
  std::array<ColumnRingInput, 3> rings;
  ColumnRingInput& r = rings[0];
  r.present = true;
  r.halfWidth = [](double a) { return a < 15.0 ? 1.5 : 5.0; };
  r.shown[0] = r.shown[1] = true;
  r.angle[0] = 5.0, r.angle[1] = 6.0;
  const ColumnLayout out = LayOutColumns(Cusps({30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30}), rings);
  const double a = out.angle[0][0], b = out.angle[0][1];
  EXPECT_LT(std::max(std::fabs(a - 5.0), std::fabs(b - 6.0)), 3.0);
  EXPECT_GE(a - r.halfWidth(a), 0.0);
  EXPECT_GE(b - a, r.halfWidth(a) + r.halfWidth(b) - 1e-9);
}

TEST(ColumnLayout, ACrowdedHouseAfterAnAngleGrowsToBothSides) {
  // Five columns needing 40 degrees just after the fourth cusp, in houses of
  // 30: growing only forward would take the last one 31 degrees away.
  std::array<ColumnRingInput, 3> rings;
  ColumnRingInput& r = rings[0];
  r.present = true;
  r.halfWidth = [](double) { return 4.0; };
  for (int p = 0; p < 5; ++p) r.shown[p] = true, r.angle[p] = 91.0 + p, r.house[p] = 3;
  const ColumnLayout out = LayOutColumns(Cusps({30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30}), rings);
  EXPECT_LT(out.cusps[3], 88.0);
  EXPECT_GE(out.cusps[4] - out.cusps[3], 40.0 - 1e-6);
  for (int p = 0; p < 5; ++p) EXPECT_LT(std::fabs(out.angle[0][p] - r.angle[p]), 27.0) << p;
}

TEST(ColumnLayout, ACrowdedHouseTakesCompactColumnsNearTheirDegrees) {
  // Five columns about 102 degrees in a house of 30: full size they need 40
  // degrees; compact ones fit beside their degrees and no cusp moves. The
  // lone column of the first house keeps its full size.
  std::array<ColumnRingInput, 3> rings;
  ColumnRingInput& r = rings[0];
  r.present = true;
  r.halfWidth = [](double) { return 4.0; };
  r.compactHalfWidth = {[](double) { return 1.5; }};
  for (int p = 0; p < 5; ++p) r.shown[p] = true, r.angle[p] = 100.0 + p, r.house[p] = 3;
  r.shown[5] = true, r.angle[5] = 15.0, r.house[5] = 0;
  const auto cusps = Cusps({30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30});
  const ColumnLayout out = LayOutColumns(cusps, rings);
  for (int j = 0; j < 12; ++j) EXPECT_FALSE(out.CuspMoved(j, cusps)) << j;
  for (int p = 0; p < 5; ++p) {
    EXPECT_TRUE(out.compact[0][p]) << p;
    EXPECT_LE(std::fabs(out.angle[0][p] - r.angle[p]), 4.0 + 1e-9) << p;  // 3 degrees apart
  }
  EXPECT_FALSE(out.compact[0][5]);
}

TEST(ColumnLayout, ColumnItemsFitTheBandOfTheirRing) {
  const std::array<double, 5> reach = {3, 3, 3, 3, 2};
  std::array<double, 5> r{};
  // Room enough: the table's radii stay.
  const std::array<double, 5> preferred = {95, 87, 80, 73, 66};
  ASSERT_TRUE(FitColumnRadii(preferred, reach, 5, 1, 50, 100, r));
  EXPECT_EQ(r, preferred);
  // A band that ends below the glyph: the glyph moves in and pushes the
  // labels before it, each just clear of the one above.
  ASSERT_TRUE(FitColumnRadii(preferred, reach, 5, 1, 40, 92, r));
  EXPECT_EQ(r, (std::array<double, 5>{89, 82, 75, 68, 62}));
  // An inward column (glyph innermost) pushed out from the band's inner
  // edge; the retrograde mark of a direct point is left alone.
  ASSERT_TRUE(FitColumnRadii({66, 74, 81, 88, 96}, reach, 4, 1, 70, 120, r));
  EXPECT_EQ(r, (std::array<double, 5>{73, 80, 87, 94, 96}));
  // Too narrow a band is reported; the glyph still stays inside it.
  EXPECT_FALSE(FitColumnRadii(preferred, reach, 5, 1, 70, 100, r));
  EXPECT_LE(r[0] + reach[0], 100);
}

TEST(HeaderPlace, KeepsTheCityAloneOrMixedCase) {
  EXPECT_EQ(HeaderPlace("NEW YORK, NY", 'K'), "NEW YORK, NY");
  EXPECT_EQ(HeaderPlace("NEW YORK, NY", 'D'), "NEW YORK");
  EXPECT_EQ(HeaderPlace("NEW YORK, NY", 'M'), "New York, Ny");
  EXPECT_EQ(HeaderPlace("sao paulo-centro, brazil", 'M'), "Sao Paulo-Centro, Brazil");
  EXPECT_EQ(HeaderPlace("London", 'D'), "London");
  EXPECT_EQ(HeaderPlace("", 'M'), "");
}

}  // namespace
}  // namespace vostrane
