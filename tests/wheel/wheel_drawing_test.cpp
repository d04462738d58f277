// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel drawn on the recording surface: the angle mapping, rings of
// multi-wheels, cusp labels, degree scale, glyph columns, cusp lines and
// the aspect lines between the points the style selects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ScriptedMessageService.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/AspectDrawing.h"
#include "wheel/Rounding.h"
#include "wheel/WheelDrawing.h"

namespace vostrane {
namespace {

using test::AngleOf;
using test::CentreOf;
using test::RadiusOf;

struct Page {
  WheelDefinition def = test::PlainStyle();
  RingArrays rings;
  RecordingSurface surface;
  WheelSetup setup;

  explicit Page(char category = 'R') { rings.category = category; }
  // Draws the wheel; the setup is computed from the style first.
  WheelDrawing& Draw(const AspectTables* aspects = nullptr) {
    setup = ComputeWheelSetup(def, rings.category, surface.Metrics());
    wheel_ = std::make_unique<WheelDrawing>(def, rings, setup);
    surface.Clear();
    wheel_->Draw(surface, aspects);
    return *wheel_;
  }
  // Recorded texts of one glyph character in the glyph font.
  std::vector<DrawOp> Glyphs(char c) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : surface.Texts())
      if (op.fontLetter == 'A' && op.text == std::string(1, c)) out.push_back(op);
    return out;
  }

 private:
  std::unique_ptr<WheelDrawing> wheel_;
};

TEST(WheelSetup, RadiiAndAngleMapping) {
  RecordingSurface s;
  const WheelDefinition d = test::PlainStyle();
  WheelSetup w = ComputeWheelSetup(d, 'R', s.Metrics());
  EXPECT_EQ(w.R, RoundEven(830 * 0.27));
  EXPECT_EQ(w.cx, 1 + 307);
  EXPECT_EQ(w.cy, 1 + 415);
  EXPECT_EQ(w.u, 2);
  EXPECT_EQ(w.sizeClass, 'M');
  EXPECT_EQ(w.houseRingOuter, RoundEven(0.61 * w.R));
  EXPECT_EQ(w.ra, RoundEven(0.539 * w.R));
  EXPECT_EQ(w.rc, w.ra);
  // Ascendant at the left, Imum Coeli at the bottom, counter-clockwise.
  EXPECT_EQ(w.At(0, 100), (Point{w.cx - 100, w.cy}));
  EXPECT_EQ(w.At(90, 100), (Point{w.cx, w.cy + 100}));
  EXPECT_EQ(w.At(180, 100), (Point{w.cx + 100, w.cy}));
  EXPECT_EQ(w.At(270, 100), (Point{w.cx, w.cy - 100}));
  EXPECT_EQ(w.At(45, 100).x, w.cx - 71);
  EXPECT_EQ(w.At(45, 100).y, w.cy + 71);
  // The vertical scale stretches y only.
  w.k = 1.2;
  EXPECT_EQ(w.At(90, 100), (Point{w.cx, w.cy + 120}));
  // Halves round to even.
  w.k = 1.0;
  EXPECT_EQ(w.At(0, 100.5).x, w.cx - 100);
  EXPECT_EQ(w.At(0, 101.5).x, w.cx - 102);

  // Bi-wheel: the aspect circle takes a third of the second ring's radius,
  // the house ring stays as wide as a small wheel's; a double style with
  // aspect lines ends the lines one u inside the aspect circle.
  WheelDefinition dd = d;
  dd.SetLetter(wheel_offset::ringLineStyle, 'D');
  dd.SetLetter(wheel_offset::aspectLines, 'Y');
  dd.SetLetter(wheel_offset::houseNumbers, 'R');
  w = ComputeWheelSetup(dd, 'B', s.Metrics());
  EXPECT_NEAR(w.ra, 1.57 * w.R / 3.0, 1.0);
  EXPECT_NEAR(w.houseRingOuter - w.ra, (0.53 - 0.439) * w.R, 1.0);
  EXPECT_EQ(w.rc, w.ra - w.u);
}

TEST(WheelDrawing, GlyphColumnAtItsSlotWithLabels) {
  Page page;
  const auto cusps = test::EqualCusps(10);
  page.rings.Ring(1) = test::MakeRing(cusps, {{0, 110.4}, {4, 250.0}});
  page.rings.Ring(1).speed[4] = -0.3;  // Mars retrograde
  WheelDrawing& wheel = page.Draw();
  ASSERT_EQ(wheel.SlotOf(1, 0), 100);
  const WheelSetup& w = page.setup;

  const auto sun = page.Glyphs('a');
  ASSERT_EQ(sun.size(), 1u);  // drawn once, after the cusp lines
  const auto [x, y] = CentreOf(sun[0]);
  EXPECT_NEAR(AngleOf(w, x, y), 100, 1.0);
  EXPECT_NEAR(RadiusOf(w, x, y), 0.95 * w.R, 3);
  // Degree 20, sign Cancer ('r'), minutes 24 along the same ray.
  bool degree = false, minute = false;
  for (const DrawOp& op : page.surface.TextsEqual("20")) {
    const auto [dx, dy] = CentreOf(op);
    degree = degree || (std::fabs(AngleOf(w, dx, dy) - 100) < 3 &&
                        std::fabs(RadiusOf(w, dx, dy) - 0.87 * w.R) < 4);
  }
  for (const DrawOp& op : page.surface.TextsEqual("24")) {
    const auto [mx, my] = CentreOf(op);
    minute = minute || (std::fabs(AngleOf(w, mx, my) - 100) < 3 &&
                        std::fabs(RadiusOf(w, mx, my) - 0.73 * w.R) < 4);
  }
  EXPECT_TRUE(degree);
  EXPECT_TRUE(minute);
  EXPECT_FALSE(page.Glyphs('r').empty());

  // Only the retrograde Mars has the retrograde mark, innermost.
  const auto retro = page.Glyphs('\\');
  ASSERT_EQ(retro.size(), 1u);
  const auto [rx, ry] = CentreOf(retro[0]);
  EXPECT_NEAR(AngleOf(w, rx, ry), wheel.SlotOf(1, 4), 2);
  EXPECT_NEAR(RadiusOf(w, rx, ry), 0.66 * w.R, 4);
}

TEST(WheelDrawing, PointColoursFollowTheDevice) {
  for (OutputDevice device : {OutputDevice::Screen, OutputDevice::Printer}) {
    WheelDefinition def = test::PlainStyle();
    def.setPointColours(0, 4, 2);  // Sun: red on the screen, green on paper
    RingArrays rings;
    rings.Ring(1) = test::MakeRing(test::EqualCusps(10), {{0, 110.4}});
    RecordingSurface surface(device);
    const WheelSetup setup = ComputeWheelSetup(def, 'R', surface.Metrics());
    WheelDrawing wheel(def, rings, setup);
    wheel.Draw(surface, nullptr);
    int sunGlyphs = 0;
    for (const DrawOp& op : surface.TextsEqual("a")) {
      EXPECT_EQ(op.colour, PaletteColour(device == OutputDevice::Screen ? 4 : 2))
          << static_cast<int>(device);
      ++sunGlyphs;
    }
    EXPECT_EQ(sunGlyphs, 1) << static_cast<int>(device);
  }
}

TEST(WheelDrawing, SpreadLabelsUseTheRoomOfTheRetrogradeMark) {
  Page page;
  page.rings.Ring(1) = test::MakeRing(test::EqualCusps(10), {{0, 110.4}});
  page.Draw();
  auto radiusOfDegree = [&] {
    for (const DrawOp& op : page.surface.TextsEqual("20")) {
      const auto [x, y] = CentreOf(op);
      if (std::fabs(AngleOf(page.setup, x, y) - 100) < 3) return RadiusOf(page.setup, x, y);
    }
    return 0.0;
  };
  const double plain = radiusOfDegree();
  page.def.SetLetter(wheel_offset::spreadLabels, 'Y');
  page.Draw();
  const double spread = radiusOfDegree();
  EXPECT_NEAR(plain - spread, 0.25 * 0.07 * page.setup.R, 1.5);
}

// The cusp labels: degree at theta - q, sign at theta, minute at theta + q,
// q 5 degrees up to wheel size 2425 and 4 above; negative from the
// descendant on.
void ExpectCuspLabels(int size, double q) {
  Page page;
  page.def.SetI16(wheel_offset::wheelSize, static_cast<int16_t>(size));
  page.def.SetI16(wheel_offset::cuspLabelSize, 12);  // drawn at 10 points
  page.rings.Ring(1) = test::MakeRing(test::Cusps({10.25, 40, 68, 97, 130, 160}), {});
  page.Draw();
  const WheelSetup& w = page.setup;
  auto labelAt = [&](const std::string& text, double theta) {
    const Point p = w.At(theta, 1.09 * w.R);
    // Number 2 x 6 px and mark 6 px wide, 10 px high, centred together.
    for (const DrawOp& op : page.surface.TextsEqual(text))
      if (op.x1 == p.x - 9 && op.y1 == p.y - 5) return true;
    return false;
  };
  EXPECT_TRUE(labelAt("10", 0 - q)) << size;  // cusp 1: 10 deg 15 min
  EXPECT_TRUE(labelAt("15", 0 + q)) << size;
  EXPECT_TRUE(labelAt("10", 180 + q)) << size;  // cusp 7, second half
  EXPECT_TRUE(labelAt("15", 180 - q)) << size;
  // The sign glyph of the descendant's cusp: x scaled by 0.998.
  const Point s = w.At(180, 1.09 * w.R);
  const int x = RoundEven(s.x * 0.998);
  bool found = false;
  for (const DrawOp& op : page.Glyphs('u'))  // Libra
    found = found || op.x1 == x - 3;
  EXPECT_TRUE(found) << page.surface.Dump();
}

TEST(WheelDrawing, CuspLabelOffsetsBySize) {
  ExpectCuspLabels(2425, 5);
  ExpectCuspLabels(2426, 4);
}

TEST(WheelDrawing, DegreeScaleTicksMarkTheSigns) {
  Page page;
  page.rings.Ring(1) = test::MakeRing(test::EqualCusps(15.5), {});
  page.Draw();
  const WheelSetup& w = page.setup;
  const int R = page.Draw().Radius();
  int signTicks = 0, fiveTicks = 0;
  for (const DrawOp& op : page.surface.Lines()) {
    const double r1 = RadiusOf(w, op.x1, op.y1), r2 = RadiusOf(w, op.x2, op.y2);
    if (std::fabs(r2 - R) > 1.5) continue;
    if (std::fabs(r1 - 1.0367 * R) < 1.5) {
      ++signTicks;
      // Sign boundaries: longitudes 30 k, wheel angles 30 k - 15.5.
      const double d = std::fmod(AngleOf(w, op.x2, op.y2) + 15.5, 30.0);
      EXPECT_LT(std::min(d, 30 - d), 0.6);
    } else if (std::fabs(r1 - 1.013 * R) < 1.0) {
      ++fiveTicks;
    }
  }
  EXPECT_EQ(signTicks, 12);
  EXPECT_EQ(fiveTicks, 60);
  EXPECT_EQ(R, page.setup.R);  // with a scale the radius stays
  // Without the scale ring the zodiac circle moves out to its place.
  page.def.SetLetter(wheel_offset::degreeScale, 'N');
  EXPECT_EQ(page.Draw().Radius(), RoundEven(1.0367 * page.setup.R));
}

std::vector<int> CircleRadii(const RecordingSurface& s, const WheelSetup& w) {
  std::vector<int> radii;
  for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Ellipse)) {
    EXPECT_EQ(op.x1 + op.x2, 2 * w.cx);
    radii.push_back((op.x2 - op.x1) / 2);
  }
  return radii;
}

// Points 1..9 spread round the zodiac, one to a house at most, so that no
// house is crowded (MakeRing puts them all in one place).
void SpreadOthers(RingChart& ring) {
  const double at[9] = {15, 60, 75, 100, 170, 190, 210, 290, 310};
  for (int p = 1; p <= 9; ++p) ring.lon[p] = at[p - 1];
}

TEST(WheelDrawing, RingsOfBiAndTriWheelsAreSeparate) {
  for (char category : {'B', 'T'}) {
    Page page(category);
    page.def.SetI16(wheel_offset::wheelSize, 1500);
    const auto cusps = test::EqualCusps(0);
    for (int r = 1; r <= page.rings.Count(); ++r) {
      page.rings.Ring(r) = test::MakeRing(cusps, {{0, 45.0 + 100 * r}});
      SpreadOthers(page.rings.Ring(r));
    }
    WheelDrawing& wheel = page.Draw();
    const WheelSetup& w = page.setup;
    const int R = wheel.Radius();
    // One Sun per ring, drawn once, in its own band.
    const auto suns = page.Glyphs('a');
    ASSERT_EQ(static_cast<int>(suns.size()), page.rings.Count());
    for (const DrawOp& op : suns) {
      const auto [x, y] = CentreOf(op);
      const double rho = RadiusOf(w, x, y);
      const double angle = AngleOf(w, x, y);
      const int ring = op.tag.ring;
      ASSERT_GE(ring, 1);
      EXPECT_NEAR(angle, 45.0 + 100 * ring, 8);
      if (ring == 1) {
        EXPECT_LT(rho, R);
      }
      if (ring > 1) {
        const RingBand band = OuterRingBand(page.rings.Count(), ring);
        EXPECT_GT(rho, band.from * R);
        EXPECT_LT(rho, band.to * R);
      }
      // Each Sun keeps its own place, inside its house.
      EXPECT_NEAR(wheel.SlotOf(ring, 0), 45 + 100 * ring, 8);
    }
    const auto radii = CircleRadii(page.surface, w);
    EXPECT_NE(std::find(radii.begin(), radii.end(), RoundEven(1.15 * R)), radii.end());
    const int second = RoundEven(OuterRingBand(page.rings.Count(), 2).to * R);
    const bool hasSecond = std::find(radii.begin(), radii.end(), second) != radii.end();
    EXPECT_EQ(hasSecond, category == 'T');  // offset 5 'N': only the tri-wheel needs it
    // The outer rings of a tri-wheel show glyph and degree without the sign
    // glyph and minutes; a bi-wheel's outer ring shows them all.
    for (int ring = 2; ring <= page.rings.Count(); ++ring) {
      int signs = 0;
      for (const DrawOp& op : page.surface.Texts())
        signs += op.tag.ring == ring && op.tag.role == ItemRole::PlanetLabel &&
                 op.text.find_first_of("qwertyuiop[]") != std::string::npos;
      EXPECT_EQ(signs == 0, category == 'T') << "ring " << ring;
    }
  }
}

TEST(WheelDrawing, SingleWheelCirclesFollowTheStyle) {
  Page page;
  page.rings.Ring(1) = test::MakeRing(test::EqualCusps(0), {});
  page.Draw();
  auto radii = CircleRadii(page.surface, page.setup);
  const int R = page.setup.R;
  EXPECT_EQ(std::count(radii.begin(), radii.end(), R), 1);
  EXPECT_EQ(std::count(radii.begin(), radii.end(), RoundEven(1.0367 * R)), 1);
  EXPECT_EQ(std::count(radii.begin(), radii.end(), RoundEven(1.15 * R)), 0);
  page.def.SetLetter(wheel_offset::outerRingCircles, 'Y');
  page.def.SetLetter(wheel_offset::houseRingCircle, 'Y');
  page.def.SetLetter(wheel_offset::aspectCircle, 'Y');
  page.Draw();
  radii = CircleRadii(page.surface, page.setup);
  EXPECT_EQ(std::count(radii.begin(), radii.end(), RoundEven(1.15 * R)), 1);
  EXPECT_EQ(std::count(radii.begin(), radii.end(), page.setup.houseRingOuter), 1);
  EXPECT_EQ(std::count(radii.begin(), radii.end(), page.setup.ra), 1);
}

TEST(WheelDrawing, HouseNumbersAndEqualSectorCuspLines) {
  Page page;
  page.def.SetLetter(wheel_offset::equalSectors, 'Y');
  page.def.SetI16(wheel_offset::houseNumberSize, 15);  // 12 points on the bitmap
  page.rings.Ring(1) = test::MakeRing(test::Cusps({100, 140, 165, 190, 225, 255}), {});
  SpreadOthers(page.rings.Ring(1));
  page.Draw();
  const WheelSetup& w = page.setup;
  for (int c = 1; c <= 12; ++c) {
    const auto texts = page.surface.TextsEqual(std::to_string(c));
    bool found = false;
    for (const DrawOp& op : texts) {
      if (op.fontPoints != 12) continue;
      const auto [x, y] = CentreOf(op);
      found = found || std::fabs(AngleOf(w, x, y) - (30 * c - 15)) < 2;
    }
    EXPECT_TRUE(found) << "house " << c;
  }
  // Cusp lines from the centre at 30 j ('E' house numbers).
  int spokes = 0;
  for (const DrawOp& op : page.surface.Lines()) {
    if (op.x1 != w.cx || op.y1 != w.cy) continue;
    const double a = AngleOf(w, op.x2, op.y2);
    EXPECT_NEAR(std::fmod(a + 1, 30.0), 1.0, 0.5);
    ++spokes;
  }
  EXPECT_EQ(spokes, 12);
}

TEST(WheelDrawing, ACrowdedHouseIsWidenedAndPointersRunToTheTruePlace) {
  Page page;
  page.def.SetLetter(wheel_offset::dashedCusps, 'Y');
  page.def.SetLetter(wheel_offset::pointerLines, 'Y');
  const auto cusps = test::EqualCusps(0);
  page.rings.Ring(1) = test::MakeRing(cusps, {});
  for (int p = 0; p < 10; ++p) page.rings.Ring(1).lon[p] = 22.0 + p * 0.8;
  WheelDrawing& wheel = page.Draw();
  const WheelSetup& w = page.setup;
  // Ten columns do not fit in the first house: its end moves on in the
  // glyph band, and every column stays inside it, in zodiacal order.
  const ColumnLayout& layout = wheel.Layout();
  ASSERT_TRUE(layout.CuspMoved(1, wheel.CuspAngles()));
  EXPECT_NEAR(layout.cusps[0], 0.0, 1e-9);
  for (int p = 0; p < 10; ++p) {
    EXPECT_GT(layout.angle[0][p], layout.cusps[0]) << p;
    EXPECT_LT(layout.angle[0][p], layout.cusps[1]) << p;
    if (p > 0) {
      EXPECT_GT(layout.angle[0][p], layout.angle[0][p - 1]) << p;
    }
  }
  EXPECT_FALSE(wheel.Marks(1).dashed[1]);  // no glyph crosses it: nothing to dash
  // The moved cusp line marks its true place (30 degrees) across the
  // degree scale and turns, along the zodiac circle, to where the house
  // now ends.
  bool leaves = false, runs = false;
  for (const DrawOp& op : page.surface.Lines()) {
    if (op.tag.role != ItemRole::CuspLine || op.tag.point != 1) continue;
    leaves = leaves ||
             (std::fabs(AngleOf(w, op.x2, op.y2) - 30.0) < 0.5 &&
              RadiusOf(w, op.x2, op.y2) > 1.02 * w.R &&
              std::fabs(AngleOf(w, op.x1, op.y1) - 30.0) < 0.5 && RadiusOf(w, op.x1, op.y1) >= w.R - 1);
    runs = runs || std::fabs(AngleOf(w, op.x1, op.y1) - layout.cusps[1]) < 1.0 ||
           std::fabs(AngleOf(w, op.x2, op.y2) - layout.cusps[1]) < 1.0;
  }
  EXPECT_TRUE(leaves);
  EXPECT_TRUE(runs);
  // A pointer per glyph: from 0.98 R at its column to R at the true place.
  const Point from = w.At(layout.angle[0][9], 0.98 * w.R);
  const Point to = w.At(22.0 + 9 * 0.8, w.R);
  int pointers = 0;
  for (const DrawOp& op : page.surface.Lines())
    pointers += op.x1 == from.x && op.y1 == from.y && op.x2 == to.x && op.y2 == to.y;
  EXPECT_EQ(pointers, 1);
}

TEST(WheelDrawing, OuterRingsKeepTheirColumnsInTheirBandAndTurnTheirCuspLinesOnTheCircles) {
  Page page('T');
  page.def.SetI16(wheel_offset::wheelSize, 1250);
  page.def.SetLetter(wheel_offset::outerRingCircles, 'Y');
  for (size_t o : {wheel_offset::planetGlyphSize, wheel_offset::degreeSize, wheel_offset::signGlyphSize,
                   wheel_offset::minuteSize, wheel_offset::retrogradeSize})
    page.def.SetI16(o, 16);
  const auto cusps = test::EqualCusps(0);
  for (int r = 1; r <= 3; ++r) {
    page.rings.Ring(r) = test::MakeRing(cusps, {});
    SpreadOthers(page.rings.Ring(r));
    page.rings.Ring(r).speed[2] = -0.5;  // a retrograde mark in every ring
  }
  // Six points of the middle ring crowd the first house.
  for (int p = 0; p < 6; ++p) page.rings.Ring(2).lon[p] = 20.0 + p;
  WheelDrawing& wheel = page.Draw();
  const WheelSetup& w = page.setup;
  const int R = wheel.Radius();
  // The middle ring's columns are too long for its band at 16 points: they
  // are drawn smaller, every item inside the band.
  int items = 0;
  for (const DrawOp& op : page.surface.Texts()) {
    if (op.tag.ring != 2 ||
        (op.tag.role != ItemRole::PlanetGlyph && op.tag.role != ItemRole::PlanetLabel))
      continue;
    ++items;
    EXPECT_LT(op.fontPoints, RoundEven(16 * 0.8)) << op.text;
    const int width = static_cast<int>(op.text.size()) * std::max(1, RoundEven(0.6 * op.fontPoints));
    for (const auto& [x, y] :
         {std::pair{op.x1, op.y1}, std::pair{op.x1 + width, op.y1 + op.fontPoints}}) {
      EXPECT_GT(RadiusOf(w, x, y), OuterRingBand(3, 2).from * R) << op.text;
      EXPECT_LT(RadiusOf(w, x, y), OuterRingBand(3, 2).to * R) << op.text;
    }
  }
  EXPECT_GT(items, 25);  // glyph, degree and its mark of each point
  // The house was widened; in the middle ring its cusp line runs straight
  // through the band where the house now ends and along the two circles of
  // the ring to its true place.
  const ColumnLayout& layout = wheel.Layout();
  ASSERT_TRUE(layout.CuspMoved(1, wheel.CuspAngles()));
  bool straight = false;
  for (const DrawOp& op : page.surface.Lines()) {
    if (op.tag.role != ItemRole::CuspLine || op.tag.point != 1 || op.tag.ring != 2) continue;
    const double r1 = RadiusOf(w, op.x1, op.y1), r2 = RadiusOf(w, op.x2, op.y2);
    const double a1 = AngleOf(w, op.x1, op.y1), a2 = AngleOf(w, op.x2, op.y2);
    if (std::fabs(r1 - r2) < 1.5) {
      EXPECT_TRUE(std::fabs(r1 - RoundEven(OuterRingBand(3, 2).from * R)) < 1.5 ||
                  std::fabs(r1 - RoundEven(OuterRingBand(3, 2).to * R)) < 1.5)
          << r1;
      EXPECT_GE(std::min(a1, a2), 30.0 - 0.5);
      EXPECT_LE(std::max(a1, a2), layout.cusps[1] + 0.5);
    } else {
      EXPECT_NEAR(a1, layout.cusps[1], 0.5);
      EXPECT_NEAR(a2, layout.cusps[1], 0.5);
      straight = true;
    }
  }
  EXPECT_TRUE(straight);
}

TEST(WheelDrawing, CuspsOutOfOrderAreReportedOnceAndEveryGlyphIsKept) {
  ScopedScriptedMessages msgs;
  Page page;
  page.rings.Ring(1) = test::MakeRing(std::array<double, 12>{}, {});  // an uncalculated chart
  for (int p = 0; p <= 9; ++p) page.rings.Ring(1).lon[p] = 0;
  WheelDrawing& wheel = page.Draw();
  EXPECT_EQ(msgs->Count("Bug in procedure DetermHousePos"), 1);
  EXPECT_EQ(msgs->Count("Bug in procedure FillWhichHousePos"), 1);
  std::vector<int> slots;
  for (int p = 0; p <= 9; ++p) {
    EXPECT_NE(wheel.SlotOf(1, p), kNoSlot) << p;
    slots.push_back(wheel.SlotOf(1, p));
  }
  std::sort(slots.begin(), slots.end());
  EXPECT_EQ(std::unique(slots.begin(), slots.end()), slots.end());
}

TEST(WheelDrawing, NoWheelForSizeZero) {
  Page page;
  page.def.SetI16(wheel_offset::wheelSize, 0);
  page.rings.Ring(1) = test::MakeRing(test::EqualCusps(0), {});
  page.Draw(nullptr);
  EXPECT_TRUE(page.surface.Ops().empty());
}

// ---- Aspect lines -------------------------------------------------------------

struct AspectPage : Page {
  AspectTables aspects = test::MajorAspects();
  explicit AspectPage(char category = 'R') : Page(category) {
    def.SetLetter(wheel_offset::aspectLines, category == 'R' ? 'Y' : 'B');
    def.SetLetter(wheel_offset::houseNumbers, 'R');
    def.SetLetter(wheel_offset::aspectCircle, 'Y');
    def.SetLetter(wheel_offset::houseRingCircle, 'Y');
  }
  std::vector<AspectLine> Lines() {
    Draw(&aspects);
    return CollectAspectLines(def, rings, setup, aspects, Draw(&aspects).Slots(), OutputDevice::Screen);
  }
};

bool HasPair(const std::vector<AspectLine>& lines, int a, int b) {
  for (const AspectLine& l : lines)
    if ((l.point1 == a && l.point2 == b) || (l.point1 == b && l.point2 == a)) return true;
  return false;
}

TEST(AspectLines, WiderOrbsThinnerAndMinorAspectsDashed) {
  AspectPage page;
  page.aspects = AspectTables();
  AspectEntry square = test::Aspect(90, 8, 8), semisquare = test::Aspect(45, 2, 2);
  square.weight = semisquare.weight = 3;  // thick, solid in the set
  page.aspects.set.SetEntry(1, square);
  page.aspects.set.SetEntry(2, semisquare);
  test::FillCandidateRows(page.aspects.set);
  BuildAspectTables(page.aspects);
  // Mercury 20, Venus 110 (exact square), Jupiter 65 (exact semisquares),
  // Mars 284 (square Mercury 6 degrees wide); the rest far from them.
  page.rings.Ring(1) = test::MakeRing(test::EqualCusps(0), {{2, 20}, {3, 110}, {5, 65}, {4, 284}}, 250);
  for (int p : {0, 1, 6, 7, 8, 9}) page.rings.Ring(1).lon[p] = 250 + 2.5 * p;
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 4u);
  for (const AspectLine& l : lines) {
    const bool minor = l.aspect == 2;
    const bool wide = l.point1 == 2 && l.point2 == 4;
    EXPECT_EQ(l.penStyle, minor ? kPenDashed : kPenSolid) << l.point1 << "-" << l.point2;
    EXPECT_NEAR(l.orbShare, wide ? 0.75 : 0.0, 1e-6) << l.point1 << "-" << l.point2;
    // Three base widths of 4 pixels; the wide square at 1 - 0.75 / 2 of it.
    EXPECT_EQ(AspectPenPixels(l, 4), wide ? 8 : 12);
  }
}

TEST(AspectLines, OnlyBetweenPointsThatTakePart) {
  AspectPage page;
  const auto cusps = test::EqualCusps(0);
  // Sun 10, Mars 100 (square), Ceres 190 (opposite the Sun, square Mars).
  page.rings.Ring(1) = test::MakeRing(cusps, {{0, 10}, {4, 100}, {13, 190}}, 250);
  for (int p = 1; p <= 9; ++p)
    if (p != 4) page.rings.Ring(1).lon[p] = 250 + 2.5 * p;  // a stellium without aspects to them
  page.def.SetLetter(wheel_offset::asteroids, 'y');         // Ceres on the wheel only
  auto lines = page.Lines();
  EXPECT_TRUE(HasPair(lines, 0, 4));
  EXPECT_FALSE(HasPair(lines, 0, 13));
  EXPECT_FALSE(HasPair(lines, 4, 13));

  page.def.SetLetter(wheel_offset::asteroids, 'Y');
  lines = page.Lines();
  EXPECT_TRUE(HasPair(lines, 0, 13));
  EXPECT_TRUE(HasPair(lines, 4, 13));

  // Each line ends on the aspect-line circle at its points' slots.
  WheelDrawing& wheel = page.Draw(&page.aspects);
  for (const AspectLine& l : lines) {
    EXPECT_EQ(l.end1, page.setup.At(wheel.SlotOf(1, l.point1), page.setup.rc));
    EXPECT_EQ(l.end2, page.setup.At(wheel.SlotOf(1, l.point2), page.setup.rc));
  }
  // And they are drawn in the aspect's screen colour (4, red).
  int red = 0;
  for (const DrawOp& op : page.surface.Lines()) red += op.colour == PaletteColour(4);
  EXPECT_EQ(red, static_cast<int>(lines.size()));
}

TEST(AspectLines, ModesAndTheTwoFirstResults) {
  AspectPage page;
  const auto cusps = test::EqualCusps(0);
  page.rings.Ring(1) = test::MakeRing(cusps, {{0, 10}, {1, 55.5}}, 250);
  for (int p = 2; p <= 9; ++p) page.rings.Ring(1).lon[p] = 250 + 2.5 * p;
  // Four overlapping entries near 45 degrees, each with its own mode.
  page.aspects = AspectTables();
  const int angles[4] = {45, 44, 46, 47};
  const int modes[4] = {1, 2, 3, 1};
  for (int i = 1; i <= 4; ++i) {
    AspectEntry e = test::Aspect(angles[i - 1], 3, 3);
    e.lineMode = static_cast<uint8_t>(modes[i - 1]);
    e.weight = 3;
    page.aspects.set.SetEntry(i, e);
  }
  page.aspects.set.SetCandidates(45, {3, 1, 2, 4});
  BuildAspectTables(page.aspects);
  const auto lines = page.Lines();
  ASSERT_EQ(lines.size(), 2u);  // places 1 and 2; the third is not drawn
  EXPECT_EQ(lines[0].aspect, 3);
  EXPECT_EQ(lines[1].aspect, 1);
  const WheelSetup& w = page.setup;
  // Aspect 3: mode 3, bend point at 0.3 rc on the bisector of the slots.
  WheelDrawing& wheel = page.Draw(&page.aspects);
  const double a1 = wheel.SlotOf(1, 0), a2 = wheel.SlotOf(1, 1);
  EXPECT_EQ(lines[0].bend, w.At(std::trunc((a1 + a2) / 2), 0.3 * w.rc));
  EXPECT_EQ(lines[0].glyphAt, lines[0].bend);
  EXPECT_EQ(lines[0].penWidth, 3);
  // Aspect 1 (45 degrees, mode 1): straight, glyph 6 at the midpoint.
  EXPECT_EQ(lines[1].mode, 1);
  EXPECT_EQ(lines[1].glyph, 6);
  EXPECT_EQ(lines[1].glyphAt,
            (Point{(lines[1].end1.x + lines[1].end2.x) / 2, (lines[1].end1.y + lines[1].end2.y) / 2}));
  // Mode 2 runs through the centre.
  page.aspects.set.SetCandidates(45, {2});
  BuildAspectTables(page.aspects);
  const auto through = page.Lines();
  ASSERT_EQ(through.size(), 1u);
  EXPECT_EQ(through[0].bend, (Point{w.cx, w.cy}));
  // Lines() drew the wheel anew: take the slots of that drawing.
  EXPECT_EQ(through[0].glyphAt, w.At(page.Draw(&page.aspects).SlotOf(1, 0), 0.15 * w.rc));
  // Mode 0: found, but no line.
  AspectEntry none = page.aspects.Entry(2);
  none.lineMode = 0;
  page.aspects.set.SetEntry(2, none);
  BuildAspectTables(page.aspects);
  EXPECT_TRUE(FindAspects(page.aspects, page.rings, 0, 1, 1, 1)[0].Found());
  EXPECT_TRUE(page.Lines().empty());
}

TEST(AspectLines, RingPairsOfTheStyle) {
  using P = std::vector<std::pair<int, int>>;
  EXPECT_EQ(AspectRingPairs('R', 'Y'), (P{{1, 1}}));
  EXPECT_TRUE(AspectRingPairs('R', 'A').empty());
  EXPECT_EQ(AspectRingPairs('B', 'B'), (P{{1, 2}}));
  EXPECT_EQ(AspectRingPairs('B', 'C'), (P{{1, 1}, {1, 2}}));
  EXPECT_EQ(AspectRingPairs('T', 'O'), (P{{1, 1}, {1, 3}, {1, 2}, {2, 3}}));
  EXPECT_EQ(AspectRingPairs('T', 'E'), (P{{1, 3}, {1, 2}}));
  EXPECT_TRUE(AspectRingPairs('T', 'N').size() == 3);
  EXPECT_TRUE(AspectRingPairs('B', 'N').empty());

  // A bi-wheel with 'B': lines only from the inner to the outer chart.
  AspectPage page('B');
  const auto cusps = test::EqualCusps(0);
  page.rings.Ring(1) = test::MakeRing(cusps, {{0, 10}, {4, 100}}, 250);
  page.rings.Ring(2) = test::MakeRing(cusps, {{0, 190}}, 300);
  for (int r = 1; r <= 2; ++r)
    for (int p = 1; p <= 9; ++p)
      if (!(r == 1 && p == 4)) page.rings.Ring(r).lon[p] = (r == 1 ? 250 : 300) + 2.5 * p;
  const auto lines = page.Lines();
  ASSERT_FALSE(lines.empty());
  for (const AspectLine& l : lines) {
    EXPECT_EQ(l.ring1, 1);
    EXPECT_EQ(l.ring2, 2);
  }
  bool sunSun = false;
  for (const AspectLine& l : lines) sunSun = sunSun || (l.point1 == 0 && l.point2 == 0);
  EXPECT_TRUE(sunSun);
}

TEST(AspectLines, AscendantAndMidheavenOfTheInnerChartSitOnTheAngles) {
  WheelDefinition d = test::PlainStyle();
  RingArrays rings;
  rings.Ring(1) = test::MakeRing(test::Cusps({100, 130, 160, 195, 225, 250}), {});
  PlacedSlots slots{};
  EXPECT_EQ(AspectEndAngle(d, rings, slots, 11, 1), 0.0);
  EXPECT_NEAR(AspectEndAngle(d, rings, slots, 12, 1), 275.0, 1e-9);  // MC 15 past the IC's opposite
  d.SetLetter(wheel_offset::equalSectors, 'Y');
  EXPECT_EQ(AspectEndAngle(d, rings, slots, 12, 1), 270.0);
  rings.Ring(1).houseSystem = HouseSystemId::Equal;
  EXPECT_NEAR(AspectEndAngle(d, rings, slots, 12, 1), 275.0, 1e-9);
  slots[1][12] = 123;
  EXPECT_EQ(AspectEndAngle(d, rings, slots, 12, 2), 123.0);
}

TEST(AspectLegend, FilterAndRows) {
  AspectTables t = test::MajorAspects();
  t.set.SetEntry(6, test::Aspect(45, 2, 2));
  AspectEntry quintile = test::Aspect(72, 1, 1);
  quintile.lineMode = 0;
  t.set.SetEntry(7, quintile);
  t.set.SetShortName(7, "Qui");
  BuildAspectTables(t);
  EXPECT_EQ(AspectLegendEntries(t, 'A'), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(AspectLegendEntries(t, 'B'), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(AspectLegendEntries(t, 'C'), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(AspectLegendEntries(t, 'X'), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

  RecordingSurface s;
  WheelDefinition d = test::PlainStyle();
  d.SetLetter(wheel_offset::aspectLegendFilter, 'X');
  const AspectKindNames names = {"Conjunction", "Opposition",   "Square",   "Trine",
                                 "Sextile",     "Semi-sextile", "Quincunx", "Semi-square"};
  const int bottom = DrawAspectLegend(s, d, t, 20, 30, names);
  EXPECT_GT(bottom, 30 + 7 * s.Metrics().lineHeight);
  for (const char* text : {"Aspect", "Planets", "Sun/Moon", "Conjunction", "Semi-square", "Qui"})
    EXPECT_FALSE(s.TextsEqual(text).empty()) << text;
  EXPECT_EQ(s.TextsEqual("Orb").size(), 2u);
  // Glyphs for kinds that have one: seven, the quintile has none.
  int glyphs = 0;
  for (const DrawOp& op : s.Texts())
    glyphs += op.fontLetter == 'A' && std::string("zxcbnmv").find(op.text) != std::string::npos &&
              op.text.size() == 1;
  EXPECT_EQ(glyphs, 6);
}

}  // namespace
}  // namespace vostrane
