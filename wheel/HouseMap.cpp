// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/HouseMap.h"

#include "platform/MessageService.h"
#include "common/AngleTime.h"

namespace vostrane {

int HouseMap::FirstSlot(int h) const {
  for (int n = 1; n < kSlotCount; ++n)
    if (house[n] == h) return n;
  return 0;
}

int HouseMap::LastSlot(int h) const {
  for (int n = kSlotCount - 1; n >= 1; --n)
    if (house[n] == h) return n;
  return 0;
}

HouseMap BuildHouseMap(const std::array<double, 12>& cuspAngles, bool wideMargins) {
  HouseMap map;
  map.house.fill(kNoHouse);
  map.count.fill(0);
  const double base = wideMargins ? 1.32 : 1.1;
  // The margins beside the cusp being approached; the fourth and tenth
  // cusps (the meridian) keep one degree more.
  auto margin = [base](int cusp) { return cusp == 3 || cusp == 9 ? base + 1.0 : base; };

  map.house[0] = 0;
  int q = 1;  // the cusp that ends the current house; 12 is cusp 0 again
  for (int p = 1; p <= 359; ++p) {
    const double c = q == 12 ? 0.0 : cuspAngles[q];
    const double g = Modulo(360.0, c - p);
    const double m1 = margin(q);
    const double m2 = margin(q);
    if (p <= m2) continue;
    if (g > m1 && g < 180.0) {
      map.house[p] = q - 1;
    } else if (g > m1 && g <= 360.0 - m2) {
      // The slot lies past the cusp: the next house has begun.
      if (q == 12) map.bug = true;
      else ++q;
      map.house[p] = q - 1;
    } else {
      if (g >= 360.0 - m2 && g < 359.0 && q != 12) ++q;
      continue;
    }
    ++map.count[map.house[p]];
  }
  map.house[360] = kNoHouse;
  return map;
}

int HouseOf(double lon, const std::array<double, 12>& cusps) {
  for (int h = 0; h < 12; ++h) {
    const double from = cusps[h];
    const double to = cusps[(h + 1) % 12];
    if (from <= to) {
      if (from <= lon && lon < to) return h;
    } else if (lon >= from || lon < to) {
      return h;
    }
  }
  return kNoHouse;
}

int CheckedHouseOf(double lon, const std::array<double, 12>& cusps) {
  const int h = HouseOf(lon, cusps);
  if (h != kNoHouse) return h;
  ShowMessage(kHousePosBug);
  return 11;
}

int SpacingClass(int house) {
  switch (house) {
    case 0:
    case 5:
    case 6:
    case 11: return 1;
    case 2:
    case 3:
    case 8:
    case 9: return 3;
    default: return 2;
  }
}

}  // namespace vostrane
