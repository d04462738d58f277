// SPDX-License-Identifier: GPL-3.0-or-later
// "PAGEW.DEF": the printed page's margins and text line density, six lines
// each beginning with a decimal number (anything after the digits is a
// comment).
#pragma once

#include <string>

namespace vostrane {

inline constexpr const char* kPageDefinitionFileName = "PAGEW.DEF";
// A line that does not begin with a digit takes this value.
inline constexpr int kBadPageValue = -32767;

struct PageDefinition {
  int topMargin = 0;     // thousandths of the page height
  int bottomMargin = 0;  // thousandths of the page height
  int lines = 66;        // text lines per page (line height = height / (1.25 lines))
  int leftMargin = 0;    // eight-hundredths of the page width
  int rightMargin = 0;   // eight-hundredths of the page width
  int sixth = 0;         // read and validated; no further effect
};

// Reads the file (by default "PAGEW.DEF" in the working folder). Shows the
// failure messages; a bad line takes kBadPageValue and reading goes on. When
// the file cannot be opened or a line is missing the fields not read keep
// their defaults. False after any failure.
bool ReadPageDefinition(PageDefinition& def, const std::string& path = kPageDefinitionFileName);

}  // namespace vostrane
