// SPDX-License-Identifier: GPL-3.0-or-later
// The longitudes of the transiting bodies over a period, sampled at equal
// steps: the curves of a graphic ephemeris.
#pragma once

#include <vector>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
#include "session/ChartEntry.h"

namespace vostrane {

struct EphemerisCurve {
  int body;                 // body slot (0..10, 20)
  std::vector<double> lon;  // in the base's zodiac, at fromJd + i (toJd - fromJd) / (n - 1)
};

// The bodies a graphic ephemeris of the period shows: the Sun to Pluto, the
// node and Chiron; the Moon only over three months at most (it would fill a
// longer one).
std::vector<int> GraphBodies(double fromJd, double toJd);

// `samples` (at least 2) longitudes of each body; a body without positions
// in the period (Chiron outside its files) is left out.
std::vector<EphemerisCurve> SampleEphemerisCurves(const ChartEntry& base, const std::vector<int>& bodies,
                                                  double fromJd, double toJd, int samples,
                                                  AnalyticTheory& theory, CalcReport& report);

}  // namespace vostrane
