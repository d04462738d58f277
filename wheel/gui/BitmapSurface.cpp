#include "wheel/gui/BitmapSurface.h"

#include <algorithm>

namespace vostrane {

BitmapSurface::BitmapSurface() : PainterSurface('S') {
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 0, 0, 1.0);
  SetPage(m);
}

BitmapSurface::~BitmapSurface() { EndPainting(); }

void BitmapSurface::SetPage(const PageMetrics& metrics) {
  EndPainting();
  PageMetrics m = metrics;
  m.device = 'S';
  SetMetrics(m);
  const QSize size(std::max(1, m.pageWidth + 2), std::max(1, m.pageHeight + 2));
  if (image_.size() != size) {
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  ForgetFonts();
}

void BitmapSurface::SetMonochrome(bool on) { metrics_.monochrome = on; }

QPainter* BitmapSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    PrimePainter();
    ApplyPen();
  }
  return painter_.get();
}

void BitmapSurface::EndPainting() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

void BitmapSurface::ClearPage() {
  EndPainting();
  image_.fill(Qt::white);
}

const QImage& BitmapSurface::Image() {
  EndPainting();
  return image_;
}

bool BitmapSurface::BeginPrintout(char configuration, char orientation) {
  Painter();
  // The bitmap has no text background of its own: transparent.
  DevSetTextBackground(false, kWhite);
  return DrawingSurface::BeginPrintout(configuration, orientation);
}

void BitmapSurface::EndPage(bool final) {
  EndPainting();
  DrawingSurface::EndPage(final);
}

}  // namespace vostrane
