// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

#include "platform/TextTrim.h"
#include "common/TextRoutines.h"

namespace vostrane {

std::string IntegerToText(int64_t value, int width, char mode, bool minusOne) {
  if (minusOne && value > 0) --value;
  const bool negative = value < 0;
  // The magnitude as unsigned so that the most negative value has one too.
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string text = Pad(std::to_string(magnitude), negative ? width - 1 : width, mode);
  return negative ? "-" + text : text;
}

namespace {

std::string Fixed(double value, int width, int decimals) {
  width = std::clamp(width, 0, 255);
  decimals = std::clamp(decimals, 0, 30);
  const int needed = std::snprintf(nullptr, 0, "%*.*f", width, decimals, value);
  if (needed <= 0) return std::string();
  std::string text(static_cast<size_t>(needed) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, value);
  text.resize(static_cast<size_t>(needed));
  return text;
}

}  // namespace

std::string RealToText(double value, int width, int decimals, bool zeroFilled) {
  if (!zeroFilled) return Fixed(value, width, decimals);
  // The magnitude is formatted and zero-filled first, so that the sign can
  // take the place of the first fill character.
  std::string text = Fixed(std::fabs(value), width, decimals);
  std::replace(text.begin(), text.end(), ' ', '0');
  if (value < 0) {
    if (!text.empty() && text[0] == '0') text[0] = '-';
    else text.insert(text.begin(), '-');
  }
  return text;
}

std::optional<int> ParseInteger(const std::string& text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > static_cast<int64_t>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int IntegerFromText(const std::string& text) {
  return ParseInteger(TrimRight(text)).value_or(kNotANumber);
}

std::optional<double> ParseDecimal(const std::string& text) {
  size_t i = 0;
  const auto digits = [&] {
    const size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t start = text[0] == '+' ? 1 : 0;
  size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

int LeadingInteger(const std::string& text) {
  int64_t value = 0;
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return kNotANumber;
  }
  return i == 0 ? kNotANumber : static_cast<int>(value);
}

std::string RangeCheckField(const std::string& text, int minimum, int maximum,
                            const std::string& previous) {
  std::string corrected = Trim(text);
  std::replace(corrected.begin(), corrected.end(), ' ', '0');
  const std::optional<int> value = ParseInteger(corrected);
  if (!value || *value < minimum || *value > maximum) return previous;
  return corrected;
}

}  // namespace vostrane
