// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/NumberedLines.h"

namespace vostrane {
namespace {

// One text read with each choice of what to pass over: the numbers count
// every line, a CR is dropped only before the LF (a lone CR stays text, so a
// "\r\r\n" line is blank but not empty), and a last line without LF counts.
TEST(NumberedLines, DropsLineEndsAndPassesOverWhatItIsTold) {
  const std::string text = "a\r\n#note\r\n\n \t\r\n\r\r\nx#y\r\nlast";
  using Skip = NumberedLines::Skip;
  const struct {
    Skip skip;
    char mark;
    std::vector<std::pair<int, std::string>> lines;
  } cases[] = {
      {Skip::Nothing,
       '\0',
       {{1, "a"}, {2, "#note"}, {3, ""}, {4, " \t"}, {5, "\r"}, {6, "x#y"}, {7, "last"}}},
      {Skip::EmptyLines, '#', {{1, "a"}, {4, " \t"}, {5, "\r"}, {6, "x#y"}, {7, "last"}}},
      {Skip::BlankLines, '#', {{1, "a"}, {6, "x#y"}, {7, "last"}}},
  };
  for (const auto& c : cases) {
    std::istringstream in(text);
    NumberedLines lines(in, c.skip, c.mark);
    std::vector<std::pair<int, std::string>> got;
    for (NumberedLine line; lines.Next(line);) got.emplace_back(line.number, line.text);
    EXPECT_EQ(got, c.lines) << "skip " << static_cast<int>(c.skip);
  }
}

}  // namespace
}  // namespace vostrane
