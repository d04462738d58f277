// SPDX-License-Identifier: GPL-3.0-or-later
// The installed standard page "AAA" as a single, bi- and tri-wheel on the
// page bitmap with the real fonts: no two page elements overlap and none
// leaves the page, also for a crowded chart with long names.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "platform/ScriptedMessageService.h"
#include "common/MessageTextFile.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/AspectGrid.h"
#include "wheel/FontNames.h"
#include "wheel/LegendTables.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageHeader.h"
#include "wheel/PointTables.h"
#include "wheel/PositionTables.h"
#include "wheel/WheelStyleFile.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;
using test::MakeChart;
namespace wo = wheel_offset;

struct Named {
  std::string name;
  PageBox box;
  bool round = false;  // the wheel: the ellipse inside the box
};

// Whether a box reaches into the ellipse inscribed in the wheel's box.
bool ReachesWheel(const PageBox& wheel, const PageBox& b) {
  if (!wheel.Overlaps(b)) return false;
  const double cx = (wheel.left + wheel.right) / 2.0, cy = (wheel.top + wheel.bottom) / 2.0;
  const double rx = (wheel.right - wheel.left) / 2.0, ry = (wheel.bottom - wheel.top) / 2.0;
  const double nx = std::clamp(cx, double(b.left), double(b.right));
  const double ny = std::clamp(cy, double(b.top), double(b.bottom));
  return std::pow((nx - cx) / rx, 2) + std::pow((ny - cy) / ry, 2) < 1.0;
}

std::string Describe(const Named& n) {
  std::ostringstream out;
  out << n.name << " [" << n.box.left << "," << n.box.top << " - " << n.box.right << "," << n.box.bottom
      << "]";
  return out.str();
}

class PageLayoutTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override {
    for (const char* f : {"WHEELS.DAT", "ANGLES.DAT", "QIRTEXT.DAT", "PAGEW.DEF"})
      std::filesystem::copy_file(InstallFile(f), std::filesystem::path(folder.Path()) / f);
    ASSERT_TRUE(OpenMessageTextFile());
    names = LoadPageNames();
    fonts = LoadFontNames();
  }
  void TearDown() override { CloseMessageTextFile(); }

  // Every element of the page for the category, drawn on the bitmap.
  std::vector<Named> Elements(char category, const std::array<ChartEntry, 3>& charts) {
    WheelDefinition def;
    WheelStyleFile file;
    EXPECT_TRUE(file.Open() && file.Read("AAA", category, def));
    BitmapSurface s;
    s.SetFontNames(fonts);
    EXPECT_TRUE(s.BeginPrintout('2', 'P'));
    const RingArrays rings = FillRingArrays(def, category, charts[0], &charts[1], &charts[2]);
    const WheelSetup setup = ComputeWheelSetup(def, category, s.Metrics());
    AspectTables aspects;
    LoadAspectSet(aspects, def, "AAA");
    WheelPage page{s, def, rings, {}, names, aspects, setup, "AAA"};
    for (int r = 0; r < rings.Count(); ++r) page.charts[r] = &charts[r];

    std::vector<Named> all;
    int i = 0;
    for (const PageBox& b : DrawPageHeaders(page)) all.push_back({"header " + std::to_string(++i), b});
    for (int t = 0; t < 5; ++t)
      all.push_back({"position table " + std::to_string(t + 1), DrawPositionTable(page, t)});
    for (int n : {1, 2, 3, 5}) all.push_back({"legend " + std::to_string(n), DrawLegendTable(page, n)});
    all.push_back({"further points", DrawFurtherPointsTable(page)});
    all.push_back({"elements", DrawElementsTable(page)});
    for (const ParallelBox& b : DrawParallelsTable(page))
      all.push_back({"parallels box " + std::to_string(b.box + 1), b.area});
    for (int g = 1; g <= 2; ++g) {
      if (!def.Flag(g == 1 ? wo::grid1Shown : wo::grid2Shown)) continue;
      const GridLayout grid = DrawAspectGrid(page, g);
      if (grid.drawn)
        all.push_back({"grid " + std::to_string(g),
                       {true, std::min(grid.l, grid.areaLeft), grid.areaTop, grid.areaRight,
                        std::max(grid.b, grid.areaBottom)}});
    }
    if (def.wheelSize() > 0) {
      // The outermost ring with its labels.
      const int r = (rings.Count() > 1 ? MultiWheelRadius(setup) : RoundEven(1.09 * setup.R)) +
                    s.Metrics().lineHeight;
      const int ry = RoundEven(r * setup.k);
      all.push_back({"wheel", {true, setup.cx - r, setup.cy - ry, setup.cx + r, setup.cy + ry}, true});
    }
    all.push_back({"credit line",
                   {def.I16(wo::creditLine) != -1, s.Metrics().x0, CreditLineTop(s.Metrics()),
                    s.Metrics().x0 + 1, CreditLineTop(s.Metrics()) + s.Metrics().lineHeight}});
    s.EndPage(true);
    return all;
  }

  void ExpectApart(char category, const std::array<ChartEntry, 3>& charts) {
    const std::vector<Named> all = Elements(category, charts);
    BitmapSurface probe;
    const PageMetrics& m = probe.Metrics();
    for (size_t a = 0; a < all.size(); ++a) {
      if (!all[a].box.drawn) continue;
      EXPECT_GE(all[a].box.left, 0) << category << ": " << Describe(all[a]);
      EXPECT_GE(all[a].box.top, 0) << category << ": " << Describe(all[a]);
      EXPECT_LE(all[a].box.right, m.pageWidth + 1) << category << ": " << Describe(all[a]);
      EXPECT_LE(all[a].box.bottom, m.pageHeight + 1) << category << ": " << Describe(all[a]);
      for (size_t b = a + 1; b < all.size(); ++b) {
        const bool overlap = all[a].round   ? ReachesWheel(all[a].box, all[b].box)
                             : all[b].round ? ReachesWheel(all[b].box, all[a].box)
                                            : all[a].box.Overlaps(all[b].box);
        EXPECT_FALSE(overlap) << category << ": " << Describe(all[a]) << " overlaps "
                              << Describe(all[b]);
      }
    }
  }

  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  PageNames names;
  std::array<std::string, 16> fonts;
};

std::array<ChartEntry, 3> Charts() {
  return {MakeChart("Doe, John"), MakeChart("Second"), MakeChart("Third")};
}

// Seven planets within 20 degrees, all declinations near one another (every
// pair parallel), and the longest names the session allows.
std::array<ChartEntry, 3> CrowdedCharts() {
  std::array<ChartEntry, 3> charts = Charts();
  for (ChartEntry& e : charts) {
    e.setName("Bartholomew-Smythe, Maxim");
    e.setPlace("Llanfairpwllgwyngyll, UK");
    for (int s = 0; s < 21; ++s) {
      if (s <= 9) e.setLon(s, 300 + 2.5 * s);
      e.setBody(BodyArray::Decl, s, -20 + 0.1 * s);
    }
  }
  return charts;
}

TEST_F(PageLayoutTest, StandardSingleWheelPageElementsStayApart) {
  ExpectApart('R', Charts());
  ExpectApart('R', CrowdedCharts());
}

TEST_F(PageLayoutTest, StandardBiWheelPageElementsStayApart) {
  ExpectApart('B', Charts());
  ExpectApart('B', CrowdedCharts());
}

TEST_F(PageLayoutTest, StandardTriWheelPageElementsStayApart) {
  ExpectApart('T', Charts());
  ExpectApart('T', CrowdedCharts());
}

TEST_F(PageLayoutTest, WholePageOnTheBitmapInksTheCreditLineAndTheWheel) {
  WheelPageAssembler assembler(names);
  BitmapSurface s;
  s.SetFontNames(fonts);
  const std::array<ChartEntry, 3> charts = Charts();
  WheelPageInput in;
  in.inner = &charts[0];
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  const QImage& img = s.Image();
  const PageMetrics& m = s.Metrics();
  auto inked = [&](int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += img.pixel(x, y) != qRgb(255, 255, 255);
    return n;
  };
  const int credit = CreditLineTop(m);
  EXPECT_GT(inked(m.x0, credit, m.x0 + 100, credit + m.lineHeight), 20);
  EXPECT_GT(inked(0, 0, m.pageWidth, 60), 200);  // the header
  EXPECT_FALSE(msgs->Saw("ERROR"));
}

TEST_F(PageLayoutTest, WholeBiWheelPageOnThePrinterWritesOnePdfPage) {
  WheelPageAssembler assembler(names);
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = true;
  PrinterSurface printer(settings);
  printer.SetPdfOutput("page.pdf");
  printer.SetFontNames(fonts);
  const std::array<ChartEntry, 3> charts = Charts();
  WheelPageInput in;
  in.category = 'B';
  in.inner = &charts[0];
  in.second = &charts[1];
  ASSERT_TRUE(assembler.AssembleWheelPage(printer, in));
  EXPECT_FALSE(printer.DocumentOpen());
  const std::string pdf = folder.Read("page.pdf");
  ASSERT_GT(pdf.size(), 10000u);
  EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
  size_t pages = 0;
  for (size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1))
    ++pages;
  EXPECT_EQ(pages, 1u);
  EXPECT_FALSE(msgs->Saw("ERROR"));
}

// On a sideways sheet the wheel stands at the left: among many tables
// (AAA) larger than on the upright page; with few (AAB, whose upright
// wheel takes the page's width) as large as there and nearly as high as
// the usable area, the tables in the column right of it.
TEST_F(PageLayoutTest, SidewaysSheetHoldsTheWheelLeftAndTheTablesRightOfIt) {
  const std::array<ChartEntry, 3> charts = Charts();
  for (const char* code : {"AAA", "AAB"}) {
    SCOPED_TRACE(code);
    WheelPageAssembler assembler(names);
    WheelPageInput in;
    in.code = code;
    in.inner = &charts[0];
    PrinterSettings settings;
    settings.paper = {PaperKind::Letter, false};
    int uprightRadius = 0;
    {
      PrinterSurface printer(settings);
      printer.SetPdfOutput("upright.pdf");
      ASSERT_TRUE(assembler.AssembleWheelPage(printer, in));
      uprightRadius = assembler.WheelRadius();
    }
    settings.paper.landscape = true;
    PrinterSurface printer(settings);
    printer.SetPdfOutput("wide.pdf");
    printer.SetFontNames(fonts);
    std::vector<PageItem> items;
    printer.SetItemSink(&items);
    ASSERT_TRUE(assembler.AssembleWheelPage(printer, in));
    const bool manyTables = std::string(code) == "AAA";
    EXPECT_GT(assembler.WheelRadius(), uprightRadius * (manyTables ? 11 : 9) / 10);
    if (manyTables) continue;
    const PageMetrics& m = printer.Metrics();
    PageBox wheel{true, m.pageWidth, m.pageHeight, 0, 0};
    for (const PageItem& it : items)
      if (it.tag.item == page_item::kWheel)
        wheel = {true, std::min(wheel.left, it.x0), std::min(wheel.top, it.y0),
                 std::max(wheel.right, it.x1), std::max(wheel.bottom, it.y1)};
    EXPECT_GT(wheel.bottom - wheel.top, m.height * 85 / 100);
    EXPECT_GE(wheel.top, m.y0);
    EXPECT_LE(wheel.bottom, m.y0 + m.height);
    EXPECT_LT(wheel.left - m.x0, m.width / 20);
    int tables = 0;
    for (const PageItem& it : items) {
      if (it.tag.role != ItemRole::Table) continue;
      ++tables;
      EXPECT_GE(it.x0, wheel.right) << PageItemName(it.tag.item) << " '" << it.text << "'";
      EXPECT_LE(it.x1, m.x0 + m.width) << PageItemName(it.tag.item);
    }
    EXPECT_GT(tables, 20);
  }
  EXPECT_FALSE(msgs->Saw("ERROR"));
}

}  // namespace
}  // namespace vostrane
