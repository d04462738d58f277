// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/gui/ImmediateShortcut.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace vostrane {
namespace {

class ImmediateShortcut : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Shortcut) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled())
      return false;
    button->click();
    return true;
  }
};

}  // namespace

void ClickShortcutAtOnce(QAbstractButton* button) {
  button->installEventFilter(new ImmediateShortcut(button));
}

}  // namespace vostrane
