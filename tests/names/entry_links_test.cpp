// SPDX-License-Identifier: GPL-3.0-or-later
// Of several natal entries with one name only one holds the link to the
// person; removing the person gives the others their letter 'N' back.
#include <gtest/gtest.h>

#include "entry/EntryMarks.h"
#include "entry/SessionEntries.h"
#include "names/EntryLinks.h"
#include "session/SessionFile.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {
namespace {

class EntryLinksTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartSessionFile(ChartEntry())); }
  void TearDown() override { SessionCloseQuietly(); }

  static ChartEntry Linked(const std::string& name, int record) {
    ChartEntry e = NatalEntry(name);
    e.setNameRecord(record);
    return e;
  }
  TempFolder folder_;
};

TEST_F(EntryLinksTest, AnEarlierLinkedEntryKeepsTheLink) {
  WriteSessionEntry(1, NatalEntry("Ann"));  // typed, not linked
  WriteSessionEntry(2, Linked("Ann", 7));
  WriteSessionEntry(3, Linked("Bob", 8));
  ChartEntry current = Linked("Ann", 7);  // entry 4, not yet on disk
  EXPECT_TRUE(DeduplicateLinks(4, 4, current));
  EXPECT_EQ(current.nameRecord(), 0);
  EXPECT_TRUE(IsDuplicateName(current));
  EXPECT_TRUE(IsDuplicateName(ReadSessionEntry(1)));
  EXPECT_EQ(ReadSessionEntry(2).nameRecord(), 7);
  EXPECT_FALSE(IsDuplicateName(ReadSessionEntry(2)));
  EXPECT_FALSE(IsDuplicateName(ReadSessionEntry(3)));
}

TEST_F(EntryLinksTest, OtherwiseTheCurrentEntryTakesTheLinkFromTheOthers) {
  WriteSessionEntry(1, NatalEntry("Ann"));
  WriteSessionEntry(2, Linked("Ann", 7));
  ChartEntry current = Linked("Ann", 9);
  WriteSessionEntry(1, current);  // entry 1 is the current one
  ChartEntry derived = Linked("Ann", 7);
  derived.setChartType(4);
  WriteSessionEntry(3, derived);
  EXPECT_FALSE(DeduplicateLinks(1, 3, current));
  EXPECT_EQ(current.nameRecord(), 9);
  EXPECT_EQ(ReadSessionEntry(2).nameRecord(), 0);
  EXPECT_TRUE(IsDuplicateName(ReadSessionEntry(2)));
  EXPECT_EQ(ReadSessionEntry(3).nameRecord(), 7);  // not natal: left alone

  ReleaseDuplicateMarks(1, 3, "Ann");
  EXPECT_FALSE(IsDuplicateName(ReadSessionEntry(2)));
}

}  // namespace
}  // namespace vostrane::test
