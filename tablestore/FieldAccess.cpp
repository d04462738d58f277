// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/FieldAccess.h"

#include <limits>

#include "platform/TextTrim.h"

namespace vostrane {

namespace {

bool IsNumeric(const DbfField& f) { return f.type == 'N' || f.type == 'F'; }

void PutAligned(std::string& record, const DbfField& field, std::string_view text, bool right) {
  const size_t width = static_cast<size_t>(field.width);
  if (text.size() > width) text = text.substr(0, width);
  const size_t pad = width - text.size();
  char* out = record.data() + field.offset;
  std::string cell = right ? std::string(pad, ' ') + std::string(text)
                           : std::string(text) + std::string(pad, ' ');
  cell.copy(out, width);
}

}  // namespace

std::string FieldText(const std::string& record, const DbfField& field) {
  return record.substr(static_cast<size_t>(field.offset), static_cast<size_t>(field.width));
}

int64_t FieldLong(const std::string& record, const DbfField& field) {
  std::string_view s = TrimBlanksAndZeros(std::string_view(record).substr(
      static_cast<size_t>(field.offset), static_cast<size_t>(field.width)));
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10 - 9;
  int64_t value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    if (value < kLimit) value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

void PutFieldText(std::string& record, const DbfField& field, std::string_view text) {
  if (IsNumeric(field)) text = TrimBlanksAndZeros(text);
  PutAligned(record, field, text, IsNumeric(field));
}

bool PutFieldLong(std::string& record, const DbfField& field, int64_t value) {
  std::string text = std::to_string(value);
  if (field.decimals > 0) text += "." + std::string(static_cast<size_t>(field.decimals), '0');
  if (text.size() > static_cast<size_t>(field.width)) return false;
  PutAligned(record, field, text, true);
  return true;
}

}  // namespace vostrane
