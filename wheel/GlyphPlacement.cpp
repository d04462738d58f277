// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/GlyphPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/AngleTime.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace {

// More rounds of the slot search than any real ring needs; a ring so full
// that the search does not settle takes the nearest free slot instead.
constexpr int kMaxSearchRounds = 4 * kSlotCount;

// Distance over the shorter arc of two whole-degree longitudes.
double ShortArc(double a, double b) { return AngularDistance(std::trunc(a), std::trunc(b)); }

class Slots {
 public:
  Slots(SlotRing& ring, int minGap) : ring_(ring), gap_(minGap) {}

  // A slot fits when the nearest occupied slot below it is more than the
  // spacing away (or there is none).
  bool Fits(int f) const {
    for (int b = f - 1; b >= 1; --b)
      if (!ring_.Free(b)) return f - b > gap_;
    return true;
  }
  bool Usable(int f) const { return f >= 1 && f < kSlotCount && ring_.Free(f) && Fits(f); }

  // The highest usable slot below f (0 if none) and the lowest above f up to
  // 360 (361 if none), in one pass each.
  int SearchDown(int f) const {
    const auto below = NearestBelow();
    for (int b = f - 1; b >= 1; --b)
      if (ring_.Free(b) && (below[b] == 0 || b - below[b] > gap_)) return b;
    return 0;
  }
  int SearchUp(int f) const {
    const auto below = NearestBelow();
    for (int c = std::max(f + 1, 1); c <= 360; ++c)
      if (ring_.Free(c) && (below[c] == 0 || c - below[c] > gap_)) return c;
    return 361;
  }
  // Moves the glyphs of slots b+1 .. f down by one slot; slot f becomes free.
  void ShiftDown(int b, int f) {
    for (int s = b; s < f; ++s) ring_.point[s] = ring_.point[s + 1];
    ring_.point[f] = -1;
  }
  bool BlockEmpty(int from, int to) const {
    for (int s = from; s <= to; ++s)
      if (!ring_.Free(s)) return false;
    return true;
  }
  // The free slot nearest to f, for a ring too full for the spacing.
  int NearestFree(int f) const {
    for (int d = 0; d < kSlotCount; ++d) {
      if (f + d >= 1 && f + d <= 360 && ring_.Free(f + d)) return f + d;
      if (f - d >= 1 && ring_.Free(f - d)) return f - d;
    }
    return kNoSlot;
  }

 private:
  // For each slot the nearest occupied slot below it (from 1), 0 if none.
  std::array<int, kSlotCount> NearestBelow() const {
    std::array<int, kSlotCount> below{};
    int last = 0;
    for (int s = 1; s < kSlotCount; ++s) {
      below[s] = last;
      if (!ring_.Free(s)) last = s;
    }
    return below;
  }

  SlotRing& ring_;
  int gap_;
};

}  // namespace

int SlotRing::SlotOf(int p) const {
  for (int n = 1; n < kSlotCount; ++n)
    if (point[n] == p) return n;
  return kNoSlot;
}

double WheelAngle(double lon, double ascendant) { return Modulo(360.0, lon - ascendant); }

void FillHouses(PlacementInput& in) {
  for (int p = 0; p < kWheelPoints; ++p) in.house[p] = CheckedHouseOf(in.lon[p], in.cusps);
}

double TrueWheelAngle(double lon, const std::array<double, 12>& cusps, bool equalSectors) {
  if (!equalSectors) return WheelAngle(lon, cusps[0]);
  for (int h = 0; h < 12; ++h) {
    const double span = ForwardDifference(cusps[h], cusps[(h + 1) % 12]);
    const double into = ForwardDifference(cusps[h], lon);
    if (into < span || (span == 0 && into == 0)) return 30.0 * h + (span > 0 ? 30.0 * into / span : 0);
  }
  return WheelAngle(lon, cusps[0]);
}

std::array<int, kWheelPoints> PlacementOrder(const PlacementInput& in) {
  std::array<int, 22> sorted;
  for (int i = 0; i < 22; ++i) sorted[i] = i;
  // Insertion sort: points of equal longitude keep their numbering order.
  for (int i = 1; i < 22; ++i) {
    const int p = sorted[i];
    int j = i;
    while (j > 0 && in.lon[sorted[j - 1]] > in.lon[p]) {
      sorted[j] = sorted[j - 1];
      --j;
    }
    sorted[j] = p;
  }
  const double asc = in.cusps[0];
  int start = 0;
  for (int i = 1; i < 22; ++i)
    if (WheelAngle(in.lon[sorted[i]], asc) < WheelAngle(in.lon[sorted[start]], asc)) start = i;
  std::array<int, kWheelPoints> order{};
  int n = 0;
  for (int i = 0; i < 22; ++i) {
    const int p = sorted[(start + i) % 22];
    if (p < kWheelPoints) order[n++] = p;
  }
  return order;
}

int TargetSlot(const PlacementInput& in, const HouseMap& map, int point, int h) {
  if (!in.equalSectors) {
    const int f = RoundEven(WheelAngle(in.lon[point], in.cusps[0]));
    return f == 0 ? 1 : f;
  }
  // Equal sectors: the point's share of its house, counted in the house's
  // usable slots (whole-degree longitudes), so that a point on the cusp
  // takes the house's first slot and one at the next cusp its last.
  const int n = map.count[h];
  const double a = ShortArc(in.cusps[h], in.lon[point]);
  const double b = ShortArc(in.cusps[h], in.cusps[(h + 1) % 12]);
  const double share = b > 0 ? std::min(1.0, a / b) : 0.0;
  if (n == 0) return std::max(1, RoundEven(30.0 * h + 30.0 * share));
  const int index = std::clamp(RoundEven(n * share), 1, n);
  int seen = 0;
  for (int s = 1; s < kSlotCount; ++s)
    if (map.house[s] == h && ++seen == index) return s;
  return std::max(1, map.FirstSlot(h));
}

SlotRing AssignSlots(const PlacementInput& in, const HouseMap& map, const SpacingTable& spacing) {
  SlotRing ring;
  for (int p : PlacementOrder(in)) {
    if (!in.shown[p]) continue;
    const int h = in.house[p];
    Slots slots(ring, spacing.At(SpacingClass(h), in.ring));

    int f = TargetSlot(in, map, p, h);
    // Beyond every glyph already pushed ahead.
    for (int w = f + 1; w <= 359; ++w)
      if (!ring.Free(w)) f = w + 1;
    f = std::min(f, 360);

    // Out of a cusp margin: into the house if the next usable slot is in
    // it, else back towards the glyphs below.
    int b = f;
    while (b < 360 && map.At(b) == kNoHouse) ++b;
    if (b == 360)
      while (b > 0 && map.At(b) == kNoHouse) --b;
    if (map.At(b) == h) {
      f = b;
    } else {
      while (f > 1 && map.At(f) == kNoHouse && ring.Free(f) && ring.Free(f - 1)) --f;
    }
    f = std::max(f, 1);

    bool placed = false;
    for (int round = 0; round < kMaxSearchRounds && !placed; ++round) {
      if (slots.Usable(f) && map.At(f) == h) {
        placed = true;
        break;
      }
      const int down = slots.SearchDown(f);
      const int up = slots.SearchUp(f);
      const bool upInEndMargin = up > 350 && up <= 360 && map.At(up) == kNoHouse;
      if (up == 361 || upInEndMargin || (down != 0 && map.At(down) == h)) {
        // Make room below: the glyphs down to the free slot move back one.
        // Slot 0 is never used, so the block cannot move onto it; a block
        // without glyphs would not move anything.
        if (down == 0 && !ring.Free(1)) break;
        if (slots.BlockEmpty(down + 1, f) && map.At(f) != kNoHouse) {
          // Nothing to move and the target outside its house: the free
          // slot below is in the house.
          if (down != 0 && map.At(down) == h) {
            f = down;
          } else {
            if (up == 361) break;
            f = up;
          }
          placed = true;
          break;
        }
        slots.ShiftDown(down, f);
        // The target leaves a cusp margin step by step. (It does not follow
        // the block down otherwise: that would undo the room just made and
        // never settle when no free slot lies above.)
        if (map.At(f) == kNoHouse && f > 1) --f;
        continue;
      }
      f = up;
      placed = slots.Usable(f);
    }
    if (!placed) {
      // A ring too crowded for the spacing: keep the point, in the nearest
      // free slot.
      if (!slots.Usable(f)) f = slots.NearestFree(f);
      if (f == kNoSlot) continue;
    }
    ring.point[f] = p;
  }
  return ring;
}

int MarkCrossedCusp(int n, int h, const HouseMap& map, bool dash, bool bend, CuspMarks& marks) {
  if (!(dash || bend) || map.At(n) == h) return h;
  const int i = map.At(n) == kNoHouse ? n + 1 : n;
  int crossed = map.At(i);
  if (crossed == kNoHouse && i < 359) {
    for (int j = i + 1; j <= 359; ++j) {
      if (map.At(j) == kNoHouse) continue;
      if (std::abs(map.At(j) - h) > 1) crossed = map.At(j);
      break;
    }
  }
  if (n > 358 || crossed == kNoHouse || crossed == 0 || crossed == h) return h;

  const int dir = crossed < h ? -1 : 1;
  if (dir == 1) ++h;  // the cusp crossed is the one that ends the house
  if (dash) marks.dashed[h] = true;
  if (bend) {
    const int c = std::clamp(n + 2 * dir, 1, 360);
    if (dir == 1 || marks.bend[h] == kNoBend) marks.bend[h] = c;
    if (crossed - h > 0 || h - crossed > 1) {
      h += dir;
      if (h > 0 && h < 11) marks.bend[h] = std::clamp(c + 5 * dir, 1, 358);
    }
  }
  return h;
}

std::array<bool, 12> InwardHouses(const PlacementInput& in, const std::array<double, 12>& cuspAngles,
                                  bool perHouse) {
  std::array<bool, 12> inward{};
  if (!perHouse) return inward;
  if (in.equalSectors) {
    for (int h = 2; h <= 7; ++h) inward[h] = true;
    return inward;
  }
  const auto order = PlacementOrder(in);
  for (int h = 0; h < 12; ++h) {
    double values[kWheelPoints];
    int count = 0;
    for (int p : order)
      if (in.shown[p] && in.house[p] == h) values[count++] = in.lon[p];
    double angle;
    if (count == 0) {
      const double from = cuspAngles[h];
      const double to = h == 11 ? 360.0 : cuspAngles[h + 1];
      angle = from + Modulo(360.0, to - from) / 2.0;
    } else {
      bool straddles = false;
      for (int i = 0; i + 1 < count; ++i) {
        const double a = values[i], b = values[i + 1];
        if ((a > 270 && b < 90) || (a < 90 && b > 270)) straddles = true;
      }
      double sum = 0;
      for (int i = 0; i < count; ++i) sum += straddles && values[i] < 90 ? values[i] + 360 : values[i];
      angle = WheelAngle(sum / count, in.cusps[0]);
    }
    inward[h] = angle > 45 && angle < 225;
  }
  return inward;
}

}  // namespace vostrane
