// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "session/EntryRemoval.h"
#include "session/SessionFile.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::DerivedEntry;
using test::EntryAt;
using test::NatalEntry;

TEST(EntryRemoval, DependencyWalkFollowsChainsAndComposites) {
  std::vector<ChartEntry> entries = {
      NatalEntry("A"),                // 1
      DerivedEntry("A prog", 4, 1),   // 2
      DerivedEntry("A prog2", 4, 2),  // 3: progressed of progressed
      NatalEntry("B"),                // 4
      DerivedEntry("A+B", 1, 4),      // 5: composite of B and A
  };
  entries[4].setSecondBaseEntry(1);
  EXPECT_EQ(CollectEntriesToRemove(entries, 1).records, (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(CollectEntriesToRemove(entries, 2).records, (std::vector<int>{2, 3}));
  EXPECT_EQ(CollectEntriesToRemove(entries, 4).records, (std::vector<int>{4, 5}));
  EXPECT_FALSE(CollectEntriesToRemove(entries, 4).firstKept);
  // A natal chart never depends on another entry, whatever its base field holds.
  entries[3].setBaseEntry(1);
  EXPECT_EQ(CollectEntriesToRemove(entries, 1).records, (std::vector<int>{1, 2, 3, 5}));
}

TEST(EntryRemoval, TheFirstEntryStaysWhenEveryEntryWouldGo) {
  std::vector<ChartEntry> entries = {NatalEntry("A"), DerivedEntry("A prog", 4, 1),
                                     DerivedEntry("A ret", 2, 1)};
  const EntriesToRemove all = CollectEntriesToRemove(entries, 1);
  EXPECT_EQ(all.records, (std::vector<int>{2, 3}));
  EXPECT_TRUE(all.firstKept);
}

TEST(EntryRemoval, ReferencesAreRenumberedOrCleared) {
  ChartEntry e = DerivedEntry("prog", 4, 4);
  e.setPrintoutParam(3, 1);
  e.setPrintoutParam(15, 2);  // compares with the removed entry 2: cleared
  e.setPrintoutParam(4, 1);
  e.setPrintoutParam(16, 4);  // becomes 3
  e.setPrintoutParam(5, 1);
  e.setPrintoutParam(17, 9);  // outside the list: cleared
  e.setPrintoutParam(501, -15004);
  e.setPrintoutParam(526, 15002);
  e.setPrintoutParam(77, 4);
  RenumberEntryReferences(e, {2}, 5);
  EXPECT_EQ(e.baseEntry(), 3);
  EXPECT_EQ(e.printoutParam(3), 0);
  EXPECT_EQ(e.printoutParam(4), 1);
  EXPECT_EQ(e.printoutParam(16), 3);
  EXPECT_EQ(e.printoutParam(5), 0);
  EXPECT_EQ(e.printoutParam(501), -15003);  // sign and ring flag survive
  EXPECT_EQ(e.printoutParam(526), 0);
  EXPECT_EQ(e.printoutParam(77), 3);
}

TEST(EntryRemoval, RewriteDropsTheEntryAndRenumbersTheRest) {
  test::TempFolder folder;
  std::vector<ChartEntry> entries = {NatalEntry("A"), NatalEntry("B"), NatalEntry("C"), NatalEntry("D"),
                                     DerivedEntry("D prog", 4, 4)};
  folder.Write(kSessionFileName, test::SessionBytes(entries));
  ScopedScriptedMessages messages;
  ASSERT_TRUE(RewriteSessionWithout(ChartEntry(), entries, {2}));
  const std::string bytes = folder.Read(kSessionFileName);
  ASSERT_EQ(bytes.size(), 6 * kEntrySize);
  EXPECT_EQ(EntryAt(bytes, 1).name(), "A");
  EXPECT_EQ(EntryAt(bytes, 2).name(), "C");
  EXPECT_EQ(EntryAt(bytes, 3).name(), "D");
  EXPECT_EQ(EntryAt(bytes, 4).baseEntry(), 3);
  EXPECT_FALSE(EntryAt(bytes, 5).used());
  EXPECT_FALSE(messages->Saw("Unable to write"));
}

TEST(EntryRemoval, AFailedRewriteKeepsTheSession) {
  test::TempFolder folder;
  std::vector<ChartEntry> entries = {NatalEntry("A"), NatalEntry("B")};
  const std::string before = test::SessionBytes(entries);
  folder.Write(kSessionFileName, before);
  ASSERT_EQ(mkdir("INPUT.NEW", 0755), 0);  // no file can be renamed over a folder
  ScopedScriptedMessages messages;
  EXPECT_FALSE(RewriteSessionWithout(ChartEntry(), entries, {1}));
  EXPECT_TRUE(messages->Saw("Error! Unable to write data to create new entries. Disk may be full."));
  EXPECT_EQ(folder.Read(kSessionFileName), before);
}

}  // namespace
}  // namespace vostrane
