// SPDX-License-Identifier: GPL-3.0-or-later
// The legend tables of the wheel page (offsets 430 to 434, placed at 362 to
// 381): 1 the points of a range with their sign and house, 2 further point
// symbols with their names, 3 the zodiac signs, 4 the aspect legend
// (wheel/AspectDrawing.h), 5 the signs by element and mode. Each is framed
// with a rule below its heading.
#pragma once

#include "wheel/WheelPage.h"

namespace vostrane {

// The corners of a drawn legend (device pixels).
// The aspect legend (4) reports only its top and bottom.
struct LegendBox : PageBox {
  int rows = 0;
};

// Draws legend table n (1..5) when the style shows it.
LegendBox DrawLegendTable(const WheelPage& page, int n);
void DrawLegendTables(const WheelPage& page);

}  // namespace vostrane
