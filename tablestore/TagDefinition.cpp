// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/TagDefinition.h"

#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/TableError.h"

namespace vostrane {

namespace {

// Splits at the first three commas; the expression may itself hold commas.
bool SplitDefinition(const std::string& line, std::string parts[4]) {
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = line.find(',', start);
    if (comma == std::string::npos) return false;
    parts[i] = TrimSpace(line.substr(start, comma - start));
    start = comma + 1;
  }
  parts[3] = TrimSpace(line.substr(start));
  return true;
}

bool ParseFlag(const std::string& text, bool& out) {
  const std::string f = UpperAnsi(text);
  if (f == "T" || f == ".T.") out = true;
  else if (f == "F" || f == ".F.") out = false;
  else return false;
  return true;
}

}  // namespace

std::vector<TagDefinition> ParseIndexList(const std::vector<std::string>& lines, const DbfLayout& layout,
                                          const std::string& indexFileName) {
  const TableError invalid("Invalid dBASE key expression or corrupted index file " + indexFileName);
  std::vector<TagDefinition> tags;
  for (size_t i = 0; i < lines.size(); i += 2) {
    const std::string& line = lines[i];
    if (TrimSpace(line).empty()) continue;  // a trailing blank line
    const std::string condition = i + 1 < lines.size() ? TrimSpace(lines[i + 1]) : std::string();
    std::string parts[4];
    TagDefinition tag;
    if (!SplitDefinition(line, parts) || !ParseFlag(parts[1], tag.unique) ||
        !ParseFlag(parts[2], tag.descending)) {
      throw invalid;
    }
    tag.name = UpperAnsi(parts[0]);
    tag.expression = UpperAnsi(parts[3]);
    if (tag.name.empty() || tag.name.size() > kMaxTagNameLength || tag.expression.empty() ||
        tag.expression.size() > kMaxExpressionLength) {
      throw invalid;
    }
    // The tables of this program use neither; an index that honoured them
    // only in part would answer seeks wrongly, so they are refused.
    if (tag.unique || tag.descending || !condition.empty()) {
      throw TableError("Unique, descending and conditional tags are not supported: " + line);
    }
    std::optional<KeyExpression> key = KeyExpression::Compile(tag.expression, layout);
    if (!key || key->Length() > kMaxKeyLength) throw invalid;
    tag.key = std::move(*key);
    for (const TagDefinition& other : tags) {
      if (other.name == tag.name) throw invalid;
    }
    tags.push_back(std::move(tag));
  }
  if (tags.size() > kMaxTags) throw invalid;
  return tags;
}

}  // namespace vostrane
