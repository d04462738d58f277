// SPDX-License-Identifier: GPL-3.0-or-later
// Events as text: moments in ISO 8601, the names of what an event concerns,
// and the rows of the CSV export.
#pragma once

#include <string>
#include <vector>

#include "timeline/TimelineEvent.h"

namespace vostrane {

// "2025-05-12T03:04:05Z" (to the second); "" for a moment that is not a number.
std::string IsoUtc(double jd);
// The same moment as clock time `hoursEast` ahead of Greenwich:
// "2025-05-12T05:04:05+02:00".
std::string IsoLocal(double jd, double hoursEast);

// "Aries" .. "Pisces".
const char* SignName(int sign);
// What the event reaches: the base's point, a sign or a house
// ("Sun", "Taurus", "House 7"); "" when nothing.
std::string EventTargetName(const TimelineEvent& e);

// The CSV file of the events: a header line, then one row per event (kind,
// body, point, aspect, Julian day, UTC, local time, pass, passes, enters,
// leaves, longitudes, retrograde, eclipse kind). `hoursEast` gives each
// event's local clock.
std::string EventsCsv(const std::vector<TimelineEvent>& events, const std::vector<double>& hoursEast);

}  // namespace vostrane
