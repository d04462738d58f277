// SPDX-License-Identifier: GPL-3.0-or-later
// The zone and daylight time of a return's place at the moment of the
// return, from the place's daylight-time table.
#pragma once

#include "session/ChartEntry.h"

namespace vostrane {

// For a calculated return whose place has a daylight-time table: keeps the
// zone and daylight code the table gives for the return's moment beside the
// entry, where the page reads them, in place of those the place had on the
// date the return was asked for. Reads "DST.FIL" of the working folder
// through the table index loaded at start-up; leaves the entry as it was
// when either cannot be read or the table has nothing for that year.
void TakeReturnZoneFromItsTable(ChartEntry& e);

}  // namespace vostrane
