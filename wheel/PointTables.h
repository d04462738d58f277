// SPDX-License-Identifier: GPL-3.0-or-later
// The smaller tables of the wheel page: the further points (the other node,
// the parts, Vertex, East point, sidereal time, GMT, delta T, ayanamsa), the
// counts of points by element and mode, and the declination parallels.
#pragma once

#include <string>
#include <vector>

#include "wheel/WheelPage.h"

namespace vostrane {

// ---- Further points (offset 24, placed at 402) ----------------------------

struct FurtherPoint {
  std::string label;
  enum class Format { Longitude, Time, Angle } format = Format::Longitude;
  double value = 0;  // degrees, or hours for times
};
// The rows of the table for the inner chart.
std::vector<FurtherPoint> FurtherPoints(const WheelPage& page);
// Draws the framed table, 0.283 W wide, moved left to stay on the page.
PageBox DrawFurtherPointsTable(const WheelPage& page);

// ---- Elements and modes (offset 28, placed at 398) -----------------------

// Counts [row][column]: rows fire, earth, air, water (sign mod 4), then
// cardinal, fixed, mutable (sign mod 3); columns points 0-9, points 13-17
// and the Ascendant.
using ElementCounts = std::array<std::array<int, 3>, 7>;
ElementCounts CountElements(const RingChart& ring);
// Draws the framed counts with the column headings written downwards
// below the frame; the box takes in the headings.
PageBox DrawElementsTable(const WheelPage& page);

// ---- Declination parallels (offset 25, boxes at 322, capacities at 342) --

struct Parallel {
  int a = 0, b = 0;
  bool contra = false;  // declinations of opposite signs
};
// Pairs a < b (a up to 18, b up to 19) of points that take part in aspects
// in ring 1 (the Part of Fortune never does here) whose absolute
// declinations differ by 1 degree or less.
std::vector<Parallel> FindParallels(const WheelPage& page);

// What one box received: its place, columns and the list entries it shows.
struct ParallelBox {
  int box = 0;  // 0..4
  int columns = 1;
  int first = 0, count = 0;  // slice of the list
  PageBox area;
};
// Fills the boxes in order: a box whose capacity is smaller than what is
// left of the list takes two columns, and the rest goes on to the next box.
std::vector<ParallelBox> DrawParallelsTable(const WheelPage& page);

}  // namespace vostrane
