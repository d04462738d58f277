// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/DialPage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "wheel/ChartTitle.h"
#include "wheel/GlyphMap.h"
#include "wheel/PageRoom.h"
#include "wheel/PointsPage.h"
#include "wheel/WheelStyleFile.h"
#include "platform/FileSystem.h"

namespace vostrane {

namespace {

constexpr char kTextFont = 'B';
constexpr char kGlyphFont = 'A';
constexpr int kTitleSize = 12;
constexpr int kTextSize = 9;
constexpr int kPointerColour = 4;  // red
constexpr int kTickColour = 8;     // grey
constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::string Degrees(double value) {
  long minutes = std::lround(std::fabs(value) * 60.0);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld\xB0%02ld'", minutes / 60, minutes % 60);
  return buf;
}

std::string GlyphOf(int point) { return std::string(1, GlyphChar(GlyphKind::Point, point)); }

// The glyphs of a pair with a slash of the text font between them (the
// glyph font's slash is a point's glyph); the x after them.
int DrawPair(DrawingSurface& s, int x, int y, const MidpointPair& m, int size) {
  s.SetFont(kGlyphFont, size, 0, TextStyle::Normal);
  s.TextAt(x, y, GlyphOf(m.a));
  x += s.TextWidth(GlyphOf(m.a));
  s.SetFont(kTextFont, size, 0, TextStyle::Normal);
  s.TextAt(x, y, "/");
  x += s.TextWidth("/");
  s.SetFont(kGlyphFont, size, 0, TextStyle::Normal);
  s.TextAt(x, y, GlyphOf(m.b));
  x += s.TextWidth(GlyphOf(m.b));
  s.SetFont(kTextFont, size, 0, TextStyle::Normal);
  return x;
}

// Where the parts of the page stand.
struct DialFrame {
  int left = 0, right = 0, top = 0, bottom = 0, lh = 0;
  int cx = 0, cy = 0, r = 0;  // the dial's centre and the radius of its rim
  double k = 1;
  int dialBottom = 0;  // below the rim's labels
  explicit DialFrame(const PageMetrics& m)
      : left(m.x0 + 2 * m.charWidth),
        right(m.x0 + m.width - 2 * m.charWidth),
        top(m.y0 + 4 * m.lineHeight),
        bottom(m.y0 + m.height - m.lineHeight),
        lh(m.lineHeight),
        k(m.k) {
    const int margin = 2 * lh;
    r = static_cast<int>(std::min(0.27 * (right - left), 0.2 * (bottom - top) / k));
    cx = left + margin + r;
    cy = top + margin + static_cast<int>(std::lround(r * k));
    dialBottom = cy + static_cast<int>(std::lround(r * k)) + margin;
  }
  // A place on the dial at a share of the rim's radius; 0 at the top, the
  // dial's degrees running counter-clockwise.
  Point At(double place, int modulus, double share) const {
    const double a = place / modulus * kTwoPi;
    return {cx - static_cast<int>(std::lround(share * r * std::sin(a))),
            cy - static_cast<int>(std::lround(share * r * k * std::cos(a)))};
  }
};

// Draws an item where it meets nothing drawn before (the nearest free
// place), and takes its room.
template <class Draw>
void PlaceItem(DrawingSurface& s, PageRoom& room, int item, Draw draw) {
  s.SetItem(item);
  std::vector<PageItem> drawn;
  DrawingSurface::Capture previous = s.BeginCapture(&drawn, true);
  draw();
  s.EndCapture(previous);
  s.SetOrigin(room.FreeOffset(drawn));
  drawn.clear();
  previous = s.BeginCapture(&drawn, false);
  draw();
  s.EndCapture(previous);
  s.SetOrigin({0, 0});
  room.Take(drawn);
  s.SetItem(0);
}

void TextCentredAt(DrawingSurface& s, Point p, const std::string& text) {
  s.TextAt(p.x - s.TextWidth(text) / 2, p.y - s.TextHeight(text) / 2, text);
}

// The rim with its degrees, the points, the pointer.
void DrawDial(DrawingSurface& s, const DialFrame& f, const DialPageInput& in) {
  const PageMetrics& m = s.Metrics();
  const int mod = in.modulus;
  const int ry = static_cast<int>(std::lround(f.r * f.k));
  s.SetPenColour(0);
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(2 * m.baseWidth);
  s.Ellipse(f.cx - f.r, f.cy - ry, f.cx + f.r, f.cy + ry);
  // A tick per degree (per 5 on the whole circle), longer at every label.
  const int tick = mod == 360 ? 5 : 1;
  const int label = mod == 360 ? 30 : 5;
  s.SetFont(kTextFont, kTextSize - 1, 0, TextStyle::Normal);
  for (int d = 0; d < mod; d += tick) {
    const bool major = d % label == 0;
    s.SetPenColour(major ? 0 : kTickColour);
    s.SetPenWidth(m.baseWidth);
    const Point a = f.At(d, mod, 1.0), b = f.At(d, mod, major ? 0.9 : 0.95);
    s.Line(a.x, a.y, b.x, b.y);
    if (major) TextCentredAt(s, f.At(d, mod, 1.0 + 1.1 * f.lh / f.r), std::to_string(d));
  }
  // The points' glyphs on an inner ring, pushed apart where they crowd,
  // each joined to its place on the rim.
  std::vector<std::pair<double, int>> places;
  for (const AspectPoint& p : in.points) places.push_back({DialPlace(p.lon, mod), p.point});
  std::sort(places.begin(), places.end());
  s.SetFont(kGlyphFont, kTextSize + 2, 0, TextStyle::Normal);
  const double glyphRing = 0.74;
  const double least = std::min(1.3 * s.TextWidth("W") / (glyphRing * f.r) * mod / kTwoPi,
                                places.empty() ? 0.0 : 0.98 * mod / static_cast<double>(places.size()));
  std::vector<double> at;
  for (const auto& p : places) at.push_back(p.first);
  for (int pass = 0; pass < 200 && at.size() > 1; ++pass) {
    bool moved = false;
    for (size_t i = 0; i < at.size(); ++i) {
      const size_t j = (i + 1) % at.size();
      double gap = at[j] - at[i];
      if (j == 0) gap += mod;
      if (gap < least - 1e-9) {
        const double push = (least - gap) / 2;
        at[i] -= push;
        at[j] += push;
        moved = true;
      }
    }
    if (!moved) break;
  }
  for (size_t i = 0; i < places.size(); ++i) {
    s.SetPenColour(kTickColour);
    const Point rim = f.At(places[i].first, mod, 0.9), near = f.At(at[i], mod, glyphRing + 0.08);
    s.Line(rim.x, rim.y, near.x, near.y);
    const Point g = f.At(at[i], mod, glyphRing);
    int x = g.x;
    s.DrawGlyph(GlyphKind::Point, places[i].second, x, GlyphAnchor::OwnCentre, g.y);
  }
  // The pointer from the centre to the rim, with its head.
  s.SetPenColour(kPointerColour);
  s.SetPenWidth(2 * m.baseWidth);
  const Point tip = f.At(in.pointer, mod, 1.0);
  s.Line(f.cx, f.cy, tip.x, tip.y);
  const double spread = 0.01 * mod;
  s.FillPolygon({tip, f.At(in.pointer - spread, mod, 0.9), f.At(in.pointer + spread, mod, 0.9)},
                kPointerColour);
}

void DrawTree(DrawingSurface& s, const DialFrame& f, const DialPageInput& in, const PageNames& names) {
  const DialReading reading = ReadDial(in);
  const int left = f.cx + f.r + 3 * f.lh;
  int y = f.top;
  s.SetFont(kTextFont, kTextSize + 1, 0, TextStyle::Bold);
  s.TextAt(left, y, "Midpoint Tree");
  y += f.lh + f.lh / 2;
  s.SetFont(kTextFont, kTextSize, 0, TextStyle::Normal);
  s.TextAt(left, y, "Pointer at " + Degrees(in.pointer) + " (orb " + Degrees(in.orb) + ")");
  y += f.lh;
  // "Sun 12°30' Ari =" heads the tree of a point; the pointer's own tree
  // has no head of a point.
  std::string head = "No point under the pointer:";
  for (const AspectPoint& p : in.points)
    if (p.point == reading.point)
      head = MidpointPointName(names, p.point) + " " + ZodiacPositionText(p.lon) + " =";
  s.TextAt(left, y, head);
  y += f.lh + f.lh / 2;
  if (reading.tree.empty()) s.TextAt(left, y, "no midpoint within the orb");
  const int glyphSize = kTextSize + 1;
  const int rows = std::max(1, (f.dialBottom - y) / f.lh - 1);
  for (size_t i = 0; i < reading.tree.size(); ++i, y += f.lh) {
    if (static_cast<int>(i) == rows - 1 && reading.tree.size() > static_cast<size_t>(rows)) {
      s.TextAt(left, y, "... and " + std::to_string(reading.tree.size() - i) + " more");
      break;
    }
    const TreeBranch& b = reading.tree[i];
    int x = left;
    DrawPair(s, x, y, b.midpoint, glyphSize);
    s.SetFont(kTextFont, kTextSize, 0, TextStyle::Normal);
    x += 4 * f.lh;
    s.TextAt(x, y, Degrees(b.orb));
    x += 3 * f.lh + f.lh / 2;
    s.TextAt(x, y,
             MidpointPointName(names, b.midpoint.a) + "/" + MidpointPointName(names, b.midpoint.b));
  }
}

// The midpoints in the order of the 90-degree dial, in as many columns as
// fit below the dial, in the largest size that lets them all fit.
void DrawMidpointList(DrawingSurface& s, const DialFrame& f, const DialPageInput& in) {
  std::vector<MidpointPair> mids = MidpointsOf(in.points);
  SortByDial(mids, 90);
  int y = f.dialBottom + f.lh;
  s.SetFont(kTextFont, kTextSize + 1, 0, TextStyle::Bold);
  s.TextAt(f.left, y, "Midpoints in 90\xB0 Order");
  y += f.lh + f.lh / 2;
  int size = kTextSize, cols = 1, rows = 1, rowHeight = f.lh, colWidth = 0, glyphWidth = 0;
  for (; size >= 6; --size) {
    s.SetFont(kGlyphFont, size, 0, TextStyle::Normal);
    int widest = 0;
    for (const AspectPoint& p : in.points) widest = std::max(widest, s.TextWidth(GlyphOf(p.point)));
    glyphWidth = 2 * widest;
    s.SetFont(kTextFont, size, 0, TextStyle::Normal);
    rowHeight = s.TextHeight("0") + s.Metrics().gapY;
    glyphWidth += s.TextWidth("/ ");
    colWidth = glyphWidth + s.TextWidth(ZodiacPositionText(0)) + 2 * s.TextWidth("0");
    cols = std::max(1, (f.right - f.left) / colWidth);
    rows = std::max(1, (f.bottom - y) / rowHeight);
    if (static_cast<size_t>(cols * rows) >= mids.size()) break;
  }
  size = std::max(size, 6);
  colWidth = (f.right - f.left) / cols;
  // When they do not all fit, the last place tells how many are left out.
  const size_t room = static_cast<size_t>(cols * rows);
  const size_t shown = mids.size() <= room ? mids.size() : room - 1;
  for (size_t i = 0; i < shown; ++i) {
    const int x = f.left + static_cast<int>(i / rows) * colWidth;
    const int row = y + static_cast<int>(i % rows) * rowHeight;
    DrawPair(s, x, row, mids[i], size);
    s.TextAt(x + glyphWidth, row, ZodiacPositionText(mids[i].lon));
  }
  if (shown < mids.size()) {
    const int x = f.left + static_cast<int>(shown / rows) * colWidth;
    s.TextAt(x, y + static_cast<int>(shown % rows) * rowHeight,
             "... " + std::to_string(mids.size() - shown) + " more");
  }
}

}  // namespace

DialGeometry DialGeometryOf(const PageMetrics& m) {
  const DialFrame f(m);
  return {f.cx, f.cy, f.r, f.k};
}

double DialPlaceAt(const DialGeometry& g, int modulus, double x, double y) {
  const double a = std::atan2(-(x - g.cx), -(y - g.cy) / g.k);
  return TurnPointer(a / kTwoPi * modulus, 0.0, modulus);
}

DialPageInput DialPageOf(const ChartEntry& chart, const std::string& code, int modulus, double pointer) {
  WheelDefinition def;
  WheelStyleFile styles;
  if (FileExists(kWheelStyleFileName) && styles.Open()) styles.Read(code, 'R', def);
  AspectOptions options;
  ReadAspectOptions(options);
  DialPageInput in;
  in.chart = &chart;
  in.points = MidpointPointsOf(chart, def);
  in.modulus = modulus;
  in.pointer = DialPlace(pointer, modulus);
  in.orb = options.MidpointOrb();
  return in;
}

DialReading ReadDial(const DialPageInput& in) {
  DialReading r;
  r.point = PointAtDialPlace(in.points, in.pointer, in.modulus, in.orb);
  r.at = in.pointer;
  for (const AspectPoint& p : in.points)
    if (p.point == r.point) r.at = p.lon;
  r.tree = MidpointTree(MidpointsOf(in.points), r.at, in.modulus, in.orb, r.point);
  return r;
}

double TurnPointer(double pointer, double degrees, int modulus) {
  // Whole tenths stay whole tenths however often the pointer turns.
  const double tenths = std::round((pointer + degrees) * 10.0);
  return DialPlace(tenths / 10.0, modulus);
}

std::string MidpointPointName(const PageNames& names, int point) {
  if (point <= wheel_point::SouthNode) return names.PointName(point);
  // The name table holds the Vertex and East Point at 13 and 14, the
  // hypothetical planets from 21 on.
  if (point <= wheel_point::EastPoint) return PageNames::At(names.points, point - 7);
  return PageNames::At(names.points, point - 1);
}

bool AssembleDialPage(DrawingSurface& s, const DialPageInput& in, const PageNames& names) {
  if (!in.chart || !IsDialModulus(in.modulus)) return false;
  if (!s.BeginPrintout('2', 'P')) return false;
  const PageMetrics& m = s.Metrics();
  const DialFrame frame(m);
  PageRoom room(m.x0, m.y0, m.x0 + m.width, m.y0 + m.height, std::max(1, m.halfLine),
                std::max(1, m.gapX), std::max(1, m.halfLine));
  PlaceItem(s, room, page_item::kHeaders, [&] {
    const PageItemScope tag(s, ItemRole::Header);
    s.SetFont(kTextFont, kTitleSize, 0, TextStyle::Bold);
    s.TextAt(frame.left, m.y0 + m.lineHeight, PrintoutTitle(*in.chart, names));
    s.SetFont(kTextFont, kTextSize, 0, TextStyle::Normal);
    s.TextAt(frame.left, m.y0 + 2 * m.lineHeight + m.lineHeight / 2,
             std::to_string(in.modulus) + "\xB0 Dial");
  });
  PlaceItem(s, room, page_item::kDial, [&] {
    const PageItemScope tag(s, ItemRole::Other);
    DrawDial(s, frame, in);
  });
  PlaceItem(s, room, page_item::kMidpointTree, [&] {
    const PageItemScope tag(s, ItemRole::Table);
    DrawTree(s, frame, in, names);
  });
  PlaceItem(s, room, page_item::kMidpointList, [&] {
    const PageItemScope tag(s, ItemRole::Table);
    DrawMidpointList(s, frame, in);
  });
  s.EndPage(true);
  return true;
}

}  // namespace vostrane
