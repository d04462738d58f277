// SPDX-License-Identifier: GPL-3.0-or-later
// The edit field and the arrow images of the place lookup dialog. The field
// hands its keys to the dialog before and after it takes them; an arrow
// image tells whether the mouse button is held on it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace vostrane {

class PlaceEdit : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // onKeyPress runs first and returns true when it handled (swallowed) the
  // key; afterKeyPress runs once the field took the key.
  std::function<bool(QKeyEvent*)> onKeyPress;
  std::function<void(QKeyEvent*)> afterKeyPress;
  std::function<void(QKeyEvent*)> onKeyRelease;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // The field never selects its text on getting the focus (a line edit
  // selects all when focused from the keyboard or by the dialog's opening):
  // what the user types goes after the text.
  void focusInEvent(QFocusEvent* event) override;
};

class ScrollArrow : public QLabel {
  Q_OBJECT

 public:
  ScrollArrow(Qt::ArrowType direction, QWidget* parent);
  bool Held() const { return held_; }
  // Runs when the left button goes down on the image.
  std::function<void()> onPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool held_ = false;
};

}  // namespace vostrane
