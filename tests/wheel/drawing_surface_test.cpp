// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing operations of the surface, seen through the recording surface.
#include <gtest/gtest.h>

#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

using Kind = DrawOp::Kind;

TEST(DashSegments, VerticalLineWalksAlongY) {
  // Page width 614: dashes of 9 pixels, gaps of 9 - 9 div 2 = 5.
  const std::vector<Segment> down = DashSegments(10, 10, 10, 50, 614, 1);
  const std::vector<Segment> expectDown = {
      {{10, 10}, {10, 19}}, {{10, 24}, {10, 33}}, {{10, 38}, {10, 47}}};
  EXPECT_EQ(down, expectDown);
  const std::vector<Segment> up = DashSegments(10, 50, 10, 10, 614, 1);
  const std::vector<Segment> expectUp = {
      {{10, 50}, {10, 41}}, {{10, 36}, {10, 27}}, {{10, 22}, {10, 13}}};
  EXPECT_EQ(up, expectUp);
}

TEST(DashSegments, ShallowLineWalksAlongXFromTheLeftEnd) {
  const std::vector<Segment> expect = {{{0, 0}, {9, 4}}, {{14, 7}, {23, 12}}, {{28, 14}, {37, 18}}};
  EXPECT_EQ(DashSegments(0, 0, 40, 20, 614, 1), expect);
  EXPECT_EQ(DashSegments(40, 20, 0, 0, 614, 1), expect);
  // The last piece is cut at the end point.
  const std::vector<Segment> cut = DashSegments(0, 5, 30, 5, 614, 1);
  ASSERT_EQ(cut.size(), 3u);
  EXPECT_EQ(cut.back(), (Segment{{28, 5}, {30, 5}}));
}

TEST(DashSegments, SteepLineAndWidePen) {
  // Slope -3: walked along y upwards, x from round(m / 3).
  const std::vector<Segment> steep = DashSegments(0, 60, 20, 0, 614, 1);
  ASSERT_GE(steep.size(), 2u);
  EXPECT_EQ(steep[0], (Segment{{0, 60}, {3, 51}}));
  EXPECT_EQ(steep[1], (Segment{{5, 46}, {8, 37}}));
  // A wider pen widens the gaps: 9 - 9 div 4 = 7.
  const std::vector<Segment> wide = DashSegments(0, 0, 40, 0, 614, 3);
  ASSERT_GE(wide.size(), 2u);
  EXPECT_EQ(wide[1].from.x, 16);
  // A point is one piece; a tiny page still makes progress.
  EXPECT_EQ(DashSegments(5, 5, 5, 5, 614, 1).size(), 1u);
  EXPECT_EQ(DashSegments(0, 0, 10, 0, 10, 1).size(), 5u);
}

TEST(DrawingSurfaceLines, DashedPenDrawsSolidPiecesAndStaysDashed) {
  RecordingSurface s;
  s.SetPenColour(4);
  s.SetPenWidth(1);
  s.SetPenStyle(kPenDashed);
  s.Line(10, 10, 10, 50);
  const auto lines = s.Lines();
  ASSERT_EQ(lines.size(), 3u);
  for (const DrawOp& op : lines) {
    EXPECT_EQ(op.penStyle, kPenSolid);
    EXPECT_EQ(op.colour.Hex(), 0xFF0000u);
  }
  EXPECT_EQ(s.PenStyleNow(), kPenDashed);
  EXPECT_EQ(s.PenPos(), (Point{10, 50}));
  // Dotted lines are left to the device; unknown styles are solid.
  s.Clear();
  s.SetPenStyle(kPenDotted);
  s.LineTo(20, 50);
  ASSERT_EQ(s.Lines().size(), 1u);
  EXPECT_EQ(s.Lines()[0].penStyle, kPenDotted);
  s.SetPenStyle(9);
  EXPECT_EQ(s.PenStyleNow(), kPenSolid);
}

TEST(DrawingSurfaceLines, RingPenWidthsFollowTheLineStyle) {
  RecordingSurface s;
  PageMetrics m = s.Metrics();
  m.baseWidth = 2;
  s.SetMetrics(m);
  const std::pair<char, int> cases[] = {{'D', 2}, {'N', 2}, {'T', 4}, {'d', 4}, {'v', 8}, {'X', 8}};
  for (const auto& [style, width] : cases) {
    SurfaceStyle st;
    st.ringLines = RingLinesFromLetter(style);
    s.SetStyle(st);
    s.SetRingPen();
    EXPECT_EQ(s.PenWidth(), width) << style;
  }
}

TEST(DrawingSurfaceShapes, CircleUsesRingColourAndVerticalScale) {
  RecordingSurface s;
  SurfaceStyle st;
  st.ringColour = 4;
  s.SetStyle(st);
  s.SetPenColour(2);
  PageMetrics m = s.Metrics();
  m.k = 0.75;
  s.SetMetrics(m);
  s.Circle(100, 100, 50);
  s.Line(0, 0, 1, 1);
  ASSERT_EQ(s.Ops().size(), 2u);
  const DrawOp& e = s.Ops()[0];
  EXPECT_EQ(e.kind, Kind::Ellipse);
  EXPECT_EQ(e.x1, 50);
  EXPECT_EQ(e.y1, 62);  // 100 - round(37.5), halves to even
  EXPECT_EQ(e.x2, 150);
  EXPECT_EQ(e.y2, 138);
  EXPECT_EQ(e.colour.Hex(), 0xFF0000u);
  // The pen keeps its own colour.
  EXPECT_EQ(s.Ops()[1].colour.Hex(), 0x008000u);
}

TEST(DrawingSurfaceShapes, FrameDoubledOnlyForDoubleStylesWhenAsked) {
  RecordingSurface s;
  SurfaceStyle st;
  st.frameColour = 1;
  st.ringLines = RingLinesFromLetter('D');
  st.doubleInset = 5;
  s.SetStyle(st);
  s.Frame(10, 20, 110, 220, true);
  auto lines = s.Lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].colour.Hex(), 0x000080u);
  EXPECT_EQ(lines[4].x1, 15);
  EXPECT_EQ(lines[4].y1, 25);
  EXPECT_EQ(lines[5].x1, 105);
  EXPECT_EQ(lines[5].y2, 215);
  s.Clear();
  s.Frame(10, 20, 110, 220, false);
  EXPECT_EQ(s.Lines().size(), 4u);
  st.ringLines = RingLinesFromLetter('T');
  s.SetStyle(st);
  s.Clear();
  s.Frame(10, 20, 110, 220, true);
  EXPECT_EQ(s.Lines().size(), 4u);
}

TEST(DrawingSurfaceColours, MonochromeDrawsBlackButClearsWhite) {
  RecordingSurface s;
  PageMetrics m = s.Metrics();
  m.monochrome = true;
  s.SetMetrics(m);
  s.BeginPrintout('2', 'P');
  s.SetPenColour(7);
  s.Line(0, 0, 5, 5);
  s.SetFont('B', 10, 300, TextStyle::Normal);
  s.TextAt(1, 1, "x");
  s.FillPolygon({{0, 0}, {5, 0}, {5, 5}}, 14);
  const auto polygons = s.OpsOf(Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].colour, kWhite);  // the page is cleared white
  EXPECT_EQ(polygons[1].colour, kBlack);
  EXPECT_EQ(s.Lines()[0].colour, kBlack);
  EXPECT_EQ(s.Texts()[0].colour, kBlack);
}

TEST(DrawingSurfaceText, AlignmentAndLines) {
  RecordingSurface s;
  s.SetFont('B', 10, 0, TextStyle::Normal);  // 8 points on the screen: 5 pixels a character
  EXPECT_EQ(s.TextWidth("abcd"), 20);
  EXPECT_EQ(s.TextHeight("abcd"), 8);
  EXPECT_EQ(s.FontAscent(), 6);
  s.TextCentred("abcd", 100, 200, 50);
  s.TextCentred("abcd", 0, 10, 5);
  s.TextRight("abc", 100, 7);
  s.TextRight("abcdef", 10, 7);
  s.TextAligned("ab", 10, 100, Alignment::Left, 9);
  s.TextAligned("ab", 10, 100, Alignment::Right, 9);
  s.TextAligned("ab", 10, 100, Alignment::Centre, 9);
  const auto t = s.Texts();
  ASSERT_EQ(t.size(), 7u);
  EXPECT_EQ(t[0].x1, 140);
  EXPECT_EQ(t[1].x1, 1);  // never left of the page
  EXPECT_EQ(t[2].x1, 85);
  EXPECT_EQ(t[3].x1, 1);
  EXPECT_EQ(t[4].x1, 10);
  EXPECT_EQ(t[5].x1, 90);
  EXPECT_EQ(t[6].x1, 50);
  EXPECT_EQ(t[6].fontFamily, "DejaVu Sans");
  EXPECT_EQ(t[6].fontPoints, 8);
  EXPECT_EQ(s.PenPos(), (Point{60, 9}));

  s.SetTextRow(100);
  s.NextLine();
  EXPECT_EQ(s.TextRow(), 111);
  EXPECT_EQ(s.PenPos(), (Point{1, 111}));
}

TEST(DrawingSurfaceText, PrinterBaselineTextAndFontSizes) {
  RecordingSurface s(OutputDevice::Printer);
  PageMetrics m = s.Metrics();
  m.pageHeight = 1100;
  s.SetMetrics(m);
  s.SetFont('C', 12, 0, TextStyle::Bold);
  s.TextAt(10, 20, "ab", true);
  s.SetFont('C', 12, 0, TextStyle::Keep);  // keeps bold
  s.TextAt(10, 20, "ab");
  const auto t = s.Texts();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].fontPoints, 11);
  EXPECT_EQ(t[0].fontStyle, TextStyle::Bold);
  EXPECT_EQ(t[0].y1, 20 + 10);  // round(0.9 x 11)
  EXPECT_EQ(t[1].y1, 20);
  EXPECT_EQ(t[1].fontStyle, TextStyle::Bold);
  EXPECT_EQ(s.PenPos(), (Point{10 + 14, 20}));  // two characters of round(6.6)
}

TEST(DrawingSurfaceText, FontNamesByLetter) {
  RecordingSurface s;
  std::array<std::string, 16> names;
  for (int i = 0; i < 16; ++i) names[i] = "Font" + std::string(1, char('A' + i));
  s.SetFontNames(names);
  s.SetFont('P', 10, 0, TextStyle::Normal);
  s.TextAt(1, 1, "x");
  s.SetFont('z', 10, 0, TextStyle::Normal);  // not a font letter: the text font 'B'
  s.TextAt(1, 1, "x");
  EXPECT_EQ(s.Texts()[0].fontFamily, "FontP");
  EXPECT_EQ(s.Texts()[1].fontFamily, "FontB");
  EXPECT_EQ(s.FontName('A'), "FontA");
}

TEST(DrawingSurfacePages, ScreenPageClearsAndEndClearsTheContinueFlag) {
  RecordingSurface s;
  SurfaceHost host;
  s.SetHost(&host);
  EXPECT_TRUE(s.BeginPrintout('2', 'P'));
  ASSERT_EQ(s.OpsOf(Kind::Polygon).size(), 1u);
  const auto p = s.OpsOf(Kind::Polygon)[0].points;  // OpsOf returns a copy
  EXPECT_EQ(p[2], (Point{616, 832}));
  EXPECT_EQ(s.TextRow(), 1);
  EXPECT_TRUE(host.ContinueFlag());
  s.EndPage(true);
  EXPECT_FALSE(host.ContinueFlag());
}

TEST(DrawingSurfacePictures, BitmapsStretchedOnlyIntoAProperBox) {
  RecordingSurface s;
  EXPECT_TRUE(s.DrawBitmap("A.BMP", 10, 10, 50, 40));
  EXPECT_TRUE(s.DrawBitmap("A.BMP", 10, 10, 10, 40));
  EXPECT_TRUE(s.DrawBitmap("A.BMP", 10, 40, 50, 40));
  s.SetMissingBitmap("B.BMP");
  EXPECT_FALSE(s.DrawBitmap("B.BMP", 10, 10, 50, 40));
  const auto b = s.OpsOf(Kind::Bitmap);
  ASSERT_EQ(b.size(), 3u);
  EXPECT_TRUE(b[0].stretched);
  EXPECT_FALSE(b[1].stretched);
  EXPECT_FALSE(b[2].stretched);
}

}  // namespace
}  // namespace vostrane
