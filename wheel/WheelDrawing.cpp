// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/MessageService.h"
#include "common/AngleTime.h"
#include "wheel/GlyphColumns.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

// Pixels kept free for the rounding of centres, boxes and line ends to
// whole pixels, beyond the gap around glyphs and labels.
constexpr double kRounding = 1.5;
// The smallest size column items shrink to in a crowded ring: the smallest
// readable label, 6 points on the printed page (style sizes are points on a
// printer page; the screen page draws them to the same share of the page).
constexpr int kSmallestItemSize = 6;
// The sizes of the five column items (glyph, degree, sign, minute,
// retrograde mark).
constexpr size_t kItemSizeOffsets[5] = {wo::planetGlyphSize, wo::degreeSize, wo::signGlyphSize,
                                        wo::minuteSize, wo::retrogradeSize};

// Width of the ring pen of a ring line style letter, in base widths.

// The small sideways correction of an item, as a share of the base radius
// (the larger of the two blocks).
double SideShift(int item) {
  return std::max(GlyphItemXCorrection(false, item), -GlyphItemXCorrection(true, item));
}

}  // namespace

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
  style.ringLines = def_.ringLines();
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
  const TextStyle fontStyle = def_.Style(wo::cuspLabelStyle);
  const int32_t colour = def_.I32(wo::cuspLabelColour);
  const double rho = 1.09 * R_;
  const double side = setup_.sizeClass == 'S' ? 5.0 : 4.0;

  // Each cusp's label (degree, sign, minute side by side) and every
  // intercepted sign take their room on the circle; labels of cusps close
  // together move apart, and a smaller size is taken when the labels do not
  // go round the circle.
  std::vector<std::pair<int, int>> intercepted;  // cusp, sign
  std::vector<double> at;
  for (int j = 0; j < 12; ++j) at.push_back(cuspAngles_[j]);
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
      }
    }
  }
  int size = def_.I16(wo::cuspLabelSize);
  HalfWidth numberHalf, signHalf;
  // The degree and the minute stand q to either side of the sign, further
  // where the texts are wide across the ray.
  auto sideAt = [&](double theta) { return std::max(side, numberHalf(theta) + signHalf(theta)); };
  // The room a label needs about its place (it may move a little).
  auto room = [&](size_t i) {
    double m = 0;
    for (int d = -15; d <= 15; d += 5)
      m = std::max(m, i < 12 ? sideAt(at[i] + d) + numberHalf(at[i] + d) : signHalf(at[i] + d));
    return m;
  };
  std::vector<double> half;
  for (;; --size) {
    s.SetFont(font, size, colour, fontStyle);
    const double numberW = s.TextWidth("00"), numberH = s.TextHeight("0");
    s.SetFont('A', size, colour, fontStyle);
    const double markW = std::max(s.TextWidth("}"), s.TextWidth("'"));
    const double signW = s.TextWidth("["), signH = s.TextHeight("[");
    numberHalf = BoxHalfWidth(numberW + markW, std::max(numberH, signH), rho);
    signHalf = BoxHalfWidth(signW, signH, rho);
    half.clear();
    double total = 0;
    for (size_t i = 0; i < at.size(); ++i) {
      half.push_back(room(i));
      total += 2.0 * half.back();
    }
    if (total <= 358.0 || size <= std::min<int>(kSmallestItemSize, def_.I16(wo::cuspLabelSize))) break;
  }
  const int raise = MarkRaise(s, font, size);
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
    s.DrawNumberWithMark(sp.degrees, d.x, d.y, true, font, NumberMark::Degree, raise, colour);

    Point g = setup_.At(theta, rho);
    if (theta > 179 && theta < 181) g.x = RoundEven(g.x * 0.998);
    s.SetFont('A', size, colour, fontStyle);
    int x = g.x;
    s.DrawGlyph(GlyphKind::Sign, sp.signIndex, x, GlyphAnchor::Centre, g.y);

    s.SetFont(font, size, colour, fontStyle);
    const Point m = setup_.At(theta + q, rho);
    s.DrawNumberWithMark(sp.minutes, m.x, m.y, true, font, NumberMark::Minute, raise, colour);
  }
  const PageItemScope tag(s, ItemRole::CuspLabel, -1, 1);
  s.SetFont('A', size, colour, fontStyle);
  for (size_t i = 0; i < intercepted.size(); ++i) {
    const Point p = setup_.At(spread[12 + i], rho);
    int x = p.x;
    s.DrawGlyph(GlyphKind::Sign, intercepted[i].second, x, GlyphAnchor::Centre, p.y);
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
  const int n = setup_.rings;
  if (outer || n > 1) ring(OuterRingBand(n, 2).from);
  if ((outer && n == 2) || n == 3) ring(OuterRingBand(n, 2).to);
  if (outer && n == 3) ring(OuterRingBand(n, 3).to);
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
  map_ = BuildHouseMap(cuspAngles_, def_.Letter(wo::glyphColumns) == 'N');
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

bool WheelDrawing::ItemShown(int ring, int item, int form) const {
  if (IsBrief(form)) return item == kItemGlyph || item == kItemDegree;
  return !BriefColumns(setup_.rings, ring) || (item != kItemSign && item != kItemMinute);
}

int WheelDrawing::ItemSize(int ring, size_t offset, int form) const {
  const int size = def_.I16(offset);
  return std::max(std::min(size, kSmallestItemSize), size - shrink_[ring - 1][form - 1]);
}

WheelDrawing::ColumnItems WheelDrawing::MeasureColumn(DrawingSurface& s, int ring, int form) {
  ColumnItems c;
  auto widest = [&s](const char* chars) {
    int m = 0;
    for (const char* ch = chars; *ch; ++ch) m = std::max(m, s.TextWidth(std::string(1, *ch)));
    return m;
  };
  // A glyph centred by a reference width reaches as far as its own width
  // past the reference's middle.
  auto centred = [](double reference, double own) { return std::max(reference, 2.0 * own - reference); };
  const int glyphSize = ItemSize(ring, wo::planetGlyphSize, form);
  const int32_t colour = s.FontColour();
  int drop = GlyphDrop(s, glyphSize);
  s.SetFont('A', glyphSize, colour, def_.Style(wo::planetGlyphStyle));
  c.w[kItemGlyph] = centred(std::max(s.TextWidth(";"), s.TextWidth("l")),
                            widest("asdfghjkl;ASDFGHJKLQ"));
  c.h[kItemGlyph] = s.TextHeight("a") + 2 * std::abs(drop);
  auto number = [&](int item, char font, int size, TextStyle style, const char* mark) {
    s.SetFont(font, size, colour, style);
    const int digits = s.TextWidth("00"), high = s.TextHeight("0");
    s.SetFont('A', size, colour, style);
    c.w[item] = digits + s.TextWidth(mark);
    c.h[item] = std::max(high, s.TextHeight(mark)) + 2 * std::abs(MarkRaise(s, font, size));
  };
  number(kItemDegree, def_.Letter(wo::degreeFont), ItemSize(ring, wo::degreeSize, form),
         def_.Style(wo::degreeStyle), "}");
  number(kItemMinute, def_.Letter(wo::minuteFont), ItemSize(ring, wo::minuteSize, form),
         def_.Style(wo::minuteStyle), "'");
  const int signSize = ItemSize(ring, wo::signGlyphSize, form);
  drop = GlyphDrop(s, signSize);
  s.SetFont('A', signSize, colour, def_.Style(wo::signGlyphStyle));
  c.w[kItemSign] = centred(s.TextWidth("["), widest("qwertyuiop[]"));
  c.h[kItemSign] = s.TextHeight("[") + 2 * std::abs(drop);
  const int retroSize = ItemSize(ring, wo::retrogradeSize, form);
  drop = GlyphDrop(s, retroSize);
  s.SetFont('A', retroSize, colour, def_.Style(wo::retrogradeStyle));
  c.w[kItemRetrograde] = s.TextWidth("\\");
  c.h[kItemRetrograde] = s.TextHeight("\\") + 2 * std::abs(drop);

  // The layout table's row follows the style's glyph size, not a shrunk one.
  c.row = GlyphRow(ring, setup_, def_.I16(wo::planetGlyphSize));
  c.rho = ring == 1 ? R_ : setup_.R;
  c.itemGap = std::max(1, gap_ / 2);
  if (IsBrief(form)) c.shift = 0.0;
  ColumnBand(s, ring, c);
  return c;
}

void WheelDrawing::ColumnBand(DrawingSurface& s, int ring, ColumnItems& c) {
  const double pen = def_.ringLines().widths * s.Metrics().baseWidth / 2.0;
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const int32_t colour = s.FontColour();
  if (ring == 1) {
    c.inner = setup_.houseRingOuter + (setup_.doubleLines && def_.Flag(wo::houseRingCircle) ? extra : 0);
    const char numbers = def_.Letter(wo::houseNumbers);
    if (numbers != 'N' && numbers != 'C') {
      // The house numbers stand between the aspect circle and the house ring.
      s.SetFont(def_.Letter(wo::houseNumberFont), def_.I16(wo::houseNumberSize), colour,
                def_.Style(wo::houseNumberStyle));
      const double at = (setup_.houseRingOuter +
                         (setup_.doubleLines ? setup_.rc + setup_.u : setup_.ra)) /
                        2.0;
      c.inner = std::max(c.inner, at + std::hypot(s.TextWidth("12"), s.TextHeight("12")) / 2.0);
    }
    c.outer = R_;
  } else {
    const RingBand band = OuterRingBand(setup_.rings, ring);
    c.inner = RoundEven(band.from * R_) + extra;
    c.outer = RoundEven(band.to * R_);
    if (ring == 2) {
      // The cusp labels of the inner chart stand between the rings.
      const char font = def_.Letter(wo::cuspLabelFont);
      const int size = def_.I16(wo::cuspLabelSize);
      s.SetFont(font, size, colour, def_.Style(wo::cuspLabelStyle));
      const double w = s.TextWidth("00"), h = s.TextHeight("0");
      s.SetFont('A', size, colour, def_.Style(wo::cuspLabelStyle));
      const double mw = s.TextWidth("}"), sw = s.TextWidth("["), sh = s.TextHeight("[");
      const double reach = std::hypot(std::max(w + mw, sw), std::max(h, sh)) / 2.0;
      c.inner = std::max(c.inner, 1.09 * R_ + reach);
    }
  }
  c.inner += pen + gap_ + kRounding;
  c.outer -= pen + gap_ + kRounding;
}

bool WheelDrawing::ColumnRadii(int ring, int form, int tier, double angle, bool inward, bool spread,
                               bool retrograde, std::array<double, 5>& radii) const {
  const ColumnItems& c = columnItems_[ring - 1][form - 1];
  const double a = angle * (M_PI / 180.0);
  const double k = setup_.k > 0 ? setup_.k : 1.0;
  const double cs = std::fabs(std::cos(a)), sn = std::fabs(std::sin(a));
  std::array<double, 5> reach{};
  for (int i = 0; i < 5; ++i)
    reach[i] = c.w[i] / 2.0 * cs + c.h[i] / (2.0 * k) * sn + c.shift * SideShift(i) * c.rho * cs * cs;
  const std::array<double, 5> preferred = PreferredItemRadii(c.rho, inward, c.row, spread);
  double inner = c.inner, outer = c.outer;
  TierBand(ring, TiersOf(form), tier, inner, outer);
  if (ItemShown(ring, kItemSign, form))
    return FitColumnRadii(preferred, reach, retrograde ? 5 : 4, c.itemGap, inner, outer, radii);
  // Glyph, degree and retrograde mark only; the sign and minutes keep
  // their preferred radii and are not drawn.
  constexpr int kShown[3] = {kItemGlyph, kItemDegree, kItemRetrograde};
  std::array<double, 5> p{}, e{}, fitted{};
  for (int i = 0; i < 3; ++i) p[i] = preferred[kShown[i]], e[i] = reach[kShown[i]];
  const bool fits = FitColumnRadii(p, e, retrograde && ItemShown(ring, kItemRetrograde, form) ? 3 : 2,
                                   c.itemGap, inner, outer, fitted);
  radii = preferred;
  for (int i = 0; i < 3; ++i) radii[kShown[i]] = fitted[i];
  return fits;
}

HalfWidth WheelDrawing::BoxHalfWidth(double w, double h, double rho) const {
  const double k = setup_.k > 0 ? setup_.k : 1.0;
  const double gap = gap_;
  return [w, h, rho, k, gap](double angle) { return TextBoxHalfAngle(w, h, rho, k, gap, angle); };
}

HalfWidth WheelDrawing::HalfWidthOf(int ring, int form) const {
  const bool perHouse = def_.Letter(wo::glyphColumns) == 'N';
  const bool spreads = def_.Flag(wo::spreadLabels);
  const double k = setup_.k > 0 ? setup_.k : 1.0;
  // Brief columns stand in crowded houses: they keep only the pixels the
  // rounding needs clear of their neighbours.
  const double pad = (IsBrief(form) ? gap_ / 2.0 : gap_) + kRounding;
  return [this, ring, form, perHouse, spreads, k, pad](double angle) {
    const ColumnItems& c = columnItems_[ring - 1][form - 1];
    const double a = angle * (M_PI / 180.0);
    const double cs = std::fabs(std::cos(a)), sn = std::fabs(std::sin(a));
    double m = 0;
    for (int inward = 0; inward <= (perHouse ? 1 : 0); ++inward)
      for (int retrograde = 0; retrograde <= 1; ++retrograde)
        for (int tier = 0; tier < TiersOf(form); ++tier) {
          std::array<double, 5> r{};
          const bool fits = ColumnRadii(ring, form, tier, angle, inward, spreads && !retrograde,
                                        retrograde, r);
          // A brief column that does not fit its tier here is not used here.
          if (IsBrief(form) && !fits) return 90.0;
          for (int i = 0; i < (retrograde ? 5 : 4); ++i) {
            if (!ItemShown(ring, i, form)) continue;
            const double e = c.w[i] / 2.0 * sn + c.h[i] / (2.0 * k) * cs +
                             c.shift * SideShift(i) * c.rho * cs * sn + pad;
            m = std::max(m, std::asin(std::min(1.0, e / std::max(1.0, r[i]))) * 180.0 / M_PI);
          }
        }
    return m;
  };
}

bool WheelDrawing::FitColumns(DrawingSurface& s, int ring, int form, int fewestPoints) {
  const bool perHouse = def_.Letter(wo::glyphColumns) == 'N';
  int largest = 0;
  for (size_t o : kItemSizeOffsets) largest = std::max<int>(largest, def_.I16(o));
  auto fits = [&] {
    std::array<double, 5> radii{};
    for (int angle = 0; angle < 360; ++angle)
      for (int inward = 0; inward <= (perHouse ? 1 : 0); ++inward)
        for (int tier = 0; tier < TiersOf(form); ++tier)
          if (!ColumnRadii(ring, form, tier, angle, inward, false, true, radii)) return false;
    return true;
  };
  // Without the labels' sideways nudge, then at smaller sizes, until a
  // column fits the ring's band at every angle.
  if (fewestPoints > 0 && largest - fewestPoints < kSmallestItemSize) return false;
  int& shrink = shrink_[ring - 1][form - 1];
  ColumnItems& items = columnItems_[ring - 1][form - 1];
  if (IsBrief(form)) {
    // Brief columns keep the style's sizes: they are used only where they
    // fit their tier.
    shrink = 0;
    items = MeasureColumn(s, ring, form);
    fitted_[ring - 1][form - 1] = fits();
    return true;
  }
  for (shrink = fewestPoints;; ++shrink) {
    items = MeasureColumn(s, ring, form);
    if (shrink == 0 && fits()) break;
    items.shift = 0.0;
    if (fits() || largest - shrink <= kSmallestItemSize) break;
  }
  // At the smallest sizes the items of a column may touch (one tier; more
  // tiers are not used then).
  fitted_[ring - 1][form - 1] = fits();
  if (!fitted_[ring - 1][form - 1]) items.itemGap = 0;
  return true;
}

void WheelDrawing::LayOut(DrawingSurface& s) {
  std::array<ColumnRingInput, 3> in;
  for (int ring = 1; ring <= setup_.rings; ++ring) {
    const PlacementInput p = InputOf(ring);
    ColumnRingInput& r = in[ring - 1];
    r.present = true;
    r.shown = p.shown;
    r.house = p.house;
    for (int q = 0; q < kWheelPoints; ++q)
      r.angle[q] = TrueWheelAngle(p.lon[q], rings_.Ring(1).cusps, equal_);
    r.tierHalfWidth.clear();
    for (int tiers = 1; tiers <= kMaxTiers; ++tiers) {
      FitColumns(s, ring, tiers, 0);
      if (tiers == 1) r.halfWidth = HalfWidthOf(ring, 1);
      else if (fitted_[ring - 1][tiers - 1]) r.tierHalfWidth.push_back(HalfWidthOf(ring, tiers));
      else break;
    }
    // Brief columns, for the houses where full columns would stand far
    // from their degrees: shorter along the ray, so that more tiers fit the
    // band, and narrower gaps between them.
    r.compactHalfWidth.clear();
    for (int tiers = 1; tiers <= kMaxTiers; ++tiers) {
      const int form = kMaxTiers + tiers;
      FitColumns(s, ring, form, 0);
      r.compactHalfWidth.push_back(HalfWidthOf(ring, form));
    }
  }
  layout_ = LayOutColumns(cuspAngles_, in);
  // Brief columns are kept only where they bring the farthest column nearer
  // its degree than full columns alone do.
  std::array<ColumnRingInput, 3> full = in;
  for (ColumnRingInput& r : full) r.compactHalfWidth.clear();
  ColumnLayout fullLayout = LayOutColumns(cuspAngles_, full);
  if (FarthestFromDegree(fullLayout, full) <= FarthestFromDegree(layout_, in)) {
    layout_ = std::move(fullLayout);
    in = std::move(full);
  }
  // Columns that do not go round the wheel at all are drawn smaller.
  while (layout_.squeezed) {
    bool smaller = false;
    for (int ring = 1; ring <= setup_.rings; ++ring)
      for (int tiers = 1; tiers <= 1 + static_cast<int>(in[ring - 1].tierHalfWidth.size()); ++tiers)
        smaller = FitColumns(s, ring, tiers, shrink_[ring - 1][tiers - 1] + 1) || smaller;
    // (Brief columns keep their sizes: they are used only where they fit.)
    if (!smaller) break;
    layout_ = LayOutColumns(cuspAngles_, in);
  }
  laidOut_ = true;
}

void WheelDrawing::PlaceGlyphs(DrawingSurface& s, int ring, int pass) {
  if (!laidOut_) LayOut(s);
  const PlacementInput in = InputOf(ring);
  slots_[ring - 1] = SlotRing();
  marks_[ring - 1] = CuspMarks();
  const std::array<bool, 12> inward = InwardHouses(in, cuspAngles_,
                                                   def_.Letter(wo::glyphColumns) == 'N');
  for (int p = 0; p < kWheelPoints; ++p) {
    const double angle = layout_.angle[ring - 1][p];
    if (angle < 0) continue;
    int n = RoundEven(angle);
    if (n <= 0) n = 360;
    placed_[ring - 1][p] = n;
    if (slots_[ring - 1].Free(n)) slots_[ring - 1].point[n] = p;
    const int form = std::max(1, layout_.tiers[ring - 1][p]) +
                     (layout_.compact[ring - 1][p] ? kMaxTiers : 0);
    DrawGlyphColumn(s, ring, angle, p, form, layout_.tier[ring - 1][p], inward[in.house[p]], pass);
  }
}

void WheelDrawing::DrawGlyphColumn(DrawingSurface& s, int ring, double n, int p, int form, int tier,
                                   bool inward, int pass) {
  // Pass 1 draws the pointers under everything else, pass 2 the column on
  // top of the cusp lines: each item is drawn once.
  if (pass == 1) {
    DrawPointer(s, ring, n, p, form, tier);
    return;
  }
  const RingChart& chart = rings_.Ring(ring);
  const int32_t colour = s.Device() == OutputDevice::Screen ? def_.pointScreenColour(p)
                                                            : def_.pointPrintColour(p);
  const bool xInward = inward || !(n > 90 && n < 271);
  const int glyphSize = ItemSize(ring, wo::planetGlyphSize, form);
  const double speed = chart.speed[p];
  const bool spread = def_.Flag(wo::spreadLabels) && speed >= 0;
  std::array<double, 5> radii{};
  ColumnRadii(ring, form, tier, n, inward, spread, speed < 0, radii);
  const ColumnItems& items = columnItems_[ring - 1][form - 1];
  const double rho = items.rho;
  std::array<Point, 5> at;
  for (int item = 0; item < 5; ++item) {
    at[item] = setup_.At(n, radii[item]);
    at[item].x += RoundEven(items.shift * rho * std::cos(n * (M_PI / 180.0)) *
                            GlyphItemXCorrection(xInward, item));
  }
  const SignPosition sp = SplitLongitude(chart.lon[p]);

  const int degreeSize = ItemSize(ring, wo::degreeSize, form);
  const int signSize = ItemSize(ring, wo::signGlyphSize, form);
  const int minuteSize = ItemSize(ring, wo::minuteSize, form);
  const int retroSize = ItemSize(ring, wo::retrogradeSize, form);
  const char degreeFont = def_.Letter(wo::degreeFont);
  const char minuteFont = def_.Letter(wo::minuteFont);

  int drop = GlyphDrop(s, glyphSize);
  s.SetFont('A', glyphSize, colour, def_.Style(wo::planetGlyphStyle));
  int x = at[kItemGlyph].x;
  s.SetTag(ItemRole::PlanetGlyph, p, ring);
  s.DrawGlyph(GlyphKind::Point, p, x, GlyphAnchor::Centre, at[kItemGlyph].y + drop);
  s.SetTag(ItemRole::PlanetLabel, p, ring);

  int raise = MarkRaise(s, degreeFont, degreeSize);
  s.SetFont(degreeFont, degreeSize, colour, def_.Style(wo::degreeStyle));
  s.DrawNumberWithMark(sp.degrees, at[kItemDegree].x, at[kItemDegree].y, true, degreeFont,
                       NumberMark::Degree, raise, colour);

  if (ItemShown(ring, kItemSign, form)) {
    drop = GlyphDrop(s, signSize);
    s.SetFont('A', signSize, colour, def_.Style(wo::signGlyphStyle));
    x = at[kItemSign].x;
    s.DrawGlyph(GlyphKind::Sign, sp.signIndex, x, GlyphAnchor::Centre, at[kItemSign].y + drop);
  }
  if (ItemShown(ring, kItemMinute, form)) {
    raise = MarkRaise(s, minuteFont, minuteSize);
    s.SetFont(minuteFont, minuteSize, colour, def_.Style(wo::minuteStyle));
    s.DrawNumberWithMark(sp.minutes, at[kItemMinute].x, at[kItemMinute].y, true, minuteFont,
                         NumberMark::Minute, raise, colour);
  }

  if (speed < 0 && ItemShown(ring, kItemRetrograde, form)) {
    drop = GlyphDrop(s, retroSize);
    s.SetFont('A', retroSize, colour, def_.Style(wo::retrogradeStyle));
    x = at[kItemRetrograde].x;
    s.DrawGlyph(GlyphKind::Literal, static_cast<unsigned char>(kRetrogradeMark), x,
                GlyphAnchor::OwnCentre, at[kItemRetrograde].y + drop);
  }

  s.SetTag(ItemRole::Other);
}

void WheelDrawing::TierBand(int ring, int tiers, int tier, double& inner, double& outer) const {
  if (tiers <= 1) return;
  // Tier 0 is the one beside the circle the pointers run to: the outermost
  // in the inner ring, the innermost in the outer rings.
  const int fromOuter = ring == 1 ? tier : tiers - 1 - tier;
  const double width = (outer - inner - (tiers - 1) * gap_) / tiers;
  outer -= fromOuter * (width + gap_);
  inner = outer - width;
}

void WheelDrawing::DrawPointer(DrawingSurface& s, int ring, double n, int p, int form, int tier) {
  if (!def_.Flag(wo::pointerLines)) return;
  const RingChart& chart = rings_.Ring(ring);
  const PageItemScope tag(s, ItemRole::Pointer, p, ring);
  // Pointer from the glyph's slot to the point's true place on its ring.
  const double trueAngle = TrueWheelAngle(chart.lon[p], rings_.Ring(1).cusps, equal_);
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const double ringRadius = ring == 1 ? R_
                                      : RoundEven(OuterRingBand(setup_.rings, ring).from * R_) + extra;
  const double factor = ring == 1 ? 0.98 : 1.015;
  const Point a = setup_.At(n, factor * ringRadius);
  const Point b = setup_.At(trueAngle, ringRadius);
  // Pointers are drawn with the pen in force: the ring pen.
  s.Line(a.x, a.y, b.x, b.y);
  if (tier > 0) {
    // From a tier further from the ring's circle the pointer starts at the
    // column, between the columns of the tiers before it.
    const ColumnItems& c = columnItems_[ring - 1][form - 1];
    double inner = c.inner, outer = c.outer;
    TierBand(ring, TiersOf(form), tier, inner, outer);
    const Point e = setup_.At(n, ring == 1 ? outer : inner);
    const PageItemScope leg(s, ItemRole::Other, p, ring);
    s.Line(e.x, e.y, a.x, a.y);
  }
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
  if (!s.Metrics().LaidOutAsPrinted()) return 0;
  s.SetFont('B', size, s.FontColour(), s.FontStyle());
  const int textAscent = s.FontAscent();
  s.SetFont('A', size, s.FontColour(), s.FontStyle());
  return textAscent - s.FontAscent();
}

int WheelDrawing::MarkRaise(DrawingSurface& s, char numberFont, int size) {
  if (!s.Metrics().LaidOutAsPrinted()) return 0;
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
  const double radius = mode == 'C' ? 0.18 * R_
                                    : (setup_.houseRingOuter +
                                       (setup_.doubleLines ? setup_.rc + setup_.u : setup_.ra)) /
                                          2.0;
  s.SetFont(def_.Letter(wo::houseNumberFont), def_.I16(wo::houseNumberSize), def_.I32(wo::ringColour),
            def_.Style(wo::houseNumberStyle));
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
  houseNumbers_.clear();
  for (int c = 1; c <= 12; ++c) {
    if (mode != 'C') houseNumbers_.push_back({spread[c - 1], half[c - 1]});
    const Point p = setup_.At(spread[c - 1], radius);
    const std::string text = std::to_string(c);
    const PageItemScope tag(s, ItemRole::HouseNumber, c - 1, 1);
    s.TextAt(p.x - s.TextWidth(text) / 2, p.y - s.TextHeight(text) / 2, text);
  }
  const bool circles = mode == 'E' || mode == 'R' ||
                       (mode == 'C' && def_.Letter(wo::aspectLines) == 'Y');
  if (circles && def_.Flag(wo::aspectCircle)) {
    s.Circle(setup_.cx, setup_.cy, setup_.ra);
    if (setup_.doubleLines) s.Circle(setup_.cx, setup_.cy, setup_.rc);
  }
}

void WheelDrawing::CuspLine(DrawingSurface& s, int ring, int cusp, double from, double to) {
  const double shown = CuspAngle(ring, cusp);
  const double truth = cuspAngles_[cusp];
  const double lo = std::min(from, to), hi = std::max(from, to);
  const Point inner = lo > 0 ? setup_.At(shown, lo) : Point{setup_.cx, setup_.cy};
  if (!laidOut_ || !layout_.CuspMoved(cusp, cuspAngles_)) {
    const Point b = setup_.At(shown, hi);
    s.Line(inner.x, inner.y, b.x, b.y);
    return;
  }
  // The line runs straight through the glyph band beside the widened
  // house and turns to the cusp's true place along the circles that bound
  // the ring, where it is hidden in the circle; the inner chart's line
  // then crosses the degree scale at the true place.
  auto arc = [&](std::vector<Point>& path, double rho, double fromAngle, double toAngle) {
    const double turn = Modulo(360.0, toAngle - fromAngle + 180.0) - 180.0;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(turn) / 2.0)));
    for (int i = 1; i <= steps; ++i) path.push_back(setup_.At(fromAngle + turn * i / steps, rho));
  };
  std::vector<Point> path;
  if (ring == 1) {
    path.push_back(inner);
    path.push_back(setup_.At(shown, hi));
    arc(path, hi, shown, truth);
    path.push_back(setup_.At(truth, RoundEven(1.0367 * hi)));
  } else {
    path.push_back(setup_.At(truth, lo));
    arc(path, lo, truth, shown);
    path.push_back(setup_.At(shown, hi));
    arc(path, hi, shown, truth);
  }
  for (size_t i = 0; i + 1 < path.size(); ++i)
    if (path[i] != path[i + 1]) s.Line(path[i].x, path[i].y, path[i + 1].x, path[i + 1].y);
}

void WheelDrawing::DrawCuspLines(DrawingSurface& s) {
  const int bw = s.Metrics().baseWidth;
  const int extra = setup_.doubleLines ? setup_.u : 0;
  const char numbers = def_.Letter(wo::houseNumbers);
  const bool toAspectCircle = numbers == 'R' || (numbers == 'N' && def_.Letter(wo::aspectLines) == 'Y');
  s.SetPenColour(def_.I32(wo::ringColour));
  for (int ring = 1; ring <= setup_.rings; ++ring) {
    for (int j = 0; j < 12; ++j) {
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
      } else {
        const RingBand band = OuterRingBand(setup_.rings, ring);
        CuspLine(s, ring, j, RoundEven(band.from * R_) + extra, RoundEven(band.to * R_));
      }
    }
  }
  s.SetPenStyle(kPenSolid);
  s.SetPenWidth(bw);
}

}  // namespace vostrane
