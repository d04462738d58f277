// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/SidewaysPage.h"

#include <algorithm>
#include <cmath>

namespace vostrane {

ItemBounds BoundsOf(const std::vector<PageItem>& items) {
  ItemBounds b;
  bool any = false;
  for (const PageItem& it : items) {
    if (it.x1 <= it.x0 && it.y1 <= it.y0) continue;
    if (!any) b = {it.x0, it.y0, it.x1, it.y1};
    b = {std::min(b.x0, it.x0), std::min(b.y0, it.y0), std::max(b.x1, it.x1), std::max(b.y1, it.y1)};
    any = true;
  }
  return b;
}

int SidewaysColumnWidth(const PageMetrics& sheet, const std::vector<ItemBounds>& items) {
  const int gap = std::max(1, sheet.halfLine);
  int widest = 0;
  double area = 0;
  for (const ItemBounds& b : items) {
    widest = std::max(widest, b.Width() + 2 * gap);
    area += double(b.Width() + gap) * (b.Height() + gap);
  }
  const int byArea = static_cast<int>(area / std::max(1, sheet.height));
  return std::clamp(std::max(widest, byArea), sheet.width / 4, sheet.width * 3 / 4);
}

Point SidewaysItemOffset(const PageMetrics& sheet, const ItemBounds& column, const ItemBounds& upright) {
  const PageMetrics::Frame& u = sheet.upright;
  const double across = double(upright.x0 - u.x0) / std::max(1, u.width);
  const double down = double(upright.y0 - u.y0) / std::max(1, u.height);
  int x = column.x0 + static_cast<int>(std::lround(across * column.Width()));
  int y = column.y0 + static_cast<int>(std::lround(down * column.Height()));
  x = std::max(std::min(x, column.x1 - upright.Width()),
               std::min(column.x0, column.x1 - upright.Width()));
  x = std::max(x, sheet.x0);
  y = std::max(std::min(y, column.y1 - upright.Height()), sheet.y0);
  return {x - upright.x0, y - upright.y0};
}

}  // namespace vostrane
