#include "tools/batch/CsvRows.h"

namespace vostrane::batch {

bool CsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  unterminated = false;
  std::string text;
  if (!std::getline(in_, text)) return false;
  line_ = nextLine_++;
  std::string field;
  bool quoted = false;
  for (size_t i = 0;; ++i) {
    if (i == text.size()) {
      if (!quoted) break;
      // A line break inside quotes: the field goes on on the next line.
      std::string more;
      if (!std::getline(in_, more)) {
        unterminated = true;
        break;
      }
      ++nextLine_;
      field += '\n';
      text = more;
      i = static_cast<size_t>(-1);
      continue;
    }
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
    } else if (c != '\r' || i + 1 != text.size()) {
      field += c;
    }
  }
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

}  // namespace vostrane::batch
