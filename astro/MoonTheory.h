// The Moon's geocentric longitude, latitude and distance from a
// trigonometric lunar series in the mean elements of the analytic theory.
#pragma once

#include <cstdint>
#include <vector>

#include "astro/MeanElements.h"

namespace vostrane {

// Main series term: multiples of l, l', F, D and the coefficients (seconds
// of arc) in longitude, in the argument of latitude and in parallax.
struct LunarMainTerm {
  int32_t k1, k2, k3, k4;
  double SL, SF, SP;
};

// Additional longitude term: coefficient (seconds of arc) and the multiples.
struct LunarAdditionalTerm {
  double coefficient;
  int32_t k1, k2, k3, k4;
};

struct LunarTables {
  std::vector<LunarMainTerm> main;
  std::vector<LunarAdditionalTerm> additional;
};

LunarTables BuildLunarTables();

struct MoonPosition {
  double lon = 0;   // degrees, [0, 360)
  double lat = 0;   // degrees
  double dist = 0;  // AU
  double z = 0;     // dist * sin(lat), AU
};

// The Moon at the moment for which s was prepared (before nutation).
MoonPosition MoonPos(const MeanState& s, const LunarTables& tables);

}  // namespace vostrane
