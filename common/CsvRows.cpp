// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CsvRows.h"

namespace vostrane {

bool CsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  fault_.reset();
  NumberedLine row;
  if (!lines_.Next(row)) return false;
  line_ = row.number;
  const std::string& text = row.text;
  if (text.find('\0') != std::string::npos) fault_ = "the row holds a NUL byte";
  else if (!IsValidUtf8(text)) fault_ = "the row is not valid UTF-8 text";
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
      else quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  if (quoted && !fault_) fault_ = "a quoted field has no closing quote on its line";
  fields.push_back(field);
  return true;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

bool IsValidUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    char32_t code = 0, lowest = 0;
    if ((c & 0xE0) == 0xC0) length = 2, code = c & 0x1F, lowest = 0x80;
    else if ((c & 0xF0) == 0xE0) length = 3, code = c & 0x0F, lowest = 0x800;
    else if ((c & 0xF8) == 0xF0) length = 4, code = c & 0x07, lowest = 0x10000;
    else return false;
    if (i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace vostrane
