// SPDX-License-Identifier: GPL-3.0-or-later
// Mean orbital elements of the Earth, Moon, Mercury, Venus and Mars, the
// sixteen mean arguments of the perturbing planets and the nutation in
// longitude, all for one moment of the analytic theory.
#pragma once

#include <array>

namespace vostrane {

// Bodies of the analytic theory, numbered as the rows of the element table.
enum TheoryBody : int {
  kTheoryEarth = 0,
  kTheoryMoon = 1,
  kTheoryMercury = 2,
  kTheoryVenus = 3,
  kTheoryMars = 4
};
constexpr int kTheoryBodies = 5;
constexpr int kMeanArguments = 16;

// Days of ephemeris time from JD 2433282.0 (the theory's moment t) for the
// epoch JD 2415020.0 of the element table.
constexpr double kElementEpoch = -18262.0;

// One row of the element table: a, P, t0, L0, n, L2, L3, w0, w1, w2, w3,
// e0, e1, e2, N0, N1, N2, N3, i0, i1, i2 (see MeanElements.cpp for units).
struct MeanElementRow {
  double a, P, t0, L0, n, L2, L3, w0, w1, w2, w3, e0, e1, e2, N0, N1, N2, N3, i0, i1, i2;
};

// Mean anomaly of a perturbing planet: value at JD 2396758.0 and rate per
// Julian year, both in degrees.
struct MeanArgumentRow {
  double value, rate;
};

extern const std::array<MeanElementRow, kTheoryBodies> kMeanElementTable;
extern const std::array<MeanArgumentRow, kMeanArguments> kMeanArgumentTable;

// Elements of one body at the prepared moment (degrees, AU, days).
struct BodyElements {
  double a = 0;  // semi-major axis
  double P = 0;  // sidereal period
  double T = 0;  // Julian centuries from the row's epoch
  double L = 0;  // mean longitude
  double w = 0;  // longitude of perihelion
  double e = 0;  // eccentricity
  double N = 0;  // longitude of the ascending node
  double i = 0;  // inclination
  double M = 0;  // mean anomaly
};

// Everything PrepareMean computes for one moment.
struct MeanState {
  double daysEt = 0;  // the moment: days of ephemeris time from JD 2433282.0
  std::array<BodyElements, kTheoryBodies> body{};
  std::array<double, kMeanArguments> arg{};  // mean arguments, degrees
  double dpsi = 0;                           // nutation in longitude, degrees
};

// x - 360 * Int(x / 360) when x is negative or at least 360, else x
// (a negative value stays in (-360, 0]).
double ReduceDeg(double x);

// Mean elements, mean arguments and nutation in longitude for moment daysEt
// (days of ephemeris time from JD 2433282.0).
MeanState PrepareMean(double daysEt);
// The same without the nutation (dpsi left 0), for moments that only need
// positions before nutation.
MeanState PrepareMeanElements(double daysEt);
// Nutation in longitude in degrees from the Moon's node, mean longitude and
// mean anomaly and the Earth's mean longitude and mean anomaly.
double NutationInLongitude(const MeanState& s);

}  // namespace vostrane
