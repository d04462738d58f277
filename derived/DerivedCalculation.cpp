// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/DerivedCalculation.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/BodyPosition.h"
#include "astro/DeltaT.h"
#include "astro/HousesAtRamc.h"
#include "astro/PlanetPass.h"
#include "astro/TimeScales.h"
#include "astro/Zodiac.h"
#include "derived/CompositeChart.h"
#include "derived/DerivedEncoding.h"
#include "derived/DerivedRequest.h"
#include "derived/PointArithmetic.h"
#include "derived/ReturnSearch.h"
#include "derived/UserAyanamsaFields.h"
#include "derived/EntryCalculation.h"

namespace vostrane {
namespace {

using namespace derived;

const char* const kBodyNames[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// The chart's moment as clock time at its own place: the base's Greenwich
// moment less the new zone and plus its daylight hours.
void RelocateMoment(ChartEntry& e, const ChartEntry& base) {
  double hoursEast = -e.zoneHoursWest();
  switch (e.daylightCode()) {
    case 1:
    case 2: hoursEast += 1; break;
    case 3: hoursEast += 2; break;
    case 4:  // local mean time
      hoursEast = -e.longitude() / 15.0;
      break;
    default: break;
  }
  const double zoneHoursWest = e.zoneHoursWest();
  const uint8_t dst = e.daylightCode();
  SetGreenwichMoment(e, base.julianDayUt() + hoursEast / 24.0);
  e.setZoneHoursWest(zoneHoursWest);
  e.setDaylightCode(dst);
}

// Time scales of the progressed moment at the base's place; the driver's
// planet step then fills the bodies of that moment.
void SetProgressedMoment(ChartEntry& e, const ChartEntry& base, CalcReport& report) {
  SetGreenwichMoment(e, ProgressedJulDay(e, base));
  e.setPlace(base.place());
  e.setLatitude(base.latitude());
  e.setLongitude(base.longitude());
  e.setZodiacLetter(base.zodiacLetter());
  report.Add(CalcTimeScales(e).status);
  CalcDeltaT(e);
}

// The progressed meridian: the base's right ascension of the meridian
// advanced by the arc the progressed Sun has made in right ascension.
void ProgressMeridian(ChartEntry& e, const ChartEntry& base, AnalyticTheory& theory,
                      bool geocentricLatitude) {
  const EngineResult sun = BodyAt(theory, 0, e.julianDayUt());
  const double progressedRa = EclToEqu(sun.lat, sun.lon, e.obliquityRad() * kDegPerRad).ra;
  const double natalRa = base.body(BodyArray::Ra, 0) - ZodiacOffset(base);
  const double arc = DiffDeg(natalRa, progressedRa);
  CalcHousesAtRamc(e, base.ramcRad() + arc * kRadPerDeg, base.latitude(), geocentricLatitude);
}

std::optional<std::string> CalcReturn(ChartEntry& e, const ChartEntry& base, int slot,
                                      AnalyticTheory& theory, CalcReport& report) {
  const int m = e.printoutParam(kTargetMonth), d = e.printoutParam(kTargetMonth + 1),
            y = e.printoutParam(kTargetMonth + 2);
  const double from = GregorianJulDay(m, d, y);
  e.setZodiacLetter(base.zodiacLetter());
  // A return must still be a date an entry can hold.
  const double until = GregorianJulDay(1, 1, kMaxYear + 1);
  const auto found = FindReturn(
      theory, slot, base.lon(slot), from, until,
      [&base, &report](double jd) { return ZodiacOffsetAt(base, jd, report); }, report);
  if (report.Ended()) return std::nullopt;
  if (!found)
    return std::string("No return of the ") + kBodyNames[slot] + " was found within " +
           std::to_string(static_cast<int>(LongestReturnDays(slot))) + " days after " +
           std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y) + ".";
  SetGreenwichMoment(e, *found);
  return std::nullopt;
}

void CalcHarmonic(ChartEntry& e, const ChartEntry& base) {
  CopyChartData(e, base);
  const int n = e.harmonic();
  auto times = [n](double x) { return ModAngle(360.0, x * n); };
  MapAngles(e, times);
  MapLongitudes(e, times);
  for (int s = 0; s <= 30; ++s) {
    e.setBody(BodyArray::Speed, s, e.body(BodyArray::Speed, s) * n);
    e.setBody(BodyArray::HSpeed, s, e.body(BodyArray::HSpeed, s) * n);
  }
}

// The base's points, each advanced by the arc of the progressed Sun (both
// Suns taken in the tropical zodiac); latitudes and motions stay the base's.
void DirectBySolarArc(ChartEntry& e, const ChartEntry& base, AnalyticTheory& theory,
                      CalcReport& report) {
  SetProgressedMoment(e, base, report);
  const double progressedSun = BodyAt(theory, 0, e.julianDayUt()).lon;
  const double arc = ModAngle(360.0, progressedSun - (base.lon(0) - ZodiacOffset(base)));
  const double julianDayUt = e.julianDayUt(), universalTimeHours = e.universalTimeHours(),
               t = e.centuriesSince1900Ut(), deltaTSeconds = e.deltaTSeconds();
  const int32_t month = e.month(), day = e.day(), year = e.year(), hours = e.hours(),
                minutes = e.minutes(), seconds = e.seconds();
  CopyChartData(e, base);
  // The moment stays the progressed one the title and header show.
  e.setJulianDayUt(julianDayUt);
  e.setUniversalTimeHours(universalTimeHours);
  e.setCenturiesSince1900Ut(t);
  e.setDeltaTSeconds(deltaTSeconds);
  e.setMonth(month);
  e.setDay(day);
  e.setYear(year);
  e.setHours(hours);
  e.setMinutes(minutes);
  e.setSeconds(seconds);
  e.setZoneHoursWest(0);
  e.setDaylightCode(0);
  auto advance = [arc](double x) { return ModAngle(360.0, x + arc); };
  MapAngles(e, advance);
  MapLongitudes(e, advance);
  SetEquatorialFromEcliptic(e);
  e.setRamcRad(RamcOfMidheaven(e.mc(), ZodiacOffset(e), e.obliquityRad()));
}

std::optional<std::string> CheckBaseMoment(const ChartEntry& base) {
  if (!std::isfinite(base.julianDayUt()) || !std::isfinite(base.lon(0)))
    return std::string("Its base chart has not been calculated.");
  return std::nullopt;
}

// A date the kind takes from the entry's elements 73..75 (a file written
// elsewhere may hold anything there), and a base with a moment.
std::optional<std::string> CheckStoredDate(const ChartEntry& e, const ChartEntry& base) {
  const int m = e.printoutParam(kTargetMonth), d = e.printoutParam(kTargetMonth + 1),
            y = e.printoutParam(kTargetMonth + 2);
  if (!IsEntryDate(m, d, y))
    return "The date " + std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y) +
           " of this chart is not a day of the years " + std::to_string(kMinYear) + " to " +
           std::to_string(kMaxYear) + ".";
  return CheckBaseMoment(base);
}

}  // namespace

double ZodiacOffsetAt(const ChartEntry& base, double julianDayUt, CalcReport& report) {
  if (base.zodiacLetter() == 'T') return 0.0;
  ChartEntry scratch;
  scratch.setZodiacLetter(base.zodiacLetter());
  SetUserAyanamsa(scratch, UserAyanamsaOf(base));
  SetGreenwichMoment(scratch, julianDayUt);
  const Ayanamsa ayanamsa = CalcTimeScales(scratch);
  report.Add(ayanamsa.status);
  return ayanamsa.z;
}

double ProgressedJulDay(const ChartEntry& e, const ChartEntry& base) {
  // The target date at the base's clock time: a whole number of days later.
  const double days = GregorianJulDay(e.printoutParam(kTargetMonth), e.printoutParam(kTargetMonth + 1),
                                      e.printoutParam(kTargetMonth + 2)) -
                      GregorianJulDay(base.month(), base.day(), base.year());
  return base.julianDayUt() + days / kProgressionYearDays;
}

std::optional<std::string> PrepareDerivedChart(ChartEntry& e, const ChartEntry& base,
                                               const ChartEntry* second, AnalyticTheory& theory,
                                               bool geocentricLatitude, CalcReport& report) {
  const std::optional<DerivedKind> kind = KindOfEntry(e);
  if (!kind) {
    // A chart type this program does not make (from a file written
    // elsewhere) shows its base's chart.
    CopyChartData(e, base);
    return std::nullopt;
  }
  const bool datedKind = *kind == DerivedKind::Progressed || *kind == DerivedKind::SolarArc ||
                         *kind == DerivedKind::SolarReturn || *kind == DerivedKind::LunarReturn ||
                         *kind == DerivedKind::PlanetReturn;
  if (datedKind)
    if (auto wrong = CheckStoredDate(e, base)) return wrong;
  switch (*kind) {
    case DerivedKind::Transit: return std::nullopt;
    case DerivedKind::Relocated:
      if (auto wrong = CheckBaseMoment(base)) return wrong;
      RelocateMoment(e, base);
      return std::nullopt;
    case DerivedKind::Progressed:
      SetProgressedMoment(e, base, report);
      ProgressMeridian(e, base, theory, geocentricLatitude);
      return std::nullopt;
    case DerivedKind::SolarArc: DirectBySolarArc(e, base, theory, report); return std::nullopt;
    case DerivedKind::SolarReturn: return CalcReturn(e, base, 0, theory, report);
    case DerivedKind::LunarReturn: return CalcReturn(e, base, 1, theory, report);
    case DerivedKind::PlanetReturn: return CalcReturn(e, base, e.chartSubtype(), theory, report);
    case DerivedKind::Composite:
      if (!second) return "Entry " + std::to_string(e.secondBaseEntry()) + " is not in the list.";
      CalcCompositeChart(e, base, *second, geocentricLatitude);
      return std::nullopt;
    case DerivedKind::Harmonic: CalcHarmonic(e, base); return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace vostrane
