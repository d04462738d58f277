// SPDX-License-Identifier: GPL-3.0-or-later
// The aspect grids of the wheel page: tables in which every pair of chart
// points has a cell with the aspects between them (glyphs or short names),
// the orb of the first with its applying or separating mark, and the
// angular distance of the two points. A single wheel gets a triangle of
// its points among themselves, a bi- or tri-wheel a rectangle of the inner
// chart's points against those of the second chart.
#pragma once

#include <vector>

#include "wheel/WheelPage.h"

namespace vostrane {

// The settings of grid n (1 or 2) from the per-grid pairs at 439 to 452.
struct GridSettings {
  char glyphs = 'N';         // 439: 'N' none, 'B' glyphs and short names, else glyphs
  bool orbs = false;         // 441 'Y'
  bool distances = false;    // 443 'Y'
  char points = 'A';         // 445: 'A'..'D'
  bool frame = false;        // 447 'Y'
  bool rightToLeft = false;  // 449 'Y', single wheels only
  bool repeat = false;       // 451 'Y'
  int Items() const { return (glyphs != 'N') + orbs + distances; }
};
GridSettings ReadGridSettings(const WheelDefinition& def, int grid, bool multiWheel);

// The first list F (across the page) and the second list S (down the page)
// of a point letter; both empty for a letter outside 'A'..'D'.
void GridPointLists(char letter, bool multiWheel, std::vector<int>& across, std::vector<int>& down);

// The geometry of a grid (device pixels).
struct GridLayout {
  bool drawn = false;
  int areaLeft = 0, areaTop = 0, areaRight = 0, areaBottom = 0;  // the area
  int l = 0, t = 0, r = 0, b = 0;                                // after the margins and the cell fit
  int cellWidth = 0, cellHeight = 0;                             // cell size
  int frameInset = 0;                                            // u when the frame is doubled, else 0
  std::vector<int> across, down;                                 // F and S
  bool single = true;
  bool rightToLeft = false;
  // Whether the cell of the k-th point of F (k from 1) and the j-th point of
  // S (j from 0) exists.
  bool CellExists(int k, int j) const;
  // The visual column and row a cell is drawn in (turned for right-to-left).
  int VisualColumn(int k) const { return rightToLeft ? static_cast<int>(across.size()) + 1 - k : k; }
  int VisualRow(int j) const { return rightToLeft ? static_cast<int>(down.size()) - 1 - j : j; }
  int CellCount() const;
  int frameInsetDown = 0;  // round(frameInset k), the frame inset downwards
};
GridLayout ComputeGridLayout(const WheelPage& page, int grid);

// One drawn cell, for checks: its point pair and the items it shows.
struct GridCell {
  int k = 0, j = 0;  // column (from 1) and row (from 0) before turning
  int a = 0, b = 0;  // the points
  int aspects = 0;   // aspects listed
  bool orb = false, distance = false;
};

// DrawAspectGrid: draws grid 1 or 2 of the page when its point letter names
// points and its cells have at least one item (whether the style shows the
// grid at all, offsets 437 and 438, is the page assembly's question).
// Returns the layout and the cells drawn.
GridLayout DrawAspectGrid(const WheelPage& page, int grid, std::vector<GridCell>* cells = nullptr);

}  // namespace vostrane
