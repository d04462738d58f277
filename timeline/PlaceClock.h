// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of a place at a moment: its zone and daylight time then, from
// the place's daylight-time table, so that an event years after the birth
// is shown in the clock time the place kept on that day.
#pragma once

#include "session/ChartEntry.h"

namespace vostrane {

// Hours to add to Greenwich time for the place of `place` (its zone,
// daylight code, longitude and table) at Julian day `jd` (UT). The table is
// read from "DST.FIL" of the working folder through the table index loaded
// at start-up; without them, or when the table has nothing for that year,
// the place's own zone and daylight code are used.
double LocalHoursEast(const ChartEntry& place, double jd);

}  // namespace vostrane
