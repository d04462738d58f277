// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageHeader.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/TextTrim.h"
#include "wheel/HouseSystemNote.h"
#include "wheel/PageText.h"
#include "wheel/ReturnMoment.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace wo = wheel_offset;

namespace {

const char* const kTimeKinds[] = {"Standard time", "Daylight Saving Time", "War Time",
                                  "Double Daylight Time", "Local Mean Time"};

std::string TimeKindText(int daylight) {
  return daylight >= 0 && daylight <= 4 ? kTimeKinds[daylight] : "";
}

// The kind of time and the zone of a clock time at a place: local mean time
// names the longitude's difference from Greenwich in place of a zone.
void AddTimeKindAndZone(std::vector<std::string>& items, int daylight, double zone, double longitude) {
  if (daylight == 4) {
    items.push_back(LocalMeanTimeText(longitude));
    return;
  }
  items.push_back(TimeKindText(daylight));
  items.push_back(TimeZoneText(zone));
}

void AddGreenwichTime(std::vector<std::string>& items, double zone) {
  items.push_back("Greenwich Mean Time");
  items.push_back(TimeZoneText(zone));
}

std::string DateOf(const CalendarDateTime& m) { return DateText(m.date.month, m.date.day, m.date.year); }
std::string ClockOf(const CalendarDateTime& m) {
  return ClockText(m.time.hours, m.time.minutes, m.time.seconds);
}

// Chart types whose clock time is Greenwich time.
bool GreenwichTime(const ChartEntry& e) {
  const int t = e.chartType();
  return (t >= 1 && t <= 4) || t == 7;
}

// The name and title of a chart as wrapped lines.
std::vector<std::string> TitleLines(const WheelPage& page, const ChartEntry& chart, int wrapWidth,
                                    const EntryLookup& lookup) {
  const std::string title = ChartName(chart, lookup) + "   " + ChartTitle(chart, page.names, lookup);
  return WrapText(title, wrapWidth, [&](const std::string& t) { return page.s.TextWidth(t); });
}

// Lines of a chart's block in a layout of one item per line.
int BlockLines(const WheelPage& page, const ChartEntry& chart, int c, int count, int wrapWidth,
               const EntryLookup& lookup) {
  return (RingCaption(c, count).empty() ? 0 : 1) +
         static_cast<int>(TitleLines(page, chart, wrapWidth, lookup).size()) +
         static_cast<int>(HeaderItems(chart, page.names, page.placeStyle).size());
}

}  // namespace

int CreditLineTop(const PageMetrics& m) {
  return m.y0 + m.height - 1 - 3 * m.lineHeight - m.halfLine + m.lineHeight;
}

std::string HeaderPlace(const std::string& place, char style) {
  if (style == 'D') {
    return TrimRight(place.substr(0, place.find(',')));
  }
  if (style != 'M') return place;
  std::string out = place;
  bool wordStart = true;
  for (char& c : out) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
      c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
      wordStart = false;
    } else {
      wordStart = c == ' ' || c == ',' || c == '-' || c == '(' || c == '/';
    }
  }
  return out;
}

std::vector<std::string> HeaderItems(const ChartEntry& e, const PageNames& names, char placeStyle) {
  if (e.chartType() == 1 && e.chartSubtype() < 4) return {};
  std::vector<std::string> items;
  const std::optional<LocalMoment> local = ReturnLocalMoment(e);
  if (local) {
    // A return at its place's clock, with the same moment in Greenwich time.
    const bool sameDay = DateOf(local->local) == DateOf(local->greenwich);
    items.push_back(DateOf(local->local));
    items.push_back(ClockOf(local->local) + " = " + (sameDay ? "" : DateOf(local->greenwich) + " ") +
                    ClockOf(local->greenwich) + " GMT");
  } else {
    items.push_back((e.chartType() == 4 ? "ACD:" : "") + DateText(e.month(), e.day(), e.year()));
    items.push_back(ClockText(e.hours(), e.minutes(), e.seconds()) + (GreenwichTime(e) ? " GMT" : ""));
  }
  items.push_back(HeaderPlace(e.place(), placeStyle));
  items.push_back(LatitudeText(e.latitude()) + "  " + LongitudeText(e.longitude()));
  if (local) AddTimeKindAndZone(items, local->daylight, local->zone, e.longitude());
  else if (GreenwichTime(e)) AddGreenwichTime(items, e.zoneHoursWest());
  else AddTimeKindAndZone(items, e.daylightCode(), e.zoneHoursWest(), e.longitude());
  const ZodiacKind zodiac = CalculatedZodiac(e.zodiacLetter());
  const std::string ayanamsa = zodiac == ZodiacKind::Tropical
                                   ? ""
                                   : " " + ArcText(std::fabs(e.ayanamsaDeg()));
  // A letter that names no house system is named by nothing.
  const std::optional<HouseSystemId> houseSystem = HouseSystemOfLetter(e.houseSystemLetter());
  items.push_back(names.ZodiacName(zodiac) + ayanamsa + "  " +
                  (houseSystem ? names.HouseSystemName(*houseSystem) : "") + HouseSystemNote(e));
  items.push_back("Geocentric");
  return items;
}

std::string RingCaption(int chart, int count) {
  if (count <= 1) return "";
  if (chart == 1) return "Inner Wheel:";
  if (chart == count) return "Outer Wheel:";
  return "Middle Wheel:";
}

std::vector<PageBox> DrawPageHeaders(const WheelPage& page, const EntryLookup& lookup) {
  std::vector<PageBox> blocks;
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const WheelDefinition& def = page.def;
  const HeaderLayout layout = def.headerLayout();
  const int count = page.ChartCount();
  s.SetFont(def.Letter(wo::headerFont), def.I16(wo::headerSize), def.I32(wo::headerColour),
            def.Style(wo::headerStyle));
  const int left = m.x0, right = m.x0 + m.width;
  // Blocks side by side share the width; keep a gap between them.
  const int wrapWidth = layout == HeaderLayout::Alternating && count > 1 ? m.width / 2 - m.charWidth
                                                                         : m.width;
  const int columns[3] = {m.x0, m.x0 - 1 + RoundEven(0.3973 * m.width),
                          m.x0 - 1 + RoundEven(0.7123 * m.width)};

  int row = m.y0;
  for (int c = 1; c <= count; ++c) {
    const ChartEntry* chart = page.charts[c - 1];
    if (!chart) continue;
    Alignment align = layout == HeaderLayout::Right ? Alignment::Right : Alignment::Left;
    if (layout == HeaderLayout::Alternating) {
      align = c == 2 ? Alignment::Right : Alignment::Left;
      if (c == 2) row = m.y0;
      if (c == 3) {
        row = m.y0 + m.height - 12 * m.lineHeight;
        // A block longer than the room above the credit line starts higher.
        const int lines = BlockLines(page, *chart, c, count, wrapWidth, lookup);
        if (page.def.I16(wo::creditLine) != -1)
          row = std::min(row, CreditLineTop(m) - m.gapY - lines * m.lineHeight);
      }
    }
    PageBox block{true, right, row, left, row};
    auto took = [&](int x, const std::string& text) {
      block.left = std::min(block.left, x);
      block.right = std::max(block.right, x + s.TextWidth(text));
      block.bottom = row + m.lineHeight;
    };
    auto line = [&](const std::string& text) {
      s.TextAligned(text, left, right, align, row);
      took(s.PenPos().x - s.TextWidth(text), text);
      row += m.lineHeight;
    };
    const std::string caption = RingCaption(c, count);
    if (!caption.empty()) line(caption);
    for (const std::string& text : TitleLines(page, *chart, wrapWidth, lookup)) line(text);

    const std::vector<std::string> items = HeaderItems(*chart, page.names, page.placeStyle);
    if (layout == HeaderLayout::ThreeAcross) {
      // Three items a line; an item wider than its column takes the next
      // column's room too, and what follows moves along.
      int column = 0;
      for (const std::string& item : items) {
        if (column > 2) {
          column = 0;
          row += m.lineHeight;
        }
        s.TextAt(columns[column], row, item);
        took(columns[column], item);
        const int end = columns[column] + s.TextWidth(item) + m.charWidth;
        ++column;
        while (column <= 2 && columns[column] < end) ++column;
      }
      if (!items.empty()) row += m.lineHeight;
    } else {
      for (const std::string& item : items) line(item);
    }
    blocks.push_back(block);
  }
  return blocks;
}

}  // namespace vostrane
