// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch events: the timeline of a calculated entry over a period
// (exact transits, progressions and directions, ingresses, stations,
// lunations, eclipses and returns) as a JSON array or as CSV.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "astro/AnalyticTheory.h"
#include "astro/TimeScales.h"
#include "atlas/DstTableIndex.h"
#include "common/Calendar.h"
#include "platform/RecordFile.h"
#include "session/SessionFile.h"
#include "timeline/PlaceClock.h"
#include "timeline/TimelineSearch.h"
#include "timeline/TimelineText.h"
#include "shell/batch/BatchCommands.h"
#include "shell/batch/BirthFields.h"
#include "shell/batch/JsonWriter.h"
#include "shell/batch/TimelineArgs.h"
#include "wheel/MajorAspects.h"

namespace vostrane::batch {
namespace {

int Usage(const std::string& text) {
  std::fprintf(stderr, "vostrane-batch: %s (see --help)\n", text.c_str());
  return 2;
}

// One event as a flat JSON object ("key": value, as dump writes them).
std::string EventJson(const TimelineEvent& e, double hoursEast) {
  std::string out;
  auto field = [&out](const char* key, const std::string& value) {
    out += std::string(out.empty() ? "{" : ", ") + "\"" + key + "\": " + value;
  };
  auto moment = [](double jd) {
    return std::isfinite(jd) ? JsonString(IsoUtc(jd)) : std::string("null");
  };
  field("kind", JsonString(EventKindName(e.kind)));
  field("body", JsonString(TimelinePointName(e.body)));
  field("point", e.point >= 0 ? JsonString(TimelinePointName(e.point)) : "null");
  field("aspect", JsonNumber(e.aspect));
  field("jd_ut", JsonNumber(e.jd));
  field("utc", moment(e.jd));
  field("local", JsonString(IsoLocal(e.jd, hoursEast)));
  field("pass", std::to_string(e.pass));
  field("passes", std::to_string(e.passes));
  field("enters", moment(e.enters));
  field("leaves", moment(e.leaves));
  field("body_lon", JsonNumber(e.bodyLon));
  field("point_lon", JsonNumber(e.pointLon));
  field("retrograde", e.retrograde ? "true" : "false");
  if (e.ingress == IngressTarget::Sign) field("sign", JsonString(SignName(e.entered)));
  if (e.ingress == IngressTarget::House) field("house", std::to_string(e.entered));
  if (e.kind == EventKind::Station)
    field("direction", JsonString(e.retrograde ? "retrograde" : "direct"));
  if (e.kind == EventKind::SolarEclipse || e.kind == EventKind::LunarEclipse) {
    field("eclipse_kind", JsonString(EclipseKindName(e.eclipse)));
    field("magnitude", JsonNumber(e.magnitude));
  }
  return out + "}";
}

bool ReadEntry(int n, ChartEntry& e) {
  RecordFile file;
  return n > 0 && file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly) && file.Seek(n) &&
         file.Read(e.Data()) && e.used();
}

}  // namespace

int RunEvents(const Args& args) {
  TimelineRequest r;
  if (auto wrong = ParseTimelineArgs(args, 3, r)) return Usage(*wrong);
  const auto n = ParseInt(args[0]);
  ChartEntry base, place;
  if (!n || !ReadEntry(*n, base)) {
    std::fprintf(stderr, "vostrane-batch: there is no entry %s in %s\n", args[0].c_str(),
                 kSessionFileName);
    return 1;
  }
  if (!base.calcComplete()) {
    std::fprintf(
        stderr,
        "vostrane-batch: entry %d is not completely calculated; run \"vostrane-batch calc\" first\n",
        *n);
    return 1;
  }
  place = base;
  if (r.placeEntry > 0 && !ReadEntry(r.placeEntry, place)) {
    std::fprintf(stderr, "vostrane-batch: there is no entry %d in %s\n", r.placeEntry, kSessionFileName);
    return 1;
  }
  if (!r.aspectsGiven) r.options.aspects = MajorAspectAngles();
  // The local clock follows the place's daylight-time table, where it has one.
  if (place.dstTable() != 0) LoadDstTableIndex();
  AnalyticTheory theory;
  CalcReport report;
  const TimelineResult result = SearchTimeline(base, r.options, theory, report);
  for (const CalcStatus& s : report.Statuses())
    if (s.fatal()) {
      std::fprintf(stderr, "vostrane-batch: the ephemeris file %s cannot serve the period\n",
                   s.file.str().c_str());
      return 1;
    }
  std::vector<double> hoursEast;
  hoursEast.reserve(result.events.size());
  for (const TimelineEvent& e : result.events) hoursEast.push_back(LocalHoursEast(place, e.jd));
  if (r.csv) {
    std::fputs(EventsCsv(result.events, hoursEast).c_str(), stdout);
    return 0;
  }
  std::printf("[");
  for (size_t i = 0; i < result.events.size(); ++i)
    std::printf("%s\n%s", i ? "," : "", EventJson(result.events[i], hoursEast[i]).c_str());
  std::printf("]\n");
  return 0;
}

}  // namespace vostrane::batch
