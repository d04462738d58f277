// SPDX-License-Identifier: GPL-3.0-or-later
// The lots of one chart entry: day or night by the Sun's house, and each
// lot's longitude in the chart's zodiac.
#pragma once

#include <vector>

#include "astro/ArabicParts.h"
#include "session/ChartEntry.h"

namespace vostrane {

// The chart's points, cusps and day or night as the formulas take them.
LotPoints LotPointsOfChart(const ChartEntry& e);

std::vector<double> LotsOfChart(const std::vector<Lot>& lots, const ChartEntry& e);

}  // namespace vostrane
