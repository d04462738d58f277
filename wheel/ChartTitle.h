// SPDX-License-Identifier: GPL-3.0-or-later
// The title of a chart on the wheel page header: "Natal Chart", "5th
// Harmonic Natal Chart", "Solar Return for March 5, 1990 in Paris", with the
// titles of the charts a derived chart was made from.
#pragma once

#include <functional>
#include <string>

#include "session/ChartEntry.h"
#include "wheel/PageNames.h"

namespace vostrane {

// Reads entry `record` of the session into `entry`; false when there is none.
using EntryLookup = std::function<bool(int record, ChartEntry& entry)>;

// The title of the chart alone, without the charts it derives from.
std::string OwnChartTitle(const ChartEntry& e, const PageNames& names);

// The full title: the chart's own title, then for a composite its members
// ("Chart 3: Ann AND Chart 4: Bob"), for another derived chart the titles
// of its chain of base charts joined by "  OF  ". Without a lookup, or when a
// base entry cannot be read, the chain stops there; a chain never runs
// longer than the session could hold, so a loop of base entries ends.
std::string ChartTitle(const ChartEntry& e, const PageNames& names, const EntryLookup& lookup = {});

// The name a page shows for a chart: "Last, First" as "First Last"; for a
// composite whose two charts the lookup finds, their whole names joined by
// " / " (the stored name may have been shortened to fit its field).
std::string ChartName(const ChartEntry& e, const EntryLookup& lookup = {});

// The title of a chart's printout, for window captions, print jobs and PDF
// documents: "Vostrane - " + the name as entered + " - " + the chart's own
// title ("Vostrane - Walker, Mary - Natal Chart").
std::string PrintoutTitle(const ChartEntry& e, const PageNames& names);

}  // namespace vostrane
