// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the wheel page: position tables (rows, columns, empty
// tables), legends, the further points, elements and modes, and the
// declination parallels with their boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "astro/BodySlots.h"
#include "session/LunarApogeeSlots.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/LegendTables.h"
#include "wheel/PointRanges.h"
#include "wheel/PointTables.h"
#include "wheel/PositionTables.h"

namespace vostrane {
namespace {

using test::PageFixture;
using test::PageStyle;
namespace wo = wheel_offset;

void SetTable(WheelDefinition& d, int i, const std::string& def, int16_t x = 100, int16_t y = 2000) {
  for (int c = 0; c < 4; ++c) d.SetLetter(wo::positionTableDefs + 4 * i + c, def[c]);
  d.SetI16(wo::positionTablePlaces + 4 * i, x);
  d.SetI16(wo::positionTablePlaces + 4 * i + 2, y);
}

TEST(PointRanges, LettersNameTheirRuns) {
  EXPECT_EQ(RangePoints('A').size(), 18u);
  EXPECT_EQ(RangePoints('B'), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17}));
  EXPECT_EQ(RangePoints('G'), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}));
  EXPECT_EQ(RangePoints('O'), (std::vector<int>{17}));
  EXPECT_TRUE(RangePoints('P').empty());
}

TEST(PositionTables, RowsListTheNodeAndAnglesAfterTheOtherPoints) {
  EXPECT_EQ(PositionTableRows('B', false),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 10}));
  EXPECT_EQ(PositionTableRows('E', false), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  // Heliocentric columns only: no Moon, node or angles.
  EXPECT_EQ(PositionTableRows('E', true), (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(PositionTables, ATableOfEmptyColumnsIsNotDrawn) {
  WheelDefinition style = PageStyle();
  SetTable(style, 0, "AJJJ");
  PageFixture single(style);
  EXPECT_FALSE(DrawPositionTable(single.Page(), 0).drawn);
  EXPECT_TRUE(single.surface.Ops().empty());
  // On a multi-wheel 'J' lists each outer chart's own longitudes, headed
  // by its kind, and 'L' is the empty column.
  PageFixture bi(style, 'B');
  bi.charts[1].setChartType(chart_type::kEvent);  // transits
  bi.charts[1].setLon(0, 100.8833);               // the Sun at 10 Cancer 53
  bi.Refill('B');
  SetTable(bi.def, 0, "AAJB");
  const PositionTableBox box = DrawPositionTable(bi.Page(), 0);
  EXPECT_TRUE(box.drawn);
  ASSERT_EQ(box.columnLeft.size(), 3u);
  EXPECT_EQ(bi.surface.TextsEqual("Natal").size(), 2u);
  EXPECT_EQ(bi.surface.TextsEqual("Transits").size(), 1u);
  const std::vector<DrawOp> minutes = bi.surface.TextsEqual("53");
  ASSERT_EQ(minutes.size(), 1u);
  EXPECT_GT(minutes[0].x1, box.columnLeft[1]);
  EXPECT_LT(minutes[0].x1, box.columnLeft[2]);
  // A tri-wheel gives the middle and the outer chart a column each.
  PageFixture tri(style, 'T');
  tri.charts[2].setChartType(chart_type::kSolarReturn);
  tri.Refill('T');
  SetTable(tri.def, 0, "AAJL");
  const PositionTableBox three = DrawPositionTable(tri.Page(), 0);
  EXPECT_EQ(three.columnLeft.size(), 3u);
  EXPECT_EQ(tri.surface.TextsEqual("Natal").size(), 2u);
  EXPECT_EQ(tri.surface.TextsEqual("Solar Return").size(), 1u);
  SetTable(bi.def, 0, "ALLL");
  bi.surface.Clear();
  EXPECT_FALSE(DrawPositionTable(bi.Page(), 0).drawn);
  // An unknown range letter lists nothing.
  SetTable(single.def, 0, "ZABC");
  EXPECT_FALSE(DrawPositionTable(single.Page(), 0).drawn);
}

TEST(PositionTables, ColumnsHeadingsRowsAndFrame) {
  WheelDefinition style = PageStyle();
  SetTable(style, 0, "HACF");
  PageFixture page(style);
  RecordingSurface& s = page.surface;
  const PositionTableBox box = DrawPositionTable(page.Page(), 0);
  ASSERT_TRUE(box.drawn);
  EXPECT_EQ(box.rows.size(), 10u);
  const PageMetrics& m = s.Metrics();
  page.UseTableFontForTest();
  // Headings: the other zodiac over "Long." in a tropical chart is sidereal.
  ASSERT_EQ(s.TextsEqual("Sider").size(), 1u);
  EXPECT_EQ(s.TextsEqual("Sider")[0].y1 + m.lineHeight, s.TextsEqual("Speed")[0].y1);
  // The speed column: Mercury (slot 2) runs backwards and its longitude
  // carries the retrograde mark.
  EXPECT_EQ(s.TextsEqual("\\").size(), 1u);
  EXPECT_FALSE(s.TextsEqual("-0").empty());
  // The frame ends round(1.3 LH) below the last row, at the right end of the
  // last column.
  const auto lines = s.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(box.bottom,
            box.top + m.halfLine + m.lineHeight + 10 * m.lineHeight + RoundEven(1.3 * m.lineHeight));
  EXPECT_LE(box.right, m.pageWidth - 1);
}

TEST(PositionTables, LongitudeColumnIsNarrowerWithoutSeconds) {
  WheelDefinition style = PageStyle();
  SetTable(style, 0, "AAKK");
  SetTable(style, 1, "JAKK");
  PageFixture page(style);
  const PositionTableBox withSeconds = DrawPositionTable(page.Page(), 0);
  const PositionTableBox without = DrawPositionTable(page.Page(), 1);
  page.UseTableFontForTest();
  const int w0 = page.surface.TextWidth("0");
  // By the seconds and their mark as measured in the table's font.
  EXPECT_GT((withSeconds.right - withSeconds.columnLeft[0]) - (without.right - without.columnLeft[0]),
            w0);
}

TEST(FurtherPoints, RowsOfTheInnerChart) {
  WheelDefinition style = PageStyle();
  style.SetLetter(wo::furtherPointsOption, 'Y');
  PageFixture page(style);
  page.charts[0].setUniversalTimeHours(26.75);  // 23:45 local in a zone of 3 hours west
  page.charts[0].setDeltaTSeconds(-40);
  page.Refill('R');
  const std::vector<FurtherPoint> rows = FurtherPoints(page.Page());
  std::vector<std::string> labels;
  for (const auto& r : rows) labels.push_back(r.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"Mean Moon's Node", "Part of Fortune", "Part of Spirit",
                                              "Vertex", "East Point", "Sidereal Time", "G.M.T.",
                                              "GMT-Ephem Time", "Ayanamsha"}));
  EXPECT_NEAR(rows[0].value, 155.96, 1e-9);
  EXPECT_NEAR(rows[2].value, std::fmod(126.34 + 345.0 - 202.0, 360.0), 1e-9);
  EXPECT_NEAR(rows[6].value, 2.75, 1e-9);  // the next day's 2:45
  EXPECT_NEAR(rows[7].value, 40 / 3600.0, 1e-12);

  page.def.SetLetter(wo::trueNode, 'M');
  page.def.SetLetter(wo::furtherPointsOption, 'N');
  page.charts[0].setChartType(1);
  page.Refill('R');
  const std::vector<FurtherPoint> other = FurtherPoints(page.Page());
  EXPECT_EQ(other[0].label, "True Moon's Node");
  EXPECT_EQ(other[4].label, "Equatorial Asc.");
  EXPECT_EQ(other.size(), 8u);  // no delta T for a composite

  // An entry calculated with the Moon's apogee lists both after the node,
  // where no other table stands right below this one.
  MarkLunarApogee(page.charts[0]);
  page.charts[0].setLon(slot::MeanApogee, 12.5);
  page.charts[0].setLon(slot::OsculatingApogee, 371.0);
  page.def.SetLetter(wo::elementsTable, 'Y');
  page.def.SetI16(wo::elementsTablePlace, page.def.furtherPointsPlace().x);
  page.def.SetI16(wo::elementsTablePlace + 2,
                  static_cast<int16_t>(page.def.furtherPointsPlace().y + 500));
  page.Refill('R');
  EXPECT_EQ(FurtherPoints(page.Page()).size(), 8u);
  page.def.SetI16(wo::furtherPointsPlace, 9000);
  page.def.SetI16(wo::furtherPointsPlace + 2, 9000);
  page.Refill('R');
  const std::vector<FurtherPoint> lilith = FurtherPoints(page.Page());
  ASSERT_EQ(lilith.size(), 10u);
  EXPECT_EQ(lilith[1].label, "Mean Lilith");
  EXPECT_DOUBLE_EQ(lilith[1].value, 12.5);
  EXPECT_EQ(lilith[2].label, "True Lilith");
  EXPECT_DOUBLE_EQ(lilith[2].value, 11.0);
}

TEST(ElementsTable, CountsBySignOfTheThreeGroups) {
  PageFixture page(PageStyle());
  RingChart& r = page.rings.Ring(1);
  for (int p = 0; p < kRingPoints; ++p) r.lon[p] = 5;  // Aries: fire, cardinal
  r.lon[1] = 45;                                       // Moon in Taurus
  r.lon[13] = 95;                                      // Ceres in Cancer
  r.lon[11] = 275;                                     // Ascendant in Capricorn
  const ElementCounts c = CountElements(r);
  EXPECT_EQ(c[0][0], 9);  // fire planets
  EXPECT_EQ(c[1][0], 1);  // earth: the Moon
  EXPECT_EQ(c[5][0], 1);  // fixed: the Moon
  EXPECT_EQ(c[3][1], 1);  // water: Ceres
  EXPECT_EQ(c[0][1], 4);
  EXPECT_EQ(c[1][2], 1);  // the Ascendant: earth, cardinal
  EXPECT_EQ(c[4][2], 1);
}

TEST(Parallels, PairsWithinOneDegreeFillTheBoxesInTwoColumnsWhenCrowded) {
  WheelDefinition style = PageStyle();
  style.SetLetter(wo::parallelsTable, 'Y');
  PageFixture page(style);
  ChartEntry& e = page.charts[0];
  for (int s = 0; s < 32; ++s) e.setBody(BodyArray::Decl, s, 40.0 + 3 * s);  // all apart
  e.setBody(BodyArray::Decl, 0, 10.0);
  e.setBody(BodyArray::Decl, 1, -10.5);  // contra-parallel to the Sun
  e.setBody(BodyArray::Decl, 4, 10.9);   // parallel to the Sun, and to the Moon's 10.5
  e.setBody(BodyArray::Decl, 6, 2.0);
  e.setBody(BodyArray::Decl, 7, 2.0);
  const std::vector<Parallel> list = FindParallels(page.Page());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_TRUE(list[0].a == 0 && list[0].b == 1 && list[0].contra);
  EXPECT_TRUE(list[1].a == 0 && list[1].b == 4 && !list[1].contra);
  EXPECT_TRUE(list[2].a == 1 && list[2].b == 4 && list[2].contra);
  EXPECT_TRUE(list[3].a == 6 && list[3].b == 7);

  // Box 1 holds one line: two columns of one; box 2 takes the rest.
  page.def.SetI16(wo::parallelBoxSizes, 1);
  page.def.SetI16(wo::parallelBoxSizes + 4, 5);
  page.def.SetI16(wo::parallelBoxPlaces + 4, 5000);
  const std::vector<ParallelBox> boxes = DrawParallelsTable(page.Page());
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].columns, 2);
  EXPECT_EQ(boxes[0].count, 2);
  EXPECT_EQ(boxes[1].columns, 1);
  EXPECT_EQ(boxes[1].first, 2);
  EXPECT_EQ(boxes[1].count, 2);
  EXPECT_EQ(page.surface.TextsEqual("{").size(), 2u);  // contra-parallel glyphs
  EXPECT_EQ(page.surface.TextsEqual("P").size(), 2u);
}

TEST(LegendTables, PlanetsWithSignAndHouseAndTheElements) {
  WheelDefinition style = PageStyle();
  style.SetLetter(wo::legendShown, 'Y');
  style.SetLetter(wo::legendRange1, 'H');
  style.SetLetter(wo::legendShown + 4, 'Y');
  PageFixture page(style);
  const LegendBox one = DrawLegendTable(page.Page(), 1);
  EXPECT_TRUE(one.drawn);
  EXPECT_EQ(one.rows, 10);
  EXPECT_EQ(page.surface.TextsEqual("Planet").size(), 1u);
  EXPECT_EQ(page.surface.TextsEqual("Mercury").size(), 1u);
  // The Sun at 345 lies in the 8th house of the test cusps.
  EXPECT_EQ(page.surface.TextsEqual("8th").size(), 1u);
  const LegendBox five = DrawLegendTable(page.Page(), 5);
  EXPECT_EQ(five.rows, 7);
  EXPECT_EQ(page.surface.TextsEqual("Mutable").size(), 1u);
  EXPECT_FALSE(DrawLegendTable(page.Page(), 2).drawn);  // not shown
}

}  // namespace
}  // namespace vostrane
