// SPDX-License-Identifier: GPL-3.0-or-later
// The aspects and patterns of one chart under a wheel style: the points that
// take part, the aspect list sorted by orb and the patterns found from it.
// Shared by the viewer's aspect panel, the page's aspect list and the batch
// tool's dump.
#pragma once

#include <vector>

#include "wheel/AspectPatterns.h"

namespace vostrane {

struct ChartAspects {
  std::vector<AspectPoint> points;
  std::vector<ListedAspect> aspects;  // sorted by orb
  std::vector<AspectPattern> patterns;
};

ChartAspects ComputeChartAspects(const AspectTables& tables, const WheelDefinition& def,
                                 const ChartEntry& entry);

}  // namespace vostrane
