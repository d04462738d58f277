// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/GlyphColumns.h"

#include <algorithm>
#include <numeric>

namespace vostrane {

namespace {

// Radii of the items (glyph, degree, sign, minute, retrograde mark) as
// multiples of the base radius; [block][row - 1][item], block 0 outward.
constexpr double kLayout[2][5][5] = {{{0.95, 0.87, 0.80, 0.73, 0.66},
                                      {1.53, 1.45, 1.37, 1.29, 1.21},
                                      {0.96, 0.87, 0.80, 0.725, 0.65},
                                      {0.95, 0.85, 0.76, 0.67, 0.58},
                                      {1.95, 1.87, 1.79, 1.71, 1.63}},
                                     {{0.66, 0.74, 0.81, 0.88, 0.96},
                                      {1.21, 1.29, 1.37, 1.45, 1.53},
                                      {0.65, 0.74, 0.81, 0.89, 0.97},
                                      {0.58, 0.68, 0.77, 0.86, 0.95},
                                      {1.63, 1.71, 1.79, 1.87, 1.95}}};

// Horizontal corrections of the items, the same for every row.
constexpr double kXCorrection[2][5] = {{0, 0, 0.02, 0.01, 0}, {0, 0, -0.005, -0.01, 0}};

}  // namespace

int GlyphRow(int ring, const WheelSetup& setup, int planetGlyphSize) {
  if (ring == 2) return 2;
  if (ring == 3) return 5;
  if (setup.category == 'B' || setup.sizeClass == 'S') return 4;
  if (setup.size > 2425 && planetGlyphSize > 15) return 3;
  return 1;
}

double GlyphItemRadius(bool inward, int row, int item) { return kLayout[inward ? 1 : 0][row - 1][item]; }

double GlyphItemXCorrection(bool xInward, int item) { return kXCorrection[xInward ? 1 : 0][item]; }

std::array<double, 5> PreferredItemRadii(double rho, bool inward, int row, bool spread) {
  std::array<double, 5> r;
  for (int item = 0; item < 5; ++item) r[item] = GlyphItemRadius(inward, row, item) * rho;
  if (spread) {
    const std::array<double, 5> q = r;
    const double share[4] = {0, 0.25, 0.5, 0.75};
    for (int item = kItemDegree; item <= kItemMinute; ++item)
      r[item] = q[item] + share[item] * (q[item + 1] - q[item]);
  }
  return r;
}

bool FitColumnRadii(const std::array<double, 5>& preferred, const std::array<double, 5>& reach,
                    int count, double gap, double inner, double outer, std::array<double, 5>& radii) {
  radii = preferred;
  // Items from the outermost inward.
  std::array<int, 5> order{};
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.begin() + count,
                   [&](int a, int b) { return preferred[a] > preferred[b]; });
  auto at = [&](int i) -> double& { return radii[order[i]]; };
  auto room = [&](int i) { return reach[order[i]] + reach[order[i + 1]] + gap; };
  // Down from the outer edge, each item clear of the one above it.
  at(0) = std::min(at(0), outer - reach[order[0]]);
  for (int i = 1; i < count; ++i) at(i) = std::min(at(i), at(i - 1) - room(i - 1));
  // Up from the inner edge, each item clear of the one below it.
  at(count - 1) = std::max(at(count - 1), inner + reach[order[count - 1]]);
  for (int i = count - 1; i-- > 0;) at(i) = std::max(at(i), at(i + 1) + room(i));
  if (at(0) + reach[order[0]] <= outer + 1e-9) return true;
  at(0) = outer - reach[order[0]];
  for (int i = 1; i < count; ++i) at(i) = at(i - 1) - room(i - 1);
  return false;
}

}  // namespace vostrane
