// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vostrane {
namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where Windows-1252 has none.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The Windows-1252 byte of a code point, or nullopt.
std::optional<char> Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

char ToCp1252(char32_t cp) { return Cp1252Byte(cp).value_or('?'); }

// ASCII forms of the Latin-1 letters U+00C0 .. U+00FF.
const char* const kLatin1[64] = {"A", "A", "A", "A", "A",  "A",  "AE", "C", "E", "E", "E",  "E", "I",
                                 "I", "I", "I", "D", "N",  "O",  "O",  "O", "O", "O", "x",  "O", "U",
                                 "U", "U", "U", "Y", "Th", "ss", "a",  "a", "a", "a", "a",  "a", "ae",
                                 "c", "e", "e", "e", "e",  "i",  "i",  "i", "i", "d", "n",  "o", "o",
                                 "o", "o", "o", "",  "o",  "u",  "u",  "u", "u", "y", "th", "y"};

// The base letter of a Latin Extended-A letter (U+0100 .. U+017F): they
// come in upper/lower pairs in alphabetical groups.
char LatinExtendedA(uint32_t c) {
  static const char* const bases =
      "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsS"
      "sTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
  const uint32_t i = c - 0x100;
  return i < 128 ? bases[i] : 0;
}

}  // namespace

bool IsCp1252Character(char32_t codePoint) { return Cp1252Byte(codePoint).has_value(); }

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0xA0) AppendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : U'?');
    else AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToCp1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0) {
      out += '?';
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    out += ToCp1252(cp);
    i += extra + 1;
  }
  return out;
}

std::string AsciiFormOf(char32_t c) {
  if (c < 0x80) return c >= 0x20 && c != 0x7F ? std::string(1, static_cast<char>(c)) : "";
  if (c >= 0xC0 && c <= 0xFF) return kLatin1[c - 0xC0];
  if (const char b = LatinExtendedA(c)) return std::string(1, b);
  switch (c) {
    case 0x018F: return "E";  // schwa
    case 0x01DD:
    case 0x0259: return "e";
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014: return "-";
    case 0x2018:
    case 0x2019:
    case 0x02BB:
    case 0x02BC:
    case 0x00B4: return "'";
    case 0x201C:
    case 0x201D: return "\"";
    default: return "";
  }
}

char32_t NextUtf8CodePoint(const std::string& utf8, size_t& i) {
  const auto b = static_cast<unsigned char>(utf8[i]);
  char32_t c = b;
  size_t length = 1;
  if (b >= 0xF0) {
    c = b & 0x07;
    length = 4;
  } else if (b >= 0xE0) {
    c = b & 0x0F;
    length = 3;
  } else if (b >= 0xC0) {
    c = b & 0x1F;
    length = 2;
  } else if (b >= 0x80) {
    ++i;
    return 0;
  }  // a stray continuation byte
  if (i + length > utf8.size()) {
    i = utf8.size();
    return 0;
  }
  for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
  i += length;
  return c;
}

std::string Utf8ToCp1252Transliterated(const std::string& utf8, std::vector<std::string>* replaced) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const size_t from = i;
    const char32_t c = NextUtf8CodePoint(utf8, i);
    if (const std::optional<char> byte = Cp1252Byte(c); byte && c != 0) {
      out += *byte;
      continue;
    }
    const std::string ascii = AsciiFormOf(c);
    out += ascii.empty() ? "?" : ascii;
    if (!replaced) continue;
    const std::string original = utf8.substr(from, i - from);
    bool listed = false;
    for (const std::string& r : *replaced) listed = listed || r == original;
    if (!listed) replaced->push_back(original);
  }
  return out;
}

}  // namespace vostrane
