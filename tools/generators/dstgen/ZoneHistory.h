// SPDX-License-Identifier: GPL-3.0-or-later
// The history of one zone: the moments (Universal Time) at which its UT
// offset, daylight saving or abbreviation changed, computed from its zone
// lines and rules as the zic compiler does.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tools/generators/dstgen/TzSource.h"

namespace vostrane::tz {

inline constexpr int64_t kBeginningOfTime = std::numeric_limits<int64_t>::min();

struct Transition {
  int64_t utc = kBeginningOfTime;  // seconds since 1970-01-01 00:00 UT
  int utoff = 0;                   // seconds east of Greenwich, saving included
  int save = 0;                    // seconds of daylight saving in utoff
  std::string abbreviation;

  bool SameState(const Transition& o) const {
    return utoff == o.utoff && save == o.save && abbreviation == o.abbreviation;
  }
};

// The zone's states in time order. The first holds from the beginning of
// time (its utc is kBeginningOfTime); each later one from its moment on.
// Rule years beyond `lastYear` + 1 are not expanded.
std::vector<Transition> ZoneHistory(const Source& source, const std::string& zone, int lastYear);

// Days since 1970-01-01 of a proleptic Gregorian date (the day may lie
// outside the month; it is counted on from the month's first day).
int64_t DaysFromCivil(int64_t year, int month, int64_t day);
struct CivilTime {
  int64_t year;
  int month, day, hour, minute, second;
};
CivilTime CivilFromSeconds(int64_t seconds);

}  // namespace vostrane::tz
