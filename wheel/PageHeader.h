// SPDX-License-Identifier: GPL-3.0-or-later
// The header of each chart on the wheel page: which wheel it is, the name
// and chart title, and the birth data lines (date, time, place, latitude and
// longitude, kind of time, time zone, zodiac and houses, "Geocentric").
#pragma once

#include <string>
#include <vector>

#include "wheel/ChartTitle.h"
#include "wheel/WheelPage.h"

namespace vostrane {

// The data items of a chart's header after its name and title, in order;
// empty for a chart of type 1 with a sub-type below 4 (its block ends with
// the title). The place is written in the place name style.
std::vector<std::string> HeaderItems(const ChartEntry& e, const PageNames& names, char placeStyle = 'K');

// The place as the header writes it, by the control record's place name
// style (offset 277): 'D' the city alone (the text before the first comma),
// 'M' every word with a capital first letter and the rest small; 'K' and
// any other letter keep it as it was typed.
std::string HeaderPlace(const std::string& place, char style);

// The first line of chart c (1..count) on a multi-chart page: "Inner Wheel:",
// "Middle Wheel:" or "Outer Wheel:"; "" on a single wheel.
std::string RingCaption(int chart, int count);

// The top of the credit line's row at the foot of the page.
int CreditLineTop(const PageMetrics& m);

// Draws the headers of all charts of the page from the top of the usable
// area, in the header font and layout of the style (offset 57: 'L' left,
// 'R' right-aligned lines, 'M' three items a line, 'C' charts alternate
// left, right, left, the third at the bottom of the page, 12 lines above
// the foot or higher when its block would reach the credit line).
// Returns the area each chart's block took.
std::vector<PageBox> DrawPageHeaders(const WheelPage& page, const EntryLookup& lookup = {});

}  // namespace vostrane
