// SPDX-License-Identifier: GPL-3.0-or-later
// The rules, zones and links of the IANA time zone database in the compact
// source form "tzdata.zi" (the form the zic compiler reads, with its
// keywords abbreviated): "R" rule lines, "Z" zone lines with their
// continuation lines, and "L" links.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vostrane::tz {

// A day of a month: a fixed day, the last given weekday of the month, or
// the first given weekday on or after / on or before a day.
struct DaySpec {
  enum class Kind { Fixed, Last, OnOrAfter, OnOrBefore };
  Kind kind = Kind::Fixed;
  int day = 1;
  int weekday = 0;  // 0 Sunday .. 6 Saturday
};

// A time of day and the clock it is given in: 'w' wall clock, 's' standard
// time of the zone, 'u' Universal Time.
struct ClockAt {
  int seconds = 0;
  char clock = 'w';
};

struct Rule {
  int from = 0;
  int to = 0;
  int month = 1;
  DaySpec on;
  ClockAt at;
  int save = 0;        // seconds
  std::string letter;  // what %s stands for ("" for "-")
};

struct Until {
  int year = 0;
  int month = 1;
  DaySpec day;
  ClockAt at;
};

struct ZoneLine {
  int stdoff = 0;  // seconds east of Greenwich
  enum class Rules { None, Fixed, Named } rules = Rules::None;
  int fixedSave = 0;
  std::string ruleName;
  std::string format;
  std::optional<Until> until;  // none on the last line
};

struct Source {
  std::string version;
  std::map<std::string, std::vector<Rule>> rules;
  std::map<std::string, std::vector<ZoneLine>> zones;
  std::map<std::string, std::string> links;  // link name -> target

  // The zone a name stands for, following links; nullopt when unknown.
  std::optional<std::string> Resolve(const std::string& name) const;
};

// Parses the text of a tzdata.zi file. Throws std::runtime_error with the
// line number on a line it cannot read.
Source ParseSource(const std::string& text);

// Seconds of a signed time "h[:mm[:ss]]" ("-" is 0), without a clock letter.
int ParseOffset(const std::string& word);

}  // namespace vostrane::tz
