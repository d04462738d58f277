// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PointSettings.h"

namespace vostrane {

PointSettings ReadPointSettings(const ControlRecord& control) {
  PointSettings p;
  const char node = control.Letter(control_offset::wheelNode);
  if (node == 'T' || node == 'M') p.wheelNode = node;
  p.fortuneByDayAndNight = control.Letter(control_offset::fortuneFormula) == 'D';
  p.wheelLots = control.Get<uint32_t>(control_offset::wheelLots);
  return p;
}

void WritePointSettings(const PointSettings& settings, ControlRecord& control) {
  // Only a changed setting is written, so that a record keeps its bytes
  // when the user changes something else.
  const PointSettings stored = ReadPointSettings(control);
  if (stored.wheelNode != settings.wheelNode)
    control.SetLetter(control_offset::wheelNode, settings.wheelNode);
  if (stored.fortuneByDayAndNight != settings.fortuneByDayAndNight)
    control.SetLetter(control_offset::fortuneFormula, settings.fortuneByDayAndNight ? 'D' : 'N');
  if (stored.wheelLots != settings.wheelLots)
    control.Set<uint32_t>(control_offset::wheelLots, settings.wheelLots);
}

}  // namespace vostrane
