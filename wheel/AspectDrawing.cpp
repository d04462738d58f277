// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/HouseSystemNames.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace {

bool OneOf(char c, const char* letters) { return c != 0 && std::strchr(letters, c) != nullptr; }

// Palette colour of an aspect: byte 7 on the screen, byte 11 on paper; a
// value above 15 is taken as 7.
int32_t LineColour(const AspectEntry& e, OutputDevice device) {
  const int c = device == OutputDevice::Screen ? e.screenColour : e.printColour;
  return c > 15 ? 7 : c;
}

// The point at share t of the way along a path of straight pieces.
Point AlongPath(const std::vector<Point>& path, double t) {
  double total = 0;
  for (size_t i = 0; i + 1 < path.size(); ++i)
    total += std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y);
  double left = t * total;
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const double piece = std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y);
    if (left <= piece && piece > 0) {
      const double u = left / piece;
      return {path[i].x + RoundEven(u * (path[i + 1].x - path[i].x)),
              path[i].y + RoundEven(u * (path[i + 1].y - path[i].y))};
    }
    left -= piece;
  }
  return path.back();
}

}  // namespace

std::vector<std::optional<Point>> PlaceAspectMarks(const std::vector<AspectLine>& lines, int width,
                                                   int height, const WheelSetup& w) {
  struct Box {
    int l, t, r, b;
  };
  std::vector<Box> taken;
  std::vector<std::optional<Point>> at(lines.size());
  // Shares of the way along a line to try, from its middle outward.
  std::vector<double> shares = {0.5};
  for (int i = 1; i <= 45; ++i) shares.push_back(0.5 - 0.01 * i), shares.push_back(0.5 + 0.01 * i);
  const double clearOfCentre = std::max(0.2 * w.rc, 1.5 * std::max(width, height));
  const int gap = 1;
  // The whole box stays inside the circle the lines end on, clear of the
  // house numbers round it.
  const double within = w.rc - std::hypot(width, height) / 2.0 - gap;
  // Short lines have the fewest places: they choose first.
  std::vector<size_t> order(lines.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  auto length = [&](const AspectLine& l) {
    const Point m = l.mode == 1 ? l.end2 : l.bend;
    return std::hypot(m.x - l.end1.x, m.y - l.end1.y) + std::hypot(l.end2.x - m.x, l.end2.y - m.y);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return length(lines[a]) < length(lines[b]); });
  for (size_t i : order) {
    const AspectLine& line = lines[i];
    if (line.glyph == kNoAspectGlyph) continue;
    std::vector<Point> path = {line.end1};
    if (line.mode != 1) path.push_back(line.bend);
    path.push_back(line.end2);
    std::vector<Point> candidates = {line.glyphAt};
    for (double t : shares) candidates.push_back(AlongPath(path, t));
    // Then beside the line, the box still touching it.
    for (double t : shares) {
      const Point a = AlongPath(path, std::max(0.0, t - 0.01)),
                  b = AlongPath(path, std::min(1.0, t + 0.01));
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      if (len <= 0) continue;
      const double nx = -(b.y - a.y) / len, ny = (b.x - a.x) / len;
      const double off = 0.5 * (std::fabs(nx) * width + std::fabs(ny) * height);
      const Point c = AlongPath(path, t);
      for (int side : {1, -1})
        candidates.push_back({c.x + RoundEven(side * off * nx), c.y + RoundEven(side * off * ny)});
    }
    for (const Point& c : candidates) {
      const double r = std::hypot(c.x - w.cx, (c.y - w.cy) / w.k);
      if (r < clearOfCentre || r > within) continue;
      const Box box{c.x - width / 2 - gap, c.y - height / 2 - gap, c.x + (width + 1) / 2 + gap,
                    c.y + (height + 1) / 2 + gap};
      const bool free = std::none_of(taken.begin(), taken.end(), [&](const Box& o) {
        return box.l < o.r && o.l < box.r && box.t < o.b && o.t < box.b;
      });
      if (!free) continue;
      at[i] = c;
      taken.push_back(box);
      break;
    }
  }
  return at;
}

std::vector<std::pair<int, int>> AspectRingPairs(char category, char c) {
  std::vector<std::pair<int, int>> pairs;
  switch (category) {
    case 'R':
      if (c == 'Y') pairs.push_back({1, 1});
      break;
    case 'B':
      if (c == 'A' || c == 'C') pairs.push_back({1, 1});
      if (c == 'B' || c == 'C') pairs.push_back({1, 2});
      break;
    case 'T':
    case 'C':
      if (OneOf(c, "DGIJLMNO")) pairs.push_back({1, 1});
      if (OneOf(c, "BEHIKLNO")) pairs.push_back({1, 3});
      if (OneOf(c, "AEFGKLMO")) pairs.push_back({1, 2});
      if (OneOf(c, "CFHJKMNO")) pairs.push_back({2, 3});
      break;
    default: break;
  }
  return pairs;
}

int LastAspectPoint(const WheelDefinition& def, int ring) {
  for (int p = kWheelPoints - 1; p >= 0; --p)
    if (TakesPartInAspects(def, p, ring)) return p;
  return -1;
}

double AspectEndAngle(const WheelDefinition& def, const RingArrays& rings, const PlacedSlots& slots,
                      int point, int ring) {
  const RingChart& inner = rings.Ring(1);
  const bool equal = def.Flag(wheel_offset::equalSectors);
  if (ring == 1 && point == wheel_point::Ascendant) return 0.0;
  if (ring == 1 && point == wheel_point::Midheaven) {
    if (equal && MidheavenIsCusp10(inner.houseSystem)) return 270.0;
    return WheelAngle(inner.lon[wheel_point::Midheaven], inner.lon[wheel_point::Ascendant]);
  }
  const int slot = slots[ring - 1][point];
  if (slot != kNoSlot) return slot;
  return TrueWheelAngle(rings.Ring(ring).lon[point], inner.cusps, equal);
}

namespace {
constexpr int32_t kHighlightColour = 12;  // fuchsia

bool Highlighted(const AspectTables& tables, int a, int ra, int b, int rb) {
  const auto& h = tables.highlighted;
  return ra == 1 && rb == 1 && std::find(h.begin(), h.end(), a) != h.end() &&
         std::find(h.begin(), h.end(), b) != h.end();
}
}  // namespace

int AspectPenPixels(const AspectLine& line, int baseWidth) {
  return std::max(
      1, static_cast<int>(std::lround(line.penWidth * baseWidth * (1.0 - 0.5 * line.orbShare))));
}

bool MajorAspectAngle(const AspectEntry& e) {
  if (e.minutes != 0 || e.seconds != 0) return false;
  return e.degrees == 0 || e.degrees == 60 || e.degrees == 90 || e.degrees == 120 || e.degrees == 180;
}

std::vector<AspectLine> CollectAspectLines(const WheelDefinition& def, const RingArrays& rings,
                                           const WheelSetup& w, const AspectTables& tables,
                                           const PlacedSlots& slots, OutputDevice device) {
  std::vector<AspectLine> lines;
  const int rc = w.rc;
  for (const auto& [r1, r2] : AspectRingPairs(rings.category, def.Letter(wheel_offset::aspectLines))) {
    const int last1 = LastAspectPoint(def, r1);
    const int last2 = LastAspectPoint(def, r2);
    // A point the chart has no values for (Chiron before its files, an
    // asteroid with a damaged file) has no aspects.
    auto missing = [&](int p, int r) { return !rings.Ring(r).Available(p); };
    for (int a = 0; a <= last1; ++a) {
      if (!TakesPartInAspects(def, a, r1) || missing(a, r1)) continue;
      for (int b = r1 == r2 ? a + 1 : 0; b <= last2; ++b) {
        if (!TakesPartInAspects(def, b, r2) || missing(b, r2)) continue;
        const AspectResult found = FindAspects(tables, rings, a, r1, b, r2);
        for (int place = 0; place < 2; ++place) {
          if (!found[place].Found()) continue;
          const AspectEntry e = tables.Entry(found[place].aspect);
          if (e.lineMode == 0) continue;
          AspectLine line;
          line.aspect = found[place].aspect;
          line.ring1 = r1;
          line.point1 = a;
          line.ring2 = r2;
          line.point2 = b;
          line.mode = e.lineMode;
          line.penStyle = e.lineStyle > 3 ? static_cast<int>(kPenSolid) : e.lineStyle;
          if (line.penStyle == kPenSolid && !MajorAspectAngle(e)) line.penStyle = kPenDashed;
          line.penWidth = e.weight > 2 ? 3 : 1;
          const double allowed = a <= 1 || b <= 1 ? e.SunMoonOrb() : e.PlanetOrb();
          line.orbShare = allowed > 0 ? std::clamp(std::fabs(found[place].orb) / allowed, 0.0, 1.0)
                                      : 0.0;
          line.colour = LineColour(e, device);
          if (Highlighted(tables, a, r1, b, r2)) {
            line.penWidth = 3;
            line.colour = kHighlightColour;
          }
          const double s1 = AspectEndAngle(def, rings, slots, a, r1);
          const double s2 = AspectEndAngle(def, rings, slots, b, r2);
          line.end1 = w.At(s1, rc);
          line.end2 = w.At(s2, rc);
          if (line.mode == 2) {
            line.bend = {w.cx, w.cy};
          } else if (line.mode != 1) {
            double mean = (s1 + s2) / 2.0;
            if (std::fabs(s1 - s2) > 180.0) {
              mean += 180.0;
              if (mean > 360.0) mean -= 360.0;
            }
            line.bend = w.At(std::trunc(mean), 0.3 * rc);
          }
          if (e.weight == 1 || e.weight == 3) line.glyph = AspectGlyphOf(e);
          if (line.mode == 1)
            line.glyphAt = {(line.end1.x + line.end2.x) / 2, (line.end1.y + line.end2.y) / 2};
          else if (line.mode == 2) line.glyphAt = w.At(s1, 0.15 * rc);
          else line.glyphAt = line.bend;
          lines.push_back(line);
        }
      }
    }
  }
  return lines;
}

void DrawAspectLines(DrawingSurface& s, const WheelDefinition& def, const RingArrays& rings,
                     const WheelSetup& setup, const AspectTables& tables, const PlacedSlots& slots) {
  const int glyphSize = def.I16(wheel_offset::degreeSize);
  const TextStyle glyphStyle = def.Style(wheel_offset::degreeStyle);
  const std::vector<AspectLine> lines = CollectAspectLines(def, rings, setup, tables, slots, s.Device());
  s.SetFont('A', glyphSize, 0, glyphStyle);
  const std::vector<std::optional<Point>> marks = PlaceAspectMarks(lines, s.TextWidth("n"),
                                                                   s.TextHeight("n"), setup);
  for (size_t i = 0; i < lines.size(); ++i) {
    const AspectLine& line = lines[i];
    s.SetPenStyle(line.penStyle);
    // Widths in base widths, so that lines keep their proportions to the
    // page on every device.
    s.SetPenWidth(AspectPenPixels(line, s.Metrics().baseWidth));
    s.SetPenColour(line.colour);
    s.SetTag(ItemRole::AspectLine);
    if (line.mode == 1) {
      s.Line(line.end1.x, line.end1.y, line.end2.x, line.end2.y);
    } else if (line.mode == 2) {
      s.Line(line.end1.x, line.end1.y, line.bend.x, line.bend.y);
      s.Line(line.end2.x, line.end2.y, line.bend.x, line.bend.y);
    } else {
      s.Line(line.end1.x, line.end1.y, line.bend.x, line.bend.y);
      s.Line(line.bend.x, line.bend.y, line.end2.x, line.end2.y);
    }
    if (line.glyph != kNoAspectGlyph && marks[i]) {
      s.SetTag(ItemRole::AspectMark);
      s.SetFont('A', glyphSize, line.colour, glyphStyle);
      int x = marks[i]->x;
      s.DrawGlyph(GlyphKind::Aspect, line.glyph, x, GlyphAnchor::Centre, marks[i]->y);
    }
  }
  s.SetTag(ItemRole::Other);
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(s.Metrics().baseWidth);
}

// ---- Aspect legend -----------------------------------------------------------

std::vector<int> AspectLegendEntries(const AspectTables& tables, char filter) {
  std::vector<int> list;
  for (int i = 1; i <= kAspectCount; ++i) {
    const AspectEntry e = tables.Entry(i);
    if (!e.InUse()) continue;
    const int kind = AspectKindOf(e).code;
    bool listed;
    switch (filter) {
      case 'A': listed = kind <= 6; break;
      case 'B': listed = kind <= 8; break;
      case 'C': listed = kind <= 8 || e.lineMode != 0; break;
      default: listed = true; break;
    }
    if (listed) list.push_back(i);
  }
  return list;
}

int DrawAspectLegend(DrawingSurface& s, const WheelDefinition& def, const AspectTables& tables, int x,
                     int y, const AspectKindNames& kindNames) {
  const std::vector<int> entries = AspectLegendEntries(tables,
                                                       def.Letter(wheel_offset::aspectLegendFilter));
  const PageMetrics& m = s.Metrics();
  const char tableFont = def.Letter(wheel_offset::tableFont);
  const int tableSize = def.I16(wheel_offset::tableSize);
  const int32_t colour = def.I32(wheel_offset::tableColour);
  const TextStyle tableStyle = def.Style(wheel_offset::tableStyle);
  const int gx = std::max(1, m.gapX);

  auto nameOf = [&](int i) {
    const AspectKind kind = AspectKindOf(tables, i);
    if (kind.code != kOtherAspectKind && kind.code < static_cast<int>(kindNames.size()))
      return kindNames[kind.code];
    return tables.set.ShortName(i);
  };
  bool anySeconds = false;
  for (int i : entries) anySeconds = anySeconds || tables.Entry(i).seconds != 0;

  // Column widths from the fonts in use.
  s.SetFont('A', tableSize, colour, tableStyle);
  const int glyphW = std::max(s.TextWidth(";"), s.TextWidth("l"));
  const int marksW = s.TextWidth("}") + s.TextWidth("'") + (anySeconds ? s.TextWidth("\"") : 0);
  s.SetFont(def.Letter(wheel_offset::tableHeadingFont), def.I16(wheel_offset::tableHeadingSize), colour,
            def.Style(wheel_offset::tableHeadingStyle));
  const int aspectHeadW = s.TextWidth("Aspect");
  const int planetsHeadW = s.TextWidth("Planets");
  const int sunHeadW = s.TextWidth("Sun/Moon");
  s.SetFont(tableFont, tableSize, colour, tableStyle);
  const int w0 = s.TextWidth("0");
  int nameW = 0;
  for (int i : entries) nameW = std::max(nameW, s.TextWidth(nameOf(i)));
  const int angleW = (anySeconds ? 7 : 5) * w0 + marksW;
  const int orbW = 4 * w0 + s.TextWidth("}") + s.TextWidth("'");

  const int glyphX = x + 3 * gx;
  const int nameX = glyphX + glyphW + 2 * gx;
  const int angleX = nameX + std::max(nameW + w0 + gx, aspectHeadW - glyphW);
  const int planetsX = angleX + angleW + 3 * gx;
  const int sunX = planetsX + std::max(orbW, planetsHeadW) + 3 * gx;
  const int right = std::min(sunX + std::max(orbW, sunHeadW) + 3 * gx, m.pageWidth - 1);

  // Headings: "Aspect", and "Planets" and "Sun/Moon" each above "Orb".
  const int lh = m.lineHeight;
  const int head1 = y + m.halfLine;
  const int head2 = head1 + lh;
  s.SetFont(def.Letter(wheel_offset::tableHeadingFont), def.I16(wheel_offset::tableHeadingSize), colour,
            def.Style(wheel_offset::tableHeadingStyle));
  s.TextAt(glyphX, head2 + m.baseOffset, "Aspect");
  const int planetsRight = planetsX + std::max(orbW, planetsHeadW);
  const int sunRight = sunX + std::max(orbW, sunHeadW);
  s.TextCentred("Planets", planetsX, planetsRight, head1 + m.baseOffset);
  s.TextCentred("Orb", planetsX, planetsRight, head2 + m.baseOffset);
  s.TextCentred("Sun/Moon", sunX, sunRight, head1 + m.baseOffset);
  s.TextCentred("Orb", sunX, sunRight, head2 + m.baseOffset);
  const int rule = head2 + lh + m.gapY;
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(m.baseWidth);
  s.SetPenColour(def.I32(wheel_offset::frameColour));
  s.Line(x, rule, right, rule);

  int row = rule + m.gapY;
  for (int i : entries) {
    const AspectEntry e = tables.Entry(i);
    const AspectKind kind = AspectKindOf(e);
    if (kind.legendGlyph != kNoAspectGlyph) {
      s.SetFont('A', tableSize, colour, tableStyle);
      int gxPos = glyphX;
      s.DrawGlyph(GlyphKind::Aspect, kind.legendGlyph, gxPos, GlyphAnchor::InReference, row);
    }
    s.SetFont(tableFont, tableSize, colour, tableStyle);
    s.TextAt(nameX, row + m.baseOffset, nameOf(i));
    s.DrawValue(angleX, row + m.baseOffset,
                ValueFormat{.seconds = e.seconds != 0, .degreeWidth = 3, .font = tableFont}, e.Angle());
    s.DrawValue(planetsX, row + m.baseOffset, ValueFormat{.font = tableFont}, e.PlanetOrb());
    s.DrawValue(sunX, row + m.baseOffset, ValueFormat{.font = tableFont}, e.SunMoonOrb());
    row += lh;
  }
  const int bottom = row + m.halfLine;
  s.Frame(x, y, right, bottom, true);
  return bottom;
}

}  // namespace vostrane
