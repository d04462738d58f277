#include "astro/BodyPosition.h"

#include "astro/DeltaT.h"
#include "common/Calendar.h"

namespace vostrane {

double DeltaTOfJulDay(double julday) {
  const CalendarDate d = JulianDayToDate(julday).date;
  return DeltaTSeconds(d.year, d.month, d.day);
}

EngineResult BodyAt(AnalyticTheory& theory, int slot, double julday) {
  const double t = julday - 2433282.0 + DeltaTOfJulDay(julday) / 86400.0;
  return EphemerisEngine(theory).EphCalc(slot, t);
}

}  // namespace vostrane
