// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MeanElements.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"

namespace vostrane {

// Source: the mean elements of Newcomb's theories of the Sun and the inner
// planets (Astronomical Papers of the American Ephemeris, vol. VI, 1895-1898)
// and of Brown's lunar theory, as tabulated in the Explanatory Supplement to
// the Astronomical Ephemeris (1961): epoch 1900 January 0.5 (JD 2415020.0),
// secular terms in Julian centuries T. The Moon's node, for example, is
// 259 10' 59.79" - 5 revolutions 134 08' 31.23" T + 7.48" T^2 + 0.008" T^3.
// Accuracy: the elements carry no periodic terms; what elliptic motion from
// them plus the perturbation tables reaches is measured by the test
// HelioPos.FollowsTheReferenceEphemerisFrom1700To2200 (heliocentric longitude
// against the independent ephemeris, largest difference 1700-2200: Earth
// 3.1", Mercury 10.9", Venus 5.3", Mars 2.2").
//
// Columns: a (AU); P (sidereal period, days); t0 (epoch, relative day); L0
// (mean longitude at epoch, deg); n (mean motion, deg/day); L2, L3 (arcsec per
// T^2, T^3); w0 (perihelion, deg); w1, w2, w3 (arcsec per T, T^2, T^3); e0,
// e1, e2 (eccentricity and its rates per T, T^2); N0 (node, deg); N1, N2, N3
// (arcsec); i0 (inclination, deg); i1, i2 (arcsec).
const std::array<MeanElementRow, kTheoryBodies> kMeanElementTable = {{
    // Earth
    {1.00000023,
     365.25636042,
     kElementEpoch,
     99.696678,
     0.9856473354,
     1.089,
     0,
     101.220833,
     6189.03,
     1.63,
     0.012,
     0.01675104,
     -0.0000418,
     -0.000000126,
     0,
     0,
     0,
     0,
     0,
     0,
     0},
    // Moon
    {0.0025955307, 27.321661,   kElementEpoch, 270.4341638, 13.176396526808121, -4.08, 0.0068,
     334.329556,   14648522.52, -37.17,        -0.045,      0.054900489,        0,     0,
     259.183275,   -6962911.23, 7.48,          0.008,       5.145388889,        0,     0},
    // Mercury
    {0.3870986,    87.969252, kElementEpoch, 178.179078, 4.0923770233, 1.084,      0,
     75.89969722,  5599.76,   1.061,         0,          0.20561421,   0.00002046, -0.00000003,
     47.145944444, 4266.75,   0.626,         0,          7.0028805555, 6.699,      -0.066},
    // Venus
    {0.72333162,    224.700726, kElementEpoch, 342.767053, 1.6021687039, 1.1148,      0,
     130.16383333,  5068.93,    -3.515,        0,          0.00682069,   -0.00004774, 0.000000091,
     75.7796472223, 3239.46,    1.476,         0,          3.3936305555, 3.621,       0.0035},
    // Mars
    {1.523691462,  686.9296097, kElementEpoch, 293.74762778, 0.524071163814, 1.1184,      0,
     334.21820278, 6626.73,     0.4675,        -0.0043,      0.0933129,      0.000092064, -0.000000077,
     48.786441667, 2775.57,     -0.005,        -0.0192,      1.85033333,     -2.43,       0.0454},
}};

// Mean anomalies of the perturbing planets, value at 1850 January 0 (Y = 0,
// JD 2396758.0) and rate per Julian year. Rows 0 to 3 are the arguments of
// Newcomb's Tables of the Sun (APAE vol. VI part 1; in radians there, e.g.
// Venus 1.9984020 + 10.21322923 Y) to the digits given; row 8 has the same
// value at epoch as the Tables' Mercury argument, with a rate 0.0031 degrees
// per year faster. Rows 4 to 15 (row 8 shared with the Earth's table) are
// the arguments that the fitted tables of Mercury, Venus and Mars
// (tools/generators/perturbfit) were fitted with, so those tables hold only with these
// values.
const std::array<MeanArgumentRow, kMeanArguments> kMeanArgumentTable = {{
    {114.5, 585.17493},     // 0 Venus (Earth's table)
    {109.856, 191.39977},   // 1 Mars
    {148.031, 30.34583},    // 2 Jupiter
    {284.716, 12.21794},    // 3 Saturn
    {114.508, 585.17656},   // 4 Venus (Mercury's table)
    {-0.56, 359.99213},     // 5 Earth
    {148.03, 30.34743},     // 6 Jupiter
    {284.72, 12.2196},      // 7 Saturn
    {248.07, 1494.726615},  // 8 Mercury (Venus's and Earth's tables)
    {359.44, 359.993595},   // 9 Earth
    {109.86, 191.402867},   // 10 Mars
    {148.02, 30.34893},     // 11 Jupiter
    {114.503, 585.173715},  // 12 Venus (Mars's table)
    {359.444, 359.989285},  // 13 Earth
    {148.021, 30.34462},    // 14 Jupiter
    {284.716, 12.21669},    // 15 Saturn
}};

double ReduceDeg(double x) {
  if (x < 0.0 || x >= 360.0) return x - 360.0 * std::trunc(x / 360.0);
  return x;
}

BodyElements ElementsAt(const MeanElementRow& r, double t) {
  BodyElements b;
  const double d = t - r.t0;
  const double T = d / 36525.0;
  const double T2 = T * T, T3 = T2 * T;
  b.a = r.a;
  b.P = r.P;
  b.T = T;
  b.L = ReduceDeg(r.L0 + r.n * d + (r.L2 * T2 + r.L3 * T3) / 3600.0);
  b.w = ReduceDeg(r.w0 + (r.w1 * T + r.w2 * T2 + r.w3 * T3) / 3600.0);
  b.e = r.e0 + r.e1 * T + r.e2 * T2;
  b.N = ReduceDeg(r.N0 + (r.N1 * T + r.N2 * T2 + r.N3 * T3) / 3600.0);
  b.i = r.i0 + (r.i1 * T + r.i2 * T2) / 3600.0;
  b.M = NormDeg(b.L - b.w);
  return b;
}

// Nutation in longitude: thirteen terms of Woolard's series (Theory of the
// rotation of the Earth around its center of mass, APAE vol. XV part 1,
// 1953), as given in the Explanatory Supplement (1961). Accuracy: largest
// difference 0.131" from the independent ephemeris's nutation over
// 1700-2200, measured by the test
// MeanElements.NutationFollowsTheReferenceNutation.
double NutationInLongitude(const MeanState& s) {
  const BodyElements& m = s.body[kTheoryMoon];
  const BodyElements& e = s.body[kTheoryEarth];
  const double T = e.T;
  const double Nm = m.N, Lm = m.L, Mm = m.M, Le = e.L, Me = e.M;
  const double arcsec = (-17.2327 - 0.01737 * T) * SinDeg(Nm) + 0.2088 * SinDeg(2 * Nm) +
                        0.0675 * SinDeg(Mm) - 0.0149 * SinDeg(Mm - 2 * Lm + 2 * Le) -
                        0.0342 * SinDeg(2 * Lm - Nm) + 0.0114 * SinDeg(2 * Lm - Mm) -
                        0.2037 * SinDeg(2 * Lm) - 0.0261 * SinDeg(2 * Lm + Mm) +
                        0.0124 * SinDeg(2 * Le - Nm) + 0.0214 * SinDeg(2 * Le - Me) -
                        1.2729 * SinDeg(2 * Le) - 0.0497 * SinDeg(2 * Le + Me) + 0.1261 * SinDeg(Me);
  return arcsec / 3600.0;
}

MeanState PrepareMeanElements(double t) {
  MeanState s;
  s.daysEt = t;
  for (int b = 0; b < kTheoryBodies; ++b) s.body[b] = ElementsAt(kMeanElementTable[b], t);
  const double Y = (t + 36524.0) / 365.25;
  for (int k = 0; k < kMeanArguments; ++k)
    s.arg[k] = ReduceDeg(kMeanArgumentTable[k].value + kMeanArgumentTable[k].rate * Y);
  return s;
}

MeanState PrepareMean(double t) {
  MeanState s = PrepareMeanElements(t);
  s.dpsi = NutationInLongitude(s);
  return s;
}

}  // namespace vostrane
