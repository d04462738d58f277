// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random houses and rings for the wheel layout tests: nearly equal,
// quadrant-like and polar houses, rings with or without a stellium.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "common/AngleTime.h"
#include "wheel/RingPoints.h"

namespace vostrane::test {

// Cusps 1..12 from six house widths (degrees summing to 180) and an
// Ascendant; the other six opposite.
inline std::array<double, 12> CuspsFromWidths(double asc, const std::array<double, 6>& widths) {
  std::array<double, 12> c{};
  double at = asc;
  for (int j = 0; j < 6; ++j) {
    c[j] = Modulo(360.0, at);
    c[j + 6] = Modulo(360.0, at + 180.0);
    at += widths[j];
  }
  return c;
}

// Random houses: nearly equal, quadrant-like, or polar with houses of a
// degree or two beside very wide ones.
inline std::array<double, 12> RandomCusps(std::mt19937& g, int kind) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  std::array<double, 6> w{};
  double sum = 0;
  for (double& x : w) {
    switch (kind) {
      case 0: x = 25 + 10 * u(g); break;
      case 1: x = 12 + 45 * u(g); break;
      default: x = std::exp(-3.0 + 4.5 * u(g)); break;
    }
    sum += x;
  }
  for (double& x : w) x = std::max(0.6, x * 180.0 / sum);
  sum = 0;
  for (double x : w) sum += x;
  w[std::max_element(w.begin(), w.end()) - w.begin()] -= sum - 180.0;
  return CuspsFromWidths(360.0 * u(g), w);
}

inline RingChart RandomRing(std::mt19937& g, const std::array<double, 12>& cusps, bool stellium) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  RingChart r;
  r.present = true;
  r.cusps = cusps;
  r.houseSystem = HouseSystemId::Placidus;
  for (int p = 0; p < kRingPoints; ++p) {
    r.lon[p] = 360.0 * u(g);
    r.speed[p] = u(g) < 0.2 ? -0.3 : 0.8;
  }
  if (stellium) {
    const double at = 360.0 * u(g);
    const int count = 5 + static_cast<int>(4 * u(g));
    for (int i = 0; i < count; ++i) r.lon[(i * 3 + 2) % 10] = Modulo(360.0, at + 15.0 * u(g));
  }
  r.lon[wheel_point::Ascendant] = cusps[0];
  r.lon[wheel_point::Midheaven] = cusps[9];
  r.lon[wheel_point::SouthNode] = Modulo(360.0, r.lon[wheel_point::Node] + 180.0);
  r.lon[wheel_point::PartOfFortune] = Modulo(360.0, cusps[0] + r.lon[1] - r.lon[0]);
  return r;
}

}  // namespace vostrane::test
