// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of the viewer's page for the current entry: a natal chart
// alone on a single wheel; a derived chart outside its base chart on a
// bi-wheel; a chart with two bases (a composite) outside both on a
// tri-wheel, the first base inside and the second in the middle.
#pragma once

#include <string>

#include "session/ChartEntry.h"
#include "wheel/ChartTitle.h"
#include "wheel/PageAssembly.h"

namespace vostrane {

struct PageCharts {
  char category = 'R';  // 'R' single, 'B' bi-wheel, 'T' tri-wheel
  ChartEntry inner;     // ring 1
  ChartEntry second;    // ring 2 ('B', 'T')
  ChartEntry third;     // ring 3 ('T')

  // The page input drawing these charts (pointing into this object).
  WheelPageInput Input(const EntryLookup& lookup) const;
};

// A base that cannot be read, or whose calculation did not finish, is left
// out: the page then shows fewer rings (at least the current chart).
PageCharts ChartsOfPage(const ChartEntry& current, const EntryLookup& lookup);

// The viewer's caption, print job and PDF title for the entry shown:
// "Vostrane - " + the name + " - " + the kind title of a derived chart
// ("Vostrane - Ann - Solar Return"), or the chart's own title otherwise. A
// composite whose two charts the lookup finds is named by their whole names.
std::string ViewerCaption(const ChartEntry& current, const PageNames& names,
                          const EntryLookup& lookup = {});

}  // namespace vostrane
