#include "wheel/AspectGrid.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

#include "shell/AngleTime.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

// Orbs shown as 10 degrees or more (9.9917 rounds to 10 degrees 00 minutes).
constexpr double kWideOrb = 9.9917;
constexpr int kSmallestCellFont = 4;

struct Margins {
  double m1 = 0, m2 = 0, m3 = 0, m4 = 0;
};

Margins GridMargins(const GridSettings& g, bool single) {
  Margins m;
  switch (g.Items()) {
    case 1:
      m = g.glyphs == 'G' ? Margins{0.01, 0.0005, 0, 0.006} : Margins{0.01, 0.0022, 0.025, 0.013};
      break;
    case 2:
      m = {0.01, g.points == 'A' ? 0.0098 : g.points == 'C' ? 0.014 : 0.0094, 0.035, 0.013};
      break;
    default:
      if (g.points != 'C')
        m = {0.01, 0.027, 0.04, 0.013};
      else if (g.rightToLeft && single)
        m = {0.01, 0.057, 0.12, 0.013};
      else
        m = {0.01, 0.027, 0.03, 0.013};
      break;
  }
  if (g.rightToLeft && single) {
    m.m1 *= 2;
    m.m4 *= 2;
    m.m2 /= 2;
    m.m3 /= 2;
  } else if (g.repeat) {
    m.m1 *= 2;
  }
  return m;
}

void Range(std::vector<int>& list, int first, int last) {
  for (int p = first; p <= last; ++p) list.push_back(p);
}

// Colour number of an aspect: byte 7 on the screen, byte 11 on paper; on
// the screen aqua is drawn blue and yellow black, which read on white.
int32_t AspectColour(const AspectEntry& e, char device) {
  int c = device == 'S' ? e.screenColour : e.printColour;
  if (c > 15) c = 7;
  if (device == 'S' && c == 11) c = 9;
  if (device == 'S' && c == 14) c = 0;
  return c;
}

// Lime does not read on white: the screen draws orbs and distances green.
int32_t TextColour(int32_t colour, char device) { return device == 'S' && colour == 10 ? 2 : colour; }

// The largest font size, at most `size`, for which `fits` holds.
int FittingSize(int size, const std::function<bool(int)>& fits) {
  int s = std::max(size, kSmallestCellFont);
  while (s > kSmallestCellFont && !fits(s)) --s;
  return s;
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
    default:
      break;
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
  g.L0 = m.PageX(def.gridValue(wo::gridLeft, grid));
  g.T0 = m.PageY(def.gridValue(wo::gridTop, grid));
  g.R0 = std::min(m.PageX(def.gridValue(wo::gridRight, grid)), m.pageWidth);
  g.B0 = std::min(m.PageY(def.gridValue(wo::gridBottom, grid)), m.pageHeight);
  if (g.across.empty() || set.Items() == 0) return g;

  const Margins mg = GridMargins(set, g.single);
  g.t = g.T0 + RoundEven(m.height * mg.m1);
  g.b = g.B0 + RoundEven(m.height * mg.m2);
  g.l = g.L0 - RoundEven(m.width * mg.m3);
  g.r = g.R0 - RoundEven(m.width * mg.m4);
  const int nf = static_cast<int>(g.across.size()), ns = static_cast<int>(g.down.size());
  g.cw = (g.r - g.l) / (nf + 1);
  g.ch = (g.b - g.t) / (ns + 1);
  if (g.cw <= 0 || g.ch <= 0) return g;
  g.r = g.l + (nf + 1) * g.cw;
  g.b = g.t + (ns + 1) * g.ch;
  g.f = set.frame && page.setup.doubleLines ? page.setup.u : 0;
  g.fk = RoundEven(g.f * m.k);
  g.drawn = true;
  return g;
}

GridLayout DrawAspectGrid(const WheelPage& page, int grid, std::vector<GridCell>* cells) {
  GridLayout g = ComputeGridLayout(page, grid);
  if (!g.drawn) return g;
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const WheelDefinition& def = page.def;
  const GridSettings set = ReadGridSettings(def, grid, page.Multi());
  const int nf = static_cast<int>(g.across.size()), ns = static_cast<int>(g.down.size());
  const int cw = g.cw, ch = g.ch;
  const char device = s.Device();
  const int fk = g.fk;

  // ---- Lines: each follows the cells on either side of it ----
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.SetPenColour(def.I32(wo::frameColour));
  // Visual column range of each visual row and row range of each column.
  std::vector<std::pair<int, int>> rowSpan(ns, {nf + 1, 0}), colSpan(nf + 2, {ns, -1});
  for (int k = 1; k <= nf; ++k)
    for (int j = 0; j < ns; ++j)
      if (g.CellExists(k, j)) {
        const int c = g.VisualColumn(k), r = g.VisualRow(j);
        rowSpan[r] = {std::min(rowSpan[r].first, c), std::max(rowSpan[r].second, c)};
        colSpan[c] = {std::min(colSpan[c].first, r), std::max(colSpan[c].second, r)};
      }
  for (int i = 0; i <= ns; ++i) {
    int from = nf + 1, to = 0;
    for (int r : {i - 1, i})
      if (r >= 0 && r < ns && rowSpan[r].second > 0)
        from = std::min(from, rowSpan[r].first), to = std::max(to, rowSpan[r].second);
    if (to == 0) continue;
    const int y = g.t + i * ch;
    s.Line(g.l + from * cw, y, g.l + (to + 1) * cw, y);
  }
  for (int c = 1; c <= nf + 1; ++c) {
    int from = ns, to = -1;
    for (int col : {c - 1, c})
      if (col >= 1 && col <= nf && colSpan[col].second >= 0)
        from = std::min(from, colSpan[col].first), to = std::max(to, colSpan[col].second);
    if (to < 0) continue;
    const int x = g.l + c * cw;
    s.Line(x, g.t + from * ch, x, g.t + (to + 1) * ch);
  }

  // ---- Point glyphs along the edges ----
  const int32_t tableColour = def.I32(wo::tableColour);
  s.SetFont('A', def.I16(wo::gridGlyphSize), tableColour, def.Letter(wo::gridGlyphStyle));
  for (int j = 0; j < ns; ++j) {
    const int y = g.t + ch / 2 + g.VisualRow(j) * ch;
    int x = g.rightToLeft ? (g.r + g.R0 - g.f) / 2 : (g.L0 + g.f + g.l + cw) / 2;
    s.DrawGlyph('P', g.down[j], x, 'C', y);
  }
  for (int k = 1; k <= nf; ++k) {
    const int cx = g.l + g.VisualColumn(k) * cw + cw / 2;
    int x = cx;
    s.DrawGlyph('P', g.across[k - 1], x, 'd', (g.t + ns * ch + g.B0 - fk) / 2);
    if (!set.repeat) continue;
    x = cx;
    // The second copy stands above the grid, or on a single wheel on the
    // diagonal where the point would meet itself.
    if (k == 1 || !g.single || k - 2 >= ns)
      s.DrawGlyph('P', g.across[k - 1], x, 'd', (g.T0 + fk + g.t) / 2);
    else
      s.DrawGlyph('P', g.across[k - 1], x, 'd', g.t + g.VisualRow(k - 2) * ch + ch / 2);
  }

  // ---- Cell contents ----
  const int n = set.Items();
  const int spacing = n == 1 ? 0 : n == 2 ? RoundEven(0.5 * ch) : RoundEven(0.31 * ch);
  const int lift = n == 1 ? RoundEven(-0.55 * ch) : n == 2 ? -(ch / 5) : -(ch / 18);
  const int d = n == 1 || (n == 2 && !set.distances) ? 0 : 1;
  const int lineRoom = n == 1 ? RoundEven(0.6 * ch) : std::max(1, spacing);
  const char textFont = def.Letter(wo::gridFont);
  const int gridSize = def.I16(wo::gridGlyphSize) > 0 ? def.I16(wo::gridGlyphSize) : 10;
  // The cells have no font size of their own: the grid glyph size, made
  // smaller until the widest orb, its mark and the glyphs fit the cell.
  const int glyphSize = FittingSize(gridSize, [&](int size) {
    s.SetFont('A', size, 0, 'N');
    return 2 * s.TextWidth("n") <= RoundEven(0.85 * cw) && s.TextHeight("n") <= lineRoom + 1;
  });
  const int textSize = FittingSize(gridSize, [&](int size) {
    s.SetFont('A', size, 0, 'N');
    const int marks = s.TextWidth("}") + s.TextWidth("'");
    s.SetFont(textFont, size, 0, 'N');
    const int narrow = s.TextWidth(" 9") + s.TextWidth("59") + marks;
    const int wide = s.TextWidth("10") + s.TextWidth("00") + marks;
    const int mark = std::max(s.TextWidth("A"), s.TextWidth("S"));
    const int dist = s.TextWidth("180") + s.TextWidth("00") + marks;
    const bool orbsFit = !set.orbs || (narrow < RoundEven(0.8 * cw) && wide < RoundEven(0.75 * cw) &&
                                       mark <= cw - RoundEven(0.8 * cw) + 1);
    const bool distanceFits = !set.distances || dist + m.gapX <= RoundEven(0.9 * cw);
    return orbsFit && distanceFits && s.TextHeight("0") <= lineRoom + 1;
  });
  s.SetFont('A', glyphSize, 0, 'N');
  const int glyphW = s.TextWidth("n");
  const int ringB = g.single ? 1 : 2;
  const int32_t cellColour = def.I32(wo::gridCellColour);

  for (int k = 1; k <= nf; ++k) {
    for (int j = 0; j < ns; ++j) {
      if (!g.CellExists(k, j)) continue;
      const int a = g.across[k - 1], b = g.down[j];
      const int xc = g.l + cw / 10 + g.VisualColumn(k) * cw;
      const int yc = g.t + RoundEven(0.75 * ch) + g.VisualRow(j) * ch;
      const int glyphLine = yc + lift - (n - 1) * spacing;
      const int orbLine = yc + lift - d * spacing;
      const int distLine = yc + lift;

      std::vector<FoundAspect> listed;
      AspectResult found{};
      if (set.glyphs != 'N' || set.orbs) {
        found = FindAspects(page.aspects, page.rings, a, 1, b, ringB);
        for (int place = 0; place < 2; ++place) {
          if (!found[place].Found()) continue;
          const bool glyph = AspectGlyphOf(page.aspects.Entry(found[place].aspect)) != kNoAspectGlyph;
          if (glyph || set.glyphs == 'B') listed.push_back(found[place]);
        }
      }
      int32_t colour = cellColour;
      if (!listed.empty()) colour = AspectColour(page.aspects.Entry(listed.back().aspect), device);

      if (set.glyphs != 'N') {
        const bool bothNamed = listed.size() == 2 &&
                               AspectGlyphOf(page.aspects.Entry(listed[0].aspect)) == kNoAspectGlyph &&
                               AspectGlyphOf(page.aspects.Entry(listed[1].aspect)) == kNoAspectGlyph;
        int nextFree = 0;  // a second item never starts on the first
        for (size_t i = 0; i < listed.size(); ++i) {
          const AspectEntry e = page.aspects.Entry(listed[i].aspect);
          const int32_t c = AspectColour(e, device);
          const int glyph = AspectGlyphOf(e);
          int x = listed.size() == 1 ? xc + RoundEven(cw * (0.4 - glyphW / (2.0 * cw)))
                                     : xc + RoundEven((i == 0 ? 0.05 : 0.25) * cw);
          x = std::max(x, nextFree);
          if (glyph != kNoAspectGlyph) {
            s.SetFont('A', glyphSize, c, 'N');
            s.DrawGlyph('A', glyph, x, ' ', glyphLine);
            nextFree = x + 1;
          } else {
            std::string name = page.aspects.set.ShortName(listed[i].aspect);
            s.SetFont(textFont, textSize, c, 'N');
            if (bothNamed && i == 0) {
              name = name.substr(0, 2);
              std::string lower = name;
              for (char& ch2 : lower) ch2 = static_cast<char>(std::tolower(static_cast<unsigned char>(ch2)));
              if (n == 1 && s.TextWidth(lower) < s.TextWidth(name)) name = lower;
            }
            if (listed.size() == 1) x = xc - cw / 10 + (cw - s.TextWidth(name)) / 2;
            s.TextAt(x, glyphLine, name);
            nextFree = x + s.TextWidth(name) + 1;
          }
        }
      }
      bool orbShown = false;
      if (set.orbs && !listed.empty()) {
        // The orb is that of result place 1, whichever aspects are listed.
        const FoundAspect& first = found[0].Found() ? found[0] : listed.front();
        const bool wide = first.orb >= kWideOrb;
        const int32_t c = TextColour(colour, device);
        s.SetFont(textFont, textSize, c, 'N');
        s.DrawValue(wide ? xc : xc - RoundEven(0.1 * cw), orbLine, 'N', 2, 0, textFont, 'N', 'Y', 'N',
                    first.orb);
        const int markX = wide ? xc + RoundEven(0.8 * cw) - RoundEven(0.05 * cw) : xc + RoundEven(0.7 * cw);
        s.TextAt(markX, orbLine + m.baseOffset, std::string(1, first.mark));
        orbShown = true;
      }
      if (set.distances) {
        const double dist = AngularDistance(page.rings.Ring(1).lon[a], page.rings.Ring(ringB).lon[b]);
        s.SetFont(textFont, textSize, TextColour(colour, device), 'N');
        const bool wide = SplitHours(dist).hours >= 100;
        s.DrawValue(xc + (wide ? m.gapX / 4 : m.gapX), distLine, 'N', 3, 3, textFont, 'N', 'Y', 'N', dist);
      }
      if (cells)
        cells->push_back({k, j, a, b, static_cast<int>(listed.size()), orbShown, set.distances});
    }
  }

  if (set.frame) {
    s.SetPenStyle(kPenSolid);
    s.SetPenWidth(m.baseWidth);
    s.Frame(g.L0, g.T0, g.R0, g.B0, 'Y');
  }
  return g;
}

}  // namespace vostrane
