// SPDX-License-Identifier: GPL-3.0-or-later
// Writing "places.dbf" and its production index into the installation
// folder: the table is written and indexed in a temporary folder beside the
// target, then moved into place (the old index is removed first, so that a
// failure part-way never leaves an index that belongs to another table).
#pragma once

#include <string>
#include <vector>

#include "tools/generators/atlasgen/AtlasBuilder.h"

namespace vostrane::atlasgen {

// The bytes of the table file with the records in the given order. The
// header date is `dateText` (YYYY-MM-DD), so that the same data always give
// the same file.
std::string PlacesDbfBytes(const std::vector<AtlasRecord>& records, const std::string& dateText);

// Writes "places.dbf" and its index into `folder`. Throws std::runtime_error
// or TableError.
void WritePlacesTable(const std::string& folder, const std::string& dbfBytes);

}  // namespace vostrane::atlasgen
