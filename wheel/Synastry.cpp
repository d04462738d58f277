// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/Synastry.h"

#include "wheel/HouseMap.h"

namespace vostrane {

namespace {

std::vector<OverlaidPoint> Overlay(const std::vector<AspectPoint>& points,
                                   const std::array<double, 12>& cusps) {
  std::vector<OverlaidPoint> out;
  for (const AspectPoint& p : points) {
    const int house = HouseOf(p.lon, cusps);
    out.push_back({p.point, house == kNoHouse ? 0 : house + 1});
  }
  return out;
}

}  // namespace

bool ComparableCharts(const ChartEntry& inner, const ChartEntry& outer) {
  return inner.chartType() == 0 && outer.chartType() == 0;
}

SynastryReport CompareCharts(const AspectTables& tables, const WheelDefinition& def,
                             const ChartEntry& inner, const ChartEntry& outer) {
  SynastryReport r;
  const RingArrays rings = FillRingArrays(def, 'B', inner, &outer);
  r.innerPoints = AspectPointsOf(rings, 1, inner, def);
  r.outerPoints = AspectPointsOf(rings, 2, outer, def);
  if (!r.innerPoints.empty() && !r.outerPoints.empty())
    r.aspects = ListAspects(tables, r.innerPoints, r.outerPoints);
  SortAspects(r.aspects, AspectOrder::ByOrb);
  r.innerInOuter = Overlay(r.innerPoints, rings.Ring(2).cusps);
  r.outerInInner = Overlay(r.outerPoints, rings.Ring(1).cusps);
  return r;
}

}  // namespace vostrane
