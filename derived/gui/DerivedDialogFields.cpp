// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/gui/DerivedDialogFields.h"

#include <cstring>

#include "platform/TextTrim.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"

namespace vostrane {

DerivedFieldsNeeded FieldsNeeded(DerivedKind kind) {
  DerivedFieldsNeeded n;
  switch (kind) {
    case DerivedKind::Transit: n.date = n.time = n.place = true; break;
    case DerivedKind::Progressed:
    case DerivedKind::SolarArc: n.date = true; break;
    case DerivedKind::SolarReturn:
    case DerivedKind::LunarReturn: n.date = n.natalPlace = true; break;
    case DerivedKind::PlanetReturn: n.date = n.natalPlace = n.body = true; break;
    case DerivedKind::Relocated: n.place = true; break;
    case DerivedKind::Composite: n.secondBase = true; break;
    case DerivedKind::Harmonic: n.harmonic = true; break;
  }
  return n;
}

const char* KindGuide(DerivedKind kind) {
  switch (kind) {
    case DerivedKind::Transit:
      return "Transits: the sky at the chosen date, time and place, drawn around the base chart.";
    case DerivedKind::Progressed:
      return "Secondary progressions to the chosen date: a day after the birth for each year of life.";
    case DerivedKind::SolarArc:
      return "Solar arc directions to the chosen date: every point moved on by the progressed Sun's "
             "arc.";
    case DerivedKind::SolarReturn:
      return "The first return of the Sun to its natal longitude after the chosen date.";
    case DerivedKind::LunarReturn:
      return "The first return of the Moon to its natal longitude after the chosen date.";
    case DerivedKind::PlanetReturn:
      return "The first return of the planet to its natal longitude after the chosen date.";
    case DerivedKind::Relocated: return "The moment of the base chart at the chosen place.";
    case DerivedKind::Composite: return "The midpoints of the base entry and the second entry.";
    case DerivedKind::Harmonic:
      return "Every longitude of the base chart multiplied by the harmonic number.";
  }
  return "";
}

namespace {

DerivedRequestResult Problem(DerivedField field, std::string text) {
  DerivedRequestResult r;
  r.field = field;
  r.problem = std::move(text);
  return r;
}

}  // namespace

DerivedRequestResult RequestFromFields(const DerivedDialogFields& f) {
  const DerivedFieldsNeeded needs = FieldsNeeded(f.kind);
  DerivedRequestResult result;
  DerivedRequest& r = result.request;
  r.kind = f.kind;
  r.base = f.base;
  if (needs.secondBase) r.secondBase = f.secondBase;

  if (needs.date) {
    const std::optional<CalendarDate> date = ParseDateText(f.texts.date);
    if (!date) return Problem(DerivedField::Date, "Please type a date that exists (month, day, year).");
    r.month = date->month;
    r.day = date->day;
    r.year = date->year;
  }
  if (needs.time) {
    const std::optional<ClockTime> time = ParseTimeText(f.texts.time);
    if (!time)
      return Problem(DerivedField::Time,
                     "Please type a time that exists (hours, minutes, seconds, AM or PM).");
    r.hours = time->hours;
    r.minutes = time->minutes;
    r.seconds = time->seconds;
  }
  if (needs.place || (needs.natalPlace && !f.natalPlace)) {
    DerivedPlace place;
    place.name = Trim(f.texts.place);
    if (place.name.empty()) return Problem(DerivedField::Place, "Please type the place.");
    const std::optional<double> lat = ParseLatitudeText(f.texts.latitude);
    if (!lat)
      return Problem(DerivedField::Latitude, "Please type a latitude of at most 90 degrees, N or S.");
    const std::optional<double> lon = ParseLongitudeText(f.texts.longitude);
    if (!lon)
      return Problem(DerivedField::Longitude, "Please type a longitude of at most 180 degrees, E or W.");
    const std::optional<double> zone = ParseZoneTexts(f.texts.zoneHours, f.texts.zoneMinutes,
                                                      f.texts.zoneEastWest);
    if (!zone)
      return Problem(DerivedField::Zone,
                     "Please type a time zone of 0 to 13 hours and 0 to 59 minutes.");
    const char* letter = f.texts.daylight.size() == 1
                             ? std::strchr(kDaylightLetters, f.texts.daylight[0])
                             : nullptr;
    place.latitude = *lat;
    place.longitude = *lon;
    place.zoneHoursWest = *zone;
    place.daylightCode = letter && *letter ? static_cast<uint8_t>(letter - kDaylightLetters) : 0;
    place.dstTable = Trim(f.texts.dstTable).empty() ? 0 : IntegerFromText(Trim(f.texts.dstTable));
    r.place = place;
  }
  if (needs.body) r.body = f.body;
  if (needs.harmonic) {
    const std::string text = Trim(f.harmonic);
    const bool digits = !text.empty() && text.size() <= 3 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(text) : 0;
    if (n < 2 || n > 180) return Problem(DerivedField::Harmonic, "Harmonic must be from 2 to 180.");
    r.harmonic = n;
  }
  return result;
}

}  // namespace vostrane
