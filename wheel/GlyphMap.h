// The character map of the glyph font (font letter 'A', "ZorlanAstro"): each
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

// The character of a symbol:
//   'P' point 0..29 (a s d f g h j k l ; / A S D F G H J K L Q / U O Z X C V B N M /)
//   'S' sign 0..11 (q w e r t y u i o p [ ])
//   'A' aspect glyph 0..11 (z x c v b n m < > ? P {)
//   'N' digit 0..9
//   'L' the index itself as a character
// An index outside its kind's range gives ' '.
char GlyphChar(char kind, int index);

}  // namespace vostrane
