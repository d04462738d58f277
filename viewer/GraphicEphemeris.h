// SPDX-License-Identifier: GPL-3.0-or-later
// The graphic ephemeris drawn on a drawing surface: time runs to the right,
// longitude modulo 360, 90, 45 or 30 degrees upwards; each transiting body
// is a curve and each point of the base chart a labelled horizontal line, so
// that every aspect the modulus folds together is a crossing.
#pragma once

#include <string>
#include <vector>

#include "timeline/EphemerisCurves.h"
#include "timeline/TimelineSearch.h"
#include "wheel/DrawingSurface.h"

namespace vostrane {

struct GraphicEphemeris {
  double fromJd = 0, toJd = 0;
  double modulus = 360;
  std::vector<EphemerisCurve> curves;
  std::vector<BasePoint> points;
  std::string title;  // Windows-1252
};

// Draws into the usable area of the surface's page metrics (the page must
// have been begun).
void DrawGraphicEphemeris(DrawingSurface& s, const GraphicEphemeris& g);

}  // namespace vostrane
