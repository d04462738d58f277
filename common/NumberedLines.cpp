// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberedLines.h"

namespace vostrane {

bool NumberedLines::Next(NumberedLine& line) {
  while (std::getline(in_, line.text)) {
    line.number = ++number_;
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    if (!Skipped(line.text)) return true;
  }
  return false;
}

bool NumberedLines::Skipped(const std::string& text) const {
  if (commentMark_ != '\0' && !text.empty() && text[0] == commentMark_) return true;
  switch (skip_) {
    case Skip::Nothing: return false;
    case Skip::EmptyLines: return text.empty();
    case Skip::BlankLines: return text.find_first_not_of(" \t\r") == std::string::npos;
  }
  return false;
}

}  // namespace vostrane
