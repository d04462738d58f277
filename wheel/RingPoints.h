// SPDX-License-Identifier: GPL-3.0-or-later
// The ring arrays of the chart wheel: for each ring (1 the inner chart, 2
// the second, 3 the third) the longitudes and daily speeds of the wheel's
// points 0..29 and the twelve house cusps, filled from the ring's chart
// entry. The wheel numbers its points differently from the entry's body
// slots:
//   0..9   Sun, Moon, Mercury .. Pluto          slots 0..9
//   10     Moon's node (true or mean)           slot 10 / the entry's mean node
//   11, 12 Ascendant, Midheaven                 cusp 1 or the Asc field; cusp 10 or the MC field
//   13..17 Ceres, Pallas, Juno, Vesta, Chiron   slots 16..20
//   18     Part of Fortune                      Ascendant + Moon - Sun (by night reversed)
//   19     south node                           point 10 + 180
//   20, 21 Vertex, East point                   slots 13, 14
//   22..29 the eight hypothetical planets       slots 23..30
// Only points 0..19 go on the wheel.
#pragma once

#include <array>

#include "common/HouseSystemNames.h"
#include "common/PointSettings.h"
#include "session/ChartEntry.h"
#include "wheel/WheelDefinition.h"

namespace vostrane {

inline constexpr int kRingPoints = 30;

namespace wheel_point {
constexpr int Sun = 0;
constexpr int Moon = 1;
constexpr int Pluto = 9;
constexpr int Node = 10;
constexpr int Ascendant = 11;
constexpr int Midheaven = 12;
constexpr int Ceres = 13;
constexpr int Vesta = 16;
constexpr int Chiron = 17;
constexpr int PartOfFortune = 18;
constexpr int SouthNode = 19;
constexpr int Vertex = 20;
constexpr int EastPoint = 21;
constexpr int FirstHypothetical = 22;
}  // namespace wheel_point

struct RingChart {
  bool present = false;                                 // the ring has a chart
  std::array<double, kRingPoints> lon{};                // degrees in [0, 360)
  std::array<double, kRingPoints> speed{};              // degrees per day
  std::array<double, 12> cusps{};                       // cusps 1..12 at 0..11; the 13th is cusp 1 again
  HouseSystemId houseSystem = HouseSystemId::Placidus;  // as the chart was calculated
  // Points without values for the chart (bit p for point p: Chiron before
  // its files, an asteroid or Chiron whose file is damaged).
  uint32_t unavailable = 0;
  bool Available(int point) const { return point < 0 || point > 31 || !(unavailable >> point & 1u); }
};

struct RingArrays {
  char category = 'R';            // 'R' single wheel, 'B' bi-wheel, 'T' tri-wheel
  std::array<RingChart, 3> ring;  // ring r at index r - 1

  int Count() const { return category == 'T' ? 3 : category == 'B' ? 2 : 1; }
  const RingChart& Ring(int r) const { return ring[r - 1]; }
  RingChart& Ring(int r) { return ring[r - 1]; }
};

// Fills one ring from a chart entry. Point 10 is the true node when the
// style's offset 27 is 'T', else the entry's mean node. With the day and
// night formula the Part of Fortune of a night chart is Ascendant + Sun -
// Moon.
RingChart FillRing(const ChartEntry& entry, const WheelDefinition& def,
                   bool fortuneByDayAndNight = false);

// Whether the Sun (longitude, degrees) stands above the horizon of the
// Ascendant asc: in the half of the ecliptic from the Descendant over the
// Midheaven to the Ascendant.
bool SunAboveHorizon(double sun, double asc);

// The ring arrays of a page: ring 1 from `inner`, rings 2 and 3 from
// `second` and `third` as the category asks for them; the other rings stay
// all zero.
RingArrays FillRingArrays(const WheelDefinition& def, char category, const ChartEntry& inner,
                          const ChartEntry* second = nullptr, const ChartEntry* third = nullptr,
                          bool fortuneByDayAndNight = false);

// Whether a point (0..19) of a ring (1..3) is shown on the wheel.
bool PointShown(const WheelDefinition& def, const RingArrays& rings, int point, int ring);

}  // namespace vostrane
