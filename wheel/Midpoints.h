// SPDX-License-Identifier: GPL-3.0-or-later
// Midpoints of a chart's points and the dial they are read on: every pair of
// the chosen points with the nearer of its two midpoints, the list in the
// order of a dial (longitude modulo 90 for the 90-degree dial), and the
// midpoint tree of a place on the dial: the pairs whose midpoint stands
// there, within an orb, on a dial of 360, 90 or 45 degrees (so that on the
// 90-degree dial a midpoint 90, 180 or 270 degrees away counts too, on the
// 45-degree dial every multiple of 45).
#pragma once

#include <vector>

#include "wheel/AspectList.h"

namespace vostrane {

// Whether a dial of this many degrees is drawn: 360, 90 or 45.
bool IsDialModulus(int modulus);

// The points midpoints are formed of: the inner chart's points that take
// part in aspects under the style, then the eight hypothetical planets.
std::vector<AspectPoint> MidpointPointsOf(const ChartEntry& entry, const WheelDefinition& def);

struct MidpointPair {
  int a = 0, b = 0;  // wheel points 0..29, a before b in the points' order
  double lon = 0;    // the nearer midpoint, degrees in [0, 360)
};

// Every pair of the points.
std::vector<MidpointPair> MidpointsOf(const std::vector<AspectPoint>& points);

// A longitude's place on a dial: the longitude modulo the dial's degrees.
double DialPlace(double lon, int modulus);
// The distance of two longitudes on a dial (0 .. modulus / 2).
double DialDistance(double x, double y, int modulus);

// Sorts by the place on the dial, then by the pair.
void SortByDial(std::vector<MidpointPair>& midpoints, int modulus);

struct TreeBranch {
  MidpointPair midpoint;
  double orb = 0;  // its distance on the dial from the tree's place
};

// The midpoints within `orb` of `at` on the dial, nearest first; a pair
// holding `leaveOut` (the point the tree belongs to; -1 none) is left out.
std::vector<TreeBranch> MidpointTree(const std::vector<MidpointPair>& midpoints, double at, int modulus,
                                     double orb, int leaveOut = -1);

// The point nearest `at` on the dial within `orb`, -1 when none is.
int PointAtDialPlace(const std::vector<AspectPoint>& points, double at, int modulus, double orb);

}  // namespace vostrane
