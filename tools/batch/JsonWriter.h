// A chart entry as one JSON object: its birth data, its time scales and
// angles, and the eight 32-slot body arrays.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane::batch {

std::string EntryToJson(const ChartEntry& entry);

// A Windows-1252 text as a quoted JSON string (UTF-8), and a number
// (null when it is not finite).
std::string JsonString(const std::string& cp1252);
std::string JsonNumber(double value);

}  // namespace vostrane::batch
