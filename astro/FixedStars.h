// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed stars: the catalogue file FXSTARS.DAT (places at J2000 with their
// proper motions), each star's apparent place at a moment, and the stars
// that stand on a chart's points (conjunctions in longitude, parallels and
// contra-parallels of declination).
#pragma once

#include <string>
#include <vector>

namespace vostrane {

inline constexpr const char* kFixedStarFileName = "FXSTARS.DAT";
inline constexpr double kDefaultStarOrb = 1.0;  // degrees

struct FixedStar {
  std::string name;
  std::string designation;         // Bayer or catalogue designation ("alLeo")
  double ra = 0.0, dec = 0.0;      // ICRS, J2000, degrees
  double pmRa = 0.0, pmDec = 0.0;  // mas per year (in right ascension times cos dec)
  double radialVelocity = 0.0;     // km/s
  double parallax = 0.0;           // mas
  double magnitude = 0.0;
};

struct FixedStarList {
  std::vector<FixedStar> stars;
  std::string error;     // empty when the file was read whole; else names the file and line
  bool missing = false;  // the file is not there (an installation without stars)
};

// The lines of the file: '#' comments, then one star a line, "name,
// designation,ra,dec,
// pmRa,pmDec,radialVelocity,parallax,magnitude". A value that is not a number
// or lies outside its range, a name that is empty or too long, too many
// stars or a file too large leaves the list empty and says why.
FixedStarList ParseFixedStars(const std::string& text, const std::string& fileName);
// Checks the file against the installation's list and parses it.
FixedStarList ReadFixedStarFile(const std::string& path = kFixedStarFileName);

// A star's apparent place, tropical: ecliptic longitude and latitude of date
// (precession, proper motion with the star's distance and radial velocity,
// annual parallax and aberration, nutation in longitude) and its declination
// on the true equator of date, all in degrees.
struct StarPlace {
  double lon = 0.0, lat = 0.0, decl = 0.0;
};
// `jdTT` is the Julian day in terrestrial (ephemeris) time, `trueObliquity`
// the true obliquity of date in radians.
StarPlace ApparentStarPlace(const FixedStar& star, double jdTT, double trueObliquity);

// A chart point as the contacts need it: its body slot, zodiac longitude (the
// chart's zodiac) and declination, degrees.
struct ChartPointPlace {
  int slot = 0;
  double lon = 0.0, decl = 0.0;
};

enum class StarContactKind { Conjunction, Parallel, ContraParallel };

struct StarContact {
  int star = 0;  // index into the star list
  int slot = 0;  // the chart point's body slot
  StarContactKind kind = StarContactKind::Conjunction;
  double orb = 0.0;  // degrees, the distance in longitude or of the absolute declinations
};

// Every star within `orb` of a point in longitude (conjunction) and in
// absolute declination (parallel when both lie on the same side of the
// equator, else contra-parallel), ordered by star and then by point as
// given. `stars` are the places in the chart's zodiac.
std::vector<StarContact> StarContacts(const std::vector<StarPlace>& stars,
                                      const std::vector<ChartPointPlace>& points, double orb);

}  // namespace vostrane
