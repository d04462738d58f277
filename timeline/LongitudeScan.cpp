// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/LongitudeScan.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleHelpers.h"

namespace vostrane {

LongitudeScan::LongitudeScan(LongitudeAt longitude, double from, double to, double step, bool stations)
    : longitude_(std::move(longitude)) {
  const int n = std::max(1, static_cast<int>(std::ceil((to - from) / step)));
  std::vector<LongitudeSample> plain;
  plain.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double jd = i == n ? to : from + i * step;
    plain.push_back({jd, longitude_(jd)});
  }
  if (!stations) {
    samples_ = std::move(plain);
    return;
  }
  // The direction of motion changes once per station: where the step before
  // a sample and the step after it go different ways, a station lies within
  // those two steps.
  samples_.reserve(plain.size() + 8);
  samples_.push_back(plain[0]);
  for (size_t i = 1; i + 1 < plain.size(); ++i) {
    const double before = DiffDeg(plain[i - 1].lon, plain[i].lon);
    const double after = DiffDeg(plain[i].lon, plain[i + 1].lon);
    if ((before > 0) != (after > 0) && before != 0 && after != 0) {
      const LongitudeSample s = Station(plain[i - 1], plain[i], plain[i + 1], before > 0);
      stations_.push_back(s.jd);
      if (s.jd < plain[i].jd) {
        if (s.jd > samples_.back().jd) samples_.push_back(s);
        samples_.push_back(plain[i]);
      } else {
        samples_.push_back(plain[i]);
        if (s.jd > plain[i].jd) samples_.push_back(s);
      }
    } else {
      samples_.push_back(plain[i]);
    }
  }
  if (plain.size() > 1) samples_.push_back(plain.back());
}

// Golden-section search for the extreme longitude between a and c (the
// largest when the motion was forward).
LongitudeSample LongitudeScan::Station(const LongitudeSample& a, const LongitudeSample& b,
                                       const LongitudeSample& c, bool wasForward) const {
  const double sign = wasForward ? 1.0 : -1.0;
  auto height = [&](double jd) { return sign * DiffDeg(b.lon, longitude_(jd)); };
  constexpr double kRatio = 0.6180339887498949;
  double lo = a.jd, hi = c.jd;
  double x1 = hi - kRatio * (hi - lo), x2 = lo + kRatio * (hi - lo);
  double f1 = height(x1), f2 = height(x2);
  while (hi - lo > 1e-6) {
    if (f1 < f2) {
      lo = x1;
      x1 = x2;
      f1 = f2;
      x2 = lo + kRatio * (hi - lo);
      f2 = height(x2);
    } else {
      hi = x2;
      x2 = x1;
      f2 = f1;
      x1 = hi - kRatio * (hi - lo);
      f1 = height(x1);
    }
  }
  const double jd = 0.5 * (lo + hi);
  return {jd, longitude_(jd)};
}

// Regula falsi with the Illinois weighting, which keeps a bracket that
// shrinks from both sides; it ends once the root lies within the tolerance
// of the last point by the slope across the bracket.
double LongitudeScan::Refine(double target, LongitudeSample a, LongitudeSample b,
                             double tolerance) const {
  double fa = DiffDeg(target, a.lon), fb = DiffDeg(target, b.lon);
  if (fa == 0) return a.jd;
  if (fb == 0) return b.jd;
  double wa = fa, wb = fb;  // the weighted values the next secant uses
  int side = 0;
  for (int i = 0; i < 100 && b.jd - a.jd > tolerance; ++i) {
    const double width = b.jd - a.jd;
    const double jd = std::clamp((a.jd * wb - b.jd * wa) / (wb - wa), a.jd + 1e-3 * width,
                                 b.jd - 1e-3 * width);
    const double f = DiffDeg(target, longitude_(jd));
    if (f == 0) return jd;
    const double slope = (fb - fa) / width;
    const double toRoot = -f / slope;
    if (std::fabs(toRoot) < tolerance) return std::clamp(jd + toRoot, a.jd, b.jd);
    if ((f < 0) == (fa < 0)) {
      a.jd = jd;
      fa = wa = f;
      if (side == -1) wb *= 0.5;
      side = -1;
    } else {
      b.jd = jd;
      fb = wb = f;
      if (side == 1) wa *= 0.5;
      side = 1;
    }
  }
  return std::fabs(fa) < std::fabs(fb) ? a.jd : b.jd;
}

std::vector<Passage> LongitudeScan::Passages(const std::vector<double>& targets,
                                             const std::vector<double>& tolerances) const {
  std::vector<Passage> found;
  for (size_t i = 0; i + 1 < samples_.size(); ++i) {
    const LongitudeSample& a = samples_[i];
    const LongitudeSample& b = samples_[i + 1];
    const bool forward = DiffDeg(a.lon, b.lon) > 0;
    for (size_t t = 0; t < targets.size(); ++t) {
      const double fa = DiffDeg(targets[t], a.lon), fb = DiffDeg(targets[t], b.lon);
      if (std::fabs(fa) >= 90 || std::fabs(fb) >= 90) continue;
      // A passage at a sample belongs to the interval it begins, so that it
      // is counted once.
      const bool crosses = fa == 0 ? i == 0 : (fa < 0) != (fb < 0) && fb != 0;
      const bool endsOn = fb == 0 && fa != 0;
      if (!crosses && !endsOn) continue;
      const double tolerance = t < tolerances.size() ? tolerances[t] : kPassagePrecisionDays;
      const double jd = endsOn ? b.jd : Refine(targets[t], a, b, tolerance);
      found.push_back({static_cast<int>(t), jd, forward});
    }
  }
  std::sort(found.begin(), found.end(), [](const Passage& x, const Passage& y) { return x.jd < y.jd; });
  return found;
}

}  // namespace vostrane
