// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/dstgen/TzSource.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace vostrane::tz {
namespace {

const char* const kMonths[] = {"january", "february", "march",     "april",   "may",      "june",
                               "july",    "august",   "september", "october", "november", "december"};
const char* const kWeekdays[] = {"sunday",   "monday", "tuesday", "wednesday",
                                 "thursday", "friday", "saturday"};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The index of the one name the word abbreviates; -1 when none or several.
int Abbreviates(const std::string& word, const char* const* names, int count) {
  const std::string w = Lower(word);
  if (w.empty()) return -1;
  int found = -1;
  for (int i = 0; i < count; ++i) {
    const std::string name = names[i];
    if (name == w) return i;
    if (name.compare(0, w.size(), w) == 0) {
      if (found >= 0) return -1;
      found = i;
    }
  }
  return found;
}

bool IsPrefixOf(const std::string& word, const std::string& keyword) {
  const std::string w = Lower(word);
  return !w.empty() && keyword.compare(0, w.size(), w) == 0;
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::runtime_error("tzdata line " + std::to_string(line) + ": " + what);
}

int Month(const std::string& word, int line) {
  const int m = Abbreviates(word, kMonths, 12);
  if (m < 0) Fail(line, "bad month \"" + word + "\"");
  return m + 1;
}

int Weekday(const std::string& word, int line) {
  const int d = Abbreviates(word, kWeekdays, 7);
  if (d < 0) Fail(line, "bad weekday \"" + word + "\"");
  return d;
}

int Number(const std::string& word, int line) {
  try {
    size_t used = 0;
    const int n = std::stoi(word, &used);
    if (used != word.size()) Fail(line, "bad number \"" + word + "\"");
    return n;
  } catch (const std::logic_error&) {
    Fail(line, "bad number \"" + word + "\"");
  }
}

DaySpec Day(const std::string& word, int line) {
  DaySpec d;
  if (Lower(word).rfind("last", 0) == 0) {
    d.kind = DaySpec::Kind::Last;
    d.weekday = Weekday(word.substr(4), line);
    return d;
  }
  for (const char* op : {">=", "<="}) {
    const size_t at = word.find(op);
    if (at == std::string::npos) continue;
    d.kind = op[0] == '>' ? DaySpec::Kind::OnOrAfter : DaySpec::Kind::OnOrBefore;
    d.weekday = Weekday(word.substr(0, at), line);
    d.day = Number(word.substr(at + 2), line);
    return d;
  }
  d.day = Number(word, line);
  return d;
}

// A time with an optional clock letter: w (wall), s (standard), u g z (UT);
// SAVE values may carry s or d (standard or daylight), which do not matter
// here.
ClockAt Clock(std::string word, int line) {
  ClockAt at;
  if (!word.empty() && std::isalpha(static_cast<unsigned char>(word.back()))) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(word.back())));
    word.pop_back();
    if (c == 'w' || c == 'd') at.clock = 'w';
    else if (c == 's') at.clock = 's';
    else if (c == 'u' || c == 'g' || c == 'z') at.clock = 'u';
    else Fail(line, "bad time suffix in \"" + word + "\"");
  }
  try {
    at.seconds = ParseOffset(word);
  } catch (const std::runtime_error&) {
    Fail(line, "bad time \"" + word + "\"");
  }
  return at;
}

Until ParseUntil(const std::vector<std::string>& w, size_t from, int line) {
  Until u;
  u.year = Number(w[from], line);
  if (w.size() > from + 1) u.month = Month(w[from + 1], line);
  if (w.size() > from + 2) u.day = Day(w[from + 2], line);
  if (w.size() > from + 3) u.at = Clock(w[from + 3], line);
  return u;
}

bool LooksLikeAmount(const std::string& word) {
  if (word.empty()) return false;
  const size_t i = word[0] == '-' ? 1 : 0;
  return i < word.size() && std::isdigit(static_cast<unsigned char>(word[i]));
}

ZoneLine ParseZoneLine(const std::vector<std::string>& w, size_t from, int line) {
  if (w.size() < from + 3) Fail(line, "short zone line");
  ZoneLine z;
  z.stdoff = Clock(w[from], line).seconds;
  const std::string& rules = w[from + 1];
  if (rules == "-") {
    z.rules = ZoneLine::Rules::None;
  } else if (LooksLikeAmount(rules)) {
    z.rules = ZoneLine::Rules::Fixed;
    z.fixedSave = Clock(rules, line).seconds;
  } else {
    z.rules = ZoneLine::Rules::Named;
    z.ruleName = rules;
  }
  z.format = w[from + 2];
  if (w.size() > from + 3) z.until = ParseUntil(w, from + 3, line);
  return z;
}

Rule ParseRule(const std::vector<std::string>& w, int line) {
  if (w.size() < 10) Fail(line, "short rule line");
  Rule r;
  if (IsPrefixOf(w[2], "minimum")) r.from = -100000;
  else r.from = Number(w[2], line);
  if (IsPrefixOf(w[3], "only")) r.to = r.from;
  else if (IsPrefixOf(w[3], "maximum")) r.to = 100000;
  else r.to = Number(w[3], line);
  r.month = Month(w[5], line);
  r.on = Day(w[6], line);
  r.at = Clock(w[7], line);
  r.save = Clock(w[8], line).seconds;
  r.letter = w[9] == "-" ? "" : w[9];
  return r;
}

}  // namespace

int ParseOffset(const std::string& word) {
  if (word == "-") return 0;
  std::string s = word;
  int sign = 1;
  if (!s.empty() && s[0] == '-') {
    sign = -1;
    s.erase(0, 1);
  }
  int parts[3] = {0, 0, 0};
  int n = 0;
  std::string field;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == ':') {
      if (field.empty() || n >= 3) throw std::runtime_error("bad time");
      // Fractions of a second are dropped.
      const size_t dot = field.find('.');
      const std::string whole = field.substr(0, dot);
      for (char c : whole) {
        if (!std::isdigit(static_cast<unsigned char>(c))) throw std::runtime_error("bad time");
      }
      parts[n++] = whole.empty() ? 0 : std::stoi(whole);
      field.clear();
    } else {
      field += s[i];
    }
  }
  return sign * (parts[0] * 3600 + parts[1] * 60 + parts[2]);
}

std::optional<std::string> Source::Resolve(const std::string& name) const {
  std::string current = name;
  for (int hops = 0; hops < 16; ++hops) {
    if (zones.count(current)) return current;
    const auto link = links.find(current);
    if (link == links.end()) return std::nullopt;
    current = link->second;
  }
  return std::nullopt;
}

Source ParseSource(const std::string& text) {
  Source src;
  std::istringstream in(text);
  std::string raw;
  int line = 0;
  std::vector<ZoneLine>* zone = nullptr;
  while (std::getline(in, raw)) {
    ++line;
    if (raw.rfind("# version ", 0) == 0) src.version = raw.substr(10);
    const size_t hash = raw.find('#');
    if (hash != std::string::npos) raw.erase(hash);
    std::istringstream words(raw);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty()) continue;
    if (IsPrefixOf(w[0], "rule") && w[0].size() <= 4 && !LooksLikeAmount(w[0])) {
      src.rules[w[1]].push_back(ParseRule(w, line));
      zone = nullptr;
    } else if (IsPrefixOf(w[0], "zone") && w[0].size() <= 4) {
      if (w.size() < 2) Fail(line, "zone without a name");
      zone = &src.zones[w[1]];
      if (!zone->empty()) Fail(line, "zone " + w[1] + " given twice");
      zone->push_back(ParseZoneLine(w, 2, line));
      if (!zone->back().until) zone = nullptr;
    } else if (IsPrefixOf(w[0], "link") && w[0].size() <= 4) {
      if (w.size() < 3) Fail(line, "short link line");
      src.links[w[2]] = w[1];
      zone = nullptr;
    } else if (zone) {
      zone->push_back(ParseZoneLine(w, 0, line));
      if (!zone->back().until) zone = nullptr;
    } else {
      Fail(line, "unexpected line");
    }
  }
  return src;
}

}  // namespace vostrane::tz
