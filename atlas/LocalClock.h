// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a local date and clock time of a place occurred once, not at all
// (the clocks were put forward over it) or twice (the clocks were put back
// over it), by the place's daylight-time table.
//
// What the plain lookup (FillDaylightFromDateAndTable) gives
// for such times: a change takes effect after its minute, so
// - in a gap it gives the state after the change (2:30 in New York on
//   8 March 2020 is read as daylight time), except at the very minute of
//   the change, which it reads on the clock before it (2:00 as standard);
// - in a repeat it gives the state before the change: the first occurrence
//   (1:30 in New York on 1 November 2020 is read as daylight time).
#pragma once

#include <optional>

#include "atlas/AtlasFields.h"
#include "atlas/DstLookup.h"
#include "common/Calendar.h"
#include "platform/RecordFile.h"

namespace vostrane {

enum class LocalClockKind { Normal, Gap, Repeated };

struct LocalClockCheck {
  LocalClockKind kind = LocalClockKind::Normal;
  // For a gap or a repeat, the change that makes it: its date and 24-hour
  // local clock time on the clock before the change (2:00 for New York on
  // 8 March 2020 and on 1 November 2020), and its size in minutes, positive
  // (60 for both). A gap runs from the change time for `shiftMinutes`; a
  // repeat runs from `shiftMinutes` before the change time up to it.
  CalendarDate changeDate;
  int changeHour = 0;
  int changeMinute = 0;
  int shiftMinutes = 0;
  // The zone and daylight code in force before and after the change; for
  // a normal time both hold what the plain lookup gives.
  DstScanResult before;
  DstScanResult after;
};

// Changes from or to local mean time are not told (the offset of local mean
// time depends on the longitude): a time around them counts as normal.
// `moment.yearByte` is the calendar year - 1800; years are read as the
// lookup reads them (equivalent years after the end of the table). nullopt
// when the lookup would not give a zone (a damaged table, a year from 2100).
std::optional<LocalClockCheck> CheckLocalClock(RecordFile& file, uint16_t firstRecord,
                                               const DstMoment& moment);

// The check for the table number, date and time of the form's fields, read
// as FillDaylightFromDateAndTable reads them, with DstIndex()
// and DstChangeFile(). Shows no message; nullopt when the lookup would not
// fill the zone fields.
std::optional<LocalClockCheck> CheckLocalClockOfFields(const AtlasFields& fields);

}  // namespace vostrane
