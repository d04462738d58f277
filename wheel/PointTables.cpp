// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PointTables.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "astro/BodySlots.h"
#include "common/AngleTime.h"
#include "session/LunarApogeeSlots.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;
using wheel_point::Ascendant;

// ---- Further points ------------------------------------------------------------

namespace {

// The table's frame: 0.283 W wide at its place, moved left to stay on the
// page; rows of a line each between half lines.
PageBox FurtherPointsBox(const WheelPage& page, int rows) {
  const PageMetrics& m = page.M();
  const int width = RoundEven(0.283 * m.width);
  const PagePlace place = page.def.furtherPointsPlace();
  const int x = std::max(0, std::min(m.PageX(place.x), m.pageWidth - 1 - width));
  const int y = m.PageY(place.y);
  return {true, x, y, x + width, y + m.halfLine + rows * m.lineHeight + m.halfLine};
}

// Whether the table can grow by `extra` rows without running into another
// table that the style shows and places below it.
bool RoomBelow(const WheelPage& page, int rows, int extra) {
  const PageMetrics& m = page.M();
  const PageBox now = FurtherPointsBox(page, rows), grown = FurtherPointsBox(page, rows + extra);
  std::vector<PagePlace> others;
  if (page.def.Flag(wo::elementsTable)) others.push_back(page.def.elementsTablePlace());
  for (int i = 0; i < 5; ++i) {
    if (page.def.Flag(wo::parallelsTable)) others.push_back(page.def.parallelBoxPlace(i));
    if (page.def.legendShown(i)) others.push_back(page.def.legendPlace(i));
    others.push_back(page.def.positionTablePlace(i));
  }
  for (const PagePlace& p : others) {
    const int x = m.PageX(p.x), y = m.PageY(p.y);
    if (y >= now.top && y < grown.bottom && x >= now.left && x < now.right) return false;
  }
  return true;
}

}  // namespace

std::vector<FurtherPoint> FurtherPoints(const WheelPage& page) {
  using F = FurtherPoint::Format;
  const ChartEntry& e = page.Inner();
  const RingChart& r = page.rings.Ring(1);
  std::vector<FurtherPoint> rows;
  // The node the wheel does not use.
  if (page.def.Letter(wo::trueNode) == 'T')
    rows.push_back({"Mean Moon's Node", F::Longitude, Modulo(360.0, e.moonNodeDeg())});
  else rows.push_back({"True Moon's Node", F::Longitude, Modulo(360.0, e.lon(10))});
  rows.push_back({"Part of Fortune", F::Longitude, r.lon[wheel_point::PartOfFortune]});
  // Spirit mirrors Fortune about the Ascendant (by day Ascendant + Sun -
  // Moon), so it follows Fortune's day and night formula.
  rows.push_back({"Part of Spirit", F::Longitude,
                  Modulo(360.0, 2.0 * r.lon[Ascendant] - r.lon[wheel_point::PartOfFortune])});
  rows.push_back({"Vertex", F::Longitude, r.lon[wheel_point::Vertex]});
  rows.push_back({page.def.Flag(wo::furtherPointsOption) ? "East Point" : "Equatorial Asc.",
                  F::Longitude, r.lon[wheel_point::EastPoint]});
  rows.push_back({"Sidereal Time", F::Time, Modulo(24.0, e.ramcRad() * 180.0 / M_PI / 15.0)});
  // The Greenwich time of a birth late in the day runs past 24 hours.
  rows.push_back({"G.M.T.", F::Time, Modulo(24.0, e.universalTimeHours())});
  if (!(e.chartType() == 1 && e.chartSubtype() <= 3)) {
    const double dt = e.deltaTSeconds();
    rows.push_back({dt >= 0 ? "Ephem Time-GMT" : "GMT-Ephem Time", F::Time, std::fabs(dt) / 3600.0});
  }
  rows.push_back({"Ayanamsha", F::Angle, std::fabs(e.ayanamsaDeg())});
  // The Moon's mean and osculating apogee after the node, for entries
  // calculated with them, where the table has room for them.
  if (HasLunarApogee(e) && RoomBelow(page, static_cast<int>(rows.size()), 2)) {
    const FurtherPoint lilith[2] = {
        {"Mean Lilith", F::Longitude, Modulo(360.0, e.lon(slot::MeanApogee))},
        {"True Lilith", F::Longitude, Modulo(360.0, e.lon(slot::OsculatingApogee))}};
    rows.insert(rows.begin() + 1, std::begin(lilith), std::end(lilith));
  }
  return rows;
}

PageBox DrawFurtherPointsTable(const WheelPage& page) {
  if (!page.def.Flag(wo::furtherPointsTable)) return {};
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const int gx = std::max(1, m.gapX);
  const std::vector<FurtherPoint> rows = FurtherPoints(page);
  const PageBox box = FurtherPointsBox(page, static_cast<int>(rows.size()));
  const int width = box.right - box.left;
  const int x = box.left;
  const int y = box.top;
  const char font = page.def.Letter(wo::tableFont);

  page.UseTableFont();
  int labelWidth = 0;
  for (const FurtherPoint& r : rows) labelWidth = std::max(labelWidth, s.TextWidth(r.label));
  const int valueX = x + 3 * gx + labelWidth + 3 * gx;
  int row = y + m.halfLine;
  for (const FurtherPoint& r : rows) {
    page.UseTableFont();
    s.TextAt(x + 3 * gx, row + m.baseOffset, r.label);
    switch (r.format) {
      case FurtherPoint::Format::Longitude:
        s.DrawLongitude(valueX, row, LongitudeFormat{.font = font}, r.value);
        break;
      case FurtherPoint::Format::Time:
        s.DrawValue(valueX, row + m.baseOffset,
                    ValueFormat{.seconds = true, .font = font, .marks = ValueMarks::Colons}, r.value);
        break;
      case FurtherPoint::Format::Angle:
        s.DrawValue(valueX, row + m.baseOffset, ValueFormat{.seconds = true, .font = font}, r.value);
        break;
    }
    row += m.lineHeight;
  }
  const int bottom = row + m.halfLine;
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.Frame(x, y, x + width, bottom, true);
  return {true, x, y, x + width, bottom};
}

// ---- Elements and modes ------------------------------------------------------

ElementCounts CountElements(const RingChart& ring) {
  ElementCounts counts{};
  auto count = [&](int point, int column) {
    if (!std::isfinite(ring.lon[point])) return;  // an entry damaged elsewhere
    const int sign = SplitLongitude(ring.lon[point]).signIndex;
    ++counts[sign % 4][column];
    ++counts[4 + sign % 3][column];
  };
  for (int p = 0; p <= 9; ++p) count(p, 0);
  for (int p = 13; p <= 17; ++p) count(p, 1);
  count(Ascendant, 2);
  return counts;
}

PageBox DrawElementsTable(const WheelPage& page) {
  if (!page.def.Flag(wo::elementsTable)) return {};
  static const char* const kRows[7] = {"Fir", "Ear", "Air", "Wat", "Car", "Fix", "Mut"};
  // Planets, asteroids and the Ascendant, read across above their columns.
  static const char* const kColumns[3] = {"Pl.", "Ast.", "Asc."};
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const int gx = std::max(1, m.gapX);
  const PagePlace place = page.def.elementsTablePlace();
  const int x = m.PageX(place.x), y = m.PageY(place.y);
  const ElementCounts counts = CountElements(page.rings.Ring(1));

  page.UseTableFont();
  int labelWidth = 0;
  for (const char* r : kRows) labelWidth = std::max(labelWidth, s.TextWidth(r));
  int columnWidth = std::max(2 * s.TextWidth("0"), s.TextWidth("W"));
  for (const char* c : kColumns) columnWidth = std::max(columnWidth, s.TextWidth(c));
  columnWidth += 2 * gx;
  const int firstColumn = x + 3 * gx + labelWidth + 2 * gx;
  const int right = firstColumn + 3 * columnWidth + gx;
  int row = y + m.halfLine;
  for (int c = 0; c < 3; ++c) {
    const int colLeft = firstColumn + c * columnWidth;
    s.TextCentred(kColumns[c], colLeft, colLeft + columnWidth, row + m.baseOffset);
  }
  row += m.lineHeight + m.gapY;
  for (int r = 0; r < 7; ++r) {
    s.TextAt(x + 3 * gx, row + m.baseOffset, kRows[r]);
    for (int c = 0; c < 3; ++c) {
      const std::string n = std::to_string(counts[r][c]);
      const int colLeft = firstColumn + c * columnWidth;
      s.TextCentred(n, colLeft, colLeft + columnWidth, row + m.baseOffset);
    }
    row += m.lineHeight;
    if (r == 3) row += m.gapY;  // elements, then modes
  }
  const int bottom = row + m.gapY;
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.Frame(x, y, right, bottom, true);
  return {true, x, y, right, bottom};
}

// ---- Declination parallels -----------------------------------------------------

std::vector<Parallel> FindParallels(const WheelPage& page) {
  std::vector<Parallel> list;
  const ChartEntry& e = page.Inner();
  auto takesPart = [&](int p) {
    return p != wheel_point::PartOfFortune && TakesPartInAspects(page.def, p, 1) &&
           page.rings.Ring(1).Available(p);
  };
  for (int a = 0; a <= 18; ++a) {
    if (!takesPart(a)) continue;
    const double da = PointDeclination(e, a);
    for (int b = a + 1; b <= 19; ++b) {
      if (!takesPart(b)) continue;
      const double db = PointDeclination(e, b);
      if (std::fabs(std::fabs(da) - std::fabs(db)) <= 1.0)
        list.push_back({a, b, (da < 0) != (db < 0) && da != 0 && db != 0});
    }
  }
  return list;
}

std::vector<ParallelBox> DrawParallelsTable(const WheelPage& page) {
  std::vector<ParallelBox> boxes;
  if (!page.def.Flag(wo::parallelsTable)) return boxes;
  const std::vector<Parallel> list = FindParallels(page);
  if (list.empty()) return boxes;
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const int gx = std::max(1, m.gapX);
  const int32_t colour = page.def.I32(wo::tableColour);
  page.UseTableGlyphs(colour);
  const int wPoint = std::max(s.TextWidth(";"), s.TextWidth("l"));
  const int wAspect = s.TextWidth("n");
  const int lineWidth = wPoint + 2 * gx + wAspect + 2 * gx + wPoint;
  const int columnWidth = lineWidth + 4 * gx;

  int next = 0;
  for (int i = 0; i < 5 && next < static_cast<int>(list.size()); ++i) {
    const int capacity = page.def.parallelBoxSize(i).x;
    if (capacity <= 0) continue;
    const int left = static_cast<int>(list.size()) - next;
    ParallelBox box;
    box.box = i;
    box.columns = capacity < left ? 2 : 1;
    box.first = next;
    box.count = std::min(left, box.columns * capacity);
    const PagePlace place = page.def.parallelBoxPlace(i);
    PageBox& a = box.area;
    a.drawn = true;
    a.left = m.PageX(place.x);
    a.top = m.PageY(place.y);
    const int lines = std::min(capacity, box.count);
    a.right = std::min(a.left + 2 * gx + box.columns * columnWidth, m.pageWidth - 1);
    a.bottom = a.top + m.halfLine + lines * m.lineHeight + m.halfLine;
    for (int k = 0; k < box.count; ++k) {
      const Parallel& p = list[next + k];
      int x = a.left + 3 * gx + (k / capacity) * columnWidth;
      const int y = a.top + m.halfLine + (k % capacity) * m.lineHeight;
      page.UseTableGlyphs(page.PointColour(p.a));
      s.DrawGlyph(GlyphKind::Point, p.a, x, GlyphAnchor::InReference, y);
      x += 2 * gx;
      page.UseTableGlyphs(colour);
      s.DrawGlyph(GlyphKind::Aspect, p.contra ? 11 : 10, x, GlyphAnchor::TopLeft, y);
      x += 2 * gx;
      page.UseTableGlyphs(page.PointColour(p.b));
      s.DrawGlyph(GlyphKind::Point, p.b, x, GlyphAnchor::InReference, y);
    }
    s.SetPenStyle(kPenSolid);
    s.SetPenWidth(m.baseWidth);
    s.Frame(a.left, a.top, a.right, a.bottom, true);
    next += box.count;
    boxes.push_back(box);
  }
  return boxes;
}

}  // namespace vostrane
