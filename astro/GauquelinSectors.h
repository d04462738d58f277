// SPDX-License-Identifier: GPL-3.0-or-later
// Gauquelin's 36 sectors: the diurnal and the nocturnal semi-arcs of every
// point each divided into nine equal parts of time, counted from the
// Ascendant clockwise (against the order of the houses): sector 1 begins at
// the Ascendant, sector 10 at the Midheaven, 19 at the Descendant and 28 at
// the IC. A table of sectors, not cusps for the wheel.
#pragma once

#include <array>

#include "astro/Angles.h"
#include "astro/HouseMath.h"

namespace vostrane {

struct GauquelinSectors {
  // Longitude (degrees with Z, [0, 360)) where sector j + 1 begins.
  std::array<double, 36> start{};
  // Where some point has no semi-arc (inside the polar circles) the sectors
  // divide each quadrant between the angles into nine equal arcs of the
  // ecliptic instead, as the quadrant systems fall back to Porphyry.
  bool equalArcs = false;
};

GauquelinSectors CalcGauquelinSectors(const HouseFrame& frame, const ChartAngles& angles);

}  // namespace vostrane
