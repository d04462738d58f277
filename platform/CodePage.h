// The program keeps its texts in Windows-1252, one byte per character, as the
// fixed-length fields of its files require. These convert at the boundary to
// UTF-8 (terminal output, Qt strings, file names typed by the user).
#pragma once

#include <string>

namespace vostrane {

std::string Cp1252ToUtf8(const std::string& text);
// Characters without a Windows-1252 code become '?'.
std::string Utf8ToCp1252(const std::string& text);

// True when the Unicode code point has a Windows-1252 code.
bool IsCp1252Character(char32_t codePoint);

}  // namespace vostrane
