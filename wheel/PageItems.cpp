// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageItems.h"

namespace vostrane {

const char* RoleName(ItemRole role) {
  switch (role) {
    case ItemRole::PlanetGlyph: return "planet-glyph";
    case ItemRole::PlanetLabel: return "planet-label";
    case ItemRole::CuspLine: return "cusp-line";
    case ItemRole::CuspLabel: return "cusp-label";
    case ItemRole::HouseNumber: return "house-number";
    case ItemRole::AspectLine: return "aspect-line";
    case ItemRole::AspectMark: return "aspect-mark";
    case ItemRole::Table: return "table";
    case ItemRole::Header: return "header";
    case ItemRole::Grid: return "grid";
    case ItemRole::Pointer:
    case ItemRole::Other: break;
  }
  return "other";
}

const char* KindName(PageItem::Kind kind) {
  switch (kind) {
    case PageItem::Kind::Glyph: return "glyph";
    case PageItem::Kind::Text: return "text";
    case PageItem::Kind::Line: return "line";
    case PageItem::Kind::Ellipse: return "ellipse";
    case PageItem::Kind::Polygon: return "polygon";
  }
  return "line";
}

std::string PageItemName(int item) {
  namespace pi = page_item;
  if (item >= pi::kPositionTable && item < pi::kPositionTable + 5)
    return "position table " + std::to_string(item - pi::kPositionTable + 1);
  if (item > pi::kLegend && item <= pi::kLegend + 5)
    return "legend " + std::to_string(item - pi::kLegend);
  if (item > pi::kGrid && item <= pi::kGrid + 2)
    return "aspect grid " + std::to_string(item - pi::kGrid);
  switch (item) {
    case pi::kHeaders: return "headers";
    case pi::kPictures: return "pictures";
    case pi::kFurtherPoints: return "further points";
    case pi::kElements: return "elements table";
    case pi::kParallels: return "parallels";
    case pi::kAspectList: return "aspect list";
    case pi::kAspectPatterns: return "aspect patterns";
    case pi::kHouseOverlay: return "house overlay";
    case pi::kWheel: return "wheel";
    case pi::kCreditLine: return "credit line";
    case pi::kDial: return "dial";
    case pi::kMidpointTree: return "midpoint tree";
    case pi::kMidpointList: return "midpoint list";
    default: break;
  }
  return "item " + std::to_string(item);
}

int BodySlotOfWheelPoint(int point) {
  if (point >= 0 && point <= 12) return point;
  if (point >= 13 && point <= 17) return point + 3;
  if (point == 18) return 15;
  if (point == 20 || point == 21) return point - 7;
  if (point >= 22 && point <= 29) return point + 1;
  return -1;
}

}  // namespace vostrane
