// SPDX-License-Identifier: GPL-3.0-or-later
// The paper of chart pages: the locale's default, the control record's two
// letters, and the page metrics of every paper and orientation.
#include <gtest/gtest.h>

#include <cstring>

#include "common/ControlRecord.h"
#include "wheel/PageDefinition.h"
#include "wheel/Paper.h"
#include "wheel/Rounding.h"

namespace vostrane {
namespace {

TEST(Paper, LocaleDefault) {
  const struct {
    const char* locale;
    PaperKind paper;
  } cases[] = {
      {"en_US.UTF-8", PaperKind::Letter},
      {"fr_CA.UTF-8", PaperKind::Letter},
      {"es_MX", PaperKind::Letter},
      {"fil_PH.UTF-8", PaperKind::Letter},
      {"en_GB.UTF-8", PaperKind::A4},
      {"de_DE@euro", PaperKind::A4},
      {"C", PaperKind::A4},
      {"POSIX", PaperKind::A4},
      {"", PaperKind::A4},
      {"en_", PaperKind::A4},
  };
  for (const auto& c : cases) EXPECT_EQ(PaperOfLocale(c.locale), c.paper) << c.locale;
}

// A record written before the setting keeps following the locale until a
// paper is chosen; a choice is stored in its two letters only.
TEST(Paper, ControlRecordLetters) {
  ControlRecord record;
  const ControlRecord before = record;
  EXPECT_EQ(ReadPaperChoice(record), (PaperChoice{SystemPaper(), false}));
  WritePaperChoice({SystemPaper(), false}, record);
  EXPECT_EQ(std::memcmp(record.Data(), before.Data(), kControlRecordSize), 0);

  for (const PaperChoice chosen :
       {PaperChoice{PaperKind::Letter, true}, PaperChoice{PaperKind::A4, false},
        PaperChoice{PaperKind::A4, true}}) {
    WritePaperChoice(chosen, record);
    EXPECT_EQ(ReadPaperChoice(record), chosen);
  }
  EXPECT_EQ(record.Letter(control_offset::paperKind), 'A');
  EXPECT_EQ(record.Letter(control_offset::paperOrientation), 'L');
  EXPECT_EQ(PaperChoiceFromLetters('L', 'x'), (PaperChoice{PaperKind::Letter, false}));
}

// Each paper lays the printed page out in the sheet's own shape, a sideways
// one with the upright page's text metrics and its upright frame kept; the
// screen's own layout fits the upright page onto a sideways sheet.
TEST(Paper, MetricsOfEveryPaperAndOrientation) {
  PageDefinition def;
  def.topMargin = def.bottomMargin = 25;
  def.leftMargin = def.rightMargin = 30;
  def.lines = 63;
  const std::vector<PaperMetrics> all = AllPaperMetrics(def);
  ASSERT_EQ(all.size(), 4u);
  const struct {
    const char* name;
    int printerWidth, printerHeight, screenHeight;
  } expected[] = {{"Letter portrait", 5100, 6600, 797},
                  {"Letter landscape", 6600, 5100, 797},
                  {"A4 portrait", 4961, 7016, 872},
                  {"A4 landscape", 7016, 4961, 872}};
  for (size_t i = 0; i < all.size(); ++i) {
    const PaperMetrics& p = all[i];
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.name, expected[i].name);
    EXPECT_EQ(p.printer.pageWidth, expected[i].printerWidth);
    EXPECT_EQ(p.printer.pageHeight, expected[i].printerHeight);
    EXPECT_EQ(p.printer.SheetWidth(), p.printer.pageWidth);
    EXPECT_DOUBLE_EQ(p.printer.sheetScale, 1.0);
    EXPECT_EQ(p.screen.pageWidth, 614);
    EXPECT_EQ(p.screen.pageHeight, expected[i].screenHeight);
    EXPECT_EQ(p.screen.SheetWidth() > p.screen.SheetHeight(), p.paper.landscape);
    const PageMetrics& upright = all[i & ~size_t{1}].printer;
    EXPECT_EQ(p.printer.lineHeight, upright.lineHeight);
    EXPECT_EQ(p.printer.charWidth, upright.charWidth);
    EXPECT_EQ(p.printer.baseWidth, upright.baseWidth);
    EXPECT_EQ(p.printer.Sideways(), p.paper.landscape);
    if (!p.paper.landscape) {
      EXPECT_DOUBLE_EQ(p.screen.sheetScale, 1.0);
      continue;
    }
    // The sideways page keeps the margins of the sheet's long and short
    // sides, and the upright frame the layout of the same paper upright.
    EXPECT_EQ(p.printer.x0, RoundEven(p.printer.pageWidth * 30 / 800.0));
    EXPECT_EQ(p.printer.y0, RoundEven(p.printer.pageHeight * 25 / 1000.0));
    const PageMetrics turned = UprightLayout(p.printer);
    EXPECT_EQ(turned.pageWidth, upright.pageWidth);
    EXPECT_EQ(turned.x0, upright.x0);
    EXPECT_EQ(turned.width, upright.width);
    EXPECT_EQ(turned.height, upright.height);
    EXPECT_FALSE(turned.Sideways());
    // The screen's own layout: as high as the sheet, centred across it.
    const PageMetrics& m = p.screen;
    const double w = (m.pageWidth + 2) * m.sheetScale, h = (m.pageHeight + 2) * m.sheetScale;
    EXPECT_NEAR(h, m.SheetHeight(), 1e-6);
    EXPECT_NEAR(m.sheetX * 2 + w, m.SheetWidth(), 1e-6);
  }
}

}  // namespace
}  // namespace vostrane
