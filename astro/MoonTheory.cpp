// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonTheory.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/MultipleAngles.h"

namespace vostrane {

namespace {

// Source of every series in this file: Brown's lunar theory (E. W. Brown,
// Tables of the Motion of the Moon, 1919), its larger terms only: the
// Moon's longitude, latitude and sine parallax as series in l, l', F and
// D, with the long-period terms (arguments a1 to a8 and g1, in
// revolutions) and eight planetary terms. The distance takes the constant
// of sine parallax 3422.451" and the solar parallax 8.794" of the IAU
// (1964) system of astronomical constants; the latitude carries the factor
// 1.000002708 + 139.978 * (correction of the inclination).
// Accuracy, against the independent ephemeris over 1700-2200 (geometric,
// mean equinox of date): longitude 18.2", latitude 2.45", distance 12.6 km
// at most (test
// CoefficientAccuracy.LunarSeriesLongitudeLatitudeAndDistanceFollowTheReference);
// the apparent longitude through the engine 17.9" at most (test
// EphemerisAccuracy.ApparentLongitudesFollowTheReferenceFrom1700To2200).
//
// Main series, 93 terms: k1, k2, k3, k4 (multiples of l, l', F, D), SL
// (longitude, seconds of arc), SF (argument of latitude, seconds of arc),
// SP (sine parallax, seconds of arc).
// One term per line, so the table reads as its source does.
// clang-format off
const LunarMainTerm kMainSeries[] = {
    {0, 0, 0, 4, 13.902, 14.06, 0.2607},
    {0, 0, 0, 2, 2369.912, 2373.36, 28.2333},
    {1, 0, 0, 4, 1.979, 6.98, 0.0433},
    {1, 0, 0, 2, 191.953, 192.72, 3.0861},
    {1, 0, 0, 0, 22639.5, 22609.1, 186.5398},
    {1, 0, 0, -2, -4586.465, -4578.13, 34.3117},
    {1, 0, 0, -4, -38.428, -38.64, 0.6008},
    {1, 0, 0, -6, -0.393, -1.43, 0.0086},
    {0, 1, 0, 4, -0.289, -1.59, -0.0053},
    {0, 1, 0, 2, -24.42, -25.1, -0.3},
    {0, 1, 0, 0, -668.146, -126.98, -0.3997},
    {0, 1, 0, -2, -165.145, -165.06, 1.9178},
    {0, 1, 0, -4, -1.877, -6.46, 0.0339},
    {0, 0, 0, 3, 0.403, -4.01, 0.0023},
    {0, 0, 0, 1, -125.154, -112.79, -0.9781},
    {2, 0, 0, 4, 0.213, 1.02, 0.0054},
    {2, 0, 0, 2, 14.387, 14.78, 0.2833},
    {2, 0, 0, 0, 769.016, 767.96, 10.1657},
    {2, 0, 0, -2, -211.656, -152.53, -0.3039},
    {2, 0, 0, -4, -30.773, -34.07, 0.3722},
    {2, 0, 0, -6, -0.57, -1.4, 0.0109},
    {1, 1, 0, 2, -2.921, -11.75, -0.0484},
    {1, 1, 0, 0, -109.673, -115.18, -0.949},
    {1, 1, 0, -2, -205.962, -182.36, 1.4437},
    {1, 1, 0, -4, -4.391, -9.66, 0.0673},
    {1, -1, 0, 4, 0.283, 1.53, 0.006},
    {1, -1, 0, 2, 14.577, 31.7, 0.2302},
    {1, -1, 0, 0, 147.687, 138.76, 1.1528},
    {1, -1, 0, -2, 28.475, 23.59, -0.2257},
    {1, -1, 0, -4, 0.636, 2.27, -0.0102},
    {0, 2, 0, 2, -0.189, -1.68, -0.0028},
    {0, 2, 0, 0, -7.486, -0.66, -0.0086},
    {0, 2, 0, -2, -8.096, -16.35, 0.0918},
    {0, 0, 2, 2, -5.741, -0.04, -0.0009},
    {0, 0, 2, 0, -411.608, -0.2, -0.0124},
    {0, 0, 2, -2, -55.173, -52.14, -0.1052},
    {0, 0, 2, -4, 0.025, -1.67, 0.0031},
    {1, 0, 0, 1, -8.466, -13.51, -0.1093},
    {1, 0, 0, -1, 18.609, 3.59, 0.0118},
    {1, 0, 0, -3, 3.215, 5.44, -0.0386},
    {0, 1, 0, 1, 18.023, 17.93, 0.1494},
    {0, 1, 0, -1, 0.56, 0.32, -0.0037},
    {3, 0, 0, 2, 1.06, 2.96, 0.0243},
    {3, 0, 0, 0, 36.124, 50.64, 0.6215},
    {3, 0, 0, -2, -13.193, -16.4, -0.1187},
    {3, 0, 0, -4, -1.187, -0.74, 0.0074},
    {3, 0, 0, -6, -0.293, -0.31, 0.0046},
    {2, 1, 0, 2, -0.29, -1.45, -0.0051},
    {2, 1, 0, 0, -7.649, -10.56, -0.1038},
    {2, 1, 0, -2, -8.627, -7.59, -0.0192},
    {2, 1, 0, -4, -2.74, -2.54, 0.0324},
    {2, -1, 0, 2, 1.181, 3.32, 0.0213},
    {2, -1, 0, 0, 9.703, 11.67, 0.1268},
    {2, -1, 0, -2, -2.494, -1.17, -0.0017},
    {2, -1, 0, -4, 0.36, 0.2, -0.0043},
    {1, 2, 0, 0, -1.167, -1.25, -0.0106},
    {1, 2, 0, -2, -7.412, -6.12, 0.0484},
    {1, 2, 0, -4, -0.311, -0.65, 0.0044},
    {1, -2, 0, 2, 0.757, 1.82, 0.0112},
    {1, -2, 0, 0, 2.58, 2.32, 0.0196},
    {1, -2, 0, -2, 2.533, 2.4, -0.0212},
    {0, 3, 0, -2, -0.344, -0.57, 0.0036},
    {1, 0, 2, 2, -0.992, -0.02, 0.0},
    {1, 0, 2, 0, -45.099, -0.02, -0.001},
    {1, 0, 2, -2, -0.179, -9.52, -0.0833},
    {1, 0, -2, 2, -6.382, -3.37, -0.0481},
    {1, 0, -2, 0, 39.528, 85.13, -0.7136},
    {1, 0, -2, -2, 9.366, 0.71, -0.0112},
    {0, 1, 2, 0, 0.415, 0.1, 0.0013},
    {0, 1, 2, -2, -2.152, -2.26, -0.0066},
    {0, 1, -2, 2, -1.44, -1.3, 0.0014},
    {0, 1, -2, -2, 0.384, 0.0, 0.0},
    {2, 0, 0, 1, -0.586, -1.2, -0.01},
    {2, 0, 0, -1, 1.75, 2.01, 0.0155},
    {2, 0, 0, -3, 1.225, 0.91, -0.0088},
    {1, 1, 0, 1, 1.267, 1.52, 0.0164},
    {1, -1, 0, -1, -1.089, 0.55, 0.0},
    {0, 0, 2, -1, 0.584, 8.84, 0.0071},
    {4, 0, 0, 0, 1.938, 3.6, 0.0401},
    {4, 0, 0, -2, -0.952, -1.58, -0.013},
    {3, 1, 0, 0, -0.551, 0.94, -0.0097},
    {3, 1, 0, -2, -0.482, -0.57, -0.0045},
    {3, -1, 0, 0, 0.681, 0.96, 0.0115},
    {2, 0, 2, 0, -3.996, 0.0, 0.0004},
    {2, 0, 2, -2, 0.557, -0.75, -0.009},
    {2, 0, -2, 2, -0.459, -0.38, -0.0053},
    {2, 0, -2, 0, -1.298, 0.74, 0.0004},
    {2, 0, -2, -2, 0.538, 1.14, -0.0141},
    {1, 1, -2, -2, 0.426, 0.07, -0.0006},
    {1, -1, 2, 0, -0.304, 0.03, 0.0003},
    {1, -1, -2, 2, -0.372, -0.19, -0.0027},
    {0, 0, 4, 0, 0.418, 0.0, 0.0},
    {2, -1, 0, -1, -0.352, -0.37, -0.0028},
};
// clang-format on

// Additional series, 27 terms of the longitude: coefficient (seconds of
// arc), k1, k2, k3, k4.
// One term per line, so the table reads as its source does.
// clang-format off
const LunarAdditionalTerm kAdditionalSeries[] = {
    {0.127, 0, 0, 0, 6},
    {-0.151, 0, 2, 0, -4},
    {-0.085, 0, 0, 2, 4},
    {0.15, 0, 1, 0, 3},
    {-0.091, 2, 1, 0, -6},
    {-0.103, 0, 3, 0, 0},
    {-0.301, 1, 0, 2, -4},
    {0.202, 1, 0, -2, -4},
    {0.137, 1, 1, 0, -1},
    {0.233, 1, 1, 0, -3},
    {-0.122, 1, -1, 0, 1},
    {-0.276, 1, -1, 0, -3},
    {0.255, 0, 0, 2, 1},
    {0.254, 0, 0, 2, -3},
    {-0.1, 3, 1, 0, -4},
    {-0.183, 3, -1, 0, -2},
    {-0.297, 2, 2, 0, -2},
    {-0.161, 2, 2, 0, -4},
    {0.197, 2, -2, 0, 0},
    {0.254, 2, -2, 0, -2},
    {-0.25, 1, 3, 0, -2},
    {-0.123, 2, 0, 2, 2},
    {0.173, 2, 0, -2, -4},
    {0.263, 1, 1, 2, 0},
    {0.13, 3, 0, 0, -1},
    {0.113, 5, 0, 0, 0},
    {0.092, 3, 0, 2, -2},
};
// clang-format on

// The cosine terms of the latitude factor S (multiples of l, l', F, D), in
// the order they are summed after its constant 18519.7.
// One term per line, so the table reads as its source does.
// clang-format off
const LunarLatitudeTerm kLatitudeCosSeries[] = {
    {-0.725, 0, 0, 0, 1},  {0.601, 0, 0, 0, 2},   {0.394, 0, 0, 0, 3},   {-0.445, 1, 0, 0, 4},
    {0.455, 1, 0, 0, 1},   {5.679, 2, 0, 0, -2},  {-1.3, 3, 0, 0, 0},    {-1.302, 0, 1, 0, 0},
    {-0.416, 0, 1, 0, -4}, {-0.74, 0, 2, 0, -2},  {0.787, 1, 1, 0, 2},   {0.461, 1, 1, 0, 0},
    {2.056, 1, 1, 0, -2},  {-0.471, 1, 1, 0, -4}, {-0.443, -1, 1, 0, 2}, {0.679, -1, 1, 0, 0},
    {-1.54, -1, 1, 0, -2},
};
// clang-format on

// The sine terms of the latitude correction W.
// One term per line, so the table reads as its source does.
// clang-format off
const LunarLatitudeTerm kLatitudeSinSeries[] = {
    {-526.069, 0, 0, 1, -2}, {-3.352, 0, 0, 1, -4}, {44.297, 1, 0, 1, -2}, {-6, 1, 0, 1, -4},
    {20.599, -1, 0, 1, 0},   {-30.598, -1, 0, 1, -2}, {-24.649, -2, 0, 1, 0}, {-2, -2, 0, 1, -2},
    {-22.571, 0, 1, 1, -2},  {10.985, 0, -1, 1, -2},
};
// clang-format on

// The largest multiples of l, l', F and D the series use, and the most
// distinct pairs of multiples one evaluation keeps.
constexpr int kMaxL = 5, kMaxLPrime = 3, kMaxF = 4, kMaxD = 6;
constexpr size_t kMaxPairs = 64;

// Sine of an argument given in revolutions.
double SinRev(double x) { return CosSinOf(x * 2.0 * kPi).s; }

uint16_t PairIndex(std::vector<LunarPair>& pairs, int32_t a, int32_t b) {
  for (size_t i = 0; i < pairs.size(); ++i)
    if (pairs[i].a == a && pairs[i].b == b) return static_cast<uint16_t>(i);
  if (pairs.size() == kMaxPairs) throw std::length_error("more lunar argument pairs than kept");
  pairs.push_back({a, b});
  return static_cast<uint16_t>(pairs.size() - 1);
}

LunarPairedTerm Paired(LunarTables& t, int32_t k1, int32_t k2, int32_t k3, int32_t k4, double c1,
                       double c2, double c3) {
  if (std::abs(k1) > kMaxL || std::abs(k2) > kMaxLPrime || std::abs(k3) > kMaxF || std::abs(k4) > kMaxD)
    throw std::length_error("lunar term beyond the multiples kept");
  // E for one multiple of l', E^2 for two, nothing otherwise.
  const int ePower = std::abs(k2) <= 2 ? std::abs(k2) : 0;
  const uint8_t factor = static_cast<uint8_t>(ePower + (k3 != 0 ? 3 : 0));
  return {PairIndex(t.lPairs, k1, k2), PairIndex(t.fPairs, k3, k4), factor, c1, c2, c3};
}

}  // namespace

LunarTables BuildLunarTables() {
  LunarTables t;
  t.main.assign(std::begin(kMainSeries), std::end(kMainSeries));
  t.additional.assign(std::begin(kAdditionalSeries), std::end(kAdditionalSeries));
  for (const LunarMainTerm& m : t.main)
    t.pairedMain.push_back(Paired(t, m.k1, m.k2, m.k3, m.k4, m.SL, m.SF, m.SP));
  for (const LunarAdditionalTerm& a : t.additional)
    t.pairedAdditional.push_back(Paired(t, a.k1, a.k2, a.k3, a.k4, a.coefficient, 0, 0));
  for (const LunarLatitudeTerm& c : kLatitudeCosSeries)
    t.pairedLatitudeCos.push_back(Paired(t, c.k1, c.k2, c.k3, c.k4, c.coefficient, 0, 0));
  for (const LunarLatitudeTerm& c : kLatitudeSinSeries)
    t.pairedLatitudeSin.push_back(Paired(t, c.k1, c.k2, c.k3, c.k4, c.coefficient, 0, 0));
  return t;
}

MoonPosition MoonPos(const MeanState& s, const LunarTables& tables) {
  const BodyElements& moon = s.body[kTheoryMoon];
  const BodyElements& earth = s.body[kTheoryEarth];
  const double days = 36525.0 * moon.T;
  const double c = days * 1e-12;
  const double q = days * days * 1e-16;

  // Long-period arguments, revolutions turned into degrees, and their sines
  // (each taken once although several corrections use it).
  const double g1 = 360.0 * (0.53733431 - 10104982 * c + 191 * q);
  const double a1 = 360.0 * (0.71995354 - 147094228 * c + 43 * q);
  const double a2 = 360.0 * (0.14222222 + 1536238 * c);
  const double a3 = 360.0 * (0.48398132 - 147269147 * c + 43 * q);
  const double a4 = 360.0 * (0.52453688 - 147162675 * c + 43 * q);
  const double a5 = 360.0 * (0.84536324 - 11459387 * c);
  const double a6 = 360.0 * (0.23363774 + 1232723 * c + 191 * q);
  const double a7 = 360.0 * (0.5875 + 9050118 * c);
  const double a8 = 360.0 * (0.61043085 - 67718733 * c);
  const CosSin csA1 = CosSinDeg(a1), csA3 = CosSinDeg(a3);
  const double sinA1 = csA1.s, sinA2 = SinDeg(a2), sinA3 = csA3.s, sinA5 = SinDeg(a5);

  const double I = 1.000002708 + 139.978 * ((-4.318 * csA1.c - 0.698 * csA3.c) / 3600.0 / 360.0);
  const double J = I * I;
  const double K = -6.4 * sinA2 - 0.27 * SinDeg(a7) - 1.89 * sinA5 + 0.2 * SinDeg(a8);
  const double C = 0.84 * sinA2 + 0.31 * SinDeg(a6) + 14.27 * SinDeg(g1) + 7.261 * sinA1 +
                   0.282 * sinA3 + 0.237 * sinA5;

  const double l = (moon.M + (C + 2.1 * sinA2 + 2.076 * sinA1 + 0.84 * sinA3 + 0.593 * sinA5) / 3600.0) *
                   kRadPerDeg;
  const double lp = (earth.M + K / 3600.0) * kRadPerDeg;
  const double F = (moon.L - moon.N +
                    (C - 0.63 * sinA2 - 95.96 * sinA1 - 15.58 * sinA3 - 1.86 * SinDeg(a4)) / 3600.0) *
                   kRadPerDeg;
  const double D = (moon.L + 180.0 - earth.L + (C - K) / 3600.0) * kRadPerDeg;

  // Multiples of the four arguments, their pairs, and from those every
  // term's cosine and sine by one product.
  MultipleAngles ml, mlp, mF, mD;
  ml.Set(l, kMaxL);
  mlp.Set(lp, kMaxLPrime);
  mF.Set(F, kMaxF);
  mD.Set(D, kMaxD);
  std::array<CosSin, kMaxPairs> lPair, fPair;
  for (size_t i = 0; i < tables.lPairs.size(); ++i)
    lPair[i] = SumOf(ml.Of(tables.lPairs[i].a), mlp.Of(tables.lPairs[i].b));
  for (size_t i = 0; i < tables.fPairs.size(); ++i)
    fPair[i] = SumOf(mF.Of(tables.fPairs[i].a), mD.Of(tables.fPairs[i].b));
  auto term = [&](const LunarPairedTerm& t) { return SumOf(lPair[t.lPair], fPair[t.fPair]); };

  // Main series: the sine carries E per multiple of l' (up to E^2) and J
  // when F takes part; the parallax takes the plain cosine.
  const double E = 1.0 - 6.832e-8 * days;
  const double factors[6] = {1.0, E, E * E, J, E * J, E * E * J};
  double sumL = 0, sumF = 0, sumP = 0;
  for (const LunarPairedTerm& m : tables.pairedMain) {
    const CosSin U = term(m);
    const double sn = U.s * factors[m.factor];
    sumL += m.c1 * sn;
    sumF += m.c2 * sn;
    sumP += m.c3 * U.c;
  }
  double sumA = 0;
  for (const LunarPairedTerm& a : tables.pairedAdditional) sumA += a.c1 * term(a).s;

  // Planetary terms of the longitude, seconds of arc, arguments in
  // revolutions (eight of the theory's terms by the planets).
  const double sumV = 0.822 * SinRev(0.3248 - 0.0017125594 * days) +
                      0.307 * SinRev(0.14905 - 0.0034251187 * days) +
                      0.348 * SinRev(0.68266 - 0.0006873156 * days) +
                      0.662 * SinRev(0.65162 + 0.0365724168 * days) +
                      0.643 * SinRev(0.88098 - 0.0025069941 * days) +
                      1.137 * SinRev(0.85823 + 0.036448727 * days) +
                      0.436 * SinRev(0.71892 + 0.036217918 * days) +
                      0.327 * SinRev(0.97639 + 0.000173491 * days);

  MoonPosition p;
  // The mean longitude may lie in (-360, 0] before 1900; the full reduction
  // keeps the result in [0, 360) whatever the size of the corrections.
  p.lon = ModAngle(360.0, moon.L + (sumV + sumA + C + sumL) / 3600.0);
  p.dist = 8.794 / (sumP + 3422.451);

  const double F1 = F + sumF / 3600.0 * kRadPerDeg;
  double S = 18519.7;
  for (const LunarPairedTerm& t : tables.pairedLatitudeCos) S += t.c1 * term(t).c;
  double W = 0;
  for (const LunarPairedTerm& t : tables.pairedLatitudeSin) W += t.c1 * term(t).s;
  p.lat = (I * S * CosSinOf(F1).s - 0.000336992 * I * I * I * S * CosSinOf(3 * F1).s +
           (S / 18519.7) * W) /
          3600.0;
  p.z = SinDeg(p.lat) * p.dist;
  return p;
}

}  // namespace vostrane
