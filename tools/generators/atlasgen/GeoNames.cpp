// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/GeoNames.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>

#include "common/NumberedLines.h"

namespace vostrane::atlasgen {
namespace {

constexpr size_t kFieldCount = 19;
constexpr int kNoDem = -9999;

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> f;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    f.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return f;
    start = tab + 1;
  }
}

template <typename T>
bool ParseNumber(const std::string& s, T& out) {
  if (s.empty()) return false;
  const char* end = s.data() + s.size();
  const auto [p, ec] = std::from_chars(s.data(), end, out);
  return ec == std::errc() && p == end;
}

bool ParseDouble(const std::string& s, double& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size();
}

}  // namespace

std::vector<GeoPlace> ParseGeoNames(const std::string& text, int& rejected) {
  std::vector<GeoPlace> places;
  rejected = 0;
  std::istringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines);
  for (NumberedLine line; lines.Next(line);) {
    const std::vector<std::string> f = SplitTabs(line.text);
    GeoPlace p;
    if (f.size() != kFieldCount || !ParseNumber(f[0], p.id) || !ParseDouble(f[4], p.latitude) ||
        !ParseDouble(f[5], p.longitude) || p.latitude < -90 || p.latitude > 90 || p.longitude < -180 ||
        p.longitude > 180) {
      ++rejected;
      continue;
    }
    p.name = f[1];
    p.asciiName = f[2];
    for (size_t start = 0; start < f[3].size();) {
      const size_t comma = std::min(f[3].find(',', start), f[3].size());
      if (comma > start) p.alternateNames.push_back(f[3].substr(start, comma - start));
      start = comma + 1;
    }
    p.country = f[8];
    p.admin1 = f[10];
    if (!ParseNumber(f[14], p.population)) p.population = 0;
    int metres = 0;
    if (ParseNumber(f[15], metres)) {
      p.hasElevation = true;
      p.elevation = metres;
    } else if (ParseNumber(f[16], metres) && metres != kNoDem) {
      p.hasElevation = true;
      p.elevation = metres;
    }
    p.timezone = f[17];
    p.modified = f[18];
    places.push_back(std::move(p));
  }
  return places;
}

}  // namespace vostrane::atlasgen
