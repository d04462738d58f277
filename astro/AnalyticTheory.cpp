// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AnalyticTheory.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/MultipleAngles.h"

namespace vostrane {

namespace {

// Full reduction into [0, 360). The one-step wrap suffices for the element
// ranges of the supported years; this one also holds for any input.
double Wrap360(double x) {
  x -= 360.0 * std::floor(x / 360.0);
  return x >= 360.0 ? 0.0 : x;
}

// Long-period corrections of the mean anomaly, seconds of arc. The Earth's
// three are those of Newcomb's Tables of the Sun (APAE vol. VI part 1):
// arguments 4 Mars - 7 Earth + 3 Venus, 3 Jupiter - 8 Mars + 4 Earth and
// 13 Earth - 8 Venus, with 0.266", 6.4" and 1.882" - 0.016" T as published
// (in 0.001" there). Mars's long-period terms and its secular correction
// -(13.5 T + 37.05)" come with Mars's elements; their published origin is
// not recorded here, and the fitted table of Mars (tools/generators/perturbfit) was
// fitted on top of them, so the two hold only together.
double MeanAnomalyCorrection(int body, double T) {
  if (body == kTheoryEarth)
    return 0.266 * SinDeg(119.0 * T + 31.8) + 6.4 * SinDeg(20.2 * T + 231.19) +
           (1.882 - 0.016 * T) * SinDeg(150.27 * T + 57.24);
  if (body == kTheoryMars)
    return 0.606 * SinDeg(119.051 * T + 212.87) + 52.49 * SinDeg(19.771 * T + 47.48) +
           0.319 * SinDeg(773.444 * T + 116.88) + 0.13 * SinDeg(163.0 * T + 74.0) +
           0.28 * SinDeg(40.8 * T + 300.0) - (13.5 * T + 37.05);
  return 0.0;
}

}  // namespace

double SolveAnomaly(double e, double M) {
  const double m = M * kRadPerDeg;
  const double limit = 3e-7 * kRadPerDeg;
  double E = m;
  // Newton's method converges in a handful of steps for e < 1; the cap only
  // guards against a non-finite input.
  for (int n = 0; n < 60; ++n) {
    const CosSin cs = CosSinOf(E);
    const double step = (E - e * cs.s - m) / (1.0 - e * cs.c);
    E -= step;
    if (!(std::fabs(step) >= limit)) break;
  }
  return E;
}

EllipticPosition EllipticPos(int body, const MeanState& s) {
  const BodyElements& b = s.body[body];
  EllipticPosition out;
  const double M = b.M + MeanAnomalyCorrection(body, b.T) / 3600.0;
  out.meanAnomaly = M;
  const double e = b.e;
  const double E = SolveAnomaly(e, M);
  const CosSin csE = CosSinOf(E);
  const double r = b.a * (1.0 - e * csE.c);
  const double sq = std::sqrt((1.0 + e) / (1.0 - e));
  const bool aphelion = std::fabs(kPi - E) < 1e-10;
  const double v = aphelion ? E : 2.0 * std::atan(sq * std::tan(E / 2.0));

  const double u = Wrap360(v * kDegPerRad + b.w - b.N);
  const CosSin csi = CosSinDeg(b.i), csu = CosSinDeg(u);
  const double sini = csi.s, cosi = csi.c;
  const double sinu = csu.s, cosu = csu.c;
  double l = u;
  if (sini != 0.0 && std::fabs(u - 90.0) >= 1e-10 && std::fabs(u - 270.0) >= 1e-10) {
    l = std::atan(std::tan(u * kRadPerDeg) * cosi) * kDegPerRad;
    if (u > 90.0 && u < 270.0) l += 180.0;
  }
  HelioPosition& p = out.pos;
  p.lon = Wrap360(l + b.N);
  p.r = r;
  p.z = r * sinu * sini;
  p.lat = std::asin(sinu * sini) * kDegPerRad;

  const double nPrime = (360.0 / b.P) / (1.0 - e * csE.c);
  double cosE = csE.c;
  if (cosE == -1.0) cosE = -0.9999999999;
  const double dv = aphelion ? nPrime / sq : (CosSinOf(v).c + 1.0) * nPrime * sq / (cosE + 1.0);
  p.dr = csE.s * b.a * nPrime * kRadPerDeg * e;
  p.dz = p.dr * sinu * sini + sini * r * dv * kRadPerDeg * cosu;
  const double c = cosu * sini / CosDeg(p.lat);
  p.dlon = dv / cosi * (1.0 - c * c);
  return out;
}

void StartingSums(int body, const MeanState& s, double& SL, double& SR) {
  SL = 0.0;
  SR = 0.0;
  if (body == kTheoryEarth) {
    // The Earth-Moon barycentre terms of Newcomb's Tables of the Sun, with
    // 6.454" sin D and 13360 cos D where the Tables have 6.469" and 13390,
    // and three longitude terms (0.013" twice, 0.202") and two of log r (30
    // units each) that the Tables' barycentre terms do not have; the other
    // coefficients are the Tables'.
    // The Earth's accuracy with them: 3.1" heliocentric longitude at most
    // over 1700-2200 (test HelioPos.FollowsTheReferenceEphemerisFrom1700To2200).
    const BodyElements& earth = s.body[kTheoryEarth];
    const BodyElements& moon = s.body[kTheoryMoon];
    const double D = NormDeg(moon.L - earth.L + 180.0);
    const double Me = earth.M, Mm = moon.M, T = earth.T;
    const double node = 2.0 * (earth.L - 180.0 - moon.N);
    SL = 6.454 * SinDeg(D) + 0.013 * SinDeg(3 * D) + 0.177 * SinDeg(D + Mm) - 0.424 * SinDeg(D - Mm) +
         0.039 * SinDeg(3 * D - Mm) - 0.064 * SinDeg(D + Me) + 0.172 * SinDeg(D - Me) -
         0.013 * SinDeg(D - Mm - Me) - 0.013 * SinDeg(node) + 0.202 * SinDeg(893.3 * T + 315.6);
    SR = 13360 * CosDeg(D) + 30 * CosDeg(3 * D) + 370 * CosDeg(D + Mm) - 1330 * CosDeg(D - Mm) +
         80 * CosDeg(3 * D - Mm) - 140 * CosDeg(D + Me) + 360 * CosDeg(D - Me) -
         30 * CosDeg(D - Mm - Me) + 30 * CosDeg(node);
  } else if (body == kTheoryVenus) {
    // Long-period terms of Venus; the first has the argument 13 Earth - 8
    // Venus of the Earth's 1.882" term. Venus's fitted table was fitted on
    // top of them.
    const double T = s.body[kTheoryVenus].T;
    SL = (2.761 - 0.22 * T) * SinDeg(150.27 * T + 237.24) + 0.269 * SinDeg(119.05 * T + 212.2) -
         0.208 * SinDeg(1223.5 * T + 175.8);
  }
}

void AddTableTerms(std::span<const PerturbationTerm> table, const MeanState& s, double meanAnomaly,
                   double& SL, double& SR) {
  for (const PerturbationTerm& term : table) {
    const double g = term.j * s.arg[term.x] + term.k * meanAnomaly;
    SL += term.A * CosDeg(term.pA - g);
    SR += term.B * CosDeg(term.pB - g);
  }
}

PreparedTable PrepareTable(std::span<const PerturbationTerm> table) {
  PreparedTable out;
  for (const PerturbationTerm& t : table) {
    if (t.A == 0.0 && t.B == 0) continue;
    if (std::abs(t.j) > MultipleAngles::kMax || std::abs(t.k) > MultipleAngles::kMax)
      throw std::length_error("perturbation term beyond the multiples kept");
    size_t a = std::find(out.args.begin(), out.args.end(), t.x) - out.args.begin();
    if (a == out.args.size()) {
      if (a == PreparedTable::kMaxArguments || t.x < 0 || t.x >= kMeanArguments)
        throw std::length_error("perturbation table with an unexpected mean argument");
      out.args.push_back(t.x);
      out.maxJ.push_back(0);
    }
    PreparedTerm p;
    p.arg = static_cast<uint8_t>(a);
    p.j = static_cast<uint8_t>(std::abs(t.j));
    p.k = static_cast<uint8_t>(std::abs(t.k));
    p.signJ = t.j < 0 ? -1.0 : 1.0;
    p.signK = t.k < 0 ? -1.0 : 1.0;
    p.Ac = t.A * CosDeg(t.pA);
    p.As = t.A * SinDeg(t.pA);
    p.Bc = t.B * CosDeg(t.pB);
    p.Bs = t.B * SinDeg(t.pB);
    out.terms.push_back(p);
    out.maxJ[a] = std::max(out.maxJ[a], std::abs(t.j));
    out.maxK = std::max(out.maxK, std::abs(t.k));
  }
  return out;
}

void AddPreparedTerms(const PreparedTable& table, const MeanState& s, double meanAnomaly, double& SL,
                      double& SR) {
  std::array<MultipleAngles, PreparedTable::kMaxArguments> args;
  for (size_t a = 0; a < table.args.size(); ++a)
    args[a].Set(s.arg[table.args[a]] * kRadPerDeg, table.maxJ[a]);
  MultipleAngles m;
  m.Set(meanAnomaly * kRadPerDeg, table.maxK);
  for (const PreparedTerm& t : table.terms) {
    const MultipleAngles& x = args[t.arg];
    const double cj = x.Cos(t.j), sj = t.signJ * x.Sin(t.j);
    const double ck = m.Cos(t.k), sk = t.signK * m.Sin(t.k);
    const double gc = cj * ck - sj * sk, gs = sj * ck + cj * sk;
    SL += t.Ac * gc + t.As * gs;
    SR += t.Bc * gc + t.Bs * gs;
  }
}

AnalyticTheory::AnalyticTheory() {
  for (int body : {kTheoryEarth, kTheoryMercury, kTheoryVenus, kTheoryMars}) {
    const auto compiled = CompiledPerturbationTable(body);
    tables_[body].assign(compiled.begin(), compiled.end());
    prepared_[body] = PrepareTable(tables_[body]);
  }
  solar_ = BuildSolarTable(tables_[kTheoryEarth]);
  moon_ = BuildLunarTables();
}

void AnalyticTheory::PrepareMean(double t) { EnsurePrepared(t); }

AnalyticTheory::Moment& AnalyticTheory::EnsurePrepared(double t) {
  if (moments_[current_].valid && moments_[current_].mean.daysEt == t) return moments_[current_];
  for (int i = 0; i < kMoments; ++i)
    if (moments_[i].valid && moments_[i].mean.daysEt == t) {
      current_ = i;
      return moments_[i];
    }
  Moment& m = moments_[next_];
  m.valid = true;
  m.mean = PrepareMeanElements(t);
  m.hasDpsi = false;
  m.hasEarth = false;
  m.hasMoon = false;
  current_ = next_;
  next_ = (next_ + 1) % kMoments;
  return m;
}

double AnalyticTheory::Dpsi() {
  Moment& m = moments_[current_];
  if (!m.hasDpsi) {
    m.mean.dpsi = NutationInLongitude(m.mean);
    m.hasDpsi = true;
  }
  return m.mean.dpsi;
}

MoonPosition AnalyticTheory::MoonPos(double t) {
  Moment& m = EnsurePrepared(t);
  if (!m.hasMoon) {
    m.moon = vostrane::MoonPos(m.mean, moon_);
    m.hasMoon = true;
  }
  return m.moon;
}

HelioPosition AnalyticTheory::HelioPos(int body, double t) {
  Moment& m = EnsurePrepared(t);
  if (body != kTheoryEarth) return ComputeHelioPos(body);
  if (!m.hasEarth) {
    m.earth = ComputeHelioPos(body);
    m.hasEarth = true;
  }
  return m.earth;
}

HelioPosition AnalyticTheory::ComputeHelioPos(int body) {
  const MeanState& mean = Current().mean;
  EllipticPosition ell = EllipticPos(body, mean);
  double SL = 0, SR = 0;
  StartingSums(body, mean, SL, SR);
  AddPreparedTerms(prepared_[body], mean, ell.meanAnomaly, SL, SR);
  HelioPosition p = ell.pos;
  p.r *= std::pow(10.0, SR * 1e-9);
  p.lon = Wrap360(p.lon + SL / 3600.0);
  return p;
}

}  // namespace vostrane
