// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/textgen/SourceFile.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace vostrane::textgen {

std::string SourceError::Format() const { return file + ":" + std::to_string(line) + ": " + message; }

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool IsBlankOrComment(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == '#';
}

namespace {

// Length of the UTF-8 sequence that starts at text[i], or 0 when the bytes
// there are not a well-formed sequence (overlong forms and surrogates
// included).
size_t Utf8SequenceLength(const std::string& text, size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  size_t length = 0;
  char32_t cp = 0;
  if ((c & 0xE0) == 0xC0) {
    length = 2;
    cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    length = 3;
    cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    length = 4;
    cp = c & 0x07;
  } else return 0;
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

bool ToCp1252Strict(const std::string& utf8, std::string& cp1252) {
  // The code page routine turns anything it cannot map into '?'; converting
  // character by character tells a real '?' from a lost character.
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const size_t length = Utf8SequenceLength(utf8, i);
    if (length == 0) return false;
    const std::string one = utf8.substr(i, length);
    const std::string converted = Utf8ToCp1252(one);
    if (converted.size() != 1 || (converted == "?" && one != "?")) return false;
    out += converted;
    i += length;
  }
  cp1252 = std::move(out);
  return true;
}

void PrintErrors(const std::vector<SourceError>& errors) {
  for (const SourceError& e : errors) std::cerr << e.Format() << '\n';
}

bool ReadSource(const std::string& path, std::string& content) {
  std::optional<std::string> read = ReadWholeFile(path);
  if (!read) {
    std::cerr << path << ": cannot be read\n";
    return false;
  }
  content = std::move(*read);
  return true;
}

bool WriteOutput(const std::string& path, const std::string& bytes) {
  if (!ReplaceFileContents(path, bytes)) {
    std::cerr << path << ": cannot be written; the previous file was left as it was\n";
    return false;
  }
  return true;
}

}  // namespace vostrane::textgen
