// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/gui/PainterSurface.h"

#include <QImage>
#include <QImageReader>
#include <QPainterPath>
#include <QPolygon>

#include "platform/CodePage.h"

namespace vostrane {

QString SurfaceText(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return QString::fromStdString(Cp1252ToUtf8(text));
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

void PainterSurface::ForgetFonts() {
  fonts_.clear();
  font_ = nullptr;
  painterFont_ = nullptr;
  penInUse_ = PenInUse::None;
}

void PainterSurface::PrimePainter() {
  penInUse_ = PenInUse::None;
  painterFont_ = nullptr;
  if (QPainter* p = Painter()) {
    p->setBrush(Qt::NoBrush);
    p->setBackgroundMode(opaqueText_ ? Qt::OpaqueMode : Qt::TransparentMode);
    p->setBackground(textBack_);
  }
}

const PainterSurface::CachedFont& PainterSurface::Font() {
  if (font_) return *font_;
  auto& slot = fonts_[fontKey_];
  if (!slot) {
    const auto& [family, points, style] = fontKey_;
    QFont f(QString::fromStdString(family));
    f.setPointSizeF(points > 0 ? points : 1);
    f.setBold(style == TextStyle::Bold);
    f.setItalic(style == TextStyle::Italic);
    f.setKerning(false);
    QPaintDevice* device = MeasureDevice();
    const QFontMetrics metrics = device ? QFontMetrics(f, device) : QFontMetrics(f);
    f.setPointSizeF(f.pointSizeF() * DrawnFontScale());
    slot = std::make_unique<CachedFont>(CachedFont{f, metrics});
  }
  font_ = slot.get();
  return *font_;
}

void PainterSurface::UseLinePen(QPainter& p) {
  if (penInUse_ != PenInUse::Line) {
    p.setPen(linePen_);
    penInUse_ = PenInUse::Line;
  }
}

void PainterSurface::UseTextPen(QPainter& p) {
  if (penInUse_ != PenInUse::Text) {
    p.setPen(fontColour_);
    penInUse_ = PenInUse::Text;
  }
}

void PainterSurface::DevSetPen(Rgb colour, int width, int style) {
  Qt::PenStyle s = Qt::SolidLine;
  if (style == kPenDotted) s = Qt::DotLine;
  if (style == kPenDashDot) s = Qt::DashDotLine;
  if (style == kPenDashed) s = Qt::DashLine;
  linePen_ = QPen(ToQColor(colour), DevicePenWidth(width), s, Qt::RoundCap, Qt::RoundJoin);
  if (penInUse_ == PenInUse::Line) penInUse_ = PenInUse::None;
}

void PainterSurface::DevLine(int x1, int y1, int x2, int y2) {
  QPainter* p = Painter();
  if (!p) return;
  UseLinePen(*p);
  p->drawLine(x1, y1, x2, y2);
}

void PainterSurface::DevEllipse(int left, int top, int right, int bottom) {
  QPainter* p = Painter();
  if (!p) return;
  UseLinePen(*p);
  p->setBrush(Qt::NoBrush);
  p->drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PainterSurface::DevFillPolygon(const std::vector<Point>& points, Rgb colour) {
  QPainter* p = Painter();
  if (!p) return;
  QPolygon polygon;
  polygon.reserve(static_cast<int>(points.size()));
  for (const Point& pt : points) polygon << QPoint(pt.x, pt.y);
  p->setPen(Qt::NoPen);
  p->setBrush(ToQColor(colour));
  p->drawPolygon(polygon);
  p->setBrush(Qt::NoBrush);
  penInUse_ = PenInUse::None;
}

void PainterSurface::DevSetFont(const std::string& family, int points, TextStyle style, Rgb colour) {
  FontKey key{family, points, style == TextStyle::Keep ? TextStyle::Normal : style};
  if (key != fontKey_) {
    fontKey_ = std::move(key);
    font_ = nullptr;
  }
  const QColor c = ToQColor(colour);
  if (c != fontColour_) {
    fontColour_ = c;
    if (penInUse_ == PenInUse::Text) penInUse_ = PenInUse::None;
  }
}

void PainterSurface::DevSetTextBackground(bool opaque, Rgb colour) {
  opaqueText_ = opaque;
  textBack_ = ToQColor(colour);
  if (QPainter* p = Painter()) {
    p->setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p->setBackground(textBack_);
  }
}

void PainterSurface::DevText(int x, int y, const std::string& text) {
  QPainter* p = Painter();
  if (!p || text.empty()) return;
  const CachedFont& f = Font();
  if (painterFont_ != &f.font) {
    p->setFont(f.font);
    painterFont_ = &f.font;
  }
  if (GlyphsAsOutlines() && std::get<0>(fontKey_) == FontName('A')) {
    // The glyph font as filled outlines: readers of the file need not have it.
    QPainterPath outline;
    // The font at the device's resolution, as the text is measured.
    outline.addText(x, y + f.metrics.ascent(), QFont(f.font, MeasureDevice()), SurfaceText(text));
    p->fillPath(outline, fontColour_);
    return;
  }
  UseTextPen(*p);
  p->drawText(x, y + f.metrics.ascent(), SurfaceText(text));
}

int PainterSurface::DevTextWidth(const std::string& text) {
  return Font().metrics.horizontalAdvance(SurfaceText(text));
}

int PainterSurface::DevTextHeight(const std::string&) { return Font().metrics.height(); }

int PainterSurface::DevFontAscent() { return Font().metrics.ascent(); }

bool PainterSurface::DevDrawBitmap(const std::string& path, int left, int top, int right, int bottom,
                                   bool stretch) {
  QImageReader reader(SurfaceText(path));
  QImage image = reader.read();
  if (image.isNull()) return false;
  QPainter* p = Painter();
  if (!p) return true;
  if (stretch) p->drawImage(QRect(QPoint(left, top), QPoint(right, bottom)), image);
  else p->drawImage(QPoint(left, top), image);
  return true;
}

QTransform SheetTransform(const PageMetrics& m) {
  QTransform t;
  t.translate(m.sheetX, m.sheetY);
  t.scale(m.sheetScale, m.sheetScale);
  return t;
}

}  // namespace vostrane
