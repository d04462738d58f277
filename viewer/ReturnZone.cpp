// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ReturnZone.h"

#include <cmath>

#include "atlas/DstChangeRecord.h"
#include "atlas/DstInForce.h"
#include "derived/DerivedEncoding.h"
#include "wheel/ReturnMoment.h"

namespace vostrane {

void TakeReturnZoneFromItsTable(ChartEntry& e) {
  const std::optional<LocalMoment> kept = ReturnLocalMoment(e);
  if (!kept) return;
  const std::optional<DstScanResult> change = DstChangeInForce(e.dstTable(), e.julianDayUt(),
                                                               kept->zone);
  if (!change) return;
  const double zone = change->code == kLocalMeanTime ? kept->zone : ZoneWestHoursOfChange(*change);
  e.setPrintoutParam(derived::kReturnZoneSeconds, static_cast<int32_t>(std::lround(zone * 3600.0)));
  e.setPrintoutParam(derived::kReturnDaylight, change->code + 1);
}

}  // namespace vostrane
