// SPDX-License-Identifier: GPL-3.0-or-later
// Aspect patterns of a chart, found from its aspect list (so from the chosen
// set and orbs): Grand Trine, T-Square, Grand Cross, Yod, Kite, Mystic
// Rectangle, Grand Sextile, and the Stellium (four or more bodies in one
// sign or one house). A figure that lies wholly inside a larger one found
// (the T-Squares of a Grand Cross, the Grand Trine of a Kite) is not listed
// again.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/AspectList.h"

namespace vostrane {

enum class PatternKind {
  GrandTrine,
  TSquare,
  GrandCross,
  Yod,
  Kite,
  MysticRectangle,
  GrandSextile,
  Stellium
};

const char* PatternName(PatternKind kind);

struct AspectPattern {
  PatternKind kind = PatternKind::GrandTrine;
  std::vector<int> points;  // wheel points, ascending
  // Stellium: "sign N" (0 Aries) or "house N" (1..12); empty otherwise.
  std::string where;
};

// The patterns among the aspects of one chart. `cusps` gives the houses for
// the stellium; bodies are Sun to Pluto, the asteroids and Chiron.
std::vector<AspectPattern> FindPatterns(const std::vector<ListedAspect>& aspects,
                                        const std::vector<AspectPoint>& points,
                                        const std::array<double, 12>& cusps);

// Whether an aspect of the list joins two points of the pattern (the lines
// a viewer highlights).
bool AspectInPattern(const ListedAspect& aspect, const AspectPattern& pattern);

}  // namespace vostrane
