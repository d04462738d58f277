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
  if (def_.Flag(wo::interceptedSigns)) DrawInterceptedSigns(s);
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
  bool secondHalf = false;
  for (int j = 0; j < 12; ++j) {
    const double theta = cuspAngles_[j];
    // From the descendant on, the degree stands on the other side.
    if (theta > 179.9) secondHalf = true;
    const double q = secondHalf ? -side : side;
    const SignPosition sp = SplitLongitude(inner.cusps[j]);

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
}

void WheelDrawing::DrawInterceptedSigns(DrawingSurface& s) {
  const RingChart& inner = rings_.Ring(1);
  s.SetFont('A', def_.I16(wo::cuspLabelSize), def_.I32(wo::cuspLabelColour),
            def_.Letter(wo::cuspLabelStyle));
  for (int j = 0; j < 12; ++j) {
    const int next = (j + 1) % 12;
    const double from = cuspAngles_[j];
    const double to = j == 11 ? 360.0 : cuspAngles_[next];
    const int sign = SplitLongitude(inner.cusps[j]).signIndex;
    const int d = (SplitLongitude(inner.cusps[next]).signIndex - sign + 12) % 12;
    for (int k = 1; k < d; ++k) {
      const Point p = setup_.At(from + k * (to - from) / d, 1.09 * R_);
      int x = p.x;
      s.DrawGlyph('S', (sign + k) % 12, x, 'C', p.y);
    }
  }
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
  s.Circle(setup_.cx, setup_.cy, RoundEven(1.0367 * R_));
  // The ticks are fine lines whatever the ring pen; the ring pen returns
  // for the circles that follow.
  const int ringPen = s.PenWidth();
  s.SetPenWidth(s.Metrics().baseWidth);
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
  s.SetPenWidth(ringPen);
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

void WheelDrawing::PlaceGlyphs(DrawingSurface& s, int ring, int pass) {
  const PlacementInput in = InputOf(ring);
  SlotRing& slots = slots_[ring - 1];
  slots = AssignSlots(in, map_, setup_.spacing);
  CuspMarks& marks = marks_[ring - 1];
  marks = CuspMarks();
  const std::array<bool, 12> inward =
      InwardHouses(in, cuspAngles_, def_.Letter(wo::glyphColumns) == 'N');
  const bool dash = def_.Flag(wo::dashedCusps);
  const bool bend = def_.Flag(wo::bendCusps);
  for (int n = 1; n < kSlotCount; ++n) {
    const int p = slots.point[n];
    if (p < 0) continue;
    placed_[ring - 1][p] = n;
    const int h = MarkCrossedCusp(n, in.house[p], map_, dash, bend, marks);
    DrawGlyphColumn(s, ring, n, p, h, inward[h], pass);
  }
}

void WheelDrawing::DrawGlyphColumn(DrawingSurface& s, int ring, int n, int p, int h, bool inward,
                                   int pass) {
  const RingChart& chart = rings_.Ring(ring);
  const int32_t colour = s.Device() == 'S' ? def_.pointScreenColour(p) : def_.pointPrintColour(p);
  const bool xInward = inward || !(n > 90 && n < 271);
  const int glyphSize = def_.I16(wo::planetGlyphSize);
  const int row = GlyphRow(ring, setup_, glyphSize);
  const int rho = ring == 1 ? R_ : setup_.R;
  const double speed = chart.speed[p];
  const bool spread = def_.Flag(wo::spreadLabels) && speed >= 0;
  const std::array<Point, 5> at = GlyphItemPositions(setup_, rho, n, inward, xInward, row, spread);
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
  s.DrawGlyph('P', p, x, 'C', at[kItemGlyph].y + drop);

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

  if (pass != 1 || !def_.Flag(wo::pointerLines)) return;
  // Pointer from the glyph's slot to the point's true place on its ring.
  const double trueAngle = TrueWheelAngle(chart.lon[p], rings_.Ring(1).cusps, equal_);
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const double ringRadius = ring == 1 ? R_ : ring == 2 ? RoundEven(1.15 * R_) + extra
                                                       : RoundEven(1.57 * R_) + extra;
  const double factor = ring == 1 ? 0.98 : 1.015;
  const Point a = setup_.At(n, factor * ringRadius);
  const Point b = setup_.At(trueAngle, ringRadius);
  // Pointers are fine lines whatever the ring pen.
  const int ringPen = s.PenWidth();
  s.SetPenWidth(s.Metrics().baseWidth);
  s.Line(a.x, a.y, b.x, b.y);
  const bool marked = ring != 1 && def_.Flag(wo::aspectCircle) && TakesPartInAspects(def_, p, ring);
  if (!marked) {
    s.SetPenWidth(ringPen);
    return;
  }
  // Outer-ring points that take part in drawn aspects are marked on the
  // aspect circle as well.
  bool paired = false;
  for (const auto& [r1, r2] : AspectRingPairs(rings_.category, def_.Letter(wo::aspectLines)))
    paired = paired || (ring == 2 ? (r1 == 2 || r2 == 2) : (r1 == 1 && r2 == 3));
  if (paired) {
    const Point c = setup_.At(n, 1.045 * setup_.ra);
    const Point d = setup_.At(trueAngle, setup_.ra);
    s.Line(c.x, c.y, d.x, d.y);
  }
  s.SetPenWidth(ringPen);
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

double WheelDrawing::CuspAngle(int ring, int cusp) const {
  const int bend = marks_[ring - 1].bend[cusp];
  return bend != kNoBend ? bend : cuspAngles_[cusp];
}

void WheelDrawing::DrawHouseNumbers(DrawingSurface& s) {
  const char mode = def_.Letter(wo::houseNumbers);
  const double radius =
      mode == 'C' ? 0.18 * R_
                  : (setup_.houseRingOuter + (setup_.doubleLines ? setup_.rc + setup_.u : setup_.ra)) / 2.0;
  s.SetFont(def_.Letter(wo::houseNumberFont), def_.I16(wo::houseNumberSize), def_.I32(wo::ringColour),
            def_.Letter(wo::houseNumberStyle));
  for (int c = 1; c <= 12; ++c) {
    const double from = CuspAngle(1, c - 1);
    const double to = equal_ && c == 12 ? 360.0 : CuspAngle(1, c % 12);
    const double mid = equal_ ? (from + to) / 2.0 : Midpoint(from, to);
    const Point p = setup_.At(mid, radius);
    const std::string text = std::to_string(c);
    s.TextAt(p.x - s.TextWidth(text) / 2, p.y - s.TextHeight(text) / 2, text);
  }
  const bool circles = mode == 'E' || mode == 'R' || (mode == 'C' && def_.Letter(wo::aspectLines) == 'Y');
  if (circles && def_.Flag(wo::aspectCircle)) {
    s.Circle(setup_.cx, setup_.cy, setup_.ra);
    if (setup_.doubleLines) s.Circle(setup_.cx, setup_.cy, setup_.rc);
  }
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
      if (marks_[ring - 1].dashed[j]) {
        s.SetPenStyle(kPenDashed);
        s.SetPenWidth(bw);
      } else {
        s.SetPenStyle(kPenSolid);
        s.SetPenWidth(j % 3 == 0 && def_.Flag(wo::thickAngles) ? 2 * bw : bw);
      }
      Point a, b;
      if (ring == 1) {
        a = toAspectCircle ? setup_.At(theta, R_) : Point{setup_.cx, setup_.cy};
        b = toAspectCircle ? setup_.At(theta, setup_.rc) : setup_.At(theta, R_);
      } else if (ring == 2) {
        a = setup_.At(theta, RoundEven(1.57 * R_));
        b = setup_.At(theta, RoundEven(1.15 * R_) + extra);
      } else {
        a = setup_.At(theta, 2 * R_);
        b = setup_.At(theta, RoundEven(1.57 * R_) + extra);
      }
      s.Line(a.x, a.y, b.x, b.y);
    }
  }
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(bw);
}

}  // namespace vostrane
