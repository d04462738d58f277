// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/gui/SvgSurface.h"

#include <QSaveFile>

#include "wheel/PageDefinition.h"

namespace vostrane {

PageMetrics SvgPageMetrics(const PrinterSettings& settings, int dpi) {
  PageDefinition def;
  ReadPageDefinition(def);
  PageMetrics m = PaperPrinterMetrics(settings.paper, dpi, def, settings.widerLines);
  m.monochrome = settings.config2.monochrome;
  return m;
}

SvgSurface::SvgSurface(const PageMetrics& metrics, int dpi, const std::string& title)
    : PainterSurface(OutputDevice::Printer), page_(metrics) {
  buffer_.open(QIODevice::WriteOnly);
  generator_.setOutputDevice(&buffer_);
  generator_.setResolution(dpi);
  const QSize sheet(metrics.SheetWidth(), metrics.SheetHeight());
  generator_.setSize(sheet);
  generator_.setViewBox(QRect(QPoint(0, 0), sheet));
  generator_.setTitle(SurfaceText(title));
  SetMetrics(page_);
}

SvgSurface::~SvgSurface() {
  if (painter_) painter_->end();
}

bool SvgSurface::BeginPrintout(char, char) {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&generator_)) {
      painter_.reset();
      return false;
    }
    painter_->setTransform(SheetTransform(page_));
    ForgetFonts();
    PrimePainter();
    // Table rows are lowered by the glyph font's ascent over the text
    // font's, as on the printer.
    DevSetFont(FontName('A'), 10, TextStyle::Normal, kBlack);
    const int glyphAscent = DevFontAscent();
    DevSetFont(FontName('B'), 10, TextStyle::Normal, kBlack);
    page_.baseOffset = glyphAscent - DevFontAscent();
  }
  SetMetrics(page_);
  // The text rows and the pen start as on the printer page.
  SetFont(FontLetter(), 10, 0, FontStyle());
  ApplyPen();
  SetTextRow(page_.y0);
  MoveTo(1, page_.y0);
  return true;
}

QByteArray SvgSurface::Finish() {
  if (!painter_) return {};
  painter_->end();
  painter_.reset();
  ForgetFonts();
  buffer_.close();
  return buffer_.data();
}

bool WriteSvgFile(const std::string& path, const PageMetrics& metrics, int dpi, const std::string& title,
                  const std::array<std::string, 16>& fontNames, SurfaceHost* host,
                  const std::function<bool(DrawingSurface&)>& draw) {
  SvgSurface svg(metrics, dpi, title);
  svg.SetFontNames(fontNames);
  svg.SetHost(host);
  const bool drawn = draw(svg);
  const QByteArray document = svg.Finish();
  if (!drawn || document.isEmpty()) return false;
  QSaveFile out(QString::fromStdString(path));
  if (!out.open(QIODevice::WriteOnly) || out.write(document) != document.size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

}  // namespace vostrane
