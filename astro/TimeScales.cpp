// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/TimeScales.h"

#include <cmath>

#include "astro/AngleHelpers.h"

namespace vostrane {

namespace {

constexpr long double kPiExt = kPi;
constexpr long double kRadPerDegExt = kPiExt / 180.0L;

// Truncation toward zero, as the calendar formulas are written.
long double Int(long double x) { return std::trunc(x); }

// The time arguments of the moment, in days and Julian centuries since
// 1900 January 0.5 (universal time).
struct TimeArguments {
  long double d;
  long double t;
};

// Nutation in obliquity in seconds of arc; angles in degrees. Nine terms of
// Woolard's series (Theory of the rotation of the Earth around its center
// of mass, APAE vol. XV part 1, 1953), as given in the Explanatory
// Supplement to the Astronomical Ephemeris (1961). With the mean obliquity
// below, the true obliquity keeps within 0.09" of the independent
// ephemeris's over 1700-2200 (largest difference 0.088", measured by the
// test CoefficientAccuracy.TrueObliquityAndSiderealTimeFollowTheReference).
long double NutationInObliquity(long double t, long double moonLong, long double node,
                                long double sunLong, long double sunAnomaly, long double moonAnomaly) {
  // The sums run in extended precision; each cosine is taken in double
  // precision, which holds its terms far below a thousandth of an arc second.
  auto c = [](long double deg) -> long double {
    return std::cos(static_cast<double>(deg * kRadPerDegExt));
  };
  return (9.21L + 0.00091L * t) * c(node) + (0.5522L - 0.00029L * t) * c(2 * sunLong) -
         0.0904L * c(2 * node) + 0.0884L * c(2 * moonLong) + 0.0216L * c(2 * sunLong + sunAnomaly) +
         0.0183L * c(2 * moonLong - node) + 0.0113L * c(2 * moonLong + moonAnomaly) -
         0.0093L * c(2 * sunLong - sunAnomaly) - 0.0066L * c(2 * sunLong - node);
}

}  // namespace

double GregorianJulDay(int32_t month, int32_t day, int32_t year) {
  // Whole-number arithmetic in 64 bits; C++ division truncates toward zero
  // as the formula requires.
  const int64_t g = (static_cast<int64_t>(year) + 4800) * 12 + month - 3;
  const int64_t dayOfCycle = ((g - (g / 12) * 12) * 2 + 7 + 365 * g) / 12;
  return static_cast<double>(dayOfCycle + day + g / 48 + g / 4800 - g / 1200 + 38) - 32083.5;
}

double OldStyleJulDay(int32_t month, int32_t day, int32_t year) {
  long double y = year;
  if (month < 3) y -= 1;
  long double m = static_cast<long double>(month) + 1;
  if (m < 4) m += 12;
  return static_cast<double>(Int(365.25L * (y + 4712)) + Int(30.600001L * m) + day - 63.5L);
}

double GmtOfChart(const ChartInput& chart) {
  long double universalTimeHours = chart.hours + chart.minutes / 60.0L + chart.seconds / 3600.0L +
                                   static_cast<long double>(chart.zoneHoursWest);
  switch (chart.daylightCode) {
    case 1:  // daylight time
    case 2:  // war time
      universalTimeHours -= 1;
      break;
    case 3:  // double daylight time
      universalTimeHours -= 2;
      break;
    case 4:  // local mean time: the clock follows the longitude, not the zone
      universalTimeHours = universalTimeHours - static_cast<long double>(chart.zoneHoursWest) +
                           static_cast<long double>(chart.longitude) / 15.0L;
      break;
    default: break;
  }
  return static_cast<double>(universalTimeHours);
}

Ayanamsa CalcTimeScales(const ChartInput& chart, ChartValues& values) {
  const long double jd0 = GregorianJulDay(chart.month, chart.day, chart.year);
  const long double universalTimeHours = GmtOfChart(chart);
  values.universalTimeHours = static_cast<double>(universalTimeHours);
  values.julianDayUt = static_cast<double>(jd0 + universalTimeHours / 24.0L);

  const long double d = jd0 - 2415020.0L + universalTimeHours / 24.0L;
  const long double t = d / 36525.0L;
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  values.centuriesUt = static_cast<double>(t);

  // Fundamental arguments, degrees: the Sun's mean longitude and anomaly
  // from Newcomb's Tables of the Sun, the Moon's mean longitude, anomaly and
  // node from Brown's lunar theory (as in the Explanatory Supplement, 1961;
  // the same elements as the analytic theory's table), epoch 1900 January 0.5.
  const long double moonLong = ModAngleExt(
      360, 270.4341639L + 13.1763965268L * d - 0.001133L * t2 + 0.0000019L * t3);
  const long double node = ModAngleExt(
      360, 259.183275L - 1934.142008L * t + (7.48L / 3600) * t2 + (0.008L / 3600) * t3);
  const long double sunLong = ModAngleExt(360, 279.6966778L + 36000.76892L * t + 0.0003025L * t2);
  const long double sunAnomaly = ModAngleExt(
      360, 358.4758333L + 35999.04975L * t - 0.00015L * t2 + (0.012L / 3600) * t3);
  const long double moonAnomaly = 296.1046083L + 477198.8489L * t + 0.00919166666L * t2;

  // Newcomb's mean obliquity, 23 27' 08.26" - 46.845" T - 0.0059" T^2 +
  // 0.00181" T^3 (Explanatory Supplement, 1961); over 1700-2200 it departs
  // from the IAU 2006 mean obliquity (Capitaine, Wallace and Chapront 2003)
  // by at most 0.05" (computed from the two polynomials, largest at 1700).
  const long double meanObliquity = 23.452294L - 0.0130125L * t - 0.00000164L * t2 + 0.000000503L * t3;
  const long double de = NutationInObliquity(t, moonLong, node, sunLong, sunAnomaly, moonAnomaly);
  values.obliquityRad = static_cast<double>((meanObliquity + de / 3600.0L) * kRadPerDegExt);

  const Ayanamsa ayanamsa = CalcAyanamsa(chart.zodiac, values, t, node, chart.userAyanamsa);

  // Sidereal time without nutation; t carries the time of day and with it
  // the sidereal rate. Newcomb's Greenwich mean sidereal time at 0h UT,
  // 6h 38m 45.836s + 8640184.542s T + 0.0929s T^2 (Explanatory Supplement,
  // 1961), in hours. Against the independent ephemeris's mean sidereal time
  // it differs by 0.26 s at most over 1700-2200, 0.06 s
  // around 2000 (same test as the obliquity).
  const long double gst = universalTimeHours + 6.6460656L + 2400.0513L * t + 0.0000258L * t2;
  const long double ramcArg = (gst * 15.0L - static_cast<long double>(chart.longitude)) * kRadPerDegExt;
  values.ramc = ModAngle(2.0 * kPi, static_cast<double>(ModAngleExt(2.0L * kPiExt, ramcArg)));

  values.moonNodeDeg = static_cast<double>(ModAngleExt(360, node + ayanamsa.z));
  return ayanamsa;
}

double EphemerisJulDay(const ChartValues& values) {
  return static_cast<double>(static_cast<long double>(values.julianDayUt) +
                             static_cast<long double>(values.deltaTSeconds) / 86400.0L);
}

double HouseLatitude(double latitudeDeg, bool geocentricLatitude) {
  const double phi = latitudeDeg * kRadPerDeg;
  if (!geocentricLatitude) return phi;
  // The correction in seconds of arc.
  // The first two terms of the series phi - phi' = m sin 2phi - (m^2/2)
  // sin 4phi for the International ellipsoid of 1924 (flattening 1/297,
  // m = 695.67"): within 0.015" of the exact reduction
  // atan((1 - e^2) tan phi) for that ellipsoid and within 2.9" of the one
  // for WGS 84 (flattening 1/298.257), both computed over every latitude in
  // steps of 0.1 degree.
  return phi - (695.65 * std::sin(2 * phi) - 1.17 * std::sin(4 * phi)) * kRadPerDeg / 3600.0;
}

}  // namespace vostrane
