// SPDX-License-Identifier: GPL-3.0-or-later
// Page metrics of the drawing surface: the usable area of the page, the text
// line height, the vertical scale and the pen widths, for the screen's page
// bitmap and for a printer page. All values are device pixels unless noted.
#pragma once

#include <cstdint>

namespace vostrane {

struct PageDefinition;  // PAGEW.DEF (wheel/PageDefinition.h)

// The base pen width as a share of the page width.
inline constexpr double kBaseWidthShare = 0.00041667;

// Lines per page used when PAGEW.DEF gives none that can be used (0 or less).
inline constexpr int kDefaultPageLines = 66;

// Where a page is drawn: the screen's page bitmap or a printer page.
enum class OutputDevice { Screen, Printer };

struct PageMetrics {
  OutputDevice device = OutputDevice::Screen;
  bool monochrome = false;  // every colour number is drawn black

  int pageWidth = 614;   // W': page size used for layout
  int pageHeight = 830;  // H'
  int x0 = 1;            // X0, Y0: top-left corner of the usable area
  int y0 = 1;
  int width = 614;  // W, H: usable width and height
  int height = 830;
  double k = 1.0;     // vertical scale: vertical pixels per horizontal pixel
  double q = 1.875;   // printer width ratio (1.875, or H/W of a turned page)
  double zoom = 1.0;  // screen zoom factor (font sizes on the bitmap)
  // A screen page laid out as the printed page (wheel size, line height,
  // font sizes, table rows as the printer has them) and drawn scaled; the
  // screen keeps its own colours.
  bool printerLayout = false;
  bool LaidOutAsPrinted() const { return device == OutputDevice::Printer || printerLayout; }

  int lineHeight = 11;  // LH
  int charWidth = 10;   // CW
  int baseWidth = 1;    // BW: base pen width
  int gapY = 2;         // round(H * 0.002301)
  int gapX = 2;         // round(gapY / k)
  int halfLine = 5;     // LH div 2
  int baseOffset = -2;  // vertical offset added to table text rows

  // The sheet the page is drawn on, in device pixels. A page laid out
  // upright on a sideways sheet is drawn scaled by sheetScale and moved by
  // (sheetX, sheetY), so that it fits the sheet whole (FitPageOnSheet);
  // otherwise the sheet is the page itself. 0 sizes: the page's.
  int sheetWidth = 0;
  int sheetHeight = 0;
  double sheetScale = 1.0;
  double sheetX = 0;
  double sheetY = 0;
  int SheetWidth() const { return sheetWidth > 0 ? sheetWidth : pageWidth; }
  int SheetHeight() const { return sheetHeight > 0 ? sheetHeight : pageHeight; }

  // A printed page on a sideways sheet takes the sheet's shape: the frame
  // above (W', H', X0, Y0, W, H) is the sideways page's, the text metrics
  // and pens stay the upright page's, and the upright page's frame is kept
  // here (the wheel page lays its tables out upright and moves them beside
  // the wheel). All zero on an upright page.
  struct Frame {
    int pageWidth = 0, pageHeight = 0, x0 = 0, y0 = 0, width = 0, height = 0;
  };
  Frame upright;
  bool Sideways() const { return upright.pageWidth > 0; }

  // Page units (ten-thousandths of the usable area) to device pixels.
  int PageX(int v) const;
  int PageY(int v) const;
};

// What the printer reports about its page.
struct PrinterPage {
  int pixelWidth = 0;            // PW: page size in device pixels
  int pixelHeight = 0;           // PH
  double printableWidthMm = 0;   // HS
  double printableHeightMm = 0;  // VS
};

// Printer page metrics (W', H', X0, Y0, W, H, k, q) from the device page,
// the orientation letter ('L' landscape, else portrait), the paper size in
// inches of the configuration in use (0 = not set) and PAGEW.DEF. The derived
// metrics and the base offset are not set here (see below).
void ComputePrinterPageMetrics(PageMetrics& m, const PrinterPage& page, char orientation,
                               double paperWidthInches, double paperHeightInches,
                               const PageDefinition& def);

// Screen page size (W', H') set by the viewer: W' = 614 and H' = 830, or with
// `printerProportions` the printer page's height/width x 616 (830 when that
// falls outside 730..930), both times the zoom factor and rounded. Sets the
// rest of the screen metrics: X0 = Y0 = 1, W = W', H = H', the vertical scale
// k (see ScreenVerticalScale), base offset -round(H'/500), zoom, and the
// derived metrics.
void ComputeScreenPageMetrics(PageMetrics& m, double zoom, bool printerProportions,
                              int printerPixelWidth, int printerPixelHeight, double k);

// Vertical pixels per horizontal pixel of the screen: its pixel height/width
// ratio times its physical width/height ratio (for a 4:3 screen exactly
// height/width x 4/3). 1.0 (square pixels) when the physical size is unknown.
double ScreenVerticalScale(int screenWidth, int screenHeight, double physicalWidthMm,
                           double physicalHeightMm);

// Puts the page on a sheet of another shape: the page keeps its layout and
// is scaled uniformly to the largest size the sheet holds, centred on it.
// The page frame of the layout (W' + 2 by H' + 2 from the origin) is what
// is fitted.
void FitPageOnSheet(PageMetrics& m, int sheetWidth, int sheetHeight);

// Lays a printed page out on a sideways sheet in the sheet's own shape: the
// frame of `m` (upright, with its derived metrics) becomes that of the
// sideways device page `sheet` (its printer metrics, orientation 'L') and
// the upright frame is kept in m.upright; line height, character width,
// gaps and pens stay the upright page's.
void TurnPageOntoSheet(PageMetrics& m, const PrinterPage& sheet, double paperWidthInches,
                       double paperHeightInches, const PageDefinition& def);

// The metrics of a sideways page with the upright page's frame (the page as
// it would be laid out upright); an upright page's metrics as they are.
PageMetrics UprightLayout(const PageMetrics& m);

// LH, CW, gap_y, gap_x, half line and BW for the metrics' device. `lines` is
// the text lines per page of PAGEW.DEF (printer only); `widerLines` doubles
// BW on the printer.
void ComputeDerivedMetrics(PageMetrics& m, int lines, bool widerLines);

// Font size in points that the device draws for a wheel-definition size:
// printer size - 2 when H' <= 1000, size - 1 when H' <= 1200, else size;
// bitmap round(size x 0.8 x zoom).
int MappedFontSize(const PageMetrics& m, int size);

}  // namespace vostrane
