// SPDX-License-Identifier: GPL-3.0-or-later
// Page metrics of the printer and the screen, font size mapping, palette.
#include <gtest/gtest.h>

#include "wheel/PageDefinition.h"
#include "wheel/PageMetrics.h"
#include "wheel/Palette.h"

namespace vostrane {
namespace {

PageDefinition Margins(int top, int bottom, int lines, int left, int right) {
  PageDefinition d;
  d.topMargin = top;
  d.bottomMargin = bottom;
  d.lines = lines;
  d.leftMargin = left;
  d.rightMargin = right;
  return d;
}

PrinterPage LetterAt600() { return {5100, 6600, 215.9, 279.4}; }

TEST(PrinterPageMetrics, PortraitLetterWithMarginsAndDerivedMetrics) {
  PageMetrics m;
  ComputePrinterPageMetrics(m, LetterAt600(), 'P', 0, 0, Margins(25, 25, 63, 30, 30));
  EXPECT_EQ(m.device, OutputDevice::Printer);
  EXPECT_EQ(m.pageWidth, 5100);
  EXPECT_EQ(m.pageHeight, 6600);
  EXPECT_DOUBLE_EQ(m.k, 1.0);
  EXPECT_DOUBLE_EQ(m.q, 1.875);
  EXPECT_EQ(m.x0, 191);  // round(5100 * 30 / 800) = round(191.25)
  EXPECT_EQ(m.width, 5100 - 191 - 191);
  EXPECT_EQ(m.y0, 165);
  EXPECT_EQ(m.height, 6600 - 165 - 165);

  ComputeDerivedMetrics(m, 63, false);
  EXPECT_EQ(m.lineHeight, 83);  // trunc(6600 / 78.75)
  EXPECT_EQ(m.charWidth, 151);  // trunc(5100 * 1.875 / 63)
  EXPECT_EQ(m.gapY, 14);        // round(6270 * 0.002301)
  EXPECT_EQ(m.gapX, 14);
  EXPECT_EQ(m.halfLine, 41);
  EXPECT_EQ(m.baseWidth, 2);
  ComputeDerivedMetrics(m, 63, true);
  EXPECT_EQ(m.baseWidth, 4);
  // No usable line count: the default keeps the line height finite.
  ComputeDerivedMetrics(m, kBadPageValue, false);
  EXPECT_EQ(m.lineHeight, 6600 * 4 / (5 * kDefaultPageLines));
}

TEST(PrinterPageMetrics, LandscapeOnPortraitDeviceSwapsAndUsesHeightRatio) {
  PageMetrics m;
  ComputePrinterPageMetrics(m, LetterAt600(), 'L', 0, 0, Margins(0, 0, 63, 0, 0));
  EXPECT_EQ(m.pageWidth, 6600);
  EXPECT_EQ(m.pageHeight, 5100);
  EXPECT_NEAR(m.q, 6600.0 / 5100.0, 1e-12);
  // A device already in landscape is not turned again.
  ComputePrinterPageMetrics(m, {6600, 5100, 279.4, 215.9}, 'L', 0, 0, Margins(0, 0, 63, 0, 0));
  EXPECT_EQ(m.pageWidth, 6600);
  EXPECT_DOUBLE_EQ(m.q, 1.875);
}

TEST(PrinterPageMetrics, VerticalScaleFromPrintableSize) {
  PageMetrics m;
  // Pixels twice as dense vertically: 600 x 1200 dpi on Letter.
  ComputePrinterPageMetrics(m, {5100, 13200, 215.9, 279.4}, 'P', 0, 0, Margins(0, 0, 63, 0, 0));
  EXPECT_DOUBLE_EQ(m.k, 2.0);
}

TEST(PrinterPageMetrics, ShortPageTakesMissingHeightFromBottomMarginFirst) {
  // Printable height 270 mm, top margin 30 and bottom 20 thousandths: the
  // missing 0.37 inch (222 pixels) comes from the bottom margin (128) and
  // then from the top margin (94 of 191).
  PageMetrics m;
  ComputePrinterPageMetrics(m, {4800, 6378, 203.2, 270}, 'P', 0, 0, Margins(30, 20, 63, 0, 0));
  EXPECT_EQ(m.y0, 191 - 94);
  EXPECT_EQ(m.height, 6378 - 191 - 128 + 128 + 94);
  // A bottom margin larger than the missing height absorbs all of it.
  ComputePrinterPageMetrics(m, {4800, 6378, 203.2, 270}, 'P', 0, 0, Margins(30, 50, 63, 0, 0));
  EXPECT_EQ(m.y0, 191);
  EXPECT_EQ(m.height, 6378 - 191 - 319 + 222);
  // A4 is taller than eleven inches: nothing changes.
  ComputePrinterPageMetrics(m, {4961, 7016, 210, 297}, 'P', 0, 0, Margins(30, 20, 63, 0, 0));
  EXPECT_EQ(m.y0, 210);
  EXPECT_EQ(m.height, 7016 - 210 - 140);
}

TEST(PrinterPageMetrics, BadMarginLinesUseTheirAbsoluteValue) {
  PageMetrics m;
  ComputePrinterPageMetrics(m, LetterAt600(), 'P', 0, 0, Margins(kBadPageValue, 25, 63, 30, 30));
  EXPECT_EQ(m.y0, 6600 * 32767 / 1000);
  EXPECT_LT(m.height, 0);  // a ruined page, but no crash and no division by zero
}

TEST(PrinterPageMetrics, PaperSizeScalesTheLayoutPage) {
  PageMetrics m;
  ComputePrinterPageMetrics(m, LetterAt600(), 'P', 11, 17, Margins(0, 0, 63, 40, 0));
  EXPECT_EQ(m.pageWidth, 5100 + 1275);  // + round(5100 * 2.5 / 10)
  EXPECT_EQ(m.pageHeight, 6600 + 3960);
  // The left margin is measured on the device page, the width on the scaled one.
  EXPECT_EQ(m.x0, 255);
  EXPECT_EQ(m.width, 6375 - 255);
}

TEST(ScreenPageMetrics, FixedAndPrinterProportions) {
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 5100, 6600, 1.0);
  EXPECT_EQ(m.device, OutputDevice::Screen);
  EXPECT_EQ(m.pageWidth, 614);
  EXPECT_EQ(m.pageHeight, 830);
  EXPECT_EQ(m.x0, 1);
  EXPECT_EQ(m.y0, 1);
  EXPECT_EQ(m.width, 614);
  EXPECT_EQ(m.height, 830);
  EXPECT_EQ(m.lineHeight, 11);
  EXPECT_EQ(m.charWidth, 10);
  EXPECT_EQ(m.gapY, 2);
  EXPECT_EQ(m.gapX, 2);
  EXPECT_EQ(m.halfLine, 5);
  EXPECT_EQ(m.baseWidth, 1);
  EXPECT_EQ(m.baseOffset, -2);

  ComputeScreenPageMetrics(m, 1.5, true, 5100, 6600, 1.0);
  EXPECT_EQ(m.pageWidth, 921);
  EXPECT_EQ(m.pageHeight, 1196);  // round(797 * 1.5), halves to even
  EXPECT_EQ(m.baseOffset, -2);
  // A landscape printer page gives a height outside 730..930: 830 instead.
  ComputeScreenPageMetrics(m, 1.0, true, 6600, 5100, 1.0);
  EXPECT_EQ(m.pageHeight, 830);
  ComputeScreenPageMetrics(m, 1.0, true, 4961, 7016, 1.0);
  EXPECT_EQ(m.pageHeight, 871);
}

TEST(ScreenPageMetrics, VerticalScaleFollowsThePhysicalScreen) {
  EXPECT_NEAR(ScreenVerticalScale(1024, 768, 400, 300), 1.0, 1e-12);
  EXPECT_NEAR(ScreenVerticalScale(1920, 1080, 531, 299), 1.0, 0.01);
  // Non-square pixels: 1280 x 1024 on a 4:3 panel.
  EXPECT_NEAR(ScreenVerticalScale(1280, 1024, 400, 300), 1024.0 / 1280 * 4 / 3, 1e-12);
  EXPECT_DOUBLE_EQ(ScreenVerticalScale(1920, 1080, 0, 0), 1.0);
}

TEST(FontSizeMapping, PrinterByPageHeightScreenByZoom) {
  PageMetrics m;
  m.device = OutputDevice::Printer;
  m.pageHeight = 1100;
  EXPECT_EQ(MappedFontSize(m, 12), 11);
  m.pageHeight = 900;
  EXPECT_EQ(MappedFontSize(m, 12), 10);
  m.pageHeight = 1201;
  EXPECT_EQ(MappedFontSize(m, 12), 12);
  m.device = OutputDevice::Screen;
  m.zoom = 1.0;
  EXPECT_EQ(MappedFontSize(m, 12), 10);  // round(9.6)
  m.zoom = 1.25;
  EXPECT_EQ(MappedFontSize(m, 10), 10);
}

TEST(Palette, NumbersNamesAndRgbValues) {
  EXPECT_EQ(PaletteColour(0).Hex(), 0x000000u);
  EXPECT_EQ(PaletteColour(1).Hex(), 0x000080u);
  EXPECT_EQ(PaletteColour(4).Hex(), 0xFF0000u);
  EXPECT_EQ(PaletteColour(7).Hex(), 0xC0C0C0u);
  EXPECT_EQ(PaletteColour(11).Hex(), 0x00FFFFu);
  EXPECT_EQ(PaletteColour(15).Hex(), 0xFFFFFFu);
  // Any other number is RGB with red in the low byte.
  EXPECT_EQ(PaletteColour(300).Hex(), 0x2C0100u);
  EXPECT_EQ(PaletteColour(0x00FF8040).Hex(), 0x4080FFu);
  // Monochrome turns every colour black.
  EXPECT_EQ(PaletteColour(7, true), kBlack);
  EXPECT_EQ(PaletteColour(300, true), kBlack);
}

}  // namespace
}  // namespace vostrane
