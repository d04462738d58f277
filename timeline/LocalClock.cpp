#include "timeline/LocalClock.h"

#include <cstdlib>

#include "atlas/DstChangeFile.h"
#include "atlas/DstChangeRecord.h"
#include "atlas/DstLookup.h"
#include "atlas/DstTableIndex.h"
#include "common/Calendar.h"
#include "platform/RecordFile.h"

namespace vostrane {
namespace {

double HoursEastOf(double zoneWest, int code, double longitudeWest) {
  switch (code) {
    case 1:
    case 2: return 1 - zoneWest;
    case 3: return 2 - zoneWest;
    case 4: return -longitudeWest / 15.0;  // local mean time
    default: return -zoneWest;
  }
}

}  // namespace

double LocalHoursEast(const ChartEntry& place, double jd) {
  const double own = HoursEastOf(place.tzone(), place.dstcode(), place.longitude());
  const int table = std::abs(place.dstTable());
  if (table == 0 || table > kDstTableCount || !DstIndex().loaded) return own;
  // The table dates its changes in the place's clock time; the moment in
  // the place's standard time finds the change in force.
  const CalendarDateTime standard = JulianDayToDate(jd - place.tzone() / 24.0);
  const int yearByte = EquivalentYear(standard.date.year) - kDstBaseYear;
  if (yearByte < 0 || yearByte > kDstLastYear - kDstBaseYear) return own;
  const DstMoment moment{yearByte, standard.date.month, standard.date.day, standard.time.hours,
                         standard.time.minutes};
  RecordFile file;
  if (!file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly)) return own;
  DstScanResult found;
  const DstScanStatus status = ScanDstTable(file, DstIndex().firstRecord[static_cast<size_t>(table - 1)],
                                            moment, found);
  if (status != DstScanStatus::Ok) return own;
  if (found.code == kLocalMeanTime) return -place.longitude() / 15.0;
  const ZoneTexts z = ZoneTextsOf(found.zoneHours, found.zoneMinutes);
  const double zoneWest = (std::atoi(z.hours.c_str()) + std::atoi(z.minutes.c_str()) / 60.0) *
                          (z.eastWest == 'E' ? -1 : 1);
  return HoursEastOf(zoneWest, found.code, place.longitude());
}

}  // namespace vostrane
