// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/TimelineArgs.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "astro/TimeScales.h"
#include "common/Calendar.h"
#include "shell/batch/BirthFields.h"

namespace vostrane::batch {
namespace {

std::optional<double> ParseDate(const std::string& text) {
  int m = 0, d = 0, y = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%d/%d/%d%c", &m, &d, &y, &tail) != 3 &&
      std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3)
    return std::nullopt;
  if (y < 1000 || y > 2999 || !IsNewStyleDate(m, d, y)) return std::nullopt;
  return GregorianJulDay(m, d, y);
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');)
    if (!item.empty()) items.push_back(item);
  return items;
}

}  // namespace

std::optional<std::string> ParseTimelineArgs(const Args& args, size_t positional, TimelineRequest& r) {
  size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) != 0; ++i) r.positional.push_back(args[i]);
  if (r.positional.size() != positional)
    return "expected " + std::to_string(positional) + " arguments before the options";
  const auto base = ParseInt(r.positional[0]);
  const auto from = ParseDate(r.positional[1]), to = ParseDate(r.positional[2]);
  if (!base || *base < 1) return "the base entry must be a number of 1 or more";
  if (!from || !to) return "FROM and TO must be dates (MM/DD/YYYY or YYYY-MM-DD)";
  r.base = *base;
  r.options.fromJd = *from;
  r.options.toJd = *to + 1;
  if (*to < *from) return "TO lies before FROM";
  if (*to - *from > 100 * 365.25) return "the period may be at most 100 years";
  for (; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--csv") {
      r.csv = true;
      continue;
    }
    if (option == "--cusps") {
      r.options.cusps = true;
      continue;
    }
    if (i + 1 >= args.size()) return option + " needs a value";
    const std::string& value = args[++i];
    if (option == "--kinds") {
      std::fill(std::begin(r.options.kinds), std::end(r.options.kinds), false);
      for (const std::string& name : SplitList(value)) {
        EventKind k;
        if (!EventKindOfName(name, k)) return "unknown event kind '" + name + "'";
        r.options.kinds[static_cast<int>(k)] = true;
      }
    } else if (option == "--aspects") {
      r.options.aspects.clear();
      for (const std::string& item : SplitList(value)) {
        const auto a = ParseNumber(item);
        if (!a || *a < 0 || *a > 180) return "an aspect is an angle of 0 to 180 degrees";
        r.options.aspects.push_back(*a);
      }
      r.aspectsGiven = true;
    } else if (option == "--orb") {
      const auto orb = ParseNumber(value);
      if (!orb || *orb < 0 || *orb > 15) return "--orb must be 0 to 15 degrees";
      r.options.orb = *orb;
    } else if (option == "--bodies") {
      for (const std::string& name : SplitList(value)) {
        const int p = TimelinePointOfName(name);
        if (p < 0 || p >= kFirstCuspPoint) return "unknown body '" + name + "'";
        r.options.bodies.push_back(p);
      }
    } else if (option == "--place") {
      const auto n = ParseInt(value);
      if (!n || *n < 1) return "--place needs an entry number";
      r.placeEntry = *n;
    } else if (option == "--modulus") {
      const auto m = ParseNumber(value);
      if (!m || (*m != 360 && *m != 90 && *m != 45 && *m != 30))
        return "--modulus must be 360, 90, 45 or 30";
      r.modulus = *m;
    } else {
      return "unknown option " + option;
    }
  }
  return std::nullopt;
}

}  // namespace vostrane::batch
