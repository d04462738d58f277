// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/HypotheticalPlanets.h"

#include "astro/AngleHelpers.h"
#include "astro/SolarVector.h"

namespace vostrane {

namespace {

// M0, n, w, N0, N rate, i, a, e (degrees, per century, AU): mean anomaly
// at 1900 January 0.5 and its rate per Julian century, perihelion, node
// and its rate, inclination, semi-major axis and eccentricity. These points
// are defined by their elements (the node rate 1.396 degrees per century is
// the general precession, which keeps them fixed among the stars); no
// observation exists to measure them against. The test
// HypoPos.ApollonToPoseidonMoveOnCircles checks the orbits they describe.
struct HypoElements {
  double M0, n, w, N0, Nrate, i, a, e;
};

const HypoElements kElements[kHypotheticalPlanets] = {
    {163.7409, 137.1364, 171.4333, 129.8325, 1.396, 1.08333, 40.99837, 0.0046},  // Cupido
    {27.6496, 99.81803, 148.1796, 161.3339, 1.396, 1.05, 50.66744, 0.00245},     // Hades
    {165.1232, 79.00633, 135.044, 164.0, 1.396, 0, 59.21436, 0.0012},            // Zeus
    {169.0193, 68.98746, 208.8801, 0, 1.396, 0, 64.8169, 0.00305},               // Kronos
    {0, 61.0765, 138.05333, 0, 1.396, 0, 70.29949, 0},                           // Apollon
    {0, 56.98245, 351.335, 0, 1.396, 0, 73.62765, 0},                            // Admetos
    {0, 53.015987, 55.8983, 0, 1.396, 0, 77.25568, 0},                           // Vulcanus
    {0, 47.03868, 165.5163, 0, 1.396, 0, 83.66907, 0},                           // Poseidon
};

}  // namespace

HelioPoint HypoPos(int planet, double T) {
  HelioPoint h;
  if (planet < 1 || planet > kHypotheticalPlanets) return h;
  const HypoElements& el = kElements[planet - 1];
  const double M = ModAngle(360.0, el.M0 + el.n * T);
  const double N = ModAngle(360.0, el.N0 + el.Nrate * T);
  const double L = N + el.w + M;
  const OrbitPosition o = ElementOrbit(M, L, el.i, N, el.a, el.e);
  h.lon = o.lon;
  h.lat = o.lat;
  h.dist = o.dist;
  h.vec = o.vec;
  SetPositionFromPolar(h.vec, h.lon, h.lat, h.dist);
  h.hspeed = 0;
  return h;
}

}  // namespace vostrane
