// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that records every device primitive with its arguments
// and the pen or font in effect, so that tests can check what was drawn.
//
// Text metrics are simple and predictable: with p the device font size in
// points (after MappedFontSize), every character is round(0.6 p) wide (at
// least 1), a text is p high and the font's ascent is round(0.8 p). Bitmap
// files "exist" unless their name is added with SetMissingBitmap.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "wheel/DrawingSurface.h"

namespace vostrane {

struct DrawOp {
  enum class Kind { Line, Ellipse, Polygon, Text, Bitmap, BeginPrintout, EndPage };
  Kind kind = Kind::Line;
  // Line: (x1, y1) to (x2, y2). Ellipse and Bitmap: left, top, right,
  // bottom. Text: (x1, y1) its top-left. BeginPrintout: x1 the configuration
  // character, x2 the orientation. EndPage: x1 the final flag (0/1).
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::vector<Point> points;                // Polygon
  std::string text;                         // Text: the text; Bitmap: the path
  Rgb colour;                               // pen colour (Line, Ellipse), fill, or font colour (Text)
  int penWidth = 0;                         // Line, Ellipse
  int penStyle = 0;                         // Line, Ellipse (dashed lines arrive as solid pieces)
  char fontLetter = 0;                      // Text: the font letter in use
  std::string fontFamily;                   // Text
  int fontPoints = 0;                       // Text: device size after mapping
  TextStyle fontStyle = TextStyle::Normal;  // Text
  bool stretched = false;                   // Bitmap
  ItemTag tag;                              // the surface's tag when it was drawn
};

class RecordingSurface : public DrawingSurface {
 public:
  // Screen metrics of a 614 x 830 page with k = 1 ('S'), or the printer
  // letter 'P' with the same metrics (set others with SetMetrics).
  explicit RecordingSurface(OutputDevice device = OutputDevice::Screen);

  const std::vector<DrawOp>& Ops() const { return ops_; }
  std::vector<DrawOp> OpsOf(DrawOp::Kind kind) const;
  std::vector<DrawOp> Texts() const { return OpsOf(DrawOp::Kind::Text); }
  std::vector<DrawOp> Lines() const { return OpsOf(DrawOp::Kind::Line); }
  // Texts drawn exactly as `text`.
  std::vector<DrawOp> TextsEqual(const std::string& text) const;
  void Clear() { ops_.clear(); }
  // One line per operation, for failure messages.
  std::string Dump() const;

  void SetMissingBitmap(const std::string& path) { missing_.insert(path); }

 protected:
  void DevSetPen(Rgb colour, int width, int style) override;
  void DevLine(int x1, int y1, int x2, int y2) override;
  void DevEllipse(int left, int top, int right, int bottom) override;
  void DevFillPolygon(const std::vector<Point>& points, Rgb colour) override;
  void DevSetFont(const std::string& family, int points, TextStyle style, Rgb colour) override;
  void DevSetTextBackground(bool /*opaque*/, Rgb /*colour*/) override {}
  void DevText(int x, int y, const std::string& text) override;
  int DevTextWidth(const std::string& text) override;
  int DevTextHeight(const std::string& text) override;
  int DevFontAscent() override;
  bool DevDrawBitmap(const std::string& path, int left, int top, int right, int bottom,
                     bool stretch) override;

 public:
  bool BeginPrintout(char configuration, char orientation) override;
  void EndPage(bool final) override;

 private:
  std::vector<DrawOp> ops_;
  std::set<std::string> missing_;
  Rgb penColour_;
  int penWidth_ = 1;
  int penStyle_ = 0;
  std::string family_;
  int points_ = 10;
  TextStyle style_ = TextStyle::Normal;
  Rgb fontColour_;
};

}  // namespace vostrane
