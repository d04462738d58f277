// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelLots.h"

#include <algorithm>
#include <cmath>

#include "common/PointSettings.h"
#include "wheel/ChartLots.h"
#include "wheel/ColumnLayout.h"
#include "wheel/GlyphPlacement.h"

namespace vostrane {

namespace wo = wheel_offset;

std::string LotLabel(const std::string& name) { return name.substr(0, 3); }

std::vector<WheelLot> ChosenWheelLots(const std::vector<Lot>& lots, uint32_t chosen,
                                      const ChartEntry& e) {
  std::vector<WheelLot> out;
  if (chosen == 0 || lots.empty()) return out;
  const std::vector<double> longitudes = LotsOfChart(lots, e);
  for (size_t n = 0; n < lots.size() && n < PointSettings::kChoosableLots; ++n)
    if (chosen >> n & 1u) out.push_back({LotLabel(lots[n].name), lots[n].name, longitudes[n]});
  return out;
}

void DrawWheelLots(DrawingSurface& s, const WheelDefinition& def, const WheelSetup& setup,
                   const RingArrays& rings, const std::vector<WheelLot>& lots,
                   const std::vector<AngularBox>& houseNumbers) {
  if (lots.empty() || setup.ra <= 0) return;
  const PageMetrics& m = s.Metrics();
  s.SetPenColour(def.I32(wo::tableColour));
  s.SetPenWidth(m.baseWidth);
  s.SetPenStyle(kPenSolid);
  s.SetFont(def.Letter(wo::tableFont), std::max(6, def.I16(wo::tableSize) - 1), def.I32(wo::tableColour),
            TextStyle::Normal);
  // The label stands in the house-number ring, marked by a short tick out
  // from the ring at the lot's exact place; without that ring (or where it
  // is too narrow for the labels) just inside the aspect circle.
  const int band = setup.houseRingOuter - setup.ra;
  const int tick = std::max(2, 2 * setup.u);
  int tallest = 0, widest = 0;
  for (const WheelLot& lot : lots) {
    tallest = std::max(tallest, s.TextHeight(lot.label));
    widest = std::max(widest, s.TextWidth(lot.label));
  }
  const bool inBand = band >= tallest;
  const int edge = inBand ? setup.houseRingOuter : setup.ra;
  const double rho = inBand ? setup.ra + band / 2.0
                            : setup.ra - tick - 0.6 * std::hypot(widest, tallest);
  const double k = setup.k > 0 ? setup.k : 1.0;
  const double gap = std::max(1, setup.u);

  // The labels move along their circle, as little as they can, until none
  // meets another or a house number of the same ring; the numbers stay.
  std::vector<double> angles, halves, weights;
  if (inBand)
    for (const AngularBox& number : houseNumbers) {
      angles.push_back(number.angle);
      halves.push_back(number.half);
      weights.push_back(1e6);
    }
  const size_t firstLot = angles.size();
  std::vector<double> exact;
  for (const WheelLot& lot : lots) {
    const double theta = TrueWheelAngle(lot.lon, rings.Ring(1).cusps, def.Flag(wo::equalSectors));
    exact.push_back(theta);
    angles.push_back(theta);
    halves.push_back(
        TextBoxHalfAngle(s.TextWidth(lot.label), s.TextHeight(lot.label), rho, k, gap, theta));
    weights.push_back(1.0);
  }
  const std::vector<double> spread = SpreadOnCircle(angles, halves, weights);
  for (size_t i = 0; i < lots.size(); ++i) {
    const Point a = setup.At(exact[i], edge);
    const Point b = setup.At(exact[i], inBand ? edge + tick : edge - tick);
    s.Line(a.x, a.y, b.x, b.y);
    const std::string& label = lots[i].label;
    const Point c = setup.At(spread[firstLot + i], rho);
    s.TextAt(c.x - s.TextWidth(label) / 2, c.y - s.TextHeight(label) / 2, label);
  }
}

}  // namespace vostrane
