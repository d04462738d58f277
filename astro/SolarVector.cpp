// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SolarVector.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/MultipleAngles.h"

namespace vostrane {

namespace {

double Wrap(double x) { return ModAngle(360.0, x); }

}  // namespace

OrbitPosition ElementOrbit(double Mdeg, double Ldeg, double ideg, double Ndeg, double a, double e) {
  const double M = Mdeg * kRadPerDeg, L = Ldeg * kRadPerDeg, i = ideg * kRadPerDeg,
               N = Ndeg * kRadPerDeg;
  double E = M;
  for (int n = 0; n < 100; ++n) {
    const double next = M + e * std::sin(E);
    const bool done = std::fabs(next - E) < 1e-6;
    E = next;
    if (done) break;
  }
  const double v = 2.0 * std::atan(std::sqrt(std::fabs((1 + e) / (1 - e))) * std::tan(E / 2));
  const double u = ModAngle(2 * kPi, v - M + L) - N;
  const CosSin csU = CosSinOf(u), csI = CosSinOf(i), csE = CosSinOf(E);
  double l = std::atan(std::tan(u) * csI.c);
  if (l < 0) l += kPi;
  if (csU.s < 0) l += kPi;
  OrbitPosition p;
  p.lon = ModAngle(360.0, (N + l) * kDegPerRad);
  p.lat = std::asin(csU.s * csI.s) * kDegPerRad;
  p.dist = a * (1 - e * csE.c);
  const double n = 0.01720209895 / ((1 - e * csE.c) * std::pow(a, 1.5));
  const double vp = -a * n * csE.s;
  const double vq = a * n * std::sqrt(1 - e * e) * csE.c;
  const double w = ModAngle(2 * kPi, L - M - N);
  const CosSin csW = CosSinOf(w), csN = CosSinOf(N);
  const double a1 = vp * csW.c - vq * csW.s;
  const double a2 = vp * csW.s + vq * csW.c;
  p.vec.vx = a1 * csN.c - a2 * csI.c * csN.s;
  p.vec.vy = a1 * csN.s + a2 * csI.c * csN.c;
  p.vec.vz = a2 * csI.s;
  return p;
}

// Sources: the Sun's mean longitude and anomaly and the eccentricity are
// Newcomb's (Tables of the Sun, APAE vol. VI part 1; epoch 1900 January
// 0.5), D and the Moon's mean anomaly Brown's, as in the Explanatory
// Supplement (1961). The long-period terms are the Tables' (see
// MeanAnomalyCorrection in AnalyticTheory.cpp) plus 0.202" with argument
// 315.6 + 893.3 T; the planetary terms are the longitude part of the
// Earth's table (PerturbationTables.h); the lunar terms the Tables'
// barycentre terms with 6.454" for their 6.469". The radius vector is the
// elliptic expansion in M (1 + e^2/2 - e cos M - e^2/2 cos 2M ...) with the
// largest radius terms of the Earth's table turned from log10 r (1e-9) into
// AU (times ln 10: Jupiter's 7067 units are 0.000016273 AU, Venus's 6841
// are 0.000015754, the Moon's 13360 are 0.00003076).
// Accuracy over 1700-2200 against the independent ephemeris's geometric
// Sun: longitude within 3.2", distance within 2e-5 AU (test
// SunVector.FollowsTheGeometricSun).
SunVectorResult SunVector(double d, std::span<const SolarTerm> table) {
  const double T = d / 36525.0, T2 = T * T, T3 = T2 * T;
  const double L = Wrap(279.6966778 + 36000.76892 * T + 0.0003025 * T2);
  double M = Wrap(358.4758444 + 35999.04975 * T - 0.00015 * T2 + 0.0000019 * T3);
  const double D = Wrap(350.7374861 + 445267.11417 * T - 0.001436 * T2 + 0.0000019 * T3);
  const double Mm = Wrap(296.1046083 + 477198.8491083 * T + 0.009191666 * T2 + 0.0000144 * T3);

  const OrbitPosition orbit = ElementOrbit(M, L, 0.0, 0.0, 1.0, 0.016751 - 0.0000418 * T);
  double lon = orbit.lon;

  // Long-period terms.
  const double P = 6.4 * SinDeg(231.19 + 20.2 * T) + (1.882 - 0.016 * T) * SinDeg(57.24 + 150.27 * T) +
                   0.266 * SinDeg(31.8 + 119.0 * T) + 0.202 * SinDeg(315.6 + 893.3 * T);
  lon = Wrap(lon + P / 3600.0);
  M += P / 3600.0;

  // Planetary terms.
  double arg[7] = {0, M, 0, 0, 0, 0, 0};
  for (int k = 2; k <= 6; ++k)
    arg[k] = Wrap(kSolarArguments[k].value + kSolarArguments[k].rate * d + kSolarArguments[k].quad * T2);
  // cos(phase - g) with g = j arg + k M from the multiples of each argument.
  std::array<int, 7> maxJ{};
  std::array<bool, 7> used{};
  int maxK = 0;
  for (const SolarTerm& s : table) {
    if (s.index < 1 || s.index > 6) continue;
    used[s.index] = true;
    maxJ[s.index] = std::max(maxJ[s.index], std::abs(s.j));
    maxK = std::max(maxK, std::abs(s.k));
  }
  std::array<MultipleAngles, 7> multiples;
  for (int k = 1; k <= 6; ++k)
    if (used[k]) multiples[k].Set(arg[k] * kRadPerDeg, std::min(maxJ[k], MultipleAngles::kMax));
  MultipleAngles mM;
  mM.Set(M * kRadPerDeg, std::min(maxK, MultipleAngles::kMax));
  double sum = 0;
  for (const SolarTerm& s : table) {
    if (s.index < 1 || s.index > 6) continue;
    if (std::abs(s.j) > MultipleAngles::kMax || std::abs(s.k) > MultipleAngles::kMax) {
      sum += s.amplitude * CosDeg(s.phase - s.j * arg[s.index] - s.k * M);
      continue;
    }
    const CosSin g = SumOf(multiples[s.index].Of(s.j), mM.Of(s.k));
    sum += s.amplitude * (s.cosPhase * g.c + s.sinPhase * g.s);
  }
  lon += sum / 3600.0;

  // Lunar terms.
  const double lunar = 6.454 * SinDeg(D) + 0.013 * SinDeg(3 * D) + 0.177 * SinDeg(D + Mm) -
                       0.424 * SinDeg(D - Mm) + 0.039 * SinDeg(3 * D - Mm) - 0.064 * SinDeg(D + M) +
                       0.172 * SinDeg(D - M);
  lon = Wrap(lon + lunar / 3600.0);

  const double A = 63.0704 + 22518.442986 * T, V = 221.64742 + 32964.466939 * T;
  const double C = 165.94905 + 16859.069667 * T, B = 193.132 + 34777.259042 * T;
  const double R = 1.00014033 - 0.0167493 * CosDeg(M) - 0.00014027 * CosDeg(2 * M) -
                   0.00000176 * CosDeg(3 * M) - 0.00000003 * CosDeg(4 * M) - 0.0000007 * T +
                   (0.00004179 * T + 0.000000126 * T2) * CosDeg(M) + 0.0000007 * T * CosDeg(2 * M) +
                   0.00000001 * T * CosDeg(3 * M) + 0.000005432 * CosDeg(A) +
                   0.000015754 * CosDeg(2 * A + 0.12) + 0.000002406 * CosDeg(3 * A + 180.27) +
                   0.000003447 * CosDeg(3 * A - M + 347.95) + 0.000002001 * CosDeg(2 * A - M + 168.5) +
                   0.000000988 * CosDeg(B + 0.36) + 0.000004736 * CosDeg(2 * C - 0.3) +
                   0.000001101 * CosDeg(4 * C - M + 226.92) + 0.000016273 * CosDeg(V + 1.1) +
                   0.00000927 * CosDeg(2 * V + 180.22) + 0.00000336 * CosDeg(2 * V - M + 202.58) +
                   0.000001849 * CosDeg(3 * V - M + 87.23001) + 0.00003076 * CosDeg(D) +
                   0.00000085 * CosDeg(D + Mm) - 0.00000306 * CosDeg(D - Mm) +
                   0.00000083 * CosDeg(D - M);

  SunVectorResult r;
  r.lon = lon;
  r.dist = R;
  r.vec = orbit.vec;
  r.vec.x = R * CosDeg(lon);
  r.vec.y = R * SinDeg(lon);
  r.vec.z = 0;
  return r;
}

}  // namespace vostrane
