// SPDX-License-Identifier: GPL-3.0-or-later
// Glyph placement and the value formats, on the recording surface: every
// character of the size-10 text (8 points on the screen) is 5 pixels wide
// and 8 high, with an ascent of 6; the gap gap_x is 2 and the base offset -2.
#include <gtest/gtest.h>

#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

class ValueFormats : public testing::Test {
 protected:
  void SetUp() override { s.SetFont('H', 10, 0, TextStyle::Normal); }
  // The texts drawn, as "text@x,y/font".
  std::vector<std::string> Drawn() const {
    std::vector<std::string> out;
    for (const DrawOp& op : s.Texts())
      out.push_back(op.text + "@" + std::to_string(op.x1) + "," + std::to_string(op.y1) + "/" +
                    op.fontLetter);
    return out;
  }
  RecordingSurface s;
};

using Texts = std::vector<std::string>;

TEST_F(ValueFormats, TwoDigits) {
  EXPECT_EQ(DrawingSurface::TwoDigits(0), "00");
  EXPECT_EQ(DrawingSurface::TwoDigits(9), "09");
  EXPECT_EQ(DrawingSurface::TwoDigits(10), "10");
  EXPECT_EQ(DrawingSurface::TwoDigits(123), "123");
}

TEST_F(ValueFormats, GlyphPlacementModesAndAdvance) {
  int x = 100;
  s.DrawGlyph(GlyphKind::Point, 0, x, GlyphAnchor::Centre,
              50);  // Sun 'a', centred on the reference width
  EXPECT_EQ(x, 105);
  x = 100;
  s.DrawGlyph(GlyphKind::Sign, 11, x, GlyphAnchor::CentreOnAscent,
              50);  // Pisces ']', up by half the ascent
  x = 100;
  s.DrawGlyph(GlyphKind::Aspect, 10, x, GlyphAnchor::HalfLeft, 50);  // parallel 'P'
  x = 100;
  s.DrawGlyph(GlyphKind::Digit, 7, x, GlyphAnchor::TopLeft, 50);
  x = 100;
  s.DrawGlyph(GlyphKind::Literal, 'W', x, GlyphAnchor::InReference, 50);
  EXPECT_EQ(Drawn(), (Texts{"a@98,46/A", "]@98,47/A", "P@98,50/A", "7@100,50/A", "W@100,50/A"}));
  // The font is left as it was.
  EXPECT_EQ(s.FontLetter(), 'H');
  EXPECT_EQ(GlyphChar(GlyphKind::Point, 19), 'Q');
  EXPECT_EQ(GlyphChar(GlyphKind::Point, 29), '/');
  EXPECT_EQ(GlyphChar(GlyphKind::Aspect, 11), '{');
  EXPECT_EQ(GlyphChar(GlyphKind::Sign, 12), ' ');
}

TEST_F(ValueFormats, NumbersRightAlignedInTheirField) {
  EXPECT_EQ(s.DrawNumber(7, 10, 20, true, 3), 25);
  EXPECT_EQ(s.DrawNumber(7, 10, 30, false, 3), 25);
  EXPECT_EQ(s.DrawNumber(123, 10, 40, false, 2), 25);
  EXPECT_EQ(Drawn(), (Texts{"07@15,20/H", "7@20,30/H", "123@10,40/H"}));
}

TEST_F(ValueFormats, NumberWithMarkCentredAndRaised) {
  EXPECT_EQ(s.DrawNumberWithMark(5, 100, 50, true, 'B', NumberMark::Degree, 2, 4), 108);
  EXPECT_EQ(s.DrawNumberWithMark(7, 10, 20, false, 'B', NumberMark::Minute, 0, 0), 25);
  EXPECT_EQ(s.DrawNumberWithMark(7, 10, 30, false, 'B', NumberMark::Unpadded, 0, 0), 15);
  EXPECT_EQ(Drawn(), (Texts{"05@93,46/B", "}@103,44/A", "07@10,20/B", "'@20,20/A", "7@10,30/B"}));
  EXPECT_EQ(s.Texts()[0].colour.Hex(), 0xFF0000u);
  EXPECT_EQ(s.Texts()[1].colour.Hex(), 0xFF0000u);
  EXPECT_EQ(s.FontLetter(), 'H');
  EXPECT_EQ(s.FontColour(), 0);
}

TEST_F(ValueFormats, LongitudeWithSignGlyph) {
  // 123.5 = 3 Leo 30: degrees right-aligned in two digit widths, the sign
  // glyph after a gap, the minutes after the width of '[' and a gap;
  // numbers at the base offset.
  EXPECT_EQ(s.DrawLongitude(100, 50, LongitudeFormat{.font = 'H'}, 123.5), 129);
  EXPECT_EQ(Drawn(), (Texts{"t@112,50/A", "3@105,48/H", "30@119,48/H"}));
  s.Clear();
  // Right-aligned to end at x, narrow spacing (gap 1), with seconds.
  const LongitudeFormat narrowRight{.font = 'H', .wideGaps = false, .rightAlign = true, .seconds = true};
  EXPECT_EQ(s.DrawLongitude(200, 50, narrowRight, 359.0 + 59.0 / 60 + 30.0 / 3600), 200);
  EXPECT_EQ(Drawn(), (Texts{"]@164,50/A", "29@153,48/H", "59@170,48/H", "30@185,48/H", "'@180,50/A",
                            "\"@195,50/A"}));
}

TEST_F(ValueFormats, Declination) {
  EXPECT_EQ(s.DrawDeclination(100, 50, -12.25), 129);
  EXPECT_EQ(s.DrawDeclination(100, 60, 5.0), 129);
  EXPECT_EQ(Drawn(), (Texts{"12@100,50/H", "S@112,50/H", "15@119,50/H", "5@105,60/H", "N@112,60/H",
                            "00@119,60/H"}));
}

TEST_F(ValueFormats, ValueWithMarksSeparatorsAndSigns) {
  EXPECT_EQ(s.DrawValue(100, 10, ValueFormat{.degreeWidth = 3, .font = 'H'}, 5.5), 135);
  s.DrawValue(
      100, 20,
      ValueFormat{
          .degreeWidth = 3, .font = 'H', .marks = ValueMarks::Colons, .sign = NegativeSign::Minus},
      -5.5);
  s.DrawValue(
      100, 30,
      ValueFormat{.degreeWidth = 1, .font = 'H', .marks = ValueMarks::None, .sign = NegativeSign::Minus},
      -15.25);
  s.DrawValue(100, 40, ValueFormat{.seconds = true, .font = 'H', .marks = ValueMarks::Blanks}, 12.2625);
  s.DrawValue(100, 50,
              ValueFormat{.font = 'H', .marks = ValueMarks::Blanks, .sign = NegativeSign::Retrograde},
              -1.5);
  EXPECT_EQ(Drawn(),
            (Texts{"  5@100,10/H", "}@115,10/A", "30@120,10/H", "'@130,10/A", " -5@100,20/H",
                   ":30@115,20/H", "-15@100,30/H", "15@115,30/H", "12@100,40/H", " 15@110,40/H",
                   " 45@125,40/H", " 1@100,50/H", " 30@110,50/H", " @125,50/H", "\\@130,50/A"}));
}

TEST_F(ValueFormats, ValueAlignmentAndDigitWise) {
  // Ends at x.
  EXPECT_EQ(s.DrawValue(100, 10, ValueFormat{.degreeWidth = 3, .alignment = -1, .font = 'H'}, 5.5), 100);
  // Moved left half a digit for each digit short of three.
  const ValueFormat shortDegrees{
      .degreeWidth = 1, .alignment = 3, .font = 'H', .marks = ValueMarks::Blanks};
  EXPECT_EQ(s.DrawValue(100, 20, shortDegrees, 5.5), 95 + 20);
  // Digit by digit at the pitch of "0", blanks skipped.
  s.DrawValue(100, 30,
              ValueFormat{.degreeWidth = 3, .font = 'H', .digitWise = true, .marks = ValueMarks::Colons},
              5.5);
  EXPECT_EQ(Drawn(), (Texts{"  5@65,10/H", "}@80,10/A", "30@85,10/H", "'@95,10/A", "5@95,20/H",
                            " 30@100,20/H", "5@110,30/H", ":@115,30/H", "3@120,30/H", "0@125,30/H"}));
}

}  // namespace
}  // namespace vostrane
