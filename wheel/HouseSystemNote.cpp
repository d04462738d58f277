// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/HouseSystemNote.h"

#include <cmath>

#include "astro/HouseSystems.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

bool CuspsFellBackToPorphyry(const ChartEntry& e) {
  const std::optional<HouseSystemId> id = HouseSystemOfLetter(e.houseSystemLetter());
  if (!id) return false;
  switch (*id) {
    // Porphyry itself, and the systems whose cusps are in order by
    // construction (Pullen's equal quadrant division is Porphyry's).
    case HouseSystemId::Porphyry:
    case HouseSystemId::Equal:
    case HouseSystemId::WholeSign:
    case HouseSystemId::EqualFromMidheaven:
    case HouseSystemId::Vehlow:
    case HouseSystemId::EqualFromAries:
    case HouseSystemId::Sripati:
    case HouseSystemId::PullenSinusoidalDelta: return false;
    default: break;
  }
  HouseCusps own{};
  for (int h = 1; h <= 6; ++h) {
    own[h] = e.cusp(h);
    if (!std::isfinite(own[h])) return false;
  }
  HouseCusps trisected = own;
  TrisectQuadrants(trisected);
  constexpr double kSame = 1e-9;  // degrees
  for (int h : {2, 3, 5, 6}) {
    const double d = std::fabs(std::remainder(own[h] - trisected[h], 360.0));
    if (d > kSame) return false;
  }
  return true;
}

std::string HouseSystemNote(const ChartEntry& e) {
  return CuspsFellBackToPorphyry(e) ? " (Porphyry at this latitude)" : "";
}

}  // namespace vostrane
