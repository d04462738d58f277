// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageAssembly.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/AngleTime.h"
#include "common/HouseSystemNames.h"
#include "wheel/AspectGrid.h"
#include "wheel/GauquelinTable.h"
#include "wheel/ItemPlacer.h"
#include "wheel/LegendTables.h"
#include "wheel/PageHeader.h"
#include "wheel/PointTables.h"
#include "wheel/PositionTables.h"
#include "wheel/SidewaysPage.h"
#include "wheel/WheelDrawing.h"
#include "wheel/WheelLots.h"
#include "wheel/WheelPage.h"
#include "wheel/WheelSetup.h"

#ifndef VOSTRANE_VERSION_TEXT
#define VOSTRANE_VERSION_TEXT ""
#endif

namespace vostrane {

namespace wo = wheel_offset;

namespace {

const char* const kAssembling = "Wheel  Assembling: ";
const char* const kInterruptNote = "  (press space bar to interrupt)!";

// The captions and the continue flag live with the surface's host.
class Steps {
 public:
  explicit Steps(DrawingSurface& s) : host_(s.Host()) {}
  void Caption(const std::string& text) {
    if (host_) host_->SetCaption(text);
  }
  bool Go() const { return !host_ || host_->ContinueFlag(); }

 private:
  SurfaceHost* host_;
};

bool NeedsEqualHouses(const std::array<ChartEntry, 3>& charts, int count) {
  for (int r = 0; r < count; ++r) {
    if (charts[r].harmonic() > 1) return true;
    std::array<double, 12> cusps{};
    for (int h = 1; h <= 6; ++h) cusps[h - 1] = charts[r].cusp(h);
    if (!CuspsInZodiacalOrder(cusps)) return true;
  }
  return false;
}

// The ring category of the input ('C' draws as a tri-wheel; anything
// unknown as a single wheel) and its number of charts.
char PageCategory(char category) {
  return category == 'C' ? 'T' : (category == 'B' || category == 'T') ? category : 'R';
}
int ChartCountOf(char category) { return category == 'T' ? 3 : category == 'B' ? 2 : 1; }

// The charts of the rings, as copies: a page whose charts need equal houses
// (a harmonic chart, or cusps out of zodiacal order) draws every ring with
// equal houses from its Ascendant and house system 'B'; the entries
// themselves keep their cusps.
struct RingCharts {
  std::array<ChartEntry, 3> charts;
  std::array<bool, 3> present{};
  bool equalHouses = false;
  const ChartEntry* Given(int r) const { return present[r] ? &charts[r] : nullptr; }
};

RingCharts CopyRingCharts(const WheelPageInput& in, int count) {
  RingCharts rc;
  const ChartEntry* given[3] = {in.inner, in.second, in.third};
  for (int r = 0; r < count; ++r)
    if (given[r]) rc.charts[r] = *given[r], rc.present[r] = true;
  rc.equalHouses = NeedsEqualHouses(rc.charts, count);
  if (!rc.equalHouses) return rc;
  for (int r = 0; r < count; ++r) {
    if (!rc.present[r]) continue;
    const ChartEntry& e = rc.charts[r];
    const double ascendant = AscendantIsCusp1(CalculatedHouseSystem(e.houseSystemLetter())) ? e.cusp(1)
                                                                                            : e.asc();
    const std::array<double, 12> cusps = EqualHouseCusps(Modulo(360.0, ascendant));
    for (int h = 1; h <= 6; ++h) rc.charts[r].setCusp(h, cusps[h - 1]);
    rc.charts[r].setHouseSystemLetter('B');
  }
  return rc;
}

// The style adjusted for what the page draws, the surface's line style and
// the aspect set; returns the wheel setup from the surface's page metrics.
WheelSetup PrepareStyle(DrawingSurface& s, WheelDefinition& def, AspectTables& aspects,
                        const WheelPageInput& in, char category, const std::string& anglesPath) {
  // The pair of charts chosen for the aspect lines; lines in the centre
  // need the house ring and the aspect circle.
  def.SetLetter(wo::aspectLines,
                AspectLinesLetter(in.aspectPair, category, def.Letter(wo::aspectLines)));
  const char lines = def.Letter(wo::aspectLines);
  if (lines != 'N' && lines != 'P') {
    def.SetLetter(wo::houseNumbers, 'R');
    def.SetLetter(wo::houseRingCircle, 'Y');
    def.SetLetter(wo::aspectCircle, 'Y');
  }
  const WheelSetup setup = ComputeWheelSetup(def, category, s.Metrics());
  SurfaceStyle style = s.Style();
  style.ringLines = def.ringLines();
  style.frameColour = def.I32(wo::frameColour);
  style.ringColour = def.I32(wo::ringColour);
  style.doubleInset = setup.u;
  s.SetStyle(style);
  LoadAspectSet(aspects, def, in.code, anglesPath);
  return setup;
}

void DrawCreditLine(DrawingSurface& s, const WheelDefinition& def) {
  if (def.I16(wo::creditLine) == -1) return;
  s.SetFont(def.Letter(wo::creditFont), 8, def.I32(wo::creditColour), def.Style(wo::creditStyle));
  s.TextAt(s.Metrics().x0, CreditLineTop(s.Metrics()), CreditLineText());
}

void DrawPictures(const WheelPage& page, const std::string& picturesPath, Steps& steps,
                  ItemPlacer& placer) {
  if (!steps.Go()) return;
  steps.Caption(std::string(kAssembling) + " Graphic pictures");
  const int group = page.def.I16(wo::pictureGroup);
  if (group <= 0) return;
  if (placer.Sideways()) {
    placer.Place(page_item::kPictures, [&] { DrawPictureGroup(page.s, group, picturesPath); });
  } else if (placer.Drawing()) {
    const ItemNumber item(page.s, page_item::kPictures);
    DrawPictureGroup(page.s, group, picturesPath);
  }
}

// The headers keep their place at the top of the page; on a sideways page
// they stand in the column right of the wheel.
void DrawHeaders(const WheelPage& page, const EntryLookup& lookup, Steps& steps, ItemPlacer& placer) {
  if (!steps.Go()) return;
  steps.Caption(std::string(kAssembling) + " Header");
  const PageItemScope tag(page.s, ItemRole::Header);
  const PageMetrics upright = page.s.Metrics();
  auto draw = [&] { DrawPageHeaders(page, lookup); };
  if (placer.Sideways()) {
    page.s.SetMetrics(placer.Column());
    placer.KeepInside(page_item::kHeaders, draw);
  } else {
    placer.Keep(page_item::kHeaders, false, draw);
  }
  page.s.SetMetrics(upright);
}

// The wheel and the credit line keep their places (on a sideways page the
// credit line finds its place with the other items).
void ReserveWheelAndCredit(const WheelPage& page, const AspectTables& aspects, ItemPlacer& placer) {
  if (page.def.wheelSize() > 0)
    placer.Keep(page_item::kWheel, true, [&] {
      WheelDrawing wheel(page.def, page.rings, page.setup);
      wheel.Draw(page.s, &aspects);
    });
  placer.Settled(page_item::kCreditLine, true, [&] { DrawCreditLine(page.s, page.def); });
}

// The aspect grids take their places before the tables are placed around
// them.
void ReserveGrids(const WheelPage& page, ItemPlacer& placer) {
  // The aspect grids are the largest items: they find their places first.
  for (int g = 1; g <= 2; ++g)
    if (page.def.Flag(g == 1 ? wo::grid1Shown : wo::grid2Shown)) {
      const PageItemScope tag(page.s, ItemRole::Grid);
      placer.Reserve(page_item::kGrid + g, [&] { DrawAspectGrid(page, g); });
    }
}

void DrawTablesAndGrids(const WheelPage& page, Steps& steps, ItemPlacer& placer) {
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Tables");
    const PageItemScope tag(page.s, ItemRole::Table);
    for (int t = 0; t < 5; ++t)
      placer.Place(page_item::kPositionTable + t, [&] { DrawPositionTable(page, t); });
    for (int n = 1; n <= 5; ++n) placer.Place(page_item::kLegend + n, [&] { DrawLegendTable(page, n); });
    PageBox further{};
    placer.Place(page_item::kFurtherPoints, [&] { further = DrawFurtherPointsTable(page); });
    // Gauquelin's sectors take the room of the elements and parallels
    // tables below the further points.
    bool sectors = false;
    placer.Place(page_item::kGauquelinSectors,
                 [&] { sectors = DrawGauquelinTable(page, further).drawn; });
    if (!sectors) {
      placer.Place(page_item::kElements, [&] { DrawElementsTable(page); });
      placer.Place(page_item::kParallels, [&] { DrawParallelsTable(page); });
    }
  }
  const bool grid1 = page.def.Flag(wo::grid1Shown), grid2 = page.def.Flag(wo::grid2Shown);
  if (steps.Go() && (grid1 || grid2)) {
    steps.Caption(std::string(kAssembling) + " Aspects");
    const PageItemScope tag(page.s, ItemRole::Grid);
    for (int g = 1; g <= 2; ++g) {
      if (!(g == 1 ? grid1 : grid2) || (g == 2 && !steps.Go())) continue;
      placer.Place(page_item::kGrid + g, [&] { DrawAspectGrid(page, g); });
    }
  }
}

// The wheel as drawn: where its glyphs were placed and its radius (0 when
// no wheel was drawn).
struct DrawnWheel {
  PlacedSlots slots{};
  int radius = 0;
};

DrawnWheel DrawWheelAndCredit(const WheelPage& page, const AspectTables& aspects, Steps& steps,
                              ItemPlacer& placer) {
  DrawingSurface& s = page.s;
  const WheelDefinition& def = page.def;
  DrawnWheel drawn;
  for (auto& ring : drawn.slots) ring.fill(kNoSlot);
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Wheel");
    if (def.wheelSize() > 0) {
      const ItemNumber item(s, page_item::kWheel);
      WheelDrawing wheel(def, page.rings, page.setup);
      wheel.Draw(s, &aspects);
      DrawWheelLots(s, def, page.setup, page.rings, page.lots, wheel.HouseNumberBoxes());
      drawn.slots = wheel.Slots();
      drawn.radius = wheel.Radius();
    }
  }
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Company");
    if (placer.Sideways()) {
      placer.Place(page_item::kCreditLine, [&] { DrawCreditLine(s, def); });
    } else {
      const ItemNumber item(s, page_item::kCreditLine);
      DrawCreditLine(s, def);
    }
  }
  return drawn;
}

// The wheel of a sideways page: the items, laid out upright, are measured;
// the column right of the wheel starts as wide as the widest and widens,
// the wheel shrinking, until a trial finds every item a free place. Sets
// the setup and gives the move of the items into the column.
template <class LayOut>
SidewaysItems SettleSidewaysWheel(const WheelPage& page, WheelSetup& setup, char category,
                                  const PageMetrics& sheet, LayOut layOut) {
  const auto stay = [](const ItemBounds&) { return Point{0, 0}; };
  ItemPlacer measure(page.s, {sheet, stay}, ItemPlacer::Mode::Measure);
  layOut(measure);
  // The room of the labels around the wheel's outermost circle, drawn as
  // laid out upright.
  std::vector<PageItem> wheel;
  page.s.BeginCapture(&wheel, true);
  WheelDrawing(page.def, page.rings, setup).Draw(page.s, &page.aspects);
  page.s.EndCapture();
  const ItemBounds b = BoundsOf(wheel);
  const int reach = std::max({setup.cx - b.x0, b.x1 - setup.cx,
                              static_cast<int>((setup.cy - b.y0) / setup.k),
                              static_cast<int>((b.y1 - setup.cy) / setup.k)});
  const int labels = wheel.empty() ? 0 : std::max(0, reach - MultiWheelRadius(setup)) + sheet.halfLine;
  const int widest = sheet.width * 3 / 4;
  for (int column = SidewaysColumnWidth(sheet, measure.Measured());; column += sheet.width / 40) {
    setup = SidewaysWheelSetup(page.def, category, sheet, std::min(column, widest), labels);
    SidewaysItems items{sheet, nullptr};
    items.column.x0 = 2 * setup.cx - sheet.x0;
    items.column.width = sheet.x0 + sheet.width - items.column.x0;
    const ItemBounds box{items.column.x0, sheet.y0, sheet.x0 + sheet.width, sheet.y0 + sheet.height};
    items.move = [&sheet, box](const ItemBounds& item) { return SidewaysItemOffset(sheet, box, item); };
    if (column >= widest) return items;
    ItemPlacer trial(page.s, items, ItemPlacer::Mode::Trial);
    layOut(trial);
    if (!trial.Failed()) return items;
  }
}

}  // namespace

bool CuspsInZodiacalOrder(const std::array<double, 12>& cusps) {
  double running = cusps[0];
  for (int n = 1; n < 6; ++n) {
    double v = cusps[n];
    if (v < running) v += 360.0;
    if (v < running) v += 360.0;
    running = v;
  }
  return running <= 720.0;
}

std::array<double, 12> EqualHouseCusps(double ascendant) {
  std::array<double, 12> cusps{};
  cusps[0] = ascendant;
  for (int n = 1; n < 12; ++n) cusps[n] = Modulo(360.0, cusps[n - 1] + 30.0);
  return cusps;
}

std::string CreditLineText() {
  const std::string version = VOSTRANE_VERSION_TEXT;
  return "Calculated and drawn by Vostrane" + (version.empty() ? "" : " " + version) +
         ", the astrology program";
}

WheelPageAssembler::WheelPageAssembler(PageNames names) : names_(std::move(names)) {}

void WheelPageAssembler::SetFilePaths(const std::string& wheels, const std::string& pictures,
                                      const std::string& angles) {
  wheelsPath_ = wheels;
  picturesPath_ = pictures;
  anglesPath_ = angles;
}

bool WheelPageAssembler::AssembleWheelPage(DrawingSurface& s, const WheelPageInput& in) {
  if (!in.inner) return false;
  const char category = PageCategory(in.category);
  const int count = ChartCountOf(category);
  Steps steps(s);

  // The style of the code and category; after a failed read the previous
  // one stays in force. Without any style there is nothing to draw by (an
  // empty style would send the aspect set and picture reads astray).
  WheelStyleFile styles;
  if (styles.Open(wheelsPath_) && styles.Read(in.code, category, def_)) styleInForce_ = true;
  if (!styleInForce_) return false;
  if (!s.BeginPrintout('2', 'P')) return false;
  // A sideways page is laid out upright and its items moved onto it.
  const PageMetrics sheet = s.Metrics();
  if (sheet.Sideways()) s.SetMetrics(UprightLayout(sheet));
  const RingCharts ringCharts = CopyRingCharts(in, count);
  equalHouses_ = ringCharts.equalHouses;
  // The column beside a sideways page's wheel holds a header's items one
  // a line rather than three across.
  if (sheet.Sideways() && def_.headerLayout() == HeaderLayout::ThreeAcross)
    def_.SetLetter(wo::headerLayout, 'L');
  // The user's node choice overrides the style's for this page.
  if (in.points.wheelNode != 0) def_.SetLetter(wo::trueNode, in.points.wheelNode);
  rings_ = FillRingArrays(def_, category, ringCharts.charts[0], ringCharts.Given(1), ringCharts.Given(2),
                          in.points.fortuneByDayAndNight);
  steps.Caption(kAssembling);
  setup_ = PrepareStyle(s, def_, aspects_, in, category, anglesPath_);

  WheelPage page{s, def_, rings_, {}, names_, aspects_, setup_, in.code, in.placeStyle};
  for (int r = 0; r < count; ++r) page.charts[r] = ringCharts.Given(r);
  if (in.lots) page.lots = ChosenWheelLots(*in.lots, in.points.wheelLots, ringCharts.charts[0]);
  // Every item but the wheel (pictures on a sideways page find their
  // place beside the wheel like the tables).
  auto layOut = [&](ItemPlacer& placer) {
    if (!placer.Sideways()) DrawPictures(page, picturesPath_, steps, placer);
    DrawHeaders(page, in.lookup, steps, placer);
    if (steps.Go()) ReserveWheelAndCredit(page, aspects_, placer);
    if (placer.Sideways()) DrawPictures(page, picturesPath_, steps, placer);
    if (steps.Go()) ReserveGrids(page, placer);
    DrawTablesAndGrids(page, steps, placer);
  };
  const SidewaysItems items = sheet.Sideways()
                                  ? SettleSidewaysWheel(page, setup_, category, sheet, layOut)
                                  : SidewaysItems{s.Metrics(), nullptr};
  SurfaceStyle style = s.Style();
  style.doubleInset = setup_.u;
  s.SetStyle(style);
  ItemPlacer placer(s, items, ItemPlacer::Mode::Draw);
  layOut(placer);
  const DrawnWheel wheel = DrawWheelAndCredit(page, aspects_, steps, placer);
  slots_ = wheel.slots;
  wheelRadius_ = wheel.radius;

  // The caption names the chart shown (the inner ring's); the page ends
  // (the entries were never changed) and the style file closes.
  std::string caption = PrintoutTitle(*in.inner, names_);
  if (s.Device() != OutputDevice::Screen) caption += kInterruptNote;
  steps.Caption(caption);
  s.SetMetrics(sheet);
  s.EndPage(true);
  styles.Close();
  return true;
}

}  // namespace vostrane
