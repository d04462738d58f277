// SPDX-License-Identifier: GPL-3.0-or-later
// The "aspects" and "patterns" members of a dumped entry.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane::batch {

// ", \"aspects\": [...], \"patterns\": [...]" for the entry under the
// standard wheel style's aspect set and the orbs chosen in Preferences.
std::string AspectDumpMembers(const ChartEntry& entry);

}  // namespace vostrane::batch
