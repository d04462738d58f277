// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the items of a wheel page one at a time, each where it meets none
// drawn before (wheel/PageRoom.h), and numbers what each draws; on a
// sideways page the items, laid out upright, are first moved into the
// column beside the wheel (wheel/SidewaysPage.h).
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "wheel/DrawingSurface.h"
#include "wheel/PageItems.h"
#include "wheel/PageRoom.h"
#include "wheel/SidewaysPage.h"

namespace vostrane {

// Numbers what is drawn while it lives with one page item.
class ItemNumber {
 public:
  ItemNumber(DrawingSurface& s, int item) : s_(s), saved_(s.Tag().item) { s.SetItem(item); }
  ~ItemNumber() { s_.SetItem(saved_); }
  ItemNumber(const ItemNumber&) = delete;
  ItemNumber& operator=(const ItemNumber&) = delete;

 private:
  DrawingSurface& s_;
  int saved_;
};

// How the items of a sideways page are placed: the sheet's metrics (the
// items stay in its usable area), the metrics of the column right of the
// wheel (the headers are drawn by them) and the move of an item laid out
// upright (from its bounds) into the column. An upright page has no move.
struct SidewaysItems {
  using Move = std::function<Point(const ItemBounds&)>;
  PageMetrics sheet, column;
  Move move;
  SidewaysItems(const PageMetrics& m, Move move) : sheet(m), column(m), move(std::move(move)) {}
};

// Draws one page item at a time, each where it meets none drawn before:
// a dry run measures the item, the room gives it the nearest free place,
// and it is drawn there and takes its room. On a sideways page the items,
// laid out upright, are first moved by `move` (from their upright bounds).
// A trial draws nothing and only finds whether every item has a free
// place; a measure only collects the items' upright bounds.
class ItemPlacer {
 public:
  enum class Mode { Draw, Trial, Measure };

  ItemPlacer(DrawingSurface& s, const SidewaysItems& items, Mode mode)
      : s_(s),
        column_(items.column),
        room_(items.sheet.x0, items.sheet.y0, items.sheet.x0 + items.sheet.width,
              items.sheet.y0 + items.sheet.height, std::max(1, items.sheet.halfLine),
              std::max(1, items.sheet.gapX), std::max(1, items.sheet.halfLine)),
        right_(items.sheet.x0 + items.sheet.width),
        move_(items.move),
        mode_(mode) {}

  bool Sideways() const { return move_ != nullptr; }
  // The metrics the headers of a sideways page are drawn by.
  const PageMetrics& Column() const { return column_; }
  bool Drawing() const { return mode_ == Mode::Draw; }
  // Whether an item found no free place (a trial stops at the first).
  bool Failed() const { return failed_; }
  const std::vector<ItemBounds>& Measured() const { return measured_; }

  // Finds the place of an item that may move and takes its room there,
  // before the items placed around it; Place draws it there later.
  template <class Draw>
  void Reserve(int item, Draw draw) {
    if (Skipping()) return;
    const ItemNumber number(s_, item);
    std::vector<PageItem> drawn;
    s_.BeginCapture(&drawn, true);
    draw();
    s_.EndCapture();
    const Point offset = Settle(drawn);
    room_.Take(drawn);
    reserved_.push_back({item, offset});
  }
  // Draws an item that may move (where it was reserved, if it was).
  template <class Draw>
  void Place(int item, Draw draw) {
    if (Skipping()) return;
    const ItemNumber number(s_, item);
    for (const auto& [reservedItem, offset] : reserved_)
      if (reservedItem == item) {
        if (mode_ != Mode::Draw) return;
        s_.SetOrigin(offset);
        draw();
        s_.SetOrigin({0, 0});
        return;
      }
    std::vector<PageItem> drawn;
    s_.BeginCapture(&drawn, true);
    draw();
    s_.EndCapture();
    s_.SetOrigin(Settle(drawn));
    drawn.clear();
    s_.BeginCapture(&drawn, mode_ != Mode::Draw);
    draw();
    s_.EndCapture();
    s_.SetOrigin({0, 0});
    room_.Take(drawn);
  }
  // Draws an item where it is (dry: only takes its room).
  template <class Draw>
  void Keep(int item, bool dry, Draw draw) {
    if (Skipping()) return;
    const ItemNumber number(s_, item);
    std::vector<PageItem> drawn;
    s_.BeginCapture(&drawn, dry || mode_ != Mode::Draw);
    draw();
    s_.EndCapture();
    room_.Take(drawn);
  }
  // Draws an item where it is, moved left where it would reach past the
  // right edge of the usable area (a trial then fails: the column is too
  // narrow for it).
  template <class Draw>
  void KeepInside(int item, Draw draw) {
    if (Skipping()) return;
    std::vector<PageItem> drawn;
    {
      const ItemNumber number(s_, item);
      s_.BeginCapture(&drawn, true);
      draw();
      s_.EndCapture();
    }
    const int beyond = drawn.empty() ? 0 : BoundsOf(drawn).x1 - right_;
    if (beyond > 0 && mode_ == Mode::Trial) failed_ = true;
    s_.SetOrigin({-std::max(0, beyond), 0});
    Keep(item, false, draw);
    s_.SetOrigin({0, 0});
  }
  // An item that keeps its place on an upright page and moves like the
  // tables on a sideways one (dry: reserved, drawn later by Place).
  template <class Draw>
  void Settled(int item, bool dry, Draw draw) {
    if (!Sideways()) Keep(item, dry, draw);
    else if (dry) Reserve(item, draw);
    else Place(item, draw);
  }

 private:
  bool Skipping() const { return mode_ == Mode::Trial && failed_; }
  // Moves the captured primitives to their place and gives the offset.
  Point Settle(std::vector<PageItem>& drawn) {
    Point offset{0, 0};
    if (move_) {
      const ItemBounds b = BoundsOf(drawn);
      if (mode_ == Mode::Measure) {
        // The credit line, a single line at the foot, may reach under the
        // wheel: it does not set the column's width.
        if (s_.Tag().item != page_item::kCreditLine) measured_.push_back(b);
        return offset;
      }
      offset = move_(b);
      Shift(drawn, offset);
    }
    const std::optional<Point> free = room_.FindFreeOffset(drawn);
    if (!free) failed_ = true;
    const Point more = free.value_or(Point{0, 0});
    Shift(drawn, more);
    return {offset.x + more.x, offset.y + more.y};
  }
  static void Shift(std::vector<PageItem>& drawn, Point by) {
    for (PageItem& it : drawn) {
      it.x0 += by.x, it.x1 += by.x;
      it.y0 += by.y, it.y1 += by.y;
    }
  }

  DrawingSurface& s_;
  PageMetrics column_;
  PageRoom room_;
  int right_;
  SidewaysItems::Move move_;
  Mode mode_;
  bool failed_ = false;
  std::vector<ItemBounds> measured_;
  std::vector<std::pair<int, Point>> reserved_;
};

}  // namespace vostrane
