// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a text file line by line with each line's number, the way the
// program's data readers and the generators read their sources: the line end
// (LF, or CR LF) is dropped, and comment lines and empty or blank lines may be
// passed over while still counted, so that a message can name the line.
#pragma once

#include <istream>
#include <string>

namespace vostrane {

struct NumberedLine {
  int number = 0;    // from 1, counting every line, skipped ones too
  std::string text;  // without its LF and without one CR before it
};

class NumberedLines {
 public:
  enum class Skip {
    Nothing,
    EmptyLines,  // lines with no character at all
    BlankLines,  // lines of blanks, tabs and CRs only, empty ones too
  };
  // `commentMark`, when not '\0', passes over every line that starts with it.
  explicit NumberedLines(std::istream& in, Skip skip = Skip::Nothing, char commentMark = '\0')
      : in_(in), skip_(skip), commentMark_(commentMark) {}

  // The next line that is not passed over; false at the end of the input. A
  // last line without a line end still counts.
  bool Next(NumberedLine& line);

 private:
  bool Skipped(const std::string& text) const;

  std::istream& in_;
  Skip skip_;
  char commentMark_;
  int number_ = 0;
};

}  // namespace vostrane
