// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/TimelineText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/Calendar.h"

namespace vostrane {
namespace {

const char* const kSigns[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::string DateTimeText(double jd) {
  const CalendarDateTime t = JulianDayToDate(jd);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.date.year, t.date.month,
                t.date.day, t.time.hours, t.time.minutes, t.time.seconds);
  return text;
}

std::string Number(double v, int decimals) {
  if (!std::isfinite(v)) return "";
  char text[40];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

}  // namespace

std::string IsoUtc(double jd) { return std::isfinite(jd) ? DateTimeText(jd) + "Z" : ""; }

std::string IsoLocal(double jd, double hoursEast) {
  if (!std::isfinite(jd)) return "";
  // A zone of the tables lies within a day of Greenwich.
  const int minutes = static_cast<int>(std::lround(std::clamp(hoursEast, -24.0, 24.0) * 60));
  char zone[16];
  std::snprintf(zone, sizeof zone, "%c%02d:%02d", minutes < 0 ? '-' : '+', std::abs(minutes) / 60,
                std::abs(minutes) % 60);
  return DateTimeText(jd + minutes / 1440.0) + zone;
}

const char* SignName(int sign) { return sign >= 0 && sign < 12 ? kSigns[sign] : ""; }

std::string EventTargetName(const TimelineEvent& e) {
  if (e.ingress == IngressTarget::Sign) return SignName(e.entered);
  if (e.ingress == IngressTarget::House) return "House " + std::to_string(e.entered);
  return e.point >= 0 ? TimelinePointName(e.point) : "";
}

std::string EventsCsv(const std::vector<TimelineEvent>& events, const std::vector<double>& hoursEast) {
  std::string out =
      "kind,body,point,aspect,jd_ut,utc,local,pass,passes,enters,leaves,body_lon,point_lon,retrograde,"
      "eclipse_kind\n";
  for (size_t i = 0; i < events.size(); ++i) {
    const TimelineEvent& e = events[i];
    const double east = i < hoursEast.size() ? hoursEast[i] : 0.0;
    out += std::string(EventKindName(e.kind)) + "," + TimelinePointName(e.body) + "," +
           EventTargetName(e) + "," + Number(e.aspect, 2) + "," + Number(e.jd, 6) + "," + IsoUtc(e.jd) +
           "," + IsoLocal(e.jd, east) + "," + std::to_string(e.pass) + "," + std::to_string(e.passes) +
           "," + IsoUtc(e.enters) + "," + IsoUtc(e.leaves) + "," + Number(e.bodyLon, 6) + "," +
           Number(e.pointLon, 6) + "," + (e.retrograde ? "yes" : "no") + "," +
           EclipseKindName(e.eclipse) + "\n";
  }
  return out;
}

}  // namespace vostrane
