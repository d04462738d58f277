// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/textgen/TextSource.h"

#include <algorithm>
#include <cctype>

namespace vostrane::textgen {
namespace {

// Resolves the escapes "\s" and "\\"; false on any other backslash.
bool Unescape(const std::string& raw, std::string& out, std::string& problem) {
  out.clear();
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      out += raw[i];
      continue;
    }
    if (i + 1 < raw.size() && raw[i + 1] == 's') out += ' ';
    else if (i + 1 < raw.size() && raw[i + 1] == '\\') out += '\\';
    else {
      problem = "unknown escape after a backslash (use \\s for a blank, \\\\ for a backslash)";
      return false;
    }
    ++i;
  }
  return true;
}

bool ParseNumber(const std::string& field, int& number) {
  if (field.empty() || field.size() > 5) return false;
  for (char c : field)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  number = std::stoi(field);
  return number >= 1 && number <= kHighestTextNumber;
}

}  // namespace

TextSource ParseTextSource(const std::string& content, const std::string& fileName) {
  TextSource source;
  int lineNumber = 0;
  int previous = 0;
  for (const std::string& line : SplitLines(content)) {
    ++lineNumber;
    if (IsBlankOrComment(line)) continue;
    auto fail = [&](const std::string& message) {
      source.errors.push_back({fileName, lineNumber, message});
    };

    const size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      fail("expected a text number, a tab and the text");
      continue;
    }
    const std::string field = line.substr(0, tab);
    int number = 0;
    if (!ParseNumber(field, number)) {
      fail("bad text number \"" + field + "\" (a whole number from 1 to " +
           std::to_string(kHighestTextNumber) + ")");
      continue;
    }
    if (number == previous) {
      fail("text " + std::to_string(number) + " is given twice");
      continue;
    }
    if (number < previous) {
      fail("text " + std::to_string(number) + " is out of order (it follows text " +
           std::to_string(previous) + ")");
      continue;
    }
    previous = number;

    const std::string label = "text " + std::to_string(number);
    std::string utf8;
    std::string problem;
    if (!Unescape(line.substr(tab + 1), utf8, problem)) {
      fail(label + ": " + problem);
      continue;
    }
    bool control = false;
    for (unsigned char c : utf8) control = control || c < 0x20 || c == 0x7F;
    if (control) {
      fail(label + " holds a tab or another control character");
      continue;
    }
    std::string text;
    if (!ToCp1252Strict(utf8, text)) {
      fail(label + " is not valid UTF-8 or holds a character that Windows-1252 lacks");
      continue;
    }
    if (text.empty()) {
      fail(label + " is empty; leave the number out instead");
      continue;
    }
    if (text.size() > kTextCapacity) {
      fail(label + " is " + std::to_string(text.size()) + " characters long; at most " +
           std::to_string(kTextCapacity) + " fit");
      continue;
    }
    source.texts.push_back({number, std::move(text)});
  }
  return source;
}

std::string BuildMessageTextFile(const std::vector<NumberedText>& texts) {
  int count = 0;
  for (const NumberedText& t : texts) count = std::max(count, t.number);
  std::string file(static_cast<size_t>(count) * kTextRecordSize, ' ');
  for (int k = 0; k < count; ++k) file[static_cast<size_t>(k) * kTextRecordSize] = 0;
  for (const NumberedText& t : texts) {
    if (t.number < 1) continue;
    const size_t at = static_cast<size_t>(t.number - 1) * kTextRecordSize;
    const size_t length = std::min(t.text.size(), kTextCapacity);
    file[at] = static_cast<char>(length);
    file.replace(at + 1, length, t.text, 0, length);
  }
  return file;
}

}  // namespace vostrane::textgen
