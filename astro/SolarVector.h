// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's geocentric vector for the geocentric conversion of asteroids and
// hypothetical planets, and the elliptic-orbit solution it shares with the
// hypothetical planets.
#pragma once

#include <span>

#include "astro/PerturbationTables.h"
#include "astro/PointVectors.h"

namespace vostrane {

struct OrbitPosition {
  double lon = 0, lat = 0, dist = 0;  // degrees, AU
  SlotVector vec;                     // velocity only (vx, vy, vz)
};

// ElementOrbit(M, L, i, N, a, e): mean anomaly, mean longitude, inclination
// and node in degrees, semi-major axis in AU.
OrbitPosition ElementOrbit(double M, double L, double i, double N, double a, double e);

struct SunVectorResult {
  double lon = 0;   // geometric longitude, mean equinox of date, degrees
  double dist = 0;  // AU
  SlotVector vec;
};

// SunVector: d days of ephemeris time since JD 2415020.0, with the solar
// perturbation table.
SunVectorResult SunVector(double d, std::span<const SolarTerm> table);

}  // namespace vostrane
