// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vostrane {
namespace {

class ScreenKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType())
      KeepOnScreen(static_cast<QWidget*>(watched));
    return false;
  }
};

}  // namespace

void KeepOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame the window system adds around the window (none before it is
  // decorated).
  const QSize frame = window->frameGeometry().size() - window->size();
  const QSize room = area.size() - frame;
  if (window->width() > room.width() || window->height() > room.height())
    window->resize(window->size().boundedTo(room));
  const QRect outer = window->frameGeometry();
  const int x = std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width()));
  const int y = std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height()));
  if (x != outer.left() || y != outer.top()) window->move(x, y);
}

}  // namespace vostrane

namespace vostrane {

void KeepOnScreenWhenShown(QWidget* window) { window->installEventFilter(new ScreenKeeper(window)); }

}  // namespace vostrane
