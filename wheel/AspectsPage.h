// SPDX-License-Identifier: GPL-3.0-or-later
// The page of a chart's aspects, beside the wheel page: the aspect list
// sorted by orb (applying or separating, exact or partile) and the table of
// the aspect patterns found from it; for two persons' natal charts compared
// in a bi-wheel, the aspects between the charts and the house overlay. Each
// table is sized from what it holds and drawn where it meets none drawn
// before (wheel/PageRoom.h).
#pragma once

#include <string>

#include "session/ChartEntry.h"
#include "wheel/AspectSetFile.h"
#include "wheel/DrawingSurface.h"
#include "wheel/PageNames.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {

struct AspectsPageInput {
  const ChartEntry* inner = nullptr;
  // The chart compared with the inner one (both natal charts); nullptr for
  // the inner chart alone.
  const ChartEntry* outer = nullptr;
  // The wheel style whose points and aspect set the lists use, and the
  // files it is read from.
  std::string code = kDefaultPrintoutCode;
  std::string wheelsPath = kWheelStyleFileName;
  std::string anglesPath = kAspectSetFileName;
};

// Draws the page from BeginPrintout to EndPage; false when there is no
// chart, no wheel style could be read or the surface could not begin the
// printout.
bool AssembleAspectsPage(DrawingSurface& s, const AspectsPageInput& in, const PageNames& names);

}  // namespace vostrane
