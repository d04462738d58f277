// SPDX-License-Identifier: GPL-3.0-or-later
// The spherical formulas shared by the angles and the house systems.
#pragma once

namespace vostrane {

// What one house calculation works with.
struct HouseFrame {
  double phiRad = 0.0;      // latitude for the house formulas
  double eRad = 0.0;        // true obliquity
  double ramcRad = 0.0;     // right ascension of the meridian
  double zDeg = 0.0;        // zodiac offset
  double sunDeclRad = 0.0;  // the Sun's declination (for Sunshine houses)
};

// arcsin and arccos through arctan; where 1 - x^2 is not positive its root
// is taken as 1e-19, so arguments beyond +-1 give the end values instead of
// failing (arccos above 1 is 0, below -1 is pi).
double ArcSin(double x);
double ArcCos(double x);

// Ascending point of the horizon of latitude phi when the meridian has
// right ascension r (radians): degrees with Z added, in [0, 360).
double AscOf(const HouseFrame& frame, double phi, double r);

// Ecliptic longitude (radians) of the ecliptic point with right ascension x.
double LongOfRA(double x, double e);

// Longitude (radians) where the circle of position with pole height `pole`
// through the equator point of right ascension s meets the ecliptic.
double CuspOfPole(double s, double pole, double e);

// The same intersection with every argument and the result in degrees; x
// of exactly 90 or 270 is nudged to avoid a division by zero.
double AscDeg(double x, double pole, double eps);

}  // namespace vostrane
