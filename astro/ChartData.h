// SPDX-License-Identifier: GPL-3.0-or-later
// The plain data the chart calculation reads and writes: the moment, place
// and choices of a chart, the calculated values (laid out in the order the
// session entry keeps them, so that the copy into the entry is one block
// move), and the values the name file keeps of a linked natal chart.
#pragma once

#include <cstdint>

#include "astro/Ayanamsas.h"

namespace vostrane {

// The per-body arrays of the calculated values, in stored order.
enum class PointArray { Lon, Lat, Speed, HLon, HLat, HSpeed, Ra, Decl };
constexpr int kPointArrays = 8;
constexpr int kPointSlots = 32;  // values per array; slots 0..30 carry bodies

struct ChartInput {
  int32_t month = 0, day = 0, year = 0;
  int32_t hours = 0, minutes = 0, seconds = 0;
  double latitude = 0.0;       // degrees, north positive
  double longitude = 0.0;      // degrees, west positive
  double zoneHoursWest = 0.0;  // hours, west positive
  uint8_t daylightCode = 0;    // 0 standard, 1 daylight, 2 war, 3 double daylight, 4 local mean time
  ZodiacKind zodiac = ZodiacKind::Tropical;
  // A natal chart linked to a stored person: the name-file values are
  // wanted too.
  bool forNameFile = false;
  UserAyanamsa userAyanamsa;  // for the user-defined ayanamsa
};

// The arrays of ChartValues and NameFileValues are left unset by plain
// default construction (they are filled whole from an entry or by the step
// that reports them); ChartValues{} and NameFileValues{} give zeros.
struct ChartValues {
  double universalTimeHours = 0.0;  // Greenwich time of day, hours
  double julianDayUt = 0.0;         // universal time
  double obliquityRad = 0.0;        // true obliquity, radians
  double ayanamsaDeg = 0.0;         // degrees: minus K tropical, K sidereal
  double deltaTSeconds = 0.0;       // seconds
  double centuriesUt = 0.0;         // Julian centuries since 1900 January 0.5
  double ramc = 0.0;                // radians
  double moonNodeDeg = 0.0;         // mean node, degrees with the zodiac offset
  double vertex = 0.0, eastPoint = 0.0, asc = 0.0, mc = 0.0;
  double cusps[6];  // houses 1 to 6
  double points[kPointArrays][kPointSlots];
  double coAscendant = 0.0, polarAscendant = 0.0;

  // Not part of the block above: 'Y' when the asteroids were calculated.
  char asteroidsCalculated = 'N';

  double& point(PointArray a, int slot) { return points[static_cast<int>(a)][slot]; }
  double point(PointArray a, int slot) const { return points[static_cast<int>(a)][slot]; }
};

// The name file's values of a linked natal chart, before their packing:
// angles and cusps in degrees with the zodiac offset removed.
struct NameFileValues {
  double universalTimeHours = 0.0, julianDayUt = 0.0, obliquityRad = 0.0, ayanamsaDeg = 0.0,
         deltaTSeconds = 0.0;
  double centuriesUt = 0.0;  // Julian centuries since 1900 January 0.5
  ZodiacKind zodiac = ZodiacKind::Tropical;
  double ramc = 0.0;  // radians
  double node = 0.0, vertex = 0.0, eastPoint = 0.0, asc = 0.0, mc = 0.0, coAscendant = 0.0,
         polarAscendant = 0.0;
  double cusps[9][6];  // systems A to I, cusps 1 to 6
  // Body arrays as stored, longitudes with the offset removed (slot 31 of
  // the longitudes is the constant 1.0).
  double points[kPointArrays][kPointSlots];
};

// Values for the name-file fields CALCYN, CALCASTYN and CALCTNP.
struct PlanetFlags {
  char planetsCalculated = 'N';
  char asteroidsCalculated = 'N';
  char hypotheticalsCalculated = 'N';
};

}  // namespace vostrane
