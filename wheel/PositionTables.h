// The position tables of the wheel page: up to five framed tables, each
// listing the points of a range letter with three columns of values
// (longitude, declination, speed, latitude, right ascension, the other
// zodiac, heliocentric values, composite values of a multi-wheel).
#pragma once

#include <string>
#include <vector>

#include "wheel/WheelPage.h"

namespace vostrane {

// Whether a column letter shows anything on a single wheel (A..I) or a
// multi-wheel (A..K); 'J' is the empty column of a single wheel and 'L'
// that of a multi-wheel. The composite column K has nothing to show on a
// single wheel either.
bool PositionColumnShown(char column, bool multiWheel);

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
