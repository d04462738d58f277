// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel page on a sideways sheet: the wheel stands at the left, as high
// as the sheet allows, and the other items (headers, tables, legends, grids,
// the credit line), laid out as on the upright page at the same sizes, are
// moved into the column right of it; the page room then settles what would
// still meet.
#pragma once

#include <vector>

#include "wheel/DrawingSurface.h"
#include "wheel/PageMetrics.h"

namespace vostrane {

// An item's bounds in device pixels.
struct ItemBounds {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  int Width() const { return x1 - x0; }
  int Height() const { return y1 - y0; }
};

// The bounds of drawn primitives (all zero when there are none).
ItemBounds BoundsOf(const std::vector<PageItem>& items);

// The narrowest column right of the wheel that may hold the items: as wide
// as the widest with a gap on either side, and as the items' area (with
// their gaps) over the usable height; at least a quarter and at most three
// quarters of the usable width.
int SidewaysColumnWidth(const PageMetrics& sheet, const std::vector<ItemBounds>& items);

// The offset that takes an item laid out upright (bounds `upright`) into
// the column: its top-left corner goes to the same share of the column's
// width and height as it had of the upright usable area, and the item is
// kept inside the column (inside the sheet's usable area when it is wider).
Point SidewaysItemOffset(const PageMetrics& sheet, const ItemBounds& column, const ItemBounds& upright);

}  // namespace vostrane
