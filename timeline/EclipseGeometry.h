// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a New Moon brings a solar eclipse and a Full Moon a lunar one, its
// kind and the moment of greatest eclipse, from the geocentric positions and
// distances of the Sun and the Moon.
//
// Solar: the shadow cones of the Moon in the Sun's light, measured in the
// plane through the Earth's centre at right angles to the shadow axis.
// Greatest eclipse is the moment the axis passes closest to the Earth's
// centre; the eclipse is central when the axis meets the Earth (0.9972
// Earth radii allows for the flattening), total when the umbra reaches that
// plane, annular when only the antumbra does, hybrid when the umbra reaches
// the Earth's surface but not the plane.
//
// Lunar: the Earth's shadow at the Moon's distance, its radii enlarged by
// one fiftieth for the atmosphere (umbra 1.02 (0.99834 pM - sS + pS),
// penumbra 1.02 (0.99834 pM + sS + pS), p parallaxes, s semidiameters).
// Greatest eclipse is the moment the Moon's centre comes closest to the
// shadow's axis.
#pragma once

#include <functional>

#include "timeline/TimelineEvent.h"

namespace vostrane {

// Geocentric ecliptic positions: longitudes and latitudes in degrees,
// distances in astronomical units.
struct SunAndMoon {
  double sunLon = 0, sunLat = 0, sunDist = 1;
  double moonLon = 0, moonLat = 0, moonDist = 0.00257;
};
using SunAndMoonAt = std::function<SunAndMoon(double jd)>;

struct EclipseFound {
  EclipseKind kind = EclipseKind::None;
  double jd = 0;         // greatest eclipse
  double magnitude = 0;  // solar: of the partial phase; lunar: umbral (penumbral when only that)
};

// The eclipse of the New Moon (Full Moon) at `syzygyJd`, if there is one.
EclipseFound SolarEclipseAt(const SunAndMoonAt& at, double syzygyJd);
EclipseFound LunarEclipseAt(const SunAndMoonAt& at, double syzygyJd);

}  // namespace vostrane
