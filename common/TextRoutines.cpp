// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextRoutines.h"

namespace vostrane {

std::string FirstWord(const std::string& text) { return text.substr(0, text.find(' ')); }

namespace {

// Upper case of one Windows-1252 character.
unsigned char UpperCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  // à..þ map to À..Þ; ÷ (0xF7) has no capital.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

}  // namespace

std::string UpperCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
  return result;
}

std::string Pad(const std::string& text, int length, char mode) {
  if (length <= static_cast<int>(text.size())) return text;
  const size_t missing = static_cast<size_t>(length) - text.size();
  switch (mode) {
    case 'B': return text + std::string(missing, ' ');
    case 'F': return std::string(missing, ' ') + text;
    case 'Z': return std::string(missing, '0') + text;
    default: return text;
  }
}

}  // namespace vostrane
