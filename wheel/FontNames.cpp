#include "wheel/FontNames.h"

#include "platform/TextTrim.h"
#include "common/MessageTextFile.h"

namespace vostrane {

std::array<std::string, 16> LoadFontNames() {
  std::array<std::string, 16> names;
  names.fill("DejaVu Sans");
  names[0] = "ZorlanAstro";
  if (!PositionAtMessageText(kFirstFontNameText)) return names;
  for (std::string& name : names) {
    const std::string text = Trim(NextMessageText());
    if (!text.empty() && text != kUnreadableText) name = text;
  }
  return names;
}

}  // namespace vostrane
