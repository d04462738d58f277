// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/RecordingSurface.h"

#include <algorithm>
#include <sstream>

#include "wheel/Rounding.h"

namespace vostrane {

namespace {

// The style in a record line: the wheel styles' letter for it.
char StyleLetter(TextStyle style) {
  switch (style) {
    case TextStyle::Bold: return 'B';
    case TextStyle::Italic: return 'I';
    case TextStyle::Normal:
    case TextStyle::Keep: break;
  }
  return 'N';
}

}  // namespace

RecordingSurface::RecordingSurface(OutputDevice device) : DrawingSurface(device) {
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 0, 0, 1.0);
  m.device = device;
  SetMetrics(m);
}

std::vector<DrawOp> RecordingSurface::OpsOf(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops_)
    if (op.kind == kind) out.push_back(op);
  return out;
}

std::vector<DrawOp> RecordingSurface::TextsEqual(const std::string& text) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops_)
    if (op.kind == DrawOp::Kind::Text && op.text == text) out.push_back(op);
  return out;
}

std::string RecordingSurface::Dump() const {
  std::ostringstream out;
  for (const DrawOp& op : ops_) {
    switch (op.kind) {
      case DrawOp::Kind::Line:
        out << "Line " << op.x1 << ',' << op.y1 << ' ' << op.x2 << ',' << op.y2 << " w" << op.penWidth
            << " s" << op.penStyle;
        break;
      case DrawOp::Kind::Ellipse:
        out << "Ellipse " << op.x1 << ',' << op.y1 << ' ' << op.x2 << ',' << op.y2;
        break;
      case DrawOp::Kind::Polygon: out << "Polygon " << op.points.size() << " points"; break;
      case DrawOp::Kind::Text:
        out << "Text " << op.x1 << ',' << op.y1 << " '" << op.text << "' " << op.fontLetter << ' '
            << op.fontPoints << StyleLetter(op.fontStyle);
        break;
      case DrawOp::Kind::Bitmap:
        out << "Bitmap " << op.text << ' ' << op.x1 << ',' << op.y1 << ' ' << op.x2 << ',' << op.y2
            << (op.stretched ? " stretched" : "");
        break;
      case DrawOp::Kind::BeginPrintout:
        out << "BeginPrintout " << char(op.x1) << ' ' << char(op.x2);
        break;
      case DrawOp::Kind::EndPage: out << "EndPage " << op.x1; break;
    }
    out << " #" << std::hex << op.colour.Hex() << std::dec << '\n';
  }
  return out.str();
}

void RecordingSurface::DevSetPen(Rgb colour, int width, int style) {
  penColour_ = colour;
  penWidth_ = width;
  penStyle_ = style;
}

void RecordingSurface::DevLine(int x1, int y1, int x2, int y2) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.colour = penColour_;
  op.penWidth = penWidth_;
  op.penStyle = penStyle_;
  op.tag = Tag();
  ops_.push_back(op);
}

void RecordingSurface::DevEllipse(int left, int top, int right, int bottom) {
  DrawOp op;
  op.kind = DrawOp::Kind::Ellipse;
  op.x1 = left, op.y1 = top, op.x2 = right, op.y2 = bottom;
  op.colour = penColour_;
  op.penWidth = penWidth_;
  op.penStyle = penStyle_;
  op.tag = Tag();
  ops_.push_back(op);
}

void RecordingSurface::DevFillPolygon(const std::vector<Point>& points, Rgb colour) {
  DrawOp op;
  op.kind = DrawOp::Kind::Polygon;
  op.points = points;
  op.colour = colour;
  ops_.push_back(op);
}

void RecordingSurface::DevSetFont(const std::string& family, int points, TextStyle style, Rgb colour) {
  family_ = family;
  points_ = points;
  style_ = style;
  fontColour_ = colour;
}

void RecordingSurface::DevText(int x, int y, const std::string& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x1 = x, op.y1 = y;
  op.text = text;
  op.colour = fontColour_;
  op.fontLetter = FontLetter();
  op.fontFamily = family_;
  op.fontPoints = points_;
  op.fontStyle = style_;
  op.tag = Tag();
  ops_.push_back(op);
}

int RecordingSurface::DevTextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * std::max(1, RoundEven(0.6 * points_));
}

int RecordingSurface::DevTextHeight(const std::string&) { return points_; }

int RecordingSurface::DevFontAscent() { return RoundEven(0.8 * points_); }

bool RecordingSurface::DevDrawBitmap(const std::string& path, int left, int top, int right, int bottom,
                                     bool stretch) {
  if (missing_.count(path)) return false;
  DrawOp op;
  op.kind = DrawOp::Kind::Bitmap;
  op.text = path;
  op.x1 = left, op.y1 = top, op.x2 = right, op.y2 = bottom;
  op.stretched = stretch;
  ops_.push_back(op);
  return true;
}

bool RecordingSurface::BeginPrintout(char configuration, char orientation) {
  DrawOp op;
  op.kind = DrawOp::Kind::BeginPrintout;
  op.x1 = configuration;
  op.x2 = orientation;
  ops_.push_back(op);
  return DrawingSurface::BeginPrintout(configuration, orientation);
}

void RecordingSurface::EndPage(bool final) {
  DrawOp op;
  op.kind = DrawOp::Kind::EndPage;
  op.x1 = final ? 1 : 0;
  ops_.push_back(op);
  DrawingSurface::EndPage(final);
}

}  // namespace vostrane
