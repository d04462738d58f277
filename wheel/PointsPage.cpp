// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PointsPage.h"

#include <cmath>
#include <cstdio>

#include "wheel/ChartLots.h"
#include "wheel/ChartStars.h"
#include "wheel/ChartTitle.h"

namespace vostrane {

namespace {

constexpr char kTextFont = 'B';
constexpr int kTitleSize = 12;
constexpr int kTextSize = 9;

// Columns of the tables: headings and left edges as shares of the usable width.
struct Column {
  const char* heading;
  double left;
};
using Columns = std::vector<Column>;
const Columns kStarColumns = {
    {"Star", 0.00}, {"Longitude", 0.20}, {"Decl.", 0.33}, {"Conjunct", 0.43}, {"Parallel", 0.62}};
const Columns kLotColumns = {{"Lot", 0.00}, {"Formula", 0.20}, {"Longitude", 0.47}, {"Source", 0.62}};

std::string DegreesMinutes(double value) {
  const double a = std::fabs(value);
  int deg = static_cast<int>(a);
  int min = static_cast<int>(std::lround((a - deg) * 60.0));
  if (min == 60) ++deg, min = 0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%d\xB0%02d'", value < 0 ? "-" : "", deg, min);
  return buf;
}

// Where the tables stand across the page.
struct TableFrame {
  int left = 0, width = 0, lh = 0, bottom = 0;
  explicit TableFrame(const PageMetrics& m)
      : left(m.x0 + 2 * m.charWidth),
        width(m.width - 4 * m.charWidth),
        lh(m.lineHeight),
        bottom(m.y0 + m.height - m.lineHeight) {}
};

// Draws the texts of one row at the columns' left edges.
void Row(DrawingSurface& s, const TableFrame& f, const Columns& columns, int y,
         const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size() && c < columns.size(); ++c)
    s.TextAt(f.left + static_cast<int>(std::lround(columns[c].left * f.width)), y, cells[c]);
}

// The title, the headings and their rule; returns the row of the first line.
int TableHead(DrawingSurface& s, const TableFrame& f, const Columns& columns, int top,
              const std::string& title) {
  s.SetFont(kTextFont, kTextSize + 1, 0, TextStyle::Bold);
  s.TextAt(f.left, top, title);
  const int y = top + 2 * f.lh;
  std::vector<std::string> headings;
  for (const Column& c : columns) headings.push_back(c.heading);
  Row(s, f, columns, y, headings);
  const int rule = y + f.lh + s.Metrics().gapY;
  s.SetPenColour(0);
  s.SetPenWidth(s.Metrics().baseWidth);
  s.Line(f.left, rule, f.left + f.width, rule);
  s.SetFont(kTextFont, kTextSize, 0, TextStyle::Normal);
  return rule + s.Metrics().gapY;
}

int DrawLotTable(DrawingSurface& s, const TableFrame& f, const PointsPageInput& in, int top) {
  const bool night = LotPointsOfChart(*in.chart).night;
  int y = TableHead(s, f, kLotColumns, top,
                    std::string("Lots (Arabic Parts), ") + (night ? "night chart" : "day chart"));
  if (!in.lots || in.lots->empty()) {
    s.TextAt(f.left, y, "The lot file could not be read.");
    return y + f.lh;
  }
  const std::vector<double> longitudes = LotsOfChart(*in.lots, *in.chart);
  for (size_t k = 0; k < in.lots->size() && y + f.lh <= f.bottom; ++k, y += f.lh) {
    const Lot& lot = (*in.lots)[k];
    Row(s, f, kLotColumns, y,
        {lot.name, lot.FormulaFor(night), ZodiacPositionText(longitudes[k]), lot.source});
  }
  return y;
}

int DrawStarTable(DrawingSurface& s, const TableFrame& f, const PointsPageInput& in, int top) {
  int y = TableHead(s, f, kStarColumns, top,
                    "Fixed Stars on the Chart's Points (orb " + DegreesMinutes(in.starOrb) + ")");
  if (!in.stars || in.stars->empty()) {
    s.TextAt(f.left, y, "The fixed-star file could not be read.");
    return y + f.lh;
  }
  // One row per star that stands on a point: the conjunctions with their
  // orbs, then the parallels and after "contra:" the contra-parallels.
  const ChartStars chart = StarsOfChart(*in.stars, *in.chart, in.starOrb);
  if (chart.contacts.empty()) s.TextAt(f.left, y, "No fixed star stands on a point of this chart.");
  int rowsLeft = 0;
  for (size_t k = 0; k < chart.contacts.size();) {
    const int star = chart.contacts[k].star;
    std::string conjunct, parallel, contra;
    for (; k < chart.contacts.size() && chart.contacts[k].star == star; ++k) {
      const StarContact& c = chart.contacts[k];
      std::string& list = c.kind == StarContactKind::Conjunction ? conjunct
                          : c.kind == StarContactKind::Parallel  ? parallel
                                                                 : contra;
      list += (list.empty() ? "" : ", ") + StarPointName(c.slot);
      if (c.kind == StarContactKind::Conjunction) list += " " + DegreesMinutes(c.orb);
    }
    if (y + f.lh > f.bottom) {
      ++rowsLeft;
      continue;
    }
    if (!contra.empty()) parallel += (parallel.empty() ? "contra: " : "; contra: ") + contra;
    const StarPlace& p = chart.places[star];
    Row(s, f, kStarColumns, y,
        {(*in.stars)[star].name, ZodiacPositionText(p.lon), DegreesMinutes(p.decl), conjunct, parallel});
    y += f.lh;
  }
  if (rowsLeft > 0) {
    s.TextAt(f.left, y,
             "... and " + std::to_string(rowsLeft) + " more stars (vostrane-batch dump lists them all)");
    y += f.lh;
  }
  return y;
}

}  // namespace

std::string ZodiacPositionText(double lon) {
  static const char* const kSigns[12] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                         "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
  long minutes = std::lround(lon * 60.0) % (360 * 60);
  if (minutes < 0) minutes += 360 * 60;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02ld\xB0%02ld' %s", minutes / 60 % 30, minutes % 60,
                kSigns[minutes / 1800]);
  return buf;
}

bool AssemblePointsPage(DrawingSurface& s, const PointsPageInput& in, const PageNames& names) {
  if (!in.chart) return false;
  if (!s.BeginPrintout('2', 'P')) return false;
  const PageMetrics& m = s.Metrics();
  {
    const PageItemScope tag(s, ItemRole::Header);
    s.SetFont(kTextFont, kTitleSize, 0, TextStyle::Bold);
    s.TextAt(m.x0 + 2 * m.charWidth, m.y0 + m.lineHeight, PrintoutTitle(*in.chart, names));
  }
  const PageItemScope tag(s, ItemRole::Table);
  const TableFrame frame(m);
  const int y = DrawLotTable(s, frame, in, m.y0 + 3 * m.lineHeight);
  DrawStarTable(s, frame, in, y + 2 * m.lineHeight);
  s.EndPage(true);
  return true;
}

}  // namespace vostrane
