#include "wheel/WheelLots.h"

#include <algorithm>
#include <cmath>

#include "common/PointSettings.h"
#include "wheel/ChartLots.h"
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
                   const RingArrays& rings, const std::vector<WheelLot>& lots) {
  if (lots.empty() || setup.ra <= 0) return;
  const PageMetrics& m = s.Metrics();
  s.SetPenColour(def.I32(wo::tableColour));
  s.SetPenWidth(m.baseWidth);
  s.SetPenStyle(kPenSolid);
  s.SetFont(def.Letter(wo::tableFont), std::max(6, def.I16(wo::tableSize) - 1), def.I32(wo::tableColour),
            TextStyle::Normal);
  // The label stands in the house-number ring, marked by a short tick out
  // from the ring at the lot's exact place; without that ring (or where it
  // is too narrow for the label) just inside the aspect circle.
  const int band = setup.houseRingOuter - setup.ra;
  const int tick = std::max(2, 2 * setup.u);
  for (const WheelLot& lot : lots) {
    const double theta = TrueWheelAngle(lot.lon, rings.Ring(1).cusps, def.Flag(wo::equalSectors));
    const int w = s.TextWidth(lot.label), h = s.TextHeight(lot.label);
    const bool inBand = band >= h;
    const int edge = inBand ? setup.houseRingOuter : setup.ra;
    const Point a = setup.At(theta, edge);
    const Point b = setup.At(theta, inBand ? edge + tick : edge - tick);
    s.Line(a.x, a.y, b.x, b.y);
    const double rho = inBand ? setup.ra + band / 2.0 : setup.ra - tick - 0.6 * std::hypot(w, h);
    const Point c = setup.At(theta, rho);
    s.TextAt(c.x - w / 2, c.y - h / 2, lot.label);
  }
}

}  // namespace vostrane
