// SPDX-License-Identifier: GPL-3.0-or-later
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

// Latitude series term: coefficient (seconds of arc) and the multiples of
// l, l', F and D.
struct LunarLatitudeTerm {
  double coefficient;
  int32_t k1, k2, k3, k4;
};

// Every term's argument is a multiple pair of l and l' plus a multiple pair
// of F and D. The tables keep each distinct pair once, so that an
// evaluation forms the cosine and sine of every pair once and each term's
// from one product of two pairs.
struct LunarPair {
  int32_t a, b;
};
struct LunarPairedTerm {
  uint16_t lPair, fPair;  // indexes into lPairs and fPairs
  uint8_t factor;         // main series: power of E (0 to 2), plus 3 when J applies
  double c1, c2, c3;      // the term's coefficients
};

struct LunarTables {
  std::vector<LunarMainTerm> main;
  std::vector<LunarAdditionalTerm> additional;
  std::vector<LunarPair> lPairs;  // multiples of l and l'
  std::vector<LunarPair> fPairs;  // multiples of F and D
  std::vector<LunarPairedTerm> pairedMain, pairedAdditional, pairedLatitudeCos, pairedLatitudeSin;
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
