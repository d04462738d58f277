// SPDX-License-Identifier: GPL-3.0-or-later
// The chart wheel of one printout: the rings, the zodiac degree scale, the
// cusp labels and intercepted signs, the house numbers, the cusp lines, the
// glyphs of up to twenty points per ring with their degree, sign and minute
// labels, and the aspect lines in the centre.
//
// Use per page:
//   RingArrays rings = FillRingArrays(def, category, inner, second, third);
//   WheelSetup setup = ComputeWheelSetup(def, category, surface.Metrics());
//   AspectTables aspects;  LoadAspectSet(aspects, def, code);
//   WheelDrawing wheel(def, rings, setup);
//   wheel.Draw(surface, &aspects);   // DrawWheel
// The slots stay available (Slots()) until the object goes.
#pragma once

#include <array>

#include "wheel/AspectDrawing.h"
#include "wheel/ColumnLayout.h"
#include "wheel/Aspects.h"
#include "wheel/DrawingSurface.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/HouseMap.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelSetup.h"

namespace vostrane {

class WheelDrawing {
 public:
  // The style, rings and setup must outlive the object.
  WheelDrawing(const WheelDefinition& def, const RingArrays& rings, const WheelSetup& setup);

  // DrawWheel: draws the whole wheel onto the surface (nothing when the
  // style's wheel size is 0). Without aspect tables no aspect lines are
  // drawn.
  void Draw(DrawingSurface& s, const AspectTables* aspects);

  // Results of the last Draw.
  const PlacedSlots& Slots() const { return placed_; }
  int SlotOf(int ring, int point) const { return placed_[ring - 1][point]; }
  const HouseMap& Map() const { return map_; }
  const CuspMarks& Marks(int ring) const { return marks_[ring - 1]; }
  // The wheel radius in force: the setup's, enlarged when the style draws
  // no degree scale.
  int Radius() const { return R_; }
  // Where the house numbers stand in their ring (none when they stand
  // near the centre or are not drawn).
  const std::vector<AngularBox>& HouseNumberBoxes() const { return houseNumbers_; }
  // Wheel angles of cusps 0..11 of the inner chart (30 j with equal sectors).
  const std::array<double, 12>& CuspAngles() const { return cuspAngles_; }
  // Where the columns and the cusp lines through the glyph bands stand.
  const ColumnLayout& Layout() const { return layout_; }

  // The steps of Draw, in their order; public for tests of single steps.
  // Cusp labels with the intercepted signs (style offset 53).
  void DrawCuspLabels(DrawingSurface& s);
  void DrawCircles(DrawingSurface& s);
  void DrawDegreeScale(DrawingSurface& s);
  void FillHouseMap();
  void PlaceGlyphs(DrawingSurface& s, int ring, int pass);
  void DrawHouseNumbers(DrawingSurface& s);
  void DrawCuspLines(DrawingSurface& s);

 private:
  PlacementInput InputOf(int ring);
  // A column form: 1..kMaxTiers a house's columns in that many tiers at the
  // ring's sizes, kMaxTiers + 1.. the same as brief columns (the glyph and its
  // degree only, the rest left to the position table; at the style's sizes, with smaller
  // clear gaps), which a crowded house takes where they fit their tier. The
  // functions below that take a form size the items by it.
  static int TiersOf(int form) { return (form - 1) % kMaxTiers + 1; }
  static bool IsBrief(int form) { return form > kMaxTiers; }
  // Whether a ring's columns of a form show an item (brief columns show the
  // glyph and degree; a tri-wheel's outer rings leave out sign and minutes).
  bool ItemShown(int ring, int item, int form) const;
  // The column of a point at a wheel angle, in tier `tier` of its form's
  // tiers (pass 2), or its pointer (pass 1).
  void DrawGlyphColumn(DrawingSurface& s, int ring, double angle, int point, int form, int tier,
                       bool inward, int pass);
  // The pointer from a column at wheel angle n to the point's true place:
  // from a tier further in (further out in an outer ring) it first runs
  // along the column's ray to the tier beside the ring's circle.
  void DrawPointer(DrawingSurface& s, int ring, double n, int p, int form, int tier);
  // The part of a ring's band [inner, outer] that tier `tier` of `tiers`
  // takes.
  void TierBand(int ring, int tiers, int tier, double& inner, double& outer) const;
  // Sizes of the items of a ring's columns in the surface's fonts, and the
  // band of radii the columns of that ring keep within.
  struct ColumnItems {
    std::array<double, 5> w{}, h{};  // box size of each item
    double inner = 0, outer = 0;     // the band
    double rho = 0;                  // base radius of the layout table
    int row = 1;                     // row of the layout table
    double shift = 1.0;              // 1 with the sideways nudge of the labels, 0 without
    double itemGap = 1;              // clear pixels between the items of a column
  };
  ColumnItems MeasureColumn(DrawingSurface& s, int ring, int form);
  // The band of a ring: between the house-number ring (or the circle of
  // the ring inside) and the ring's outer circle, clear of the cusp labels.
  void ColumnBand(DrawingSurface& s, int ring, ColumnItems& c);
  // Radii of the items of a column of a ring at a wheel angle, fitted into
  // its tier of the ring's band; false when they do not fit at the sizes in
  // use.
  bool ColumnRadii(int ring, int form, int tier, double angle, bool inward, bool spread, bool retrograde,
                   std::array<double, 5>& radii) const;
  // The font size of a column item of a ring: the style's size, made
  // smaller where the ring's band is too narrow for the column.
  int ItemSize(int ring, size_t offset, int form) const;
  // The angular half width a column of a ring needs at a wheel angle.
  HalfWidth HalfWidthOf(int ring, int form) const;
  // Angular half width of a text box (w x h) centred at radius rho.
  HalfWidth BoxHalfWidth(double w, double h, double rho) const;
  // Measures the columns of a ring at `fewestPoints` or more taken off the
  // style's sizes, as many as the ring's band needs; false when the sizes
  // cannot become smaller.
  bool FitColumns(DrawingSurface& s, int ring, int form, int fewestPoints);
  void LayOut(DrawingSurface& s);
  // The cusp line of a ring from radius `from` to `to` (from the centre
  // when `from` is 0). When its house was widened it runs straight where
  // the house now ends and turns to the cusp's true place along the circles
  // that bound the ring; the inner ring's line then crosses the degree
  // scale at the true place.
  void CuspLine(DrawingSurface& s, int ring, int cusp, double from, double to);
  // Vertical correction of glyphs on the printer: ascent of font 'B' less
  // that of the glyph font, at one size; and of a number's mark.
  int GlyphDrop(DrawingSurface& s, int size);
  int MarkRaise(DrawingSurface& s, char numberFont, int size);
  double CuspAngle(int ring, int cusp) const;
  // The house of a point by the inner chart's cusps; cusps that do not go
  // round the circle are reported once per drawing.
  int HouseOfPoint(int ring, int point);

  const WheelDefinition& def_;
  const RingArrays& rings_;
  WheelSetup setup_;
  int R_ = 0;
  bool equal_ = false;
  std::array<double, 12> cuspAngles_{};
  HouseMap map_;
  std::array<SlotRing, 3> slots_;
  std::array<CuspMarks, 3> marks_;
  PlacedSlots placed_{};
  std::vector<AngularBox> houseNumbers_;
  ColumnLayout layout_;
  bool laidOut_ = false;
  int gap_ = 2;  // clear pixels around glyphs and labels
  // Per ring and column form (index form - 1).
  std::array<std::array<ColumnItems, 2 * kMaxTiers>, 3> columnItems_{};
  std::array<std::array<int, 2 * kMaxTiers>, 3> shrink_{};   // points taken off the column sizes
  std::array<std::array<bool, 2 * kMaxTiers>, 3> fitted_{};  // the columns fit their tiers' bands
  bool houseBugShown_ = false;
  bool mapBugShown_ = false;
};

}  // namespace vostrane
