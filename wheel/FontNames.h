// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen font names behind the font letters 'A' to 'P': message texts
// 9991 to 10006 of "QIRTEXT.DAT" ('A' is the glyph font "Vostrane Glyphs").
#pragma once

#include <array>
#include <string>

namespace vostrane {

inline constexpr int kFirstFontNameText = 9991;

// The family of the glyph font "zorastro.ttf".
inline constexpr const char* kGlyphFontFamily = "Vostrane Glyphs";
// The family name the glyph font carried in earlier installations; message
// texts and other stored files that still name it get the glyph font.
inline constexpr const char* kFormerGlyphFontFamily = "ZorlanAstro";

// A stored font name as the program uses it: the former glyph font family
// (in any case) becomes the current one, any other name stays.
std::string CurrentFontName(const std::string& stored);

// Reads the names from the open message text file, blanks trimmed. A name
// that cannot be read (or is empty) keeps the surface's default for its
// letter: the glyph font for 'A', "DejaVu Sans" for the others. A name
// of the former glyph font family reads as the current one.
std::array<std::string, 16> LoadFontNames();

}  // namespace vostrane
