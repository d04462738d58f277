// SPDX-License-Identifier: GPL-3.0-or-later
// A page's worth of drawing through the surface operations, on the page
// bitmap and on the printer surface (PDF at 600 dpi): about what a full
// standard wheel page draws (360 scale ticks, 12 cusp labels, 20 glyph
// columns of five items, 40 aspect lines, an 18-row position table with
// three value columns, a 13 x 13 aspect grid with glyphs and orbs, legends).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QFontDatabase>
#include <cmath>
#include <cstring>
#include <string>

#include "wheel/PageDefinition.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace {

using namespace vostrane;

constexpr double kRad = 3.14159265358979323846 / 180;
// The wheel's rings as shares of its radius.
constexpr double kScaleOuter = 1.0367;      // outer edge of the degree scale and its 30-degree ticks
constexpr double kFiveDegreeTick = 1.013;   // end of the 5-degree ticks
constexpr double kOneDegreeTick = 1.005;    // end of the 1-degree ticks
constexpr double kHouseRing = 0.53;         // the house ring
constexpr double kAspectCircle = 0.439;     // the circle the aspect lines and cusps start on
constexpr double kCuspLabels = 1.09;        // the cusp labels outside the scale
constexpr double kWheelRadiusShare = 0.28;  // the wheel's radius, of the usable width

// Where the benchmark's wheel stands: its centre and radius.
struct WheelPlace {
  int cx = 0, cy = 0, r = 0;
};

// Header.
void DrawHeader(DrawingSurface& s) {
  const PageMetrics& m = s.Metrics();
  s.SetFont('I', 10, 1, TextStyle::Normal);
  s.SetTextRow(m.y0);
  for (int line = 0; line < 4; ++line) {
    s.TextAt(m.x0, s.TextRow(), "Header item of the chart, line " + std::to_string(line + 1));
    s.TextAt(m.x0 + m.width * 4 / 10, s.TextRow(), "June 14, 1984  3:30 PM");
    s.TextAt(m.x0 + m.width * 7 / 10, s.TextRow(), "Vienna, Austria");
    s.NextLine();
  }
}

// Rings and the degree scale.
void DrawRingsAndScale(DrawingSurface& s, const WheelPlace& w) {
  const int cx = w.cx, cy = w.cy, r = w.r;
  const PageMetrics& m = s.Metrics();
  s.SetRingPen();
  for (double f : {1.0, kScaleOuter, kHouseRing, kAspectCircle})
    s.Circle(cx, cy, static_cast<int>(r * f));
  s.SetPenWidth(m.baseWidth);
  for (int i = 0; i < 360; ++i) {
    const double a = i * kRad;
    const double l = i % 30 == 0 ? kScaleOuter : i % 5 == 0 ? kFiveDegreeTick : kOneDegreeTick;
    s.Line(cx - static_cast<int>(r * std::cos(a)), cy + static_cast<int>(r * m.k * std::sin(a)),
           cx - static_cast<int>(r * l * std::cos(a)), cy + static_cast<int>(r * l * m.k * std::sin(a)));
  }
}

// Cusp lines and labels.
void DrawCusps(DrawingSurface& s, const WheelPlace& w) {
  const int cx = w.cx, cy = w.cy, r = w.r;
  s.SetFont('H', 9, 5, TextStyle::Bold);
  for (int j = 0; j < 12; ++j) {
    const double a = (j * 30 + 7) * kRad;
    s.SetPenStyle(j == 4 ? kPenDashed : kPenSolid);
    s.Line(cx - static_cast<int>(kAspectCircle * r * std::cos(a)),
           cy + static_cast<int>(kAspectCircle * r * std::sin(a)),
           cx - static_cast<int>(r * std::cos(a)), cy + static_cast<int>(r * std::sin(a)));
    const int lx = cx - static_cast<int>(kCuspLabels * r * std::cos(a));
    const int ly = cy + static_cast<int>(kCuspLabels * r * std::sin(a));
    s.DrawNumberWithMark(j + 3, lx - 20, ly, true, 'H', NumberMark::Degree, 0, 5);
    int gx = lx;
    s.DrawGlyph(GlyphKind::Sign, j, gx, GlyphAnchor::Centre, ly);
    s.DrawNumberWithMark(j * 4, lx + 20, ly, true, 'H', NumberMark::Minute, 0, 5);
  }
  s.SetPenStyle(kPenSolid);
}

// Glyph columns of twenty points.
void DrawGlyphColumns(DrawingSurface& s, const WheelPlace& w) {
  const int cx = w.cx, cy = w.cy, r = w.r;
  for (int p = 0; p < 20; ++p) {
    const double a = (p * 17 + 3) * kRad;
    const double radii[5] = {0.95, 0.85, 0.76, 0.67, 0.58};
    s.SetFont('A', 14, p % 15, TextStyle::Normal);
    for (int item = 0; item < 5; ++item) {
      int x = cx - static_cast<int>(radii[item] * r * std::cos(a));
      const int y = cy + static_cast<int>(radii[item] * r * std::sin(a));
      if (item == 0) s.DrawGlyph(GlyphKind::Point, p, x, GlyphAnchor::Centre, y);
      if (item == 1) s.DrawNumberWithMark(p + 1, x, y, true, 'H', NumberMark::Degree, 0, p % 15);
      if (item == 2) s.DrawGlyph(GlyphKind::Sign, p % 12, x, GlyphAnchor::Centre, y);
      if (item == 3) s.DrawNumberWithMark(p * 3, x, y, true, 'H', NumberMark::Minute, 0, p % 15);
      if (item == 4 && p % 4 == 0) s.DrawGlyph(GlyphKind::Literal, '\\', x, GlyphAnchor::Centre, y);
    }
  }
}

// Aspect lines.
void DrawAspectLines(DrawingSurface& s, const WheelPlace& w) {
  const int cx = w.cx, cy = w.cy, r = w.r;
  for (int i = 0; i < 40; ++i) {
    const double a = i * 37 * kRad, b = (i * 37 + 120) * kRad;
    s.SetPenColour(i % 2 ? 4 : 9);
    s.SetPenWidth(i % 3 ? 1 : 3);
    s.Line(cx - static_cast<int>(kAspectCircle * r * std::cos(a)),
           cy + static_cast<int>(kAspectCircle * r * std::sin(a)),
           cx - static_cast<int>(kAspectCircle * r * std::cos(b)),
           cy + static_cast<int>(kAspectCircle * r * std::sin(b)));
  }
}

// Position table: eighteen rows of longitude, declination and speed.
void DrawPositionTable(DrawingSurface& s) {
  const PageMetrics& m = s.Metrics();
  s.SetFont('H', 8, 0, TextStyle::Normal);
  const int tx = m.PageX(15), ty = m.PageY(5434);
  for (int row = 0; row < 18; ++row) {
    const int y = ty + (row + 2) * m.lineHeight;
    int gx = tx + 3 * m.gapX;
    s.DrawGlyph(GlyphKind::Point, row, gx, GlyphAnchor::InReference, y);
    const int after = s.DrawLongitude(
        gx + 2 * m.gapX, y, LongitudeFormat{.font = 'H', .seconds = row < 2}, row * 19.7 + 0.123);
    s.DrawDeclination(after + m.gapX, y, row - 9.4);
    s.DrawValue(after + 10 * m.charWidth, y,
                ValueFormat{.font = 'H', .digitWise = true, .sign = NegativeSign::Minus},
                row * 0.1 - 0.5);
  }
  s.Frame(tx, ty, tx + m.width / 4, ty + 21 * m.lineHeight, true);
}

// Legends: 40 rows of glyph and name.
void DrawLegends(DrawingSurface& s) {
  const PageMetrics& m = s.Metrics();
  for (int row = 0; row < 40; ++row) {
    const int x = m.PageX(row < 20 ? 6368 : 8290), y = m.PageY(735) + (row % 20) * m.lineHeight;
    int gx = x;
    s.DrawGlyph(GlyphKind::Point, row % 20, gx, GlyphAnchor::InReference, y);
    s.TextAt(gx + m.gapX, y, "Name of point");
  }
}

// Aspect grid: 13 x 13 cells, glyph and orb in the lower triangle.
void DrawAspectGrid(DrawingSurface& s) {
  const PageMetrics& m = s.Metrics();
  const int left = m.PageX(5870), top = m.PageY(5650), right = m.PageX(10000), bottom = m.PageY(9520);
  const int cellWidth = (right - left) / 13, cellHeight = (bottom - top) / 13;
  s.SetPenColour(1);
  s.SetPenWidth(m.baseWidth);
  for (int c = 1; c <= 13; ++c)
    s.Line(left + c * cellWidth, top, left + c * cellWidth, bottom - cellHeight);
  for (int j = 0; j <= 12; ++j)
    s.Line(left + cellWidth, top + j * cellHeight, left + 13 * cellWidth, top + j * cellHeight);
  s.SetFont('H', 8, 0, TextStyle::Normal);
  for (int j = 0; j < 12; ++j)
    for (int c = 1; c <= j + 1; ++c) {
      int x = left + c * cellWidth + cellWidth / 10;
      s.SetFont('A', 10, c % 15, TextStyle::Normal);
      s.DrawGlyph(GlyphKind::Aspect, (j + c) % 10, x, GlyphAnchor::Centre,
                  top + j * cellHeight + cellHeight / 4);
      const int orbLine = top + j * cellHeight + cellHeight * 3 / 4;
      s.DrawValue(left + c * cellWidth, orbLine, ValueFormat{.font = 'H'}, c * 0.7);
    }
}

void DrawPage(DrawingSurface& s) {
  const PageMetrics& m = s.Metrics();
  SurfaceStyle style;
  style.ringLines = RingLinesFromLetter('T');
  style.frameColour = 1;
  WheelPlace w;
  w.r = static_cast<int>(m.width * kWheelRadiusShare);
  w.cx = m.PageX(3160);
  w.cy = m.PageY(3024);
  style.doubleInset = w.r / 100;
  s.SetStyle(style);
  DrawHeader(s);
  DrawRingsAndScale(s, w);
  DrawCusps(s, w);
  DrawGlyphColumns(s, w);
  DrawAspectLines(s, w);
  DrawPositionTable(s);
  DrawLegends(s);
  DrawAspectGrid(s);
  s.SetFont('I', 8, 8, TextStyle::Italic);
  s.TextAt(m.x0, m.y0 + m.height - 3 * m.lineHeight, "Vostrane chart wheel");
}

void BM_BitmapPage(benchmark::State& state) {
  BitmapSurface s;
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 0, 0, 1.0);
  s.SetPage(m);
  for (auto _ : state) {
    s.BeginPrintout('2', 'P');
    DrawPage(s);
    s.EndPage(true);
    benchmark::DoNotOptimize(s.Image().constBits());
  }
}
BENCHMARK(BM_BitmapPage)->Unit(benchmark::kMillisecond);

void BM_PrinterPagePdf600(benchmark::State& state) {
  PrinterSettings settings;
  settings.config2.paperWidth = 8.5;
  settings.config2.paperHeight = 11;
  PrinterSurface s(settings);
  s.SetPdfOutput("/tmp/vostrane_surface_bench.pdf");
  s.SetPdfResolution(600);
  for (auto _ : state) {
    s.BeginPrintout('2', 'P');
    DrawPage(s);
    s.EndPage(true);
  }
}
BENCHMARK(BM_PrinterPagePdf600)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QFontDatabase::addApplicationFont(VOSTRANE_INSTALL_DIR "/zorastro.ttf");
  // The printer reads PAGEW.DEF from the working folder: the installation.
  if (chdir(VOSTRANE_INSTALL_DIR) != 0) return 1;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--png") == 0) {
      BitmapSurface s;
      s.BeginPrintout('2', 'P');
      DrawPage(s);
      s.EndPage(true);
      return s.Image().save(argv[i + 1]) ? 0 : 1;
    }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
