// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/TransitCalendar.h"

#include <cmath>
#include <cstdio>

#include "common/Calendar.h"
#include "timeline/TimelineText.h"

namespace vostrane {
namespace {

struct AspectName {
  double angle;
  const char* name;
  int glyph;  // index of the aspect glyph
};
constexpr AspectName kAspectNames[] = {
    {0, "conjunct", 0},   {180, "opposite", 1},  {90, "square", 2},
    {120, "trine", 3},    {60, "sextile", 4},    {30, "semisextile", 5},
    {150, "quincunx", 6}, {45, "semisquare", 7}, {135, "sesquiquadrate", 8}};

const AspectName* AspectOf(double angle) {
  for (const AspectName& a : kAspectNames)
    if (std::fabs(a.angle - angle) < 1e-6) return &a;
  return nullptr;
}

std::string Degrees(double angle) {
  char text[24];
  std::snprintf(text, sizeof text, "%g\xB0", angle);
  return text;
}

}  // namespace

std::string EventDescription(const TimelineEvent& e) {
  const std::string body = TimelinePointName(e.body);
  switch (e.kind) {
    case EventKind::Ingress:
      return body + (e.retrograde ? " (retrograde)" : "") + " enters " + EventTargetName(e);
    case EventKind::Station: return body + " turns " + (e.retrograde ? "retrograde" : "direct");
    case EventKind::NewMoon: return "New Moon";
    case EventKind::FullMoon: return "Full Moon";
    case EventKind::SolarEclipse:
    case EventKind::LunarEclipse:
      return std::string(e.kind == EventKind::SolarEclipse ? "Solar" : "Lunar") + " eclipse, " +
             EclipseKindName(e.eclipse);
    case EventKind::Return: return (e.body == 1 ? "Lunar" : "Solar") + std::string(" return");
    default: break;
  }
  const AspectName* a = AspectOf(e.aspect);
  const std::string prefix = e.kind == EventKind::Progressed ? "Progressed "
                             : e.kind == EventKind::SolarArc ? "Directed "
                                                             : "";
  std::string text = prefix + body + " " + (a ? a->name : Degrees(e.aspect)) + " " + EventTargetName(e);
  if (e.passes > 1) text += " (" + std::to_string(e.pass) + " of " + std::to_string(e.passes) + ")";
  return text;
}

bool DrawTransitCalendar(DrawingSurface& s, const std::vector<TimelineEvent>& events,
                         const std::vector<double>& hoursEast, const std::string& title) {
  if (!s.BeginPrintout('1', 'P')) return false;
  const PageMetrics* m = &s.Metrics();
  int y = m->y0;
  auto newPage = [&]() {
    s.EndPage(false);
    if (!s.BeginPrintout('1', 'P')) return false;
    m = &s.Metrics();
    y = m->y0;
    return true;
  };
  s.SetFont('B', 14, 0, TextStyle::Bold);
  s.TextAt(m->x0, y, title);
  y += 2 * m->lineHeight;
  int month = 0, year = 0;
  for (size_t i = 0; i < events.size(); ++i) {
    const TimelineEvent& e = events[i];
    const double east = i < hoursEast.size() ? hoursEast[i] : 0.0;
    const CalendarDateTime t = JulianDayToDate(e.jd + east / 24.0);
    const bool heading = t.date.month != month || t.date.year != year;
    if (y + (heading ? 3 : 1) * m->lineHeight > m->y0 + m->height && !newPage()) return false;
    if (heading) {
      month = t.date.month;
      year = t.date.year;
      y += m->lineHeight / 2;
      s.SetFont('B', 12, 0, TextStyle::Bold);
      s.TextAt(m->x0, y, std::string(MonthName(month)) + " " + std::to_string(year));
      y += m->lineHeight * 3 / 2;
    }
    s.SetFont('B', 9, 0, TextStyle::Normal);
    char when[32];
    std::snprintf(when, sizeof when, "%2d  %02d:%02d", t.date.day, t.time.hours, t.time.minutes);
    s.TextAt(m->x0 + m->charWidth, y, when);
    // The glyphs: body, aspect and point, or the sign entered.
    int x = m->x0 + 9 * m->charWidth;
    s.SetFont('A', 9, 0, TextStyle::Normal);
    if (e.body >= 0 && e.body <= 12) s.DrawGlyph(GlyphKind::Point, e.body, x, GlyphAnchor::TopLeft, y);
    x += m->charWidth / 2;
    if (const AspectName* a = AspectOf(e.aspect); a && e.point >= 0)
      s.DrawGlyph(GlyphKind::Aspect, a->glyph, x, GlyphAnchor::TopLeft, y);
    x += m->charWidth / 2;
    if (e.ingress == IngressTarget::Sign)
      s.DrawGlyph(GlyphKind::Sign, e.entered, x, GlyphAnchor::TopLeft, y);
    else if (e.point >= 0 && e.point <= 12)
      s.DrawGlyph(GlyphKind::Point, e.point, x, GlyphAnchor::TopLeft, y);
    s.SetFont('B', 9, 0, TextStyle::Normal);
    s.TextAt(m->x0 + 14 * m->charWidth, y, EventDescription(e));
    y += m->lineHeight;
  }
  s.EndPage(true);
  return true;
}

}  // namespace vostrane
