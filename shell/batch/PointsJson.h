// SPDX-License-Identifier: GPL-3.0-or-later
// The "stars" and "parts" values of `dump`: every fixed star of FXSTARS.DAT
// at the entry's moment, in the entry's zodiac, with the chart points it
// stands on, and every lot of LOTS.DAT.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane::batch {

// A JSON array of {"name", "lon", "lat", "decl", "contacts": [{"point",
// "kind", "orb"}]}; the orb is the control record's. A missing star file
// gives a warning and an empty array, a damaged one an error message.
std::string FixedStarsJson(const ChartEntry& entry, double orb);

// A JSON array of {"name", "lon", "formula"}: the formula as the chart uses
// it (B and C exchanged in a night chart when the lot is reversed). A missing
// lot file gives a warning and an empty array, a damaged one an error message.
std::string LotsJson(const ChartEntry& entry);

}  // namespace vostrane::batch
