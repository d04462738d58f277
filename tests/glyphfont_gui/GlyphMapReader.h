// SPDX-License-Identifier: GPL-3.0-or-later
// Reads data/glyphs/glyphmap.txt, the character map the glyph font is built
// from, so that the tests check the font against the same list.
#pragma once

#include <string>
#include <vector>

namespace vostrane::test {

struct GlyphMapEntry {
  char32_t code = 0;
  std::string cls;     // planet, sign, aspect, mark or text (size factor cut off)
  std::string source;  // dejavu:U+XXXX, symbola:U+XXXX, text:..., draw:...
  std::string symbol;  // name of the symbol
  int line = 0;
};

// The entries in file order. A malformed line adds a test failure naming it
// and is skipped.
std::vector<GlyphMapEntry> ReadGlyphMap(const std::string& path);

// The installed map of the source tree.
const std::vector<GlyphMapEntry>& InstalledGlyphMap();

}  // namespace vostrane::test
