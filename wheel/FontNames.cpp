// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/FontNames.h"

#include <cctype>

#include "platform/TextTrim.h"
#include "common/MessageTextFile.h"

namespace vostrane {

std::string CurrentFontName(const std::string& stored) {
  const std::string former = kFormerGlyphFontFamily;
  if (stored.size() != former.size()) return stored;
  for (size_t i = 0; i < stored.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(stored[i])) !=
        std::tolower(static_cast<unsigned char>(former[i])))
      return stored;
  return kGlyphFontFamily;
}

std::array<std::string, 16> LoadFontNames() {
  std::array<std::string, 16> names;
  names.fill("DejaVu Sans");
  names[0] = kGlyphFontFamily;
  if (!PositionAtMessageText(kFirstFontNameText)) return names;
  for (std::string& name : names) {
    const std::string text = Trim(NextMessageText());
    if (!text.empty() && text != kUnreadableText) name = CurrentFontName(text);
  }
  return names;
}

}  // namespace vostrane
