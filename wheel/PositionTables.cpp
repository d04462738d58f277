// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PositionTables.h"

#include <algorithm>
#include <cmath>

#include "common/AngleTime.h"
#include "derived/DerivedKindTitle.h"
#include "wheel/PointRanges.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;
using Col = PositionColumn;

namespace {

// The entry's body slot of a wheel point 0..17.
int EntrySlot(int point) { return point <= 12 ? point : point + 3; }

// A value column as drawn: its kind and the ring whose chart it shows (the
// outer rings' columns 'J' and 'K' one per outer ring).
struct TableColumn {
  PositionColumn kind;
  int ring = 1;
};

bool Heliocentric(PositionColumn c) {
  return c == Col::HelioLongitude || c == Col::HelioLatitude || c == Col::HelioOtherZodiac;
}

// The upper word of a two-word heading, "" for one word. On a multi-wheel a
// column without a word of its own is headed by the kind of its ring's chart.
std::string UpperHeading(const WheelPage& page, const TableColumn& c, bool tropical) {
  switch (c.kind) {
    case Col::OtherZodiac: return tropical ? "Sider" : "Trop.";
    case Col::HelioLongitude:
    case Col::HelioLatitude:
    case Col::HelioOtherZodiac: return "Helio";
    default: break;
  }
  const ChartEntry* chart = page.charts[c.ring - 1];
  return page.Multi() && chart ? ChartKindHeading(*chart) : "";
}

std::string LowerHeading(PositionColumn c, bool tropical) {
  switch (c) {
    case Col::Longitude: return "Long.";
    case Col::Declination: return "Decl.";
    case Col::Speed: return "Speed";
    case Col::Latitude: return "Lat.";
    case Col::RightAscension: return "R.A.";
    case Col::OtherZodiac:
    case Col::HelioLongitude:
    case Col::OuterLongitude: return "Long.";
    case Col::HelioLatitude: return "Lat.";
    case Col::HelioOtherZodiac: return tropical ? "Sider" : "Trop.";
    case Col::OuterDeclination: return "Decl.";
    default: return "";
  }
}

// Whether column c has a value for point p.
bool HasValue(PositionColumn c, int p) {
  if (c == Col::HelioLongitude) return p < 10 || p > 12;
  if (c == Col::HelioLatitude || c == Col::HelioOtherZodiac) return p != 10;
  return true;
}

// The widths the table is laid out by, in the fonts of the table.
struct TableWidths {
  int digit = 0;         // "0"
  int hemisphere = 0;    // the wider of "N" and "S"
  int sign = 0;          // a sign glyph
  int point = 0;         // the wider point glyph
  int gap = 0;           // the page's horizontal gap
  bool seconds = false;  // the longitudes of Sun or Moon show seconds
};

// The few pixels of room the widths add are device pixels on every device;
// the digit widths and gaps carry the scale.
constexpr int kDeclinationRoom = 3;
constexpr int kRetrogradeRoom = 5;
constexpr int kLongitudeRoom = 6;
// The header text spans this share of its column width.
constexpr double kHeadingShare = 0.8;
// The frame ends this many lines below the last row's baseline.
constexpr double kFrameBelowLastRow = 1.3;

TableWidths MeasureTable(const WheelPage& page, const std::vector<PointRun>& runs) {
  DrawingSurface& s = page.s;
  TableWidths w;
  page.UseTableFont();
  w.digit = s.TextWidth("0");
  w.hemisphere = std::max(s.TextWidth("N"), s.TextWidth("S"));
  page.UseTableGlyphs(page.def.I32(wo::tableColour));
  w.sign = s.TextWidth("[");
  w.point = std::max(s.TextWidth(";"), s.TextWidth("l"));
  w.gap = page.M().gapX;
  w.seconds = std::any_of(runs.begin(), runs.end(), [](const PointRun& r) { return r.first < 2; });
  return w;
}

int ColumnWidth(PositionColumn column, const TableWidths& w) {
  switch (column) {
    case Col::Longitude:
      return 7 * w.digit + w.sign + 5 * w.gap + kLongitudeRoom - (w.seconds ? 0 : w.digit + w.gap);
    case Col::Speed: return 6 * w.digit + w.gap;
    case Col::RightAscension:
    case Col::OtherZodiac:
    case Col::HelioLongitude:
    case Col::HelioOtherZodiac:
    case Col::OuterLongitude: return 4 * w.digit + w.sign + 5 * w.gap + kLongitudeRoom;
    default: return 4 * w.digit + w.hemisphere + 5 * w.gap + kDeclinationRoom;
  }
}

// Draws the one- or two-word headings over the columns; returns the
// baseline of the lower words.
int DrawTableHeader(const WheelPage& page, const std::vector<TableColumn>& columns,
                    const std::vector<int>& widths, const PositionTableBox& box, int top,
                    bool tropical) {
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const bool twoWords = std::any_of(columns.begin(), columns.end(), [&](const TableColumn& c) {
    return !UpperHeading(page, c, tropical).empty();
  });
  const int headRow = top + m.halfLine + (twoWords ? m.lineHeight : 0);
  page.UseHeadingFont();
  for (size_t i = 0; i < columns.size(); ++i) {
    const int left = box.columnLeft[i], right = left + RoundEven(kHeadingShare * widths[i]);
    const std::string upper = UpperHeading(page, columns[i], tropical);
    if (!upper.empty()) s.TextCentred(upper, left, right, headRow - m.lineHeight + m.baseOffset);
    s.TextCentred(LowerHeading(columns[i].kind, tropical), left, right, headRow + m.baseOffset);
  }
  return headRow;
}

// Draws the value of column `column` for point `p` at `left` on the row
// with baseline `row`.
void DrawTableValue(const WheelPage& page, const TableWidths& w, const TableColumn& shown, int p,
                    int left, int row) {
  const PositionColumn column = shown.kind;
  DrawingSurface& s = page.s;
  const ChartEntry& e = page.Inner();
  const RingChart& ring1 = page.rings.Ring(1);
  const char font = page.def.Letter(wo::tableFont);
  const LongitudeFormat longitude{.font = font};
  const int textRow = row + page.M().baseOffset;
  const int slot = EntrySlot(p);
  // The angles' speeds are lifted by a circle in the ring arrays; the
  // table shows their real daily motion.
  const double speed = ring1.speed[p] - (p == 11 || p == 12 ? 360.0 : 0.0);
  switch (column) {
    case Col::Longitude:
      s.DrawLongitude(left, row, LongitudeFormat{.font = font, .seconds = w.seconds && p <= 1},
                      ring1.lon[p]);
      if (speed < 0) {
        page.UseTableGlyphs(page.def.I32(wo::tableColour));
        int markX = left + w.sign + 4 * w.digit + 3 * w.gap + kRetrogradeRoom;
        s.DrawGlyph(GlyphKind::Literal, static_cast<unsigned char>(kRetrogradeMark), markX,
                    GlyphAnchor::TopLeft, row);
        page.UseTableFont();
      }
      break;
    case Col::Declination: s.DrawDeclination(left, textRow, PointDeclination(e, p)); break;
    case Col::Speed:
      s.DrawValue(left - w.digit, textRow, ValueFormat{.font = font, .sign = NegativeSign::Minus},
                  speed);
      break;
    case Col::Latitude: s.DrawDeclination(left, textRow, e.body(BodyArray::Lat, slot)); break;
    case Col::RightAscension: s.DrawLongitude(left, row, longitude, e.body(BodyArray::Ra, slot)); break;
    case Col::OtherZodiac:
      s.DrawLongitude(left, row, longitude, Modulo(360.0, ring1.lon[p] - e.ayanamsaDeg()));
      break;
    case Col::HelioLongitude:
      s.DrawLongitude(left, row, longitude, e.body(BodyArray::HLon, slot));
      break;
    case Col::HelioLatitude: s.DrawDeclination(left, textRow, e.body(BodyArray::HLat, slot)); break;
    case Col::HelioOtherZodiac:
      s.DrawLongitude(left, row, longitude,
                      Modulo(360.0, e.body(BodyArray::HLon, slot) - e.ayanamsaDeg()));
      break;
    case Col::OuterLongitude:
      s.DrawLongitude(left, row, longitude, page.rings.Ring(shown.ring).lon[p]);
      break;
    case Col::OuterDeclination:
      if (const ChartEntry* chart = page.charts[shown.ring - 1])
        s.DrawDeclination(left, textRow, PointDeclination(*chart, p));
      break;
  }
}

// The width column `c` needs for its values and headings in the fonts they
// are drawn in, with a blank of a digit and two gaps before the next column
// (the printer's fonts are wider for their size than the screen's).
int ContentWidth(const WheelPage& page, const TableWidths& w, const TableColumn& c,
                 const std::vector<int>& rows, bool tropical) {
  DrawingSurface& s = page.s;
  const int right = s.DryRight(0, [&] {
    page.UseTableFont();
    for (int p : rows)
      if (HasValue(c.kind, p) && page.rings.Ring(1).Available(p)) DrawTableValue(page, w, c, p, 0, 0);
  });
  page.UseHeadingFont();
  const int heading = std::max(s.TextWidth(UpperHeading(page, c, tropical)),
                               s.TextWidth(LowerHeading(c.kind, tropical)));
  page.UseTableFont();
  return std::max(right, static_cast<int>(std::ceil(heading / kHeadingShare))) + w.digit + 2 * w.gap;
}

// Draws one row: the point glyph at `tableLeft` and its value in each column.
void DrawTableRow(const WheelPage& page, const TableWidths& w, const std::vector<TableColumn>& columns,
                  const PositionTableBox& box, int tableLeft, int p, int row) {
  page.UseTableGlyphs(page.def.I32(wo::tableColour));
  int glyphX = tableLeft + 3 * w.gap;
  page.s.DrawGlyph(GlyphKind::Point, p, glyphX, GlyphAnchor::InReference, row);
  page.UseTableFont();
  // A point without values for the chart keeps its row, empty.
  if (!page.rings.Ring(1).Available(p)) return;
  for (size_t i = 0; i < columns.size(); ++i)
    if (HasValue(columns[i].kind, p)) DrawTableValue(page, w, columns[i], p, box.columnLeft[i], row);
}

}  // namespace

std::optional<PositionColumn> PositionColumnFromLetter(char letter, bool multiWheel) {
  if (letter < 'A' || letter > (multiWheel ? 'K' : 'I')) return std::nullopt;
  return static_cast<PositionColumn>(letter - 'A');
}

std::vector<int> PositionTableRows(char rangeLetter, bool heliocentricOnly) {
  const std::vector<PointRun> runs = RangeRuns(rangeLetter);
  std::vector<int> rows;
  for (const PointRun& run : runs)
    for (int p = run.first; p <= run.last; ++p)
      if (p < 10 || p > 12) rows.push_back(p);
  for (const PointRun& run : runs)
    for (int p = std::max(run.first, 10); p <= std::min(run.last, 12); ++p) rows.push_back(p);
  if (heliocentricOnly) std::erase_if(rows, [](int p) { return p == 1 || (p >= 10 && p <= 12); });
  return rows;
}

PositionTableBox DrawPositionTable(const WheelPage& page, int index) {
  PositionTableBox box;
  const std::string def = page.def.positionTableDef(index);
  const char range = def[0];
  std::vector<TableColumn> columns;
  for (int i = 1; i <= 3; ++i) {
    const auto column = PositionColumnFromLetter(def[i], page.Multi());
    if (!column) continue;
    const bool outer = *column == Col::OuterLongitude || *column == Col::OuterDeclination;
    if (!outer) columns.push_back({*column, 1});
    else
      for (int ring = 2; ring <= page.ChartCount(); ++ring) columns.push_back({*column, ring});
  }
  const std::vector<PointRun> runs = RangeRuns(range);
  if (columns.empty() || runs.empty()) return box;

  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const bool tropical = page.Inner().zodiacLetter() == 'T';
  const TableWidths w = MeasureTable(page, runs);

  const PagePlace place = page.def.positionTablePlace(index);
  const int tableLeft = m.PageX(place.x), tableTop = m.PageY(place.y);
  box.rows = PositionTableRows(range,
                               std::all_of(columns.begin(), columns.end(),
                                           [](const TableColumn& c) { return Heliocentric(c.kind); }));
  int columnX = tableLeft + 3 * w.gap + w.point + 2 * w.gap;
  std::vector<int> widths;
  for (const TableColumn& c : columns) {
    box.columnLeft.push_back(columnX);
    widths.push_back(std::max(ColumnWidth(c.kind, w), ContentWidth(page, w, c, box.rows, tropical)));
    columnX += widths.back();
  }
  int row = DrawTableHeader(page, columns, widths, box, tableTop, tropical);

  for (int p : box.rows) {
    row += m.lineHeight;
    DrawTableRow(page, w, columns, box, tableLeft, p, row);
  }

  box.drawn = true;
  box.left = tableLeft;
  box.top = tableTop;
  box.right = std::min(columnX, m.pageWidth - 1);
  box.bottom = row + RoundEven(kFrameBelowLastRow * m.lineHeight);
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.Frame(box.left, box.top, box.right, box.bottom, true);
  return box;
}

void DrawPositionTables(const WheelPage& page) {
  for (int i = 0; i < 5; ++i) DrawPositionTable(page, i);
}

}  // namespace vostrane
