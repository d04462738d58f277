// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/CompositeChart.h"

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "astro/HousesAtRamc.h"
#include "astro/PlanetPass.h"
#include "astro/Zodiac.h"
#include "derived/PointArithmetic.h"
#include "derived/EntryCalculation.h"

namespace vostrane {
namespace {

double Mean(double a, double b) { return 0.5 * (a + b); }

// The midpoint of two longitudes of the earth (west positive), in (-180, 180].
double MeanGeographicLongitude(double a, double b) {
  double m = ShorterArcMidpoint(a, b);
  if (m > 180.0) m -= 360.0;
  return m;
}

}  // namespace

void CalcCompositeChart(ChartEntry& e, const ChartEntry& a, const ChartEntry& b,
                        bool geocentricLatitude) {
  const double shift = a.zodiacLetter() == b.zodiacLetter() ? 0.0 : ZodiacOffset(a) - ZodiacOffset(b);
  auto mid = [shift](double x, double y) { return ShorterArcMidpoint(x, y + shift); };

  e.setJulianDayUt(Mean(a.julianDayUt(), b.julianDayUt()));
  SetGreenwichMoment(e, e.julianDayUt());
  e.setUniversalTimeHours(e.hours() + e.minutes() / 60.0 + e.seconds() / 3600.0);
  e.setCenturiesSince1900Ut(Mean(a.centuriesSince1900Ut(), b.centuriesSince1900Ut()));
  e.setDeltaTSeconds(Mean(a.deltaTSeconds(), b.deltaTSeconds()));
  e.setObliquityRad(Mean(a.obliquityRad(), b.obliquityRad()));
  e.setAyanamsaDeg(Mean(a.ayanamsaDeg(), b.ayanamsaDeg()));
  e.setLatitude(Mean(a.latitude(), b.latitude()));
  e.setLongitude(MeanGeographicLongitude(a.longitude(), b.longitude()));
  e.setMoonNodeDeg(mid(a.moonNodeDeg(), b.moonNodeDeg()));
  e.setAsteroidsCalculated(a.asteroidsCalculated() == 'Y' && b.asteroidsCalculated() == 'Y' ? 'Y' : 'N');

  const uint32_t missing = a.unavailableSlots() | b.unavailableSlots();
  for (int s = 0; s <= 30; ++s) {
    const bool have = !(missing >> s & 1u);
    for (BodyArray arr : {BodyArray::Lon, BodyArray::HLon, BodyArray::Ra})
      e.setBody(arr, s, have ? mid(a.body(arr, s), b.body(arr, s)) : 0.0);
    for (BodyArray arr :
         {BodyArray::Lat, BodyArray::Speed, BodyArray::HLat, BodyArray::HSpeed, BodyArray::Decl})
      e.setBody(arr, s, have ? Mean(a.body(arr, s), b.body(arr, s)) : 0.0);
  }
  e.setLon(31, a.lon(31));
  e.setUnavailableSlots(missing);

  // The angles come from the composite meridian, not from midpoints of their own.
  const double mc = mid(a.mc(), b.mc());
  const double z = ZodiacOffset(e);
  CalcHousesAtRamc(e, RamcOfMidheaven(mc, z, e.obliquityRad()), e.latitude(), geocentricLatitude);
  const double angles[4] = {e.asc(), e.mc(), e.vertex(), e.eastPoint()};
  const double obliquity = e.obliquityRad() * kDegPerRad;
  for (int k = 0; k < 4; ++k) {
    const int s = slot::Ascendant + k;
    const Equatorial q = EclToEqu(0.0, angles[k] - z, obliquity);
    e.setLon(s, angles[k]);
    e.setBody(BodyArray::Lat, s, 0.0);
    e.setBody(BodyArray::Ra, s, ModAngle(360.0, q.ra + z));
    e.setBody(BodyArray::Decl, s, q.decl);
  }
}

}  // namespace vostrane
