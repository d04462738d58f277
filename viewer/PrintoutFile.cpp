// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/PrintoutFile.h"

#include <filesystem>

namespace vostrane {
namespace {

constexpr size_t kMaxBaseLength = 40;

// Windows-1252 0xC0..0xFF without accents ("" for the signs × and ÷).
const char* const kLatinLetters[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// Any kind of file counts, a folder too.
bool Taken(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error) || error;
}

bool PlainCharacter(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string PrintoutFileBase(const std::string& name, int entry) {
  std::string base;
  bool gap = false;
  for (unsigned char c : name) {
    std::string part;
    if (PlainCharacter(c)) part = std::string(1, static_cast<char>(c));
    else if (c >= 0xC0) part = kLatinLetters[c - 0xC0];
    else if (c == 0x8A || c == 0x9A) part = c == 0x8A ? "S" : "s";
    else if (c == 0x8E || c == 0x9E) part = c == 0x8E ? "Z" : "z";
    if (part.empty()) {
      gap = true;
      continue;
    }
    if (gap && !base.empty()) base += '_';
    gap = false;
    base += part;
  }
  if (base.size() > kMaxBaseLength) base.resize(kMaxBaseLength);
  if (base.empty()) base = "Entry" + std::to_string(entry);
  return base;
}

std::string FreePrintoutFileName(const std::string& folder, const std::string& base) {
  const std::string prefix = folder.empty() ? "" : folder + "/";
  for (int n = 1; n <= kMaxPrintoutFileNumber; ++n) {
    const std::string path = prefix + base + (n == 1 ? "" : "-" + std::to_string(n)) + ".pdf";
    // The document is written beside its final name first; that name must
    // be free too.
    if (!Taken(path) && !Taken(path + ".tmp")) return path;
  }
  return "";
}

}  // namespace vostrane
