// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageRoom.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vostrane {

PageRoom::PageRoom(int left, int top, int right, int bottom, int gap, int leastGap, int step)
    : page_{left, top, right, bottom},
      gap_(std::max(0, gap)),
      leastGap_(std::clamp(leastGap, 0, gap_)),
      step_(std::max(1, step)) {}

void PageRoom::Take(const std::vector<PageItem>& items) {
  std::vector<Disc> discs;
  for (const PageItem& it : items)
    if (it.kind == PageItem::Kind::Ellipse)
      discs.push_back(
          {(it.x0 + it.x1) / 2.0, (it.y0 + it.y1) / 2.0, (it.x1 - it.x0) / 2.0, (it.y1 - it.y0) / 2.0});
  // Boxes inside a disc are covered by it: only what stands outside every
  // disc is kept as a box (the labels around a wheel's outer ring).
  auto inDisc = [&](const PageItem& it) {
    for (const Disc& d : discs) {
      bool inside = true;
      for (const double x : {double(it.x0), double(it.x1)})
        for (const double y : {double(it.y0), double(it.y1)})
          if (std::pow((x - d.cx) / d.rx, 2) + std::pow((y - d.cy) / d.ry, 2) > 1.0) inside = false;
      if (inside) return true;
    }
    return false;
  };
  for (const PageItem& it : items)
    if (it.kind != PageItem::Kind::Ellipse && it.x1 > it.x0 && it.y1 > it.y0 && !inDisc(it))
      boxes_.push_back({it.x0, it.y0, it.x1, it.y1});
  for (const Disc& d : discs)
    if (d.rx > 0 && d.ry > 0) discs_.push_back(d);
}

bool PageRoom::OnPage(const Box& b) const {
  return b.x0 >= page_.x0 && b.y0 >= page_.y0 && b.x1 <= page_.x1 && b.y1 <= page_.y1;
}

bool PageRoom::Free(const Box& b, int g) const {
  for (const Box& t : boxes_)
    if (b.x0 < t.x1 + g && t.x0 - g < b.x1 && b.y0 < t.y1 + g && t.y0 - g < b.y1) return false;
  for (const Disc& d : discs_) {
    // The point of the box nearest the centre, in the disc's unit circle
    // widened by the gap.
    const double nx = std::clamp(d.cx, double(b.x0), double(b.x1));
    const double ny = std::clamp(d.cy, double(b.y0), double(b.y1));
    const double rx = d.rx + g, ry = d.ry + g;
    if (std::pow((nx - d.cx) / rx, 2) + std::pow((ny - d.cy) / ry, 2) < 1.0) return false;
  }
  return true;
}

bool PageRoom::FreeAt(const Box& bounds, const std::vector<Box>& parts, Point o, int gap) const {
  const Box moved{bounds.x0 + o.x, bounds.y0 + o.y, bounds.x1 + o.x, bounds.y1 + o.y};
  if (!OnPage(moved)) return false;
  if (Free(moved, gap)) return true;
  return std::all_of(parts.begin(), parts.end(), [&](const Box& p) {
    return Free({p.x0 + o.x, p.y0 + o.y, p.x1 + o.x, p.y1 + o.y}, gap);
  });
}

Point PageRoom::FreeOffset(const std::vector<PageItem>& items) const {
  return FindFreeOffset(items).value_or(Point{0, 0});
}

std::optional<Point> PageRoom::FindFreeOffset(const std::vector<PageItem>& items) const {
  Box b{0, 0, 0, 0};
  std::vector<Box> parts;
  for (const PageItem& it : items) {
    if (it.x1 <= it.x0 && it.y1 <= it.y0) continue;
    const Box part{it.x0, it.y0, it.x1, it.y1};
    if (parts.empty()) b = part;
    b = {std::min(b.x0, part.x0), std::min(b.y0, part.y0), std::max(b.x1, part.x1),
         std::max(b.y1, part.y1)};
    parts.push_back(part);
  }
  if (parts.empty()) return Point{0, 0};
  // Where it stands, even partly off the usable area, when it meets nothing.
  if (std::all_of(parts.begin(), parts.end(), [&](const Box& p) { return Free(p, gap_); }))
    return Point{0, 0};
  // Candidates in rings of growing distance; the first free one on the
  // page wins (straight moves before diagonal ones at the same distance).
  const int span = std::max(page_.x1 - page_.x0, page_.y1 - page_.y0);
  std::vector<Point> candidates{{0, 0}};
  for (int d = step_; d <= span; d += step_) {
    std::vector<std::pair<double, Point>> ring;
    for (int i = -d; i <= d; i += step_)
      for (int j = -d; j <= d; j += step_) {
        if (std::max(std::abs(i), std::abs(j)) != d) continue;
        ring.push_back({std::hypot(i, j) + (i != 0 && j != 0 ? 0.5 : 0.0), {i, j}});
      }
    std::stable_sort(ring.begin(), ring.end(),
                     [](const auto& a, const auto& c) { return a.first < c.first; });
    for (const auto& [distance, p] : ring) candidates.push_back(p);
  }
  for (const int gap : {gap_, leastGap_})
    for (const Point& p : candidates)
      if (FreeAt(b, parts, p, gap)) return p;
  return std::nullopt;
}

}  // namespace vostrane
