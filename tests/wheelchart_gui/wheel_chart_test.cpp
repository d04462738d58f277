// SPDX-License-Identifier: GPL-3.0-or-later
// Real charts, calculated by the planet pass, drawn as wheels of the
// installed styles on the page bitmap. Each picture is saved in the build
// folder (wheel-<code>-<category>.png) to be looked at; the tests check what
// can be checked of it: the taken keep their spacing and order, the ink
// stays on the page and inside the wheel's reach.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>

#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "platform/ScriptedMessageService.h"
#include "common/AngleTime.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"
#include "wheel/Aspects.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/PageNames.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelStyleFile.h"
#include "wheel/gui/BitmapSurface.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

using test::BuildFile;
using test::InstallFile;

struct Birth {
  int year, month, day, hours, minutes;
  double latitude, longitude;  // north and west positive
};

// The glyph spacing a style asks for, checked on the taken of every ring
// between neighbours side by side (columns in radial tiers of a crowded
// house stand closer to the columns of the other tiers).
void ExpectSpacedSlots(const WheelDrawing& wheel, const WheelSetup& setup, const RingArrays& rings) {
  for (int r = 1; r <= setup.rings; ++r) {
    std::vector<std::pair<int, int>> taken;  // slot, point
    for (int p = 0; p < kWheelPoints; ++p)
      if (wheel.SlotOf(r, p) != kNoSlot) taken.push_back({wheel.SlotOf(r, p), p});
    std::sort(taken.begin(), taken.end());
    ASSERT_GE(taken.size(), 10u) << "ring " << r;
    const auto& cusps = rings.Ring(1).cusps;
    const ColumnLayout& layout = wheel.Layout();
    for (size_t i = 1; i < taken.size(); ++i) {
      const int p = taken[i].second, q = taken[i - 1].second;
      if (layout.tier[r - 1][p] != layout.tier[r - 1][q]) continue;
      const int h = CheckedHouseOf(rings.Ring(r).lon[p], cusps);
      EXPECT_GT(taken[i].first - taken[i - 1].first, setup.spacing.At(SpacingClass(h), r))
          << "ring " << r << " point " << p;
    }
    // Across the Ascendant the last and the first glyph keep apart as well.
    EXPECT_GE(taken.front().first + 360 - taken.back().first, 3) << "ring " << r;
  }
}

class WheelChartTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override { test::LinkEphemerisFiles(folder_); }

  ChartEntry Calculate(const Birth& b) {
    ChartEntry e;
    e.InitNewEntry('T', 1);
    e.setYear(b.year);
    e.setMonth(b.month);
    e.setDay(b.day);
    e.setHours(b.hours);
    e.setMinutes(b.minutes);
    e.setLatitude(b.latitude);
    e.setLongitude(b.longitude);
    NameFileImage image;
    CalcHouses(e, image, false, test::ShownReport().report());
    PlanetFlags flags;
    CalcPlanets(e, image, flags, theory_, test::ShownReport().report());
    return e;
  }

  // Draws the wheel of a style on a bitmap page and saves it.
  // With `legend` the aspect legend of the style's set goes below the wheel.
  QImage DrawStyle(const std::string& code, char category, const std::vector<ChartEntry>& charts,
                   double zoom, bool legend = false) {
    WheelStyleFile file;
    EXPECT_TRUE(file.Open(InstallFile("WHEELS.DAT")));
    WheelDefinition def;
    EXPECT_TRUE(file.Read(code, category, def));
    file.Close();
    // The page's rule for styles with aspect lines.
    const char lines = def.Letter(wheel_offset::aspectLines);
    if (lines != 'N' && lines != 'P') {
      def.SetLetter(wheel_offset::houseNumbers, 'R');
      def.SetLetter(wheel_offset::houseRingCircle, 'Y');
      def.SetLetter(wheel_offset::aspectCircle, 'Y');
    }
    def_ = def;

    PageMetrics m;
    ComputeScreenPageMetrics(m, zoom, false, 0, 0, 1.0);
    BitmapSurface surface;
    surface.SetPage(m);
    surface.SetFontNames({"Vostrane Glyphs", "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono",
                          "DejaVu Sans Condensed", "DejaVu Serif Condensed", "DejaVu Sans Light",
                          "Liberation Sans", "Liberation Serif", "Liberation Mono", "Noto Sans",
                          "Noto Serif", "Noto Sans Mono", "FreeSans", "FreeSerif", "FreeMono"});
    rings_ = FillRingArrays(def_, category, charts[0], charts.size() > 1 ? &charts[1] : nullptr,
                            charts.size() > 2 ? &charts[2] : nullptr);
    setup_ = ComputeWheelSetup(def_, category, surface.Metrics());
    EXPECT_TRUE(LoadAspectSet(aspects_, def_, code, InstallFile("ANGLES.DAT")));
    wheel_ = std::make_unique<WheelDrawing>(def_, rings_, setup_);
    surface.BeginPrintout('2', 'P');
    wheel_->Draw(surface, &aspects_);
    if (legend) {
      const PageMetrics& pm = surface.Metrics();
      legendBottom_ = DrawAspectLegend(surface, def_, aspects_, pm.PageX(300), pm.PageY(7600),
                                       DefaultPageNames().aspectKinds);
    }
    surface.EndPage(true);
    QImage image = surface.Image().copy();
    const std::string name = "wheel-" + code + "-" + category + ".png";
    image.save(QString::fromStdString(BuildFile(name)));
    return image;
  }

  // Inked pixels farther than `radius` from the wheel centre.
  static int InkBeyond(const QImage& img, const WheelSetup& w, double radius) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) != qRgb(255, 255, 255) && std::hypot(x - w.cx, (y - w.cy) / w.k) > radius)
          ++n;
    return n;
  }

  test::TempFolder folder_;
  AnalyticTheory theory_;
  WheelDefinition def_;
  RingArrays rings_;
  WheelSetup setup_;
  AspectTables aspects_;
  std::unique_ptr<WheelDrawing> wheel_;
  int legendBottom_ = 0;
};

// The Aquarius stellium of February 1962: seven bodies within 17 degrees.
const Birth kStellium{1962, 2, 4, 23, 0, 40.71, 74.01};
const Birth kSummer{1990, 7, 14, 15, 30, 48.86, -2.35};
const Birth kSouth{2000, 1, 1, 1, 0, -33.87, -151.21};

TEST_F(WheelChartTest, StandardSingleWheelOfACrowdedChart) {
  ScopedScriptedMessages msgs;
  const ChartEntry chart = Calculate(kStellium);
  const QImage img = DrawStyle("AAA", 'R', {chart}, 1.5);
  ExpectSpacedSlots(*wheel_, setup_, rings_);
  EXPECT_TRUE(msgs->Shown().empty()) << msgs->Shown().front().text;
  // Everything of the wheel stays within its cusp labels' reach.
  EXPECT_EQ(InkBeyond(img, setup_, 1.2 * setup_.R), 0);
  EXPECT_GT(img.width(), 2 * (setup_.cx - static_cast<int>(1.2 * setup_.R)) - 1);
}

TEST_F(WheelChartTest, LargeWheelAndEqualSectors) {
  ScopedScriptedMessages msgs;
  const ChartEntry chart = Calculate(kSummer);
  for (const char* code : {"AAB", "AAC"}) {
    const QImage img = DrawStyle(code, 'R', {chart}, 1.5, true);
    ExpectSpacedSlots(*wheel_, setup_, rings_);
    // The legend lists the set below the wheel and stays on the page.
    EXPECT_GT(legendBottom_, setup_.cy + 1.2 * setup_.R) << code;
    EXPECT_LT(legendBottom_, img.height()) << code;
  }
  // Equal sectors: every glyph in the sector of its own house as drawn.
  const auto& inner = rings_.Ring(1);
  const ColumnLayout& layout = wheel_->Layout();
  for (int p = 0; p < kWheelPoints; ++p) {
    const double angle = layout.angle[0][p];
    if (angle < 0) continue;
    const int h = CheckedHouseOf(inner.lon[p], inner.cusps);
    const double from = layout.cusps[h], to = layout.cusps[(h + 1) % 12];
    EXPECT_GT(Modulo(360.0, angle - from), 0.0) << p;
    EXPECT_LT(Modulo(360.0, angle - from), Modulo(360.0, to - from)) << p;
  }
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST_F(WheelChartTest, BiAndTriWheels) {
  ScopedScriptedMessages msgs;
  const std::vector<ChartEntry> charts = {Calculate(kSummer), Calculate(kStellium), Calculate(kSouth)};
  QImage img = DrawStyle("AAA", 'B', {charts[0], charts[1]}, 1.5);
  ExpectSpacedSlots(*wheel_, setup_, rings_);
  EXPECT_EQ(InkBeyond(img, setup_, 1.62 * setup_.R), 0);
  img = DrawStyle("AAA", 'T', charts, 1.5);
  ExpectSpacedSlots(*wheel_, setup_, rings_);
  EXPECT_EQ(InkBeyond(img, setup_, 2.05 * setup_.R), 0);
  EXPECT_TRUE(msgs->Shown().empty());
}

}  // namespace
}  // namespace vostrane
