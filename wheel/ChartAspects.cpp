// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ChartAspects.h"

namespace vostrane {

ChartAspects ComputeChartAspects(const AspectTables& tables, const WheelDefinition& def,
                                 const ChartEntry& entry) {
  ChartAspects out;
  const RingArrays rings = FillRingArrays(def, 'R', entry);
  out.points = AspectPointsOf(rings, 1, entry, def);
  out.aspects = ListAspects(tables, out.points);
  SortAspects(out.aspects, AspectOrder::ByOrb);
  out.patterns = FindPatterns(out.aspects, out.points, rings.Ring(1).cusps);
  return out;
}

}  // namespace vostrane
