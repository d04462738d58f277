// Reading CSV rows one at a time: comma-separated fields, a field in double
// quotes may hold commas, doubled quotes and line breaks. Only the current
// row is held in memory.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace vostrane::batch {

class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}
  // The next row's fields; false at the end of the input. Line() is then
  // the number of the row's first line (from 1). An unterminated quote ends
  // the row at the end of the input and sets `unterminated`.
  bool Next(std::vector<std::string>& fields);
  int Line() const { return line_; }
  bool unterminated = false;

 private:
  std::istream& in_;
  int line_ = 0;
  int nextLine_ = 1;
};

// A field as CSV text: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

}  // namespace vostrane::batch
