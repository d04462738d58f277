// SPDX-License-Identifier: GPL-3.0-or-later
// How far every planet glyph stands from its degree, and that nothing of a
// glyph column is drawn twice, read from the page recording: seeded random
// charts, a crowded chart (six bodies in the fourth house) and a polar one,
// on single, bi- and tri-wheels at screen and printer metrics.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/AngleTime.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "tests/wheel/RandomCharts.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/AspectSetFile.h"
#include "wheel/PageDefinition.h"
#include "wheel/PageMetrics.h"
#include "wheel/Paper.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {
namespace {

namespace wo = wheel_offset;

// 1990-01-01 00:00 UT at London, Placidus: the Sun, Mercury, Venus,
// Saturn and Neptune in the fourth house, Uranus and Mars just before it.
RingChart CrowdedChart() {
  const std::array<double, 12> cusps = test::Cusps({187.24, 211.96, 242.85, 279.43, 315.01, 344.25});
  RingChart r = test::MakeRing(cusps, {});
  const double lon[20] = {280.30, 326.56, 295.80, 306.28, 249.65, 95.22, 285.60,
                          275.76, 282.02, 227.08, 316.86, 187.24, 99.43, 85.66,
                          1.44,   223.86, 317.21, 103.85, 233.49, 136.86};
  const double speed[20] = {1.02, 13.37, -0.20, -0.11, 0.70, -0.13, 0.12, 0.06,  0.04, 0.03,
                            0.02, 360.7, 360.9, -0.22, 0.22, 0.27,  0.48, -0.07, 13.0, 0.02};
  for (int p = 0; p < 20; ++p) r.lon[p] = lon[p], r.speed[p] = speed[p];
  return r;
}

struct Tally {
  std::vector<double> distances;
  int twice = 0;
  std::string worst;
  double worstDistance = -1;

  void Report(const std::string& what) const {
    std::vector<double> d = distances;
    std::sort(d.begin(), d.end());
    std::cout << what << ": " << d.size() << " glyphs, distance from the degree median "
              << (d.empty() ? 0 : d[d.size() / 2]) << ", max " << (d.empty() ? 0 : d.back()) << " ("
              << worst << "); drawn twice " << twice << "\n";
  }
};

class GlyphDegreeTest : public testing::Test {
 protected:
  void SetUp() override {
    ReadAspectSet('1', "AAA", aspects.set, test::InstallFile("ANGLES.DAT"));
    BuildAspectTables(aspects);
    WheelStyleFile file;
    ASSERT_TRUE(file.Open(test::InstallFile("WHEELS.DAT")));
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(file.Read("AAA", "RBT"[i], styles[i]));
      styles[i].SetLetter(wo::pointerLines, 'Y');
    }
  }

  // Draws the wheel on the screen or the printer (Letter at 600 dpi;
  // `sideways`: a sideways sheet, the wheel as large as its height allows)
  // and adds each planet glyph's distance from its true place to `tally`.
  void Measure(const RingArrays& rings, bool printer, const std::string& name, Tally& tally,
               bool sideways = false) {
    const WheelDefinition& def = styles[rings.category == 'R' ? 0 : rings.category == 'B' ? 1 : 2];
    RecordingSurface s(printer ? OutputDevice::Printer : OutputDevice::Screen);
    if (printer) {
      PageMetrics m;
      PageDefinition page;
      page.topMargin = page.bottomMargin = 25;
      page.leftMargin = page.rightMargin = 30;
      page.lines = 63;
      ComputePrinterPageMetrics(m, {5100, 6600, 215.9, 279.4}, 'P', 0, 0, page);
      ComputeDerivedMetrics(m, page.lines, false);
      if (sideways) m = PaperPrinterMetrics({PaperKind::Letter, true}, 600, page, false);
      s.SetMetrics(m);
    }
    std::vector<PageItem> items;
    s.SetItemSink(&items);
    const PageMetrics& m = s.Metrics();
    const WheelSetup setup = sideways ? SidewaysWheelSetup(def, rings.category, m, m.width / 4,
                                                           2 * m.lineHeight)
                                      : ComputeWheelSetup(def, rings.category, m);
    WheelDrawing wheel(def, rings, setup);
    wheel.Draw(s, &aspects);

    std::set<std::tuple<int, int, int, int, int, int, int, int, int, std::string>> seen;
    for (const PageItem& it : items) {
      if (it.tag.role == ItemRole::Other || it.tag.role == ItemRole::AspectLine) continue;
      if (!seen.insert({static_cast<int>(it.kind), static_cast<int>(it.tag.role), it.tag.point,
                        it.tag.ring, it.x0, it.y0, it.x1, it.y1, it.fromX + it.toY, it.text})
               .second)
        ++tally.twice;
      if (it.tag.role != ItemRole::PlanetGlyph) continue;
      const double angle = test::AngleOf(setup, (it.x0 + it.x1) / 2.0, (it.y0 + it.y1) / 2.0);
      const double truth = TrueWheelAngle(rings.Ring(it.tag.ring).lon[it.tag.point], rings.Ring(1).cusps,
                                          def.Flag(wo::equalSectors));
      const double d = AngularDistance(angle, truth);
      tally.distances.push_back(d);
      if (d > tally.worstDistance) {
        tally.worstDistance = d;
        tally.worst = name + " point " + std::to_string(it.tag.point) + " ring " +
                      std::to_string(it.tag.ring);
      }
    }
  }

  ScopedScriptedMessages msgs;
  AspectTables aspects;
  WheelDefinition styles[3];
};

TEST_F(GlyphDegreeTest, GlyphsStandNearTheirDegreeAndNothingIsDrawnTwice) {
  // Per device and wheel kind: index 3 * printer + kind (single, bi-,
  // tri-wheel).
  Tally random[6], stellium[6], crowded[6], polar[6];
  for (bool printer : {false, true}) {
    const std::string device = printer ? " printer" : " screen";
    auto group = [printer](const RingArrays& rings) {
      return 3 * printer + (rings.category == 'R' ? 0 : rings.category == 'B' ? 1 : 2);
    };
    for (int seed = 1; seed <= 2000; ++seed) {
      std::mt19937 g(seed);
      RingArrays rings;
      rings.category = "RRRBT"[seed % 5];
      // Houses nearly equal or quadrant-like; the polar ones below.
      const std::array<double, 12> cusps = test::RandomCusps(g, seed % 2);
      for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = test::RandomRing(g, cusps, seed % 3 == 0);
      Measure(rings, printer, "seed " + std::to_string(seed) + " " + rings.category + device,
              seed % 3 == 0 ? stellium[group(rings)] : random[group(rings)]);
    }
    for (char category : {'R', 'B', 'T'}) {
      RingArrays rings;
      rings.category = category;
      for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = CrowdedChart();
      Measure(rings, printer, std::string("1990-01-01 London ") + category + device,
              crowded[group(rings)]);
      // Polar houses: some of a degree or two beside very wide ones.
      for (int seed = 1; seed <= 20; ++seed) {
        std::mt19937 g(seed);
        const std::array<double, 12> cusps = test::RandomCusps(g, 2);
        for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = test::RandomRing(g, cusps, false);
        Measure(rings, printer, "polar " + std::to_string(seed) + " " + category + device,
                polar[group(rings)]);
      }
    }
  }
  int twice = 0;
  for (int k = 0; k < 6; ++k) {
    const std::string wheel = std::string(k < 3 ? "screen " : "printer ") + (k % 3 == 0   ? "single"
                                                                             : k % 3 == 1 ? "bi-wheel"
                                                                                          : "tri-wheel");
    random[k].Report(wheel + ", random charts");
    stellium[k].Report(wheel + ", random charts with a stellium");
    crowded[k].Report(wheel + ", 1990-01-01 London");
    polar[k].Report(wheel + ", polar charts");
    twice += random[k].twice + stellium[k].twice + crowded[k].twice + polar[k].twice;
  }
  // Half the glyphs of every kind of chart (both devices) stand within 3
  // degrees of their degree. On the printer no glyph stands more than 10
  // degrees from it; the small screen page's ring bands are too narrow for
  // that in crowded houses (the farthest ones are reported above), except
  // in the single wheels of 1990-01-01 London and of the polar charts.
  for (const Tally* t : {random, stellium, crowded, polar}) {
    for (int k = 0; k < 3; ++k) {
      std::vector<double> d = t[k].distances;
      d.insert(d.end(), t[k + 3].distances.begin(), t[k + 3].distances.end());
      ASSERT_FALSE(d.empty());
      std::sort(d.begin(), d.end());
      EXPECT_LT(d[d.size() / 2], 3.0) << t[k].worst;
      EXPECT_LE(t[k + 3].worstDistance, 10.0) << t[k + 3].worst;
    }
  }
  for (const Tally* t : {&crowded[0], &polar[0]}) EXPECT_LE(t->worstDistance, 10.0) << t->worst;
  EXPECT_EQ(twice, 0);
}

// The wheel of a sideways sheet, as high as the sheet allows: no glyph
// stands more than 10 degrees from its degree, none is drawn twice.
TEST_F(GlyphDegreeTest, GlyphsOfTheSidewaysWheelStandNearTheirDegree) {
  Tally tally;
  for (int seed = 1; seed <= 300; ++seed) {
    std::mt19937 g(seed);
    RingArrays rings;
    rings.category = "RRRBT"[seed % 5];
    const std::array<double, 12> cusps = test::RandomCusps(g, seed % 3 == 2 ? 2 : seed % 2);
    for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = test::RandomRing(g, cusps, seed % 3 == 0);
    Measure(rings, true, "seed " + std::to_string(seed) + " " + rings.category, tally, true);
  }
  for (char category : {'R', 'B', 'T'}) {
    RingArrays rings;
    rings.category = category;
    for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = CrowdedChart();
    Measure(rings, true, std::string("1990-01-01 London ") + category, tally, true);
  }
  tally.Report("sideways printer");
  EXPECT_LE(tally.worstDistance, 10.0) << tally.worst;
  EXPECT_EQ(tally.twice, 0);
}

}  // namespace
}  // namespace vostrane
