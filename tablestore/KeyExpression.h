// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the dBase expression language the tables need: field names
// (without regard to case), string literals, UPPER(...) and "+" on character
// values. A key expression compiles to a list of byte segments; its value is
// the concatenation of the fields at their full width, blanks included.
// A filter is a comparison of two such expressions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tablestore/DbfLayout.h"

namespace vostrane {

class KeyExpression {
 public:
  // nullopt when the text is not a valid character expression on the layout
  // (unknown field, non-character field, syntax, or an empty value).
  static std::optional<KeyExpression> Compile(std::string_view text, const DbfLayout& layout);

  size_t Length() const { return length_; }
  // Evaluates on a record buffer; writes Length() bytes to `out`.
  void Evaluate(const char* record, char* out) const;
  std::string Evaluate(const std::string& record) const;

 private:
  struct Segment {
    std::string literal;  // used when width is 0
    int offset = 0;
    int width = 0;
    bool upper = false;
  };
  friend class ExpressionParser;
  std::vector<Segment> segments_;
  size_t length_ = 0;
};

// A filter condition "expr = expr", "expr == expr", "expr <> expr" (also "#"
// and "!="). "=" is true when the left value begins with the right one;
// "==" compares whole values, trailing blanks ignored.
class RecordFilter {
 public:
  static std::optional<RecordFilter> Compile(std::string_view text, const DbfLayout& layout);
  bool Accepts(const std::string& record) const;

 private:
  enum class Op { BeginsWith, Equal, NotBeginsWith };
  Op op_ = Op::BeginsWith;
  std::vector<KeyExpression> sides_;
};

}  // namespace vostrane
