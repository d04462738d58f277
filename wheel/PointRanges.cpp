// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PointRanges.h"

namespace vostrane {

std::vector<PointRun> RangeRuns(char letter) {
  switch (letter) {
    case 'A': return {{0, 17}};
    case 'B': return {{0, 10}, {13, 17}};
    case 'C': return {{0, 10}, {13, 16}};
    case 'D': return {{0, 10}, {17, 17}};
    case 'E': return {{0, 12}};
    case 'F': return {{0, 10}};
    case 'G': return {{0, 9}, {11, 12}};
    case 'H': return {{0, 9}};
    case 'I': return {{10, 17}};
    case 'J': return {{13, 17}};
    case 'K': return {{13, 16}};
    case 'L': return {{13, 15}};
    case 'M': return {{16, 17}};
    case 'N': return {{11, 12}};
    case 'O': return {{17, 17}};
    default: return {};
  }
}

std::vector<int> RangePoints(char letter) {
  std::vector<int> points;
  for (const PointRun& run : RangeRuns(letter))
    for (int p = run.first; p <= run.last; ++p) points.push_back(p);
  return points;
}

}  // namespace vostrane
