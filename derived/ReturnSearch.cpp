// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/ReturnSearch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/BodyPosition.h"

namespace vostrane {
namespace {

// Scan steps in days: short enough that a body moves well under a quarter
// circle per step and at most one station falls within a step.
constexpr std::array<double, 7> kStepDays = {1.0, 0.25, 0.5, 1.0, 2.0, 4.0, 8.0};
constexpr std::array<double, 7> kLongestDays = {370, 30, 500, 650, 1000, 4600, 11500};
constexpr double kPrecisionDays = 1e-7;  // about 0.01 second
constexpr double kSpeedInterval = 1e-3;  // days

class Search {
 public:
  Search(AnalyticTheory& theory, int slot, double longitude, double untilJd, const ZodiacAt& zodiac,
         CalcReport& report)
      : theory_(theory),
        slot_(slot),
        longitude_(longitude),
        until_(untilJd),
        zodiac_(zodiac),
        report_(report) {}

  std::optional<double> From(double fromJd) {
    z_ = zodiac_(fromJd);
    std::optional<double> found = Scan(fromJd);
    if (!found) return std::nullopt;
    // The zodiac offset moves about 50" a year: find the moment again with
    // the offset of the moment found, once it differs.
    for (int round = 0; round < 3; ++round) {
      const double z = zodiac_(*found);
      if (std::fabs(z - z_) < 1e-9) break;
      // The crossing moves by the change of offset over the body's speed.
      const double speed = std::max(std::fabs(At(*found).speed), 0.01);
      const double margin = 2.0 * kStepDays[slot_] + std::fabs(z - z_) / speed;
      z_ = z;
      std::optional<double> again = Scan(std::max(fromJd, *found - margin));
      if (!again) return found;
      found = again;
    }
    return found;
  }

 private:
  struct Sample {
    double jd;
    double off;    // longitude less the target, in [-180, 180)
    double speed;  // degrees per day
  };

  // The motion over a short interval: the engine's own daily motion looks a
  // day ahead and would place a station half a day early.
  Sample At(double jd) {
    const double lon = Longitude(jd);
    const double later = Longitude(jd + kSpeedInterval);
    return {jd, DiffDeg(longitude_, lon + z_), DiffDeg(lon, later) / kSpeedInterval};
  }

  double Longitude(double jd) {
    const EngineResult r = BodyAt(theory_, slot_, jd);
    report_.Add(r.status);
    return r.lon;
  }

  static bool Crosses(const Sample& a, const Sample& b) {
    if (a.off == 0) return true;
    // A change of sign near the target, not the jump at the opposite point.
    return (a.off < 0) != (b.off < 0) && std::fabs(a.off) < 90 && std::fabs(b.off) < 90;
  }

  std::optional<double> Scan(double fromJd) {
    const double step = kStepDays[slot_];
    const double end = std::min(fromJd + kLongestDays[slot_], until_);
    Sample a = At(fromJd);
    while (a.jd < end && !report_.Ended()) {
      const Sample b = At(a.jd + step);
      if (Crosses(a, b)) return Refine(a, b);
      // A station within the step may turn the body back before it crosses:
      // look at the point where it stands still.
      if ((a.speed < 0) != (b.speed < 0)) {
        const Sample s = Station(a, b);
        if (Crosses(a, s)) return Refine(a, s);
        if (Crosses(s, b)) return Refine(s, b);
      }
      a = b;
    }
    return std::nullopt;
  }

  Sample Station(Sample a, Sample b) {
    while (b.jd - a.jd > 1e-4) {
      const Sample m = At(0.5 * (a.jd + b.jd));
      if ((m.speed < 0) == (a.speed < 0)) a = m;
      else b = m;
    }
    return a;
  }

  // Bisection on the sign of the offset: the first crossing in [a, b].
  double Refine(Sample a, Sample b) {
    if (a.off == 0) return a.jd;
    while (b.jd - a.jd > kPrecisionDays) {
      const Sample m = At(0.5 * (a.jd + b.jd));
      if (m.off == 0) return m.jd;
      if ((m.off < 0) == (a.off < 0)) a = m;
      else b = m;
    }
    return b.jd;
  }

  AnalyticTheory& theory_;
  int slot_;
  double longitude_;
  double until_;
  const ZodiacAt& zodiac_;
  CalcReport& report_;
  double z_ = 0;
};

}  // namespace

double LongestReturnDays(int slot) { return slot >= 0 && slot <= 6 ? kLongestDays[slot] : 0; }

std::optional<double> FindReturn(AnalyticTheory& theory, int slot, double longitude, double fromJd,
                                 double untilJd, const ZodiacAt& zodiac, CalcReport& report) {
  if (slot < 0 || slot > 6) return std::nullopt;
  return Search(theory, slot, longitude, untilJd, zodiac, report).From(fromJd);
}

}  // namespace vostrane
