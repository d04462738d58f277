// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectList.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "common/AngleTime.h"

namespace vostrane {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kExactOrb = 1.0 / 60.0;

// The entry's body slot of a wheel point, or -1 for a point without one.
int SlotOf(int point) {
  using namespace wheel_point;
  if (point <= Pluto) return point;
  if (point >= Ceres && point <= Chiron) return point + 3;
  return -1;
}

// The declination of an ecliptic longitude (latitude 0) and its daily motion.
void EclipticDeclination(double lon, double speed, double obliquity, AspectPoint& p) {
  const double se = std::sin(obliquity * kRad);
  const double sd = se * std::sin(lon * kRad);
  p.decl = std::asin(sd) / kRad;
  const double cd = std::cos(p.decl * kRad);
  p.declSpeed = cd > 1e-9 ? se * std::cos(lon * kRad) * speed / cd : 0.0;
}

AspectPoint PointOf(const RingChart& r, int ring, int point, const ChartEntry& e) {
  AspectPoint p;
  p.point = point;
  p.ring = ring;
  p.lon = r.lon[point];
  p.speed = r.speed[point];
  EclipticDeclination(p.lon, p.speed, e.obliquityRad(), p);
  const int slot = SlotOf(point);
  if (slot >= 0 && std::isfinite(e.body(BodyArray::Decl, slot))) p.decl = e.body(BodyArray::Decl, slot);
  return p;
}

// The rate of |x - target| for x moving at `rate` (a quantity that sits at
// its target moves away whichever way it goes).
double OrbRate(double x, double target, double rate) {
  if (x == target) return std::fabs(rate);
  return x > target ? rate : -rate;
}

bool SamePartileDegree(double a, double b) {
  return static_cast<int>(std::floor(Modulo(30.0, a))) == static_cast<int>(std::floor(Modulo(30.0, b)));
}

void AddDeclinationAspects(const AspectOptions& o, const AspectPoint& a, const AspectPoint& b,
                           std::vector<ListedAspect>& out) {
  const double factor = o.PairFactor(a.point, b.point);
  auto add = [&](int aspect, double value, double rate, double orbLimit) {
    ListedAspect l{a, b, aspect, aspect == kParallelAspect ? 0.0 : 180.0, std::fabs(value)};
    if (l.orb > orbLimit * factor) return;
    l.applying = OrbRate(value, 0.0, rate) < 0;
    l.exact = l.orb < kExactOrb;
    l.partile = std::floor(std::fabs(a.decl)) == std::floor(std::fabs(b.decl));
    out.push_back(l);
  };
  if (o.ParallelOn()) add(kParallelAspect, a.decl - b.decl, a.declSpeed - b.declSpeed, o.ParallelOrb());
  if (o.ContraparallelOn())
    add(kContraparallelAspect, a.decl + b.decl, a.declSpeed + b.declSpeed, o.ContraparallelOrb());
}

void AddPair(const AspectTables& tables, const AspectPoint& a, const AspectPoint& b,
             std::vector<ListedAspect>& out) {
  using namespace wheel_point;
  const bool sunOrMoon = a.point <= Moon || b.point <= Moon;
  const AspectResult found = FindAspectsBetween(tables, a.lon, a.speed, b.lon, b.speed, sunOrMoon,
                                                tables.options.PairFactor(a.point, b.point));
  for (const FoundAspect& f : found) {
    if (!f.Found()) continue;
    ListedAspect l{a, b, f.aspect, tables.Bounds(f.aspect).angle, f.orb};
    l.applying = IsApplying(a.lon, a.speed, b.lon, b.speed, l.angle);
    l.exact = l.orb < kExactOrb;
    l.partile = SamePartileDegree(a.lon, b.lon);
    out.push_back(l);
  }
  AddDeclinationAspects(tables.options, a, b, out);
}

}  // namespace

std::vector<AspectPoint> AspectPointsOf(const RingArrays& rings, int ring, const ChartEntry& entry,
                                        const WheelDefinition& def) {
  std::vector<AspectPoint> points;
  const RingChart& r = rings.Ring(ring);
  for (int p = 0; p <= wheel_point::SouthNode; ++p)
    if (TakesPartInAspects(def, p, ring) && r.Available(p)) points.push_back(PointOf(r, ring, p, entry));
  return points;
}

std::vector<AspectPoint> StandardAspectPoints(const ChartEntry& entry) {
  const RingChart r = FillRing(entry, WheelDefinition{});
  std::vector<AspectPoint> points;
  for (int p = 0; p <= wheel_point::Midheaven; ++p) points.push_back(PointOf(r, 1, p, entry));
  return points;
}

bool IsApplying(double lonA, double speedA, double lonB, double speedB, double angle) {
  const double g = Modulo(360.0, lonA - lonB);
  const double rate = speedA - speedB;
  const double s = g <= 180.0 ? g : 360.0 - g;
  const double sRate = g <= 180.0 ? rate : -rate;
  return OrbRate(s, angle, sRate) < 0;
}

std::vector<ListedAspect> ListAspects(const AspectTables& tables, const std::vector<AspectPoint>& points,
                                      const std::vector<AspectPoint>& others) {
  std::vector<ListedAspect> out;
  if (others.empty()) {
    for (size_t i = 0; i < points.size(); ++i)
      for (size_t j = i + 1; j < points.size(); ++j) AddPair(tables, points[i], points[j], out);
  } else {
    for (const AspectPoint& a : points)
      for (const AspectPoint& b : others) AddPair(tables, a, b, out);
  }
  return out;
}

void SortAspects(std::vector<ListedAspect>& aspects, AspectOrder order) {
  auto byPoint = [](const ListedAspect& l) {
    return std::make_tuple(l.a.ring, l.a.point, l.b.ring, l.b.point, l.aspect);
  };
  std::stable_sort(aspects.begin(), aspects.end(), [&](const ListedAspect& x, const ListedAspect& y) {
    if (order == AspectOrder::ByOrb && x.orb != y.orb) return x.orb < y.orb;
    return byPoint(x) < byPoint(y);
  });
}

}  // namespace vostrane
