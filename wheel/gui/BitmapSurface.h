// SPDX-License-Identifier: GPL-3.0-or-later
// The screen surface: the viewer's page bitmap, a QImage drawn through
// QPainter. The page, whose origin is (1, 1), is (W' + 2) x (H' + 2) page
// pixels; the image has that size times the render scale, so that the page
// is drawn crisply at the size and the device pixel ratio it is shown at,
// with the same layout at every scale (text is measured at scale 1).
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "wheel/gui/PainterSurface.h"

namespace vostrane {

// The page image's size in page pixels: (W' + 2) x (H' + 2), or the sheet
// a page is fitted onto.
QSize SheetSize(const PageMetrics& m);

class BitmapSurface : public PainterSurface {
 public:
  BitmapSurface();
  ~BitmapSurface() override;

  // Sets the screen page metrics and makes the page image of that size.
  void SetPage(const PageMetrics& metrics);
  // Lays the page out as the printed one: the printer's metrics (device
  // pixels at `dpi` dots per inch), texts measured at that resolution, so
  // that every item, table column and row stands where the printer puts
  // it; the page is drawn scaled onto the bitmap of the screen page, in
  // the screen's colours, as large as the screen sheet holds it and
  // centred on it. SetPage goes back to the screen's own layout.
  void SetPrintedPage(const PageMetrics& screen, const PageMetrics& printed, int dpi);
  // The screen page the bitmap shows (the metrics set, or the screen page
  // a printed layout is drawn onto).
  const PageMetrics& ScreenMetrics() const { return screen_; }
  // Screen page pixels per layout pixel: 1, or the printed page's scale.
  double LayoutScale() const { return layoutScale_; }
  // Where the printed sheet's corner stands on the screen sheet.
  QPointF LayoutOffset() const { return layoutOffset_; }
  // The page image; finished once EndPage has run.
  const QImage& Image();
  // Empties the page (white), for an entry that is not drawn.
  void ClearPage();
  // Monochrome screen setting: every colour number drawn black.
  void SetMonochrome(bool on);
  // Device pixels per page pixel (the view's scale times the screen's
  // device pixel ratio); the image's device pixel ratio is `pixelRatio`, so
  // that it shows at the page size times scale / pixelRatio.
  void SetRenderScale(double scale, double pixelRatio = 1.0);
  double RenderScale() const { return scale_; }

  bool BeginPrintout(char configuration, char orientation) override;
  void EndPage(bool final) override;

 protected:
  QPainter* Painter() override;
  QPaintDevice* MeasureDevice() override {
    return metrics_.printerLayout ? &printedMeasure_ : &measure_;
  }
  // Lines keep the printed page's proportions to the page (the base width
  // unrounded), and are at least one device pixel wide.
  double DevicePenWidth(int width) const override;
  double DrawnFontScale() const override;

 private:
  void EndPainting();
  void MakeImage();

  QImage image_;
  QImage measure_{1, 1, QImage::Format_RGB32};         // fonts are measured on this, whatever the scale
  QImage printedMeasure_{1, 1, QImage::Format_RGB32};  // at the printer's resolution
  PageMetrics screen_;
  double layoutScale_ = 1.0;
  QPointF layoutOffset_;  // where the printed sheet stands on the screen sheet
  double scale_ = 1.0;
  double pixelRatio_ = 1.0;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace vostrane
