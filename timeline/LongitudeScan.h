// SPDX-License-Identifier: GPL-3.0-or-later
// The moments at which a moving longitude passes given longitudes. The
// longitude is sampled at a fixed step; the moments it stands still
// (stations) are found and added to the samples, so that between two
// samples it moves one way only and passes each longitude at most once.
// Each passage is then found by regula falsi (the Illinois variant).
#pragma once

#include <functional>
#include <vector>

namespace vostrane {

// A longitude (degrees, [0, 360)) at a Julian day.
using LongitudeAt = std::function<double(double jd)>;

struct LongitudeSample {
  double jd;
  double lon;
};

// A passage of the longitude over target `target` (an index into the list
// given), forward (increasing longitude) or backward.
struct Passage {
  int target;
  double jd;
  bool forward;
};

// Passages are found to this many days (about 0.01 second) unless a
// target asks for less.
constexpr double kPassagePrecisionDays = 1e-7;

class LongitudeScan {
 public:
  // Samples [from, to] every `step` days (the step must keep the motion
  // well under 90 degrees and stations at least two steps apart); with
  // `stations` looks for the moments the motion turns.
  LongitudeScan(LongitudeAt longitude, double from, double to, double step, bool stations);

  const std::vector<LongitudeSample>& Samples() const { return samples_; }
  // The moments of the stations found, in order.
  const std::vector<double>& Stations() const { return stations_; }
  // Every passage over each target, in order of time, each to its tolerance
  // in days (kPassagePrecisionDays for a target without one).
  std::vector<Passage> Passages(const std::vector<double>& targets,
                                const std::vector<double>& tolerances = {}) const;
  // The longitude at a moment.
  double At(double jd) const { return longitude_(jd); }

 private:
  double Refine(double target, LongitudeSample a, LongitudeSample b, double tolerance) const;
  LongitudeSample Station(const LongitudeSample& a, const LongitudeSample& b, const LongitudeSample& c,
                          bool wasForward) const;

  LongitudeAt longitude_;
  std::vector<LongitudeSample> samples_;
  std::vector<double> stations_;
};

}  // namespace vostrane
