#include "wheel/PositionTables.h"

#include <algorithm>

#include "shell/AngleTime.h"
#include "wheel/PointRanges.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

// The entry's body slot of a wheel point 0..17.
int EntrySlot(int point) { return point <= 12 ? point : point + 3; }

bool Heliocentric(char c) { return c == 'G' || c == 'H' || c == 'I'; }

// The upper word of a two-word heading, "" for one word.
std::string UpperHeading(char c, bool tropical) {
  switch (c) {
    case 'F': return tropical ? "Sider" : "Trop.";
    case 'G':
    case 'H':
    case 'I': return "Helio";
    case 'J':
    case 'K': return "Compos.";
    default: return "";
  }
}

std::string LowerHeading(char c, bool tropical) {
  switch (c) {
    case 'A': return "Long.";
    case 'B': return "Decl.";
    case 'C': return "Speed";
    case 'D': return "Lat.";
    case 'E': return "R.A.";
    case 'F':
    case 'G':
    case 'J': return "Long.";
    case 'H': return "Lat.";
    case 'I': return tropical ? "Sider" : "Trop.";
    case 'K': return "Decl.";
    default: return "";
  }
}

// Whether column c has a value for point p.
bool HasValue(char c, int p) {
  if (c == 'G') return p < 10 || p > 12;
  if (c == 'H' || c == 'I') return p != 10;
  return true;
}

}  // namespace

bool PositionColumnShown(char column, bool multiWheel) {
  return column >= 'A' && column <= (multiWheel ? 'K' : 'I');
}

std::vector<int> PositionTableRows(char rangeLetter, bool heliocentricOnly) {
  const std::vector<PointRun> runs = RangeRuns(rangeLetter);
  std::vector<int> rows;
  for (const PointRun& run : runs)
    for (int p = run.first; p <= run.last; ++p)
      if (p < 10 || p > 12) rows.push_back(p);
  for (const PointRun& run : runs)
    for (int p = std::max(run.first, 10); p <= std::min(run.last, 12); ++p) rows.push_back(p);
  if (heliocentricOnly)
    std::erase_if(rows, [](int p) { return p == 1 || (p >= 10 && p <= 12); });
  return rows;
}

PositionTableBox DrawPositionTable(const WheelPage& page, int index) {
  PositionTableBox box;
  const std::string def = page.def.positionTableDef(index);
  const char range = def[0];
  const bool multi = page.Multi();
  std::vector<char> columns;
  for (int i = 1; i <= 3; ++i)
    if (PositionColumnShown(def[i], multi)) columns.push_back(def[i]);
  const std::vector<PointRun> runs = RangeRuns(range);
  if (columns.empty() || runs.empty()) return box;

  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const ChartEntry& e = page.Inner();
  const RingChart& ring1 = page.rings.Ring(1);
  const RingChart& ring2 = page.rings.Ring(2);
  const ChartEntry* second = page.charts[1];
  const bool tropical = e.zodsel() == 'T';
  const int gx = m.gapX;
  const int lh = m.lineHeight;

  // Widths in the fonts of the table.
  page.UseTableFont();
  const int w0 = s.TextWidth("0");
  const int wN = std::max(s.TextWidth("N"), s.TextWidth("S"));
  page.UseTableGlyphs(page.def.I32(wo::tableColour));
  const int wSign = s.TextWidth("[");
  const int wPoint = std::max(s.TextWidth(";"), s.TextWidth("l"));
  const bool seconds = std::any_of(runs.begin(), runs.end(), [](const PointRun& r) { return r.first < 2; });
  // The few pixels of room the widths add are device pixels on every
  // device; the digit widths and gaps carry the scale.
  const int px3 = 3, px5 = 5, px6 = 6;
  auto widthOf = [&](char c) {
    switch (c) {
      case 'A': return 7 * w0 + wSign + 5 * gx + px6 - (seconds ? 0 : w0 + gx);
      case 'C': return 6 * w0 + gx;
      case 'E':
      case 'F':
      case 'G':
      case 'I':
      case 'J': return 4 * w0 + wSign + 5 * gx + px6;
      default: return 4 * w0 + wN + 5 * gx + px3;
    }
  };

  const PagePlace place = page.def.positionTablePlace(index);
  const int x = m.PageX(place.x), y = m.PageY(place.y);
  int colX = x + 3 * gx + wPoint + 2 * gx;
  std::vector<int> widths;
  for (char c : columns) {
    box.columnLeft.push_back(colX);
    widths.push_back(widthOf(c));
    colX += widths.back();
  }
  const bool twoWords = std::any_of(columns.begin(), columns.end(),
                                    [&](char c) { return !UpperHeading(c, tropical).empty(); });
  const int headRow = y + m.halfLine + (twoWords ? lh : 0);

  page.UseHeadingFont();
  for (size_t i = 0; i < columns.size(); ++i) {
    const int l = box.columnLeft[i], r = l + RoundEven(0.8 * widths[i]);
    const std::string upper = UpperHeading(columns[i], tropical);
    if (!upper.empty()) s.TextCentred(upper, l, r, headRow - lh + m.baseOffset);
    s.TextCentred(LowerHeading(columns[i], tropical), l, r, headRow + m.baseOffset);
  }

  const bool helioOnly = std::all_of(columns.begin(), columns.end(), Heliocentric);
  box.rows = PositionTableRows(range, helioOnly);
  const char font = page.def.Letter(wo::tableFont);
  const int32_t colour = page.def.I32(wo::tableColour);
  int row = headRow;
  for (int p : box.rows) {
    row += lh;
    page.UseTableGlyphs(colour);
    int gxPos = x + 3 * gx;
    s.DrawGlyph('P', p, gxPos, 'X', row);
    page.UseTableFont();
    const int slot = EntrySlot(p);
    // The angles' speeds are lifted by a circle in the ring arrays; the
    // table shows their real daily motion.
    const double speed = ring1.speed[p] - (p == 11 || p == 12 ? 360.0 : 0.0);
    for (size_t i = 0; i < columns.size(); ++i) {
      const char c = columns[i];
      const int cx = box.columnLeft[i];
      const int ty = row + m.baseOffset;
      if (!HasValue(c, p)) continue;
      switch (c) {
        case 'A':
          s.DrawLongitude(cx, row, font, 'W', 'N', seconds && p <= 1 ? 'Y' : 'N', ring1.lon[p]);
          if (speed < 0) {
            page.UseTableGlyphs(colour);
            int rx = cx + wSign + 4 * w0 + 3 * gx + px5;
            s.DrawGlyph('L', static_cast<unsigned char>(kRetrogradeMark), rx, ' ', row);
            page.UseTableFont();
          }
          break;
        case 'B': s.DrawDeclination(cx, ty, PointDeclination(e, p)); break;
        case 'C': s.DrawValue(cx - w0, ty, 'N', 2, 0, font, 'N', 'Y', 'Y', speed); break;
        case 'D': s.DrawDeclination(cx, ty, e.body(BodyArray::Lat, slot)); break;
        case 'E': s.DrawLongitude(cx, row, font, 'W', 'N', 'N', e.body(BodyArray::Ra, slot)); break;
        case 'F': s.DrawLongitude(cx, row, font, 'W', 'N', 'N', Modulo(360.0, ring1.lon[p] - e.ayan())); break;
        case 'G': s.DrawLongitude(cx, row, font, 'W', 'N', 'N', e.body(BodyArray::HLon, slot)); break;
        case 'H': s.DrawDeclination(cx, ty, e.body(BodyArray::HLat, slot)); break;
        case 'I':
          s.DrawLongitude(cx, row, font, 'W', 'N', 'N',
                          Modulo(360.0, e.body(BodyArray::HLon, slot) - e.ayan()));
          break;
        case 'J': s.DrawLongitude(cx, row, font, 'W', 'N', 'N', Midpoint(ring1.lon[p], ring2.lon[p])); break;
        case 'K': {
          const double d2 = second ? PointDeclination(*second, p) : 0.0;
          s.DrawDeclination(cx, ty, (PointDeclination(e, p) + d2) / 2.0);
          break;
        }
        default: break;
      }
    }
  }

  box.drawn = true;
  box.left = x;
  box.top = y;
  box.right = std::min(colX, m.pageWidth - 1);
  box.bottom = row + RoundEven(1.3 * lh);
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.Frame(box.left, box.top, box.right, box.bottom, 'Y');
  return box;
}

void DrawPositionTables(const WheelPage& page) {
  for (int i = 0; i < 5; ++i) DrawPositionTable(page, i);
}

}  // namespace vostrane
