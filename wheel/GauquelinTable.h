// SPDX-License-Identifier: GPL-3.0-or-later
// The table of Gauquelin's 36 sectors for an inner chart whose house system
// is the sectors: where each sector begins, in three columns of twelve,
// under the further-points table (or in its place when that is not shown),
// in the room the elements and parallels tables take on other pages.
#pragma once

#include <optional>

#include "astro/GauquelinSectors.h"
#include "wheel/WheelPage.h"

namespace vostrane {

// The sectors of a calculated chart (its meridian, obliquity, latitude and
// zodiac) when its house system is Gauquelin's sectors; nothing otherwise.
std::optional<GauquelinSectors> SectorsOfChart(const ChartEntry& e);

// Draws the framed table for the inner chart; not drawn (an empty box) for
// other house systems.
PageBox DrawGauquelinTable(const WheelPage& page, const PageBox& furtherPoints);

}  // namespace vostrane
