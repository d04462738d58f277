// SPDX-License-Identifier: GPL-3.0-or-later
// Screen size and logical resolution of the primary screen.
#pragma once

namespace vostrane {

struct ScreenMetrics {
  int width = 1024;
  int height = 768;
  double logicalDpi = 96.0;
};

ScreenMetrics PrimaryScreenMetrics();

}  // namespace vostrane
