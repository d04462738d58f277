// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/DialMode.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "viewer/gui/PageView.h"

namespace vostrane {

DialMode::DialMode(QMenu* view, PageView* page, QObject* parent)
    : QObject(parent), page_(page), menu_(view->addMenu("&Dial")) {
  auto* group = new QActionGroup(menu_);
  wheelAction_ = menu_->addAction("&Wheel Page");
  group->addAction(wheelAction_);
  wheelAction_->setCheckable(true);
  wheelAction_->setChecked(true);
  connect(wheelAction_, &QAction::triggered, this, [this] { SetModulus(0); });
  for (const auto& [modulus, text] : {std::pair{90, "&90\u00b0 Dial"}, std::pair{45, "&45\u00b0 Dial"},
                                      std::pair{360, "&360\u00b0 Dial"}}) {
    QAction* a = menu_->addAction(QString::fromUtf8(text));
    a->setCheckable(true);
    group->addAction(a);
    dialActions_.push_back({modulus, a});
    connect(a, &QAction::triggered, this, [this, m = modulus] { SetModulus(m); });
  }
  menu_->addSeparator();
  menu_->addAction("Left, Right: pointer by 0.1\u00b0; with Shift by 1\u00b0")->setEnabled(false);
  page_->installEventFilter(this);
  page_->ImageLabel()->installEventFilter(this);
}

QAction* DialMode::DialAction(int modulus) const {
  for (const auto& [m, a] : dialActions_)
    if (m == modulus) return a;
  return wheelAction_;
}

void DialMode::SetModulus(int modulus) {
  if (modulus != 0 && !IsDialModulus(modulus)) return;
  const bool changed = modulus != modulus_;
  modulus_ = modulus;
  if (On()) pointer_ = DialPlace(pointer_, modulus_);
  DialAction(modulus)->setChecked(true);
  if (changed) emit Changed();
}

void DialMode::SetPointer(double place) {
  if (!On()) return;
  pointer_ = TurnPointer(place, 0.0, modulus_);
  emit Changed();
}

DialPageInput DialMode::InputFor(const ChartEntry& chart, const WheelDefinition& style, double orb) {
  DialPageInput in;
  in.chart = &chart;
  in.points = MidpointPointsOf(chart, style);
  in.modulus = On() ? modulus_ : 90;
  in.pointer = pointer_;
  in.orb = orb;
  reading_ = ReadDial(in);
  return in;
}

bool DialMode::PointAtMouse(const QPointF& labelPos) {
  if (!screenMetrics || page_->Scale() <= 0) return false;
  // Label pixels to sheet pixels, then to the upright page on the sheet.
  const PageMetrics m = screenMetrics();
  const double x = (labelPos.x() / page_->Scale() - m.sheetX) / m.sheetScale;
  const double y = (labelPos.y() / page_->Scale() - m.sheetY) / m.sheetScale;
  const DialGeometry g = DialGeometryOf(m);
  // Only on the dial's disc (and a little around it) does the mouse turn it.
  const double dx = x - g.cx, dy = (y - g.cy) / g.k;
  if (dx * dx + dy * dy > 1.44 * g.r * g.r) return false;
  SetPointer(DialPlaceAt(g, modulus_, x, y));
  return true;
}

bool DialMode::eventFilter(QObject* watched, QEvent* event) {
  if (!On()) return false;
  if (watched == page_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right) return false;
    const double step = key->modifiers() & Qt::ShiftModifier ? 1.0 : 0.1;
    SetPointer(TurnPointer(pointer_, key->key() == Qt::Key_Right ? step : -step, modulus_));
    return true;
  }
  if (watched == page_->ImageLabel() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::LeftButton)) return false;
    return PointAtMouse(mouse->position());
  }
  return false;
}

}  // namespace vostrane
