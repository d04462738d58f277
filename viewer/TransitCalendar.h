// SPDX-License-Identifier: GPL-3.0-or-later
// The transit calendar: the events of a timeline on printed pages, a block
// per month under its heading, one line per event in date order with the
// day, the local time, the glyphs of the body, aspect and point (or sign),
// and its names and pass.
#pragma once

#include <string>
#include <vector>

#include "timeline/TimelineEvent.h"
#include "wheel/DrawingSurface.h"

namespace vostrane {

// Draws as many pages as the events need, each begun with printer
// configuration '1', portrait, and ended (the last one final). `hoursEast`
// gives each event's local clock. False when a page could not be begun.
bool DrawTransitCalendar(DrawingSurface& s, const std::vector<TimelineEvent>& events,
                         const std::vector<double>& hoursEast, const std::string& title);

// "Saturn square Sun (2 of 3)", "Mars enters Taurus", "Full Moon", ...
std::string EventDescription(const TimelineEvent& e);

}  // namespace vostrane
