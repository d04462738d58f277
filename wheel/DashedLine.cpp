// SPDX-License-Identifier: GPL-3.0-or-later
// Dashed lines drawn by hand as solid pieces: the device cannot dash a wide
// pen, and hand-made dashes look the same on the screen and on paper.
#include <algorithm>
#include <cmath>
#include <utility>

#include "wheel/DrawingSurface.h"
#include "wheel/Rounding.h"

namespace vostrane {

std::vector<Segment> DashSegments(int x1, int y1, int x2, int y2, int pageWidth, int penWidth) {
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int e = y2 < y1 ? -1 : 1;
  const double slope = x1 == x2 ? 10000.0 : double(y2 - y1) / (x2 - x1);
  // The steepness test takes the vertical scale as 1.0.
  const bool steep = std::fabs(slope) > 1.0;
  const int dash = std::max(1, pageWidth / 64);
  const int gap = std::max(1, dash - dash / (std::max(1, penWidth) + 1));
  const int length = steep ? std::abs(y2 - y1) : x2 - x1;

  auto at = [&](int m) -> Point {
    if (steep) return {x1 + RoundEven(m / std::fabs(slope)), y1 + e * m};
    return {x1 + m, y1 + RoundEven(m * slope)};
  };

  std::vector<Segment> pieces;
  if (length == 0) {
    pieces.push_back({{x1, y1}, {x2, y2}});
    return pieces;
  }
  for (int m = 0; m < length; m += dash + gap) {
    const int end = std::min(m + dash, length);
    Point to = end == length ? Point{x2, y2} : at(end);
    pieces.push_back({at(m), to});
  }
  return pieces;
}

}  // namespace vostrane
