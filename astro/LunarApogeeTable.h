// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the Moon's osculating apogee, "OSCAPOG.DAT": geocentric
// longitude and latitude (mean ecliptic and equinox of date, no nutation)
// at the nodes JD 2415017.5 + n (ephemeris time), n = 0 to 73420, covering
// 1900 to 2100 with the margins the interpolation needs. A node holds two
// 32-bit integers stored most significant byte first, in 0.001 arc second.
// The file is written by tools/generators/ephemgen from the independent
// ephemeris; the lunar theory's velocity is too coarse for the osculating
// ellipse (errors up to 9'), the table with Everett's interpolation keeps
// to 12" (measured by the generator against the ephemeris itself).
#pragma once

#include <cstdint>
#include <optional>

#include "astro/CalcStatus.h"

namespace vostrane {

class EphemerisFiles;

constexpr const char* kApogeeTableName = "OSCAPOG.DAT";
constexpr double kApogeeTableFirstJd = 2415017.5;
constexpr int kApogeeTableNodes = 73421;
constexpr int kApogeeNodeBytes = 8;
constexpr double kApogeeTableUnit = 3600000.0;  // integer units per degree

struct TabulatedApogee {
  double lon = 0;    // degrees [0, 360)
  double lat = 0;    // degrees
  double speed = 0;  // degrees per day
};

// The osculating apogee at moment daysEt (days of ephemeris time from
// JD 2433282.0) from the table in the working folder. Nothing when it lies
// outside the table (status ok) or when the file is missing, cut, damaged
// or differs from the installation's list (status naming the file and the
// node; source LunarApogee, never fatal).
std::optional<TabulatedApogee> ApogeeFromTable(double daysEt, EphemerisFiles& files, CalcStatus& status);

}  // namespace vostrane
