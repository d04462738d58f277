// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel setup of a page: radius, centre, the radii of the rings and
// circles, the size class and the glyph spacing table, and the mapping of a
// wheel angle and radius to device pixels.
#pragma once

#include "wheel/DrawingSurface.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/PageMetrics.h"
#include "wheel/WheelDefinition.h"

namespace vostrane {

inline constexpr int kDefaultWheelSize = 2500;

struct WheelSetup {
  char category = 'R';  // 'R', 'B' or 'T'
  int rings = 1;
  int size = kDefaultWheelSize;  // offset 77, 2500 when 0
  char sizeClass = 'N';          // 'N' 0, 'S' 1..2425, 'M' 2426..2900, 'B' 2901..9999
  bool doubleLines = false;      // ring line style 'D', 'd' or 'v'
  double k = 1.0;                // vertical scale of the surface
  int R = 0;                     // wheel radius as computed for the page
  int u = 0;                     // round(0.01 R): offset of the second line of double styles
  int cx = 0, cy = 0;            // centre
  int houseRingOuter = 0;        // outer radius of the house-number ring
  int ra = 0;                    // aspect circle
  int rc = 0;                    // circle on which aspect lines end
  SpacingTable spacing;

  // Device point of wheel angle theta (degrees, counter-clockwise from the
  // Ascendant at the left) and radius rho: (cx - round(rho cos theta),
  // cy + round(rho k sin theta)), rounding halves to even.
  Point At(double theta, double rho) const;
};

// The band of an outer ring (2 or 3) of a wheel of `rings` rings, between
// its circles, as multiples of R. A bi-wheel's second ring runs from 1.15 R
// (outside the inner chart's cusp labels) to 1.57 R. A tri-wheel's outer
// rings carry only each point's glyph and degree and are narrower (1.15 to
// 1.4 R and 1.4 to 1.65 R), so that its aspect circle can take a third of
// the wheel's radius while the inner chart keeps its band.
struct RingBand {
  double from = 1.0, to = 1.0;
};
RingBand OuterRingBand(int rings, int ring);

// Whether the columns of a ring show only the glyph, the degree and the
// retrograde mark (no sign glyph and minutes): the outer rings of a
// tri-wheel.
bool BriefColumns(int rings, int ring);

// The radius of the outermost ring's circle: R for a single wheel, the
// second ring's (1.57 R) for a bi-wheel, the third's (1.65 R) for a
// tri-wheel.
int MultiWheelRadius(const WheelSetup& w);

// Size class of a wheel size value.
char WheelSizeClass(int size);

// The spacing table T[c][r] of the style for the page's category and size
// class.
SpacingTable ComputeSpacingTable(const WheelDefinition& def, char category, char sizeClass);

// The setup for a style and chart category ('R', 'B', 'T'; 'C' counts as
// 'T') on a surface with the given metrics.
WheelSetup ComputeWheelSetup(const WheelDefinition& def, char category, const PageMetrics& metrics);

// The setup of a page on a sideways sheet (metrics.Sideways()): the wheel
// at the left of the usable area, centred on its height, `labels` pixels
// (at least a line) between its outermost circle and the edges for the
// labels around it, and as large as the height allows while `column`
// pixels of the usable width stay free at the right. On an upright page
// the page's own setup.
WheelSetup SidewaysWheelSetup(const WheelDefinition& def, char category, const PageMetrics& metrics,
                              int column, int labels);

}  // namespace vostrane
