// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/PlaceClock.h"

#include "atlas/DstChangeRecord.h"
#include "atlas/DstInForce.h"

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
  const double own = HoursEastOf(place.zoneHoursWest(), place.daylightCode(), place.longitude());
  const std::optional<DstScanResult> change = DstChangeInForce(place.dstTable(), jd,
                                                               place.zoneHoursWest());
  if (!change) return own;
  if (change->code == kLocalMeanTime) return -place.longitude() / 15.0;
  return HoursEastOf(ZoneWestHoursOfChange(*change), change->code, place.longitude());
}

}  // namespace vostrane
