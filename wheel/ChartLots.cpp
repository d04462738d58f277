// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ChartLots.h"

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "wheel/HouseMap.h"

namespace vostrane {

LotPoints LotPointsOfChart(const ChartEntry& e) {
  LotPoints p;
  p.asc = e.lon(slot::Ascendant);
  p.mc = e.lon(slot::Midheaven);
  p.node = e.lon(slot::TrueNode);
  for (int s = slot::Sun; s <= slot::Pluto; ++s) p.planets[s] = e.lon(s);
  for (int h = 1; h <= 6; ++h) {
    p.cusps[h - 1] = ModAngle(360.0, e.cusp(h));
    p.cusps[h + 5] = ModAngle(360.0, e.cusp(h) + 180.0);
  }
  // Houses 1 to 6 lie below the horizon (0..5 counted from 0); cusps that
  // do not go round the circle fall back to the horizon itself.
  const int house = HouseOf(p.planets[slot::Sun], p.cusps);
  p.night = house >= 0 && house < 12 ? house < 6 : ModAngle(360.0, p.planets[slot::Sun] - p.asc) < 180.0;
  return p;
}

std::vector<double> LotsOfChart(const std::vector<Lot>& lots, const ChartEntry& e) {
  return LotLongitudes(lots, LotPointsOfChart(e));
}

}  // namespace vostrane
