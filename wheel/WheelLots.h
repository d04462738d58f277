// SPDX-License-Identifier: GPL-3.0-or-later
// The lots (Arabic parts) the user chose into the wheel's other points: each
// drawn at its longitude as a short label with a tick at its exact place,
// and listed with its name in the "Other Symbols" legend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/ArabicParts.h"
#include "session/ChartEntry.h"
#include "wheel/ColumnLayout.h"
#include "wheel/DrawingSurface.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelSetup.h"

namespace vostrane {

struct WheelLot {
  std::string label;  // the short label drawn in the wheel
  std::string name;   // the lot's name in LOTS.DAT
  double lon = 0;     // degrees
};

// The short label of a lot: the first three characters of its name.
std::string LotLabel(const std::string& name);

// The lots chosen by `chosen` (bit n: the lot at index n) with their
// longitudes in the chart.
std::vector<WheelLot> ChosenWheelLots(const std::vector<Lot>& lots, uint32_t chosen,
                                      const ChartEntry& e);

// Draws the lots on the wheel of the setup, each marked at its wheel angle
// from the inner ring's cusps, its label moved aside where it would meet
// another or one of the house numbers standing in the same ring.
void DrawWheelLots(DrawingSurface& s, const WheelDefinition& def, const WheelSetup& setup,
                   const RingArrays& rings, const std::vector<WheelLot>& lots,
                   const std::vector<AngularBox>& houseNumbers);

}  // namespace vostrane
