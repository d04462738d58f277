// SPDX-License-Identifier: GPL-3.0-or-later
// A chart entry as one JSON object: its birth data, its time scales and
// angles, and the eight 32-slot body arrays.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "session/ChartEntry.h"

namespace vostrane::batch {

// `extra` adds keys with values already written as JSON.
using JsonFields = std::vector<std::pair<std::string, std::string>>;
std::string EntryToJson(const ChartEntry& entry, const JsonFields& extra = {});

// A Windows-1252 text as a quoted JSON string (UTF-8), and a number
// (null when it is not finite).
std::string JsonString(const std::string& cp1252);
std::string JsonNumber(double value);

}  // namespace vostrane::batch
