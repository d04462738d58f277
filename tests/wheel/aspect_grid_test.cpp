// SPDX-License-Identifier: GPL-3.0-or-later
// The aspect grids: point lists and cell counts of the letters, the lines
// of the triangle and the rectangle, the items of a cell (glyphs, short
// names, orb with its mark, distance) and the right-to-left triangle.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/wheel/PageTestSupport.h"
#include "wheel/AspectGrid.h"
#include "wheel/Rounding.h"

namespace vostrane {
namespace {

using test::PageFixture;
using test::PageStyle;
namespace wo = wheel_offset;

void SetGrid(WheelDefinition& d, char glyphs, char orbs, char distances, char letter, char frame = 'N',
             char rightToLeft = 'N', char repeat = 'N') {
  d.SetLetter(wo::grid1Shown, 'Y');
  d.SetLetter(wo::gridGlyphs, glyphs);
  d.SetLetter(wo::gridOrbs, orbs);
  d.SetLetter(wo::gridDistances, distances);
  d.SetLetter(wo::gridPoints, letter);
  d.SetLetter(wo::gridFrame, frame);
  d.SetLetter(wo::gridRightToLeft, rightToLeft);
  d.SetLetter(wo::gridRepeat, repeat);
  d.SetI16(wo::gridLeft, 0);
  d.SetI16(wo::gridTop, 0);
  d.SetI16(wo::gridRight, 10000);
  d.SetI16(wo::gridBottom, 10000);
}

// Points 0..12 of ring 1 at least 25 degrees apart, every speed 1.
void Spread(RingChart& ring) {
  const double lons[13] = {0, 25, 50, 75, 300, 325, 350, 15, 40, 65, 140, 165, 240};
  for (int p = 0; p < kRingPoints; ++p) {
    ring.lon[p] = p < 13 ? lons[p] : 270 + p;
    ring.speed[p] = 1.0;
  }
}

// A set of one aspect.
AspectTables OneAspect(const AspectEntry& e) {
  AspectTables t;
  t.set.SetEntry(1, e);
  t.set.SetShortName(1, "Qui");
  test::FillCandidateRows(t.set);
  BuildAspectTables(t);
  return t;
}

// Texts drawn inside cell (k, j) of the layout.
std::vector<DrawOp> CellTexts(const RecordingSurface& s, const GridLayout& g, int k, int j) {
  std::vector<DrawOp> in;
  const int left = g.l + g.VisualColumn(k) * g.cellWidth, top = g.t + g.VisualRow(j) * g.cellHeight;
  for (const DrawOp& op : s.Texts())
    if (op.x1 >= left - g.cellWidth / 5 && op.x1 < left + g.cellWidth &&
        op.y1 >= top - g.cellHeight / 5 && op.y1 < top + g.cellHeight)
      in.push_back(op);
  return in;
}

TEST(AspectGrid, PointListsOfTheLetters) {
  std::vector<int> f, s;
  GridPointLists('A', false, f, s);
  EXPECT_EQ(f.front(), 0);
  EXPECT_EQ(f.back(), 11);
  EXPECT_EQ(s.front(), 1);
  EXPECT_EQ(s.back(), 12);
  GridPointLists('B', true, f, s);
  EXPECT_EQ(f.size(), 14u);
  EXPECT_EQ(s.size(), 18u);
  GridPointLists('D', false, f, s);
  EXPECT_EQ(f.back(), 16);
  EXPECT_EQ(s.back(), 17);
  GridPointLists('E', false, f, s);
  EXPECT_TRUE(f.empty() && s.empty());
}

TEST(AspectGrid, LetterAHasTwelveRowsOnASingleWheelAndThirteenOnABiWheel) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'N', 'N', 'A');
  PageFixture single(style);
  std::vector<GridCell> cells;
  const GridLayout g = DrawAspectGrid(single.Page(), 1, &cells);
  ASSERT_TRUE(g.drawn);
  EXPECT_EQ(g.down.size(), 12u);
  EXPECT_EQ(g.CellCount(), 78);  // every pair of points 0..12
  EXPECT_EQ(cells.size(), 78u);
  // The triangle: 13 horizontal and 13 vertical lines.
  EXPECT_EQ(single.surface.Lines().size(), 26u);
  // The top line covers the one cell of the first row.
  const auto lines = single.surface.Lines();
  const DrawOp& top = lines.front();
  EXPECT_EQ(top.x1, g.l + g.cellWidth);
  EXPECT_EQ(top.x2, g.l + 2 * g.cellWidth);

  PageFixture bi(style, 'B');
  cells.clear();
  const GridLayout h = DrawAspectGrid(bi.Page(), 1, &cells);
  EXPECT_EQ(h.down.size(), 13u);
  EXPECT_EQ(h.across.size(), 13u);
  EXPECT_EQ(cells.size(), 169u);
  EXPECT_EQ(bi.surface.Lines().size(), 28u);
  for (const DrawOp& line : bi.surface.Lines())
    if (line.y1 == line.y2) {
      EXPECT_EQ(line.x2, h.r);
    }
}

TEST(AspectGrid, LetterCOnASingleWheelHasFourColumnsFourRowsAndTenCells) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'N', 'N', 'C');
  PageFixture page(style);
  std::vector<GridCell> cells;
  const GridLayout g = DrawAspectGrid(page.Page(), 1, &cells);
  EXPECT_EQ(g.across, (std::vector<int>{13, 14, 15, 16}));
  EXPECT_EQ(g.down, (std::vector<int>{14, 15, 16, 17}));
  // A cell for every a of F and b of S with a < b.
  EXPECT_EQ(cells.size(), 10u);
  for (const GridCell& c : cells) EXPECT_LT(c.a, c.b);
}

TEST(AspectGrid, MarginsAndCellsFollowTheItemCount) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'Y', 'N', 'A');
  PageFixture page(style);
  const GridLayout g = ComputeGridLayout(page.Page(), 1);
  const PageMetrics& m = page.surface.Metrics();
  EXPECT_EQ(g.t, g.areaTop + RoundEven(m.height * 0.01));
  EXPECT_EQ(g.l, g.areaLeft - RoundEven(m.width * 0.035));
  EXPECT_EQ(g.cellWidth, (g.areaRight - RoundEven(m.width * 0.013) - g.l) / 13);
  EXPECT_EQ(g.cellHeight, (g.areaBottom + RoundEven(m.height * 0.0098) - g.t) / 13);
  EXPECT_EQ(g.r, g.l + 13 * g.cellWidth);

  // No item: no grid.
  SetGrid(page.def, 'N', 'N', 'N', 'A');
  EXPECT_FALSE(DrawAspectGrid(page.Page(), 1).drawn);
  EXPECT_TRUE(page.surface.Ops().empty());
}

TEST(AspectGrid, AnOrbOfTenDegreesMovesTheOrbRightAndItsMarkOver) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'Y', 'N', 'A');
  PageFixture page(style);
  page.aspects = OneAspect(test::Aspect(0, 10, 10));
  Spread(page.rings.Ring(1));
  page.rings.Ring(1).lon[0] = 100.0;    // Sun
  page.rings.Ring(1).lon[1] = 109.995;  // Moon: 9 deg 59.7 min, shown as 10 deg 00
  page.rings.Ring(1).lon[2] = 200.0;    // Mercury
  page.rings.Ring(1).lon[3] = 205.0;    // Venus: 5 deg
  std::vector<GridCell> cells;
  const GridLayout g = DrawAspectGrid(page.Page(), 1, &cells);
  const int cw = g.cellWidth;
  auto check = [&](int k, int j, const std::string& degrees, int orbX, int markX) {
    const int xc = g.l + cw / 10 + k * cw;
    const auto texts = CellTexts(page.surface, g, k, j);
    auto at = [&](const std::string& t) {
      auto it = std::find_if(texts.begin(), texts.end(), [&](const DrawOp& op) { return op.text == t; });
      return it == texts.end() ? -1 : it->x1;
    };
    EXPECT_EQ(at(degrees), xc + orbX) << degrees;
    const int mark = std::max(at("A"), at("S"));
    EXPECT_EQ(mark, xc + markX) << degrees;
  };
  // Sun-Moon: cell of column 1 (point 0), row 0 (point 1).
  check(1, 0, "10", 0, RoundEven(0.8 * cw) - RoundEven(0.05 * cw));
  // Mercury-Venus: column 3 (point 2), row 2 (point 3).
  check(3, 2, " 5", -RoundEven(0.1 * cw), RoundEven(0.7 * cw));
}

TEST(AspectGrid, AspectsWithoutGlyphShowNeitherGlyphNorOrbButTheDistance) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'Y', 'Y', 'A');
  PageFixture page(style);
  page.aspects = OneAspect(test::Aspect(72, 2, 2));  // a quintile: no glyph
  Spread(page.rings.Ring(1));
  page.rings.Ring(1).lon[0] = 100.0;
  page.rings.Ring(1).lon[1] = 172.5;
  std::vector<GridCell> cells;
  const GridLayout g = DrawAspectGrid(page.Page(), 1, &cells);
  const GridCell& sunMoon = cells.front();
  ASSERT_EQ(sunMoon.a, 0);
  ASSERT_EQ(sunMoon.b, 1);
  EXPECT_EQ(sunMoon.aspects, 0);
  EXPECT_FALSE(sunMoon.orb);
  const auto texts = CellTexts(page.surface, g, 1, 0);
  for (const DrawOp& op : texts) {
    EXPECT_NE(op.text, "A");
    EXPECT_NE(op.text, "S");
    EXPECT_NE(op.text, "Qui");
  }
  // The distance, 72 deg 30 min, in the cell colour.
  auto distance = std::find_if(texts.begin(), texts.end(),
                               [](const DrawOp& op) { return op.text == " 72"; });
  ASSERT_NE(distance, texts.end());
  EXPECT_EQ(distance->colour, PaletteColour(page.def.I32(wo::gridCellColour)));

  // With short names ('B') the same cell lists the quintile by name.
  page.surface.Clear();
  SetGrid(page.def, 'B', 'Y', 'Y', 'A');
  cells.clear();
  DrawAspectGrid(page.Page(), 1, &cells);
  EXPECT_EQ(cells.front().aspects, 1);
  EXPECT_TRUE(cells.front().orb);
  EXPECT_EQ(page.surface.TextsEqual("Qui").size(), 1u);
}

TEST(AspectGrid, RightToLeftTurnsTheTriangleAndPutsTheRowGlyphsRight) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'N', 'N', 'A', 'N', 'Y');
  PageFixture page(style);
  page.aspects = OneAspect(test::Aspect(0, 10, 10));
  Spread(page.rings.Ring(1));
  page.rings.Ring(1).lon[1] = 3.0;  // Moon conjunct the Sun at 0
  std::vector<GridCell> cells;
  const GridLayout g = DrawAspectGrid(page.Page(), 1, &cells);
  ASSERT_TRUE(g.rightToLeft);
  EXPECT_EQ(g.VisualColumn(1), 12);
  EXPECT_EQ(g.VisualRow(0), 11);
  // The conjunction glyph of the Sun-Moon cell is in the bottom-right cell.
  const auto texts = CellTexts(page.surface, g, 1, 0);
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const DrawOp& op) { return op.text == "z"; }));
  // The Moon's row glyph stands right of the cells, on the bottom row.
  bool moonRight = false;
  for (const DrawOp& op : page.surface.TextsEqual("s"))
    moonRight = moonRight || (op.x1 >= g.r && op.y1 > g.t + 10 * g.cellHeight);
  EXPECT_TRUE(moonRight);
  // Still 26 lines, the top one spanning all columns now.
  const auto lines = page.surface.Lines();
  EXPECT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines.front().x1, g.l + g.cellWidth);
  EXPECT_EQ(lines.front().x2, g.r);

  // A bi-wheel ignores right-to-left.
  PageFixture bi(style, 'B');
  EXPECT_FALSE(ComputeGridLayout(bi.Page(), 1).rightToLeft);
}

TEST(AspectGrid, GlyphsOfFStandBelowTheLastRowClearOfItAndTheFrameOnTheArea) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'B', 'Y', 'Y', 'A', 'Y');
  style.SetI16(wo::gridTop, 6000);
  style.SetI16(wo::gridBottom, 9600);
  PageFixture bi(style, 'B');
  const GridLayout g = DrawAspectGrid(bi.Page(), 1);
  const int lastRowBottom = g.t + static_cast<int>(g.down.size()) * g.cellHeight;
  // The area ends just below the last row: the glyphs of F stand in the
  // band under the frame, below its line; the frame is the grid's area.
  ASSERT_LT(g.areaBottom - lastRowBottom, g.b - g.areaBottom);
  const auto suns = bi.surface.TextsEqual("a");  // beside the first row, then below the grid
  ASSERT_EQ(suns.size(), 2u);
  EXPECT_GT(suns[1].y1, g.areaBottom);
  EXPECT_LE(suns[1].y1 + suns[1].fontPoints, g.b);
  int frameBottom = 0, frameLeft = 1 << 30;
  for (const DrawOp& line : bi.surface.Lines()) {
    if (line.y1 == line.y2) frameBottom = std::max(frameBottom, line.y1);
    if (line.x1 == line.x2) frameLeft = std::min(frameLeft, line.x1);
  }
  EXPECT_EQ(frameBottom, g.areaBottom);
  EXPECT_EQ(frameLeft, std::min(g.areaLeft, g.l + g.cellWidth));
}

TEST(AspectGrid, NoGlyphOrTextOfTheGridMeetsAnother) {
  struct Case {
    char category, glyphs, orbs, distances, letter, frame, rightToLeft, repeat;
  };
  const Case cases[] = {{'B', 'B', 'Y', 'Y', 'A', 'Y', 'N', 'N'},
                        {'B', 'G', 'N', 'N', 'D', 'N', 'N', 'Y'},
                        {'R', 'B', 'Y', 'Y', 'A', 'Y', 'N', 'N'},
                        {'R', 'G', 'Y', 'N', 'C', 'N', 'Y', 'N'}};
  for (const Case& c : cases) {
    SCOPED_TRACE((std::string{c.category, c.glyphs, c.orbs, c.distances, c.letter}));
    WheelDefinition style = PageStyle();
    SetGrid(style, c.glyphs, c.orbs, c.distances, c.letter, c.frame, c.rightToLeft, c.repeat);
    style.SetI16(wo::gridTop, 6000);
    style.SetI16(wo::gridBottom, 9600);
    PageFixture page(style, c.category);
    Spread(page.rings.Ring(1));
    Spread(page.rings.Ring(2));
    std::vector<PageItem> items;
    page.surface.SetItemSink(&items);
    ASSERT_TRUE(DrawAspectGrid(page.Page(), 1).drawn);
    std::vector<const PageItem*> boxes;
    for (const PageItem& it : items)
      if (it.kind == PageItem::Kind::Glyph || it.kind == PageItem::Kind::Text) boxes.push_back(&it);
    ASSERT_GT(boxes.size(), 10u);
    for (size_t a = 0; a < boxes.size(); ++a)
      for (size_t b = a + 1; b < boxes.size(); ++b)
        EXPECT_FALSE(boxes[a]->Intersects(*boxes[b]))
            << "'" << boxes[a]->text << "' at " << boxes[a]->x0 << "," << boxes[a]->y0 << " meets '"
            << boxes[b]->text << "' at " << boxes[b]->x0 << "," << boxes[b]->y0;
  }
}

TEST(AspectGrid, FrameAndRepeatedGlyphs) {
  WheelDefinition style = PageStyle();
  SetGrid(style, 'G', 'N', 'N', 'A', 'Y', 'N', 'Y');
  PageFixture page(style);
  const GridLayout g = DrawAspectGrid(page.Page(), 1);
  // 26 grid lines and the four of the frame.
  EXPECT_EQ(page.surface.Lines().size(), 30u);
  // Each point of F is drawn twice: below the grid and again above or on
  // the diagonal.
  EXPECT_EQ(page.surface.TextsEqual("a").size(), 2u);  // Sun: column only
  EXPECT_EQ(page.surface.TextsEqual("d").size(), 3u);  // Mercury: also a row
  const auto sun = page.surface.TextsEqual("a");
  EXPECT_LT(std::min(sun[0].y1, sun[1].y1), g.t);
}

}  // namespace
}  // namespace vostrane
