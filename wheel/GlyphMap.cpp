// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/GlyphMap.h"

#include <cstring>

namespace vostrane {

namespace {
constexpr const char kPoints[] = "asdfghjkl;ASDFGHJKLQUOZXCVBNM/";
constexpr const char kSigns[] = "qwertyuiop[]";
constexpr const char kAspects[] = "zxcvbnm<>?P{";

char Pick(const char* table, int index) {
  const int n = static_cast<int>(std::strlen(table));
  return index >= 0 && index < n ? table[index] : ' ';
}
}  // namespace

char GlyphChar(GlyphKind kind, int index) {
  switch (kind) {
    case GlyphKind::Point: return Pick(kPoints, index);
    case GlyphKind::Sign: return Pick(kSigns, index);
    case GlyphKind::Aspect: return Pick(kAspects, index);
    case GlyphKind::Digit: return index >= 0 && index <= 9 ? static_cast<char>('0' + index) : ' ';
    case GlyphKind::Literal: return index > 0 && index < 256 ? static_cast<char>(index) : ' ';
  }
  return ' ';
}

}  // namespace vostrane
