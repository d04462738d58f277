// SPDX-License-Identifier: GPL-3.0-or-later
// The systems counted along the ecliptic by arithmetic alone: the equal
// systems, which lay twelve arcs of 30 degrees from one point, and Sripati
// and Pullen's sinusoidal delta, which divide the quadrants between the
// Ascendant and the IC.
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/HouseSystems.h"

namespace vostrane {

namespace {

// Cusps 1 to 6 at 30-degree steps from cusp 1 (degrees with Z added).
void EqualFrom(double cusp1, HouseCusps& c) {
  for (int k = 1; k <= 6; ++k) c[k] = ModAngle(360.0, cusp1 + 30.0 * (k - 1));
}

// b - a brought into [0, 360).
double Forward(double a, double b) { return ModAngle(360.0, b - a); }

}  // namespace

void WholeSignCusps(const HouseFrame&, const ChartAngles& angles, HouseCusps& c) {
  // The Ascendant's sign is the first house; the sign is the one of the
  // chart's own zodiac, which the Ascendant already carries.
  EqualFrom(30.0 * std::floor(angles.asc / 30.0), c);
}

void EqualFromMidheavenCusps(const HouseFrame&, const ChartAngles& angles, HouseCusps& c) {
  // Cusp 10 is the Midheaven, so cusp 1 lies a quarter circle past it.
  EqualFrom(angles.mc + 90.0, c);
}

void VehlowCusps(const HouseFrame&, const ChartAngles& angles, HouseCusps& c) {
  // The Ascendant stands in the middle of the first house.
  EqualFrom(angles.asc - 15.0, c);
}

void EqualFromAriesCusps(const HouseFrame&, const ChartAngles&, HouseCusps& c) {
  // The houses are the signs of the chart's zodiac.
  EqualFrom(0.0, c);
}

void SripatiCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  // The Porphyry cusps are the middles of the houses; each house begins
  // halfway between the middle of the house before and its own.
  HouseCusps middles = c;
  PorphyryCusps(f, angles, middles);
  CheckCuspOrder(middles);
  double previous = ModAngle(360.0, middles[6] + 180.0);  // the middle of house 12
  for (int k = 1; k <= 6; ++k) {
    c[k] = ModAngle(360.0, previous + Forward(previous, middles[k]) / 2.0);
    previous = middles[k];
  }
}

void PullenSinusoidalDeltaCusps(const HouseFrame&, const ChartAngles&, HouseCusps& c) {
  // In a quadrant of q degrees the houses differ from 30 degrees by d, 2d
  // and d, with d = (q - 90) / 4: the middle house takes the largest share
  // of the quadrant's excess or shortfall. A quadrant under 30 degrees
  // would leave the middle house negative; its outer houses then share the
  // quadrant and the middle one is empty.
  if (Forward(c[1], c[4]) >= 180.0) c[1] = ModAngle(360.0, c[1] + 180.0);
  auto divide = [&c](int first, double quadrant) {
    const double d = (quadrant - 90.0) / 4.0;
    double outer = 30.0 + d;
    double middle = 30.0 + 2.0 * d;
    if (middle < 0.0) {
      outer = quadrant / 2.0;
      middle = 0.0;
    }
    c[first + 1] = ModAngle(360.0, c[first] + outer);
    c[first + 2] = ModAngle(360.0, c[first + 1] + middle);
  };
  const double q = Forward(c[1], c[4]);
  divide(1, q);
  divide(4, 180.0 - q);
}

}  // namespace vostrane
