// SPDX-License-Identifier: GPL-3.0-or-later
// The program keeps its texts in Windows-1252, one byte per character, as the
// fixed-length fields of its files require. These convert at the boundary to
// UTF-8 (terminal output, Qt strings, file names typed by the user).
#pragma once

#include <string>
#include <vector>

namespace vostrane {

std::string Cp1252ToUtf8(const std::string& text);
// Characters without a Windows-1252 code become '?'.
std::string Utf8ToCp1252(const std::string& text);

// True when the Unicode code point has a Windows-1252 code.
bool IsCp1252Character(char32_t codePoint);

// The code point at `i` of a UTF-8 text, `i` advanced past it; 0 for a
// broken sequence.
char32_t NextUtf8CodePoint(const std::string& utf8, size_t& i);
// A character in plain ASCII: accented Latin letters lose their accents,
// dashes and typographic quotes become their ASCII forms; "" for anything
// else.
std::string AsciiFormOf(char32_t c);
// A UTF-8 text in Windows-1252: every character the code page has stays,
// any other is transliterated (AsciiFormOf, or '?' when it has no ASCII
// form) and, once each, added to `replaced` (as UTF-8) when given.
std::string Utf8ToCp1252Transliterated(const std::string& utf8, std::vector<std::string>* replaced);

}  // namespace vostrane
