// SPDX-License-Identifier: GPL-3.0-or-later
// The angles of a chart (Ascendant, Midheaven, Vertex, East point,
// co-ascendant, polar ascendant) and the daily motions of the first four.
#pragma once

#include "astro/HouseMath.h"

namespace vostrane {

struct ChartAngles {
  // Degrees in [0, 360) with the zodiac offset added.
  double asc = 0.0;
  double mc = 0.0;
  double vertex = 0.0;
  double eastPoint = 0.0;
  double coAscendant = 0.0;
  double polarAscendant = 0.0;
  // Degrees per day in (-180, 180].
  double ascMotion = 0.0;
  double mcMotion = 0.0;
  double vertexMotion = 0.0;
  double eastptMotion = 0.0;
};

// latitudeDeg is the entry's own latitude: the co-ascendant and the polar
// ascendant use it even when the frame carries the geocentric latitude.
ChartAngles CalcAngles(const HouseFrame& frame, double latitudeDeg);

}  // namespace vostrane
