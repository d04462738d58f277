// SPDX-License-Identifier: GPL-3.0-or-later
// Reading CSV rows one at a time: comma-separated fields, a field in double
// quotes may hold commas and doubled quotes. A row is one line: a quoted
// field may not go on over a line break (no field of a chart row holds
// one), so a quote left open spoils its own row only. Only the current row
// is held in memory.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "common/NumberedLines.h"

namespace vostrane {

class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : lines_(in) {}
  // The next row's fields; false at the end of the input. Line() is then
  // the row's line number (from 1), and Fault() says what is wrong with the
  // row's text: a quote not closed on its line, a NUL byte, or bytes that
  // are not UTF-8. The fields of a faulty row are not to be used.
  bool Next(std::vector<std::string>& fields);
  int Line() const { return line_; }
  const std::optional<std::string>& Fault() const { return fault_; }

 private:
  NumberedLines lines_;
  int line_ = 0;
  std::optional<std::string> fault_;
};

// A field as CSV text: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points beyond U+10FFFF).
bool IsValidUtf8(const std::string& text);

}  // namespace vostrane
