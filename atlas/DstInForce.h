// SPDX-License-Identifier: GPL-3.0-or-later
// The change of a daylight-time table in force at a moment: the zone and
// daylight code a place kept then. Used to show a moment far from the
// birth (a return, a transit years later) in the clock of that day.
#pragma once

#include <optional>

#include "atlas/DstLookup.h"

namespace vostrane {

// The change of table `table` (its sign is ignored) in force at Julian day
// `jdUt` (UT), for a place whose standard zone is `zoneWestHours` hours west
// of Greenwich. Nothing when the table index is not loaded, the table or the
// year is outside the tables, "DST.FIL" cannot be read or the scan fails.
std::optional<DstScanResult> DstChangeInForce(int table, double jdUt, double zoneWestHours);

// The zone of a change, in hours west of Greenwich.
double ZoneWestHoursOfChange(const DstScanResult& change);

}  // namespace vostrane
