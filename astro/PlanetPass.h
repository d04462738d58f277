// The planet pass: every body slot of a chart entry, from the ephemeris
// engine, the asteroid files, the hypothetical planets and the angles of the
// house step, with daily motions, the zodiac offset, right ascension and
// declination, and the packing of the results for the name file.
#pragma once

#include <functional>
#include <string>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
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

// Progress texts of the planet pass (the third label of the progress window).
using PlanetProgress = std::function<void(const std::string&)>;

// CalPlanH: fills slots 0 to 30 of the entry's eight body arrays, `moonnode`
// and slot 31 of the longitudes, and marks Chiron unavailable where its
// files have no data. The house step must have stored julday, deltat,
// obliq, ayan, the angles and their daily motions. Returns true when the
// asteroid files served all four asteroids (false also outside their years).
// A file that could not serve adds its status to `report`, once per file and
// run; a fatal one stops the pass (the entry is then not complete).
bool CalPlanH(ChartEntry& entry, AnalyticTheory& theory, CalcReport& report, const PlanetProgress& progress = {});

// Values for the name-file fields CALCYN, CALCASTYN and CALCTNP.
struct PlanetFlags {
  char calcyn = 'N';
  char calcastyn = 'N';
  char calctnp = 'N';
};

// CalcPlanets: runs the pass, sets the entry's asteroid flag ('Y' only when
// the asteroids were calculated) and, for an entry of level 0 linked to a
// stored person, packs the eight arrays into the image. Returns true when
// the driver is to update the name file; false when the pass stopped.
bool CalcPlanets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, AnalyticTheory& theory,
                 CalcReport& report, const PlanetProgress& progress = {});

}  // namespace vostrane
