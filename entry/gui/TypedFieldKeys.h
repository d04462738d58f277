// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of a typed field (date, time, latitude, longitude, zone): the
// editing keys move the caret, a character is typed by the field's rules
// (shell/MaskedFields.h), Enter and Down ask for the next field and Up for
// the previous one. The birth data form and the derived chart dialog share
// them, so a date is typed the same way in both.
#pragma once

#include <optional>
#include <string>

#include "common/MaskedFields.h"

class QKeyEvent;

namespace vostrane {

class FormField;

enum class TypedKeyMove { None, Next, Previous };

struct TypedKey {
  bool handled = false;  // false: the field takes the key itself (Home, Ctrl+C ...)
  TypedKeyMove move = TypedKeyMove::None;
  // After a typed character: what is wrong with the text ("" when nothing).
  std::optional<std::string> problem;
};

TypedKey TypedFieldKey(FormField& field, const FieldLayout& layout, QKeyEvent* event);

// Leaving the field: every unit that waits for digits is taken as typed
// (and a time's letter completed); the field shows the result. Returns what
// is wrong with it, "" when the text can exist.
std::string CompleteTypedField(FormField& field, const FieldLayout& layout);

}  // namespace vostrane
