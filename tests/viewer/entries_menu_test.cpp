// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "viewer/EntriesMenu.h"
#include "viewer/ViewerSession.h"
#include "session/SessionFile.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"

namespace vostrane {
namespace {

std::string Text(int k) { return "T" + std::to_string(k); }

TEST(ChartKindLabel, ComesFromTheTextsOfTheChartType) {
  // Entries of kinds this program does not make keep the labels of their
  // chart type.
  ChartEntry e = test::MakeViewerEntry(1);
  e.setChartType(0);
  EXPECT_EQ(ChartKindLabel(e, Text), "T10046");
  e.setChartType(1);  // a composite by another method than near midpoints
  EXPECT_EQ(ChartKindLabel(e, Text), "T10047");
  e.setChartType(4);
  e.setChartSubtype(3);
  EXPECT_EQ(ChartKindLabel(e, Text), "T10022");
  e.setChartType(7);
  e.setChartSubtype(0);  // no body of a planet return
  EXPECT_EQ(ChartKindLabel(e, Text), "Planet Return");
  e.setChartType(5);
  e.setHarmonic(1);  // no harmonic either
  EXPECT_EQ(ChartKindLabel(e, Text), "");
  EXPECT_EQ(OtherEntryLine(12, e, Text), "12: Person 1 - ");
}

TEST(ChartKindLabel, DerivedChartsShowTheirKindTitle) {
  ChartEntry e = test::MakeViewerEntry(1);
  e.setChartType(8);
  EXPECT_EQ(ChartKindLabel(e, Text), "Transits");
  e.setChartType(4);
  e.setChartSubtype(2);
  EXPECT_EQ(ChartKindLabel(e, Text), "Solar Arc Directions");
  e.setChartType(6);
  EXPECT_EQ(ChartKindLabel(e, Text), "Relocated Chart");
  e.setChartType(7);
  e.setChartSubtype(4);
  EXPECT_EQ(ChartKindLabel(e, Text), "Planet Return (Mars)");
  e.setChartType(5);
  e.setHarmonic(9);
  EXPECT_EQ(OtherEntryLine(3, e, Text), "3: Person 1 - Harmonic Chart 9");
}

TEST(EntryNumberOfLine, ReadsTheLeadingDigits) {
  EXPECT_EQ(EntryNumberOfLine("12: Doe, John - Natal Chart"), 12);
  EXPECT_EQ(EntryNumberOfLine("7"), 7);
  EXPECT_EQ(EntryNumberOfLine(": 7"), 0);
  EXPECT_EQ(EntryNumberOfLine(""), 0);
  EXPECT_EQ(EntryNumberOfLine("99999999999999999999: overflow"), 0);
}

TEST(BuildEntriesMenu, ShowsTheFirstTwentyLinesAndHidesAnEmptyMenu) {
  EXPECT_FALSE(BuildEntriesMenu({}).menuVisible);
  for (bool shown : BuildEntriesMenu({}).visible) EXPECT_FALSE(shown);

  std::vector<std::string> lines;
  for (int i = 1; i <= 24; ++i) lines.push_back(std::to_string(i) + ": x");
  const EntriesMenu menu = BuildEntriesMenu(lines);
  EXPECT_TRUE(menu.menuVisible);
  for (int k = 0; k < kEntryMenuItems; ++k) {
    EXPECT_TRUE(menu.visible[k]);
    EXPECT_EQ(menu.captions[k], lines[k]);
  }

  const EntriesMenu three = BuildEntriesMenu({"1: a", "2: b", "4: c"});
  EXPECT_TRUE(three.visible[2]);
  EXPECT_FALSE(three.visible[3]);
  EXPECT_EQ(three.captions[3], "");
}

class ViewerSessionTest : public testing::Test {
 protected:
  void TearDown() override { session.Close(); }
  test::TempFolder folder;
  ViewerSession session{Text};
};

TEST_F(ViewerSessionTest, OneEntryHasNoOtherEntries) {
  test::WriteViewerSession(1);
  ASSERT_TRUE(session.Open());
  EXPECT_EQ(session.EntryCount(), 1);
  EXPECT_EQ(session.CurrentEntry(), 1);
  EXPECT_EQ(session.Current().name(), "Person 1");
  EXPECT_TRUE(session.OtherEntries().empty());
  EXPECT_FALSE(session.Menu().menuVisible);
  EXPECT_TRUE(SessionIsOpen());  // open while the viewer is
}

TEST_F(ViewerSessionTest, TwentyFiveEntriesGiveTwentyMenuItemsAroundTheCurrentOne) {
  test::WriteViewerSession(25);
  ASSERT_TRUE(session.Open());
  EXPECT_EQ(session.EntryCount(), 25);
  EXPECT_EQ(session.Menu().captions[0], "2: Person 2 - T10046");

  ASSERT_TRUE(session.Select(3));
  EXPECT_EQ(session.CurrentEntry(), 3);
  EXPECT_EQ(session.Current().name(), "Person 3");
  ASSERT_EQ(session.OtherEntries().size(), 24u);
  const EntriesMenu& menu = session.Menu();
  std::vector<int> listed;
  for (int k = 0; k < kEntryMenuItems; ++k) {
    ASSERT_TRUE(menu.visible[k]);
    listed.push_back(EntryNumberOfLine(menu.captions[k]));
  }
  std::vector<int> expected = {1, 2};
  for (int i = 4; i <= 21; ++i) expected.push_back(i);
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(menu.captions[2], "4: Person 4 - T10046");
  EXPECT_EQ(session.OtherEntries().back(), "25: Person 25 - T10046");
}

TEST_F(ViewerSessionTest, ChoosingAnEntryThatIsNotThereChangesNothing) {
  test::WriteViewerSession(5);
  ASSERT_TRUE(session.Open());
  ASSERT_TRUE(session.Select(4));
  EXPECT_FALSE(session.Select(0));
  EXPECT_FALSE(session.Select(6));
  EXPECT_EQ(session.CurrentEntry(), 4);
  EXPECT_EQ(session.Current().name(), "Person 4");

  ChartEntry base;
  ASSERT_TRUE(session.Lookup(2, base));
  EXPECT_EQ(base.name(), "Person 2");
  EXPECT_FALSE(session.Lookup(6, base));
  EXPECT_EQ(session.Current().name(), "Person 4");  // a lookup leaves the buffer
}

TEST_F(ViewerSessionTest, AnEmptySessionDrawsNothing) {
  test::WriteViewerSession(std::vector<ChartEntry>{});
  EXPECT_FALSE(session.Open());
  EXPECT_EQ(session.EntryCount(), 0);
  EXPECT_EQ(session.CurrentEntry(), 0);
  EXPECT_FALSE(session.Menu().menuVisible);
  EXPECT_FALSE(session.Select(1));
}

TEST_F(ViewerSessionTest, AFileWithoutItsTerminatorEndsTheListAtTheEndOfTheFile) {
  std::vector<ChartEntry> entries;
  for (int i = 1; i <= 3; ++i) entries.push_back(test::MakeViewerEntry(i));
  test::WriteViewerSession(entries, /*terminator=*/false);
  ASSERT_TRUE(session.Open());
  EXPECT_EQ(session.EntryCount(), 3);
  EXPECT_TRUE(session.Select(3));
}

TEST_F(ViewerSessionTest, ClosingClosesTheSessionFile) {
  test::WriteViewerSession(2);
  ASSERT_TRUE(session.Open());
  session.Close();
  EXPECT_FALSE(SessionIsOpen());
  EXPECT_EQ(session.CurrentEntry(), 0);
  EXPECT_TRUE(session.OtherEntries().empty());
  session.Close();  // twice is harmless
}

TEST_F(ViewerSessionTest, AMissingSessionFileEndsTheProgram) {
  EXPECT_EXIT(session.Open(), testing::ExitedWithCode(1), "No batch of charts on disk");
}

}  // namespace
}  // namespace vostrane
