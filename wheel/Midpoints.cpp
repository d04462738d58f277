// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/Midpoints.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "common/AngleTime.h"

namespace vostrane {

bool IsDialModulus(int modulus) { return modulus == 360 || modulus == 90 || modulus == 45; }

std::vector<AspectPoint> MidpointPointsOf(const ChartEntry& entry, const WheelDefinition& def) {
  const RingArrays rings = FillRingArrays(def, 'R', entry);
  std::vector<AspectPoint> points = AspectPointsOf(rings, 1, entry, def);
  const RingChart& r = rings.Ring(1);
  for (int p = wheel_point::FirstHypothetical; p < kRingPoints; ++p) {
    if (!std::isfinite(r.lon[p])) continue;
    AspectPoint h;
    h.point = p;
    h.lon = r.lon[p];
    h.speed = r.speed[p];
    points.push_back(h);
  }
  return points;
}

std::vector<MidpointPair> MidpointsOf(const std::vector<AspectPoint>& points) {
  std::vector<MidpointPair> out;
  out.reserve(points.size() * (points.size() - (points.empty() ? 0 : 1)) / 2);
  for (size_t i = 0; i < points.size(); ++i)
    for (size_t j = i + 1; j < points.size(); ++j)
      out.push_back(
          {points[i].point, points[j].point, Modulo(360.0, Midpoint(points[i].lon, points[j].lon))});
  return out;
}

double DialPlace(double lon, int modulus) {
  const double x = Modulo(modulus, lon);
  return x >= modulus ? 0.0 : x;
}

double DialDistance(double x, double y, int modulus) {
  const double d = DialPlace(x - y, modulus);
  return std::min(d, modulus - d);
}

void SortByDial(std::vector<MidpointPair>& midpoints, int modulus) {
  std::stable_sort(midpoints.begin(), midpoints.end(),
                   [modulus](const MidpointPair& x, const MidpointPair& y) {
                     return std::make_tuple(DialPlace(x.lon, modulus), x.a, x.b) <
                            std::make_tuple(DialPlace(y.lon, modulus), y.a, y.b);
                   });
}

std::vector<TreeBranch> MidpointTree(const std::vector<MidpointPair>& midpoints, double at, int modulus,
                                     double orb, int leaveOut) {
  std::vector<TreeBranch> tree;
  for (const MidpointPair& m : midpoints) {
    if (m.a == leaveOut || m.b == leaveOut) continue;
    const double d = DialDistance(m.lon, at, modulus);
    if (d <= orb) tree.push_back({m, d});
  }
  std::stable_sort(tree.begin(), tree.end(),
                   [](const TreeBranch& x, const TreeBranch& y) { return x.orb < y.orb; });
  return tree;
}

int PointAtDialPlace(const std::vector<AspectPoint>& points, double at, int modulus, double orb) {
  int best = -1;
  double nearest = orb;
  for (const AspectPoint& p : points) {
    const double d = DialDistance(p.lon, at, modulus);
    if (d <= nearest) best = p.point, nearest = d;
  }
  return best;
}

}  // namespace vostrane
