// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/Cp1252Validator.h"

#include "platform/CodePage.h"

namespace vostrane {

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
  for (qsizetype i = 0; i < input.size(); ++i) {
    const QChar c = input[i];
    const bool pair = c.isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
    const char32_t codePoint = pair ? QChar::surrogateToUcs4(c, input[i + 1]) : c.unicode();
    if (IsCp1252Character(codePoint) && !c.isSurrogate()) continue;
    if (onRefused) onRefused(input.mid(i, pair ? 2 : 1));
    return Invalid;
  }
  return Acceptable;
}

QString RefusedCharacterHint(const QString& refused) {
  return QString::fromUtf8(
             "\u201C%1\u201D cannot be stored: names and places take the letters of "
             "Western European languages (the Windows-1252 characters).")
      .arg(refused);
}

}  // namespace vostrane
