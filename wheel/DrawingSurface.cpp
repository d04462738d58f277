// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/DrawingSurface.h"

#include <algorithm>

#include "wheel/FontNames.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace {
const std::string kGlyphFontName = kGlyphFontFamily;
const std::string kTextFontName = "DejaVu Sans";

int ValidPenStyle(int style) { return style >= 0 && style <= 3 ? style : kPenSolid; }
}  // namespace

PageItemScope::PageItemScope(DrawingSurface& s, ItemRole role, int point, int ring)
    : s_(s), saved_(s.Tag()) {
  s.SetTag(role, point, ring);
}

PageItemScope::~PageItemScope() { s_.SetTag(saved_); }

void DrawingSurface::Collect(PageItem item) {
  item.tag = tag_;
  const int dx = origin_.x, dy = origin_.y;
  item.x0 += dx, item.x1 += dx, item.fromX += dx, item.toX += dx;
  item.y0 += dy, item.y1 += dy, item.fromY += dy, item.toY += dy;
  if (capture_) capture_->push_back(item);
  if (sink_ && !dry_) sink_->push_back(std::move(item));
}

DrawingSurface::Capture DrawingSurface::BeginCapture(std::vector<PageItem>* items, bool dry) {
  const Capture previous{capture_, dry_};
  capture_ = items;
  dry_ = items && (dry || previous.dry);
  return previous;
}

void DrawingSurface::EndCapture() { EndCapture(Capture{}); }

void DrawingSurface::EndCapture(Capture previous) {
  capture_ = previous.items;
  dry_ = previous.dry;
}

void DrawingSurface::CollectLine(int x1, int y1, int x2, int y2) {
  PageItem item;
  item.kind = PageItem::Kind::Line;
  const int h = (penWidth_ + 1) / 2;
  item.x0 = std::min(x1, x2) - h, item.x1 = std::max(x1, x2) + h;
  item.y0 = std::min(y1, y2) - h, item.y1 = std::max(y1, y2) + h;
  item.fromX = x1, item.fromY = y1, item.toX = x2, item.toY = y2;
  item.penWidth = penWidth_;
  Collect(std::move(item));
}

void DrawingSurface::OutLine(int x1, int y1, int x2, int y2) {
  if (!dry_) DevLine(x1 + origin_.x, y1 + origin_.y, x2 + origin_.x, y2 + origin_.y);
}

DrawingSurface::DrawingSurface(OutputDevice device) {
  metrics_.device = device;
  fontNames_.fill(kTextFontName);
  fontNames_[0] = kGlyphFontName;
}

void DrawingSurface::SetFontNames(const std::array<std::string, 16>& names) {
  for (size_t i = 0; i < names.size(); ++i) fontNames_[i] = CurrentFontName(names[i]);
}

const std::string& DrawingSurface::FontName(char letter) const {
  if (letter < 'A' || letter > 'P') return fontNames_[1];
  return fontNames_[letter - 'A'];
}

// ---- Pages --------------------------------------------------------------------

bool DrawingSurface::BeginPrintout(char /*configuration*/, char /*orientation*/) {
  // The page image follows the metrics set beforehand; the configuration and
  // the orientation are for the surfaces that override this one.
  // The page bitmap starts white; a white filled polygon over the whole image.
  const int w = metrics_.pageWidth + 2, h = metrics_.pageHeight + 2;
  // The blank page itself is no item of it.
  DevFillPolygon({{0, 0}, {w, 0}, {w, h}, {0, h}}, kWhite);
  textRow_ = metrics_.y0;
  pen_ = {1, textRow_};
  ApplyPen();
  ApplyFont();
  return true;
}

void DrawingSurface::EndPage(bool /*final*/) {
  if (host_ == nullptr) return;
  host_->ShowPage();
  if (metrics_.device == OutputDevice::Screen) host_->SetContinueFlag(false);
}

// ---- Pens, fonts, colours -------------------------------------------------------

Rgb DrawingSurface::DeviceColour(int32_t colour) const {
  return PaletteColour(colour, metrics_.monochrome);
}

void DrawingSurface::ApplyPen() {
  // Dashed lines are drawn by hand as solid pieces (wide pens cannot be
  // dashed by the device).
  const int style = penStyle_ == kPenDashed ? kPenSolid : penStyle_;
  DevSetPen(DeviceColour(penColour_), penWidth_, style);
}

void DrawingSurface::ApplyFont() {
  DevSetFont(FontName(fontLetter_), MappedFontSize(metrics_, fontSize_), fontStyle_,
             DeviceColour(fontColour_));
}

void DrawingSurface::SetFont(char letter, int size, int32_t colour, TextStyle style) {
  fontLetter_ = letter >= 'A' && letter <= 'P' ? letter : 'B';
  fontSize_ = size;
  fontColour_ = colour;
  if (style != TextStyle::Keep) fontStyle_ = style;
  ApplyFont();
}

void DrawingSurface::SetFontColour(int32_t colour) {
  fontColour_ = colour;
  ApplyFont();
}

void DrawingSurface::SetPenColour(int32_t colour) {
  penColour_ = colour;
  ApplyPen();
}

void DrawingSurface::SetPenStyle(int style) {
  penStyle_ = ValidPenStyle(style);
  ApplyPen();
}

void DrawingSurface::SetPenWidth(int width) {
  penWidth_ = std::max(1, width);
  ApplyPen();
}

void DrawingSurface::SetRingPen() { SetPenWidth(style_.ringLines.widths * metrics_.baseWidth); }

// ---- Lines and shapes -------------------------------------------------------------

void DrawingSurface::Line(int x1, int y1, int x2, int y2) {
  if (Collecting()) CollectLine(x1, y1, x2, y2);
  if (penStyle_ == kPenDashed) {
    for (const Segment& s : DashSegments(x1, y1, x2, y2, metrics_.pageWidth, penWidth_))
      OutLine(s.from.x, s.from.y, s.to.x, s.to.y);
  } else {
    OutLine(x1, y1, x2, y2);
  }
  pen_ = {x2, y2};
}

void DrawingSurface::Circle(int cx, int cy, int r) {
  const int ry = RoundEven(r * metrics_.k);
  const int style = penStyle_ == kPenDashed ? kPenSolid : penStyle_;
  if (!dry_) {
    DevSetPen(DeviceColour(style_.ringColour), penWidth_, style);
    DevEllipse(cx - r + origin_.x, cy - ry + origin_.y, cx + r + origin_.x, cy + ry + origin_.y);
    ApplyPen();
  }
  if (Collecting()) CollectEllipse(cx - r, cy - ry, cx + r, cy + ry);
}

void DrawingSurface::Ellipse(int left, int top, int right, int bottom) {
  if (!dry_) DevEllipse(left + origin_.x, top + origin_.y, right + origin_.x, bottom + origin_.y);
  if (Collecting()) CollectEllipse(left, top, right, bottom);
}

void DrawingSurface::CollectEllipse(int left, int top, int right, int bottom) {
  PageItem item;
  item.kind = PageItem::Kind::Ellipse;
  const int h = (penWidth_ + 1) / 2;
  item.x0 = std::min(left, right) - h, item.x1 = std::max(left, right) + h;
  item.y0 = std::min(top, bottom) - h, item.y1 = std::max(top, bottom) + h;
  item.penWidth = penWidth_;
  Collect(std::move(item));
}

void DrawingSurface::Frame(int x1, int y1, int x2, int y2, bool doubled) {
  const int style = penStyle_ == kPenDashed ? kPenSolid : penStyle_;
  if (!dry_) DevSetPen(DeviceColour(style_.frameColour), penWidth_, style);
  // The frame's sides are items of the page like any line.
  auto box = [this](int l, int t, int r, int b) {
    const int corners[5][2] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
    for (int i = 0; i < 4; ++i) {
      const auto &from = corners[i], &to = corners[i + 1];
      OutLine(from[0], from[1], to[0], to[1]);
      if (Collecting()) CollectLine(from[0], from[1], to[0], to[1]);
    }
  };
  box(x1, y1, x2, y2);
  if (doubled && style_.DoubleLines()) {
    const int u = style_.doubleInset, uy = RoundEven(style_.doubleInset * metrics_.k);
    box(x1 + u, y1 + uy, x2 - u, y2 - uy);
  }
  pen_ = {x1, y1};
  ApplyPen();
}

void DrawingSurface::FillPolygon(const std::vector<Point>& points, int32_t colour) {
  if (points.size() < 3) return;
  if (!dry_) {
    std::vector<Point> moved = points;
    for (Point& p : moved) p.x += origin_.x, p.y += origin_.y;
    DevFillPolygon(moved, DeviceColour(colour));
  }
  if (!Collecting()) return;
  PageItem item;
  item.kind = PageItem::Kind::Polygon;
  item.x0 = item.x1 = points[0].x;
  item.y0 = item.y1 = points[0].y;
  for (const Point& p : points) {
    item.x0 = std::min(item.x0, p.x), item.x1 = std::max(item.x1, p.x);
    item.y0 = std::min(item.y0, p.y), item.y1 = std::max(item.y1, p.y);
  }
  Collect(std::move(item));
}

bool DrawingSurface::DrawBitmap(const std::string& path, int left, int top, int right, int bottom) {
  const bool stretch = left < right && top < bottom;
  if (dry_) return true;
  return DevDrawBitmap(path, left + origin_.x, top + origin_.y, right + origin_.x, bottom + origin_.y,
                       stretch);
}

// ---- Text -----------------------------------------------------------------------------

void DrawingSurface::TextAt(int x, int y, const std::string& text, bool baseline) {
  int drawY = y;
  if (baseline && metrics_.LaidOutAsPrinted()) drawY = y + RoundEven(0.9 * DevTextHeight(text));
  if (!dry_) DevText(x + origin_.x, drawY + origin_.y, text);
  const int width = DevTextWidth(text);
  pen_ = {x + width, y};
  if (Collecting() && !text.empty()) {
    PageItem item;
    item.kind = fontLetter_ == 'A' ? PageItem::Kind::Glyph : PageItem::Kind::Text;
    item.x0 = x, item.y0 = drawY, item.x1 = x + width, item.y1 = drawY + DevTextHeight(text);
    item.text = text;
    Collect(std::move(item));
  }
}

int DrawingSurface::TextWidth(const std::string& text) { return DevTextWidth(text); }
int DrawingSurface::TextHeight(const std::string& text) { return DevTextHeight(text); }
int DrawingSurface::FontAscent() { return DevFontAscent(); }

void DrawingSurface::TextCentred(const std::string& text, int x1, int x2, int y) {
  const int x = x1 + (x2 - x1) / 2 - TextWidth(text) / 2;
  TextAt(std::max(1, x), y, text);
}

void DrawingSurface::TextRight(const std::string& text, int x, int y) {
  TextAt(std::max(1, x - TextWidth(text)), y, text);
}

void DrawingSurface::TextAligned(const std::string& text, int x1, int x2, Alignment alignment, int y) {
  switch (alignment) {
    case Alignment::Left: TextAt(x1, y, text); break;
    case Alignment::Right: TextRight(text, x2, y); break;
    case Alignment::Centre: TextCentred(text, x1, x2, y); break;
  }
}

void DrawingSurface::NextLine() {
  textRow_ += metrics_.lineHeight;
  pen_ = {1, textRow_};
}

}  // namespace vostrane
