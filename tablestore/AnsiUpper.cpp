// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/AnsiUpper.h"

namespace vostrane {

char UpperAnsiChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  // Accented small letters of the upper half; 0xF7 is the division sign.
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe ligature
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
  }
}

std::string UpperAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAnsiChar(c);
  return out;
}

}  // namespace vostrane
