// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the asteroid ephemeris files "NVCER21P.E87", "NVPAL21P.E87",
// "NVJUN21P.E87" and "NVVES21P.E87": 9-byte records; record 0 holds the
// Julian day (universal time) of the first position as a little-endian
// double; record k >= 1 holds the heliocentric longitude, latitude and
// distance at that day + (k - 1) * 40 as three 3-byte values.
#pragma once

#include <cstdint>

namespace vostrane {

constexpr int kAsteroidRecordSize = 9;
constexpr double kAsteroidStep = 40.0;
constexpr int kAsteroidFirstYear = 1722;
constexpr int kAsteroidLastYear = 2049;
// Ceres, Pallas, Juno, Vesta (asteroids 1 to 4 at index 0 to 3).
extern const char* const kAsteroidFileNames[4];

// A 3-byte value b0 b1 b2: arc minutes as a 15-bit count in b0 (high, the
// top bit is the sign) and b1, seconds in b2. Distances are stored as
// 100 times their value in AU.
// The files are written by tools/generators/ephemgen from the independent ephemeris
// (heliocentric, geometric, mean ecliptic and equinox of date, every 40
// days of universal time). Rounding costs 0.5" in longitude and latitude
// and 1.4e-6 AU in distance; with the interpolation to second differences
// between the 40-day records the positions stay within, in longitude and
// latitude, Ceres 2.6" and 1.9", Pallas 54" and 39", Juno 25" and 18",
// Vesta 3.7" and 3.7" of the independent ephemeris over 1722-2049 (test
// CoefficientAccuracy.AsteroidFilesFollowTheReferenceBetweenTheirNodes):
// the record spacing, not the rounding, limits the eccentric orbits.
void EncodeAsteroidValue(double degrees, uint8_t out[3]);
double DecodeAsteroidValue(const uint8_t in[3]);

}  // namespace vostrane
