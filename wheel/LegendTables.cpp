// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/LegendTables.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/AngleTime.h"
#include "wheel/AspectDrawing.h"
#include "wheel/HouseMap.h"
#include "wheel/PageText.h"
#include "wheel/PointRanges.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

// One row of a legend: glyphs (kind and index, in a colour) and texts, each
// in its own column.
struct Cell {
  std::optional<GlyphKind> glyphKind;  // none for text
  int index = 0;
  int32_t colour = 0;
  std::string text;
};
using Row = std::vector<Cell>;

// Lays out and draws a framed legend: headings above the columns (a
// heading may span several columns, starting at its first), a rule below
// them, then the rows. Column widths follow the widest cell of each column.
LegendBox DrawLegend(const WheelPage& page, int x, int y,
                     const std::vector<std::pair<int, std::string>>& headings,
                     const std::vector<Row>& rows) {
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const int gx = std::max(1, m.gapX);
  const int gap = gx + std::max(1, gx / 2);  // between columns
  const int32_t tableColour = page.def.I32(wo::tableColour);
  size_t columns = 0;
  for (const Row& r : rows) columns = std::max(columns, r.size());
  std::vector<int> widths(columns, 0);
  for (const Row& r : rows) {
    for (size_t c = 0; c < r.size(); ++c) {
      int w;
      if (r[c].glyphKind) {
        page.UseTableGlyphs(tableColour);
        w = r[c].glyphKind == GlyphKind::Point ? std::max(s.TextWidth(";"), s.TextWidth("l"))
                                               : s.TextWidth("[");
      } else {
        page.UseTableFont();
        w = s.TextWidth(r[c].text);
      }
      widths[c] = std::max(widths[c], w);
    }
  }
  // A heading wider than the columns it spans widens its last column.
  page.UseHeadingFont();
  for (size_t h = 0; h < headings.size(); ++h) {
    const int first = headings[h].first;
    const int next = h + 1 < headings.size() ? headings[h + 1].first : static_cast<int>(columns);
    if (first >= next || next > static_cast<int>(columns)) continue;
    int span = 0;
    for (int c = first; c < next; ++c) span += widths[c] + (c + 1 < next ? gap : 0);
    const int need = s.TextWidth(headings[h].second);
    if (need > span) widths[next - 1] += need - span;
  }
  std::vector<int> left(columns + 1, x + 2 * gx);
  for (size_t c = 0; c < columns; ++c) left[c + 1] = left[c] + widths[c] + gap;
  const int right = std::min(left[columns] + gx, m.pageWidth - 1);

  const int headRow = y + m.halfLine;
  for (const auto& [column, text] : headings)
    if (column < static_cast<int>(columns)) s.TextAt(left[column], headRow + m.baseOffset, text);
  const int rule = headRow + m.lineHeight + m.gapY;
  page.UseRulePen();
  s.Line(x, rule, right, rule);

  int row = rule + m.gapY;
  for (const Row& r : rows) {
    for (size_t c = 0; c < r.size(); ++c) {
      if (r[c].glyphKind) {
        page.UseTableGlyphs(r[c].colour);
        int gxPos = left[c];
        s.DrawGlyph(*r[c].glyphKind, r[c].index, gxPos, GlyphAnchor::InReference, row);
      } else if (!r[c].text.empty()) {
        page.UseTableFont();
        s.TextAt(left[c], row + m.baseOffset, r[c].text);
      }
    }
    row += m.lineHeight;
  }
  LegendBox box;
  box.drawn = true;
  box.left = x;
  box.top = y;
  box.right = right;
  box.bottom = row + m.halfLine;
  box.rows = static_cast<int>(rows.size());
  s.SetPenWidth(m.baseWidth);
  s.Frame(box.left, box.top, box.right, box.bottom, true);
  return box;
}

Cell PointGlyph(const WheelPage& page, int p) { return {GlyphKind::Point, p, page.PointColour(p), ""}; }
Cell SignGlyph(int sign, int32_t colour) { return {GlyphKind::Sign, sign, colour, ""}; }
Cell Text(const std::string& t) { return {std::nullopt, 0, 0, t}; }

}  // namespace

LegendBox DrawLegendTable(const WheelPage& page, int n) {
  if (n < 1 || n > 5 || !page.def.legendShown(n - 1)) return {};
  const PagePlace place = page.def.legendPlace(n - 1);
  const int x = page.M().PageX(place.x), y = page.M().PageY(place.y);
  const int32_t colour = page.def.I32(wo::tableColour);
  const RingChart& ring1 = page.rings.Ring(1);
  std::vector<Row> rows;
  switch (n) {
    case 1:
      for (int p : RangePoints(page.def.Letter(wo::legendRange1))) {
        const int house = CheckedHouseOf(ring1.lon[p], ring1.cusps) + 1;
        rows.push_back({PointGlyph(page, p), Text(page.names.PointName(p)),
                        SignGlyph(SplitLongitude(ring1.lon[p]).signIndex, colour),
                        Text(std::to_string(house) + OrdinalSuffix(house))});
      }
      return DrawLegend(page, x, y, {{0, "Planet"}, {2, "Sign"}, {3, "House"}}, rows);
    case 2: {
      for (int p : RangePoints(page.def.Letter(wo::legendRange2)))
        rows.push_back({PointGlyph(page, p), Text(page.names.PointName(p))});
      for (const WheelLot& lot : page.lots)
        rows.push_back({Text(lot.label), Text("Lot of " + lot.name)});
      const std::string heading = std::string(page.def.Letter(wo::legend2Heading) == 'P' ? "Planet"
                                                                                         : "Other") +
                                  " Symbols";
      return DrawLegend(page, x, y, {{0, heading}}, rows);
    }
    case 3:
      for (int sign = 0; sign < 12; ++sign)
        rows.push_back({SignGlyph(sign, colour), Text(PageNames::At(page.names.signs, sign))});
      return DrawLegend(page, x, y, {{0, "Zodiac Signs"}}, rows);
    case 4: {
      page.s.SetPenWidth(page.M().baseWidth);
      const int bottom = DrawAspectLegend(page.s, page.def, page.aspects, x, y, page.names.aspectKinds);
      LegendBox box;
      box.drawn = true;
      box.left = box.right = x;
      box.top = y;
      box.bottom = bottom;
      return box;
    }
    default:
      for (int e = 0; e < 4; ++e)
        rows.push_back({Text(PageNames::At(page.names.elements, e)), SignGlyph(e, colour),
                        SignGlyph(e + 4, colour), SignGlyph(e + 8, colour)});
      for (int mode = 0; mode < 3; ++mode)
        rows.push_back({Text(PageNames::At(page.names.elements, 4 + mode)), SignGlyph(mode, colour),
                        SignGlyph(mode + 3, colour), SignGlyph(mode + 6, colour),
                        SignGlyph(mode + 9, colour)});
      return DrawLegend(page, x, y, {{0, "Elements"}}, rows);
  }
}

void DrawLegendTables(const WheelPage& page) {
  for (int n = 1; n <= 5; ++n) DrawLegendTable(page, n);
}

}  // namespace vostrane
