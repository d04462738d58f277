// SPDX-License-Identifier: GPL-3.0-or-later
// The point range letters of the page tables: a letter 'A' to 'O' names one
// or two runs of wheel points (0..17) that a position or legend table lists.
#pragma once

#include <vector>

namespace vostrane {

struct PointRun {
  int first = 0;
  int last = -1;  // inclusive; last < first for no run
};

// The runs of a range letter, in order; empty for a letter outside 'A'..'O':
//   A 0-17    B 0-10,13-17   C 0-10,13-16   D 0-10,17   E 0-12
//   F 0-10    G 0-9,11-12    H 0-9          I 10-17     J 13-17
//   K 13-16   L 13-15        M 16-17        N 11-12     O 17
std::vector<PointRun> RangeRuns(char letter);

// Every point of the letter's runs, in run order.
std::vector<int> RangePoints(char letter);

}  // namespace vostrane
