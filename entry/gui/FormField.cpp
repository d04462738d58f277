// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/FormField.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/gui/Cp1252Validator.h"
#include "platform/gui/QtMessageService.h"

namespace vostrane {
namespace {

bool IsWindowChange(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

FormField::FormField(QWidget* parent) : QLineEdit(parent) {
  // Names and places are stored in Windows-1252: other characters are
  // refused with a word of why.
  auto* validator = new Cp1252Validator(this);
  validator->onRefused = [this](const QString& refused) {
    if (onRefusedCharacter) onRefusedCharacter(refused);
  };
  setValidator(validator);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void FormField::SetMask(const QString& qtMask, QChar blank) {
  setValidator(nullptr);
  setInputMask(qtMask);
  blank_ = blank;
  template_ = displayText();
  editable_.clear();
  for (int i = 0; i < template_.size(); ++i)
    if (template_[i] == blank) editable_.push_back(i);
}

std::string FormField::StoredText() const {
  if (!IsMasked()) return FromQt(text());
  const QString shown = displayText();
  QString stored;
  for (int i : editable_) {
    const QChar c = i < shown.size() ? shown[i] : blank_;
    stored += c == blank_ ? QChar(' ') : c;
  }
  while (!stored.isEmpty() && stored.back() == ' ') stored.chop(1);
  return FromQt(stored);
}

void FormField::SetStoredText(const std::string& text) {
  if (!IsMasked()) {
    setText(ToQt(text));
    return;
  }
  const QString stored = ToQt(text);
  QString shown = template_;
  for (size_t k = 0; k < editable_.size(); ++k) {
    const QChar c = static_cast<int>(k) < stored.size() ? stored[static_cast<int>(k)] : QChar(' ');
    shown[editable_[k]] = c == ' ' ? blank_ : c;
  }
  setText(shown);
}

int FormField::StoredCaret() const {
  const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
  int index = 0;
  while (index < static_cast<int>(editable_.size()) && editable_[static_cast<size_t>(index)] < caret)
    ++index;
  return index;
}

void FormField::SetStoredCaret(int index) {
  if (index >= 0 && index < static_cast<int>(editable_.size()))
    setSelection(editable_[static_cast<size_t>(index)], 1);
  else setCursorPosition(static_cast<int>(displayText().size()));
}

void FormField::MoveLeft() {
  const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
  int target = caret;
  for (auto it = editable_.rbegin(); it != editable_.rend(); ++it) {
    if (*it < caret) {
      target = *it;
      break;
    }
  }
  if (target < caret) setSelection(target, 1);
  else setCursorPosition(target);
}

void FormField::SelectFirstCharacter() {
  const int first = IsMasked() ? editable_.front() : 0;
  if (text().isEmpty() && !IsMasked()) setCursorPosition(0);
  else setSelection(first, 1);
}

void FormField::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress && onKeyPress(event)) {
    event->accept();
    return;
  }
  // Overwrite typing: the character after the caret makes room.
  if (overwrite_ && !IsMasked() && !hasSelectedText() && !event->text().isEmpty() &&
      event->text()[0] >= QChar('0') && cursorPosition() < text().size())
    setSelection(cursorPosition(), 1);
  QLineEdit::keyPressEvent(event);
  // Enter never reaches the dialog: it would press a button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  if (afterKeyPress) afterKeyPress(event);
}

void FormField::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (onKeyRelease && !event->isAutoRepeat()) onKeyRelease(event);
}

void FormField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (onEnter && !IsWindowChange(event->reason())) onEnter();
}

void FormField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (onExit && !IsWindowChange(event->reason())) onExit();
}

}  // namespace vostrane
