// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/FieldRules.h"

#include <algorithm>

#include "platform/TextTrim.h"
#include "common/NumberText.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int DigitsValue(const std::string& text) { return std::stoi(text); }

std::string BlanksToZeros(std::string text) {
  std::replace(text.begin(), text.end(), ' ', '0');
  return text;
}

}  // namespace

bool IsValidLongitudeText(const std::string& text) {
  std::string t = BlanksToZeros(text);
  if (t.size() <= 6 || t.size() > 8) return false;
  t = Pad(t, 8, 'Z');
  if (t[3] != 'E' && t[3] != 'W') return false;
  const std::string degrees = t.substr(0, 3), minutes = t.substr(4, 2), seconds = t.substr(6, 2);
  if (!AllDigits(degrees) || !AllDigits(minutes) || !AllDigits(seconds)) return false;
  const int d = DigitsValue(degrees), m = DigitsValue(minutes), s = DigitsValue(seconds);
  if (m >= 60 || s >= 60 || d > 180) return false;
  return d < 180 || (m == 0 && s == 0);
}

std::string ZoneTextOnEnter(const std::string& text) {
  const std::string t = Trim(text);
  return t.size() == 1 ? "0" + t : text;
}

std::string LetterOnEnter(const std::string& text, const std::string& allowed, char fallback) {
  if (text.size() == 1 && allowed.find(text[0]) != std::string::npos) return text;
  return std::string(1, fallback);
}

std::string LetterAfterKey(const std::string& text, const std::string& allowed,
                           const std::string& remembered) {
  if (text.size() == 1 && allowed.find(text[0]) != std::string::npos) return text;
  return remembered;
}

std::string TimeOnExit(const std::string& text) {
  std::string t = text;
  if (t.size() < 7) t.resize(7, ' ');
  if (t[6] != 'A' && t[6] != 'P') t[6] = 'A';
  return t;
}

bool KeepsGreenwichZone(int chartType) { return chartType >= 2 && chartType <= 4; }

}  // namespace vostrane
