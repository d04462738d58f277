// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/TypedFieldKeys.h"

#include <algorithm>

#include <QKeyEvent>

#include "entry/FieldRules.h"
#include "entry/gui/FormField.h"

namespace vostrane {

TypedKey TypedFieldKey(FormField& f, const FieldLayout& layout, QKeyEvent* e) {
  TypedKey result;
  result.handled = true;
  switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left: f.MoveLeft(); return result;
    case Qt::Key_Right: f.SetStoredCaret(std::min(f.StoredCaret() + 1, layout.size)); return result;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: result.move = TypedKeyMove::Next; return result;
    case Qt::Key_Up: result.move = TypedKeyMove::Previous; return result;
    default: break;
  }
  const QString text = e->text();
  // Home, End ...: the field moves the caret; Ctrl keys copy, select all ...
  if (text.isEmpty() || (e->modifiers() & Qt::ControlModifier)) {
    result.handled = false;
    return result;
  }
  if (e->modifiers() & Qt::AltModifier) return result;  // a shortcut, not a character
  const char16_t c = text[0].unicode();
  if (c < 0x20) return result;
  const char typed = c < 0x80 ? static_cast<char>(c) : '\x80';
  const FieldEdit edit = TypeIntoField(layout, f.StoredText(), f.StoredCaret(), typed);
  f.SetStoredText(edit.text);
  f.SetStoredCaret(edit.caret);
  result.problem = edit.problem;
  return result;
}

std::string CompleteTypedField(FormField& f, const FieldLayout& layout) {
  std::string text = f.StoredText();
  if (layout.kind == FieldKind::Time) text = TimeOnExit(text);
  const FieldEdit done = CompleteField(layout, text);
  if (done.text != f.StoredText()) f.SetStoredText(done.text);
  return done.problem;
}

}  // namespace vostrane
