// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/glyphfont_gui/GlyphMapReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/TempFolder.h"

namespace vostrane::test {

std::vector<GlyphMapEntry> ReadGlyphMap(const std::string& path) {
  std::vector<GlyphMapEntry> entries;
  std::ifstream in(path);
  if (!in) {
    ADD_FAILURE() << "cannot open " << path;
    return entries;
  }
  std::string line;
  for (int lineNo = 1; std::getline(in, line); ++lineNo) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream fields(line);
    std::string code, key, cls, source;
    fields >> code >> key >> cls >> source;
    std::string symbol;
    std::getline(fields >> std::ws, symbol);
    if (code.size() < 6 || code.compare(0, 2, "U+") != 0 || symbol.empty()) {
      ADD_FAILURE() << path << ":" << lineNo << ": malformed line";
      continue;
    }
    GlyphMapEntry e;
    e.code = static_cast<char32_t>(std::stoul(code.substr(2), nullptr, 16));
    e.cls = cls.substr(0, cls.find('*'));
    e.source = source;
    e.symbol = symbol;
    e.line = lineNo;
    entries.push_back(e);
  }
  return entries;
}

const std::vector<GlyphMapEntry>& InstalledGlyphMap() {
  static const std::vector<GlyphMapEntry> map = ReadGlyphMap(SourceFile("data/glyphs/glyphmap.txt"));
  return map;
}

}  // namespace vostrane::test
