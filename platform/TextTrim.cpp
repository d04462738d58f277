// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextTrim.h"

#include <cctype>

namespace vostrane {

namespace {

// The part of the text between leading and trailing characters that `drop`
// accepts.
template <typename Drop>
std::string_view Inner(std::string_view text, Drop drop, bool front, bool back) {
  if (front)
    while (!text.empty() && drop(text.front())) text.remove_prefix(1);
  if (back)
    while (!text.empty() && drop(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlank(char c) { return c == ' '; }

}  // namespace

std::string TrimRight(const std::string& text) { return std::string(Inner(text, IsBlank, false, true)); }

std::string TrimLeft(const std::string& text) { return std::string(Inner(text, IsBlank, true, false)); }

std::string Trim(const std::string& text) { return std::string(Inner(text, IsBlank, true, true)); }

std::string TrimSpace(std::string_view text) {
  return std::string(Inner(
      text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }, true, true));
}

std::string TrimRightOf(std::string_view text, std::string_view chars) {
  return std::string(Inner(
      text, [chars](char c) { return chars.find(c) != std::string_view::npos; }, false, true));
}

std::string_view TrimBlanksAndZeros(std::string_view text) {
  return Inner(
      text, [](char c) { return c == ' ' || c == '\0'; }, true, true);
}

}  // namespace vostrane
