// SPDX-License-Identifier: GPL-3.0-or-later
// The dial page in the viewer: the View menu's Dial submenu (the wheel page,
// or the dial of 90, 45 or 360 degrees), the pointer turned with the keys
// (Left and Right by a tenth of a degree, with Shift by a whole degree) and
// by dragging it with the mouse, and what the pointer read on the page last
// drawn.
#pragma once

#include <QObject>
#include <functional>

#include "wheel/DialPage.h"
#include "wheel/PageMetrics.h"

class QAction;
class QMenu;

namespace vostrane {

class PageView;

class DialMode : public QObject {
  Q_OBJECT

 public:
  // Adds the submenu to `view`; keys and the mouse are taken from `page`.
  DialMode(QMenu* view, PageView* page, QObject* parent);

  bool On() const { return modulus_ > 0; }
  int Modulus() const { return modulus_; }
  double Pointer() const { return pointer_; }
  // 0 turns the dial off (the wheel page again).
  void SetModulus(int modulus);
  void SetPointer(double place);
  QMenu* Menu() const { return menu_; }
  QAction* DialAction(int modulus) const;

  // The metrics of the screen page, for finding the dial under the mouse.
  std::function<PageMetrics()> screenMetrics;

  // The page input of a chart under a style with the midpoint orb; the
  // reading of the pointer is kept.
  DialPageInput InputFor(const ChartEntry& chart, const WheelDefinition& style, double orb);
  const DialReading& Reading() const { return reading_; }

 signals:
  // The dial was switched or its pointer turned: the page is drawn again.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PointAtMouse(const QPointF& labelPos);

  PageView* page_;
  QMenu* menu_;
  QAction* wheelAction_ = nullptr;
  std::vector<std::pair<int, QAction*>> dialActions_;
  int modulus_ = 0;
  double pointer_ = 0;
  DialReading reading_;
};

}  // namespace vostrane
