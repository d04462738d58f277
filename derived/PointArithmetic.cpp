// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/PointArithmetic.h"

#include "astro/AngleHelpers.h"
#include "astro/PlanetPass.h"
#include "astro/Zodiac.h"
#include "derived/EntryCalculation.h"

namespace vostrane {

double ShorterArcMidpoint(double a, double b) { return ModAngle(360.0, a + DiffDeg(a, b) / 2.0); }

void MapAngles(ChartEntry& e, const std::function<double(double)>& f) {
  e.setAsc(f(e.asc()));
  e.setMc(f(e.mc()));
  e.setVertex(f(e.vertex()));
  e.setEastPoint(f(e.eastPoint()));
  e.setCoAscendant(f(e.coAscendant()));
  e.setPolarAscendant(f(e.polarAscendant()));
  e.setMoonNodeDeg(f(e.moonNodeDeg()));
  for (int h = 1; h <= 6; ++h) e.setCusp(h, f(e.cusp(h)));
}

void MapLongitudes(ChartEntry& e, const std::function<double(double)>& f) {
  for (int s = 0; s <= 30; ++s) {
    if (!e.bodyAvailable(s)) continue;
    e.setLon(s, f(e.lon(s)));
    e.setBody(BodyArray::HLon, s, f(e.body(BodyArray::HLon, s)));
  }
}

void SetEquatorialFromEcliptic(ChartEntry& e) {
  const double z = ZodiacOffset(e);
  const double obliquity = e.obliquityRad() * kDegPerRad;
  for (int s = 0; s <= 30; ++s) {
    if (!e.bodyAvailable(s)) continue;
    const Equatorial q = EclToEqu(e.body(BodyArray::Lat, s), e.lon(s) - z, obliquity);
    e.setBody(BodyArray::Ra, s, ModAngle(360.0, q.ra + z));
    e.setBody(BodyArray::Decl, s, q.decl);
  }
}

}  // namespace vostrane

#include <cstring>

#include "common/Calendar.h"

namespace vostrane {

void CopyChartData(ChartEntry& to, const ChartEntry& from) {
  constexpr size_t first = entry_offset::month;
  constexpr size_t end = entry_offset::zodiacLetter;  // birth data and calculated block
  std::memcpy(to.Data() + first, from.Data() + first, end - first);
  to.setCoAscendant(from.coAscendant());
  to.setPolarAscendant(from.polarAscendant());
  to.setAsteroidsCalculated(from.asteroidsCalculated());
  to.setDstTable(from.dstTable());
}

void SetGreenwichMoment(ChartEntry& e, double julianDayUt) {
  const CalendarDateTime m = JulianDayToDate(julianDayUt);
  e.setMonth(m.date.month);
  e.setDay(m.date.day);
  e.setYear(m.date.year);
  e.setHours(m.time.hours);
  e.setMinutes(m.time.minutes);
  e.setSeconds(m.time.seconds);
  e.setZoneHoursWest(0);
  e.setDaylightCode(0);
}

}  // namespace vostrane
