// SPDX-License-Identifier: GPL-3.0-or-later
// A drawn wheel page as data: its size, the wheel's centre, circles and
// cusps, and every drawn item with its kind, role, chart point and bounding
// box, in page pixels.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/PageItems.h"

namespace vostrane::batch {

struct PageData {
  int width = 0, height = 0;
  int cx = 0, cy = 0;
  std::vector<int> radii;          // radii of the wheel's circles, smallest first
  std::array<double, 12> cusps{};  // longitudes of cusps 1..12 of the inner chart
  double ascendant = 0;
  bool wheel = false;  // the page has a wheel
  std::vector<PageItem> items;
};

// The wheel's circles among the items: the ellipses centred on (cx, cy).
std::vector<int> WheelRadii(const std::vector<PageItem>& items, int cx, int cy);

std::string PageToJson(const PageData& page);

}  // namespace vostrane::batch
