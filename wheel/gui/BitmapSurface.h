// The screen surface: the viewer's page bitmap, a QImage drawn through
// QPainter. The image is (W' + 2) x (H' + 2) pixels so that the page, whose
// origin is (1, 1), fits whole.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "wheel/gui/PainterSurface.h"

namespace vostrane {

class BitmapSurface : public PainterSurface {
 public:
  BitmapSurface();
  ~BitmapSurface() override;

  // Sets the screen page metrics and makes the page image of that size.
  void SetPage(const PageMetrics& metrics);
  // The page image; finished once EndPage has run.
  const QImage& Image();
  // Empties the page (white), for an entry that is not drawn.
  void ClearPage();
  // Monochrome screen setting: every colour number drawn black.
  void SetMonochrome(bool on);

  bool BeginPrintout(char configuration, char orientation) override;
  void EndPage(bool final) override;

 protected:
  QPainter* Painter() override;
  QPaintDevice* MeasureDevice() override { return &image_; }

 private:
  void EndPainting();

  QImage image_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace vostrane
