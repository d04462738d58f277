// SPDX-License-Identifier: GPL-3.0-or-later
// The uncalculated entry of a derived chart: its kind as chart type and
// sub-type, its base entries and level, and the date and place the kind
// needs. The chart data is left to the calculation driver.
#include <algorithm>
#include <cmath>

#include "derived/DerivedEncoding.h"
#include "derived/DerivedRequest.h"
#include "derived/UserAyanamsaFields.h"
#include "common/Calendar.h"

namespace vostrane {
namespace {

using namespace derived;

bool NeedsDate(DerivedKind kind) {
  return kind != DerivedKind::Relocated && kind != DerivedKind::Composite &&
         kind != DerivedKind::Harmonic;
}

// A chart a moment-based kind can start from: one with a moment of its own
// (not a composite, whose moment is a mean, nor a harmonic chart).
bool HasOwnMoment(const ChartEntry& e) {
  return e.chartType() != kCompositeType && e.chartType() != kHarmonicType;
}

std::string EntryMissing(int32_t record) {
  return "Entry " + std::to_string(record) + " is not in the list.";
}

std::optional<std::string> CheckDate(const DerivedRequest& r) {
  if (!IsEntryDate(r.month, r.day, r.year))
    return "The date must be a real day of the years " + std::to_string(kMinYear) + " to " +
           std::to_string(kMaxYear) + ".";
  if (r.hours < 0 || r.hours > 23 || r.minutes < 0 || r.minutes > 59 || r.seconds < 0 || r.seconds > 59)
    return std::string("The time must be from 0:00:00 to 23:59:59.");
  return std::nullopt;
}

std::optional<std::string> CheckPlace(const DerivedPlace& p) {
  if (!std::isfinite(p.latitude) || std::fabs(p.latitude) > 90)
    return std::string("The latitude must be from 90 S to 90 N.");
  if (!std::isfinite(p.longitude) || std::fabs(p.longitude) > 180)
    return std::string("The longitude must be from 180 E to 180 W.");
  if (!std::isfinite(p.zoneHoursWest) || std::fabs(p.zoneHoursWest) > 24)
    return std::string("The time zone must be from 24 hours East to 24 hours West.");
  if (p.daylightCode > 4) return std::string("The daylight code must be one of N, Y, W, D, L.");
  if (p.name.size() > 25) return std::string("The place name holds at most 25 characters.");
  return std::nullopt;
}

// Everything about the request that does not depend on the session.
std::optional<std::string> CheckRequest(const DerivedRequest& r) {
  const bool placeRequired = r.kind == DerivedKind::Transit || r.kind == DerivedKind::Relocated;
  if (placeRequired && !r.place) return std::string("A place is needed for this chart.");
  if (r.place)
    if (auto wrong = CheckPlace(*r.place)) return wrong;
  if (NeedsDate(r.kind))
    if (auto wrong = CheckDate(r)) return wrong;
  if (r.kind == DerivedKind::PlanetReturn && (r.body < kFirstReturnBody || r.body > kLastReturnBody))
    return std::string("A planet return is made for Mercury, Venus, Mars, Jupiter or Saturn.");
  if (r.kind == DerivedKind::Harmonic && (r.harmonic < kMinHarmonic || r.harmonic > kMaxHarmonic))
    return std::string("Harmonic must be from 2 to 180.");
  return std::nullopt;
}

void SetPlace(ChartEntry& e, const DerivedPlace& p) {
  e.setPlace(p.name);
  e.setLatitude(p.latitude);
  e.setLongitude(p.longitude);
  e.setZoneHoursWest(p.zoneHoursWest);
  e.setDaylightCode(p.daylightCode);
  e.setDstTable(p.dstTable);
}

void CopyBirthData(ChartEntry& e, const ChartEntry& base) {
  e.setName(base.name());
  e.setAlternateName(base.alternateName());
  e.setMonth(base.month());
  e.setDay(base.day());
  e.setYear(base.year());
  e.setHours(base.hours());
  e.setMinutes(base.minutes());
  e.setSeconds(base.seconds());
  e.setPlace(base.place());
  e.setLatitude(base.latitude());
  e.setLongitude(base.longitude());
  e.setZoneHoursWest(base.zoneHoursWest());
  e.setDaylightCode(base.daylightCode());
  e.setDstTable(base.dstTable());
}

void SetTarget(ChartEntry& e, const DerivedRequest& r, int hours, int minutes, int seconds) {
  e.setPrintoutParam(kTargetMonth, r.month);
  e.setPrintoutParam(kTargetMonth + 1, r.day);
  e.setPrintoutParam(kTargetMonth + 2, r.year);
  e.setPrintoutParam(kTargetHours, hours);
  e.setPrintoutParam(kTargetHours + 1, minutes);
  e.setPrintoutParam(kTargetHours + 2, seconds);
}

// A return is stored in Greenwich time (zone 0, no daylight time); until it
// is calculated its date is the date the search starts from. The zone and
// daylight code of its place are kept beside it, for the page to show the
// moment in the place's local time too.
void SetReturn(ChartEntry& e, const DerivedRequest& r, uint8_t type, uint8_t sub) {
  e.setChartType(type);
  e.setChartSubtype(sub);
  if (r.place) SetPlace(e, *r.place);
  e.setPrintoutParam(kReturnZoneSeconds, static_cast<int32_t>(std::lround(e.zoneHoursWest() * 3600.0)));
  e.setPrintoutParam(kReturnDaylight, e.daylightCode() + 1);
  e.setZoneHoursWest(0);
  e.setDaylightCode(0);
  e.setMonth(r.month);
  e.setDay(r.day);
  e.setYear(r.year);
  e.setHours(0);
  e.setMinutes(0);
  e.setSeconds(0);
  SetTarget(e, r, 0, 0, 0);
}

// A progression or direction: its moment is found from the base's birth
// moment and the target date when the chart is calculated; the target date
// is taken at the birth's clock time.
void SetProgressed(ChartEntry& e, const DerivedRequest& r, const ChartEntry& base, uint8_t sub) {
  e.setChartType(kProgressedType);
  e.setChartSubtype(sub);
  SetTarget(e, r, base.hours(), base.minutes(), base.seconds());
  e.setPrintoutParam(kFromViewer, 1);
  e.setPrintoutParam(kCreatedCount, r.base);
  for (int j = kGroup7Bases; j < kGroup7Bases + 25; ++j) e.setPrintoutParam(j, r.base);
}

constexpr size_t kNameLength = 25;

// A person's family name: the part before the comma of "Last, First", else
// the last word.
std::string FamilyName(const std::string& name) {
  const size_t comma = name.find(',');
  std::string family = comma != std::string::npos ? name.substr(0, comma) : name;
  while (!family.empty() && family.back() == ' ') family.pop_back();
  const size_t blank = family.rfind(' ');
  return comma == std::string::npos && blank != std::string::npos ? family.substr(blank + 1) : family;
}

// "Ann Lee / Bob Ray"; when that does not fit the name field, the family
// names alone ("Lee / Ray"), and only when even those do not fit, cut at
// the last blank that fits.
std::string CompositeName(const ChartEntry& a, const ChartEntry& b) {
  const std::string full = a.name() + " / " + b.name();
  if (full.size() <= kNameLength) return full;
  const std::string shortName = FamilyName(a.name()) + " / " + FamilyName(b.name());
  if (shortName.size() <= kNameLength) return shortName;
  const size_t blank = shortName.rfind(' ', kNameLength);
  return shortName.substr(0, blank != std::string::npos && blank > 0 ? blank : kNameLength);
}

}  // namespace

DerivedBuild BuildDerivedEntry(const DerivedRequest& request, const ChartEntry& base,
                               const ChartEntry* second, int32_t entryCount) {
  DerivedBuild out;
  const bool composite = request.kind == DerivedKind::Composite;
  if (request.base < 1 || request.base > entryCount || !base.used()) {
    out.error = EntryMissing(request.base);
    return out;
  }
  if (composite) {
    if (request.secondBase < 1 || request.secondBase > entryCount || !second || !second->used()) {
      out.error = EntryMissing(request.secondBase);
      return out;
    }
    if (request.secondBase == request.base) {
      out.error = "A composite chart needs two different entries.";
      return out;
    }
  }
  if (auto wrong = CheckRequest(request)) {
    out.error = *wrong;
    return out;
  }
  const bool needsMoment = !composite && request.kind != DerivedKind::Harmonic;
  if (needsMoment && !HasOwnMoment(base)) {
    out.error = "Entry " + std::to_string(request.base) +
                " is a composite or harmonic chart, which has no moment of its own.";
    return out;
  }

  ChartEntry& e = out.entry;
  e.InitNewEntry(base.zodiacLetter(), entryCount);
  e.setZodiacLetter(base.zodiacLetter());
  SetUserAyanamsa(e, UserAyanamsaOf(base));
  e.setHouseSystemLetter(base.houseSystemLetter());
  e.setUserZodiacType(base.userZodiacType());
  CopyBirthData(e, base);
  e.setBaseEntry(request.base);
  e.setLevel(base.level() + 1);
  e.setNameRecord(0);
  e.setSaveMarker('N');
  e.setPrintoutParam(kBiWheelSecond, request.base);

  switch (request.kind) {
    case DerivedKind::Transit:
      e.setChartType(kTransitType);
      SetPlace(e, *request.place);
      e.setMonth(request.month);
      e.setDay(request.day);
      e.setYear(request.year);
      e.setHours(request.hours);
      e.setMinutes(request.minutes);
      e.setSeconds(request.seconds);
      break;
    case DerivedKind::Progressed: SetProgressed(e, request, base, kSecondaryProgressed); break;
    case DerivedKind::SolarArc: SetProgressed(e, request, base, kSolarArcDirected); break;
    case DerivedKind::SolarReturn: SetReturn(e, request, kSolarReturnType, 0); break;
    case DerivedKind::LunarReturn: SetReturn(e, request, kLunarReturnType, 0); break;
    case DerivedKind::PlanetReturn:
      SetReturn(e, request, kPlanetReturnType, static_cast<uint8_t>(request.body));
      e.setPrintoutParam(kReturnBody, request.body);
      break;
    case DerivedKind::Relocated:
      // The clock time at the new place is set when the chart is calculated.
      e.setChartType(kRelocatedType);
      SetPlace(e, *request.place);
      break;
    case DerivedKind::Composite:
      e.setChartType(kCompositeType);
      e.setChartSubtype(kNearMidpoints);
      e.setSecondBaseEntry(request.secondBase);
      e.setLevel(std::max(base.level(), second->level()) + 1);
      e.setName(CompositeName(base, *second));
      e.setAlternateName("");
      e.setPlace("Composite");
      e.setPrintoutParam(kBiWheelSecond, 0);
      e.setPrintoutParam(kTriWheelSecond, request.base);
      e.setPrintoutParam(kTriWheelThird, request.secondBase);
      break;
    case DerivedKind::Harmonic:
      e.setChartType(kHarmonicType);
      e.setHarmonic(static_cast<int16_t>(request.harmonic));
      break;
  }
  out.ok = true;
  return out;
}

std::optional<DerivedKind> KindOfEntry(const ChartEntry& e) {
  const int sub = e.chartSubtype();
  switch (e.chartType()) {
    case kTransitType: return DerivedKind::Transit;
    case kProgressedType:
      if (sub == kSecondaryProgressed) return DerivedKind::Progressed;
      if (sub == kSolarArcDirected) return DerivedKind::SolarArc;
      return std::nullopt;
    case kSolarReturnType: return DerivedKind::SolarReturn;
    case kLunarReturnType: return DerivedKind::LunarReturn;
    case kPlanetReturnType:
      if (sub >= kFirstReturnBody && sub <= kLastReturnBody) return DerivedKind::PlanetReturn;
      return std::nullopt;
    case kRelocatedType: return DerivedKind::Relocated;
    case kCompositeType:
      if (sub == kNearMidpoints) return DerivedKind::Composite;
      return std::nullopt;
    case kHarmonicType:
      if (e.harmonic() >= kMinHarmonic && e.harmonic() <= kMaxHarmonic) return DerivedKind::Harmonic;
      return std::nullopt;
    default: return std::nullopt;
  }
}

const char* DerivedKindName(DerivedKind kind) {
  switch (kind) {
    case DerivedKind::Transit: return "Transits";
    case DerivedKind::Progressed: return "Secondary Progressions";
    case DerivedKind::SolarArc: return "Solar Arc Directions";
    case DerivedKind::SolarReturn: return "Solar Return";
    case DerivedKind::LunarReturn: return "Lunar Return";
    case DerivedKind::PlanetReturn: return "Planet Return";
    case DerivedKind::Relocated: return "Relocated Chart";
    case DerivedKind::Composite: return "Composite Chart";
    case DerivedKind::Harmonic: return "Harmonic Chart";
  }
  return "";
}

}  // namespace vostrane
