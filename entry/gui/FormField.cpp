#include "entry/gui/FormField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "platform/gui/QtMessageService.h"

namespace vostrane {
namespace {

// Plain fields refuse characters outside the first 128 codes.
class PlainCharacters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (c.unicode() > 0x7F) return Invalid;
    return Acceptable;
  }
};

bool IsWindowChange(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

FieldKey ToFieldKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return FieldKey::Enter;
    case Qt::Key_Down: return FieldKey::Down;
    case Qt::Key_Up: return FieldKey::Up;
    case Qt::Key_Right: return FieldKey::Right;
    default: return FieldKey::Other;
  }
}

FormField::FormField(QWidget* parent) : QLineEdit(parent) {
  setValidator(new PlainCharacters(this));
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

MaskedField FormField::Field() const {
  MaskedField field;
  field.text = StoredText();
  field.caret = hasSelectedText() ? selectionStart() : cursorPosition();
  field.selectionLength = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  return field;
}

void FormField::Apply(const FieldCorrection& correction) {
  if (correction.textChanged) SetStoredText(correction.field.text);
  const int caret = correction.field.caret;
  if (correction.field.selectionLength > 0)
    setSelection(caret, correction.field.selectionLength);
  else
    setCursorPosition(caret);
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
  setCursorPosition(target);
}

void FormField::SelectFirstCharacter() {
  const int first = IsMasked() ? editable_.front() : 0;
  if (text().isEmpty() && !IsMasked())
    setCursorPosition(0);
  else
    setSelection(first, 1);
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
