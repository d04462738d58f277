// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/KeyExpression.h"

#include <cctype>

#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"

namespace vostrane {

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

// Recursive descent over: expr := term { "+" term };
// term := string | "UPPER" "(" expr ")" | field | "(" expr ")".
class ExpressionParser {
 public:
  ExpressionParser(std::string_view text, const DbfLayout& layout) : text_(text), layout_(layout) {}

  bool ParseExpression(KeyExpression& out, bool upper) {
    if (!ParseTerm(out, upper)) return false;
    while (Accept('+')) {
      if (!ParseTerm(out, upper)) return false;
    }
    return true;
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }
  bool Accept(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool AcceptText(std::string_view s) {
    SkipBlanks();
    if (text_.substr(pos_, s.size()) != s) return false;
    pos_ += s.size();
    return true;
  }

 private:
  bool ParseTerm(KeyExpression& out, bool upper) {
    SkipBlanks();
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    if (c == '"' || c == '\'' || c == '[') return ParseString(out, upper, c == '[' ? ']' : c);
    if (Accept('(')) return ParseExpression(out, upper) && Accept(')');
    if (!IsIdentStart(c)) return false;
    const size_t start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    const std::string word = UpperAnsi(text_.substr(start, pos_ - start));
    if (Accept('(')) {
      if (word != "UPPER") return false;
      return ParseExpression(out, true) && Accept(')');
    }
    const int index = layout_.FindField(word);
    if (index < 0) return false;
    const DbfField& f = layout_.fields[static_cast<size_t>(index)];
    // Character and date fields only: a date is stored as YYYYMMDD text,
    // which sorts as the dates do. Numeric keys would need another encoding.
    if (f.type != 'C' && f.type != 'D') return false;
    out.segments_.push_back({std::string(), f.offset, f.width, upper});
    out.length_ += static_cast<size_t>(f.width);
    return true;
  }

  bool ParseString(KeyExpression& out, bool upper, char close) {
    const size_t start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != close) ++pos_;
    if (pos_ >= text_.size()) return false;
    std::string literal(text_.substr(start, pos_ - start));
    ++pos_;
    if (upper) literal = UpperAnsi(literal);
    out.length_ += literal.size();
    out.segments_.push_back({std::move(literal), 0, 0, false});
    return true;
  }

  std::string_view text_;
  const DbfLayout& layout_;
  size_t pos_ = 0;
};

std::optional<KeyExpression> KeyExpression::Compile(std::string_view text, const DbfLayout& layout) {
  ExpressionParser parser(text, layout);
  KeyExpression e;
  if (!parser.ParseExpression(e, false) || !parser.AtEnd() || e.length_ == 0) return std::nullopt;
  return e;
}

void KeyExpression::Evaluate(const char* record, char* out) const {
  for (const Segment& s : segments_) {
    if (s.width == 0) {
      out = s.literal.copy(out, s.literal.size()) + out;
      continue;
    }
    const char* in = record + s.offset;
    for (int i = 0; i < s.width; ++i) *out++ = s.upper ? UpperAnsiChar(in[i]) : in[i];
  }
}

std::string KeyExpression::Evaluate(const std::string& record) const {
  std::string key(length_, ' ');
  Evaluate(record.data(), key.data());
  return key;
}

std::optional<RecordFilter> RecordFilter::Compile(std::string_view text, const DbfLayout& layout) {
  ExpressionParser parser(text, layout);
  RecordFilter filter;
  KeyExpression left, right;
  if (!parser.ParseExpression(left, false)) return std::nullopt;
  if (parser.AcceptText("==")) {
    filter.op_ = Op::Equal;
  } else if (parser.AcceptText("<>") || parser.AcceptText("!=") || parser.AcceptText("#")) {
    filter.op_ = Op::NotBeginsWith;
  } else if (parser.AcceptText("=")) {
    filter.op_ = Op::BeginsWith;
  } else {
    return std::nullopt;
  }
  if (!parser.ParseExpression(right, false) || !parser.AtEnd()) return std::nullopt;
  filter.sides_ = {std::move(left), std::move(right)};
  return filter;
}

bool RecordFilter::Accepts(const std::string& record) const {
  const std::string left = sides_[0].Evaluate(record);
  const std::string right = sides_[1].Evaluate(record);
  switch (op_) {
    case Op::Equal: return TrimRight(left) == TrimRight(right);
    case Op::BeginsWith: return left.compare(0, right.size(), right) == 0;
    case Op::NotBeginsWith: return left.compare(0, right.size(), right) != 0;
  }
  return false;
}

}  // namespace vostrane
