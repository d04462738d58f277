// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of two persons' natal charts shown as a bi-wheel: the
// aspects of the inner chart's points to the outer chart's, and the house
// overlay (the house of each chart in which the other's points fall).
#pragma once

#include <vector>

#include "wheel/AspectList.h"

namespace vostrane {

struct OverlaidPoint {
  int point = 0;  // wheel point of one chart
  int house = 0;  // 1..12 in the other chart, 0 when its cusps place no house
};

struct SynastryReport {
  std::vector<AspectPoint> innerPoints, outerPoints;
  std::vector<ListedAspect> aspects;        // inner point first, sorted by orb
  std::vector<OverlaidPoint> innerInOuter;  // the inner chart's points in the outer's houses
  std::vector<OverlaidPoint> outerInInner;  // the outer chart's points in the inner's houses
};

// Whether two entries make a comparison: both natal charts (not derived).
bool ComparableCharts(const ChartEntry& inner, const ChartEntry& outer);

SynastryReport CompareCharts(const AspectTables& tables, const WheelDefinition& def,
                             const ChartEntry& inner, const ChartEntry& outer);

}  // namespace vostrane
