// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "wheel/PageDefinition.h"
#include "wheel/Rounding.h"

namespace vostrane {

int PageMetrics::PageX(int v) const { return x0 + RoundEven(double(width) * v / 10000.0); }
int PageMetrics::PageY(int v) const { return y0 + RoundEven(double(height) * v / 10000.0); }

void ComputePrinterPageMetrics(PageMetrics& m, const PrinterPage& page, char orientation,
                               double paperWidthInches, double paperHeightInches,
                               const PageDefinition& def) {
  const int pw = std::max(1, page.pixelWidth);
  const int ph = std::max(1, page.pixelHeight);
  m.device = OutputDevice::Printer;
  m.zoom = 1.0;
  int w = pw, h = ph;
  if (orientation == 'L' && pw < ph) {
    std::swap(w, h);
    m.q = double(ph) / pw;
  } else {
    m.q = 1.875;
  }
  // The width and height before the paper scaling carry the margins.
  const int w1 = w, h1 = h;
  const double hs = page.printableWidthMm, vs = page.printableHeightMm;
  m.k = vs > 0 && hs > 0 ? RoundEven(100.0 * hs * (double(ph) / pw) / vs) / 100.0 : 1.0;
  if (m.k <= 0) m.k = 1.0;

  if (paperWidthInches > 0 && paperHeightInches > 0) {
    w += RoundEven(w * (paperWidthInches - 8.5) / 10.0);
    h += RoundEven(h * (paperHeightInches - 11.0) / 10.0);
  }
  m.pageWidth = w;
  m.pageHeight = h;

  const int t = def.topMargin, bm = def.bottomMargin;
  m.x0 = RoundEven(w1 * def.leftMargin / 800.0);
  m.width = w - RoundEven(w * def.rightMargin / 800.0) - m.x0;
  m.y0 = RoundEven(h1 * std::abs(t) / 1000.0);
  const int bottom = RoundEven(h1 * std::abs(bm) / 1000.0);
  m.height = h - m.y0 - bottom;

  // A page shorter than eleven inches gets the missing height back from its
  // margins, the bottom margin first.
  if (vs > 248 && vs < 279 && (t > 0 || bm > 0)) {
    const double inches = vs / 25.4;
    int d = RoundEven((11.0 - inches) * h1 / inches);
    if (bottom < d || bm < 1) {
      if (bm > 0) {
        m.height += bottom;
        d -= bottom;
      }
      if (t > 0) {
        d = std::min(d, m.y0);
        m.height += d;
        m.y0 -= d;
      }
    } else {
      m.height += d;
    }
  }
}

void ComputeScreenPageMetrics(PageMetrics& m, double zoom, bool printerProportions,
                              int printerPixelWidth, int printerPixelHeight, double k) {
  m.device = OutputDevice::Screen;
  m.zoom = zoom > 0 ? zoom : 1.0;
  int h = 830;
  if (printerProportions && printerPixelWidth > 0) {
    h = RoundEven(double(printerPixelHeight) / printerPixelWidth * 616.0);
    if (h < 730 || h > 930) h = 830;
  }
  m.pageWidth = RoundEven(614 * m.zoom);
  m.pageHeight = RoundEven(h * m.zoom);
  m.x0 = m.y0 = 1;
  m.width = m.pageWidth;
  m.height = m.pageHeight;
  m.k = k > 0 ? k : 1.0;
  m.q = 1.875;
  m.baseOffset = -RoundEven(m.pageHeight / 500.0);
  ComputeDerivedMetrics(m, 0, false);
}

double ScreenVerticalScale(int screenWidth, int screenHeight, double physicalWidthMm,
                           double physicalHeightMm) {
  if (screenWidth <= 0 || screenHeight <= 0 || physicalWidthMm <= 0 || physicalHeightMm <= 0) return 1.0;
  const double k = double(screenHeight) / screenWidth * (physicalWidthMm / physicalHeightMm);
  return std::clamp(k, 0.5, 2.0);
}

void FitPageOnSheet(PageMetrics& m, int sheetWidth, int sheetHeight) {
  m.sheetWidth = std::max(1, sheetWidth);
  m.sheetHeight = std::max(1, sheetHeight);
  const double w = m.pageWidth + 2.0, h = m.pageHeight + 2.0;
  m.sheetScale = std::min(m.sheetWidth / w, m.sheetHeight / h);
  m.sheetX = (m.sheetWidth - w * m.sheetScale) / 2.0;
  m.sheetY = (m.sheetHeight - h * m.sheetScale) / 2.0;
}

void TurnPageOntoSheet(PageMetrics& m, const PrinterPage& sheet, double paperWidthInches,
                       double paperHeightInches, const PageDefinition& def) {
  PageMetrics wide;
  ComputePrinterPageMetrics(wide, sheet, 'L', paperWidthInches, paperHeightInches, def);
  m.upright = {m.pageWidth, m.pageHeight, m.x0, m.y0, m.width, m.height};
  m.pageWidth = wide.pageWidth;
  m.pageHeight = wide.pageHeight;
  m.x0 = wide.x0;
  m.y0 = wide.y0;
  m.width = wide.width;
  m.height = wide.height;
  m.sheetWidth = m.sheetHeight = 0;
  m.sheetScale = 1.0;
  m.sheetX = m.sheetY = 0;
}

PageMetrics UprightLayout(const PageMetrics& m) {
  if (!m.Sideways()) return m;
  PageMetrics u = m;
  u.pageWidth = m.upright.pageWidth;
  u.pageHeight = m.upright.pageHeight;
  u.x0 = m.upright.x0;
  u.y0 = m.upright.y0;
  u.width = m.upright.width;
  u.height = m.upright.height;
  u.upright = {};
  return u;
}

void ComputeDerivedMetrics(PageMetrics& m, int lines, bool widerLines) {
  if (m.device == OutputDevice::Printer) {
    const int l = lines > 0 ? lines : kDefaultPageLines;
    m.lineHeight = static_cast<int>(m.pageHeight / (l * 1.25));
    m.charWidth = static_cast<int>(m.pageWidth * m.q / l);
  } else {
    m.lineHeight = m.pageHeight / 75;
    m.charWidth = m.pageWidth / 60;
  }
  m.gapY = RoundEven(m.height * 0.002301);
  m.gapX = RoundEven(m.gapY / m.k);
  m.halfLine = m.lineHeight / 2;
  m.baseWidth = std::max(1, RoundEven(m.pageWidth * kBaseWidthShare));
  if (m.device == OutputDevice::Printer && widerLines) m.baseWidth *= 2;
}

int MappedFontSize(const PageMetrics& m, int size) {
  if (m.LaidOutAsPrinted()) {
    const int height = m.Sideways() ? m.upright.pageHeight : m.pageHeight;
    if (height <= 1000) return size - 2;
    if (height <= 1200) return size - 1;
    return size;
  }
  return RoundEven(size * 0.8 * m.zoom);
}

}  // namespace vostrane
