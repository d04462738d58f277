// The planet pass: every body slot of a chart entry, from the ephemeris
// engine, the asteroid files, the hypothetical planets and the angles of the
// house step, with daily motions, the zodiac offset, right ascension and
// declination, and the packing of the results for the name file.
#pragma once

#include "astro/AnalyticTheory.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"

namespace vostrane {

// Number of bodies of the dispatcher (1 = slot 0 ... 31 = slot 30).
constexpr int kPassBodies = 31;

// Right ascension and declination (degrees) of ecliptic latitude b and
// longitude l for obliquity e, all in degrees.
struct Equatorial {
  double ra, decl;
};
Equatorial EclToEqu(double b, double l, double e);

// CalPlanH: fills slots 0 to 30 of the entry's eight body arrays, `moonnode`
// and slot 31 of the longitudes. The house step must have stored julday,
// deltat, obliq, ayan, the angles and their daily motions.
void CalPlanH(ChartEntry& entry, AnalyticTheory& theory);

// Values for the name-file fields CALCYN, CALCASTYN and CALCTNP.
struct PlanetFlags {
  char calcyn = 'N';
  char calcastyn = 'N';
  char calctnp = 'N';
};

// CalcPlanets: runs the pass, sets the entry's asteroid flag and, for an
// entry of level 0 linked to a stored person, packs the eight arrays into
// the image. Returns true when the driver is to update the name file.
bool CalcPlanets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, AnalyticTheory& theory);

}  // namespace vostrane
