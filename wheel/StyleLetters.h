// SPDX-License-Identifier: GPL-3.0-or-later
// What the letters of a wheel style ("WHEELS.DAT") say about fonts, ring
// lines and the header layout, as the drawing code uses it.
#pragma once

namespace vostrane {

enum class TextStyle {
  Normal,
  Bold,
  Italic,
  Keep,  // leaves the style the surface has
};

// A style letter of a wheel style: 'B' bold, 'I' italic, 'N' normal; any
// other letter leaves the style as it is.
constexpr TextStyle TextStyleFromLetter(char letter) {
  switch (letter) {
    case 'B': return TextStyle::Bold;
    case 'I': return TextStyle::Italic;
    case 'N': return TextStyle::Normal;
    default: return TextStyle::Keep;
  }
}

// The ring line style (offset 4): the ring pen in base widths and whether
// rings and frames are drawn twice.
struct RingLines {
  int widths = 1;
  bool doubled = false;
};

// 'D' and 'N' one base width, 'T' and 'd' two, any other letter four; 'D',
// 'd' and 'v' double lines.
constexpr RingLines RingLinesFromLetter(char letter) {
  const int widths = letter == 'D' || letter == 'N' ? 1 : letter == 'T' || letter == 'd' ? 2 : 4;
  return {widths, letter == 'D' || letter == 'd' || letter == 'v'};
}

// The header layout (offset 57).
enum class HeaderLayout {
  Left,         // 'L' and any other letter: lines at the left
  Right,        // 'R': right-aligned lines
  ThreeAcross,  // 'M': three items a line
  Alternating,  // 'C': charts alternate left, right, left at the foot
};

constexpr HeaderLayout HeaderLayoutFromLetter(char letter) {
  switch (letter) {
    case 'R': return HeaderLayout::Right;
    case 'M': return HeaderLayout::ThreeAcross;
    case 'C': return HeaderLayout::Alternating;
    default: return HeaderLayout::Left;
  }
}

}  // namespace vostrane
