#include "wheel/WheelDrawing.h"

#include <cmath>
#include <string>

#include "platform/MessageService.h"
#include "shell/AngleTime.h"
#include "wheel/GlyphColumns.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

WheelDrawing::WheelDrawing(const WheelDefinition& def, const RingArrays& rings, const WheelSetup& setup)
    : def_(def), rings_(rings), setup_(setup), R_(setup.R), equal_(def.Flag(wo::equalSectors)) {
  const RingChart& inner = rings_.Ring(1);
  for (int j = 0; j < 12; ++j)
    cuspAngles_[j] = equal_ ? 30.0 * j : WheelAngle(inner.cusps[j], inner.cusps[0]);
  for (auto& ring : placed_) ring.fill(kNoSlot);
}

void WheelDrawing::Draw(DrawingSurface& s, const AspectTables* aspects) {
  if (def_.wheelSize() <= 0) return;
  for (auto& ring : placed_) ring.fill(kNoSlot);
  houseBugShown_ = mapBugShown_ = false;
  laidOut_ = false;
  gap_ = std::max(2, s.Metrics().baseWidth + std::max(1, s.Metrics().gapX / 2));
  SurfaceStyle style = s.Style();
  style.ringLineStyle = def_.Letter(wo::ringLineStyle);
  style.ringColour = def_.I32(wo::ringColour);
  style.frameColour = def_.I32(wo::frameColour);
  style.doubleInset = setup_.u;
  s.SetStyle(style);
  R_ = setup_.R;

  // 1. Solid pen at the ring width.
  s.SetPenStyle(kPenSolid);
  s.SetRingPen();
  s.SetPenColour(style.ringColour);
  // 2. Cusp labels and intercepted signs.
  DrawCuspLabels(s);
  // 3. Without a degree scale the zodiac circle moves out to the scale's place.
  if (def_.Letter(wo::degreeScale) == 'N')
    R_ = RoundEven(1.0367 * R_) - (setup_.doubleLines ? setup_.u : 0);
  // 4, 5. Circles, degree scale.
  DrawCircles(s);
  if (def_.Letter(wo::equalSectors) == 'N' && def_.Letter(wo::degreeScale) == 'Y') DrawDegreeScale(s);
  // 6. Slots, pointer lines and cusp marks.
  FillHouseMap();
  for (int r = 1; r <= setup_.rings; ++r) PlaceGlyphs(s, r, 1);
  // 7, 8. House numbers with the aspect circles, house ring.
  if (def_.Letter(wo::houseNumbers) != 'N') DrawHouseNumbers(s);
  if (def_.Flag(wo::houseRingCircle)) {
    s.Circle(setup_.cx, setup_.cy, setup_.houseRingOuter);
    if (setup_.doubleLines) s.Circle(setup_.cx, setup_.cy, setup_.houseRingOuter + setup_.u);
  }
  // 9. Cusp lines; 10. the glyphs again, on top of the lines.
  DrawCuspLines(s);
  FillHouseMap();
  for (int r = 1; r <= setup_.rings; ++r) PlaceGlyphs(s, r, 2);
  // 11. Aspect lines.
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(s.Metrics().baseWidth);
  if (aspects) DrawAspectLines(s, def_, rings_, setup_, *aspects, placed_);
}

void WheelDrawing::DrawCuspLabels(DrawingSurface& s) {
  const RingChart& inner = rings_.Ring(1);
  const char font = def_.Letter(wo::cuspLabelFont);
  const int size = def_.I16(wo::cuspLabelSize);
  const char fontStyle = def_.Letter(wo::cuspLabelStyle);
  const int32_t colour = def_.I32(wo::cuspLabelColour);
  const double rho = 1.09 * R_;
  const double side = setup_.sizeClass == 'S' ? 5.0 : 4.0;
  const int raise = MarkRaise(s, font, size);

  // Each cusp's label (degree, sign, minute side by side) and every
  // intercepted sign take their room on the circle; labels of cusps close
  // together move apart.
  s.SetFont(font, size, colour, fontStyle);
  const double numberW = s.TextWidth("00"), numberH = s.TextHeight("0");
  s.SetFont('A', size, colour, fontStyle);
  const double markW = std::max(s.TextWidth("}"), s.TextWidth("'"));
  const double signW = s.TextWidth("["), signH = s.TextHeight("[");
  const HalfWidth numberHalf = BoxHalfWidth(numberW + markW, std::max(numberH, signH), rho);
  const HalfWidth signHalf = BoxHalfWidth(signW, signH, rho);
  // The degree and the minute stand q to either side of the sign, further
  // where the texts are wide across the ray.
  auto sideAt = [&](double theta) { return std::max(side, numberHalf(theta) + signHalf(theta)); };
  std::vector<double> at, half;
  for (int j = 0; j < 12; ++j) {
    at.push_back(cuspAngles_[j]);
    half.push_back(sideAt(cuspAngles_[j]) + numberHalf(cuspAngles_[j]));
  }
  std::vector<std::pair<int, int>> intercepted;  // cusp, sign
  if (def_.Flag(wo::interceptedSigns)) {
    for (int j = 0; j < 12; ++j) {
      const int next = (j + 1) % 12;
      const double from = cuspAngles_[j];
      const double to = j == 11 ? 360.0 : cuspAngles_[next];
      const int sign = SplitLongitude(inner.cusps[j]).signIndex;
      const int d = (SplitLongitude(inner.cusps[next]).signIndex - sign + 12) % 12;
      for (int k = 1; k < d; ++k) {
        intercepted.push_back({j, (sign + k) % 12});
        at.push_back(Modulo(360.0, from + k * (to - from) / d));
        half.push_back(signHalf(at.back()));
      }
    }
  }
  const std::vector<double> spread = SpreadOnCircle(at, half);

  bool secondHalf = false;
  for (int j = 0; j < 12; ++j) {
    const double theta = spread[j];
    // From the descendant on, the degree stands on the other side.
    if (cuspAngles_[j] > 179.9) secondHalf = true;
    const double q = secondHalf ? -sideAt(theta) : sideAt(theta);
    const SignPosition sp = SplitLongitude(inner.cusps[j]);
    const PageItemScope tag(s, ItemRole::CuspLabel, j, 1);

    s.SetFont(font, size, colour, fontStyle);
    const Point d = setup_.At(theta - q, rho);
    s.DrawNumberWithMark(sp.degrees, d.x, d.y, 'C', font, 'D', raise, colour);

    Point g = setup_.At(theta, rho);
    if (theta > 179 && theta < 181) g.x = RoundEven(g.x * 0.998);
    s.SetFont('A', size, colour, fontStyle);
    int x = g.x;
    s.DrawGlyph('S', sp.signIndex, x, 'C', g.y);

    s.SetFont(font, size, colour, fontStyle);
    const Point m = setup_.At(theta + q, rho);
    s.DrawNumberWithMark(sp.minutes, m.x, m.y, 'C', font, 'M', raise, colour);
  }
  const PageItemScope tag(s, ItemRole::CuspLabel, -1, 1);
  s.SetFont('A', size, colour, fontStyle);
  for (size_t i = 0; i < intercepted.size(); ++i) {
    const Point p = setup_.At(spread[12 + i], rho);
    int x = p.x;
    s.DrawGlyph('S', intercepted[i].second, x, 'C', p.y);
  }
}

HalfWidth WheelDrawing::BoxHalfWidth(double w, double h, double rho) const {
  const double k = setup_.k > 0 ? setup_.k : 1.0;
  const double gap = gap_;
  return [w, h, rho, k, gap](double angle) {
    const double a = angle * (M_PI / 180.0);
    const double e = w / 2.0 * std::fabs(std::sin(a)) + h / (2.0 * k) * std::fabs(std::cos(a)) + gap;
    return std::asin(std::min(1.0, e / std::max(1.0, rho))) * 180.0 / M_PI;
  };
}

void WheelDrawing::DrawCircles(DrawingSurface& s) {
  const int cx = setup_.cx, cy = setup_.cy, u = setup_.u;
  const bool dbl = setup_.doubleLines;
  const bool outer = def_.Flag(wo::outerRingCircles);
  auto ring = [&](double factor) {
    const int r = RoundEven(factor * R_);
    s.Circle(cx, cy, r);
    if (dbl) s.Circle(cx, cy, r + u);
  };
  s.Circle(cx, cy, R_);
  if (dbl) s.Circle(cx, cy, RoundEven(1.0367 * R_));
  if (outer || setup_.rings > 1) ring(1.15);
  if ((outer && setup_.rings == 2) || setup_.rings == 3) ring(1.57);
  if (outer && setup_.rings == 3) ring(2.0);
}

void WheelDrawing::DrawDegreeScale(DrawingSurface& s) {
  // The ticks are drawn with the ring pen, as the circles.
  s.Circle(setup_.cx, setup_.cy, RoundEven(1.0367 * R_));
  const double e = std::fmod(rings_.Ring(1).cusps[0], 30.0);
  const int f = static_cast<int>(std::trunc(e)) + 1;
  const int signTick = RoundEven(1.0367 * R_);
  const int fiveTick = RoundEven(1.013 * R_);
  const int oneTick = RoundEven(1.005 * R_);
  for (int i = 0; i < 360; ++i) {
    const double theta = (f - e) + i;
    const int l = i % 30 == 30 - f ? signTick : i % 5 == (30 - f) % 5 ? fiveTick : oneTick;
    const Point a = setup_.At(theta, l);
    const Point b = setup_.At(theta, R_);
    s.Line(a.x, a.y, b.x, b.y);
  }
}

void WheelDrawing::FillHouseMap() {
  map_ = FillWhichHousePos(cuspAngles_, def_.Letter(wo::glyphColumns) == 'N');
  if (map_.bug && !mapBugShown_) {
    mapBugShown_ = true;
    ShowMessage(kFillHouseMapBug);
  }
}

int WheelDrawing::HouseOfPoint(int ring, int point) {
  const int h = HouseOf(rings_.Ring(ring).lon[point], rings_.Ring(1).cusps);
  if (h != kNoHouse) return h;
  if (!houseBugShown_) {
    houseBugShown_ = true;
    ShowMessage(kHousePosBug);
  }
  return 11;
}

PlacementInput WheelDrawing::InputOf(int ring) {
  PlacementInput in;
  in.ring = ring;
  const RingChart& chart = rings_.Ring(ring);
  for (int p = 0; p < 22; ++p) in.lon[p] = chart.lon[p];
  for (int p = 0; p < kWheelPoints; ++p) in.shown[p] = PointShown(def_, rings_, p, ring);
  in.cusps = rings_.Ring(1).cusps;
  in.equalSectors = equal_;
  for (int p = 0; p < kWheelPoints; ++p) in.house[p] = HouseOfPoint(ring, p);
  return in;
}

WheelDrawing::ColumnItems WheelDrawing::MeasureColumn(DrawingSurface& s, int ring) {
  ColumnItems c;
  auto widest = [&s](const char* chars) {
    int m = 0;
    for (const char* ch = chars; *ch; ++ch) m = std::max(m, s.TextWidth(std::string(1, *ch)));
    return m;
  };
  // A glyph centred by a reference width reaches as far as its own width
  // past the reference's middle.
  auto centred = [](double reference, double own) { return std::max(reference, 2.0 * own - reference); };
  const int glyphSize = def_.I16(wo::planetGlyphSize);
  const int32_t colour = s.FontColour();
  int drop = GlyphDrop(s, glyphSize);
  s.SetFont('A', glyphSize, colour, def_.Letter(wo::planetGlyphStyle));
  c.w[kItemGlyph] = centred(std::max(s.TextWidth(";"), s.TextWidth("l")), widest("asdfghjkl;ASDFGHJKLQ"));
  c.h[kItemGlyph] = s.TextHeight("a") + 2 * std::abs(drop);
  auto number = [&](int item, char font, int size, char style, const char* mark) {
    s.SetFont(font, size, colour, style);
    const int digits = s.TextWidth("00"), high = s.TextHeight("0");
    s.SetFont('A', size, colour, style);
    c.w[item] = digits + s.TextWidth(mark);
    c.h[item] = std::max(high, s.TextHeight(mark)) + 2 * std::abs(MarkRaise(s, font, size));
  };
  number(kItemDegree, def_.Letter(wo::degreeFont), def_.I16(wo::degreeSize), def_.Letter(wo::degreeStyle), "}");
  number(kItemMinute, def_.Letter(wo::minuteFont), def_.I16(wo::minuteSize), def_.Letter(wo::minuteStyle), "'");
  drop = GlyphDrop(s, def_.I16(wo::signGlyphSize));
  s.SetFont('A', def_.I16(wo::signGlyphSize), colour, def_.Letter(wo::signGlyphStyle));
  c.w[kItemSign] = centred(s.TextWidth("["), widest("qwertyuiop[]"));
  c.h[kItemSign] = s.TextHeight("[") + 2 * std::abs(drop);
  drop = GlyphDrop(s, def_.I16(wo::retrogradeSize));
  s.SetFont('A', def_.I16(wo::retrogradeSize), colour, def_.Letter(wo::retrogradeStyle));
  c.w[kItemRetrograde] = s.TextWidth("\\");
  c.h[kItemRetrograde] = s.TextHeight("\\") + 2 * std::abs(drop);

  const int row = GlyphRow(ring, setup_, glyphSize);
  const double rho = ring == 1 ? R_ : setup_.R;
  for (int item = 0; item < 5; ++item) {
    const double a = GlyphItemRadius(false, row, item) * rho, b = GlyphItemRadius(true, row, item) * rho;
    // The labels spread towards the next item (style offset 30).
    const double next = item < 4 ? std::min(GlyphItemRadius(false, row, item + 1) * rho,
                                            GlyphItemRadius(true, row, item + 1) * rho)
                                 : a;
    c.inner[item] = std::min({a, b, next});
    c.outer[item] = std::max(a, b);
  }
  return c;
}

void WheelDrawing::SeparateItems(int ring, std::array<Point, 5>& at, bool retrograde) const {
  const ColumnItems& c = columnItems_[ring - 1];
  const int last = retrograde ? kItemRetrograde : kItemMinute;
  for (int k = 1; k <= last; ++k) {
    const double dx = at[k].x - at[k - 1].x, dy = at[k].y - at[k - 1].y;
    const double len = std::hypot(dx, dy);
    if (len < 1e-9) continue;
    const double ux = dx / len, uy = dy / len;
    const double overX = (c.w[k] + c.w[k - 1]) / 2.0 + 1 - std::fabs(dx);
    const double overY = (c.h[k] + c.h[k - 1]) / 2.0 + 1 - std::fabs(dy);
    if (overX <= 0 || overY <= 0) continue;
    // The least move along the ray that clears one of the two axes.
    double t = 1e9;
    if (std::fabs(ux) > 1e-6) t = std::min(t, overX / std::fabs(ux));
    if (std::fabs(uy) > 1e-6) t = std::min(t, overY / std::fabs(uy));
    const int mx = static_cast<int>(std::ceil(t * std::fabs(ux))) * (ux < 0 ? -1 : 1);
    const int my = static_cast<int>(std::ceil(t * std::fabs(uy))) * (uy < 0 ? -1 : 1);
    for (int j = k; j < 5; ++j) at[j].x += mx, at[j].y += my;
  }
}

HalfWidth WheelDrawing::HalfWidthOf(const ColumnItems& c) const {
  std::array<HalfWidth, 5> items;
  // The labels' small sideways corrections (a fiftieth of the radius at
  // most) come on top of the gap.
  for (int i = 0; i < 5; ++i) items[i] = BoxHalfWidth(c.w[i] + 0.04 * c.inner[i] * (i == kItemSign || i == kItemMinute), c.h[i], c.inner[i]);
  return [items](double angle) {
    double m = 0;
    for (const HalfWidth& hw : items) m = std::max(m, hw(angle));
    return m;
  };
}

void WheelDrawing::LayOut(DrawingSurface& s) {
  std::array<ColumnRingInput, 3> in;
  for (int ring = 1; ring <= setup_.rings; ++ring) {
    const PlacementInput p = InputOf(ring);
    ColumnRingInput& r = in[ring - 1];
    r.present = true;
    r.shown = p.shown;
    r.house = p.house;
    for (int q = 0; q < kWheelPoints; ++q) r.angle[q] = TrueWheelAngle(p.lon[q], rings_.Ring(1).cusps, equal_);
    const ColumnItems items = MeasureColumn(s, ring);
    columnItems_[ring - 1] = items;
    r.halfWidth = HalfWidthOf(items);
    double lo = 1e9, hi = 0;
    for (int i = 0; i < 5; ++i) {
      const double reach = std::max(items.w[i], items.h[i]) / 2.0;
      lo = std::min(lo, items.inner[i] - reach);
      hi = std::max(hi, items.outer[i] + reach);
    }
    columnInner_[ring - 1] = lo - gap_;
    columnOuter_[ring - 1] = hi + gap_;
  }
  layout_ = LayOutColumns(cuspAngles_, in);
  laidOut_ = true;
}

void WheelDrawing::PlaceGlyphs(DrawingSurface& s, int ring, int pass) {
  if (!laidOut_) LayOut(s);
  const PlacementInput in = InputOf(ring);
  slots_[ring - 1] = SlotRing();
  marks_[ring - 1] = CuspMarks();
  const std::array<bool, 12> inward =
      InwardHouses(in, cuspAngles_, def_.Letter(wo::glyphColumns) == 'N');
  for (int p = 0; p < kWheelPoints; ++p) {
    const double angle = layout_.angle[ring - 1][p];
    if (angle < 0) continue;
    int n = RoundEven(angle);
    if (n <= 0) n = 360;
    placed_[ring - 1][p] = n;
    if (slots_[ring - 1].Free(n)) slots_[ring - 1].point[n] = p;
    DrawGlyphColumn(s, ring, angle, p, in.house[p], inward[in.house[p]], pass);
  }
}

void WheelDrawing::DrawGlyphColumn(DrawingSurface& s, int ring, double n, int p, int h, bool inward,
                                   int pass) {
  const RingChart& chart = rings_.Ring(ring);
  const int32_t colour = s.Device() == 'S' ? def_.pointScreenColour(p) : def_.pointPrintColour(p);
  const bool xInward = inward || !(n > 90 && n < 271);
  const int glyphSize = def_.I16(wo::planetGlyphSize);
  const int row = GlyphRow(ring, setup_, glyphSize);
  const int rho = ring == 1 ? R_ : setup_.R;
  const double speed = chart.speed[p];
  const bool spread = def_.Flag(wo::spreadLabels) && speed >= 0;
  std::array<Point, 5> at = GlyphItemPositions(setup_, rho, n, inward, xInward, row, spread);
  SeparateItems(ring, at, speed < 0);
  const SignPosition sp = SplitLongitude(chart.lon[p]);

  const int degreeSize = def_.I16(wo::degreeSize);
  const int signSize = def_.I16(wo::signGlyphSize);
  const int minuteSize = def_.I16(wo::minuteSize);
  const int retroSize = def_.I16(wo::retrogradeSize);
  const char degreeFont = def_.Letter(wo::degreeFont);
  const char minuteFont = def_.Letter(wo::minuteFont);

  int drop = GlyphDrop(s, glyphSize);
  s.SetFont('A', glyphSize, colour, def_.Letter(wo::planetGlyphStyle));
  int x = at[kItemGlyph].x;
  s.SetTag(ItemRole::PlanetGlyph, p, ring);
  s.DrawGlyph('P', p, x, 'C', at[kItemGlyph].y + drop);
  s.SetTag(ItemRole::PlanetLabel, p, ring);

  int raise = MarkRaise(s, degreeFont, degreeSize);
  s.SetFont(degreeFont, degreeSize, colour, def_.Letter(wo::degreeStyle));
  s.DrawNumberWithMark(sp.degrees, at[kItemDegree].x, at[kItemDegree].y, 'C', degreeFont, 'D', raise,
                       colour);

  drop = GlyphDrop(s, signSize);
  s.SetFont('A', signSize, colour, def_.Letter(wo::signGlyphStyle));
  x = at[kItemSign].x;
  s.DrawGlyph('S', sp.signIndex, x, 'C', at[kItemSign].y + drop);

  raise = MarkRaise(s, minuteFont, minuteSize);
  s.SetFont(minuteFont, minuteSize, colour, def_.Letter(wo::minuteStyle));
  s.DrawNumberWithMark(sp.minutes, at[kItemMinute].x, at[kItemMinute].y, 'C', minuteFont, 'M', raise,
                       colour);

  if (speed < 0) {
    drop = GlyphDrop(s, retroSize);
    s.SetFont('A', retroSize, colour, def_.Letter(wo::retrogradeStyle));
    x = at[kItemRetrograde].x;
    s.DrawGlyph('L', static_cast<unsigned char>(kRetrogradeMark), x, 'c',
                at[kItemRetrograde].y + drop);
  }

  s.SetTag(ItemRole::Other);
  if (pass != 1 || !def_.Flag(wo::pointerLines)) return;
  const PageItemScope tag(s, ItemRole::Pointer, p, ring);
  // Pointer from the glyph's slot to the point's true place on its ring.
  const double trueAngle = TrueWheelAngle(chart.lon[p], rings_.Ring(1).cusps, equal_);
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const double ringRadius = ring == 1 ? R_ : ring == 2 ? RoundEven(1.15 * R_) + extra
                                                       : RoundEven(1.57 * R_) + extra;
  const double factor = ring == 1 ? 0.98 : 1.015;
  const Point a = setup_.At(n, factor * ringRadius);
  const Point b = setup_.At(trueAngle, ringRadius);
  // Pointers are drawn with the pen in force: the ring pen.
  s.Line(a.x, a.y, b.x, b.y);
  const bool marked = ring != 1 && def_.Flag(wo::aspectCircle) && TakesPartInAspects(def_, p, ring);
  if (!marked) return;
  // Outer-ring points that take part in drawn aspects are marked on the
  // aspect circle as well.
  bool paired = false;
  for (const auto& [r1, r2] : AspectRingPairs(rings_.category, def_.Letter(wo::aspectLines)))
    paired = paired || (ring == 2 ? (r1 == 2 || r2 == 2) : (r1 == 1 && r2 == 3));
  if (paired) {
    const Point c = setup_.At(n, 1.045 * setup_.ra);
    const Point d = setup_.At(trueAngle, setup_.ra);
    // The point's place on the aspect circle: no pointer to the degree ring.
    s.SetTag(ItemRole::Other, p, ring);
    s.Line(c.x, c.y, d.x, d.y);
  }
}

int WheelDrawing::GlyphDrop(DrawingSurface& s, int size) {
  if (s.Device() != 'P') return 0;
  s.SetFont('B', size, s.FontColour(), s.FontStyle());
  const int textAscent = s.FontAscent();
  s.SetFont('A', size, s.FontColour(), s.FontStyle());
  return textAscent - s.FontAscent();
}

int WheelDrawing::MarkRaise(DrawingSurface& s, char numberFont, int size) {
  if (s.Device() != 'P') return 0;
  s.SetFont('A', size, s.FontColour(), s.FontStyle());
  const int glyphAscent = s.FontAscent();
  s.SetFont(numberFont, size, s.FontColour(), s.FontStyle());
  return glyphAscent - s.FontAscent();
}

double WheelDrawing::CuspAngle(int, int cusp) const {
  return laidOut_ ? layout_.cusps[cusp] : cuspAngles_[cusp];
}

void WheelDrawing::DrawHouseNumbers(DrawingSurface& s) {
  const char mode = def_.Letter(wo::houseNumbers);
  const double radius =
      mode == 'C' ? 0.18 * R_
                  : (setup_.houseRingOuter + (setup_.doubleLines ? setup_.rc + setup_.u : setup_.ra)) / 2.0;
  s.SetFont(def_.Letter(wo::houseNumberFont), def_.I16(wo::houseNumberSize), def_.I32(wo::ringColour),
            def_.Letter(wo::houseNumberStyle));
  // Each number in the middle of its house as drawn; numbers of narrow
  // houses move apart.
  std::vector<double> at, half;
  for (int c = 1; c <= 12; ++c) {
    const double from = CuspAngle(1, c - 1);
    const double to = equal_ && c == 12 ? 360.0 : CuspAngle(1, c % 12);
    at.push_back(Modulo(360.0, equal_ ? (from + to) / 2.0 : Midpoint(from, to)));
    const std::string text = std::to_string(c);
    half.push_back(BoxHalfWidth(s.TextWidth(text), s.TextHeight(text), radius)(at.back()));
  }
  const std::vector<double> spread = SpreadOnCircle(at, half);
  for (int c = 1; c <= 12; ++c) {
    const Point p = setup_.At(spread[c - 1], radius);
    const std::string text = std::to_string(c);
    const PageItemScope tag(s, ItemRole::HouseNumber, c - 1, 1);
    s.TextAt(p.x - s.TextWidth(text) / 2, p.y - s.TextHeight(text) / 2, text);
  }
  const bool circles = mode == 'E' || mode == 'R' || (mode == 'C' && def_.Letter(wo::aspectLines) == 'Y');
  if (circles && def_.Flag(wo::aspectCircle)) {
    s.Circle(setup_.cx, setup_.cy, setup_.ra);
    if (setup_.doubleLines) s.Circle(setup_.cx, setup_.cy, setup_.rc);
  }
}

void WheelDrawing::CuspLine(DrawingSurface& s, int ring, int cusp, double from, double to) {
  const double shown = CuspAngle(ring, cusp);
  const double truth = cuspAngles_[cusp];
  const double lo = std::min(from, to), hi = std::max(from, to);
  if (!laidOut_ || !layout_.CuspMoved(cusp, cuspAngles_)) {
    const Point a = from > 0 ? setup_.At(shown, from) : Point{setup_.cx, setup_.cy};
    const Point b = setup_.At(shown, to);
    s.Line(a.x, a.y, b.x, b.y);
    return;
  }
  // The line leaves the rings at the cusp's true place and turns to the
  // widened sector beside the glyph columns; for the outer charts on the
  // circles of their ring.
  std::vector<Point> path;
  if (ring == 1) {
    // The inner chart's columns reach up to the zodiac circle: the line
    // runs along the circle from the true place to the widened sector
    // (hidden in the circle), and a tick across the degree scale marks the
    // true place.
    // The arc runs in the circle's own line, just outside its middle, or
    // beyond glyphs that reach over the circle.
    const double arc = std::max(hi + std::max(1, s.Metrics().baseWidth), columnOuter_[0]);
    if (lo <= 0) path.push_back({setup_.cx, setup_.cy});
    else path.push_back(setup_.At(shown, lo));
    path.push_back(setup_.At(shown, arc));
    const double turn = Modulo(360.0, truth - shown + 180.0) - 180.0;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(turn) / 2.0)));
    for (int i = 1; i <= steps; ++i) path.push_back(setup_.At(shown + turn * i / steps, arc));
    path.push_back(setup_.At(truth, RoundEven(1.0367 * hi)));
  } else {
    const double inner = std::min(hi, std::max(lo, columnInner_[ring - 1]));
    const double outer = std::max(inner, std::min(hi, columnOuter_[ring - 1]));
    path.push_back(setup_.At(truth, lo));
    path.push_back(setup_.At(shown, inner));
    path.push_back(setup_.At(shown, outer));
    path.push_back(setup_.At(truth, hi));
  }
  for (size_t i = 0; i + 1 < path.size(); ++i)
    if (path[i] != path[i + 1]) s.Line(path[i].x, path[i].y, path[i + 1].x, path[i + 1].y);
}

void WheelDrawing::DrawCuspLines(DrawingSurface& s) {
  const int bw = s.Metrics().baseWidth;
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const char numbers = def_.Letter(wo::houseNumbers);
  const bool toAspectCircle =
      numbers == 'R' || (numbers == 'N' && def_.Letter(wo::aspectLines) == 'Y');
  s.SetPenColour(def_.I32(wo::ringColour));
  for (int ring = 1; ring <= setup_.rings; ++ring) {
    for (int j = 0; j < 12; ++j) {
      const double theta = CuspAngle(ring, j);
      const PageItemScope tag(s, ItemRole::CuspLine, j, ring);
      if (marks_[ring - 1].dashed[j]) {
        s.SetPenStyle(kPenDashed);
        s.SetPenWidth(bw);
      } else {
        s.SetPenStyle(kPenSolid);
        s.SetPenWidth(j % 3 == 0 && def_.Flag(wo::thickAngles) ? 2 * bw : bw);
      }
      if (ring == 1) {
        if (toAspectCircle) CuspLine(s, 1, j, R_, setup_.rc);
        else CuspLine(s, 1, j, 0, R_);
      } else if (ring == 2) {
        CuspLine(s, 2, j, RoundEven(1.15 * R_) + extra, RoundEven(1.57 * R_));
      } else {
        CuspLine(s, 3, j, RoundEven(1.57 * R_) + extra, 2 * R_);
      }
    }
  }
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(bw);
}

}  // namespace vostrane
