// SPDX-License-Identifier: GPL-3.0-or-later
// The device primitives of the drawing surface on a QPainter, shared by the
// page bitmap and the printer. Fonts are made once per family, size and
// style and kept with their metrics for the paint device, so that measuring
// and drawing text never goes back to the font database.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QTransform>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "wheel/DrawingSurface.h"

namespace vostrane {

class PainterSurface : public DrawingSurface {
 public:
  explicit PainterSurface(OutputDevice device) : DrawingSurface(device) {}

 protected:
  // The painter to draw with; null while the device is not ready (drawing
  // is then skipped and texts measure 0).
  virtual QPainter* Painter() = 0;
  // The paint device fonts are measured for.
  virtual QPaintDevice* MeasureDevice() = 0;
  // Fonts and metrics belong to a device: forget them when it changes.
  void ForgetFonts();
  // Pushes pen, font and background to a newly begun painter.
  void PrimePainter();
  // The width a pen of `width` pixels gets on the device (the page bitmap
  // draws thinner lines than whole pixels when that keeps the proportions of
  // the printed page).
  virtual double DevicePenWidth(int width) const { return width; }
  // Whether texts in the glyph font are drawn as filled outlines rather than
  // as text (a file format that cannot carry the font).
  virtual bool GlyphsAsOutlines() const { return false; }
  // The drawn font's point size per measured point: the painter's device
  // may have another resolution than the one texts are measured at.
  virtual double DrawnFontScale() const { return 1.0; }

  void DevSetPen(Rgb colour, int width, int style) override;
  void DevLine(int x1, int y1, int x2, int y2) override;
  void DevEllipse(int left, int top, int right, int bottom) override;
  void DevFillPolygon(const std::vector<Point>& points, Rgb colour) override;
  void DevSetFont(const std::string& family, int points, TextStyle style, Rgb colour) override;
  void DevSetTextBackground(bool opaque, Rgb colour) override;
  void DevText(int x, int y, const std::string& text) override;
  int DevTextWidth(const std::string& text) override;
  int DevTextHeight(const std::string& text) override;
  int DevFontAscent() override;
  bool DevDrawBitmap(const std::string& path, int left, int top, int right, int bottom,
                     bool stretch) override;

 private:
  struct CachedFont {
    QFont font;
    QFontMetrics metrics;
  };
  using FontKey = std::tuple<std::string, int, TextStyle>;
  const CachedFont& Font();
  void UseLinePen(QPainter& p);
  void UseTextPen(QPainter& p);

  std::map<FontKey, std::unique_ptr<CachedFont>> fonts_;
  const CachedFont* font_ = nullptr;
  FontKey fontKey_{"DejaVu Sans", 10, TextStyle::Normal};
  QColor fontColour_ = Qt::black;
  QPen linePen_{Qt::black};
  bool opaqueText_ = false;
  QColor textBack_ = Qt::white;
  enum class PenInUse { None, Line, Text } penInUse_ = PenInUse::None;
  const QFont* painterFont_ = nullptr;
};

// A program text (Windows-1252) as a Qt string; plain ASCII takes a short cut.
QString SurfaceText(const std::string& text);
QColor ToQColor(Rgb c);
// Page pixels to sheet pixels: the page's scale and place on its sheet.
QTransform SheetTransform(const PageMetrics& m);

}  // namespace vostrane
