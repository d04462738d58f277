// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG surface: a page drawn through QPainter into an SVG file
// (QSvgGenerator). Texts stay texts, except those in the glyph font, which
// are drawn as filled outlines so that the file shows them without the
// font. The file is written whole or not at all: an earlier file of that
// name is replaced only when the new one is complete.
//
// Any drawing on the surface interface can be saved this way:
//
//   WriteSvgFile(path, metrics, title, [&](DrawingSurface& s) {
//     return assembler.AssembleWheelPage(s, page);
//   });
#pragma once

#include <QBuffer>
#include <QSvgGenerator>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "wheel/PrinterSettings.h"
#include "wheel/gui/PainterSurface.h"

namespace vostrane {

// SVG pages are laid out like the PDF page: printer metrics at 600 dots
// per inch.
inline constexpr int kSvgDotsPerInch = 600;

// The page metrics of an SVG page: the paper chosen in the settings, the
// margins and lines of PAGEW.DEF (read from the working folder), the wheel
// configuration's black-and-white flag and the wider-lines setting.
PageMetrics SvgPageMetrics(const PrinterSettings& settings, int dpi = kSvgDotsPerInch);

class SvgSurface : public PainterSurface {
 public:
  // The page metrics (device pixels at `dpi` dots per inch) fix the SVG's
  // size: the sheet in millimetres, its view box in device pixels.
  SvgSurface(const PageMetrics& metrics, int dpi, const std::string& title);
  ~SvgSurface() override;

  // Starts the document on the first printout; later printouts draw on the
  // same page. The metrics stay those given (the sheet's orientation is the
  // paper's, whatever the printout asks).
  bool BeginPrintout(char configuration, char orientation) override;
  // Ends the drawing and gives the SVG document (empty when nothing was
  // drawn).
  QByteArray Finish();

 protected:
  QPainter* Painter() override { return painter_.get(); }
  QPaintDevice* MeasureDevice() override { return &generator_; }
  bool GlyphsAsOutlines() const override { return true; }

 private:
  QBuffer buffer_;
  QSvgGenerator generator_;
  std::unique_ptr<QPainter> painter_;
  PageMetrics page_;
};

// Draws with `draw` on an SVG surface of these metrics and writes the file
// (temporary file, renamed when complete). False when the drawing failed
// or the file could not be written; the earlier file is then kept.
bool WriteSvgFile(const std::string& path, const PageMetrics& metrics, int dpi, const std::string& title,
                  const std::array<std::string, 16>& fontNames, SurfaceHost* host,
                  const std::function<bool(DrawingSurface&)>& draw);

}  // namespace vostrane
