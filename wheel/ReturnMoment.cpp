// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ReturnMoment.h"

#include <cmath>

#include "derived/DerivedEncoding.h"

namespace vostrane {

bool IsReturnChart(const ChartEntry& e) {
  const int t = e.chartType();
  return t == chart_type::kSolarReturn || t == chart_type::kLunarReturn ||
         t == chart_type::kPlanetReturn;
}

std::optional<LocalMoment> ReturnLocalMoment(const ChartEntry& e) {
  const int kept = e.printoutParam(derived::kReturnDaylight);
  if (!IsReturnChart(e) || !e.calcComplete() || kept < 1 || kept > 5 || !std::isfinite(e.julianDayUt()))
    return std::nullopt;
  LocalMoment m;
  m.daylight = kept - 1;
  m.zone = e.printoutParam(derived::kReturnZoneSeconds) / 3600.0;
  if (!std::isfinite(m.zone) || std::fabs(m.zone) > 24) return std::nullopt;
  double hoursEast = -m.zone;
  if (m.daylight == 1 || m.daylight == 2) hoursEast += 1;
  if (m.daylight == 3) hoursEast += 2;
  // Local mean time runs with the longitude (west positive) itself.
  if (m.daylight == 4) hoursEast = -e.longitude() / 15.0;
  m.greenwich = JulianDayToDate(e.julianDayUt());
  m.local = JulianDayToDate(e.julianDayUt() + hoursEast / 24.0);
  return m;
}

}  // namespace vostrane
