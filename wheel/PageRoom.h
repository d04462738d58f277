// SPDX-License-Identifier: GPL-3.0-or-later
// The room left on a page while its items are placed: what the items drawn
// so far take (boxes, and the discs of the wheel's circles), and where an
// item that would meet them goes instead: the nearest place, moving it
// straight down, up, left or right (or diagonally), where it keeps a gap to
// everything taken and stays on the page.
#pragma once

#include <optional>
#include <vector>

#include "wheel/DrawingSurface.h"
#include "wheel/PageItems.h"

namespace vostrane {

class PageRoom {
 public:
  // The page area items must stay in, the gap kept between items (where
  // there is no room with it, the least gap), and the step an item is moved
  // by while its place is looked for.
  PageRoom(int left, int top, int right, int bottom, int gap, int leastGap, int step);

  // What a drawn item takes: its ellipses as discs (the rings of the wheel
  // and what lies inside them), its other primitives as boxes.
  void Take(const std::vector<PageItem>& items);

  // The offset that moves an item with these primitives to the nearest
  // place where it meets nothing taken; (0, 0) when it is free where it is
  // or when no free place is found.
  Point FreeOffset(const std::vector<PageItem>& items) const;
  // The same, without a value when no free place is found.
  std::optional<Point> FindFreeOffset(const std::vector<PageItem>& items) const;

 private:
  struct Box {
    int x0, y0, x1, y1;
  };
  struct Disc {
    double cx, cy, rx, ry;
  };
  bool Free(const Box& b, int gap) const;
  // Whether the primitives moved by the offset meet nothing taken (the
  // whole box first: an item's empty corners may hold what is taken).
  bool FreeAt(const Box& bounds, const std::vector<Box>& parts, Point offset, int gap) const;
  bool OnPage(const Box& b) const;

  Box page_;
  int gap_, leastGap_, step_;
  std::vector<Box> boxes_;
  std::vector<Disc> discs_;
};

}  // namespace vostrane
