// SPDX-License-Identifier: GPL-3.0-or-later
// The moment of a return in the local time of its place. A return is
// calculated and stored in Greenwich time; the zone and daylight code of its
// place are kept beside it when it is made.
#pragma once

#include <optional>

#include "common/Calendar.h"
#include "session/ChartEntry.h"

namespace vostrane {

struct LocalMoment {
  CalendarDateTime local;      // clock time at the place
  CalendarDateTime greenwich;  // the same moment in Greenwich time
  double zone = 0;             // the place's standard zone, hours west
  int daylight = 0;            // the place's daylight code 0..4
};

// True for solar, lunar and planet returns.
bool IsReturnChart(const ChartEntry& e);

// The return's moment at its place; none for another chart, a return not yet
// calculated or one made without its place's zone.
std::optional<LocalMoment> ReturnLocalMoment(const ChartEntry& e);

}  // namespace vostrane
