// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly of one wheel page: the wheel surrounded by a header for each
// chart, position and legend tables, the further-points, elements-and-modes
// and parallels tables, up to two aspect grids, pictures and a credit line,
// each switched on and placed by the wheel style.
//
// The viewer draws the standard page of an entry like this:
//
//   WheelPageAssembler assembler(LoadPageNames());    // once per opening
//   surface.SetFontNames(LoadFontNames());          // wheel/FontNames.h
//   WheelPageInput page;                               // "AAA", single wheel
//   page.inner = &entry;
//   assembler.AssembleWheelPage(bitmapOrPrinter, page);
//
// where the surface is the page bitmap (wheel/gui/BitmapSurface.h, its page
// metrics set first) or the printer (wheel/gui/PrinterSurface.h, which
// computes its own); the surface's host gets the captions and keeps the
// continue flag.
#pragma once

#include <array>
#include <string>

#include "astro/ArabicParts.h"
#include "wheel/AspectPair.h"
#include "wheel/AspectSetFile.h"
#include "wheel/Aspects.h"
#include "wheel/ChartTitle.h"
#include "wheel/DrawingSurface.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/PageNames.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelPictures.h"
#include "wheel/WheelSetup.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {

struct WheelPageInput {
  std::string code = kDefaultPrintoutCode;  // printout code, three letters
  char category = 'R';                      // 'R' single, 'B' bi-wheel, 'T' (or 'C') tri-wheel
  const ChartEntry* inner = nullptr;        // ring 1, the current entry
  const ChartEntry* second = nullptr;       // ring 2 of bi- and tri-wheels
  const ChartEntry* third = nullptr;        // ring 3 of tri-wheels
  EntryLookup lookup;                       // base charts named in titles (may be empty)
  char placeStyle = 'K';                    // place name style of the headers (HeaderPlace)
  // The pair of charts whose aspect lines the centre draws.
  AspectPair aspectPair = AspectPair::Default;
  PointSettings points;  // the wheel's node, the Part of Fortune's formula, the lots drawn
  const std::vector<Lot>* lots = nullptr;  // LOTS.DAT, for the lots the points choose
};

// Whether cusps 1 to 6 (at 0..5) run in zodiacal order: walking them, each
// one smaller than the running value counts 360 further (once more if still
// smaller); the order is broken when the running value ends above 720.
bool CuspsInZodiacalOrder(const std::array<double, 12>& cusps);

// Cusps 1..12 of equal houses from an Ascendant.
std::array<double, 12> EqualHouseCusps(double ascendant);

// The credit line at the foot of the page.
std::string CreditLineText();

class WheelPageAssembler {
 public:
  explicit WheelPageAssembler(PageNames names);

  // AssembleWheelPage: draws one wheel page of the input's charts onto the
  // surface, from BeginPrintout to EndPage. Between the steps the surface
  // host's continue flag is checked; once it is cleared the remaining
  // drawing steps are skipped and the page is ended. False when there is no
  // inner chart, no wheel style could be read for this page or an earlier
  // one, or the surface could not begin the printout (nothing drawn).
  // The charts are never changed: a page that needs equal houses draws
  // from copies.
  bool AssembleWheelPage(DrawingSurface& s, const WheelPageInput& in);

  // What stays in memory until the next page.
  const WheelDefinition& Definition() const { return def_; }
  const PageNames& Names() const { return names_; }
  const AspectTables& Aspects() const { return aspects_; }
  // Points of the inner chart whose aspect lines the next pages mark.
  void SetHighlightedPoints(std::vector<int> points) { aspects_.highlighted = std::move(points); }
  const RingArrays& Rings() const { return rings_; }
  const PlacedSlots& Slots() const { return slots_; }
  // The wheel's setup and its radius as drawn (0 when no wheel was drawn).
  const WheelSetup& Setup() const { return setup_; }
  int WheelRadius() const { return wheelRadius_; }
  // Whether the last page was drawn with equal houses in place of the
  // charts' own.
  bool EqualHousesUsed() const { return equalHouses_; }

  // The installation files, by default by their bare names in the working
  // folder.
  void SetFilePaths(const std::string& wheels, const std::string& pictures, const std::string& angles);

 private:
  PageNames names_;
  WheelDefinition def_;
  AspectTables aspects_;
  RingArrays rings_;
  PlacedSlots slots_{};
  WheelSetup setup_;
  int wheelRadius_ = 0;
  bool equalHouses_ = false;
  bool styleInForce_ = false;  // a style was read for an earlier page or this one
  std::string wheelsPath_ = kWheelStyleFileName;
  std::string picturesPath_ = kPictureFileName;
  std::string anglesPath_ = kAspectSetFileName;
};

}  // namespace vostrane
