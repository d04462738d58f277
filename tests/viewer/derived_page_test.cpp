// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's page of a derived chart: which charts go in which ring, the
// rings the installed bi- and tri-wheel styles draw from them, and the
// caption that names the chart shown.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"
#include "viewer/DerivedPage.h"
#include "wheel/PageItems.h"
#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;
using test::MakeViewerEntry;

class DerivedPage : public testing::Test {
 protected:
  void SetUp() override {
    session = {MakeViewerEntry(1), MakeViewerEntry(2)};
    ChartEntry transit = MakeViewerEntry(3);
    transit.setChartType(8);  // transits
    transit.setBaseEntry(1);
    transit.setLevel(1);
    session.push_back(transit);
    ChartEntry composite = MakeViewerEntry(4);
    composite.setChartType(1);
    composite.setChartSubtype(2);  // near midpoints
    composite.setBaseEntry(1);
    composite.setSecondBaseEntry(2);
    composite.setLevel(1);
    session.push_back(composite);
  }
  EntryLookup Lookup() {
    return [this](int record, ChartEntry& e) {
      if (record < 1 || record > static_cast<int>(session.size())) return false;
      e = session[static_cast<size_t>(record - 1)];
      return true;
    };
  }
  // The rings whose planet glyphs the page shows, with how many each.
  std::map<int, int> GlyphRings(const PageCharts& charts) {
    WheelPageAssembler assembler(DefaultPageNames());
    assembler.SetFilePaths(InstallFile("WHEELS.DAT"), InstallFile("WHEELSG.DAT"),
                           InstallFile("ANGLES.DAT"));
    RecordingSurface surface;
    std::vector<PageItem> items;
    surface.SetItemSink(&items);
    EXPECT_TRUE(assembler.AssembleWheelPage(surface, charts.Input(Lookup())));
    std::map<int, int> rings;
    for (const PageItem& item : items)
      if (item.tag.role == ItemRole::PlanetGlyph) ++rings[item.tag.ring];
    return rings;
  }

  ScopedScriptedMessages messages;
  std::vector<ChartEntry> session;
};

TEST_F(DerivedPage, ANatalChartIsASingleWheel) {
  const PageCharts charts = ChartsOfPage(session[0], Lookup());
  EXPECT_EQ(charts.category, 'R');
  EXPECT_EQ(charts.inner.name(), "Person 1");
  const std::map<int, int> rings = GlyphRings(charts);
  EXPECT_EQ(rings.size(), 1u);
  EXPECT_GE(rings.count(1), 1u);
}

TEST_F(DerivedPage, ADerivedChartGoesOutsideItsBaseChart) {
  const PageCharts charts = ChartsOfPage(session[2], Lookup());
  ASSERT_EQ(charts.category, 'B');
  EXPECT_EQ(charts.inner.name(), "Person 1");
  EXPECT_EQ(charts.second.name(), "Person 3");
  const WheelPageInput input = charts.Input(Lookup());
  EXPECT_EQ(input.inner, &charts.inner);
  EXPECT_EQ(input.second, &charts.second);
  EXPECT_EQ(input.third, nullptr);

  // Both rings carry the ten planets at least.
  const std::map<int, int> rings = GlyphRings(charts);
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_GE(rings.at(1), 10);
  EXPECT_GE(rings.at(2), 10);
}

TEST_F(DerivedPage, ACompositeGoesOutsideBothOfItsCharts) {
  const PageCharts charts = ChartsOfPage(session[3], Lookup());
  ASSERT_EQ(charts.category, 'T');
  EXPECT_EQ(charts.inner.name(), "Person 1");
  EXPECT_EQ(charts.second.name(), "Person 2");
  EXPECT_EQ(charts.third.name(), "Person 4");
  const std::map<int, int> rings = GlyphRings(charts);
  ASSERT_EQ(rings.size(), 3u);
  for (int r = 1; r <= 3; ++r) EXPECT_GE(rings.at(r), 10) << "ring " << r;
}

TEST_F(DerivedPage, BasesThatCannotBeDrawnAreLeftOut) {
  // The composite's second chart was not calculated: a bi-wheel with the first.
  session[1].setCalcComplete(false);
  PageCharts charts = ChartsOfPage(session[3], Lookup());
  EXPECT_EQ(charts.category, 'B');
  EXPECT_EQ(charts.inner.name(), "Person 1");
  EXPECT_EQ(charts.second.name(), "Person 4");

  // A base entry that is not in the list: the chart alone.
  session[2].setBaseEntry(9);
  charts = ChartsOfPage(session[2], Lookup());
  EXPECT_EQ(charts.category, 'R');
  EXPECT_EQ(charts.inner.name(), "Person 3");
  // Without a lookup as well.
  EXPECT_EQ(ChartsOfPage(session[3], EntryLookup()).category, 'R');
}

TEST_F(DerivedPage, TheCaptionNamesTheKindOfTheChartShown) {
  const PageNames names = DefaultPageNames();
  EXPECT_EQ(ViewerCaption(session[0], names), "Vostrane - Person 1 - Natal Chart");
  EXPECT_EQ(ViewerCaption(session[2], names), "Vostrane - Person 3 - Transits");
  EXPECT_EQ(ViewerCaption(session[3], names), "Vostrane - Person 4 - Composite Chart");
}

}  // namespace
}  // namespace vostrane
