// SPDX-License-Identifier: GPL-3.0-or-later
// The tags of a production index as the index list gives them: pairs of
// lines, a definition "NAME,UNIQUE,DESCENDING,KEY EXPRESSION" (flags T or F)
// and a condition line (empty).
#pragma once

#include <string>
#include <vector>

#include "tablestore/DbfLayout.h"
#include "tablestore/KeyExpression.h"

namespace vostrane {

inline constexpr size_t kMaxKeyLength = 100;
inline constexpr size_t kMaxTags = 47;
inline constexpr size_t kMaxTagNameLength = 10;
inline constexpr size_t kMaxExpressionLength = 220;

struct TagDefinition {
  std::string name;  // upper-cased
  bool unique = false;
  bool descending = false;
  std::string expression;  // upper-cased, as compared with a stored index
  KeyExpression key;

  size_t KeyLength() const { return key.Length(); }
};

// Parses and compiles the index list against the table layout. Throws
// TableError "Invalid dBASE key expression or corrupted index file " + the
// index file name for a definition that cannot be used.
std::vector<TagDefinition> ParseIndexList(const std::vector<std::string>& lines, const DbfLayout& layout,
                                          const std::string& indexFileName);

}  // namespace vostrane
