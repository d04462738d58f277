// SPDX-License-Identifier: GPL-3.0-or-later
// The column of one placed point on the wheel: its glyph, degree number,
// sign glyph, minute number and retrograde mark, one behind the other along
// the ray of the point's slot, running outward (glyph outermost) or inward
// (glyph innermost).
#pragma once

#include <array>

#include "wheel/WheelSetup.h"

namespace vostrane {

enum GlyphItem { kItemGlyph = 0, kItemDegree, kItemSign, kItemMinute, kItemRetrograde };

// Row of the layout tables: ring 1 row 4 on a bi-wheel or a small wheel
// (size class 'S'), row 3 on a larger wheel with planet glyphs above size
// 15, else row 1; ring 2 row 2; ring 3 row 5.
int GlyphRow(int ring, const WheelSetup& setup, int planetGlyphSize);

// The radius of item 0..4 of a column as a multiple of the base radius, in
// the inward or the outward block of a row.
double GlyphItemRadius(bool inward, int row, int item);

// The radii the layout table gives the items of a column for base radius
// rho, in the inward or the outward block of a row. With `spread` the
// degree, sign and minute move 25, 50 and 75 per cent of the way to the next
// item (the room of a retrograde mark a direct point does not need).
std::array<double, 5> PreferredItemRadii(double rho, bool inward, int row, bool spread);

// Radii of the first `count` items of a column along its ray, as near to
// the preferred radii as the ring's band allows: the items keep their
// order, two neighbours stand at least their radial half extents (`reach`)
// plus `gap` apart, and every item lies within [inner, outer]. Returns
// false (the items packed from the outer edge) when they do not fit.
bool FitColumnRadii(const std::array<double, 5>& preferred, const std::array<double, 5>& reach,
                    int count, double gap, double inner, double outer, std::array<double, 5>& radii);

// The horizontal correction of an item as a share of rho cos(angle), in the
// inward or the outward block.
double GlyphItemXCorrection(bool xInward, int item);

}  // namespace vostrane
