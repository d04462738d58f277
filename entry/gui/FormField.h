// SPDX-License-Identifier: GPL-3.0-or-later
// An edit field of the birth data form. It stores its text the way the form
// works with it (the program's code page, Windows-1252, a masked field
// without its literal characters) and hands every key, entry and exit to the form, so
// that the form's per-key rules and enter and exit handlers run in one
// place. Changes of the active window (a message box coming and going) are
// not entries or exits.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>
#include <vector>

namespace vostrane {

class FormField : public QLineEdit {
  Q_OBJECT

 public:
  explicit FormField(QWidget* parent = nullptr);

  // Gives the field a Qt input mask. The positions the empty field shows as
  // `blank` are the ones that hold the stored text; the others are literals.
  void SetMask(const QString& qtMask, QChar blank);
  bool IsMasked() const { return !editable_.empty(); }

  // The stored text: for a masked field the characters at the editable
  // positions, blanks as ' ', trailing blanks dropped; otherwise the text.
  std::string StoredText() const;
  void SetStoredText(const std::string& text);

  // The caret of a masked field as an index into the stored text (the
  // number of stored characters before it), and the way back: the character
  // at the caret is selected, so that the next key visibly replaces it.
  int StoredCaret() const;
  void SetStoredCaret(int index);

  // The editable position before the caret (the Left key of a masked field).
  void MoveLeft();
  void SelectFirstCharacter();

  // A plain field refuses characters without a Windows-1252 code and calls
  // this with the refused character.
  std::function<void(const QString& refused)> onRefusedCharacter;

  // Overwrite typing of a plain field: a typed character replaces the one
  // after the caret.
  bool Overwrite() const { return overwrite_; }
  void SetOverwrite(bool on) { overwrite_ = on; }

  // Hooks set by the form. onKeyPress runs before the field sees the key and
  // returns true when it handled (swallowed) the key; afterKeyPress runs
  // after the field took the key.
  std::function<bool(QKeyEvent*)> onKeyPress;
  std::function<void(QKeyEvent*)> afterKeyPress;
  std::function<void(QKeyEvent*)> onKeyRelease;
  std::function<void()> onEnter;
  std::function<void()> onExit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::vector<int> editable_;  // display positions of the stored characters
  QString template_;           // the empty field's display text
  QChar blank_;
  bool overwrite_ = false;
};

}  // namespace vostrane
