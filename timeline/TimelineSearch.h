// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a base chart over a period: transits of the Sun to Pluto,
// Chiron and the node to the base's points, secondary progressions and solar
// arc directions to them, ingresses into signs and the base's houses,
// stations, New and Full Moons, eclipses and solar and lunar returns, each
// at the moment the calculation's own positions make it exact.
#pragma once

#include <functional>
#include <vector>

#include "astro/AnalyticTheory.h"
#include "astro/CalcStatus.h"
#include "session/ChartEntry.h"
#include "timeline/TimelineEvent.h"

namespace vostrane {

// Told how far the search has come (0 to 1); false stops it.
using TimelineProgress = std::function<bool(double done)>;

struct TimelineResult {
  std::vector<TimelineEvent> events;  // in order of time
  bool cancelled = false;
};

// The base chart must be calculated. Files that cannot serve a moment add
// their statuses to `report`; after a fatal one the result is empty.
TimelineResult SearchTimeline(const ChartEntry& base, const TimelineOptions& options,
                              AnalyticTheory& theory, CalcReport& report,
                              const TimelineProgress& progress = {});

// The base chart's points the search looks at: its bodies Sun to Pluto, the
// node, Chiron (when it has it), Ascendant and Midheaven, and with `cusps`
// the twelve house cusps; each with its longitude.
struct BasePoint {
  int point;
  double lon;
};
std::vector<BasePoint> BasePoints(const ChartEntry& base, bool cusps);

// A transiting body's longitude (slot 0..10 or 20) at a Julian day (UT), in
// the tropical zodiac; NaN when the body has no position then.
double TropicalLongitude(AnalyticTheory& theory, int slot, double jd, CalcReport& report);

}  // namespace vostrane
