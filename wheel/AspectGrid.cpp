// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectGrid.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

#include "common/AngleTime.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

// Orbs shown as 10 degrees or more (9.9917 rounds to 10 degrees 00 minutes).
constexpr double kWideOrb = 9.9917;
constexpr int kSmallestCellFont = 4;

// The grid's margins inside its area: top and bottom as shares of the
// usable page height, left and right of its width (the bottom and left ones
// move outwards).
struct Margins {
  double top = 0, bottom = 0, left = 0, right = 0;
};

Margins GridMargins(const GridSettings& g, bool single) {
  Margins m;
  switch (g.Items()) {
    case 1:
      m = g.glyphs == 'G' ? Margins{0.01, 0.0005, 0, 0.006} : Margins{0.01, 0.0022, 0.025, 0.013};
      break;
    case 2: m = {0.01, g.points == 'A' ? 0.0098 : g.points == 'C' ? 0.014 : 0.0094, 0.035, 0.013}; break;
    default:
      if (g.points != 'C') m = {0.01, 0.027, 0.04, 0.013};
      else if (g.rightToLeft && single) m = {0.01, 0.057, 0.12, 0.013};
      else m = {0.01, 0.027, 0.03, 0.013};
      break;
  }
  if (g.rightToLeft && single) {
    m.top *= 2;
    m.right *= 2;
    m.bottom /= 2;
    m.left /= 2;
  } else if (g.repeat) {
    m.top *= 2;
  }
  return m;
}

void Range(std::vector<int>& list, int first, int last) {
  for (int p = first; p <= last; ++p) list.push_back(p);
}

// Colour number of an aspect: byte 7 on the screen, byte 11 on paper; on
// the screen aqua is drawn blue and yellow black, which read on white.
int32_t AspectColour(const AspectEntry& e, OutputDevice device) {
  int c = device == OutputDevice::Screen ? e.screenColour : e.printColour;
  if (c > 15) c = 7;
  if (device == OutputDevice::Screen && c == 11) c = 9;
  if (device == OutputDevice::Screen && c == 14) c = 0;
  return c;
}

// Lime does not read on white: the screen draws orbs and distances green.
int32_t TextColour(int32_t colour, OutputDevice device) {
  return device == OutputDevice::Screen && colour == 10 ? 2 : colour;
}

}  // namespace

GridSettings ReadGridSettings(const WheelDefinition& def, int grid, bool multiWheel) {
  GridSettings g;
  g.glyphs = def.gridLetter(wo::gridGlyphs, grid);
  g.orbs = def.gridLetter(wo::gridOrbs, grid) == 'Y';
  g.distances = def.gridLetter(wo::gridDistances, grid) == 'Y';
  g.points = def.gridLetter(wo::gridPoints, grid);
  g.frame = def.gridLetter(wo::gridFrame, grid) == 'Y';
  g.rightToLeft = !multiWheel && def.gridLetter(wo::gridRightToLeft, grid) == 'Y';
  g.repeat = def.gridLetter(wo::gridRepeat, grid) == 'Y';
  return g;
}

void GridPointLists(char letter, bool multiWheel, std::vector<int>& across, std::vector<int>& down) {
  across.clear();
  down.clear();
  switch (letter) {
    case 'A':
      if (multiWheel) Range(across, 0, 12), Range(down, 0, 12);
      else Range(across, 0, 11), Range(down, 1, 12);
      break;
    case 'B':
      if (multiWheel) Range(across, 0, 13), Range(down, 0, 17);
      else Range(across, 0, 12), Range(down, 1, 17);
      break;
    case 'C':
      if (multiWheel) Range(across, 13, 17), Range(down, 13, 17);
      else Range(across, 13, 16), Range(down, 14, 17);
      break;
    case 'D':
      if (multiWheel) Range(across, 0, 17), Range(down, 0, 17);
      else Range(across, 0, 16), Range(down, 1, 17);
      break;
    default: break;
  }
}

bool GridLayout::CellExists(int k, int j) const {
  if (k < 1 || k > static_cast<int>(across.size()) || j < 0 || j >= static_cast<int>(down.size()))
    return false;
  return !single || across[k - 1] < down[j];
}

int GridLayout::CellCount() const {
  int n = 0;
  for (int k = 1; k <= static_cast<int>(across.size()); ++k)
    for (int j = 0; j < static_cast<int>(down.size()); ++j) n += CellExists(k, j);
  return n;
}

GridLayout ComputeGridLayout(const WheelPage& page, int grid) {
  GridLayout g;
  const PageMetrics& m = page.M();
  const WheelDefinition& def = page.def;
  const GridSettings set = ReadGridSettings(def, grid, page.Multi());
  g.single = !page.Multi();
  g.rightToLeft = set.rightToLeft;
  GridPointLists(set.points, page.Multi(), g.across, g.down);
  g.areaLeft = m.PageX(def.gridValue(wo::gridLeft, grid));
  g.areaTop = m.PageY(def.gridValue(wo::gridTop, grid));
  g.areaRight = std::min(m.PageX(def.gridValue(wo::gridRight, grid)), m.pageWidth);
  g.areaBottom = std::min(m.PageY(def.gridValue(wo::gridBottom, grid)), m.pageHeight);
  if (g.across.empty() || set.Items() == 0) return g;

  const Margins margins = GridMargins(set, g.single);
  g.t = g.areaTop + RoundEven(m.height * margins.top);
  g.b = g.areaBottom + RoundEven(m.height * margins.bottom);
  g.l = g.areaLeft - RoundEven(m.width * margins.left);
  g.r = g.areaRight - RoundEven(m.width * margins.right);
  // One column and one row more than points: the edge glyphs' band.
  const int columns = static_cast<int>(g.across.size()) + 1, rows = static_cast<int>(g.down.size()) + 1;
  g.cellWidth = (g.r - g.l) / columns;
  g.cellHeight = (g.b - g.t) / rows;
  if (g.cellWidth <= 0 || g.cellHeight <= 0) return g;
  g.r = g.l + columns * g.cellWidth;
  g.b = g.t + rows * g.cellHeight;
  g.frameInset = set.frame && page.setup.doubleLines ? page.setup.u : 0;
  g.frameInsetDown = RoundEven(g.frameInset * m.k);
  g.drawn = true;
  return g;
}

namespace {

// Fractions of the cell height and width the cell contents are placed by.
constexpr double kTwoItemSpacing = 0.5;     // line spacing of two items, of the cell height
constexpr double kThreeItemSpacing = 0.31;  // line spacing of three items, of the cell height
constexpr double kOneItemLift = -0.55;      // a single item's lift from the baseline, of the cell height
constexpr double kOneItemLineRoom = 0.6;    // text height room of a single item, of the cell height
constexpr double kCellBaseline = 0.75;  // baseline of the bottom item below the cell top, of the height
constexpr double kCellTextInset = 0.1;  // left inset of the cell contents, of the cell width
// Fit of the cell fonts, as shares of the cell width.
constexpr double kGlyphPairWidth = 0.85;  // room for two aspect glyphs
constexpr double kNarrowOrbWidth = 0.8;   // an orb under 10 degrees with its marks
constexpr double kWideOrbWidth = 0.75;    // an orb of 10 degrees or more with its marks
constexpr double kDistanceWidth = 0.9;    // a distance with its marks and a gap
// Placement of aspect glyphs and names, as shares of the cell width.
constexpr double kSingleGlyphCentre = 0.4;     // centre of a lone glyph from the content inset
constexpr double kFirstOfTwoStart = 0.05;      // start of the first of two items
constexpr double kSecondOfTwoStart = 0.25;     // start of the second of two items
constexpr double kOrbMarkStart = 0.7;          // applying/separating mark after a narrow orb
constexpr double kWideOrbMarkStart = 0.8;      // mark after a wide orb, before its pull-back
constexpr double kWideOrbMarkPullBack = 0.05;  // which the mark after a wide orb moves back

// Where the items of every cell stand and how large they are drawn.
struct CellStyle {
  int items = 0;     // 1..3 items per cell
  int spacing = 0;   // line spacing between items
  int lift = 0;      // lift of the bottom item from the cell baseline
  int orbRow = 0;    // rows of spacing between the orb and the bottom item
  int lineRoom = 0;  // text height a line may take
  char textFont = 'A';
  int glyphSize = 0;
  int textSize = 0;
  int glyphWidth = 0;  // width of one aspect glyph
  int ringB = 1;       // ring of the points down the page
  int32_t cellColour = 0;
};

// The visual column range of each visual row and the row range of each
// column, so that every line follows the cells on either side of it.
struct CellSpans {
  std::vector<std::pair<int, int>> rowColumns, columnRows;
};

CellSpans GridCellSpans(const GridLayout& g) {
  const int across = static_cast<int>(g.across.size()), down = static_cast<int>(g.down.size());
  CellSpans spans{std::vector<std::pair<int, int>>(down, {across + 1, 0}),
                  std::vector<std::pair<int, int>>(across + 2, {down, -1})};
  for (int k = 1; k <= across; ++k)
    for (int j = 0; j < down; ++j)
      if (g.CellExists(k, j)) {
        const int c = g.VisualColumn(k), r = g.VisualRow(j);
        auto& row = spans.rowColumns[r];
        auto& column = spans.columnRows[c];
        row = {std::min(row.first, c), std::max(row.second, c)};
        column = {std::min(column.first, r), std::max(column.second, r)};
      }
  return spans;
}

void DrawGridLines(const WheelPage& page, const GridLayout& g) {
  DrawingSurface& s = page.s;
  const int across = static_cast<int>(g.across.size()), down = static_cast<int>(g.down.size());
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(page.M().baseWidth);
  s.SetPenColour(page.def.I32(wo::frameColour));
  const CellSpans spans = GridCellSpans(g);
  const int cellWidth = g.cellWidth, cellHeight = g.cellHeight;
  for (int i = 0; i <= down; ++i) {
    int from = across + 1, to = 0;
    for (int r : {i - 1, i})
      if (r >= 0 && r < down && spans.rowColumns[r].second > 0)
        from = std::min(from, spans.rowColumns[r].first), to = std::max(to, spans.rowColumns[r].second);
    if (to == 0) continue;
    const int y = g.t + i * cellHeight;
    s.Line(g.l + from * cellWidth, y, g.l + (to + 1) * cellWidth, y);
  }
  for (int c = 1; c <= across + 1; ++c) {
    int from = down, to = -1;
    for (int col : {c - 1, c})
      if (col >= 1 && col <= across && spans.columnRows[col].second >= 0)
        from = std::min(from, spans.columnRows[col].first),
        to = std::max(to, spans.columnRows[col].second);
    if (to < 0) continue;
    const int x = g.l + c * cellWidth;
    s.Line(x, g.t + from * cellHeight, x, g.t + (to + 1) * cellHeight);
  }
}

// The point glyphs along the edges: those of S beside the rows, those of F
// below the columns and, when repeated, above them.
void DrawGridPointGlyphs(const WheelPage& page, const GridLayout& g, const GridSettings& set) {
  DrawingSurface& s = page.s;
  const WheelDefinition& def = page.def;
  const int across = static_cast<int>(g.across.size()), down = static_cast<int>(g.down.size());
  const int cellWidth = g.cellWidth, cellHeight = g.cellHeight;
  s.SetFont('A', def.I16(wo::gridGlyphSize), def.I32(wo::tableColour), def.Style(wo::gridGlyphStyle));
  for (int j = 0; j < down; ++j) {
    const int y = g.t + cellHeight / 2 + g.VisualRow(j) * cellHeight;
    // Left to right the glyphs stand in the middle of the band before the
    // first column, clear of its cells.
    int x = g.rightToLeft ? (g.r + g.areaRight - g.frameInset) / 2 : g.l + cellWidth / 2;
    s.DrawGlyph(GlyphKind::Point, g.down[j], x, GlyphAnchor::Centre, y);
  }
  // Below the last row the frame's line (at the area's bottom) parts the
  // room inside the frame from the band under it; the glyphs are centred in
  // the larger of the two, clear of the last row's cells and of the line.
  const int lastRow = g.t + down * cellHeight;
  const int frameBottom = g.areaBottom - g.frameInsetDown;
  const int belowGrid = frameBottom - lastRow >= g.b - g.areaBottom ? (lastRow + frameBottom) / 2
                                                                    : (g.areaBottom + g.b) / 2;
  const int aboveGrid = (g.areaTop + g.frameInsetDown + g.t) / 2;
  for (int k = 1; k <= across; ++k) {
    const int centreX = g.l + g.VisualColumn(k) * cellWidth + cellWidth / 2;
    int x = centreX;
    s.DrawGlyph(GlyphKind::Point, g.across[k - 1], x, GlyphAnchor::OwnCentre, belowGrid);
    if (!set.repeat) continue;
    x = centreX;
    // The second copy stands above the grid, or on a single wheel on the
    // diagonal where the point would meet itself.
    if (k == 1 || !g.single || k - 2 >= down)
      s.DrawGlyph(GlyphKind::Point, g.across[k - 1], x, GlyphAnchor::CentreOnAscent, aboveGrid);
    else
      s.DrawGlyph(GlyphKind::Point, g.across[k - 1], x, GlyphAnchor::CentreOnAscent,
                  g.t + g.VisualRow(k - 2) * cellHeight + cellHeight / 2);
  }
}

// The largest font size, at most `size`, for which `fits` holds.
int FittingSize(int size, const std::function<bool(int)>& fits) {
  int s = std::max(size, kSmallestCellFont);
  while (s > kSmallestCellFont && !fits(s)) --s;
  return s;
}

// The line spacing and font sizes of the cells. The cells have no font size
// of their own: the grid glyph size, made smaller until the widest orb, its
// mark and the glyphs fit the cell.
CellStyle ChooseCellStyle(const WheelPage& page, const GridLayout& g, const GridSettings& set) {
  DrawingSurface& s = page.s;
  const WheelDefinition& def = page.def;
  const int cellWidth = g.cellWidth, cellHeight = g.cellHeight;
  CellStyle st;
  const int n = st.items = set.Items();
  st.spacing = n == 1   ? 0
               : n == 2 ? RoundEven(kTwoItemSpacing * cellHeight)
                        : RoundEven(kThreeItemSpacing * cellHeight);
  st.lift = n == 1   ? RoundEven(kOneItemLift * cellHeight)
            : n == 2 ? -(cellHeight / 5)
                     : -(cellHeight / 18);
  st.orbRow = n == 1 || (n == 2 && !set.distances) ? 0 : 1;
  st.lineRoom = n == 1 ? RoundEven(kOneItemLineRoom * cellHeight) : std::max(1, st.spacing);
  st.textFont = def.Letter(wo::gridFont);
  const int gridSize = def.I16(wo::gridGlyphSize) > 0 ? def.I16(wo::gridGlyphSize) : 10;
  st.glyphSize = FittingSize(gridSize, [&](int size) {
    s.SetFont('A', size, 0, TextStyle::Normal);
    return 2 * s.TextWidth("n") <= RoundEven(kGlyphPairWidth * cellWidth) &&
           s.TextHeight("n") <= st.lineRoom;
  });
  st.textSize = FittingSize(gridSize, [&](int size) {
    s.SetFont('A', size, 0, TextStyle::Normal);
    const int marks = s.TextWidth("}") + s.TextWidth("'");
    s.SetFont(st.textFont, size, 0, TextStyle::Normal);
    const int narrow = s.TextWidth(" 9") + s.TextWidth("59") + marks;
    const int wide = s.TextWidth("10") + s.TextWidth("00") + marks;
    const int mark = std::max(s.TextWidth("A"), s.TextWidth("S"));
    const int dist = s.TextWidth("180") + s.TextWidth("00") + marks;
    const int narrowRoom = RoundEven(kNarrowOrbWidth * cellWidth);
    const bool orbsFit = !set.orbs ||
                         (narrow < narrowRoom && wide < RoundEven(kWideOrbWidth * cellWidth) &&
                          mark <= cellWidth - narrowRoom + 1);
    const bool distanceFits = !set.distances ||
                              dist + page.M().gapX <= RoundEven(kDistanceWidth * cellWidth);
    return orbsFit && distanceFits && s.TextHeight("0") <= st.lineRoom;
  });
  s.SetFont('A', st.glyphSize, 0, TextStyle::Normal);
  st.glyphWidth = s.TextWidth("n");
  st.ringB = g.single ? 1 : 2;
  st.cellColour = def.I32(wo::gridCellColour);
  return st;
}

// One cell being drawn: its points, where its lines stand and the aspects it lists.
struct CellPlace {
  int a = 0, b = 0;
  int left = 0;  // x of the contents
  int glyphLine = 0, orbLine = 0, distanceLine = 0;
  AspectResult found{};
  std::vector<FoundAspect> listed;
};

// The aspects of a cell in result order: those with a glyph, and those
// without one when the grid shows short names too.
void FindCellAspects(const WheelPage& page, const GridSettings& set, const CellStyle& st,
                     CellPlace& cell) {
  if (set.glyphs == 'N' && !set.orbs) return;
  cell.found = FindAspects(page.aspects, page.rings, cell.a, 1, cell.b, st.ringB);
  for (int place = 0; place < 2; ++place) {
    if (!cell.found[place].Found()) continue;
    const bool glyph = AspectGlyphOf(page.aspects.Entry(cell.found[place].aspect)) != kNoAspectGlyph;
    if (glyph || set.glyphs == 'B') cell.listed.push_back(cell.found[place]);
  }
}

// The short name of an aspect without a glyph; the first of two named
// aspects is cut to two letters, in lower case when that is narrower.
std::string CellAspectName(const WheelPage& page, const CellStyle& st, const FoundAspect& aspect,
                           bool cutShort) {
  std::string name = page.aspects.set.ShortName(aspect.aspect);
  if (!cutShort) return name;
  name = name.substr(0, 2);
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (st.items == 1 && page.s.TextWidth(lower) < page.s.TextWidth(name)) name = lower;
  return name;
}

void DrawCellAspects(const WheelPage& page, const GridLayout& g, const CellStyle& st,
                     const CellPlace& cell) {
  DrawingSurface& s = page.s;
  const int cellWidth = g.cellWidth;
  const std::vector<FoundAspect>& listed = cell.listed;
  const bool bothNamed = listed.size() == 2 &&
                         AspectGlyphOf(page.aspects.Entry(listed[0].aspect)) == kNoAspectGlyph &&
                         AspectGlyphOf(page.aspects.Entry(listed[1].aspect)) == kNoAspectGlyph;
  int nextFree = 0;  // a second item never starts on the first
  for (size_t i = 0; i < listed.size(); ++i) {
    const AspectEntry e = page.aspects.Entry(listed[i].aspect);
    const int32_t colour = AspectColour(e, s.Device());
    const int glyph = AspectGlyphOf(e);
    int x = listed.size() == 1
                ? cell.left +
                      RoundEven(cellWidth * (kSingleGlyphCentre - st.glyphWidth / (2.0 * cellWidth)))
                : cell.left + RoundEven((i == 0 ? kFirstOfTwoStart : kSecondOfTwoStart) * cellWidth);
    x = std::max(x, nextFree);
    if (glyph != kNoAspectGlyph) {
      s.SetFont('A', st.glyphSize, colour, TextStyle::Normal);
      s.DrawGlyph(GlyphKind::Aspect, glyph, x, GlyphAnchor::TopLeft, cell.glyphLine);
      nextFree = x + 1;
    } else {
      s.SetFont(st.textFont, st.textSize, colour, TextStyle::Normal);
      const std::string name = CellAspectName(page, st, listed[i], bothNamed && i == 0);
      if (listed.size() == 1) x = cell.left - cellWidth / 10 + (cellWidth - s.TextWidth(name)) / 2;
      s.TextAt(x, cell.glyphLine, name);
      nextFree = x + s.TextWidth(name) + 1;
    }
  }
}

// The orb of result place 1, whichever aspects are listed, with its
// applying or separating mark.
void DrawCellOrb(const WheelPage& page, const GridLayout& g, const CellStyle& st, const CellPlace& cell,
                 int32_t colour) {
  DrawingSurface& s = page.s;
  const int cellWidth = g.cellWidth;
  const FoundAspect& first = cell.found[0].Found() ? cell.found[0] : cell.listed.front();
  const bool wide = first.orb >= kWideOrb;
  s.SetFont(st.textFont, st.textSize, TextColour(colour, s.Device()), TextStyle::Normal);
  const int orbX = wide ? cell.left : cell.left - RoundEven(kCellTextInset * cellWidth);
  s.DrawValue(orbX, cell.orbLine, ValueFormat{.font = st.textFont}, first.orb);
  const int markX = wide ? cell.left + RoundEven(kWideOrbMarkStart * cellWidth) -
                               RoundEven(kWideOrbMarkPullBack * cellWidth)
                         : cell.left + RoundEven(kOrbMarkStart * cellWidth);
  s.TextAt(markX, cell.orbLine + page.M().baseOffset, std::string(1, first.mark));
}

void DrawCellDistance(const WheelPage& page, const CellStyle& st, const CellPlace& cell,
                      int32_t colour) {
  DrawingSurface& s = page.s;
  const double dist = AngularDistance(page.rings.Ring(1).lon[cell.a],
                                      page.rings.Ring(st.ringB).lon[cell.b]);
  s.SetFont(st.textFont, st.textSize, TextColour(colour, s.Device()), TextStyle::Normal);
  const bool wide = SplitHours(dist).hours >= 100;
  const int gapX = page.M().gapX;
  s.DrawValue(cell.left + (wide ? gapX / 4 : gapX), cell.distanceLine,
              ValueFormat{.degreeWidth = 3, .alignment = 3, .font = st.textFont}, dist);
}

// Draws the cell of the k-th point across and the j-th point down.
GridCell DrawGridCell(const WheelPage& page, const GridLayout& g, const GridSettings& set,
                      const CellStyle& st, int k, int j) {
  CellPlace cell;
  cell.a = g.across[k - 1];
  cell.b = g.down[j];
  const int cellWidth = g.cellWidth, cellHeight = g.cellHeight;
  cell.left = g.l + cellWidth / 10 + g.VisualColumn(k) * cellWidth;
  const int baseline = g.t + RoundEven(kCellBaseline * cellHeight) + g.VisualRow(j) * cellHeight;
  cell.glyphLine = baseline + st.lift - (st.items - 1) * st.spacing;
  cell.orbLine = baseline + st.lift - st.orbRow * st.spacing;
  cell.distanceLine = baseline + st.lift;
  FindCellAspects(page, set, st, cell);
  int32_t colour = st.cellColour;
  if (!cell.listed.empty())
    colour = AspectColour(page.aspects.Entry(cell.listed.back().aspect), page.s.Device());

  if (set.glyphs != 'N') DrawCellAspects(page, g, st, cell);
  const bool orbShown = set.orbs && !cell.listed.empty();
  if (orbShown) DrawCellOrb(page, g, st, cell, colour);
  if (set.distances) DrawCellDistance(page, st, cell, colour);
  return {k, j, cell.a, cell.b, static_cast<int>(cell.listed.size()), orbShown, set.distances};
}

}  // namespace

GridLayout DrawAspectGrid(const WheelPage& page, int grid, std::vector<GridCell>* cells) {
  GridLayout g = ComputeGridLayout(page, grid);
  if (!g.drawn) return g;
  const GridSettings set = ReadGridSettings(page.def, grid, page.Multi());
  DrawGridLines(page, g);
  DrawGridPointGlyphs(page, g, set);
  const CellStyle style = ChooseCellStyle(page, g, set);
  for (int k = 1; k <= static_cast<int>(g.across.size()); ++k)
    for (int j = 0; j < static_cast<int>(g.down.size()); ++j) {
      if (!g.CellExists(k, j)) continue;
      const GridCell cell = DrawGridCell(page, g, set, style, k, j);
      if (cells) cells->push_back(cell);
    }
  if (set.frame) {
    page.s.SetPenStyle(kPenSolid);
    page.s.SetPenWidth(page.M().baseWidth);
    page.s.Frame(g.areaLeft, g.areaTop, g.areaRight, g.areaBottom, true);
  }
  return g;
}

}  // namespace vostrane
