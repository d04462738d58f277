// SPDX-License-Identifier: GPL-3.0-or-later
// What each drawn item of a page is: its kind, the part of the page it
// belongs to (role), the chart point it shows and its bounding box. The
// drawing surface tags every primitive with the role in force, so that the
// page can be written out as data and its layout checked.
#pragma once

#include <string>
#include <vector>

namespace vostrane {

enum class ItemRole {
  Other,
  PlanetGlyph,  // the glyph of a point on the wheel
  PlanetLabel,  // its degree, sign, minute and retrograde mark
  Pointer,      // the line from a glyph to the point's place on its ring
  CuspLine,
  CuspLabel,  // degree, sign and minute at a cusp, intercepted signs
  HouseNumber,
  AspectLine,
  AspectMark,  // an aspect glyph on its line
  Table,
  Header,
  Grid,
};

// The role's name in page data; the pointer counts as "other".
const char* RoleName(ItemRole role);

struct ItemTag {
  ItemRole role = ItemRole::Other;
  int point = -1;  // wheel point 0..19 (point roles) or cusp 0..11 (cusp roles); -1 none
  int ring = 0;    // ring 1..3 of wheel items, 0 otherwise
  int item = 0;    // the page item drawn (PageItemNumber), 0 none
};

// The items of a wheel page, numbered so that the layout can be checked
// item against item: every primitive carries the number of the item it
// belongs to.
namespace page_item {
inline constexpr int kHeaders = 1;
inline constexpr int kPictures = 2;
inline constexpr int kPositionTable = 10;  // 10..14, tables 1..5
inline constexpr int kLegend = 20;         // 21..25, legends 1..5
inline constexpr int kFurtherPoints = 30;
inline constexpr int kElements = 31;
inline constexpr int kParallels = 32;
inline constexpr int kGauquelinSectors = 33;
inline constexpr int kAspectList = 34;  // the aspects page's tables
inline constexpr int kAspectPatterns = 35;
inline constexpr int kHouseOverlay = 36;
inline constexpr int kGrid = 40;  // 41, 42: grids 1 and 2
inline constexpr int kWheel = 50;
inline constexpr int kCreditLine = 60;
// The dial page: the dial with its pointer, the midpoint tree, the list.
inline constexpr int kDial = 70;
inline constexpr int kMidpointTree = 71;
inline constexpr int kMidpointList = 72;
}  // namespace page_item

// The item's name in messages and page data ("position table 2").
std::string PageItemName(int item);

struct PageItem {
  enum class Kind { Glyph, Text, Line, Ellipse, Polygon };
  Kind kind = Kind::Line;
  ItemTag tag;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;          // bounding box (device pixels), x0 <= x1, y0 <= y1
  int fromX = 0, fromY = 0, toX = 0, toY = 0;  // Line: its end points
  int penWidth = 0;                            // Line, Ellipse
  std::string text;                            // Glyph, Text

  bool Intersects(const PageItem& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

const char* KindName(PageItem::Kind kind);

// The body slot of the chart entry behind a wheel point (Sun..Pluto and the
// node keep their number, Ascendant 11, Midheaven 12, the asteroids and
// Chiron 16..20, the Part of Fortune 15); -1 for the south node and points
// without a slot.
int BodySlotOfWheelPoint(int point);

}  // namespace vostrane
