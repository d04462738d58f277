// SPDX-License-Identifier: GPL-3.0-or-later
// Where the glyph columns of the wheel stand. Every shown point gets a
// column (glyph, degree, sign, minute, retrograde mark along one ray) inside
// the sector of its own house, clear of the cusp lines and of its
// neighbours, as near to its true place as that allows: the columns of a
// house spread about their true places to either side. A house that cannot
// hold its columns side by side stacks them in two or three radial tiers
// (shorter columns, one tier outside the other, taken in turn), so that
// neighbouring columns may stand closer; where even that leaves a column
// far from its degree, the house's columns are drawn compact (the glyph
// and its degree only, with narrower gaps), which take more tiers. Only a house too narrow even for
// that (a polar chart's house of a degree or two) is widened in the glyph
// bands at the expense of roomier houses: its cusp lines run straight
// through the glyph bands where the widened house ends and meet their true
// places on the ring circles.
//
// Angles are wheel angles in degrees (counter-clockwise from the inner
// chart's Ascendant); widths are angular half widths in degrees, the gap to
// the neighbours included.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "wheel/GlyphPlacement.h"

namespace vostrane {

// The angular half width an item needs at a wheel angle.
using HalfWidth = std::function<double(double angle)>;

// The angular half width, in degrees, of a text box w x h pixels centred at
// radius rho (pixels) at a wheel angle, keeping `gap` pixels to either side;
// k is the vertical scale of the page (vertical pixels per horizontal one).
double TextBoxHalfAngle(double w, double h, double rho, double k, double gap, double angle);

// A text drawn around the wheel: its wheel angle and angular half width.
struct AngularBox {
  double angle = 0;  // degrees
  double half = 0;   // degrees
};

struct ColumnRingInput {
  bool present = false;
  std::array<bool, kWheelPoints> shown{};
  std::array<double, kWheelPoints> angle{};  // true wheel angle of each point
  std::array<int, kWheelPoints> house{};     // its house 0..11
  HalfWidth halfWidth;                       // of one column of this ring
  // Of one column when a house holds its columns in 2, 3, ... tiers (index
  // tiers - 2); empty when the ring has one tier only.
  std::vector<HalfWidth> tierHalfWidth;
  // Of one compact column in 1, 2, ... tiers (index tiers - 1), 90 where it
  // does not fit its tier; empty when the ring has none. A crowded house
  // takes them when the columns would stand too far from their degrees.
  std::vector<HalfWidth> compactHalfWidth;
};

inline constexpr int kMaxTiers = 3;

struct ColumnLayout {
  // Angles of the cusp lines through the glyph bands (the true cusp angles
  // unless a house had to be widened).
  std::array<double, 12> cusps{};
  // Column angle of every point per ring (index ring - 1); -1 when not shown.
  std::array<std::array<double, kWheelPoints>, 3> angle{};
  // The tiers of every point's house per ring (1 when its columns stand
  // side by side) and the point's own tier, 0 the one nearest the circle
  // its pointer runs to (the outermost in the inner ring, the innermost in
  // the outer rings).
  std::array<std::array<int, kWheelPoints>, 3> tiers{};
  std::array<std::array<int, kWheelPoints>, 3> tier{};
  // Whether the columns of every point's house per ring are compact.
  std::array<std::array<bool, kWheelPoints>, 3> compact{};
  // The columns needed more than the whole circle: their gaps were made
  // smaller in proportion, and neighbours may meet.
  bool squeezed = false;
  bool CuspMoved(int j, const std::array<double, 12>& truth) const;
};

// Lays out the columns of up to three rings in the houses given by the
// wheel angles of cusps 0..11 (cusp 0 at 0, increasing).
ColumnLayout LayOutColumns(const std::array<double, 12>& cuspAngles,
                           const std::array<ColumnRingInput, 3>& rings);

// The largest distance of any column of a layout from its true angle.
double FarthestFromDegree(const ColumnLayout& layout, const std::array<ColumnRingInput, 3>& rings);

// Least-squares fit of a non-decreasing sequence to y with weights w (pool
// adjacent violators).
std::vector<double> IsotonicFit(const std::vector<double>& y, const std::vector<double>& w);

// Spreads items around the circle so that each pair of neighbours is at
// least the sum of their half widths apart, keeping their order and moving
// them as little as it can (weights: how much each one resists moving).
// Angles in [0, 360) in any order; the result is in the same order.
std::vector<double> SpreadOnCircle(const std::vector<double>& angles,
                                   const std::vector<double>& halfWidths,
                                   const std::vector<double>& weights = {});

}  // namespace vostrane
