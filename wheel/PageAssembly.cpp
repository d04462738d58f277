#include "wheel/PageAssembly.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/AngleTime.h"
#include "wheel/AspectGrid.h"
#include "wheel/LegendTables.h"
#include "wheel/PageHeader.h"
#include "wheel/PointTables.h"
#include "wheel/PositionTables.h"
#include "wheel/WheelDrawing.h"
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
  const char category = in.category == 'C' ? 'T' : (in.category == 'B' || in.category == 'T') ? in.category : 'R';
  const int count = category == 'T' ? 3 : category == 'B' ? 2 : 1;
  Steps steps(s);

  // 1. The page begins.
  if (!s.BeginPrintout('2', 'P')) return false;

  // 2. The style of the code and category; after a failed read the previous
  // one stays in force.
  WheelStyleFile styles;
  if (styles.Open(wheelsPath_)) styles.Read(in.code, category, def_);

  // 3, 4. The charts of the rings, as copies: a page whose charts need equal
  // houses (a harmonic chart, or cusps out of zodiacal order) draws every
  // ring with equal houses from its Ascendant and house system 'B'; the
  // entries themselves keep their cusps.
  std::array<ChartEntry, 3> charts;
  const ChartEntry* given[3] = {in.inner, in.second, in.third};
  for (int r = 0; r < count; ++r)
    if (given[r]) charts[r] = *given[r];
  equalHouses_ = NeedsEqualHouses(charts, count);
  if (equalHouses_) {
    for (int r = 0; r < count; ++r) {
      if (!given[r]) continue;
      const std::array<double, 12> cusps = EqualHouseCusps(Modulo(360.0, charts[r].cusp(1)));
      for (int h = 1; h <= 6; ++h) charts[r].setCusp(h, cusps[h - 1]);
      charts[r].setHousesys('B');
    }
  }
  rings_ = FillRingArrays(def_, category, charts[0], given[1] ? &charts[1] : nullptr,
                          given[2] ? &charts[2] : nullptr);

  // 5. Aspect lines in the centre need the house ring and the aspect circle.
  const char lines = def_.Letter(wo::aspectLines);
  if (lines != 'N' && lines != 'P') {
    def_.SetLetter(wo::houseNumbers, 'R');
    def_.SetLetter(wo::houseRingCircle, 'Y');
    def_.SetLetter(wo::aspectCircle, 'Y');
  }

  // 6, 7. Page metrics (set by the surface), wheel setup, aspect set.
  steps.Caption(kAssembling);
  setup_ = ComputeWheelSetup(def_, category, s.Metrics());
  const WheelSetup& setup = setup_;
  SurfaceStyle style = s.Style();
  style.ringLineStyle = def_.Letter(wo::ringLineStyle);
  style.frameColour = def_.I32(wo::frameColour);
  style.ringColour = def_.I32(wo::ringColour);
  style.doubleInset = setup.u;
  s.SetStyle(style);
  LoadAspectSet(aspects_, def_, in.code, anglesPath_);

  WheelPage page{s, def_, rings_, {}, names_, aspects_, setup, in.code, in.placeStyle};
  for (int r = 0; r < count; ++r)
    if (given[r]) page.charts[r] = &charts[r];

  // 8. Pictures.
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Graphic pictures");
    const int group = def_.I16(wo::pictureGroup);
    if (group > 0) DrawPictureGroup(s, group, picturesPath_);
  }
  // 9. Headers.
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Header");
    const PageItemScope tag(s, ItemRole::Header);
    DrawPageHeaders(page, in.lookup);
  }
  // 10. Tables.
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Tables");
    const PageItemScope tag(s, ItemRole::Table);
    DrawPositionTables(page);
    DrawLegendTables(page);
    DrawFurtherPointsTable(page);
    DrawElementsTable(page);
    DrawParallelsTable(page);
  }
  // 11. Aspect grids.
  const bool grid1 = def_.Flag(wo::grid1Shown), grid2 = def_.Flag(wo::grid2Shown);
  if (steps.Go() && (grid1 || grid2)) {
    steps.Caption(std::string(kAssembling) + " Aspects");
    const PageItemScope tag(s, ItemRole::Grid);
    if (grid1) DrawAspectGrid(page, 1);
    if (grid2 && steps.Go()) DrawAspectGrid(page, 2);
  }
  // 12. The wheel.
  for (auto& ring : slots_) ring.fill(kNoSlot);
  wheelRadius_ = 0;
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Wheel");
    if (def_.wheelSize() > 0) {
      WheelDrawing wheel(def_, rings_, setup);
      wheel.Draw(s, &aspects_);
      slots_ = wheel.Slots();
      wheelRadius_ = wheel.Radius();
    }
  }
  // 13. The credit line.
  if (steps.Go()) {
    steps.Caption(std::string(kAssembling) + " Company");
    if (def_.I16(wo::creditLine) != -1) {
      s.SetFont(def_.Letter(wo::creditFont), 8, def_.I32(wo::creditColour), def_.Letter(wo::creditStyle));
      s.TextAt(s.Metrics().x0, CreditLineTop(s.Metrics()), CreditLineText());
    }
  }
  // 14. The caption names the chart shown (the inner ring's).
  std::string caption = in.inner ? PrintoutTitle(*in.inner, names_) : std::string("Vostrane");
  if (s.Device() != 'S') caption += kInterruptNote;
  steps.Caption(caption);

  // 15, 16. The page ends; the entries were never changed, WHEELS.DAT closes.
  s.EndPage(true);
  styles.Close();
  return true;
}

}  // namespace vostrane
