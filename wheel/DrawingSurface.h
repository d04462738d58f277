// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface: the one small set of drawing operations through which
// the wheel, the page tables and the aspect grids are drawn, whatever the
// output device (the viewer's page bitmap or a printer page). No Qt here.
//
// The class keeps the drawing state (page metrics, font letter and size, pen,
// current point, text row) and implements every operation on a handful of
// device primitives (Dev*) that each surface supplies:
//   - RecordingSurface (wheel/RecordingSurface.h): records every primitive
//     with its arguments and the state in effect, for tests;
//   - BitmapSurface (wheel/gui/BitmapSurface.h): a QImage through QPainter;
//   - PrinterSurface (wheel/gui/PrinterSurface.h): QPrinter (PDF when no
//     printer is installed).
//
// Conventions: coordinates are device pixels with y growing downwards; a
// colour is a colour number (0..15 palette, else RGB, wheel/Palette.h); a font
// is a letter 'A'..'P' ('A' the glyph font) with a size in points as written
// in the wheel definition (mapped to the device by MappedFontSize); a font
// style (wheel/StyleLetters.h), TextStyle::Keep leaving the style. Texts are
// Windows-1252 bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "wheel/GlyphMap.h"
#include "wheel/PageItems.h"
#include "wheel/PageMetrics.h"
#include "wheel/Palette.h"
#include "wheel/StyleLetters.h"
#include "wheel/ValueFormat.h"

namespace vostrane {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

enum PenStyle : int { kPenSolid = 0, kPenDashed = 1, kPenDotted = 2, kPenDashDot = 3 };

// The settings of the current wheel style that the surface draws with.
struct SurfaceStyle {
  RingLines ringLines;      // WheelDefinition offset 4 (ring pen, double lines)
  int32_t frameColour = 0;  // offset 109: frames, table rules, grid lines
  int32_t ringColour = 0;   // offset 113: ring circles
  int doubleInset = 0;      // u: one hundredth of the wheel radius
  bool DoubleLines() const { return ringLines.doubled; }
};

// What the surface needs of the viewer: its continue flag, its caption and
// showing the finished page. The default keeps them in members.
class SurfaceHost {
 public:
  virtual ~SurfaceHost() = default;
  virtual bool ContinueFlag() const { return continueFlag_; }
  virtual void SetContinueFlag(bool on) { continueFlag_ = on; }
  virtual std::string Caption() const { return caption_; }
  virtual void SetCaption(const std::string& text) { caption_ = text; }
  // The bitmap page is finished: scroll it into view.
  virtual void ShowPage() {}

 private:
  bool continueFlag_ = true;
  std::string caption_;
};

// The solid pieces of a hand-dashed line from (x1, y1) to (x2, y2): dashes of
// W' div 64 pixels, gaps of D - D div (pen width + 1), walked along x for a
// shallow line and along y for a steep one (slope 10000 when vertical).
struct Segment {
  Point from;
  Point to;
  friend bool operator==(const Segment&, const Segment&) = default;
};
std::vector<Segment> DashSegments(int x1, int y1, int x2, int y2, int pageWidth, int penWidth);

// How a text sits between two x positions.
enum class Alignment { Left, Right, Centre };

// Where a glyph goes relative to (x, y).
enum class GlyphAnchor {
  TopLeft,         // at (x, y)
  Centre,          // centred by the kind's reference width and the glyph's height
  OwnCentre,       // centred by the glyph's own width and height
  CentreOnAscent,  // x centred by the glyph's width, y up by half the font's ascent
  HalfLeft,        // x left by half the glyph's width
  InReference,     // x right by half of (reference width - glyph width)
};

class DrawingSurface;

// Tags what is drawn while it lives and restores the previous tag after.
class PageItemScope {
 public:
  PageItemScope(DrawingSurface& s, ItemRole role, int point = -1, int ring = 0);
  ~PageItemScope();
  PageItemScope(const PageItemScope&) = delete;
  PageItemScope& operator=(const PageItemScope&) = delete;

 private:
  DrawingSurface& s_;
  ItemTag saved_;
};

class DrawingSurface {
 public:
  explicit DrawingSurface(OutputDevice device);
  virtual ~DrawingSurface() = default;
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  // ---- Set-up -----------------------------------------------------------
  const PageMetrics& Metrics() const { return metrics_; }
  void SetMetrics(const PageMetrics& m) { metrics_ = m; }
  OutputDevice Device() const { return metrics_.device; }
  // The sixteen font names behind the letters 'A'..'P' (the viewer loads
  // them from message texts 9991..10006). Default: the glyph font for 'A'
  // and "DejaVu Sans" for the others. The former glyph font family name
  // stands for the current one.
  void SetFontNames(const std::array<std::string, 16>& names);
  const std::string& FontName(char letter) const;
  void SetStyle(const SurfaceStyle& style) { style_ = style; }
  const SurfaceStyle& Style() const { return style_; }
  void SetHost(SurfaceHost* host) { host_ = host; }  // not owned; nullptr = none
  SurfaceHost* Host() const { return host_; }

  // ---- What is drawn ------------------------------------------------------
  // The role every following primitive is tagged with (see PageItemScope).
  void SetTag(const ItemTag& tag) { tag_ = tag; }
  // A role keeps the page item in force (SetItem).
  void SetTag(ItemRole role, int point = -1, int ring = 0) { tag_ = {role, point, ring, tag_.item}; }
  void SetItem(int item) { tag_.item = item; }
  const ItemTag& Tag() const { return tag_; }
  // Collects every drawn primitive with its tag and bounding box (not
  // owned; nullptr = none).
  void SetItemSink(std::vector<PageItem>* sink) { sink_ = sink; }

  // ---- Placing whole page items ------------------------------------------------
  // Everything drawn from now on is moved by this offset, so that an item can
  // be drawn away from the place its style gives (the pen position and the
  // text row stay in the item's own coordinates).
  void SetOrigin(Point offset) { origin_ = offset; }
  Point Origin() const { return origin_; }
  // While a capture lasts every primitive is also appended to `items` (with
  // the tag and the origin in force). A dry capture draws nothing and sends
  // nothing to the item sink: it measures where an item would go.
  // Captures nest: BeginCapture returns the one it replaces, which
  // EndCapture restores.
  struct Capture {
    std::vector<PageItem>* items = nullptr;
    bool dry = false;
  };
  Capture BeginCapture(std::vector<PageItem>* items, bool dry);
  void EndCapture(Capture previous);
  void EndCapture();  // back to none
  // The right edge of what `draw` would draw, drawing nothing (the origin
  // left out); `from` when it draws nothing.
  template <class Draw>
  int DryRight(int from, Draw draw) {
    std::vector<PageItem> items;
    const Capture previous = BeginCapture(&items, true);
    draw();
    EndCapture(previous);
    int right = from;
    for (const PageItem& it : items) right = std::max(right, it.x1 - origin_.x);
    return right;
  }

  // ---- Pages --------------------------------------------------------------
  // Starts a page set: printer configuration '1' or '2', orientation 'P'
  // portrait, else landscape. The bitmap is cleared to white; the printer
  // begins its document when none is open and computes its page metrics.
  // False when the device cannot start (the printer surface reports why).
  virtual bool BeginPrintout(char configuration, char orientation);
  // Finishes the current page (final: the printout's last page).
  virtual void EndPage(bool final);

  // ---- Pens, fonts, colours -------------------------------------------------
  void SetFont(char letter, int size, int32_t colour, TextStyle style);
  void SetFontColour(int32_t colour);
  char FontLetter() const { return fontLetter_; }
  int FontSize() const { return fontSize_; }  // as given to SetFont (unmapped)
  TextStyle FontStyle() const { return fontStyle_; }
  int32_t FontColour() const { return fontColour_; }
  void SetPenColour(int32_t colour);
  void SetPenStyle(int style);  // PenStyle; other values count as solid
  void SetPenWidth(int width);
  // Pen width from the ring line style: 1, 2 or 4 BW.
  void SetRingPen();
  int PenWidth() const { return penWidth_; }
  int PenStyleNow() const { return penStyle_; }
  int32_t PenColour() const { return penColour_; }

  // ---- Lines and shapes ---------------------------------------------------------
  void MoveTo(int x, int y) { pen_ = {x, y}; }
  Point PenPos() const { return pen_; }
  // A straight line; dashed by hand while the pen style is dashed. The pen
  // ends at (x2, y2).
  void Line(int x1, int y1, int x2, int y2);
  void LineTo(int x, int y) { Line(pen_.x, pen_.y, x, y); }
  // Ellipse outline (cx - r, cy - round(r k)) .. (cx + r, cy + round(r k)) in
  // the ring colour; the pen colour is left as it was.
  void Circle(int cx, int cy, int r);
  // Ellipse outline in the current pen.
  void Ellipse(int left, int top, int right, int bottom);
  // Rectangle of four lines in the frame colour; when doubled and the line
  // style is double, a second one u inside (round(u k) vertically).
  void Frame(int x1, int y1, int x2, int y2, bool doubled);
  // Polygon filled with a colour number, no outline.
  void FillPolygon(const std::vector<Point>& points, int32_t colour);
  // A bitmap file stretched into left..right, top..bottom when left < right
  // and top < bottom, else unscaled with its top-left at (left, top). False
  // when the file cannot be loaded.
  bool DrawBitmap(const std::string& path, int left, int top, int right, int bottom);

  // ---- Text -----------------------------------------------------------------
  // Text with its top-left at (x, y); on the printer with `baseline` it is
  // drawn round(0.9 x font height) lower. The pen is left at the text's end,
  // height y.
  void TextAt(int x, int y, const std::string& text, bool baseline = false);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);
  int FontAscent();
  // x = x1 + (x2 - x1) div 2 - width div 2, at least 1.
  void TextCentred(const std::string& text, int x1, int x2, int y);
  // Right edge at x; left edge at least 1.
  void TextRight(const std::string& text, int x, int y);
  // At x1, right-aligned at x2, or centred between them.
  void TextAligned(const std::string& text, int x1, int x2, Alignment alignment, int y);
  // The text row moves down by LH and the pen moves to (1, row).
  void NextLine();
  int TextRow() const { return textRow_; }
  void SetTextRow(int y) { textRow_ = y; }

  // ---- Glyphs and value formats ---------------------------------------------
  // n as text, with a leading "0" when 0 <= n <= 9.
  static std::string TwoDigits(int n);
  // The glyph and value-format operations below leave the font as it was.
  //
  // One glyph of the glyph font in the current size, style and colour.
  // Afterwards x has advanced by the glyph's width.
  void DrawGlyph(GlyphKind kind, int index, int& x, GlyphAnchor anchor, int y);
  // Integer right-aligned in a field of `width` digits (widths of "0"),
  // zeroPad gives a single digit a leading "0". Current font. Returns the
  // x after the text.
  int DrawNumber(int value, int x, int y, bool zeroPad, int width);
  // Two-digit number (NumberMark::Unpadded: as it is) in font `fontLetter`
  // at the current size, then the mark in the glyph font raised by markRaise
  // pixels. `centred` centres the whole on (x, y), else it starts there.
  // Colour for both. Returns the x after it.
  int DrawNumberWithMark(int value, int x, int y, bool centred, char fontLetter, NumberMark mark,
                         int markRaise, int32_t colour);
  // Degrees (two digit widths, no leading zero), sign glyph, minutes (two
  // digits) and with seconds minute mark, seconds, second mark. Numbers at
  // y + base offset, glyphs at y. Current size and colour. Returns the x
  // after it.
  int DrawLongitude(int x, int y, const LongitudeFormat& format, double longitude);
  // Degrees (two digit widths), "N" or "S", minutes (two digits). Current
  // font. Returns the x after it.
  int DrawDeclination(int x, int y, double value);
  // General value: degrees and minutes, or degrees, minutes and seconds
  // (hours for times), as the format says (wheel/ValueFormat.h). Minutes
  // and seconds have two digits. Numbers in the format's font, marks in the
  // glyph font, both at the current size and colour. Returns the x after it.
  int DrawValue(int x, int y, const ValueFormat& format, double value);

 protected:
  // ---- Device primitives ----------------------------------------------------
  // Pen for DevLine and DevEllipse: colour, width in pixels, style 0..3
  // (never 1: dashed lines arrive as solid pieces).
  virtual void DevSetPen(Rgb colour, int width, int style) = 0;
  virtual void DevLine(int x1, int y1, int x2, int y2) = 0;
  virtual void DevEllipse(int left, int top, int right, int bottom) = 0;
  virtual void DevFillPolygon(const std::vector<Point>& points, Rgb colour) = 0;
  // Font by family name, size in points as the device draws it, style
  // (never Keep), colour.
  virtual void DevSetFont(const std::string& family, int points, TextStyle style, Rgb colour) = 0;
  // Text background: opaque with a colour, or transparent.
  virtual void DevSetTextBackground(bool opaque, Rgb colour) = 0;
  virtual void DevText(int x, int y, const std::string& text) = 0;
  virtual int DevTextWidth(const std::string& text) = 0;
  virtual int DevTextHeight(const std::string& text) = 0;
  virtual int DevFontAscent() = 0;
  virtual bool DevDrawBitmap(const std::string& path, int left, int top, int right, int bottom,
                             bool stretch) = 0;

  // The device colour of a colour number (black when monochrome).
  Rgb DeviceColour(int32_t colour) const;
  // Pushes the current pen and font to the device (after a device change).
  void ApplyPen();
  void ApplyFont();
  PageMetrics metrics_;

 private:
  int GlyphReferenceWidth(GlyphKind kind);

  // Whether primitives are collected (a sink or a capture).
  bool Collecting() const { return sink_ || capture_; }
  void Collect(PageItem item);
  void CollectLine(int x1, int y1, int x2, int y2);
  // Device line at the origin (nothing during a dry capture).
  void OutLine(int x1, int y1, int x2, int y2);
  void CollectEllipse(int left, int top, int right, int bottom);

  std::array<std::string, 16> fontNames_;
  SurfaceStyle style_;
  ItemTag tag_;
  std::vector<PageItem>* sink_ = nullptr;
  std::vector<PageItem>* capture_ = nullptr;
  bool dry_ = false;
  Point origin_;
  SurfaceHost* host_ = nullptr;
  char fontLetter_ = 'B';
  int fontSize_ = 10;
  TextStyle fontStyle_ = TextStyle::Normal;
  int32_t fontColour_ = 0;
  int32_t penColour_ = 0;
  int penWidth_ = 1;
  int penStyle_ = kPenSolid;
  Point pen_;
  int textRow_ = 1;
};

}  // namespace vostrane
