// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/Regions.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "common/NumberedLines.h"

namespace vostrane::atlasgen {

Regions ParseRegions(const std::string& text) {
  Regions r;
  std::istringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines, '#');
  for (NumberedLine line; lines.Next(line);) {
    std::vector<std::string> f;
    std::istringstream fields(line.text);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    auto fail = [&] {
      throw std::runtime_error("regions line " + std::to_string(line.number) + ": " + line.text);
    };
    if (f[0] == "C" && f.size() == 5 && f[2].size() == 3) {
      r.countries[f[1]] = Country{f[2], f[3], f[4]};
    } else if (f[0] == "S" && f.size() == 4 && f[2].size() == 3) {
      r.usStates[f[1]] = State{f[2], f[1]};
    } else if (f[0] == "P" && f.size() == 4) {
      r.canadianProvinces[f[1]] = f[2];
    } else {
      fail();
    }
  }
  for (const auto& [postal, state] : r.usStates) {
    for (const auto& [alpha2, country] : r.countries) {
      if (country.alpha3 == state.code3) {
        throw std::runtime_error("state code " + state.code3 + " is also the code of " + country.name);
      }
    }
  }
  return r;
}

}  // namespace vostrane::atlasgen
