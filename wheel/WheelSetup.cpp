// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelSetup.h"

#include <algorithm>
#include <cmath>

#include "wheel/Rounding.h"

namespace vostrane {

namespace {
// The inner chart's glyph columns need the band from here (times R) to the
// degree scale.
constexpr double kLeastInnerBandEnd[] = {0.615, 0.645};
// Where the outermost circle of a tri-wheel stands, as a multiple of R; the
// radius the page gives the whole wheel (2 R of the page's wheel size) is
// kept, so a tri-wheel's R is the page's times 2 / kTriWheelOuter.
constexpr double kTriWheelOuter = 1.65;
}  // namespace

Point WheelSetup::At(double theta, double rho) const {
  const double t = theta * (M_PI / 180.0);
  return {cx - RoundEven(rho * std::cos(t)), cy + RoundEven(rho * k * std::sin(t))};
}

RingBand OuterRingBand(int rings, int ring) {
  if (rings == 3) return ring == 3 ? RingBand{1.4, kTriWheelOuter} : RingBand{1.15, 1.4};
  return {1.15, 1.57};
}

bool BriefColumns(int rings, int ring) { return rings == 3 && ring >= 2; }

int MultiWheelRadius(const WheelSetup& w) {
  return w.rings > 1 ? RoundEven(OuterRingBand(w.rings, w.rings).to * w.R) : w.R;
}

char WheelSizeClass(int size) {
  if (size <= 0) return 'N';
  if (size <= 2425) return 'S';
  if (size <= 2900) return 'M';
  return 'B';
}

SpacingTable ComputeSpacingTable(const WheelDefinition& def, char category, char sizeClass) {
  SpacingTable t;
  t.t = {{{3, 2, 2}, {4, 2, 2}, {5, 3, 3}}};
  const bool single = category != 'B' && category != 'T' && category != 'C';
  if (!single) {
    for (int c = 1; c <= 3; ++c) t.At(c, 1) += 2;
  } else if (sizeClass == 'B') {
    t.At(2, 1) -= 1;
    t.At(3, 1) -= 1;
  } else if (sizeClass == 'S') {
    for (int c = 1; c <= 3; ++c) t.At(c, 1) += 2;
  }
  const char tuning = def.Letter(wheel_offset::glyphSpacing);
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) {
      if (tuning == 'R' && t.At(c, r) >= 2) t.At(c, r) -= 1;
      if (tuning == 'Y') t.At(c, r) += 1;
    }
  }
  // Large degree or minute numbers need wider spacing.
  const int g = std::max(def.I16(wheel_offset::degreeSize), def.I16(wheel_offset::minuteSize));
  if (g > 15)
    for (int c = 1; c <= 3; ++c)
      for (int r = 1; r <= 3; ++r) t.At(c, r) += (g - 16) / 6 + c;
  return t;
}

namespace {

// The radii of the rings and circles and the spacing table, from R.
void CompleteWheelSetup(WheelSetup& w, const WheelDefinition& def) {
  w.u = RoundEven(0.01 * w.R);
  const bool wideHouseRing = w.rings == 1 && w.sizeClass != 'S';
  w.houseRingOuter = RoundEven((wideHouseRing ? 0.61 : 0.53) * w.R);
  const char houseNumbers = def.Letter(wheel_offset::houseNumbers);
  if (houseNumbers == 'N') w.ra = w.houseRingOuter;
  else w.ra = RoundEven((wideHouseRing ? 0.539 : 0.439) * w.R);
  if (w.rings > 1) {
    // The aspect circle of a multi-wheel takes a third of the whole wheel's
    // radius, so that the lines between the charts can be read, as far as
    // the inner chart's columns keep their band. The house numbers keep
    // their ring.
    const int least = static_cast<int>(std::ceil(MultiWheelRadius(w) / 3.0));
    const int most = RoundEven(kLeastInnerBandEnd[w.rings - 2] * w.R) - w.houseRingOuter;
    const int raised = std::clamp(least - w.ra, 0, std::max(0, most));
    w.ra += raised;
    w.houseRingOuter += raised;
  }
  w.rc = w.doubleLines && houseNumbers != 'N' && def.Letter(wheel_offset::aspectLines) == 'Y'
             ? w.ra - w.u
             : w.ra;
  w.spacing = ComputeSpacingTable(def, w.category, w.sizeClass);
}

}  // namespace

WheelSetup ComputeWheelSetup(const WheelDefinition& def, char category, const PageMetrics& m) {
  WheelSetup w;
  w.category = category == 'C' ? 'T' : category;
  w.rings = w.category == 'T' ? 3 : w.category == 'B' ? 2 : 1;
  const int stored = def.wheelSize();
  w.sizeClass = WheelSizeClass(stored);
  w.size = stored == 0 ? kDefaultWheelSize : stored;
  w.doubleLines = def.ringLines().doubled;
  w.k = m.k;
  if (m.LaidOutAsPrinted()) w.R = RoundEven(w.size / 10000.0 * m.pageWidth * 1.25333);
  else w.R = RoundEven(m.height * (w.size / 10000.0) * m.k);
  if (w.rings == 3) w.R = RoundEven(w.R * 2.0 / kTriWheelOuter);
  w.cx = m.PageX(def.I16(wheel_offset::wheelCentreX));
  w.cy = m.PageY(def.I16(wheel_offset::wheelCentreY));
  CompleteWheelSetup(w, def);
  return w;
}

WheelSetup SidewaysWheelSetup(const WheelDefinition& def, char category, const PageMetrics& m,
                              int column, int labels) {
  WheelSetup w = ComputeWheelSetup(def, category, UprightLayout(m));
  if (!m.Sideways() || w.R <= 0) return w;
  const double reach = double(MultiWheelRadius(w)) / w.R;
  const int margin = std::max(m.lineHeight, labels);
  const int byHeight = static_cast<int>((m.height / 2.0 - margin) / m.k);
  const int byWidth = (m.width - column) / 2 - margin;
  // The radius of the outermost circle.
  const int outer = std::max(m.lineHeight, std::min(byHeight, byWidth));
  w.R = RoundEven(outer / reach);
  w.cx = m.x0 + margin + outer;
  w.cy = m.y0 + m.height / 2;
  CompleteWheelSetup(w, def);
  return w;
}

}  // namespace vostrane
