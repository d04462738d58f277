// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstInForce.h"

#include <cstdlib>

#include "atlas/DstChangeFile.h"
#include "atlas/DstChangeRecord.h"
#include "atlas/DstTableIndex.h"
#include "common/Calendar.h"
#include "platform/RecordFile.h"

namespace vostrane {

std::optional<DstScanResult> DstChangeInForce(int table, double jdUt, double zoneWestHours) {
  table = std::abs(table);
  if (table == 0 || table > kDstTableCount || !DstIndex().loaded) return std::nullopt;
  // The table dates its changes in the place's clock time; the moment in
  // the place's standard time finds the change in force.
  const CalendarDateTime standard = JulianDayToDate(jdUt - zoneWestHours / 24.0);
  const int yearByte = EquivalentYear(standard.date.year) - kDstBaseYear;
  if (yearByte < 0 || yearByte > kDstLastYear - kDstBaseYear) return std::nullopt;
  const DstMoment moment{yearByte, standard.date.month, standard.date.day, standard.time.hours,
                         standard.time.minutes};
  RecordFile file;
  if (!file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly))
    return std::nullopt;
  DstScanResult found;
  const DstScanStatus status = ScanDstTable(file, DstIndex().firstRecord[static_cast<size_t>(table - 1)],
                                            moment, found);
  if (status != DstScanStatus::Ok) return std::nullopt;
  return found;
}

double ZoneWestHoursOfChange(const DstScanResult& change) {
  const ZoneTexts z = ZoneTextsOf(change.zoneHours, change.zoneMinutes);
  return (std::atoi(z.hours.c_str()) + std::atoi(z.minutes.c_str()) / 60.0) *
         (z.eastWest == 'E' ? -1 : 1);
}

}  // namespace vostrane
