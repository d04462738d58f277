// SPDX-License-Identifier: GPL-3.0-or-later
// The dial page: the chart's points on a dial of 90 degrees (or 360 or 45),
// a pointer at a place of the dial, the midpoint tree of the point under
// the pointer (of the pointer's own place when no point is there), and all
// midpoints of the chart in the order of the 90-degree dial.
#pragma once

#include <string>
#include <vector>

#include "session/ChartEntry.h"
#include "wheel/AspectOptions.h"
#include "wheel/DrawingSurface.h"
#include "wheel/Midpoints.h"
#include "wheel/PageNames.h"

namespace vostrane {

struct DialPageInput {
  const ChartEntry* chart = nullptr;
  std::vector<AspectPoint> points;  // MidpointPointsOf
  int modulus = 90;                 // 360, 90 or 45
  double pointer = 0;               // the pointer's place on the dial, 0 .. modulus
  double orb = kDefaultMidpointOrb;
};

// The input for a chart: its points under the style of the printout code
// (read from the wheel style file; the style's defaults without one) and
// the orb of the aspect options.
DialPageInput DialPageOf(const ChartEntry& chart, const std::string& code, int modulus, double pointer);

// What the pointer reads: the point under it (-1 none), the place its tree
// is read at and the tree.
struct DialReading {
  int point = -1;
  double at = 0;
  std::vector<TreeBranch> tree;
};
DialReading ReadDial(const DialPageInput& in);

// The pointer turned by `degrees` (either way), kept on the dial.
double TurnPointer(double pointer, double degrees, int modulus);

// Where the dial stands on a page of these metrics, and the place of the
// dial (to a tenth of a degree) that a page pixel lies towards from its
// centre: the pointer follows the mouse there.
struct DialGeometry {
  int cx = 0, cy = 0, r = 0;  // centre and rim radius, page pixels
  double k = 1;               // vertical scale of the page
};
DialGeometry DialGeometryOf(const PageMetrics& m);
double DialPlaceAt(const DialGeometry& g, int modulus, double x, double y);

// The name of any wheel point 0..29 (the hypothetical planets and the
// Vertex and East Point included).
std::string MidpointPointName(const PageNames& names, int point);

// Draws the page from BeginPrintout to EndPage; false when there is no
// chart or the surface could not begin the printout.
bool AssembleDialPage(DrawingSurface& s, const DialPageInput& in, const PageNames& names);

}  // namespace vostrane
