// SPDX-License-Identifier: GPL-3.0-or-later
// Ceres, Pallas, Juno and Vesta from their ephemeris files.
#pragma once

#include <optional>

#include "astro/CalcStatus.h"
#include "astro/PointVectors.h"

namespace vostrane {

class EphemerisFiles;

// True for the years the asteroid files serve (1722 to 2049).
bool AsteroidYear(int year);

// AsteroidPos(asteroid 1 to 4, Julian day in universal time): heliocentric
// longitude, latitude, distance, vector, velocity and daily motion,
// interpolated with Bessel's formula, from the run's file store. A missing
// file, a record that cannot be read or differs from the installation's
// list, or a day outside the file's data gives
// nothing and sets `status` (file and record); the asteroid is then treated
// like one outside the years of the files.
std::optional<HelioPoint> AsteroidPos(int asteroid, double julianDayUt, EphemerisFiles& files,
                                      CalcStatus& status);
// The same with a store of its own (the file is read for this call).
std::optional<HelioPoint> AsteroidPos(int asteroid, double julianDayUt, CalcStatus& status);

}  // namespace vostrane
