// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace vostrane {

ScreenMetrics PrimaryScreenMetrics() {
  ScreenMetrics m;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect geometry = screen->geometry();
    m.width = geometry.width();
    m.height = geometry.height();
    m.logicalDpi = screen->logicalDotsPerInchY();
  }
  return m;
}

}  // namespace vostrane
