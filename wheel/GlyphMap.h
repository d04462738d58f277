// SPDX-License-Identifier: GPL-3.0-or-later
// The character map of the glyph font (font letter 'A', "Vostrane Glyphs"): each
// astrological symbol is one character of the font.
#pragma once

namespace vostrane {

// Characters of the marks.
inline constexpr char kDegreeMark = '}';
inline constexpr char kMinuteMark = '\'';
inline constexpr char kSecondMark = '"';
inline constexpr char kRetrogradeMark = '\\';

// Reference glyphs for centring: points (the wider of ';' and 'l'), signs
// ('['), aspects ('n'), digits ('0'), literal characters ('W').

// The kinds of symbol, each with its own numbering.
enum class GlyphKind {
  Point,    // 0..29 (a s d f g h j k l ; / A S D F G H J K L Q / U O Z X C V B N M /)
  Sign,     // 0..11 (q w e r t y u i o p [ ])
  Aspect,   // 0..11 (z x c v b n m < > ? P {)
  Digit,    // 0..9
  Literal,  // the index itself as a character
};

// The character of a symbol. An index outside its kind's range gives ' '.
char GlyphChar(GlyphKind kind, int index);

}  // namespace vostrane
