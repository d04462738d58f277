// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelDefinition.h"

namespace vostrane {

int32_t WheelDefinition::PointColour(int point, int which) const {
  if (point == 19) point = 10;
  if (point < 0 || point > 18) return 0;
  return I32(wheel_offset::pointColours + 8 * point + 4 * which);
}

void WheelDefinition::setPointColours(int point, int32_t screen, int32_t print) {
  if (point < 0 || point > 18) return;
  SetI32(wheel_offset::pointColours + 8 * point, screen);
  SetI32(wheel_offset::pointColours + 8 * point + 4, print);
}

PagePlace WheelDefinition::Place(size_t base, int i) const {
  if (i < 0 || i > 4) return {};
  return {I16(base + 4 * i), I16(base + 4 * i + 2)};
}

std::string WheelDefinition::positionTableDef(int i) const {
  if (i < 0 || i > 4) return "    ";
  return std::string(reinterpret_cast<const char*>(Data()) + wheel_offset::positionTableDefs + 4 * i, 4);
}

}  // namespace vostrane
