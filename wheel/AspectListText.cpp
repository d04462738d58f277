// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectListText.h"

#include <cmath>
#include <cstdio>

namespace vostrane {

std::string AspectNameOf(const AspectTables& tables, const ListedAspect& aspect,
                         const PageNames& names) {
  if (aspect.aspect == kParallelAspect) return "Parallel";
  if (aspect.aspect == kContraparallelAspect) return "Contraparallel";
  const AspectKind kind = AspectKindOf(tables, aspect.aspect);
  if (kind.code != kOtherAspectKind && !PageNames::At(names.aspectKinds, kind.code).empty())
    return PageNames::At(names.aspectKinds, kind.code);
  return tables.set.ShortName(aspect.aspect);
}

std::string OrbText(double orb) {
  const long minutes = std::lround(std::fabs(orb) * 60.0);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld\xb0%02ld'", minutes / 60,
                minutes % 60);  // degree sign in Windows-1252
  return buf;
}

std::vector<AspectListRow> AspectListRows(const AspectTables& tables,
                                          const std::vector<ListedAspect>& aspects,
                                          const PageNames& names) {
  std::vector<AspectListRow> rows;
  for (const ListedAspect& l : aspects) {
    AspectListRow row;
    row[kFirstPoint] = names.PointName(l.a.point);
    row[kAspectName] = AspectNameOf(tables, l, names);
    row[kSecondPoint] = names.PointName(l.b.point);
    row[kOrb] = OrbText(l.orb);
    row[kMotion] = l.applying ? "applying" : "separating";
    row[kExactness] = l.exact ? "exact" : l.partile ? "partile" : "";
    rows.push_back(row);
  }
  return rows;
}

std::string PatternText(const AspectPattern& pattern, const PageNames& names) {
  std::string text = PatternName(pattern.kind);
  if (pattern.where.rfind("sign ", 0) == 0) {
    text += " in " + PageNames::At(names.signs, std::stoi(pattern.where.substr(5)));
  } else if (pattern.where.rfind("house ", 0) == 0) {
    const int h = std::stoi(pattern.where.substr(6));
    const char* suffix = h == 1 ? "st" : h == 2 ? "nd" : h == 3 ? "rd" : "th";
    text += " in the " + std::to_string(h) + suffix + " house";
  }
  text += ":";
  for (size_t i = 0; i < pattern.points.size(); ++i)
    text += (i ? ", " : " ") + names.PointName(pattern.points[i]);
  return text;
}

}  // namespace vostrane
