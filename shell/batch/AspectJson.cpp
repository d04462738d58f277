// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/AspectJson.h"

#include "platform/FileSystem.h"
#include "shell/batch/JsonWriter.h"
#include "wheel/ChartAspects.h"
#include "wheel/PageNames.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane::batch {

std::string AspectDumpMembers(const ChartEntry& entry) {
  // A folder without the wheel files (a bare session folder) has no aspects
  // to tell; a damaged file is named by its reader.
  if (!FileExists(kWheelStyleFileName) || !FileExists(kAspectSetFileName))
    return ", \"aspects\": [], \"patterns\": []";
  WheelDefinition def;
  WheelStyleFile styles;
  if (styles.Open()) styles.Read(kDefaultPrintoutCode, 'R', def);
  AspectTables tables;
  LoadAspectSet(tables, def, kDefaultPrintoutCode);
  const ChartAspects found = ComputeChartAspects(tables, def, entry);
  const PageNames names = DefaultPageNames();
  auto nameOf = [&](int point) { return JsonString(names.PointName(point)); };
  std::string aspects;
  for (const ListedAspect& l : found.aspects) {
    aspects += aspects.empty() ? "" : ", ";
    aspects += "{\"a\": " + nameOf(l.a.point) + ", \"b\": " + nameOf(l.b.point) +
               ", \"aspect\": " + JsonNumber(l.angle) + ", \"orb\": " + JsonNumber(l.orb) +
               ", \"applying\": " + (l.applying ? "true" : "false") +
               ", \"declination\": " + (l.InDeclination() ? "true" : "false") +
               ", \"exact\": " + (l.exact ? "true" : "false") +
               ", \"partile\": " + (l.partile ? "true" : "false") + "}";
  }
  std::string patterns;
  for (const AspectPattern& p : found.patterns) {
    std::string points;
    for (int point : p.points) points += (points.empty() ? "" : ", ") + nameOf(point);
    patterns += patterns.empty() ? "" : ", ";
    patterns += "{\"kind\": " + JsonString(PatternName(p.kind)) + ", \"points\": [" + points + "]";
    if (!p.where.empty()) patterns += ", \"where\": " + JsonString(p.where);
    patterns += "}";
  }
  return ", \"aspects\": [" + aspects + "], \"patterns\": [" + patterns + "]";
}

}  // namespace vostrane::batch
