// SPDX-License-Identifier: GPL-3.0-or-later
// The whole wheel page, item against item: no text, glyph, line or grid cell
// of one page item (headers, position tables, legends, further points,
// elements, parallels, aspect grids, the wheel, the credit line) meets any
// primitive of another, for 2,000 seeded random charts and crowded and
// polar ones, on every installed style of single, bi- and tri-wheel pages,
// with the real fonts on the page bitmap and on printer pages, upright and
// sideways; the dial page; and the tables of the aspects page, of one chart
// and of two compared.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "common/AngleTime.h"
#include "common/MessageTextFile.h"
#include "platform/ScriptedMessageService.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/DialPage.h"
#include "wheel/AspectsPage.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;

// A primitive as a shape: a box, or a segment (lines, and the pieces of an
// ellipse outline) widened by half its pen.
struct Shape {
  bool segment = false;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // box corners or segment ends
  double half = 0;                        // half the pen width of a segment
  int item = 0;
  std::string what;
  double Left() const { return std::min(x0, x1) - half; }
  double Right() const { return std::max(x0, x1) + half; }
  double Top() const { return std::min(y0, y1) - half; }
  double Bottom() const { return std::max(y0, y1) + half; }
};

// Whether segment a-b meets the open box (Liang-Barsky clipping).
bool SegmentMeetsBox(const Shape& s, double l, double t, double r, double b) {
  double u0 = 0, u1 = 1;
  const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x0 - l, r - s.x0, s.y0 - t, b - s.y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;
      continue;
    }
    const double u = q[i] / p[i];
    if (p[i] < 0) u0 = std::max(u0, u);
    else u1 = std::min(u1, u);
    if (u0 >= u1) return false;
  }
  return true;
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

bool SegmentsCross(const Shape& a, const Shape& b) {
  const double d1 = Cross(a.x1 - a.x0, a.y1 - a.y0, b.x0 - a.x0, b.y0 - a.y0);
  const double d2 = Cross(a.x1 - a.x0, a.y1 - a.y0, b.x1 - a.x0, b.y1 - a.y0);
  const double d3 = Cross(b.x1 - b.x0, b.y1 - b.y0, a.x0 - b.x0, a.y0 - b.y0);
  const double d4 = Cross(b.x1 - b.x0, b.y1 - b.y0, a.x1 - b.x0, a.y1 - b.y0);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool Meet(const Shape& a, const Shape& b) {
  if (!(a.Left() < b.Right() && b.Left() < a.Right() && a.Top() < b.Bottom() && b.Top() < a.Bottom()))
    return false;
  if (!a.segment && !b.segment) return true;
  if (a.segment && b.segment) return SegmentsCross(a, b);
  const Shape& seg = a.segment ? a : b;
  const Shape& box = a.segment ? b : a;
  return SegmentMeetsBox(seg, box.x0 - seg.half, box.y0 - seg.half, box.x1 + seg.half,
                         box.y1 + seg.half);
}

std::vector<Shape> Shapes(const std::vector<PageItem>& items) {
  std::vector<Shape> shapes;
  for (const PageItem& it : items) {
    Shape s;
    s.item = it.tag.item;
    s.what = std::string(KindName(it.kind)) + " '" + it.text + "'";
    if (it.kind == PageItem::Kind::Line) {
      s.segment = true;
      s.x0 = it.fromX, s.y0 = it.fromY, s.x1 = it.toX, s.y1 = it.toY;
      s.half = it.penWidth / 2.0;
      shapes.push_back(s);
    } else if (it.kind == PageItem::Kind::Ellipse) {
      // The outline as 72 chords.
      const double cx = (it.x0 + it.x1) / 2.0, cy = (it.y0 + it.y1) / 2.0;
      const double rx = (it.x1 - it.x0 - it.penWidth) / 2.0, ry = (it.y1 - it.y0 - it.penWidth) / 2.0;
      s.segment = true;
      s.half = it.penWidth / 2.0;
      for (int i = 0; i < 72; ++i) {
        const double a = i * M_PI / 36, b = (i + 1) * M_PI / 36;
        s.x0 = cx + rx * std::cos(a), s.y0 = cy + ry * std::sin(a);
        s.x1 = cx + rx * std::cos(b), s.y1 = cy + ry * std::sin(b);
        shapes.push_back(s);
      }
    } else {
      s.x0 = it.x0, s.y0 = it.y0, s.x1 = it.x1, s.y1 = it.y1;
      if (s.x1 > s.x0 && s.y1 > s.y0) shapes.push_back(s);
    }
  }
  return shapes;
}

struct Overlaps {
  int count = 0;
  int pages = 0;
  std::map<std::string, int> byPair;  // "item/item"
  std::string first;
};

// Counts the pairs of primitives of different items that meet.
void CountOverlaps(const std::vector<PageItem>& items, const std::string& page, Overlaps& out) {
  ++out.pages;
  const std::vector<Shape> shapes = Shapes(items);
  std::map<int, std::vector<const Shape*>> byItem;
  for (const Shape& s : shapes) byItem[s.item].push_back(&s);
  struct Bounds {
    double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
  };
  std::map<int, Bounds> bounds;
  for (const Shape& s : shapes) {
    Bounds& b = bounds[s.item];
    b.l = std::min(b.l, s.Left()), b.t = std::min(b.t, s.Top());
    b.r = std::max(b.r, s.Right()), b.b = std::max(b.b, s.Bottom());
  }
  for (auto a = byItem.begin(); a != byItem.end(); ++a)
    for (auto b = std::next(a); b != byItem.end(); ++b) {
      const Bounds &ba = bounds[a->first], &bb = bounds[b->first];
      if (!(ba.l < bb.r && bb.l < ba.r && ba.t < bb.b && bb.t < ba.b)) continue;
      auto inside = [](const Shape* s, const Bounds& o) {
        return s->Left() < o.r && o.l < s->Right() && s->Top() < o.b && o.t < s->Bottom();
      };
      for (const Shape* sa : a->second) {
        if (!inside(sa, bb)) continue;
        for (const Shape* sb : b->second) {
          if (!inside(sb, ba) || !Meet(*sa, *sb)) continue;
          ++out.count;
          ++out.byPair[PageItemName(a->first) + " / " + PageItemName(b->first)];
          if (out.first.empty())
            out.first = page + ": " + PageItemName(a->first) + " " + sa->what + " meets " +
                        PageItemName(b->first) + " " + sb->what;
        }
      }
    }
}

// Cusps 1..6 from random house widths: nearly equal, quadrant-like, or
// polar (houses of a degree or two beside very wide ones).
void RandomHouses(std::mt19937& g, ChartEntry& e, int kind) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  std::array<double, 6> w{};
  double sum = 0;
  for (double& x : w) {
    x = kind == 0 ? 25 + 10 * u(g) : kind == 1 ? 12 + 45 * u(g) : std::exp(-3.0 + 4.5 * u(g));
    sum += x;
  }
  double at = 360.0 * u(g);
  for (int h = 1; h <= 6; ++h) {
    e.setCusp(h, Modulo(360.0, at));
    at += w[h - 1] * 180.0 / sum;
  }
  e.setAsc(e.cusp(1));
  e.setMc(Modulo(360.0, e.cusp(4) + 180.0));
}

// A chart with random places, speeds and declinations (the Moon's speed
// and declinations as wide as they come); `crowded` puts seven bodies
// within a few degrees.
ChartEntry RandomChart(int seed, bool crowded) {
  std::mt19937 g(seed);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  ChartEntry e = test::MakeChart(seed % 2 ? "Bartholomew-Smythe, Maxim" : "Doe, John");
  if (seed % 2) e.setPlace("Llanfairpwllgwyngyll, UK");
  RandomHouses(g, e, seed % 4 == 3 ? 2 : seed % 4);
  const double at = 360.0 * u(g);
  for (int s = 0; s < 21; ++s) {
    if (s == 11 || s == 12) continue;
    e.setLon(s, crowded && s < 10 && s != 1 ? Modulo(360.0, at + 2.0 * u(g) * s) : 360.0 * u(g));
    e.setBody(BodyArray::Speed, s, s == 1 ? 11.8 + 3.4 * u(g) : -1.5 + 3.5 * u(g));
    e.setBody(BodyArray::Decl, s, -28.0 + 56.0 * u(g));
    e.setBody(BodyArray::Lat, s, -8.0 + 16.0 * u(g));
  }
  e.setLon(11, e.asc());
  e.setLon(12, e.mc());
  e.setMoonNodeDeg(e.lon(10) + 1.3);
  e.setVertex(Modulo(360.0, e.asc() + 180.0 + 40.0 * u(g)));
  e.setEastPoint(Modulo(360.0, e.mc() + 90.0 + 5.0 * u(g)));
  return e;
}

// A page kind: a printout code and a ring category.
struct PageKind {
  const char* code;
  char category;
};
// Every style the installation defines: "AAA" as a single, bi- and
// tri-wheel, "AAB" and "AAC".
const PageKind kKinds[] = {{"AAA", 'R'}, {"AAA", 'B'}, {"AAA", 'T'}, {"AAB", 'R'}, {"AAC", 'R'}};

class WholePageLayoutTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override {
    for (const char* f : {"WHEELS.DAT", "ANGLES.DAT", "QIRTEXT.DAT", "PAGEW.DEF", "PICTURES.DAT"})
      if (std::filesystem::exists(InstallFile(f)))
        std::filesystem::copy_file(InstallFile(f), std::filesystem::path(folder.Path()) / f);
    ASSERT_TRUE(OpenMessageTextFile());
    fonts = LoadFontNames();
  }
  void TearDown() override { CloseMessageTextFile(); }

  // Draws the page of the charts on the surface and counts its overlaps.
  // The page's primitives go to `drawn` when given.
  void Draw(DrawingSurface& s, WheelPageAssembler& assembler, const PageKind& kind,
            const std::array<ChartEntry, 3>& charts, const std::string& name, Overlaps& out,
            std::vector<PageItem>* drawn = nullptr) {
    std::vector<PageItem> own;
    std::vector<PageItem>& items = drawn ? *drawn : own;
    s.SetItemSink(&items);
    WheelPageInput in;
    in.code = kind.code;
    in.category = kind.category;
    in.inner = &charts[0];
    in.second = &charts[1];
    in.third = &charts[2];
    ASSERT_TRUE(assembler.AssembleWheelPage(s, in)) << name;
    s.SetItemSink(nullptr);
    CountOverlaps(items, name + " " + kind.code + " " + kind.category, out);
  }

  static void Report(const char* device, const Overlaps& o) {
    std::cout << "whole page, " << device << ": " << o.pages << " pages, " << o.count
              << " overlapping primitives\n";
    for (const auto& [pair, n] : o.byPair) std::cout << "  " << pair << ": " << n << "\n";
  }

  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  std::array<std::string, 16> fonts;
};

// The charts of page n: random ones, every tenth crowded, every fourth
// with polar houses.
std::array<ChartEntry, 3> ChartsOf(int n) {
  const bool crowded = n % 10 == 0;
  return {RandomChart(n, crowded), RandomChart(n + 100000, crowded), RandomChart(n + 200000, false)};
}

TEST_F(WholePageLayoutTest, NoItemMeetsAnotherOnTheScreen) {
  WheelPageAssembler assembler(LoadPageNames());
  BitmapSurface s;
  s.SetFontNames(fonts);
  Overlaps o;
  for (int n = 1; n <= 2000; ++n)
    Draw(s, assembler, kKinds[n % std::size(kKinds)], ChartsOf(n), "chart " + std::to_string(n), o);
  Report("screen", o);
  EXPECT_EQ(o.count, 0) << o.first;
}

TEST_F(WholePageLayoutTest, NoItemMeetsAnotherOnThePrinter) {
  WheelPageAssembler assembler(LoadPageNames());
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = false;
  PrinterSurface s(settings);
  s.SetPdfOutput((std::filesystem::path(folder.Path()) / "pages.pdf").string());
  s.SetFontNames(fonts);
  Overlaps o;
  // Every kind of page with the crowded and polar charts and a sample of
  // the random ones.
  for (int n = 1; n <= 100; ++n)
    Draw(s, assembler, kKinds[n % std::size(kKinds)], ChartsOf(n * 13),
         "chart " + std::to_string(n * 13), o);
  EXPECT_TRUE(s.EndDocument());
  Report("printer", o);
  EXPECT_EQ(o.count, 0) << o.first;
}

// On a sideways sheet (Letter and A4) the page takes the sheet's shape:
// every style's items meet none of one another and stay on the sheet.
TEST_F(WholePageLayoutTest, NoItemMeetsAnotherOnASidewaysSheet) {
  Overlaps o;
  int offSheet = 0;
  std::string firstOff;
  for (const PaperKind kind : {PaperKind::Letter, PaperKind::A4}) {
    WheelPageAssembler assembler(LoadPageNames());
    PrinterSettings settings;
    settings.oneDocumentPerPrintout = false;
    settings.paper = {kind, true};
    PrinterSurface s(settings);
    s.SetPdfOutput((std::filesystem::path(folder.Path()) / "sideways.pdf").string());
    s.SetFontNames(fonts);
    for (int n = 1; n <= 40; ++n) {
      std::vector<PageItem> items;
      Draw(s, assembler, kKinds[n % std::size(kKinds)], ChartsOf(n * 29),
           std::string(PaperName(kind)) + " chart " + std::to_string(n * 29), o, &items);
      const PageMetrics& m = s.Metrics();
      ASSERT_GT(m.pageWidth, m.pageHeight);
      for (const PageItem& it : items)
        if ((it.x0 < 0 || it.y0 < 0 || it.x1 > m.pageWidth || it.y1 > m.pageHeight) && offSheet++ == 0)
          firstOff = std::to_string(n * 29) + " " + PageItemName(it.tag.item) + " '" + it.text + "'";
    }
    EXPECT_TRUE(s.EndDocument());
  }
  Report("sideways printer", o);
  EXPECT_EQ(o.count, 0) << o.first;
  EXPECT_EQ(offSheet, 0) << firstOff;
}

// The dial page on each of its dials, the pointer on a point: the dial, the
// midpoint tree and the midpoint list are all drawn, on the page, and meet
// nothing of one another.
TEST_F(WholePageLayoutTest, DialPageItemsMeetNothingOnTheScreenAndThePrinter) {
  const PageNames names = LoadPageNames();
  BitmapSurface screen;
  screen.SetFontNames(fonts);
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = false;
  PrinterSurface printer(settings);
  printer.SetPdfOutput((std::filesystem::path(folder.Path()) / "dials.pdf").string());
  printer.SetFontNames(fonts);
  settings.paper = {PaperKind::A4, true};
  PrinterSurface sideways(settings);
  sideways.SetPdfOutput((std::filesystem::path(folder.Path()) / "sideways-dials.pdf").string());
  sideways.SetFontNames(fonts);
  Overlaps onScreen, onPrinter;
  for (int n = 1; n <= 6; ++n) {
    ChartEntry chart = RandomChart(n * 7, n % 3 == 0);
    for (int h = 0; h < 8; ++h) chart.setLon(23 + h, Modulo(360.0, 41.0 * h + 7.0 * n));
    const int modulus = n % 3 == 0 ? 45 : n % 3 == 1 ? 90 : 360;
    DialPageInput in = DialPageOf(chart, "AAA", modulus, 0);
    ASSERT_GT(in.points.size(), 8u);
    in.pointer = DialPlace(in.points[n].lon, modulus);
    for (DrawingSurface* s :
         {static_cast<DrawingSurface*>(&screen), static_cast<DrawingSurface*>(&printer),
          static_cast<DrawingSurface*>(&sideways)}) {
      std::vector<PageItem> items;
      s->SetItemSink(&items);
      ASSERT_TRUE(AssembleDialPage(*s, in, names));
      s->SetItemSink(nullptr);
      std::set<int> drawn;
      for (const PageItem& it : items) {
        drawn.insert(it.tag.item);
        EXPECT_TRUE(it.x0 >= 0 && it.y0 >= 0 && it.x1 <= s->Metrics().pageWidth &&
                    it.y1 <= s->Metrics().pageHeight)
            << PageItemName(it.tag.item) << " '" << it.text << "' leaves the page";
      }
      EXPECT_EQ(drawn, (std::set<int>{page_item::kHeaders, page_item::kDial, page_item::kMidpointTree,
                                      page_item::kMidpointList}));
      CountOverlaps(items, "dial " + std::to_string(modulus) + " chart " + std::to_string(n),
                    s == &screen ? onScreen : onPrinter);
    }
  }
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_TRUE(sideways.EndDocument());
  Report("dial page, screen", onScreen);
  Report("dial page, printer", onPrinter);
  EXPECT_EQ(onScreen.count, 0) << onScreen.first;
  EXPECT_EQ(onPrinter.count, 0) << onPrinter.first;
}

TEST_F(WholePageLayoutTest, AspectsPageTablesMeetNoneAndStayOnThePage) {
  const PageNames names = LoadPageNames();
  BitmapSurface screen;
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = false;
  PrinterSurface printer(settings);
  printer.SetPdfOutput((std::filesystem::path(folder.Path()) / "aspects.pdf").string());
  settings.paper = {PaperKind::Letter, true};
  PrinterSurface sideways(settings);
  sideways.SetPdfOutput((std::filesystem::path(folder.Path()) / "sideways-aspects.pdf").string());
  for (DrawingSurface* s :
       {static_cast<DrawingSurface*>(&screen), static_cast<DrawingSurface*>(&printer),
        static_cast<DrawingSurface*>(&sideways)}) {
    s->SetFontNames(fonts);
    Overlaps o;
    // A crowded chart, polar houses and two random ones, alone and compared.
    for (int n : {10, 3, 5, 7})
      for (bool compared : {false, true}) {
        const std::array<ChartEntry, 3> charts = ChartsOf(n);
        const std::string name = "chart " + std::to_string(n) + (compared ? " compared" : "");
        AspectsPageInput in;
        in.inner = &charts[0];
        in.outer = compared ? &charts[1] : nullptr;
        std::vector<PageItem> items;
        s->SetItemSink(&items);
        ASSERT_TRUE(AssembleAspectsPage(*s, in, names)) << name;
        s->SetItemSink(nullptr);
        CountOverlaps(items, name, o);
        const PageMetrics& m = s->Metrics();
        std::set<int> drawn;
        for (const PageItem& it : items) {
          drawn.insert(it.tag.item);
          EXPECT_TRUE(it.x0 >= m.x0 && it.x1 <= m.x0 + m.width && it.y0 >= m.y0 &&
                      it.y1 <= m.y0 + m.height)
              << name << ": " << PageItemName(it.tag.item) << " '" << it.text << "' off the page";
        }
        EXPECT_EQ(drawn,
                  (std::set<int>{page_item::kHeaders, page_item::kAspectList,
                                 compared ? page_item::kHouseOverlay : page_item::kAspectPatterns}))
            << name;
      }
    Report(s == &screen ? "aspects page, screen" : "aspects page, printer", o);
    EXPECT_EQ(o.count, 0) << o.first;
  }
  EXPECT_TRUE(printer.EndDocument());
  EXPECT_TRUE(sideways.EndDocument());
}

}  // namespace
}  // namespace vostrane
