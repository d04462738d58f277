// A chart entry as one JSON object: its birth data, its time scales and
// angles, and the eight 32-slot body arrays.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane::batch {

std::string EntryToJson(const ChartEntry& entry);

}  // namespace vostrane::batch
