// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed stars of one chart entry: every star's place in the chart's
// zodiac at the chart's moment, and the stars that stand on the chart's
// points (conjunctions and parallels within the orb).
#pragma once

#include <string>
#include <vector>

#include "astro/FixedStars.h"
#include "session/ChartEntry.h"

namespace vostrane {

struct ChartStars {
  std::vector<StarPlace> places;  // one per star of the catalogue, in the chart's zodiac
  std::vector<StarContact> contacts;
};

// The points a star is compared with: Sun to Pluto, the node, Ascendant,
// Midheaven, the Part of Fortune and, when they were calculated, the
// asteroids and Chiron.
std::vector<ChartPointPlace> StarContactPoints(const ChartEntry& e);

ChartStars StarsOfChart(const std::vector<FixedStar>& stars, const ChartEntry& e, double orb);

// "conjunction", "parallel" or "contra-parallel".
const char* StarContactName(StarContactKind kind);

// The name of a point of StarContactPoints ("Sun", "Ascendant", ...).
std::string StarPointName(int slot);

}  // namespace vostrane
