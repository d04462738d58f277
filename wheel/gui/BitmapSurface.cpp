// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/gui/BitmapSurface.h"

#include <algorithm>
#include <cmath>

#include "wheel/Rounding.h"

namespace vostrane {

QSize SheetSize(const PageMetrics& m) {
  if (m.sheetWidth > 0 && m.sheetHeight > 0) return QSize(m.sheetWidth, m.sheetHeight);
  return QSize(m.pageWidth + 2, m.pageHeight + 2);
}

BitmapSurface::BitmapSurface() : PainterSurface(OutputDevice::Screen) {
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 0, 0, 1.0);
  SetPage(m);
}

BitmapSurface::~BitmapSurface() { EndPainting(); }

void BitmapSurface::SetPage(const PageMetrics& metrics) {
  EndPainting();
  PageMetrics m = metrics;
  m.device = OutputDevice::Screen;
  m.printerLayout = false;
  SetMetrics(m);
  screen_ = m;
  layoutScale_ = 1.0;
  layoutOffset_ = QPointF();
  MakeImage();
  ForgetFonts();
}

void BitmapSurface::SetPrintedPage(const PageMetrics& screen, const PageMetrics& printed, int dpi) {
  EndPainting();
  screen_ = screen;
  screen_.device = OutputDevice::Screen;
  screen_.printerLayout = false;
  PageMetrics m = printed;
  m.device = OutputDevice::Screen;
  m.printerLayout = true;
  m.monochrome = screen.monochrome;
  m.zoom = screen.zoom;
  SetMetrics(m);
  const QSize sheet = SheetSize(screen_);
  const double w = std::max(1, m.SheetWidth()), h = std::max(1, m.SheetHeight());
  layoutScale_ = std::min(sheet.width() / w, sheet.height() / h);
  layoutOffset_ = QPointF((sheet.width() - w * layoutScale_) / 2,
                          (sheet.height() - h * layoutScale_) / 2);
  const int dotsPerMetre = RoundEven(std::max(1, dpi) / 0.0254);
  printedMeasure_.setDotsPerMeterX(dotsPerMetre);
  printedMeasure_.setDotsPerMeterY(dotsPerMetre);
  MakeImage();
  ForgetFonts();
}

void BitmapSurface::SetRenderScale(double scale, double pixelRatio) {
  EndPainting();
  scale_ = scale > 0 && std::isfinite(scale) ? scale : 1.0;
  pixelRatio_ = pixelRatio > 0 && std::isfinite(pixelRatio) ? pixelRatio : 1.0;
  MakeImage();
}

void BitmapSurface::MakeImage() {
  const QSize sheet = SheetSize(screen_);
  const QSize size(std::max(1, static_cast<int>(std::ceil(sheet.width() * scale_))),
                   std::max(1, static_cast<int>(std::ceil(sheet.height() * scale_))));
  if (image_.size() != size) {
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  image_.setDevicePixelRatio(pixelRatio_);
}

double BitmapSurface::DevicePenWidth(int width) const {
  // The printed layout's pens are the printer's, at least one device pixel.
  if (metrics_.printerLayout) return std::max<double>(width, 1.0 / (scale_ * layoutScale_));
  const double exact = metrics_.pageWidth * kBaseWidthShare;
  const double share = metrics_.baseWidth > 0 ? exact / metrics_.baseWidth : 1.0;
  return std::max(width * share, 1.0 / scale_);
}

double BitmapSurface::DrawnFontScale() const {
  return metrics_.printerLayout ? double(printedMeasure_.logicalDpiY()) / image_.logicalDpiY() : 1.0;
}

void BitmapSurface::SetMonochrome(bool on) { metrics_.monochrome = screen_.monochrome = on; }

QPainter* BitmapSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    // Page pixels whatever the image's size and pixel ratio.
    painter_->resetTransform();
    painter_->scale(scale_ / pixelRatio_, scale_ / pixelRatio_);
    painter_->translate(layoutOffset_);
    painter_->scale(layoutScale_, layoutScale_);
    painter_->setTransform(SheetTransform(metrics_), true);
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
  // The whole sheet, also around a page fitted onto it.
  EndPainting();
  image_.fill(Qt::white);
  Painter();
  // The bitmap has no text background of its own: transparent.
  DevSetTextBackground(false, kWhite);
  if (metrics_.printerLayout) {
    // Table rows are lowered by the glyph font's ascent over the text
    // font's, as on the printer.
    DevSetFont(FontName('A'), 10, TextStyle::Normal, kBlack);
    const int glyphAscent = DevFontAscent();
    DevSetFont(FontName('B'), 10, TextStyle::Normal, kBlack);
    metrics_.baseOffset = glyphAscent - DevFontAscent();
  }
  return DrawingSurface::BeginPrintout(configuration, orientation);
}

void BitmapSurface::EndPage(bool final) {
  EndPainting();
  DrawingSurface::EndPage(final);
}

}  // namespace vostrane
