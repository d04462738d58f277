// The sixteen font names behind the font letters 'A' to 'P': message texts
// 9991 to 10006 of "QIRTEXT.DAT" ('A' is the glyph font "ZorlanAstro").
#pragma once

#include <array>
#include <string>

namespace vostrane {

inline constexpr int kFirstFontNameText = 9991;

// Reads the names from the open message text file, blanks trimmed. A name
// that cannot be read (or is empty) keeps the surface's default for its
// letter: "ZorlanAstro" for 'A', "DejaVu Sans" for the others.
std::array<std::string, 16> LoadFontNames();

}  // namespace vostrane
