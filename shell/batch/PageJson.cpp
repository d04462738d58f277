// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/PageJson.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace vostrane::batch {

namespace {

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

}  // namespace

std::vector<int> WheelRadii(const std::vector<PageItem>& items, int cx, int cy) {
  std::vector<int> radii;
  for (const PageItem& it : items) {
    if (it.kind != PageItem::Kind::Ellipse) continue;
    // Bounding boxes carry half the pen on each side.
    const int h = (it.penWidth + 1) / 2;
    const int l = it.x0 + h, r = it.x1 - h, t = it.y0 + h, b = it.y1 - h;
    if (std::abs((l + r) / 2 - cx) > 1 || std::abs((t + b) / 2 - cy) > 1) continue;
    radii.push_back((r - l) / 2);
  }
  std::sort(radii.begin(), radii.end());
  radii.erase(std::unique(radii.begin(), radii.end()), radii.end());
  return radii;
}

std::string PageToJson(const PageData& page) {
  std::ostringstream out;
  out << "{\"width\": " << page.width << ", \"height\": " << page.height << ",\n \"wheel\": ";
  if (!page.wheel) {
    out << "null";
  } else {
    out << "{\"cx\": " << page.cx << ", \"cy\": " << page.cy << ", \"radii\": [";
    for (size_t i = 0; i < page.radii.size(); ++i) out << (i ? ", " : "") << page.radii[i];
    out << "], \"cusps\": [";
    for (size_t i = 0; i < page.cusps.size(); ++i) out << (i ? ", " : "") << Number(page.cusps[i]);
    out << "], \"ascendant\": " << Number(page.ascendant) << "}";
  }
  out << ",\n \"items\": [";
  for (size_t i = 0; i < page.items.size(); ++i) {
    const PageItem& it = page.items[i];
    const bool pointRole = it.tag.role == ItemRole::PlanetGlyph ||
                           it.tag.role == ItemRole::PlanetLabel || it.tag.role == ItemRole::Pointer;
    const int slot = pointRole ? BodySlotOfWheelPoint(it.tag.point) : -1;
    out << (i ? ",\n  " : "\n  ") << "{\"kind\": \"" << KindName(it.kind) << "\", \"role\": \""
        << RoleName(it.tag.role) << "\", \"point\": ";
    if (slot >= 0) out << slot;
    else out << "null";
    if (it.tag.ring > 0) out << ", \"ring\": " << it.tag.ring;
    out << ", \"bbox\": [" << it.x0 << ", " << it.y0 << ", " << it.x1 << ", " << it.y1 << "]}";
  }
  out << "\n ]}\n";
  return out.str();
}

}  // namespace vostrane::batch
