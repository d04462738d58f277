// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/PageView.h"

#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace vostrane {

PageView::PageView(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::StrongFocus);
  label_ = new QLabel;
  label_->setObjectName("Image1");
  setWidget(label_);
}

void PageView::SetPageSize(QSize pageSize) {
  if (pageSize.isEmpty() || pageSize == page_) return;
  page_ = pageSize;
}

double PageView::FitScale() const {
  // The viewport without scroll bars: a fitting page needs none.
  // A pixel of room on each side: the image's size is rounded up.
  const QSize room = maximumViewportSize() - QSize(2, 2);
  const double s = std::min(double(room.width()) / page_.width(),
                            double(room.height()) / page_.height());
  return std::clamp(s, kMinViewScale, kMaxViewScale);
}

double PageView::Scale() const { return fit_ ? FitScale() : zoom_; }

double PageView::PixelRatio() const { return std::max(1.0, devicePixelRatioF()); }

void PageView::SetScale(double scale, bool fit) {
  fit_ = fit;
  zoom_ = std::clamp(scale, kMinViewScale, kMaxViewScale);
  emit ScaleChanged();
}

void PageView::ZoomIn() { SetScale(Scale() * kZoomStep, false); }
void PageView::ZoomOut() { SetScale(Scale() / kZoomStep, false); }
void PageView::FitPage() { SetScale(FitScale(), true); }

void PageView::ShowImage(const QImage& image) {
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(image.devicePixelRatio());
  label_->setPixmap(pixmap);
  label_->resize(pixmap.deviceIndependentSize().toSize());
  shownScale_ = Scale();
}

void PageView::Clear() {
  label_->clear();
  shownScale_ = 0;
}

void PageView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  // A fitting page follows the window.
  if (fit_ && shownScale_ > 0 && std::fabs(FitScale() - shownScale_) > 1e-3) emit ScaleChanged();
}

}  // namespace vostrane
