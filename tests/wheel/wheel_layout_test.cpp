// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the wheel over thousands of seeded random charts, drawn
// through the recording surface: glyphs and labels never overlap, no planet
// glyph meets a cusp line, every glyph stands in the sector of its own
// house, and every pointer ends at the point's true place on its ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "platform/ScriptedMessageService.h"
#include "common/AngleTime.h"
#include "tests/support/TempFolder.h"
#include "tests/wheel/RandomCharts.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/AspectSetFile.h"
#include "wheel/HouseMap.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {
namespace {

using test::AngleOf;
using test::CuspsFromWidths;
using test::RadiusOf;
using test::RandomCusps;
using test::RandomRing;
namespace wo = wheel_offset;

struct Faults {
  int overlaps = 0;                  // two glyph or label boxes intersect
  int onCuspLine = 0;                // a planet glyph box meets a cusp line
  int outsideHouse = 0;              // a planet glyph's centre outside its house sector
  int pointerOff = 0;                // a pointer ends more than 0.5 degrees from the point
  int charts = 0;                    // charts with any fault
  std::string first;                 // the first fault seen, for the failure message
  std::string firstOnLine;           // the first glyph on a cusp line
  std::map<std::string, int> kinds;  // overlaps by the roles of the two boxes
  int Total() const { return overlaps + onCuspLine + outsideHouse + pointerOff; }
  void Add(const Faults& f) {
    overlaps += f.overlaps, onCuspLine += f.onCuspLine, outsideHouse += f.outsideHouse;
    pointerOff += f.pointerOff, charts += f.Total() > 0;
    if (first.empty()) first = f.first;
    if (firstOnLine.empty()) firstOnLine = f.firstOnLine;
    for (const auto& [k, n] : f.kinds) kinds[k] += n;
  }
};

// Whether a line segment meets a rectangle (Liang-Barsky clipping).
bool SegmentMeetsBox(double x1, double y1, double x2, double y2, double l, double t, double r,
                     double b) {
  double u0 = 0, u1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - l, r - x1, y1 - t, b - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double u = q[i] / p[i];
    if (p[i] < 0) u0 = std::max(u0, u);
    else u1 = std::min(u1, u);
    if (u0 > u1) return false;
  }
  return true;
}

bool IsBoxRole(ItemRole r) {
  return r == ItemRole::PlanetGlyph || r == ItemRole::PlanetLabel || r == ItemRole::CuspLabel ||
         r == ItemRole::HouseNumber || r == ItemRole::AspectMark;
}

// The wheel angle at which the drawn cusp line of a ring crosses radius rho;
// -1 when no piece of that line reaches the radius (the line is missing
// beside the glyph).
double CuspLineAngleAt(const std::vector<PageItem>& items, const WheelSetup& w, int cusp, int ring,
                       double rho) {
  for (const PageItem& it : items) {
    if (it.tag.role != ItemRole::CuspLine || it.tag.point != cusp || it.tag.ring != ring) continue;
    const double r1 = RadiusOf(w, it.fromX, it.fromY), r2 = RadiusOf(w, it.toX, it.toY);
    if (rho >= std::min(r1, r2) && rho <= std::max(r1, r2) && r1 != r2) {
      // Bisection along the segment for the point at radius rho.
      double lo = 0, hi = 1;
      const bool rising = r2 > r1;
      for (int i = 0; i < 40; ++i) {
        const double m = (lo + hi) / 2;
        const double r = RadiusOf(w, it.fromX + m * (it.toX - it.fromX),
                                  it.fromY + m * (it.toY - it.fromY));
        if ((r < rho) == rising) lo = m;
        else hi = m;
      }
      return AngleOf(w, it.fromX + lo * (it.toX - it.fromX), it.fromY + lo * (it.toY - it.fromY));
    }
  }
  return -1;
}

Faults Check(const std::vector<PageItem>& items, const WheelSetup& w, const RingArrays& rings,
             bool equal, const std::string& name) {
  Faults f;
  auto note = [&](const std::string& what) {
    if (f.first.empty()) f.first = name + ": " + what;
  };
  std::vector<const PageItem*> boxes, lines, glyphs;
  for (const PageItem& it : items) {
    if ((it.kind == PageItem::Kind::Glyph || it.kind == PageItem::Kind::Text) && IsBoxRole(it.tag.role))
      boxes.push_back(&it);
    if (it.kind == PageItem::Kind::Glyph && it.tag.role == ItemRole::PlanetGlyph) glyphs.push_back(&it);
    if (it.kind == PageItem::Kind::Line && it.tag.role == ItemRole::CuspLine) lines.push_back(&it);
  }
  for (size_t a = 0; a < boxes.size(); ++a)
    for (size_t b = a + 1; b < boxes.size(); ++b)
      if (boxes[a]->Intersects(*boxes[b])) {
        ++f.overlaps;
        const bool same = boxes[a]->tag.point == boxes[b]->tag.point &&
                          boxes[a]->tag.ring == boxes[b]->tag.ring;
        ++f.kinds[std::string(RoleName(boxes[a]->tag.role)) + "/" + RoleName(boxes[b]->tag.role) +
                  (same ? " (same point)" : "")];
        std::ostringstream out;
        out << "'" << boxes[a]->text << "' (" << RoleName(boxes[a]->tag.role) << " "
            << boxes[a]->tag.point << ") overlaps '" << boxes[b]->text << "' ("
            << RoleName(boxes[b]->tag.role) << " " << boxes[b]->tag.point << ")";
        note(out.str());
      }
  const RingChart& inner = rings.Ring(1);
  for (const PageItem* g : glyphs) {
    for (const PageItem* l : lines) {
      const double h = l->penWidth / 2.0;
      if (SegmentMeetsBox(l->fromX, l->fromY, l->toX, l->toY, g->x0 - h, g->y0 - h, g->x1 + h,
                          g->y1 + h)) {
        ++f.onCuspLine;
        if (f.firstOnLine.empty())
          f.firstOnLine = name + ": glyph of point " + std::to_string(g->tag.point) + " at " +
                          std::to_string(AngleOf(w, (g->x0 + g->x1) / 2.0, (g->y0 + g->y1) / 2.0)) +
                          " r " +
                          std::to_string(RadiusOf(w, (g->x0 + g->x1) / 2.0, (g->y0 + g->y1) / 2.0)) +
                          " line " + std::to_string(AngleOf(w, l->fromX, l->fromY)) + "/" +
                          std::to_string(RadiusOf(w, l->fromX, l->fromY)) + " to " +
                          std::to_string(AngleOf(w, l->toX, l->toY)) + "/" +
                          std::to_string(RadiusOf(w, l->toX, l->toY));
        note("glyph of point " + std::to_string(g->tag.point) + " ring " + std::to_string(g->tag.ring) +
             " meets cusp line " + std::to_string(l->tag.point + 1));
      }
    }
    const int p = g->tag.point, ring = g->tag.ring;
    const int h = HouseOf(rings.Ring(ring).lon[p], inner.cusps);
    const double cx = (g->x0 + g->x1) / 2.0, cy = (g->y0 + g->y1) / 2.0;
    const double rho = RadiusOf(w, cx, cy), angle = AngleOf(w, cx, cy);
    const double from = CuspLineAngleAt(items, w, h, ring, rho);
    const double to = CuspLineAngleAt(items, w, (h + 1) % 12, ring, rho);
    const double into = Modulo(360.0, angle - from), span = Modulo(360.0, to - from);
    if (h < 0 || from < 0 || to < 0 || !(into > 0 && into < span)) {
      ++f.outsideHouse;
      note("glyph of point " + std::to_string(p) + " ring " + std::to_string(ring) + " at " +
           std::to_string(angle) + " outside house " + std::to_string(h + 1) + " (" +
           std::to_string(from) + " to " + std::to_string(to) + ")");
    }
  }
  for (const PageItem& it : items) {
    if (it.tag.role != ItemRole::Pointer || it.kind != PageItem::Kind::Line) continue;
    const double truth = TrueWheelAngle(rings.Ring(it.tag.ring).lon[it.tag.point], inner.cusps, equal);
    const double end = AngleOf(w, it.toX, it.toY);
    if (AngularDistance(truth, end) > 0.5) {
      ++f.pointerOff;
      note("pointer of point " + std::to_string(it.tag.point) + " ends at " + std::to_string(end) +
           " instead of " + std::to_string(truth));
    }
  }
  return f;
}

class WheelLayoutTest : public testing::Test {
 protected:
  WheelDefinition Style(char category) {
    WheelStyleFile file;
    WheelDefinition def;
    EXPECT_TRUE(file.Open(test::InstallFile("WHEELS.DAT")));
    EXPECT_TRUE(file.Read("AAA", category, def));
    // Pointers, the asteroids and the nodes on: the most crowded wheel.
    def.SetLetter(wo::pointerLines, 'Y');
    return def;
  }

  Faults Draw(const WheelDefinition& def, const RingArrays& rings, const std::string& name) {
    RecordingSurface s;
    std::vector<PageItem> items;
    s.SetItemSink(&items);
    const WheelSetup setup = ComputeWheelSetup(def, rings.category, s.Metrics());
    WheelDrawing wheel(def, rings, setup);
    wheel.Draw(s, &aspects);
    return Check(items, setup, rings, def.Flag(wo::equalSectors), name);
  }

  void SetUp() override {
    ReadAspectSet('1', "AAA", aspects.set, test::InstallFile("ANGLES.DAT"));
    BuildAspectTables(aspects);
  }

  Faults DrawAll();

  ScopedScriptedMessages msgs;
  AspectTables aspects;
};

// Draws the 2,000 seeded random charts and the hard cases and counts the
// faults of each kind.
Faults WheelLayoutTest::DrawAll() {
  const WheelDefinition styles[3] = {Style('R'), Style('B'), Style('T')};
  Faults all;
  int drawn = 0;
  for (int seed = 1; seed <= 2000; ++seed) {
    std::mt19937 g(seed);
    const int kind = seed % 4;  // 0 equal-like, 1 quadrant, 2 and 3 polar
    const char category = seed % 5 == 3 ? 'B' : seed % 5 == 4 ? 'T' : 'R';
    RingArrays rings;
    rings.category = category;
    const std::array<double, 12> cusps = RandomCusps(g, kind);
    for (int r = 1; r <= rings.Count(); ++r) rings.Ring(r) = RandomRing(g, cusps, seed % 3 == 0);
    WheelDefinition def = styles[category == 'R' ? 0 : category == 'B' ? 1 : 2];
    // Every seventh chart runs its columns inward or outward house by house.
    if (seed % 7 == 0) def.SetLetter(wo::glyphColumns, 'N');
    all.Add(Draw(def, rings, "seed " + std::to_string(seed) + " " + category));
    ++drawn;
  }
  // A stellium of eight points within 12 degrees in one narrow house, on
  // each kind of wheel; and the same chart with equal sectors.
  for (char category : {'R', 'B', 'T'}) {
    RingArrays rings;
    rings.category = category;
    const std::array<double, 12> cusps = CuspsFromWidths(100.0, {8, 40, 50, 30, 40, 12});
    for (int r = 1; r <= rings.Count(); ++r) {
      std::mt19937 g(77 + r);
      rings.Ring(r) = RandomRing(g, cusps, false);
      for (int p = 0; p < 8; ++p) rings.Ring(r).lon[p] = 101.0 + 1.5 * p;
    }
    WheelDefinition def = styles[category == 'R' ? 0 : category == 'B' ? 1 : 2];
    all.Add(Draw(def, rings, std::string("stellium ") + category));
    def.SetLetter(wo::equalSectors, 'Y');
    all.Add(Draw(def, rings, std::string("stellium, equal sectors ") + category));
    drawn += 2;
  }
  // Polar latitude: two houses of a degree each hold three planets.
  {
    RingArrays rings;
    std::mt19937 g(5);
    rings.Ring(1) = RandomRing(g, CuspsFromWidths(10.0, {1.0, 1.2, 80.0, 60.0, 36.8, 1.0}), false);
    for (int p = 0; p < 3; ++p) rings.Ring(1).lon[p] = 10.2 + 0.3 * p;
    for (int p = 3; p < 6; ++p) rings.Ring(1).lon[p] = 11.1 + 0.3 * (p - 3);
    all.Add(Draw(styles[0], rings, "polar"));
    ++drawn;
  }
  std::cout << "wheel layout: " << drawn << " charts, " << all.charts << " with faults: " << all.overlaps
            << " overlapping boxes, " << all.onCuspLine << " glyphs on cusp lines, " << all.outsideHouse
            << " glyphs outside their house, " << all.pointerOff << " pointers off\n";
  for (const auto& [k, n] : all.kinds) std::cout << "  overlaps " << k << ": " << n << "\n";
  return all;
}

TEST_F(WheelLayoutTest, EveryGlyphInItsHouseAndEveryPointerAtItsPlace) {
  const Faults all = DrawAll();
  EXPECT_EQ(all.outsideHouse, 0) << all.first;
  EXPECT_EQ(all.pointerOff, 0) << all.first;
}

TEST_F(WheelLayoutTest, NoBoxesOverlapAndNoGlyphMeetsACuspLine) {
  const Faults all = DrawAll();
  EXPECT_EQ(all.overlaps, 0) << "first: " << all.first;
  EXPECT_EQ(all.onCuspLine, 0) << "first on a cusp line: " << all.firstOnLine << " (" << all.first
                               << ")";
}

}  // namespace
}  // namespace vostrane
