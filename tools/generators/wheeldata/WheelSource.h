// SPDX-License-Identifier: GPL-3.0-or-later
// The readable source of "WHEELS.DAT" (data/wheels/wheels.txt): records as
// "[record N]" sections of "key = value" lines; see the source's header for
// the keys. Builds the 453-byte WheelDefinition records.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/generators/textgen/SourceFile.h"
#include "wheel/WheelDefinition.h"

namespace vostrane::wheeldata {

struct WheelSource {
  std::map<int, WheelDefinition> records;  // by record number (from 1)
  std::vector<textgen::SourceError> errors;
};

WheelSource ParseWheelSource(const std::string& content, const std::string& fileName);

// The file image: records 1 to the highest defined one. A record the source
// does not define is a copy of its category's standard record (1, 1001 or
// 2001) when that is defined, else all zero.
std::string BuildWheelFile(const WheelSource& source);

// The keys of the source, one line each with offset and meaning (for the
// source's documentation and for tests).
std::vector<std::string> WheelSourceKeys();

}  // namespace vostrane::wheeldata
