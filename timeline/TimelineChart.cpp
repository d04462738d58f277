// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/TimelineChart.h"

#include "astro/BodySlots.h"
#include "common/Calendar.h"

namespace vostrane {

DerivedRequest ChartRequestOfEvent(const TimelineEvent& e, const ChartEntry& base, int32_t baseRecord) {
  DerivedRequest r;
  r.base = baseRecord;
  const CalendarDateTime t = JulianDayToDate(e.jd);
  r.month = t.date.month;
  r.day = t.date.day;
  r.year = t.date.year;
  switch (e.kind) {
    case EventKind::Progressed: r.kind = DerivedKind::Progressed; return r;
    case EventKind::SolarArc: r.kind = DerivedKind::SolarArc; return r;
    case EventKind::Return:
      // The return searched from the start of its day is this one.
      r.kind = e.body == slot::Moon ? DerivedKind::LunarReturn : DerivedKind::SolarReturn;
      return r;
    default: break;
  }
  r.kind = DerivedKind::Transit;
  r.hours = t.time.hours;
  r.minutes = t.time.minutes;
  r.seconds = t.time.seconds;
  DerivedPlace place;
  place.name = base.place();
  place.latitude = base.latitude();
  place.longitude = base.longitude();
  r.place = place;  // zone 0, no daylight time: the moment in Greenwich time
  return r;
}

}  // namespace vostrane
