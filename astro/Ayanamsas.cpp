// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Ayanamsas.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/Zodiac.h"

namespace vostrane {

namespace {

// The built-in (Fagan-Bradley) ayanamsa without its nutation terms: the
// value at 1900 January 0.5 and Newcomb's precession from there.
double MeanFaganBradley(long double t) {
  return static_cast<double>((84038.27L + t * (5025.64L + 1.11L * t)) / 3600.0L);
}

// A mean ayanamsa fixed by its value at one epoch: it keeps its distance
// from the Fagan-Bradley one.
struct Reference {
  double jd;
  double degrees;
};

// Mean values at the epochs that define them. Lahiri: 23 15' 00.658" on
// 1956 March 21, 0h ephemeris time, as fixed by the Indian Calendar Reform
// Committee (Indian Astronomical Ephemeris), less the nutation in longitude
// of that moment (16.769"). Raman, Krishnamurti, Yukteshwar and Djwhal
// Khul: the reference values at 1900 January 0.5 in common use for them
// (21 00' 52", 22 21' 50", 22 27' 36.5" and 28 21' 34.8").
constexpr Reference kLahiri{2435553.5, 23.250182778 - 0.004658035};
constexpr Reference kRaman{2415020.0, 21.014444};
constexpr Reference kKrishnamurti{2415020.0, 22.363889};
constexpr Reference kYukteshwar{2415020.0, 22.460148};
constexpr Reference kDjwhalKhul{2415020.0, 28.359679};

double MeanFrom(const Reference& r, long double t) {
  return r.degrees + MeanFaganBradley(t) - MeanFaganBradley(CenturiesSince1900(r.jd));
}

// Spica (alpha Virginis) in the Hipparcos catalogue, new reduction (van
// Leeuwen 2007): ICRS place at J2000 and proper motion, mas per year in
// right ascension (times cos dec) and declination.
constexpr double kSpicaRa = 201.29824736;               // degrees
constexpr double kSpicaDec = -11.16131949;              // degrees
constexpr double kSpicaPmRa = -42.35;                   // mas/yr
constexpr double kSpicaPmDec = -30.67;                  // mas/yr
constexpr double kObliquityJ2000 = 84381.406 / 3600.0;  // IAU 2006, degrees

// Spica's mean longitude of date: its J2000 ecliptic longitude (with the
// proper motion up to the moment) plus the general precession in longitude
// of the IAU 2006 theory (Capitaine, Wallace and Chapront 2003). Leaving
// out the motion of the ecliptic moves a star 2 degrees off it by about 2"
// a century.
double SpicaMeanLongitude(long double t) {
  const double fromJ2000 = static_cast<double>(t) - 1.0;  // Julian centuries
  const double years = 100.0 * fromJ2000;
  const double dec = kSpicaDec + kSpicaPmDec * years / 3.6e6;
  const double ra = kSpicaRa + kSpicaPmRa * years / 3.6e6 / std::cos(kSpicaDec * kRadPerDeg);
  const double a = ra * kRadPerDeg, d = dec * kRadPerDeg, e = kObliquityJ2000 * kRadPerDeg;
  const double lon = std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a)) *
                     kDegPerRad;
  const double precession = (5028.796195 * fromJ2000 + 1.1054348 * fromJ2000 * fromJ2000) / 3600.0;
  return ModAngle(360.0, lon + precession);
}

}  // namespace

double AyanamsaDegrees(AyanamsaKind kind, long double t, long double meanNodeDeg,
                       const UserAyanamsa& user) {
  const double faganBradley = -static_cast<double>(BuiltInAyanamsaK(t, meanNodeDeg));
  const double nutation = faganBradley - MeanFaganBradley(t);
  switch (kind) {
    case AyanamsaKind::FaganBradley: return faganBradley;
    case AyanamsaKind::Lahiri: return MeanFrom(kLahiri, t) + nutation;
    case AyanamsaKind::Raman: return MeanFrom(kRaman, t) + nutation;
    case AyanamsaKind::Krishnamurti: return MeanFrom(kKrishnamurti, t) + nutation;
    case AyanamsaKind::Yukteshwar: return MeanFrom(kYukteshwar, t) + nutation;
    case AyanamsaKind::DjwhalKhul: return MeanFrom(kDjwhalKhul, t) + nutation;
    // Spica at 0 degrees Libra of the sidereal zodiac, at every moment.
    case AyanamsaKind::TrueChitrapaksha: return SpicaMeanLongitude(t) - 180.0 + nutation;
    case AyanamsaKind::UserDefined: return MeanFrom({user.epochJd, user.degrees}, t) + nutation;
  }
  return faganBradley;
}

}  // namespace vostrane
