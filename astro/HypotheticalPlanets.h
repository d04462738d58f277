// SPDX-License-Identifier: GPL-3.0-or-later
// The eight hypothetical planets Cupido, Hades, Zeus, Kronos, Apollon,
// Admetos, Vulcanus and Poseidon from fixed orbital elements.
#pragma once

#include "astro/PointVectors.h"

namespace vostrane {

constexpr int kHypotheticalPlanets = 8;

// HypoPos(planet 1 to 8, T Julian centuries of ephemeris time since
// JD 2415020.0): heliocentric longitude, latitude, distance, vector and
// velocity; the heliocentric daily motion is 0.
HelioPoint HypoPos(int planet, double T);

}  // namespace vostrane
