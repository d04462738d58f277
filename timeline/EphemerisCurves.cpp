// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/EphemerisCurves.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "derived/DerivedCalculation.h"
#include "timeline/TimelineSearch.h"

namespace vostrane {

std::vector<int> GraphBodies(double fromJd, double toJd) {
  std::vector<int> bodies;
  for (int s = slot::Sun; s <= slot::TrueNode; ++s)
    if (s != slot::Moon || toJd - fromJd <= 92) bodies.push_back(s);
  bodies.push_back(slot::Chiron);
  return bodies;
}

std::vector<EphemerisCurve> SampleEphemerisCurves(const ChartEntry& base, const std::vector<int>& bodies,
                                                  double fromJd, double toJd, int samples,
                                                  AnalyticTheory& theory, CalcReport& report) {
  samples = std::max(samples, 2);
  const double step = (toJd - fromJd) / (samples - 1);
  // The zodiac offset moves too slowly to need more than both ends.
  const double z0 = ZodiacOffsetAt(base, fromJd, report), z1 = ZodiacOffsetAt(base, toJd, report);
  std::vector<EphemerisCurve> curves;
  for (int body : bodies) {
    EphemerisCurve c{body, {}};
    c.lon.reserve(samples);
    for (int i = 0; i < samples && !report.Ended(); ++i) {
      const double lon = TropicalLongitude(theory, body, fromJd + i * step, report);
      if (std::isnan(lon)) break;
      c.lon.push_back(ModAngle(360.0, lon + z0 + (z1 - z0) * i / (samples - 1)));
    }
    if (static_cast<int>(c.lon.size()) == samples) curves.push_back(std::move(c));
  }
  return curves;
}

}  // namespace vostrane
