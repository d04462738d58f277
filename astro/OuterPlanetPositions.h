// SPDX-License-Identifier: GPL-3.0-or-later
// Positions of Jupiter, Saturn, Uranus, Neptune, Pluto and Chiron read from
// the outer-planet files and interpolated with Everett's formula.
#pragma once

#include "astro/CalcStatus.h"

namespace vostrane {

class EphemerisFiles;

struct EverettResult {
  double value = 0;
  double rate = 0;  // per step of the table
};

// f[0..5] are the node values f(-2) to f(3); p in [0, 1) the fraction of the
// step from f(0). Order 4 adds fourth differences to the second.
// Differences that jump by more than 180 are taken across 0/360.
EverettResult EverettInterp(const double f[6], int order, double p);

struct OuterPosition {
  bool available = true;            // false: Chiron with no (good) file for the moment
  double lon = 0, r = 0, z = 0;     // degrees, AU, AU
  double dlon = 0, dr = 0, dz = 0;  // per day
  CalcStatus status;                // a file that could not serve the moment
};

// Heliocentric position of engine body 5 to 9 or 12 at moment daysEt (days of
// ephemeris time from JD 2433282.0), from the files in the working folder as
// the run's file store holds them. Every node used is checked for
// plausibility (longitude on the circle, the body's range of distances, a
// height below the distance) and, where the installation lists the file,
// checked against the list; a damaged node, a missing or a cut file give a
// fatal status naming the file (and the record) and no position. For
// Chiron the same faults leave Chiron unavailable with a status that is
// not fatal; a Chiron file the list does not name is simply not there.
OuterPosition OuterPos(int body, double daysEt, EphemerisFiles& files);
// The same with a store of its own (the files are read for this call).
OuterPosition OuterPos(int body, double daysEt);

}  // namespace vostrane
