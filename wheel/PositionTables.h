// SPDX-License-Identifier: GPL-3.0-or-later
// The position tables of the wheel page: up to five framed tables, each
// listing the points of a range letter with three columns of values
// (longitude, declination, speed, latitude, right ascension, the other
// zodiac, heliocentric values, the outer charts' own values on a
// multi-wheel).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "wheel/WheelPage.h"

namespace vostrane {

// The value columns of a position table, in the order of the style's
// column letters 'A'..'K'.
enum class PositionColumn {
  Longitude,         // 'A'
  Declination,       // 'B'
  Speed,             // 'C'
  Latitude,          // 'D'
  RightAscension,    // 'E'
  OtherZodiac,       // 'F': the longitude in the other zodiac
  HelioLongitude,    // 'G'
  HelioLatitude,     // 'H'
  HelioOtherZodiac,  // 'I'
  OuterLongitude,    // 'J': a column for each outer ring, its chart's longitudes
  OuterDeclination,  // 'K': likewise its declinations
};

// The column of a column letter; none for a column that shows nothing: a
// single wheel shows A..I, a multi-wheel A..K ('J' is the empty column of a
// single wheel and 'L' that of a multi-wheel; the outer rings' column K has
// nothing to show on a single wheel either). On a multi-wheel a column
// without an upper heading word of its own ("Sider", "Helio") is headed by
// the kind of the chart it shows ("Natal", "Transits").
std::optional<PositionColumn> PositionColumnFromLetter(char letter, bool multiWheel);

// The rows of a table in order: for each run of the range letter its points
// other than 10, 11 and 12, then for each run its points 10 to 12. Without
// the Moon and points 10 to 12 when `heliocentricOnly`.
std::vector<int> PositionTableRows(char rangeLetter, bool heliocentricOnly);

// Where a drawn table went (device pixels).
struct PositionTableBox : PageBox {
  std::vector<int> columnLeft;  // value columns shown, left edges
  std::vector<int> rows;        // points listed, in order
};

// Draws position table `index` (0..4) of the style; nothing for a table
// whose range letter names no points or whose three columns are all empty.
PositionTableBox DrawPositionTable(const WheelPage& page, int index);

// All five.
void DrawPositionTables(const WheelPage& page);

}  // namespace vostrane
