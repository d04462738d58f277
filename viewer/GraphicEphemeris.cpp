// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/GraphicEphemeris.h"

#include <cmath>
#include <cstdio>

#include "astro/AngleHelpers.h"
#include "astro/TimeScales.h"
#include "common/Calendar.h"
#include "timeline/TimelineEvent.h"

namespace vostrane {
namespace {

// Palette colours of the curves, one per body in turn.
constexpr int32_t kCurveColours[] = {12, 9, 2, 13, 4, 6, 1, 3, 5, 10, 8, 14};
constexpr int32_t kPointColour = 4;
constexpr int32_t kGridColour = 7;

const char* const kMonthLetters[] = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"};

std::string ShortName(int point) {
  const std::string name = TimelinePointName(point);
  if (point == 12) return "MC";
  if (point >= kFirstCuspPoint) return "C" + std::to_string(point - kFirstCuspPoint + 1);
  return name.substr(0, 3);
}

// The degrees between the horizontal grid lines.
double GridStep(double modulus) { return modulus >= 360 ? 30 : modulus >= 90 ? 15 : 5; }

class Plot {
 public:
  Plot(DrawingSurface& s, const GraphicEphemeris& g) : s_(s), g_(g) {
    const PageMetrics& m = s.Metrics();
    left_ = m.x0 + 6 * m.charWidth;
    right_ = m.x0 + m.width - 5 * m.charWidth;
    top_ = m.y0 + 3 * m.lineHeight;
    bottom_ = m.y0 + m.height - 3 * m.lineHeight;
  }

  int X(double jd) const {
    const double f = (jd - g_.fromJd) / (g_.toJd - g_.fromJd);
    return left_ + static_cast<int>(std::lround(f * (right_ - left_)));
  }
  double Folded(double lon) const { return ModAngle(g_.modulus, lon); }
  int Y(double folded) const {
    return bottom_ - static_cast<int>(std::lround(folded / g_.modulus * (bottom_ - top_)));
  }

  void Draw() {
    s_.SetFont('B', 10, 0, TextStyle::Normal);
    s_.TextAt(left_, s_.Metrics().y0 + s_.Metrics().lineHeight / 2, g_.title);
    Grid();
    Points();
    Curves();
    s_.SetPenStyle(kPenSolid);
    s_.SetPenColour(0);
    s_.Frame(left_, top_, right_, bottom_, false);
  }

 private:
  void Grid() {
    s_.SetPenWidth(1);
    s_.SetPenStyle(kPenDotted);
    s_.SetPenColour(kGridColour);
    s_.SetFont('B', 7, 0, TextStyle::Normal);
    const int lh = s_.Metrics().lineHeight;
    for (double deg = 0; deg <= g_.modulus + 1e-9; deg += GridStep(g_.modulus)) {
      const int y = deg >= g_.modulus ? top_ : Y(deg);
      s_.Line(left_, y, right_, y);
      char text[16];
      std::snprintf(text, sizeof text, "%g\xB0", deg);
      s_.TextRight(text, left_ - 4, y - lh / 2);
    }
    // Months over three years at most, else years.
    const bool months = g_.toJd - g_.fromJd <= 3 * 366;
    CalendarDate d = JulianDayToDate(g_.fromJd).date;
    d.day = 1;
    for (int guard = 0; guard < 2000; ++guard) {
      if (months) {
        if (++d.month > 12) d = {1, 1, d.year + 1};
      } else {
        d = {1, 1, d.year + 1};
      }
      const double jd = GregorianJulDay(d.month, d.day, d.year);
      if (jd > g_.toJd) break;
      const int x = X(jd);
      s_.Line(x, top_, x, bottom_);
      const std::string label = !months        ? std::to_string(d.year)
                                : d.month == 1 ? std::to_string(d.year)
                                               : kMonthLetters[d.month - 1];
      s_.TextCentred(label, x - 20, x + 20, bottom_ + lh / 3);
    }
  }

  void Points() {
    s_.SetPenStyle(kPenDashed);
    s_.SetPenColour(kPointColour);
    s_.SetFont('B', 7, kPointColour, TextStyle::Normal);
    const int lh = s_.Metrics().lineHeight;
    for (const BasePoint& p : g_.points) {
      const int y = Y(Folded(p.lon));
      s_.Line(left_, y, right_, y);
      s_.TextAt(right_ + 4, y - lh / 2, ShortName(p.point));
    }
  }

  void Curves() {
    s_.SetPenStyle(kPenSolid);
    s_.SetPenWidth(2);
    size_t colour = 0;
    for (const EphemerisCurve& c : g_.curves) {
      const int32_t col = kCurveColours[colour++ % std::size(kCurveColours)];
      s_.SetPenColour(col);
      const size_t n = c.lon.size();
      for (size_t i = 0; i + 1 < n; ++i) {
        const double a = Folded(c.lon[i]), b = Folded(c.lon[i + 1]);
        // The curve leaves at one edge and comes back at the other when it
        // passes a multiple of the modulus: no line across the plot.
        if (std::fabs(a - b) > g_.modulus / 2) continue;
        const double jdA = g_.fromJd + (g_.toJd - g_.fromJd) * i / (n - 1);
        const double jdB = g_.fromJd + (g_.toJd - g_.fromJd) * (i + 1) / (n - 1);
        s_.Line(X(jdA), Y(a), X(jdB), Y(b));
      }
      s_.SetFont('B', 7, col, TextStyle::Bold);
      if (n > 0) s_.TextAt(left_ + 2, Y(Folded(c.lon[0])) - s_.Metrics().lineHeight, ShortName(c.body));
    }
    s_.SetPenWidth(1);
  }

  DrawingSurface& s_;
  const GraphicEphemeris& g_;
  int left_, right_, top_, bottom_;
};

}  // namespace

void DrawGraphicEphemeris(DrawingSurface& s, const GraphicEphemeris& g) {
  if (!(g.toJd > g.fromJd) || g.modulus <= 0) return;
  Plot(s, g).Draw();
}

}  // namespace vostrane
