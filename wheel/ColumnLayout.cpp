// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ColumnLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "common/AngleTime.h"

namespace vostrane {

namespace {

// How much the Ascendant resists moving, against 1 for the other cusps: it
// moves only when nothing else can. The other three angles give way like
// any cusp, so that a crowded house grows to both sides and its columns
// stay nearer their degrees.
constexpr double kAscendantWeight = 1e6;
// Degrees a house without columns keeps when its neighbours need room.
constexpr double kEmptyHouseRoom = 4.0;
// Degrees beyond a column's way from its true place to where it stands over
// which its own half width is taken.
constexpr double kLocalMargin = 3.0;
// Degrees a column may stand from its degree before a house takes more
// tiers or compact columns.
constexpr double kNearEnough = 5.0;

// Positions on a line, non-decreasing after subtracting the running sum of
// the required gaps: x[i+1] - x[i] >= gap[i]. Fits targets t with weights,
// then keeps every x within [lo, hi] (hi for the last one).
std::vector<double> FitWithGaps(const std::vector<double>& t, const std::vector<double>& gap,
                                const std::vector<double>& w) {
  const size_t n = t.size();
  std::vector<double> offset(n, 0.0), y(n);
  for (size_t i = 1; i < n; ++i) offset[i] = offset[i - 1] + gap[i - 1];
  for (size_t i = 0; i < n; ++i) y[i] = t[i] - offset[i];
  std::vector<double> e = IsotonicFit(y, w);
  for (size_t i = 0; i < n; ++i) e[i] += offset[i];
  return e;
}

double Cost(const std::vector<double>& a, const std::vector<double>& b, const std::vector<double>& w) {
  double c = 0;
  for (size_t i = 0; i < a.size(); ++i) c += w[i] * (a[i] - b[i]) * (a[i] - b[i]);
  return c;
}

// Items in circular order (angles increasing from `first`), each needing
// `gap[i]` to the next one (the last one to the first, round the circle).
// Returns new angles (unwrapped, from the chosen start) or an empty vector
// when the gaps do not fit in 360 degrees.
std::vector<double> SpreadSorted(const std::vector<double>& angles, const std::vector<double>& gap,
                                 const std::vector<double>& w) {
  const size_t n = angles.size();
  const double total = std::accumulate(gap.begin(), gap.end(), 0.0);
  if (n == 0) return {};
  if (total > 360.0) return {};
  std::vector<double> best;
  double bestCost = 0;
  // Any item may begin the line the circle is cut into; the cut must leave
  // the wrap-around gap.
  for (size_t s = 0; s < n; ++s) {
    std::vector<double> t(n), g(n - 1), wt(n);
    for (size_t i = 0; i < n; ++i) {
      const size_t k = (s + i) % n;
      t[i] = angles[k] + (k < s ? 360.0 : 0.0);
      wt[i] = w[k];
      if (i + 1 < n) g[i] = gap[k];
    }
    const std::vector<double> x = FitWithGaps(t, g, wt);
    const double wrap = gap[(s + n - 1) % n];
    if (x.back() - x.front() > 360.0 - wrap + 1e-9) continue;
    const double c = Cost(x, t, wt);
    if (best.empty() || c < bestCost) {
      bestCost = c;
      best.assign(n, 0.0);
      for (size_t i = 0; i < n; ++i) best[(s + i) % n] = x[i];
    }
  }
  return best;
}

// Columns of one house aimed at targets t (in order), taken in turn in
// `layers` tiers: neighbours in one tier keep the sum of their half widths
// w apart, so consecutive columns keep that share of it. The block stays
// inside the house [from, from + width], a half width from either cusp.
std::vector<double> PlaceInHouse(const std::vector<double>& t, const std::vector<double>& w, int layers,
                                 double from, double width) {
  const size_t n = t.size();
  std::vector<double> g(n > 1 ? n - 1 : 0), x;
  for (size_t i = 0; i + 1 < n; ++i) g[i] = (w[i] + w[i + 1]) / layers;
  x = FitWithGaps(t, g, std::vector<double>(n, 1.0));
  double lo = from + w.front();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0) lo += g[i - 1];
    x[i] = std::max(x[i], lo);
  }
  double hi = from + width - w.back();
  for (size_t i = n; i-- > 0;) {
    if (i + 1 < n) hi -= g[i];
    x[i] = std::min(x[i], hi);
  }
  if (from + width - w.back() < from + w.front()) std::fill(x.begin(), x.end(), from + width / 2.0);
  return x;
}

// Largest half width over an arc (sampled by degrees, ends included).
double MaxHalfWidth(const HalfWidth& hw, double from, double span) {
  double m = 0;
  const int steps = std::max(1, static_cast<int>(std::ceil(span)));
  for (int i = 0; i <= steps; ++i) m = std::max(m, hw(Modulo(360.0, from + span * i / steps)));
  return m;
}

}  // namespace

bool ColumnLayout::CuspMoved(int j, const std::array<double, 12>& truth) const {
  return AngularDistance(cusps[j], truth[j]) > 1e-6;
}

double FarthestFromDegree(const ColumnLayout& layout, const std::array<ColumnRingInput, 3>& rings) {
  double d = 0;
  for (int r = 0; r < 3; ++r)
    for (int p = 0; p < kWheelPoints; ++p)
      if (layout.angle[r][p] >= 0)
        d = std::max(d, AngularDistance(layout.angle[r][p], rings[r].angle[p]));
  return d;
}

std::vector<double> IsotonicFit(const std::vector<double>& y, const std::vector<double>& w) {
  struct Block {
    double value, weight;
    size_t count;
  };
  std::vector<Block> blocks;
  for (size_t i = 0; i < y.size(); ++i) {
    blocks.push_back({y[i], w.empty() ? 1.0 : w[i], 1});
    while (blocks.size() > 1 && blocks[blocks.size() - 2].value > blocks.back().value) {
      const Block b = blocks.back();
      blocks.pop_back();
      Block& a = blocks.back();
      a.value = (a.value * a.weight + b.value * b.weight) / (a.weight + b.weight);
      a.weight += b.weight;
      a.count += b.count;
    }
  }
  std::vector<double> out;
  for (const Block& b : blocks) out.insert(out.end(), b.count, b.value);
  return out;
}

double TextBoxHalfAngle(double w, double h, double rho, double k, double gap, double angle) {
  const double a = angle * (M_PI / 180.0);
  const double e = w / 2.0 * std::fabs(std::sin(a)) + h / (2.0 * k) * std::fabs(std::cos(a)) + gap;
  return std::asin(std::min(1.0, e / std::max(1.0, rho))) * 180.0 / M_PI;
}

std::vector<double> SpreadOnCircle(const std::vector<double>& angles,
                                   const std::vector<double>& halfWidths,
                                   const std::vector<double>& weights) {
  const size_t n = angles.size();
  if (n < 2) return angles;
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return angles[a] < angles[b]; });
  std::vector<double> a(n), gap(n), w(n);
  for (size_t i = 0; i < n; ++i) {
    a[i] = angles[order[i]];
    w[i] = weights.empty() ? 1.0 : weights[order[i]];
    gap[i] = halfWidths[order[i]] + halfWidths[order[(i + 1) % n]];
  }
  std::vector<double> x = SpreadSorted(a, gap, w);
  if (x.empty()) {
    // More than the circle holds: every gap shrinks in proportion.
    const double total = std::accumulate(gap.begin(), gap.end(), 0.0);
    for (double& g : gap) g *= 359.0 / total;
    x = SpreadSorted(a, gap, w);
    if (x.empty()) return angles;
  }
  std::vector<double> out(n);
  for (size_t i = 0; i < n; ++i) out[order[i]] = Modulo(360.0, x[i]);
  return out;
}

ColumnLayout LayOutColumns(const std::array<double, 12>& cuspAngles,
                           const std::array<ColumnRingInput, 3>& rings) {
  ColumnLayout out;
  for (auto& ring : out.angle) ring.fill(-1.0);

  // The room each house needs: a half width at either side of every column
  // in its tier, the columns of consecutive tiers taken in turn.
  std::array<double, 12> span{}, need{};
  std::array<std::array<double, 3>, 12> halfWidth{};
  std::array<std::array<int, 3>, 12> tiers{};
  std::array<std::array<bool, 3>, 12> compact{};
  std::array<std::array<std::vector<int>, 3>, 12> members;
  for (int h = 0; h < 12; ++h) {
    const double next = h == 11 ? 360.0 : cuspAngles[h + 1];
    span[h] = Modulo(360.0, next - cuspAngles[h]);
    if (h == 11 && span[h] == 0) span[h] = 360.0 - cuspAngles[h];
  }
  for (int r = 0; r < 3; ++r) {
    const ColumnRingInput& in = rings[r];
    if (!in.present) continue;
    for (int p = 0; p < kWheelPoints; ++p)
      if (in.shown[p] && in.house[p] >= 0 && in.house[p] < 12) members[in.house[p]][r].push_back(p);
    for (int h = 0; h < 12; ++h) {
      auto& list = members[h][r];
      const double from = cuspAngles[h];
      std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
        return Modulo(360.0, in.angle[a] - from) < Modulo(360.0, in.angle[b] - from);
      });
      if (list.empty()) continue;
      // The first of the column forms (full size in 1, 2, 3 tiers, then
      // compact) that holds the columns in the house within kNearEnough of
      // their degrees; else the form that holds them nearest; when none
      // holds them, the one that needs the least room, with widths over the
      // house and some way beyond, where it may grow to.
      const double n = static_cast<double>(list.size());
      auto room = [n](double w, int t) { return 2.0 * w * ((n - 1.0) / t + 1.0); };
      std::vector<double> target;
      for (int p : list) target.push_back(from + std::min(Modulo(360.0, in.angle[p] - from), span[h]));
      struct Form {
        int tiers;
        bool compact;
        const HalfWidth* hw;
      };
      std::vector<Form> forms;
      const int most = std::min(1 + static_cast<int>(in.tierHalfWidth.size()),
                                static_cast<int>(list.size()));
      for (int t = 1; t <= most; ++t)
        forms.push_back({t, false, t == 1 ? &in.halfWidth : &in.tierHalfWidth[t - 2]});
      for (size_t t = 1; t <= std::min(in.compactHalfWidth.size(), list.size()); ++t)
        forms.push_back({static_cast<int>(t), true, &in.compactHalfWidth[t - 1]});
      int best = -1, nearest = -1;
      double bestWidth = 0, nearestWidth = 0, nearestDistance = 0;
      for (size_t f = 0; f < forms.size(); ++f) {
        const int t = forms[f].tiers;
        double w = MaxHalfWidth(*forms[f].hw, from, span[h]);
        if (room(w, t) <= span[h]) {
          const std::vector<double> x = PlaceInHouse(target, std::vector<double>(target.size(), w), t,
                                                     from, span[h]);
          double d = 0;
          for (size_t i = 0; i < x.size(); ++i) d = std::max(d, std::fabs(x[i] - target[i]));
          if (nearest < 0 || d < nearestDistance - 1e-9) {
            nearest = static_cast<int>(f), nearestWidth = w, nearestDistance = d;
            if (d <= kNearEnough) break;
          }
          continue;
        }
        w = MaxHalfWidth(*forms[f].hw, from - 15.0, span[h] + 30.0);
        if (best < 0 || room(w, t) < room(bestWidth, forms[best].tiers))
          best = static_cast<int>(f), bestWidth = w;
      }
      if (nearest >= 0) best = nearest, bestWidth = nearestWidth;
      compact[h][r] = forms[best].compact;
      const int chosen = forms[best].tiers;
      tiers[h][r] = chosen;
      halfWidth[h][r] = bestWidth;
      need[h] = std::max(need[h], room(bestWidth, chosen));
    }
  }
  // An empty house keeps some room of its own (for its number).
  for (int h = 0; h < 12; ++h) need[h] = std::max(need[h], std::min(span[h], kEmptyHouseRoom));

  // Widen the houses that are too narrow: the cusps move as little as they
  // can, the Ascendant least of all.
  std::vector<double> cusps(cuspAngles.begin(), cuspAngles.end()), gaps(need.begin(), need.end());
  std::vector<double> weights(12, 1.0);
  weights[0] = kAscendantWeight;
  bool tooNarrow = false;
  for (int h = 0; h < 12; ++h) tooNarrow = tooNarrow || span[h] < need[h];
  std::vector<double> shown = cusps;
  if (tooNarrow) {
    // The cusps as items whose half widths are half the needs on either
    // side would not keep each house's own need; the gaps are given per
    // house instead.
    std::vector<double> x = SpreadSorted(cusps, gaps, weights);
    if (x.empty()) {
      out.squeezed = true;
      const double total = std::accumulate(gaps.begin(), gaps.end(), 0.0);
      for (double& g : gaps) g *= 359.0 / total;
      for (auto& row : halfWidth)
        for (double& v : row) v *= 359.0 / total;
      x = SpreadSorted(cusps, gaps, weights);
    }
    if (!x.empty()) shown = x;
    // The Ascendant stays exactly where it is: the whole turns back by
    // whatever little it moved.
    const double back = cusps[0] - shown[0];
    for (double& v : shown) v = Modulo(360.0, v + back);
  }
  for (int j = 0; j < 12; ++j) out.cusps[j] = Modulo(360.0, shown[j]);

  // The columns of each house: their true places mapped into the house as
  // drawn, then spread at the least movement within it.
  for (int h = 0; h < 12; ++h) {
    const double from = shown[h];
    double width = Modulo(360.0, shown[(h + 1) % 12] - shown[h]);
    if (h == 11 && width == 0) width = 360.0;  // every cusp in one place
    for (int r = 0; r < 3; ++r) {
      const auto& list = members[h][r];
      if (list.empty()) continue;
      const ColumnRingInput& in = rings[r];
      const double hw = halfWidth[h][r];
      const int layers = tiers[h][r];
      const size_t n = list.size();
      const double moved = Modulo(360.0, cuspAngles[h] - from + 180.0) - 180.0;
      std::vector<double> t(n);
      for (size_t i = 0; i < n; ++i) {
        // Each column aims at its true place (where the house was narrowed,
        // the nearest place left in it): moving the columns with the cusps
        // would take them away from their degrees.
        const double into = std::min(Modulo(360.0, in.angle[list[i]] - cuspAngles[h]), span[h]);
        t[i] = span[h] > 0 ? from + moved + into : from + width / 2.0;
      }
      auto place = [&](const std::vector<double>& w) { return PlaceInHouse(t, w, layers, from, width); };
      std::vector<double> x = place(std::vector<double>(n, hw));
      // The half width over the whole house is what the widest place in it
      // needs; columns near the horizontal need less. Placed again with the
      // widths about their own places, they stay nearer their degrees, kept
      // only if every column is then clear of its neighbours and the cusps.
      const HalfWidth& own = compact[h][r] ? in.compactHalfWidth[layers - 1]
                             : layers == 1 ? in.halfWidth
                                           : in.tierHalfWidth[layers - 2];
      if (n > 1 && !out.squeezed && own) {
        std::vector<double> w(n);
        for (size_t i = 0; i < n; ++i) {
          const double a = std::min(t[i], x[i]), b = std::max(t[i], x[i]);
          w[i] = std::min(hw, MaxHalfWidth(own, a - kLocalMargin, b - a + 2.0 * kLocalMargin));
        }
        const std::vector<double> y = place(w);
        const size_t k = static_cast<size_t>(layers);
        bool clear = true;
        for (size_t i = 0; i < n; ++i) {
          const double wi = own(Modulo(360.0, y[i]));
          if (i < k && y[i] - wi < from - 1e-9) clear = false;
          if (i + k >= n && y[i] + wi > from + width + 1e-9) clear = false;
          if (i + k < n && y[i + k] - y[i] < wi + own(Modulo(360.0, y[i + k])) - 1e-9) clear = false;
        }
        if (clear) x = y;
      }
      for (size_t i = 0; i < n; ++i) {
        out.angle[r][list[i]] = Modulo(360.0, x[i]);
        out.tiers[r][list[i]] = layers;
        out.tier[r][list[i]] = static_cast<int>(i) % layers;
        out.compact[r][list[i]] = compact[h][r];
      }
    }
  }
  return out;
}

}  // namespace vostrane
