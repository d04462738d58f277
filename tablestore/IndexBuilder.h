// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the sorted entries of every tag from all records of the table,
// reporting progress as it goes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tablestore/DbfFile.h"
#include "tablestore/IndexProgress.h"
#include "tablestore/TagDefinition.h"

namespace vostrane {

// One string per tag: `count` entries (key + big-endian record number),
// sorted byte-wise. Reads records 1..count. Throws TableError on read errors.
std::vector<std::string> BuildSortedBases(const DbfFile& table, const std::vector<TagDefinition>& tags,
                                          uint32_t count, IndexProgress* progress,
                                          const std::string& caption);

}  // namespace vostrane
