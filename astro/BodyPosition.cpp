// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/BodyPosition.h"

#include "astro/DeltaT.h"
#include "common/Calendar.h"

namespace vostrane {

double DeltaTOfJulDay(double julianDayUt) {
  const CalendarDate d = JulianDayToDate(julianDayUt).date;
  return DeltaTSeconds(d.year, d.month, d.day);
}

EngineResult BodyAt(AnalyticTheory& theory, int slot, double julianDayUt) {
  const double t = julianDayUt - 2433282.0 + DeltaTOfJulDay(julianDayUt) / 86400.0;
  return EphemerisEngine(theory).PositionOfBody(slot, t);
}

}  // namespace vostrane
