// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/gui/PlaceEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace vostrane {

void PlaceEdit::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress && onKeyPress(event)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
  if (afterKeyPress) afterKeyPress(event);
}

void PlaceEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (onKeyRelease) onKeyRelease(event);
}

void PlaceEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  deselect();
}

ScrollArrow::ScrollArrow(Qt::ArrowType direction, QWidget* parent) : QLabel(parent) {
  QPixmap image(24, 24);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  const QPolygon up({QPoint(12, 3), QPoint(22, 20), QPoint(2, 20)});
  const QPolygon down({QPoint(2, 4), QPoint(22, 4), QPoint(12, 21)});
  painter.drawPolygon(direction == Qt::UpArrow ? up : down);
  setPixmap(image);
  setFixedSize(26, 26);
  setAlignment(Qt::AlignCenter);
}

void ScrollArrow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  held_ = true;
  if (onPress) onPress();
}

void ScrollArrow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) held_ = false;
}

}  // namespace vostrane
