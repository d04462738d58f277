// SPDX-License-Identifier: GPL-3.0-or-later
// The aspect list of a chart (or between two charts): every aspect of the
// chosen set between the points that take part, with its orb, whether it is
// applying or separating (from the points' daily motions, retrograde ones
// included), exact or partile, and the parallels and contraparallels in
// declination when they are switched on. Sorted by orb or by point.
#pragma once

#include <vector>

#include "session/ChartEntry.h"
#include "wheel/Aspects.h"
#include "wheel/RingPoints.h"

namespace vostrane {

// A point of a chart as the list sees it.
struct AspectPoint {
  int point = 0;                   // wheel point 0..29
  int ring = 1;                    // the chart it belongs to (1 inner, 2 outer)
  double lon = 0, speed = 0;       // degrees, degrees per day
  double decl = 0, declSpeed = 0;  // declination and its daily motion
};

// The points 0..19 of a ring that take part in aspects under the style and
// have values, with their declinations (the entry's own for bodies, from the
// ecliptic longitude for the other points).
std::vector<AspectPoint> AspectPointsOf(const RingArrays& rings, int ring, const ChartEntry& entry,
                                        const WheelDefinition& def);
// The same without a style: Sun to Pluto, the node, Ascendant and Midheaven.
std::vector<AspectPoint> StandardAspectPoints(const ChartEntry& entry);

inline constexpr int kParallelAspect = 41;
inline constexpr int kContraparallelAspect = 42;

struct ListedAspect {
  AspectPoint a, b;
  int aspect = 0;    // entry number 1..40 of the set, or kParallelAspect / kContraparallelAspect
  double angle = 0;  // exact angle, degrees (0 parallel, 180 contraparallel)
  double orb = 0;    // distance from exactness, degrees (of declination for the parallels)
  bool applying = false;
  bool exact = false;    // within one minute of arc
  bool partile = false;  // both points in the same whole degree of their signs (of declination)
  bool InDeclination() const { return aspect >= kParallelAspect; }
};

// Every aspect among `points` (each pair once) when `others` is empty, else
// between each of `points` and each of `others`. The orbs are the set's
// times the pair's body-class factor; declination aspects come from the
// options of `tables`.
std::vector<ListedAspect> ListAspects(const AspectTables& tables, const std::vector<AspectPoint>& points,
                                      const std::vector<AspectPoint>& others = {});

// Whether the orb of the pair shrinks: the rate of the orb from the daily
// motions, the applying test the list uses.
bool IsApplying(double lonA, double speedA, double lonB, double speedB, double angle);

enum class AspectOrder { ByOrb, ByPoint };
void SortAspects(std::vector<ListedAspect>& aspects, AspectOrder order);

}  // namespace vostrane
