// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/OuterPlanetFiles.h"

#include <algorithm>
#include <cmath>

namespace vostrane {

int64_t OuterNodeDay(double nodeJd) {
  // A day far beyond every file (from a damaged entry) is held at a bound
  // that still names no file, so that the conversion stays defined and the
  // missing file is reported.
  constexpr double kFarDay = 1e14;
  if (std::isnan(nodeJd)) nodeJd = -kFarDay;
  return static_cast<int64_t>(std::trunc(std::clamp(nodeJd, -kFarDay, kFarDay)));
}

int OuterFileNumber(double nodeJd) {
  const int64_t day = OuterNodeDay(nodeJd);
  // Floor division: JD -79 lies in file -1.
  int64_t q = day / kOuterDaysPerFile;
  if (day % kOuterDaysPerFile < 0) --q;
  return static_cast<int>(q);
}

std::string OuterFileName(const std::string& prefix, int number) {
  if (number < 0) return prefix + "M" + std::to_string(-static_cast<int64_t>(number));
  return prefix + std::to_string(number);
}

int64_t OuterNodeIndex(double nodeJd, int width) {
  const int64_t offset = OuterNodeDay(nodeJd) -
                         static_cast<int64_t>(kOuterDaysPerFile) * OuterFileNumber(nodeJd);
  return (offset / kOuterNodeStep) * width;
}

double OuterNodeJd(int number, int n) {
  return (static_cast<double>(number) * kOuterNodesPerFile + n) * kOuterNodeStep + 0.5;
}

}  // namespace vostrane
