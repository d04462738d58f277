// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectsPage.h"

#include <algorithm>
#include <vector>

#include "wheel/AspectListText.h"
#include "wheel/ChartAspects.h"
#include "wheel/ChartTitle.h"
#include "wheel/PageItems.h"
#include "wheel/PageRoom.h"
#include "wheel/Synastry.h"

namespace vostrane {

namespace {

constexpr char kTextFont = 'B';
constexpr int kTitleSize = 12;
constexpr int kTextSize = 9;
constexpr int kLeastTextSize = 6;

using Cells = std::vector<std::string>;

// A table as it is printed: a title, notes under it, the column headings
// and the rows; `none` stands in place of the rows when there are none.
struct Table {
  std::string title;
  std::vector<std::string> notes;
  Cells headings;
  std::vector<Cells> rows;
  std::string none;
};

// Where a table may go: its top-left corner, the right and bottom edges it
// must keep inside.
struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The columns' widths at a font size: the widest cell of each (headings in
// bold), and two blanks between them.
std::vector<int> ColumnWidths(DrawingSurface& s, const Table& t, int size) {
  std::vector<int> widths(t.headings.size(), 0);
  auto widen = [&](const Cells& cells) {
    for (size_t c = 0; c < cells.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], s.TextWidth(cells[c]));
  };
  s.SetFont(kTextFont, size, 0, TextStyle::Bold);
  widen(t.headings);
  s.SetFont(kTextFont, size, 0, TextStyle::Normal);
  for (const Cells& row : t.rows) widen(row);
  const int gap = std::max(1, s.TextWidth("  "));
  for (int& w : widths) w += gap;
  return widths;
}

// How a table's rows are laid out: in blocks side by side, each as high as
// the area allows, at the largest font size at which all rows fit across
// (at the least size the rows that do not fit are left out and counted).
struct TableShape {
  int size = kTextSize, lineHeight = 1, rowsPerBlock = 1, blocks = 1, shown = 0;
  std::vector<int> widths;
  int BlockWidth() const {
    int w = 0;
    for (int c : widths) w += c;
    return w;
  }
};

int HeadHeight(const Table& t, int lh) { return (3 + static_cast<int>(t.notes.size())) * lh; }

TableShape ShapeTable(DrawingSurface& s, const Table& t, const Area& a) {
  const PageMetrics& m = s.Metrics();
  TableShape shape;
  const int rows = static_cast<int>(t.rows.size());
  for (int size = kTextSize; size >= kLeastTextSize; --size) {
    shape.size = size;
    shape.lineHeight = std::max(1, m.lineHeight * size / kTextSize);
    shape.widths = ColumnWidths(s, t, size);
    const int room = a.bottom - a.top - HeadHeight(t, m.lineHeight) - m.gapY;
    shape.rowsPerBlock = std::max(1, room / shape.lineHeight);
    const int blockWidth = shape.BlockWidth() + 2 * m.charWidth;
    const int blocksAcross = std::max(1, (a.right - a.left + 2 * m.charWidth) / blockWidth);
    const int needed = std::max(1, (rows + shape.rowsPerBlock - 1) / shape.rowsPerBlock);
    shape.blocks = std::min(needed, blocksAcross);
    shape.shown = std::min(rows, shape.blocks * shape.rowsPerBlock);
    if (needed <= blocksAcross) break;
  }
  // The line that counts the rows left out takes the last row's place.
  if (shape.shown < rows) --shape.shown;
  return shape;
}

// Draws the table from the area's top-left corner; returns its bottom.
int DrawTable(DrawingSurface& s, const Table& t, const Area& a) {
  const PageMetrics& m = s.Metrics();
  const TableShape shape = ShapeTable(s, t, a);
  const int lh = m.lineHeight;
  s.SetFont(kTextFont, kTextSize + 1, 0, TextStyle::Bold);
  s.TextAt(a.left, a.top, t.title);
  int y = a.top + lh;
  s.SetFont(kTextFont, kTextSize - 1, 0, TextStyle::Normal);
  for (const std::string& note : t.notes) s.TextAt(a.left, y, note), y += lh;
  y += lh;
  const int blockGap = 2 * m.charWidth;
  const int right = a.left + shape.blocks * (shape.BlockWidth() + blockGap) - blockGap;
  s.SetFont(kTextFont, shape.size, 0, TextStyle::Bold);
  for (int b = 0; b < shape.blocks; ++b) {
    int x = a.left + b * (shape.BlockWidth() + blockGap);
    for (size_t c = 0; c < t.headings.size(); x += shape.widths[c], ++c) s.TextAt(x, y, t.headings[c]);
  }
  const int rule = y + lh + m.gapY;
  s.SetPenColour(0);
  s.SetPenWidth(m.baseWidth);
  s.Line(a.left, rule, right, rule);
  const int first = rule + m.gapY;
  s.SetFont(kTextFont, shape.size, 0, TextStyle::Normal);
  if (t.rows.empty()) {
    s.TextAt(a.left, first, t.none);
    return first + lh;
  }
  int bottom = first;
  for (int r = 0; r < shape.shown; ++r) {
    int x = a.left + r / shape.rowsPerBlock * (shape.BlockWidth() + blockGap);
    const int rowY = first + r % shape.rowsPerBlock * shape.lineHeight;
    const Cells& row = t.rows[r];
    for (size_t c = 0; c < row.size() && c < shape.widths.size(); x += shape.widths[c], ++c)
      s.TextAt(x, rowY, row[c]);
    bottom = std::max(bottom, rowY + shape.lineHeight);
  }
  const int left = static_cast<int>(t.rows.size()) - shape.shown;
  if (left > 0) {
    const int r = shape.shown;
    s.TextAt(a.left + r / shape.rowsPerBlock * (shape.BlockWidth() + blockGap),
             first + r % shape.rowsPerBlock * shape.lineHeight,
             "... and " + std::to_string(left) + " more (the viewer's aspect panel lists them all)");
    bottom = std::max(bottom, first + (r % shape.rowsPerBlock + 1) * shape.lineHeight);
  }
  return bottom;
}

Table AspectListTable(const AspectTables& tables, const std::vector<ListedAspect>& aspects,
                      const PageNames& names, const std::string& title, const std::string& note) {
  Table t;
  t.title = title + " (" + std::to_string(aspects.size()) + ")";
  if (!note.empty()) t.notes.push_back(note);
  t.notes.push_back("sorted by orb; A applying, S separating");
  t.notes.push_back("exact: within 1'; partile: in the same degree");
  t.headings = {"Point", "Aspect", "Point", "Orb", "", ""};
  for (const AspectListRow& row : AspectListRows(tables, aspects, names))
    t.rows.push_back({row[kFirstPoint], row[kAspectName], row[kSecondPoint], row[kOrb],
                      row[kMotion] == "applying" ? "A" : "S", row[kExactness]});
  t.none = "No aspect within the orbs.";
  return t;
}

Table PatternTable(const std::vector<AspectPattern>& patterns, const PageNames& names) {
  Table t;
  t.title = "Aspect Patterns";
  t.headings = {"Pattern"};
  for (const AspectPattern& p : patterns) t.rows.push_back({PatternText(p, names)});
  t.none = "No pattern among the aspects.";
  return t;
}

// The house overlay: each chart's points beside the house of the other
// chart they fall in.
Table OverlayTable(const SynastryReport& r, const PageNames& names, const std::string& innerName,
                   const std::string& outerName) {
  Table t;
  t.title = "House Overlay";
  t.notes = {"inner: " + innerName, "outer: " + outerName};
  t.headings = {"Inner", "house", "Outer", "house"};
  const size_t count = std::max(r.innerInOuter.size(), r.outerInInner.size());
  auto cells = [&](const std::vector<OverlaidPoint>& points, size_t k, Cells& row) {
    if (k >= points.size()) return row.insert(row.end(), {"", ""}), void();
    const OverlaidPoint& p = points[k];
    row.push_back(names.PointName(p.point));
    row.push_back(p.house ? std::to_string(p.house) : "?");
  };
  for (size_t k = 0; k < count; ++k) {
    Cells row;
    cells(r.innerInOuter, k, row);
    cells(r.outerInInner, k, row);
    t.rows.push_back(row);
  }
  t.none = "No points to overlay.";
  return t;
}

// The width and height a table takes drawn in the area (nothing is drawn).
Point TableExtent(DrawingSurface& s, const Table& t, const Area& a) {
  std::vector<PageItem> items;
  const DrawingSurface::Capture previous = s.BeginCapture(&items, true);
  const int bottom = DrawTable(s, t, a);
  s.EndCapture(previous);
  int right = a.left;
  for (const PageItem& it : items) right = std::max(right, it.x1);
  return {right - a.left, bottom - a.top};
}

// Draws a table as page item `item` where it meets nothing drawn before:
// a dry run measures it, the room gives it the nearest free place.
void PlaceTable(DrawingSurface& s, PageRoom& room, int item, const Table& t, const Area& a) {
  s.SetItem(item);
  std::vector<PageItem> drawn;
  s.BeginCapture(&drawn, true);
  DrawTable(s, t, a);
  s.EndCapture();
  s.SetOrigin(room.FreeOffset(drawn));
  drawn.clear();
  s.BeginCapture(&drawn, false);
  DrawTable(s, t, a);
  s.EndCapture();
  s.SetOrigin({0, 0});
  room.Take(drawn);
  s.SetItem(0);
}

}  // namespace

bool AssembleAspectsPage(DrawingSurface& s, const AspectsPageInput& in, const PageNames& names) {
  if (!in.inner) return false;
  const bool compared = in.outer != nullptr;
  WheelDefinition def;
  WheelStyleFile styles;
  const bool styleRead = styles.Open(in.wheelsPath) && styles.Read(in.code, compared ? 'B' : 'R', def);
  styles.Close();
  if (!styleRead) return false;
  AspectTables tables;
  LoadAspectSet(tables, def, in.code, in.anglesPath);
  if (!s.BeginPrintout('2', 'P')) return false;

  const PageMetrics& m = s.Metrics();
  PageRoom room(m.x0, m.y0, m.x0 + m.width, m.y0 + m.height, std::max(1, m.halfLine),
                std::max(1, m.gapX), std::max(1, m.halfLine));
  const std::string innerName = ChartName(*in.inner), outerName = compared ? ChartName(*in.outer) : "";
  {
    const PageItemScope tag(s, ItemRole::Header);
    s.SetItem(page_item::kHeaders);
    std::vector<PageItem> drawn;
    s.BeginCapture(&drawn, false);
    s.SetFont(kTextFont, kTitleSize, 0, TextStyle::Bold);
    s.TextAt(m.x0 + 2 * m.charWidth, m.y0 + m.lineHeight,
             compared ? "Synastry: " + innerName + " and " + outerName
                      : "Aspects: " + innerName + ", " + ChartTitle(*in.inner, names));
    s.EndCapture();
    room.Take(drawn);
    s.SetItem(0);
  }

  // The list takes the page's height where the smaller table has room
  // beside it, else it leaves the smaller table room below.
  const PageItemScope tag(s, ItemRole::Table);
  const Area page{m.x0 + 2 * m.charWidth, m.y0 + 3 * m.lineHeight, m.x0 + m.width - 2 * m.charWidth,
                  m.y0 + m.height - m.lineHeight};
  Table list, small;
  int smallItem = 0;
  if (compared) {
    const SynastryReport report = CompareCharts(tables, def, *in.inner, *in.outer);
    list = AspectListTable(tables, report.aspects, names, "Aspects between the Charts",
                           "first point the inner chart's, second the outer's");
    small = OverlayTable(report, names, innerName, outerName);
    smallItem = page_item::kHouseOverlay;
  } else {
    const ChartAspects found = ComputeChartAspects(tables, def, *in.inner);
    list = AspectListTable(tables, found.aspects, names, "Aspect List", "");
    small = PatternTable(found.patterns, names);
    smallItem = page_item::kAspectPatterns;
  }
  Area listArea = page;
  const Point smallExtent = TableExtent(s, small, page);
  if (TableExtent(s, list, page).x + 2 * m.charWidth + smallExtent.x > page.right - page.left)
    listArea.bottom -= smallExtent.y + 2 * m.lineHeight;
  PlaceTable(s, room, page_item::kAspectList, list, listArea);
  PlaceTable(s, room, smallItem, small, page);
  s.EndPage(true);
  return true;
}

}  // namespace vostrane
