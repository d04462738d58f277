// SPDX-License-Identifier: GPL-3.0-or-later
// Aspects: the tables derived from the wheel style's aspect set, the search
// for the aspects between two chart points with their applying or
// separating mark, and which points take part in aspects.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/AspectOptions.h"
#include "wheel/AspectSetFile.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"

namespace vostrane {

inline constexpr int kNoAspectGlyph = -1;
inline constexpr int kOtherAspectKind = 99;

// What is kept of one aspect entry in use.
struct AspectBounds {
  bool inUse = false;
  double angle = 0;  // exact angle A, degrees
  // Orb class k = 1 (planets) at index 0 and k = 2 (Sun/Moon) at index 1:
  // low bound A - orb (plus 360 when negative) and high bound A + orb
  // (less 360 when 360 or more). low > high wraps through 0.
  std::array<double, 2> low{};
  std::array<double, 2> high{};
};

// The aspect set of the current page with its derived tables.
struct AspectTables {
  AspectSet set;
  std::array<AspectBounds, kAspectCount> bounds{};  // aspect i at index i - 1
  AspectOptions options;                            // orb factors by body class (ASPORBS.DAT)
  // Points of the inner chart whose lines among themselves the wheel draws
  // thick and in the highlight colour (a pattern the viewer marks).
  std::vector<int> highlighted;

  const AspectBounds& Bounds(int i) const { return bounds[i - 1]; }
  AspectEntry Entry(int i) const { return set.Entry(i); }
};

// Builds the derived tables of the set held in `tables.set`.
void BuildAspectTables(AspectTables& tables);

// LoadAspectSet: reads the set named by the style (offset 26), or the set
// chosen in Preferences (ASPORBS.DAT beside ANGLES.DAT), into
// `tables.set` and builds the derived tables. The reader shows its failure
// messages; what it could not read stays as it was, and the tables are built
// from that. `printoutCode` names the style in the message about a bad set
// letter. True when the record was read.
bool LoadAspectSet(AspectTables& tables, const WheelDefinition& def, const std::string& printoutCode,
                   const std::string& path = kAspectSetFileName);

struct FoundAspect {
  int aspect = -1;  // aspect number 1..40, -1 for an empty place
  double orb = 0;   // deviation from the exact angle, degrees
  char mark = ' ';  // 'A' applying, 'S' separating
  bool Found() const { return aspect > 0; }
};

// Up to three aspects: the first found, the second found, and the last of
// any further ones.
using AspectResult = std::array<FoundAspect, 3>;

// The search for two points at longitudes pa, pb with speeds va, vb
// (degrees per day); `sunOrMoon` selects the Sun/Moon orbs, which are
// multiplied by `orbScale` (the pair's body-class factor).
AspectResult FindAspectsBetween(const AspectTables& tables, double pa, double va, double pb, double vb,
                                bool sunOrMoon, double orbScale = 1.0);

// FindAspects: point a (0..19) of ring ra and point b of ring rb, with the
// positions and speeds of the ring arrays and the orbs scaled by the
// pair's body-class factor.
AspectResult FindAspects(const AspectTables& tables, const RingArrays& rings, int a, int ra, int b,
                         int rb);

struct AspectKind {
  int code = kOtherAspectKind;       // 0..18, or 99 for any other angle
  int legendGlyph = kNoAspectGlyph;  // aspect glyph index of the legend, or none
};

// AspectKindOf: the kind of an entry by its angle (degrees, minutes,
// seconds).
AspectKind AspectKindOf(const AspectEntry& e);
AspectKind AspectKindOf(const AspectTables& tables, int aspect);

// The aspect glyph drawn in the wheel centre and in the grids, chosen by the
// exact angle alone: 0, 180, 90, 120, 60, 45, 135, 30 and 150 degrees have
// one; any other angle has none (kNoAspectGlyph).
int AspectGlyphOf(const AspectEntry& e);

// Whether a point (0..19) of a ring takes part in aspects under the style's
// aspect rules.
bool TakesPartInAspects(const WheelDefinition& def, int point, int ring);

}  // namespace vostrane
