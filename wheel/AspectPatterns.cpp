// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectPatterns.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "wheel/HouseMap.h"

namespace vostrane {

namespace {

enum Link { None = 0, Conj = 1, Sextile = 2, Square = 4, Trine = 8, Quincunx = 16, Opposition = 32 };

int LinkOfAngle(double angle) {
  static constexpr std::pair<double, int> kLinks[] = {{0, Conj},    {60, Sextile},   {90, Square},
                                                      {120, Trine}, {150, Quincunx}, {180, Opposition}};
  for (const auto& [a, link] : kLinks)
    if (std::fabs(angle - a) < 1e-6) return link;
  return None;
}

// The aspects between the points, as bit sets of Link by point pair.
class LinkTable {
 public:
  LinkTable(const std::vector<ListedAspect>& aspects, const std::vector<int>& points)
      : n_(points.size()) {
    links_.assign(n_ * n_, 0);
    std::map<int, size_t> index;
    for (size_t i = 0; i < n_; ++i) index[points[i]] = i;
    for (const ListedAspect& l : aspects) {
      if (l.InDeclination() || !index.count(l.a.point) || !index.count(l.b.point)) continue;
      const size_t a = index[l.a.point], b = index[l.b.point];
      links_[a * n_ + b] |= LinkOfAngle(l.angle);
      links_[b * n_ + a] |= LinkOfAngle(l.angle);
    }
  }
  bool Has(size_t a, size_t b, int link) const { return links_[a * n_ + b] & link; }
  size_t Size() const { return n_; }

 private:
  size_t n_;
  std::vector<int> links_;
};

bool IsBody(int point) {
  return point <= wheel_point::Pluto || (point >= wheel_point::Ceres && point <= wheel_point::Chiron);
}

// Each unordered pair of a group once; true when every pair has a link of the mask.
template <size_t N>
bool AllPairs(const LinkTable& t, const std::array<size_t, N>& g, int link) {
  for (size_t i = 0; i < N; ++i)
    for (size_t j = i + 1; j < N; ++j)
      if (!t.Has(g[i], g[j], link)) return false;
  return true;
}

void AddFound(std::vector<AspectPattern>& out, PatternKind kind, const std::vector<int>& names,
              std::initializer_list<size_t> group) {
  AspectPattern p{kind, {}, {}};
  for (size_t i : group) p.points.push_back(names[i]);
  std::sort(p.points.begin(), p.points.end());
  for (const AspectPattern& q : out)
    if (q.kind == kind && q.points == p.points) return;
  out.push_back(p);
}

void FindFigures(const LinkTable& t, const std::vector<int>& names, std::vector<AspectPattern>& out) {
  const size_t n = t.Size();
  for (size_t a = 0; a < n; ++a)
    for (size_t b = 0; b < n; ++b) {
      if (b == a) continue;
      for (size_t c = 0; c < n; ++c) {
        if (c == a || c == b) continue;
        if (a < b && b < c && AllPairs<3>(t, {a, b, c}, Trine))
          AddFound(out, PatternKind::GrandTrine, names, {a, b, c});
        if (a < b && t.Has(a, b, Opposition) && t.Has(c, a, Square) && t.Has(c, b, Square))
          AddFound(out, PatternKind::TSquare, names, {a, b, c});
        if (a < b && t.Has(a, b, Sextile) && t.Has(c, a, Quincunx) && t.Has(c, b, Quincunx))
          AddFound(out, PatternKind::Yod, names, {a, b, c});
        for (size_t d = 0; d < n; ++d) {
          if (d == a || d == b || d == c) continue;
          // Kite: the grand trine a b c with d opposite a and sextile to b and c.
          if (b < c && AllPairs<3>(t, {a, b, c}, Trine) && t.Has(d, a, Opposition) &&
              t.Has(d, b, Sextile) && t.Has(d, c, Sextile))
            AddFound(out, PatternKind::Kite, names, {a, b, c, d});
          // Grand Cross: a-c and b-d opposite, the four sides square.
          if (a < b && a < c && a < d && b < d && t.Has(a, c, Opposition) && t.Has(b, d, Opposition) &&
              t.Has(a, b, Square) && t.Has(b, c, Square) && t.Has(c, d, Square) && t.Has(d, a, Square))
            AddFound(out, PatternKind::GrandCross, names, {a, b, c, d});
          // Mystic Rectangle: a-c and b-d opposite, sides sextile, trine, sextile, trine.
          if (a < b && a < c && a < d && t.Has(a, c, Opposition) && t.Has(b, d, Opposition) &&
              t.Has(a, b, Sextile) && t.Has(b, c, Trine) && t.Has(c, d, Sextile) && t.Has(d, a, Trine))
            AddFound(out, PatternKind::MysticRectangle, names, {a, b, c, d});
        }
      }
    }
}

// Grand Sextile: six points round the circle, neighbours sextile, every
// second one trine, opposite ones in opposition.
void FindGrandSextiles(const LinkTable& t, const std::vector<int>& names,
                       std::vector<AspectPattern>& out) {
  const size_t n = t.Size();
  std::array<size_t, 6> ring{};
  auto extend = [&](auto&& self, size_t depth) -> void {
    if (depth == 6) {
      for (size_t i = 0; i < 6; ++i)
        if (!t.Has(ring[i], ring[(i + 1) % 6], Sextile) || !t.Has(ring[i], ring[(i + 2) % 6], Trine) ||
            !t.Has(ring[i], ring[(i + 3) % 6], Opposition))
          return;
      AddFound(out, PatternKind::GrandSextile, names,
               {ring[0], ring[1], ring[2], ring[3], ring[4], ring[5]});
      return;
    }
    for (size_t x = ring[0] + 1; x < n; ++x) {
      if (std::find(ring.begin() + 1, ring.begin() + depth, x) != ring.begin() + depth) continue;
      if (!t.Has(ring[depth - 1], x, Sextile)) continue;
      ring[depth] = x;
      self(self, depth + 1);
    }
  };
  for (size_t s = 0; s < n; ++s) {
    ring[0] = s;
    extend(extend, 1);
  }
}

void FindStelliums(const std::vector<AspectPoint>& points, const std::array<double, 12>& cusps,
                   std::vector<AspectPattern>& out) {
  std::map<int, std::vector<int>> bySign, byHouse;
  for (const AspectPoint& p : points) {
    if (!IsBody(p.point)) continue;
    bySign[static_cast<int>(std::floor(p.lon / 30.0)) % 12].push_back(p.point);
    const int house = HouseOf(p.lon, cusps);
    if (house != kNoHouse) byHouse[house + 1].push_back(p.point);
  }
  for (auto& [sign, members] : bySign)
    if (members.size() >= 4)
      out.push_back({PatternKind::Stellium, members, "sign " + std::to_string(sign)});
  for (auto& [house, members] : byHouse)
    if (members.size() >= 4)
      out.push_back({PatternKind::Stellium, members, "house " + std::to_string(house)});
}

bool StrictSubset(const std::vector<int>& small, const std::vector<int>& big) {
  return small.size() < big.size() && std::includes(big.begin(), big.end(), small.begin(), small.end());
}

}  // namespace

const char* PatternName(PatternKind kind) {
  static const char* const names[] = {"Grand Trine", "T-Square",         "Grand Cross",   "Yod",
                                      "Kite",        "Mystic Rectangle", "Grand Sextile", "Stellium"};
  return names[static_cast<int>(kind)];
}

std::vector<AspectPattern> FindPatterns(const std::vector<ListedAspect>& aspects,
                                        const std::vector<AspectPoint>& points,
                                        const std::array<double, 12>& cusps) {
  std::vector<int> names;
  for (const AspectPoint& p : points) names.push_back(p.point);
  const LinkTable table(aspects, names);
  std::vector<AspectPattern> figures;
  FindFigures(table, names, figures);
  FindGrandSextiles(table, names, figures);
  std::vector<AspectPattern> out;
  for (const AspectPattern& p : figures) {
    const bool inside = std::any_of(figures.begin(), figures.end(), [&](const AspectPattern& q) {
      return StrictSubset(p.points, q.points);
    });
    if (!inside) out.push_back(p);
  }
  FindStelliums(points, cusps, out);
  return out;
}

bool AspectInPattern(const ListedAspect& aspect, const AspectPattern& pattern) {
  if (aspect.InDeclination() || aspect.a.ring != aspect.b.ring) return false;
  auto has = [&](int p) {
    return std::find(pattern.points.begin(), pattern.points.end(), p) != pattern.points.end();
  };
  if (!has(aspect.a.point) || !has(aspect.b.point)) return false;
  return pattern.kind == PatternKind::Stellium || LinkOfAngle(aspect.angle) != None;
}

}  // namespace vostrane
