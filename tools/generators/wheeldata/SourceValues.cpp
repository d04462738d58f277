// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/wheeldata/SourceValues.h"

#include <cctype>
#include <cstdlib>

#include "platform/TextTrim.h"
#include "tools/generators/textgen/SourceFile.h"

namespace vostrane::wheeldata {

namespace {
const char* const kPaletteNames[16] = {"black",   "navy",   "green",  "teal", "red",  "maroon",
                                       "olive",   "silver", "grey",   "blue", "lime", "aqua",
                                       "fuchsia", "purple", "yellow", "white"};
}

// "#RRGGBB" followed by a blank, a comma or the end: a colour, not a comment.
static bool IsRgbAt(const std::string& t, size_t i) {
  if (i + 7 > t.size()) return false;
  for (size_t k = i + 1; k < i + 7; ++k)
    if (!std::isxdigit(static_cast<unsigned char>(t[k]))) return false;
  return i + 7 == t.size() || t[i + 7] == ',' || std::isspace(static_cast<unsigned char>(t[i + 7]));
}

std::string StripComment(const std::string& line) {
  const std::string t = TrimSpace(line);
  if (!t.empty() && t[0] == '#') return "";
  for (size_t i = 1; i < t.size(); ++i) {
    if (t[i] != '#' || !std::isspace(static_cast<unsigned char>(t[i - 1])) || IsRgbAt(t, i)) continue;
    return TrimSpace(t.substr(0, i));
  }
  return t;
}

bool ParseSection(const std::string& line, std::string& name, int& number, std::string& error) {
  const std::string t = TrimSpace(line);
  if (t.empty() || t[0] != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) {
    error = "section header without ']'";
    return true;
  }
  const std::string inside = TrimSpace(t.substr(1, close - 1));
  const size_t blank = inside.find(' ');
  if (blank == std::string::npos) {
    error = "section header needs a name and a number, as in [record 1]";
    return true;
  }
  name = inside.substr(0, blank);
  long n = 0;
  if (!ParseInt(TrimSpace(inside.substr(blank + 1)), 1, 99999, n, error)) return true;
  number = static_cast<int>(n);
  return true;
}

bool SplitKeyValue(const std::string& line, std::string& key, std::string& value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = TrimSpace(line.substr(0, eq));
  value = TrimSpace(line.substr(eq + 1));
  return true;
}

bool ParseInt(const std::string& text, long minimum, long maximum, long& value, std::string& error) {
  const std::string t = TrimSpace(text);
  char* end = nullptr;
  if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-' || t[0] == '+')) {
    error = "'" + t + "' is not a number";
    return false;
  }
  const long v = std::strtol(t.c_str(), &end, 10);
  if (*end != '\0') {
    error = "'" + t + "' is not a number";
    return false;
  }
  if (v < minimum || v > maximum) {
    error = t + " is outside " + std::to_string(minimum) + ".." + std::to_string(maximum);
    return false;
  }
  value = v;
  return true;
}

bool ParseIntList(const std::string& text, size_t count, long minimum, long maximum,
                  std::vector<long>& values, std::string& error) {
  values.clear();
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    long v = 0;
    if (!ParseInt(text.substr(start, comma - start), minimum, maximum, v, error)) return false;
    values.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != count) {
    error = "expected " + std::to_string(count) + " numbers separated by commas";
    return false;
  }
  return true;
}

bool ParseColour(const std::string& text, bool paletteOnly, int32_t& colour, std::string& error) {
  const std::string t = TrimSpace(text);
  for (int i = 0; i < 16; ++i)
    if (t == kPaletteNames[i]) {
      colour = i;
      return true;
    }
  if (!t.empty() && t[0] == '#') {
    if (paletteOnly) {
      error = "only palette colours (names or 0..15) are allowed here";
      return false;
    }
    if (t.size() != 7) {
      error = "an RGB colour is #RRGGBB";
      return false;
    }
    char* end = nullptr;
    const long rgb = std::strtol(t.c_str() + 1, &end, 16);
    if (*end != '\0') {
      error = "'" + t + "' is not a colour";
      return false;
    }
    const int32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    colour = r | (g << 8) | (b << 16);
    // Values 0..15 would select the palette instead of this RGB colour.
    if (colour <= 15) {
      error = "RGB colour " + t + " collides with a palette number; use a palette name";
      return false;
    }
    return true;
  }
  long n = 0;
  if (!ParseInt(t, 0, 15, n, error)) {
    error = "'" + t + "' is not a colour (palette name, 0..15 or #RRGGBB)";
    return false;
  }
  colour = static_cast<int32_t>(n);
  return true;
}

void WalkSectionedSource(
    const std::string& content, const SourceFail& fail,
    const std::function<void(const std::string& name, int number, int lineNo)>& section,
    const std::function<void(const std::string& line, int lineNo)>& body) {
  const std::vector<std::string> lines = textgen::SplitLines(content);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    const std::string line = StripComment(lines[i]);
    if (line.empty()) continue;
    std::string name, error;
    int number = 0;
    if (ParseSection(line, name, number, error)) {
      if (!error.empty()) {
        fail(lineNo, error);
        name.clear();
      }
      section(name, number, lineNo);
      continue;
    }
    body(line, lineNo);
  }
}

}  // namespace vostrane::wheeldata
