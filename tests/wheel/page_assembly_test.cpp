// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly of a whole wheel page on the recording surface: the step
// captions and the continue flag, the equal-house substitution, the
// headers of a tri-wheel, the credit line and the style that stays in
// force after a failed read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "astro/AngleHelpers.h"
#include "astro/ArabicParts.h"
#include "common/HouseSystemNames.h"
#include "derived/EntryCalculation.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/HouseSystemNote.h"
#include "wheel/PageHeader.h"

namespace vostrane {
namespace {

using test::MakeChart;
using test::PageStyle;
using test::TempFolder;
namespace wo = wheel_offset;

// Keeps every caption; clears the continue flag once `stopAt` is shown.
class RecordingHost : public SurfaceHost {
 public:
  std::vector<std::string> captions;
  std::string stopAt;
  void SetCaption(const std::string& text) override {
    captions.push_back(text);
    if (text == stopAt) SetContinueFlag(false);
  }
};

class PageAssemblyTest : public ::testing::Test {
 protected:
  void SetUp() override { Install(PageStyle()); }
  void Install(const WheelDefinition& style) {
    single = bi = tri = style;
    test::WriteInstallation(folder, single, bi, tri);
  }
  void Reinstall() { test::WriteInstallation(folder, single, bi, tri); }

  TempFolder folder;
  ScopedScriptedMessages msgs;
  WheelDefinition single, bi, tri;
  WheelPageAssembler assembler{DefaultPageNames()};
};

TEST_F(PageAssemblyTest, CaptionsFollowTheStepsAndNameTheChart) {
  single.SetLetter(wo::grid1Shown, 'Y');
  Reinstall();
  RecordingSurface s;
  RecordingHost host;
  s.SetHost(&host);
  const ChartEntry chart = MakeChart();
  WheelPageInput in;
  in.inner = &chart;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  const std::vector<std::string> expected = {
      "Wheel  Assembling: ",         "Wheel  Assembling:  Graphic pictures",
      "Wheel  Assembling:  Header",  "Wheel  Assembling:  Tables",
      "Wheel  Assembling:  Aspects", "Wheel  Assembling:  Wheel",
      "Wheel  Assembling:  Company", "Vostrane - Doe, John - Natal Chart"};
  EXPECT_EQ(host.captions, expected);
  EXPECT_EQ(s.Ops().front().kind, DrawOp::Kind::BeginPrintout);
  EXPECT_EQ(s.Ops().front().x1, '2');
  EXPECT_EQ(s.Ops().front().x2, 'P');
  EXPECT_EQ(s.Ops().back().kind, DrawOp::Kind::EndPage);
  EXPECT_EQ(s.Ops().back().x1, 1);

  // On paper the caption tells how to interrupt; a bi-wheel names its inner chart.
  RecordingSurface paper(OutputDevice::Printer);
  paper.SetHost(&host);
  const ChartEntry second = MakeChart("Second");
  in.category = 'B';
  in.second = &second;
  ASSERT_TRUE(assembler.AssembleWheelPage(paper, in));
  EXPECT_EQ(host.captions.back(), "Vostrane - Doe, John - Natal Chart  (press space bar to interrupt)!");
}

TEST_F(PageAssemblyTest, AClearedContinueFlagSkipsTheRemainingStepsButEndsThePage) {
  RecordingSurface s;
  RecordingHost host;
  host.stopAt = "Wheel  Assembling:  Header";
  s.SetHost(&host);
  const ChartEntry chart = MakeChart();
  WheelPageInput in;
  in.inner = &chart;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  // The header step had begun; nothing after it is drawn.
  EXPECT_TRUE(s.Lines().empty());
  EXPECT_EQ(std::find(host.captions.begin(), host.captions.end(), "Wheel  Assembling:  Wheel"),
            host.captions.end());
  EXPECT_EQ(s.Ops().back().kind, DrawOp::Kind::EndPage);
}

TEST_F(PageAssemblyTest, HarmonicChartIsDrawnWithEqualHousesAndTheEntryKeepsItsCusps) {
  single.SetLetter(wo::houseNumbers, 'N');
  single.SetLetter(wo::aspectLines, 'N');
  Reinstall();
  ChartEntry chart = MakeChart();
  chart.setHarmonic(5);
  const ChartEntry before = chart;
  RecordingSurface s;
  WheelPageInput in;
  in.inner = &chart;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));

  EXPECT_TRUE(assembler.EqualHousesUsed());
  const RingChart& ring = assembler.Rings().Ring(1);
  EXPECT_EQ(ring.houseSystem, HouseSystemId::Equal);
  for (int j = 0; j < 12; ++j) EXPECT_NEAR(ring.cusps[j], std::fmod(126.34 + 30 * j, 360.0), 1e-9) << j;
  // Equal houses show the Midheaven as a point of its own.
  EXPECT_NE(assembler.Slots()[0][wheel_point::Midheaven], kNoSlot);
  // The header names the houses the page shows.
  EXPECT_EQ(s.TextsEqual("Tropical  Equal").size(), 1u);
  EXPECT_EQ(s.TextsEqual("John Doe   5th Harmonic Natal Chart").size(), 1u);
  // The entry itself is untouched.
  EXPECT_EQ(std::memcmp(chart.Data(), before.Data(), kEntrySize), 0);

  // The next page of an ordinary chart draws its own houses again.
  chart.setHarmonic(1);
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  EXPECT_FALSE(assembler.EqualHousesUsed());
  EXPECT_EQ(assembler.Rings().Ring(1).houseSystem, HouseSystemId::Placidus);
  EXPECT_NEAR(assembler.Rings().Ring(1).cusps[1], 146.94, 1e-9);
}

TEST(EqualHouses, CuspOrderWalkCountsWrapsThroughAries) {
  EXPECT_TRUE(CuspsInZodiacalOrder(test::Cusps({126, 147, 172, 204, 240, 276})));
  // Through 0 Aries once is still in order.
  EXPECT_TRUE(CuspsInZodiacalOrder(test::Cusps({300, 330, 355, 20, 50, 80})));
  // Cusps that go round more than twice are not.
  EXPECT_FALSE(CuspsInZodiacalOrder(test::Cusps({10, 200, 100, 300, 150, 250})));
  const auto eq = EqualHouseCusps(345);
  EXPECT_DOUBLE_EQ(eq[0], 345);
  EXPECT_DOUBLE_EQ(eq[1], 15);
  EXPECT_DOUBLE_EQ(eq[11], 315);
}

TEST_F(PageAssemblyTest, CuspsOutOfOrderInAnyRingGiveEveryRingEqualHouses) {
  ChartEntry inner = MakeChart(), outer = MakeChart("Outer");
  const double broken[6] = {10, 200, 100, 300, 150, 250};
  for (int h = 1; h <= 6; ++h) outer.setCusp(h, broken[h - 1]);
  RecordingSurface s;
  WheelPageInput in;
  in.category = 'B';
  in.inner = &inner;
  in.second = &outer;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  EXPECT_TRUE(assembler.EqualHousesUsed());
  EXPECT_EQ(assembler.Rings().Ring(1).houseSystem, HouseSystemId::Equal);
  EXPECT_EQ(assembler.Rings().Ring(2).houseSystem, HouseSystemId::Equal);
  EXPECT_NEAR(assembler.Rings().Ring(2).cusps[1], 40.0, 1e-9);
  EXPECT_DOUBLE_EQ(outer.cusp(2), 200);
}

TEST_F(PageAssemblyTest, TriWheelLayoutCPutsTheThirdChartAtTheBottomLeft) {
  tri.SetLetter(wo::headerLayout, 'C');
  Reinstall();
  const ChartEntry a = MakeChart("Ann"), b = MakeChart("Bob"), c = MakeChart("Cid");
  RecordingSurface s;
  WheelPageInput in;
  in.category = 'T';
  in.inner = &a;
  in.second = &b;
  in.third = &c;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  const PageMetrics& m = s.Metrics();
  auto only = [&](const std::string& text) {
    const auto ops = s.TextsEqual(text);
    EXPECT_EQ(ops.size(), 1u) << text;
    return ops.empty() ? DrawOp{} : ops[0];
  };
  const DrawOp inner = only("Inner Wheel:"), middle = only("Middle Wheel:"),
               outer = only("Outer Wheel:");
  EXPECT_EQ(inner.x1, m.x0);
  EXPECT_EQ(inner.y1, m.y0);
  // Chart 2 starts at the top again, right-aligned.
  EXPECT_EQ(middle.y1, m.y0);
  EXPECT_EQ(middle.x1 + s.TextWidth("Middle Wheel:"), m.x0 + m.width);
  // Chart 3 at the bottom left, 12 lines above the foot.
  EXPECT_EQ(outer.x1, m.x0);
  EXPECT_EQ(outer.y1, m.y0 + m.height - 12 * m.lineHeight);
  EXPECT_EQ(only("Cid   Natal Chart").x1, m.x0);

  // With the credit line the block moves up so that its last line stays
  // above it.
  tri.SetI16(wo::creditLine, 0);
  Reinstall();
  s.Clear();
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  const DrawOp moved = only("Outer Wheel:");
  const DrawOp last = s.TextsEqual("Geocentric").back();
  EXPECT_LT(moved.y1, m.y0 + m.height - 12 * m.lineHeight);
  EXPECT_LE(last.y1 + m.lineHeight, CreditLineTop(m));
  EXPECT_EQ(only(CreditLineText()).y1, CreditLineTop(m));
}

// The header names a later house system and a sidereal chart's ayanamsa
// with its value.
TEST_F(PageAssemblyTest, HeaderNamesTheHouseSystemAndTheAyanamsaWithItsValue) {
  ChartEntry chart = MakeChart();
  chart.setHouseSystemLetter('J');
  chart.setZodiacLetter('L');
  chart.setAyanamsaDeg(-23.7125);  // stored as the calculation stores it: minus the ayanamsa
  WheelPageInput in;
  in.inner = &chart;
  RecordingSurface s;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  std::string all;
  for (const DrawOp& op : s.Texts()) all += op.text + " ";
  EXPECT_NE(all.find("Sidereal Lahiri (Chitrapaksha) 23\xB0"
                     "42'45\"  Whole Sign"),
            std::string::npos)
      << all;
  EXPECT_EQ(all.find("Tropical"), std::string::npos);
}

// Every house system draws a finished page from its own cusps and names
// itself in the header; Gauquelin's sectors add their table of 36. Near the
// pole a system that fell back to Porphyry says so.
TEST_F(PageAssemblyTest, EveryHouseSystemDrawsItsPage) {
  single.SetLetter(wo::furtherPointsTable, 'Y');
  Reinstall();
  auto texts = [&](const ChartEntry& chart) {
    WheelPageInput in;
    in.inner = &chart;
    RecordingSurface s;
    EXPECT_TRUE(assembler.AssembleWheelPage(s, in));
    std::vector<std::string> all;
    for (const DrawOp& op : s.Texts()) all.push_back(op.text);
    return all;
  };
  auto contains = [](const std::vector<std::string>& all, const std::string& part) {
    return std::any_of(all.begin(), all.end(),
                       [&](const std::string& t) { return t.find(part) != t.npos; });
  };
  for (const HouseSystemInfo& info : HouseSystemTable()) {
    ChartEntry chart = MakeChart();
    chart.setHouseSystemLetter(info.letter);
    NameFileImage image;
    CalcReport report;
    CalcHouses(chart, image, info.id, false, report);
    const std::vector<std::string> all = texts(chart);
    EXPECT_TRUE(contains(all, std::string("  ") + info.name)) << info.name;
    EXPECT_FALSE(contains(all, "Porphyry at this latitude")) << info.name;
    const bool sectors = info.id == HouseSystemId::GauquelinSectors;
    EXPECT_EQ(std::count(all.begin(), all.end(), "Gauquelin Sectors"), sectors ? 1 : 0) << info.name;
    EXPECT_EQ(std::count(all.begin(), all.end(), "36"), sectors ? 1 : 0) << info.name;
  }
  ChartEntry polar = MakeChart();
  polar.setHouseSystemLetter('F');
  NameFileImage image;
  CalcReport report;
  CalcHouses(polar, image, HouseSystemId::Placidus, false, report);
  for (int ramc = 0; ramc < 360 && !CuspsFellBackToPorphyry(polar); ramc += 10)
    CalcHousesAtRamc(polar, ramc * kRadPerDeg, 70.0, false);
  ASSERT_TRUE(CuspsFellBackToPorphyry(polar));
  EXPECT_TRUE(contains(texts(polar), "Placidus (Porphyry at this latitude)"));
}

// The texts a user reads on bi-wheel pages of derived charts: a natal chart
// in local mean time inside its progression and inside its solar return.
TEST_F(PageAssemblyTest, DerivedPagesNameTheirMomentsAndHeadEachRingsColumn) {
  const char table[] = {'F', 'A', 'J', 'B'};
  for (int c = 0; c < 4; ++c) bi.SetLetter(wo::positionTableDefs + c, table[c]);
  bi.SetI16(wo::positionTablePlaces, 100);
  bi.SetI16(wo::positionTablePlaces + 2, 6000);
  Reinstall();
  ChartEntry natal = MakeChart("Weber, Anna");
  natal.setDaylightCode(4);
  natal.setLongitude(-8.55);
  ChartEntry progressed = natal;
  progressed.setChartType(chart_type::kProgressed);
  progressed.setChartSubtype(1);
  progressed.setBaseEntry(1);
  progressed.setYear(1985);  // the progressed moment, in Greenwich time
  progressed.setZoneHoursWest(0);
  progressed.setDaylightCode(0);
  progressed.setPrintoutParam(73, 8);
  progressed.setPrintoutParam(74, 15);
  progressed.setPrintoutParam(75, 2025);
  ChartEntry solarReturn = natal;
  solarReturn.setChartType(chart_type::kSolarReturn);
  solarReturn.setBaseEntry(1);
  solarReturn.setCalcComplete(true);
  solarReturn.setJulianDayUt(2437363.5 + 19.5 / 24);  // March 5, 1961, 7:30 PM GMT
  solarReturn.setPrintoutParam(79, -3600);
  solarReturn.setPrintoutParam(80, 2);  // daylight time
  WheelPageInput in;
  in.category = 'B';
  in.inner = &natal;
  in.lookup = [&](int record, ChartEntry& e) {
    e = natal;
    return record == 1;
  };
  // Every text of the page, lines joined by blanks (titles wrap at words).
  auto pageText = [&](const ChartEntry& outer) {
    in.second = &outer;
    RecordingSurface s;
    EXPECT_TRUE(assembler.AssembleWheelPage(s, in));
    std::string all;
    for (const DrawOp& op : s.Texts()) all += op.text + " ";
    return all;
  };
  const std::string p = pageText(progressed);
  EXPECT_NE(p.find("Local Mean Time (longitude 8\xB0"
                   "33' E = 0h34m12s)"),
            std::string::npos)
      << p;
  EXPECT_EQ(p.find("Time Zone: 5 hours"), std::string::npos);
  EXPECT_NE(p.find("Secondary Progressed for August 15, 2025"), std::string::npos) << p;
  EXPECT_NE(p.find("Natal Chart of March 5, 1961"), std::string::npos) << p;
  EXPECT_NE(p.find("ACD:March 5, 1985"), std::string::npos) << p;
  EXPECT_NE(p.find("Anna Weber"), std::string::npos);
  EXPECT_NE(p.find("Natal Long."), std::string::npos) << p;
  EXPECT_NE(p.find("Progressed Long."), std::string::npos) << p;
  EXPECT_EQ(p.find("Compos."), std::string::npos);

  const std::string r = pageText(solarReturn);
  EXPECT_NE(r.find("Solar Return for March 5, 1961"), std::string::npos) << r;
  EXPECT_NE(r.find("9:30 PM = 7:30 PM GMT"), std::string::npos) << r;
  EXPECT_NE(r.find("Daylight Saving Time"), std::string::npos);
  EXPECT_NE(r.find("Time Zone: 1 hour East"), std::string::npos);
  EXPECT_NE(r.find("Solar Return Long."), std::string::npos) << r;
}

TEST(PageHeaders, ThreeAcrossAWideItemPushesTheNextOnesAlong) {
  WheelDefinition style = PageStyle();
  style.SetLetter(wo::headerLayout, 'M');
  test::PageFixture page(style);
  page.charts[0].setDaylightCode(4);  // the long local mean time item
  DrawPageHeaders(page.Page());
  std::vector<DrawOp> texts = page.surface.Texts();
  ASSERT_EQ(texts.size(), 8u);  // the name and title, and seven items
  // The time kind, second on its line, runs past the third column's start.
  EXPECT_EQ(page.surface.TextsEqual("Tropical  Placidus").at(0).x1, page.surface.Metrics().x0);
  for (const DrawOp& a : texts) {
    for (const DrawOp& b : texts) {
      if (a.y1 == b.y1 && a.x1 < b.x1) {
        EXPECT_LE(a.x1 + page.surface.TextWidth(a.text), b.x1) << a.text << " | " << b.text;
      }
    }
  }
}

TEST_F(PageAssemblyTest, CreditLineIsDrawnUnlessOffset91HoldsMinusOne) {
  const ChartEntry chart = MakeChart();
  WheelPageInput in;
  in.inner = &chart;
  RecordingSurface s;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  EXPECT_TRUE(s.TextsEqual(CreditLineText()).empty());

  single.SetI16(wo::creditLine, 0);
  Reinstall();
  s.Clear();
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  const auto credit = s.TextsEqual(CreditLineText());
  ASSERT_EQ(credit.size(), 1u);
  const PageMetrics& m = s.Metrics();
  EXPECT_EQ(credit[0].x1, m.x0);
  EXPECT_EQ(credit[0].y1, m.y0 + m.height - 1 - 3 * m.lineHeight - m.halfLine + m.lineHeight);
  EXPECT_NE(CreditLineText().find("Vostrane"), std::string::npos);
}

TEST_F(PageAssemblyTest, AspectLinesForceTheHouseRingAndAspectCircleInMemoryOnly) {
  single.SetLetter(wo::aspectLines, 'Y');
  single.SetLetter(wo::houseNumbers, 'N');
  single.SetLetter(wo::houseRingCircle, 'N');
  single.SetLetter(wo::aspectCircle, 'N');
  Reinstall();
  const ChartEntry chart = MakeChart();
  WheelPageInput in;
  in.inner = &chart;
  RecordingSurface s;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  EXPECT_EQ(assembler.Definition().Letter(wo::houseNumbers), 'R');
  EXPECT_EQ(assembler.Definition().Letter(wo::houseRingCircle), 'Y');
  EXPECT_EQ(assembler.Definition().Letter(wo::aspectCircle), 'Y');
  // The file keeps its record as it was.
  WheelStyleFile file;
  WheelDefinition stored;
  ASSERT_TRUE(file.Open() && file.Read("AAA", 'R', stored));
  EXPECT_EQ(stored.Letter(wo::houseNumbers), 'N');
}

// A lot chosen into the wheel is drawn at its longitude; the others are not.
TEST_F(PageAssemblyTest, ChosenLotsStandAtTheirLongitudesOnTheWheel) {
  const LotList lots = ParseLots(
      "Fortune | Asc + Moon - Sun | N | x\nSpirit | Asc + Sun - Moon | N | x\n", "LOTS.DAT");
  ASSERT_EQ(lots.error, "");
  for (const char houseNumbers : {'E', 'N'}) {
    single.SetLetter(wo::houseNumbers, houseNumbers);
    Reinstall();
    const ChartEntry chart = MakeChart();
    WheelPageInput in;
    in.inner = &chart;
    in.lots = &lots.lots;
    in.points.wheelLots = 0b10;  // Spirit: 126.34 + 345 - 202 = 269.34
    RecordingSurface s;
    ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
    EXPECT_TRUE(s.TextsEqual("For").empty());
    const std::vector<DrawOp> spirit = s.TextsEqual("Spi");
    ASSERT_EQ(spirit.size(), 1u) << houseNumbers;
    // The label's centre lies on the lot's ray from the wheel's centre.
    const WheelSetup& w = assembler.Setup();
    const double x = spirit[0].x1 + s.TextWidth("Spi") / 2.0,
                 y = spirit[0].y1 + s.TextHeight("Spi") / 2.0;
    const double theta = std::atan2((y - w.cy) / w.k, w.cx - x) * 180.0 / M_PI;
    const double expected = TrueWheelAngle(269.34, assembler.Rings().Ring(1).cusps, false);
    EXPECT_NEAR(std::remainder(theta - expected, 360.0), 0.0, 3.0) << houseNumbers;
  }
}

// Many lots in the wheel: no label meets a house number or another label.
TEST_F(PageAssemblyTest, LotLabelsStandClearOfTheHouseNumbersAndOfOneAnother) {
  const char* const bodies[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  std::string text;
  std::vector<std::string> labels;
  for (int n = 0; n < 16; ++n) {
    labels.push_back("L" + std::to_string(10 + n));
    text += labels.back() + " | Asc + " + bodies[n % 7] + " - " + bodies[(n / 7 + n + 1) % 7] +
            " | N | x\n";
  }
  const LotList lots = ParseLots(text, "LOTS.DAT");
  ASSERT_EQ(lots.error, "");
  for (const char houseNumbers : {'E', 'N'}) {
    single.SetLetter(wo::houseNumbers, houseNumbers);
    Reinstall();
    const ChartEntry chart = MakeChart();
    WheelPageInput in;
    in.inner = &chart;
    in.lots = &lots.lots;
    in.points.wheelLots = 0xffff;
    RecordingSurface s;
    std::vector<PageItem> items;
    s.SetItemSink(&items);
    ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
    std::vector<PageItem> numbers, drawnLabels;
    for (const PageItem& it : items) {
      if (it.tag.role == ItemRole::HouseNumber) numbers.push_back(it);
      if (std::find(labels.begin(), labels.end(), it.text) != labels.end()) drawnLabels.push_back(it);
    }
    ASSERT_EQ(drawnLabels.size(), labels.size()) << houseNumbers;
    for (size_t i = 0; i < drawnLabels.size(); ++i) {
      for (const PageItem& number : numbers)
        EXPECT_FALSE(drawnLabels[i].Intersects(number))
            << drawnLabels[i].text << " meets house " << number.text;
      for (size_t j = i + 1; j < drawnLabels.size(); ++j)
        EXPECT_FALSE(drawnLabels[i].Intersects(drawnLabels[j]))
            << drawnLabels[i].text << " meets " << drawnLabels[j].text << " (" << houseNumbers << ")";
    }
  }
}

TEST_F(PageAssemblyTest, AFailedStyleReadKeepsThePreviousStyleForThePage) {
  single.SetI16(wo::creditLine, 0);
  Reinstall();
  const ChartEntry chart = MakeChart();
  WheelPageInput in;
  in.inner = &chart;
  RecordingSurface s;
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  ASSERT_TRUE(EraseFile("WHEELS.DAT"));
  s.Clear();
  ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
  EXPECT_TRUE(msgs->Saw("ERROR!  File WHEELS.DAT not on disk!!!"));
  EXPECT_EQ(assembler.Definition().I16(wo::creditLine), 0);
  EXPECT_EQ(s.TextsEqual(CreditLineText()).size(), 1u);
}

TEST_F(PageAssemblyTest, NoInnerChartDrawsNothing) {
  RecordingSurface s;
  WheelPageInput in;
  EXPECT_FALSE(assembler.AssembleWheelPage(s, in));
  EXPECT_TRUE(s.Ops().empty());
}

}  // namespace
}  // namespace vostrane

namespace vostrane {
namespace {

// Entries and styles of random bytes (a damaged session or style file):
// every table and grid is drawn to the end of the page. The wheel itself is
// left out (size 0); its own tests cover it.
TEST_F(PageAssemblyTest, RandomEntriesAndStylesStillGiveAFinishedPage) {
  uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<uint8_t>(seed >> 24);
  };
  WheelDefinition all = PageStyle();
  all.SetI16(wo::wheelSize, 0);
  for (size_t off :
       {wo::grid1Shown, wo::grid2Shown, wo::furtherPointsTable, wo::parallelsTable, wo::elementsTable})
    all.SetLetter(off, 'Y');
  for (int i = 0; i < 5; ++i) all.SetLetter(wo::legendShown + i, 'Y');
  for (int round = 0; round < 12; ++round) {
    WheelDefinition style = all;
    if (round % 2 == 1) {
      for (size_t b = 0; b < kWheelDefinitionSize; ++b) style.Data()[b] = next();
      style.SetI16(wo::wheelSize, 0);
      style.SetI16(wo::pictureGroup, 0);
    }
    single = bi = tri = style;
    Reinstall();
    std::array<ChartEntry, 3> charts;
    for (ChartEntry& e : charts) {
      for (size_t b = 0; b < kEntrySize; ++b) e.Data()[b] = next();
      e.setUsed(true);
    }
    RecordingSurface s(round % 3 == 0 ? OutputDevice::Printer : OutputDevice::Screen);
    WheelPageInput in;
    in.category = "RBT"[round % 3];
    in.inner = &charts[0];
    in.second = &charts[1];
    in.third = &charts[2];
    ASSERT_TRUE(assembler.AssembleWheelPage(s, in)) << round;
    EXPECT_EQ(s.Ops().back().kind, DrawOp::Kind::EndPage) << round;
  }
}

}  // namespace
}  // namespace vostrane
