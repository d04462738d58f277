// SPDX-License-Identifier: GPL-3.0-or-later
// The page of a chart's lots and fixed stars, beside the wheel page: the
// lots (Arabic parts) with their formulas, longitudes and sources, and the
// fixed stars that stand on the chart's points (conjunctions and parallels
// within the orb).
#pragma once

#include <vector>

#include "astro/ArabicParts.h"
#include "astro/FixedStars.h"
#include "session/ChartEntry.h"
#include "wheel/DrawingSurface.h"
#include "wheel/PageNames.h"

namespace vostrane {

struct PointsPageInput {
  const ChartEntry* chart = nullptr;
  const std::vector<Lot>* lots = nullptr;         // may be empty (no lot file)
  const std::vector<FixedStar>* stars = nullptr;  // may be empty (no star file)
  double starOrb = kDefaultStarOrb;
};

// A longitude as text: degrees, the degree sign, minutes, a minute mark and
// the sign's abbreviation ("29°51' Leo"), Windows-1252.
std::string ZodiacPositionText(double lon);

// Draws the page from BeginPrintout to EndPage; false when there is no chart
// or the surface could not begin the printout.
bool AssemblePointsPage(DrawingSurface& s, const PointsPageInput& in, const PageNames& names);

}  // namespace vostrane
