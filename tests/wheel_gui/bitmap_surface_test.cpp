// SPDX-License-Identifier: GPL-3.0-or-later
// The page bitmap: real glyphs of the glyph font, colours, circles and
// hand-dashed lines in pixels.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include "tests/support/TempFolder.h"
#include "wheel/gui/BitmapSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;

class BitmapSurfaceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    fontId = QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  // Pixels in the box that are not white.
  static int Inked(const QImage& img, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (img.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
  }
  static inline int fontId = -1;
};

TEST_F(BitmapSurfaceTest, GlyphFontIsLoadedAndDrawsItsOwnSymbols) {
  ASSERT_GE(fontId, 0);
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(fontId).contains("Vostrane Glyphs"));
  QFont f("Vostrane Glyphs");
  EXPECT_EQ(QFontInfo(f).family(), "Vostrane Glyphs");

  // The Sun glyph ('a' of the glyph font) against the letter 'a'.
  BitmapSurface glyph, letter;
  for (BitmapSurface* s : {&glyph, &letter}) {
    s->BeginPrintout('2', 'P');
    s->SetFont('B', 40, 0, TextStyle::Normal);
  }
  int x = 300;
  glyph.DrawGlyph(GlyphKind::Point, 0, x, GlyphAnchor::OwnCentre, 400);
  letter.TextCentred("a", 300, 300, 400 - letter.TextHeight("a") / 2);
  glyph.EndPage(true);
  letter.EndPage(true);
  const QImage& g = glyph.Image();
  const QImage& l = letter.Image();
  EXPECT_GT(Inked(g, 250, 350, 350, 450), 50);
  EXPECT_EQ(Inked(g, 0, 0, 200, 200), 0);
  EXPECT_NE(g, l);
  EXPECT_GT(x, 300);
}

TEST_F(BitmapSurfaceTest, PageSizeWhiteStartAndZoomedFonts) {
  BitmapSurface s;
  EXPECT_EQ(s.Image().width(), 616);
  EXPECT_EQ(s.Image().height(), 832);
  s.BeginPrintout('2', 'P');
  s.EndPage(true);
  EXPECT_EQ(Inked(s.Image(), 0, 0, 615, 831), 0);

  s.SetFont('B', 10, 0, TextStyle::Normal);
  const int normal = s.TextWidth("00000");
  PageMetrics m;
  ComputeScreenPageMetrics(m, 2.0, false, 0, 0, 1.0);
  s.SetPage(m);
  EXPECT_EQ(s.Image().width(), 1230);
  s.SetFont('B', 10, 0, TextStyle::Normal);
  EXPECT_NEAR(s.TextWidth("00000"), 2 * normal, 3);
}

TEST_F(BitmapSurfaceTest, ColoursMonochromeCirclesAndDashes) {
  BitmapSurface s;
  SurfaceStyle st;
  st.ringColour = 4;
  s.SetStyle(st);
  s.BeginPrintout('2', 'P');
  s.SetPenWidth(1);
  s.Circle(300, 300, 100);
  s.SetPenColour(2);
  s.SetPenStyle(kPenDashed);
  s.Line(50, 100, 50, 200);
  s.EndPage(true);
  const QImage& img = s.Image();
  // The ring in red at its rightmost point, the centre untouched.
  EXPECT_GT(Inked(img, 398, 298, 402, 302), 0);
  EXPECT_GT(qRed(img.pixel(400, 300)), 150);
  EXPECT_EQ(Inked(img, 290, 290, 310, 310), 0);
  // Dashes of 9 pixels and gaps of 5 from y = 100.
  EXPECT_GT(Inked(img, 49, 103, 51, 106), 0);
  EXPECT_EQ(Inked(img, 49, 111, 51, 112), 0);
  EXPECT_GT(qGreen(img.pixel(50, 104)), qRed(img.pixel(50, 104)));

  BitmapSurface mono;
  PageMetrics m = mono.Metrics();
  m.monochrome = true;
  mono.SetPage(m);
  mono.BeginPrintout('2', 'P');
  mono.SetPenWidth(3);
  mono.SetPenColour(4);
  mono.Line(10, 10, 100, 10);
  mono.EndPage(true);
  // Black (a line of three base widths is thinner than a pixel on the
  // 614-pixel page, as on paper: drawn as a grey pixel), never red.
  const QRgb px = mono.Image().pixel(50, 10);
  EXPECT_EQ(qRed(px), qGreen(px));
  EXPECT_EQ(qGreen(px), qBlue(px));
  EXPECT_LT(qRed(px), 160);
}

TEST_F(BitmapSurfaceTest, PicturesStretchedOrAtTheirOwnSize) {
  test::TempFolder dir;
  QImage pic(10, 10, QImage::Format_RGB32);
  pic.fill(Qt::blue);
  ASSERT_TRUE(pic.save(QString::fromStdString(dir.Path() + "/P.BMP"), "BMP"));
  BitmapSurface s;
  s.BeginPrintout('2', 'P');
  EXPECT_TRUE(s.DrawBitmap("P.BMP", 100, 100, 200, 150));
  EXPECT_TRUE(s.DrawBitmap("P.BMP", 300, 300, 300, 300));
  EXPECT_FALSE(s.DrawBitmap("NONE.BMP", 0, 0, 10, 10));
  s.EndPage(true);
  const QImage& img = s.Image();
  EXPECT_EQ(img.pixel(190, 145), qRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(309, 309), qRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(311, 311), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vostrane
