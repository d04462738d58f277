// Angles and cusps for a meridian that is not the one of the chart's own
// moment and place: the progressed meridian of a progressed chart, the
// composite Midheaven of a composite chart.
#pragma once

namespace vostrane {

struct ChartValues;

// Right ascension of the meridian (radians, [0, 2 pi)) whose Midheaven is
// at longitude mcDeg (degrees, with zodiac offset z) for obliquity e
// (radians).
double RamcOfMidheaven(double mcDeg, double z, double e);

// Stores `ramc` (radians), the angles with their daily motions and cusps 1
// to 6 of house system `houseSystem` for that meridian at latitude
// latitudeDeg, with the values' obliquity and the zodiac `zodsel` (their
// `obliq` and `ayan` must be set). False when the letter names no system
// (the cusps are then Placidus cusps).
bool CalcHousesAtRamc(ChartValues& values, char zodsel, char houseSystem, double ramc,
                      double latitudeDeg, bool geocentricLatitude);

}  // namespace vostrane
