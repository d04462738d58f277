#include "viewer/ReturnZone.h"

#include <cmath>
#include <cstdlib>

#include "atlas/DstChangeFile.h"
#include "atlas/DstChangeRecord.h"
#include "atlas/DstLookup.h"
#include "atlas/DstTableIndex.h"
#include "derived/DerivedEncoding.h"
#include "platform/RecordFile.h"
#include "wheel/ReturnMoment.h"

namespace vostrane {

void TakeReturnZoneFromItsTable(ChartEntry& e) {
  const std::optional<LocalMoment> kept = ReturnLocalMoment(e);
  const int table = std::abs(e.dstTable());
  if (!kept || table == 0 || table > kDstTableCount || !DstIndex().loaded) return;
  // The table dates its changes in the place's clock time; the moment in
  // the place's standard time finds the change in force.
  const CalendarDateTime standard = JulianDayToDate(e.julday() - kept->zone / 24.0);
  const int yearByte = EquivalentYear(standard.date.year) - kDstBaseYear;
  if (yearByte < 0 || yearByte > kDstLastYear - kDstBaseYear) return;
  const DstMoment moment{yearByte, standard.date.month, standard.date.day, standard.time.hours,
                         standard.time.minutes};
  RecordFile file;
  if (!file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly)) return;
  DstScanResult found;
  const DstScanStatus status = ScanDstTable(file, DstIndex().firstRecord[static_cast<size_t>(table - 1)],
                                            moment, found);
  file.Close();
  if (status != DstScanStatus::Ok) return;
  double zone = kept->zone;
  if (found.code != kLocalMeanTime) {
    const ZoneTexts z = ZoneTextsOf(found.zoneHours, found.zoneMinutes);
    zone = (std::atoi(z.hours.c_str()) + std::atoi(z.minutes.c_str()) / 60.0) *
           (z.eastWest == 'E' ? -1 : 1);
  }
  e.setPrintoutParam(derived::kReturnZoneSeconds, static_cast<int32_t>(std::lround(zone * 3600.0)));
  e.setPrintoutParam(derived::kReturnDaylight, found.code + 1);
}

}  // namespace vostrane
