#include "wheel/GlyphColumns.h"

#include <cmath>

#include "wheel/Rounding.h"

namespace vostrane {

namespace {

// Radii of the items (glyph, degree, sign, minute, retrograde mark) as
// multiples of the base radius; [block][row - 1][item], block 0 outward.
constexpr double kLayout[2][5][5] = {
    {{0.95, 0.87, 0.80, 0.73, 0.66},
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

std::array<Point, 5> GlyphItemPositions(const WheelSetup& w, int rho, double angle, bool inward,
                                        bool xInward, int row, bool spread) {
  const double a = angle * (M_PI / 180.0);
  const double c = rho * std::cos(a);
  const double s = rho * w.k * std::sin(a);
  std::array<Point, 5> p;
  for (int item = 0; item < 5; ++item) {
    const double t = kLayout[inward ? 1 : 0][row - 1][item];
    const double x = kXCorrection[xInward ? 1 : 0][item];
    p[item] = {w.cx + RoundEven(c * x) - RoundEven(c * t), w.cy + RoundEven(s * t)};
  }
  if (spread) {
    const std::array<Point, 5> q = p;
    const double share[4] = {0, 0.25, 0.5, 0.75};
    for (int item = kItemDegree; item <= kItemMinute; ++item) {
      p[item].x = q[item].x + RoundEven(share[item] * (q[item + 1].x - q[item].x));
      p[item].y = q[item].y + RoundEven(share[item] * (q[item + 1].y - q[item].y));
    }
  }
  return p;
}

}  // namespace vostrane
