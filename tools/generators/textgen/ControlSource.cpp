// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/textgen/ControlSource.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/ByteOrder.h"

namespace vostrane::textgen {
namespace {

// Walks one source line: words, quoted literals, and the end of the line or
// the start of its comment.
class LineReader {
 public:
  explicit LineReader(const std::string& line) : line_(line) {}

  void SkipBlanks() {
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= line_.size() || line_[pos_] == '#';
  }
  char Peek() {
    SkipBlanks();
    return pos_ < line_.size() ? line_[pos_] : '\0';
  }
  std::string Word() {
    SkipBlanks();
    const size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t' && line_[pos_] != '#')
      ++pos_;
    return line_.substr(start, pos_ - start);
  }
  // A literal between quote characters ' or "; inside it a backslash makes
  // the next character literal. False when the closing quote is missing.
  bool Quoted(std::string& out) {
    SkipBlanks();
    const char quote = line_[pos_++];
    out.clear();
    while (pos_ < line_.size()) {
      const char c = line_[pos_++];
      if (c == quote) return true;
      if (c == '\\' && pos_ < line_.size()) out += line_[pos_++];
      else out += c;
    }
    return false;
  }

 private:
  const std::string& line_;
  size_t pos_ = 0;
};

bool ParseWhole(const std::string& word, size_t& value) {
  if (word.empty() || word.size() > 9) return false;
  for (char c : word)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  value = std::stoul(word);
  return true;
}

// Decimal or 0x hexadecimal, with an optional minus sign; leading zeros do
// not make a number octal.
bool ParseInteger(const std::string& word, int64_t low, int64_t high, int64_t& value) {
  size_t i = 0;
  const bool negative = !word.empty() && word[0] == '-';
  if (negative) ++i;
  int base = 10;
  if (word.size() > i + 2 && word[i] == '0' && (word[i + 1] == 'x' || word[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= word.size() || word.size() - i > 16) return false;
  uint64_t magnitude = 0;
  for (; i < word.size(); ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (!std::isxdigit(c) || (base == 10 && !std::isdigit(c))) return false;
    const int digit = std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > (uint64_t{1} << 40)) return false;
  }
  value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return value >= low && value <= high;
}

bool ParseReal(const std::string& word, double& value) {
  if (word.empty()) return false;
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return end == word.c_str() + word.size() && std::isfinite(value);
}

template <typename T>
std::string LittleEndianBytes(T value) {
  std::string bytes(sizeof(T), '\0');
  WriteLe<T>(bytes.data(), value);
  return bytes;
}

// Reads the value of a field of the given type; returns the stored bytes or
// sets the problem.
bool FieldBytes(const std::string& type, LineReader& reader, std::string& bytes, std::string& problem) {
  const char first = reader.Peek();
  const bool quoted = first == '\'' || first == '"';
  std::string literal;
  std::string word;
  if (quoted) {
    if (!reader.Quoted(literal)) {
      problem = "the closing quote is missing";
      return false;
    }
  } else {
    word = reader.Word();
    if (word.empty()) {
      problem = "the value is missing";
      return false;
    }
  }

  if (type == "char") {
    std::string c;
    if (first != '\'' || !ToCp1252Strict(literal, c) || c.size() != 1) {
      problem = "a char value is one character in single quotes, like 'Y'";
      return false;
    }
    bytes = c;
    return true;
  }
  if (type == "chars" || type.rfind("string", 0) == 0) {
    std::string text;
    if (first != '"') {
      problem = "a " + type + " value is written in double quotes";
      return false;
    }
    if (!ToCp1252Strict(literal, text)) {
      problem = "the text is not valid UTF-8 or holds a character that Windows-1252 lacks";
      return false;
    }
    if (type == "chars") {
      if (text.empty()) {
        problem = "a chars value needs at least one character";
        return false;
      }
      bytes = text;
      return true;
    }
    size_t capacity = 0;
    if (!ParseWhole(type.substr(6), capacity) || capacity < 1 || capacity > 255) {
      problem = "unknown type \"" + type + "\" (stringN needs N from 1 to 255)";
      return false;
    }
    if (text.size() > capacity) {
      problem = "the text has " + std::to_string(text.size()) + " characters; " + type +
                " holds at most " + std::to_string(capacity);
      return false;
    }
    bytes.assign(capacity + 1, '\0');
    bytes[0] = static_cast<char>(text.size());
    bytes.replace(1, text.size(), text);
    return true;
  }

  if (quoted) {
    problem = "a " + type + " value is a number, not a quoted text";
    return false;
  }
  int64_t integer = 0;
  if (type == "i16") {
    if (!ParseInteger(word, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
                      integer)) {
      problem = "\"" + word + "\" is not an i16 (-32768 to 32767)";
      return false;
    }
    bytes = LittleEndianBytes(static_cast<int16_t>(integer));
    return true;
  }
  if (type == "i32") {
    if (!ParseInteger(word, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                      integer)) {
      problem = "\"" + word + "\" is not an i32";
      return false;
    }
    bytes = LittleEndianBytes(static_cast<int32_t>(integer));
    return true;
  }
  if (type == "f64") {
    double real = 0;
    if (!ParseReal(word, real)) {
      problem = "\"" + word + "\" is not a finite real number";
      return false;
    }
    bytes = LittleEndianBytes(real);
    return true;
  }
  problem = "unknown type \"" + type + "\" (char, chars, stringN, i16, i32, f64)";
  return false;
}

}  // namespace

ControlSource ParseControlSource(const std::string& content, const std::string& fileName,
                                 size_t recordSize) {
  ControlSource source;
  int lineNumber = 0;
  for (const std::string& line : SplitLines(content)) {
    ++lineNumber;
    if (IsBlankOrComment(line)) continue;
    auto fail = [&](const std::string& message) {
      source.errors.push_back({fileName, lineNumber, message});
    };

    LineReader reader(line);
    const std::string offsetWord = reader.Word();
    ControlField field;
    field.line = lineNumber;
    if (!ParseWhole(offsetWord, field.offset) || field.offset >= recordSize) {
      fail("bad offset \"" + offsetWord + "\" (0 to " + std::to_string(recordSize - 1) + ")");
      continue;
    }
    const std::string type = reader.Word();
    if (type.empty()) {
      fail("the type is missing");
      continue;
    }
    std::string problem;
    if (!FieldBytes(type, reader, field.bytes, problem)) {
      fail("offset " + offsetWord + ": " + problem);
      continue;
    }
    if (!reader.AtEnd()) {
      fail("offset " + offsetWord + ": unexpected text after the value");
      continue;
    }
    if (field.offset + field.bytes.size() > recordSize) {
      fail("offset " + offsetWord + ": the field's " + std::to_string(field.bytes.size()) +
           " bytes run past the end of the " + std::to_string(recordSize) + "-byte record");
      continue;
    }
    bool overlaps = false;
    for (const ControlField& other : source.fields) {
      if (field.offset < other.offset + other.bytes.size() &&
          other.offset < field.offset + field.bytes.size()) {
        fail("offset " + offsetWord + ": the field overlaps the field at offset " +
             std::to_string(other.offset) + " (line " + std::to_string(other.line) + ")");
        overlaps = true;
        break;
      }
    }
    if (!overlaps) source.fields.push_back(std::move(field));
  }
  return source;
}

std::string BuildControlRecord(const std::vector<ControlField>& fields, size_t recordSize) {
  std::string record(recordSize, '\0');
  for (const ControlField& f : fields)
    if (f.offset < recordSize)
      record.replace(f.offset, std::min(f.bytes.size(), recordSize - f.offset), f.bytes, 0,
                     std::min(f.bytes.size(), recordSize - f.offset));
  return record;
}

}  // namespace vostrane::textgen
