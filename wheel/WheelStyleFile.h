// SPDX-License-Identifier: GPL-3.0-or-later
// "WHEELS.DAT": the wheel styles, one 453-byte WheelDefinition per record,
// chosen by a three-letter printout code and the chart category.
#pragma once

#include <string>

#include "platform/RecordFile.h"
#include "wheel/WheelDefinition.h"

namespace vostrane {

inline constexpr const char* kWheelStyleFileName = "WHEELS.DAT";
inline constexpr const char* kDefaultPrintoutCode = "AAA";

// Record number (from 1) of a printout code c1 c2 c3 and a category:
// (c1 - 'A') x 100 + (c2 - 'A') x 10 + (c3 - 'A' + 1), plus 1000 for 'B'
// (bi-wheel), 2000 for 'C' or 'T' (tri-wheel). A code shorter than three
// characters counts its missing letters as 'A'.
int WheelRecordNumber(const std::string& code, char category);

class WheelStyleFile {
 public:
  // Opens the file; shows "ERROR!  File WHEELS.DAT not on disk!!!" on failure.
  bool Open(const std::string& path = kWheelStyleFileName);
  // Reads the style of the code and category into `def`. On failure (the
  // record cannot be read, or differs from the installation's list) shows
  // the record message (record number counted from 0) and leaves `def` as
  // it was.
  bool Read(const std::string& code, char category, WheelDefinition& def);
  void Close() { file_.Close(); }
  bool IsOpen() const { return file_.IsOpen(); }

 private:
  RecordFile file_;
};

}  // namespace vostrane
