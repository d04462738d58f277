// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangular ecliptic vectors of the points the planet pass finds
// heliocentrically (asteroids, hypothetical planets) and their conversion to
// geocentric positions with the Sun's geocentric vector.
#pragma once

namespace vostrane {

// Position (AU) and velocity (AU per day).
struct SlotVector {
  double x = 0, y = 0, z = 0;
  double vx = 0, vy = 0, vz = 0;
};

// A heliocentric point with its vector.
struct HelioPoint {
  double lon = 0, lat = 0, dist = 0;  // degrees, AU
  double hspeed = 0;                  // degrees per day
  SlotVector vec;
};

// Rectangular position from longitude and latitude (degrees) and distance.
void SetPositionFromPolar(SlotVector& v, double lon, double lat, double dist);

struct GeoResult {
  double lon = 0, lat = 0, speed = 0;  // degrees, degrees per day
};

// GEOCON: geocentric longitude, latitude and daily motion of a heliocentric
// vector, given the Sun's geocentric vector. No light time, no nutation.
GeoResult GeocentricFromHeliocentric(const SlotVector& helio, const SlotVector& sun);

}  // namespace vostrane
