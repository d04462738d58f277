// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/dstgen/ZoneHistory.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace vostrane::tz {
namespace {

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int Weekday(int64_t days) { return static_cast<int>(((days % 7) + 11) % 7); }  // 1970-01-01: Thursday

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int MonthLength(int64_t y, int m) {
  static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : lengths[m - 1];
}

int64_t DayOf(int64_t year, int month, const DaySpec& d) {
  switch (d.kind) {
    case DaySpec::Kind::Fixed: return DaysFromCivil(year, month, d.day);
    case DaySpec::Kind::Last: {
      const int64_t last = DaysFromCivil(year, month, MonthLength(year, month));
      return last - ((Weekday(last) - d.weekday + 7) % 7);
    }
    case DaySpec::Kind::OnOrAfter: {
      const int64_t from = DaysFromCivil(year, month, d.day);
      return from + ((d.weekday - Weekday(from) + 7) % 7);
    }
    case DaySpec::Kind::OnOrBefore: {
      const int64_t from = DaysFromCivil(year, month, d.day);
      return from - ((Weekday(from) - d.weekday + 7) % 7);
    }
  }
  return 0;
}

// Local seconds (the clock the time is given in) of a day and a time.
int64_t LocalSeconds(int64_t days, const ClockAt& at) { return days * 86400 + at.seconds; }

// Universal Time of a moment given in clock `at.clock` under a standard
// offset and a saving.
int64_t ToUtc(int64_t local, char clock, int stdoff, int save) {
  if (clock == 'u') return local;
  if (clock == 's') return local - stdoff;
  return local - stdoff - save;
}

std::string OffsetText(int utoff) {
  const char sign = utoff < 0 ? '-' : '+';
  const int a = std::abs(utoff);
  const int h = a / 3600, m = a / 60 % 60, s = a % 60;
  char buf[16];
  if (s) std::snprintf(buf, sizeof buf, "%c%02d%02d%02d", sign, h, m, s);
  else if (m) std::snprintf(buf, sizeof buf, "%c%02d%02d", sign, h, m);
  else std::snprintf(buf, sizeof buf, "%c%02d", sign, h);
  return buf;
}

std::string Abbreviation(const std::string& format, const std::string& letter, int save, int utoff) {
  const size_t slash = format.find('/');
  if (slash != std::string::npos) return save != 0 ? format.substr(slash + 1) : format.substr(0, slash);
  std::string out = format;
  if (const size_t s = out.find("%s"); s != std::string::npos) out.replace(s, 2, letter);
  if (const size_t z = out.find("%z"); z != std::string::npos) out.replace(z, 2, OffsetText(utoff));
  return out;
}

struct RuleMoment {
  int64_t local;  // seconds in the rule's clock
  char clock;
  int save;
  std::string letter;
};

std::vector<RuleMoment> Expand(const std::vector<Rule>& rules, int lastYear) {
  std::vector<RuleMoment> out;
  for (const Rule& r : rules) {
    const int from = std::max(r.from, 1600);
    const int to = std::min(r.to, lastYear + 1);
    for (int y = from; y <= to; ++y) {
      out.push_back({LocalSeconds(DayOf(y, r.month, r.on), r.at), r.at.clock, r.save, r.letter});
    }
  }
  // Rules of one set never fall within hours of each other, so the order of
  // their own clock times is their order in time.
  std::stable_sort(out.begin(), out.end(),
                   [](const RuleMoment& a, const RuleMoment& b) { return a.local < b.local; });
  return out;
}

int64_t UntilUtc(const Until& u, int stdoff, int save) {
  return ToUtc(LocalSeconds(DayOf(u.year, u.month, u.day), u.at), u.at.clock, stdoff, save);
}

class HistoryBuilder {
 public:
  void Add(int64_t utc, int utoff, int save, const std::string& abbreviation) {
    Transition t{utc, utoff, save, abbreviation};
    // A change at the same moment replaces the one before it.
    while (!out_.empty() && out_.back().utc >= utc) out_.pop_back();
    if (!out_.empty() && out_.back().SameState(t)) return;
    out_.push_back(t);
  }
  std::vector<Transition> Take() { return std::move(out_); }

 private:
  std::vector<Transition> out_;
};

}  // namespace

int64_t DaysFromCivil(int64_t y, int m, int64_t d) {
  // Counted from 1 March so that the leap day comes last.
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + (d - 1);
}

CivilTime CivilFromSeconds(int64_t seconds) {
  const int64_t days = FloorDiv(seconds, 86400);
  const int64_t rest = seconds - days * 86400;
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  CivilTime c;
  c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  c.year = yoe + era * 400 + (c.month <= 2);
  c.hour = static_cast<int>(rest / 3600);
  c.minute = static_cast<int>(rest / 60 % 60);
  c.second = static_cast<int>(rest % 60);
  return c;
}

std::vector<Transition> ZoneHistory(const Source& source, const std::string& zone, int lastYear) {
  const auto found = source.zones.find(zone);
  if (found == source.zones.end()) throw std::runtime_error("unknown zone " + zone);
  HistoryBuilder history;
  int64_t start = kBeginningOfTime;
  for (const ZoneLine& line : found->second) {
    const int stdoff = line.stdoff;
    if (line.rules != ZoneLine::Rules::Named) {
      const int save = line.rules == ZoneLine::Rules::Fixed ? line.fixedSave : 0;
      history.Add(start, stdoff + save, save, Abbreviation(line.format, "", save, stdoff + save));
      if (!line.until) break;
      start = UntilUtc(*line.until, stdoff, save);
      continue;
    }
    const auto rules = source.rules.find(line.ruleName);
    if (rules == source.rules.end()) throw std::runtime_error("unknown rule " + line.ruleName);
    const std::vector<RuleMoment> moments = Expand(rules->second, lastYear);

    // The saving in force when the line starts: that of the last rule
    // moment at or before the start. Without one, no saving, and the letter
    // of the first rule without saving.
    int save = 0;
    std::optional<std::string> letter;
    size_t next = 0;
    for (; next < moments.size(); ++next) {
      const RuleMoment& m = moments[next];
      if (start == kBeginningOfTime || ToUtc(m.local, m.clock, stdoff, save) > start) break;
      save = m.save;
      letter = m.letter;
    }
    if (!letter) {
      letter = "";
      for (size_t i = next; i < moments.size(); ++i) {
        if (moments[i].save == 0) {
          letter = moments[i].letter;
          break;
        }
      }
    }
    history.Add(start, stdoff + save, save, Abbreviation(line.format, *letter, save, stdoff + save));

    for (; next < moments.size(); ++next) {
      const RuleMoment& m = moments[next];
      const int64_t utc = ToUtc(m.local, m.clock, stdoff, save);
      if (line.until && utc >= UntilUtc(*line.until, stdoff, save)) break;
      save = m.save;
      history.Add(utc, stdoff + save, save, Abbreviation(line.format, m.letter, save, stdoff + save));
    }
    if (!line.until) break;
    start = UntilUtc(*line.until, stdoff, save);
  }
  return history.Take();
}

}  // namespace vostrane::tz
