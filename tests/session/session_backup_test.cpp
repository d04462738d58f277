// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "SessionBuilder.h"
#include "platform/FileSystem.h"
#include "session/SessionBackup.h"
#include "session/SessionFile.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {
namespace {

TEST(SessionBackup, CountsEntriesUpToTheTerminator) {
  TempFolder folder;
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 0);  // missing
  folder.Write("INPUT.FIL", SessionBytes({}));
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 0);
  folder.Write("INPUT.FIL", SessionBytes({NatalEntry("A"), NatalEntry("B"), NatalEntry("C")}));
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 3);
  // Records after a terminator are not entries; nor is a cut last record.
  std::string bytes = SessionBytes({NatalEntry("A")}) + SessionBytes({NatalEntry("B")});
  folder.Write("INPUT.FIL", bytes);
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 1);
  bytes = SessionBytes({NatalEntry("A"), NatalEntry("B")}, false);
  bytes.resize(bytes.size() - 1);
  folder.Write("INPUT.FIL", bytes);
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 1);
}

TEST(SessionBackup, AnEmptyListNeverReplacesAKeptOne) {
  TempFolder folder;
  const std::string kept = SessionBytes({NatalEntry("Kept")});
  folder.Write("INPUT.BAK", kept);
  folder.Write("INPUT.FIL", SessionBytes({}));
  std::string error;
  EXPECT_TRUE(KeepSessionAsBackup(error));
  EXPECT_EQ(folder.Read("INPUT.BAK"), kept);

  const std::string current = SessionBytes({NatalEntry("Ann"), NatalEntry("Bob")});
  folder.Write("INPUT.FIL", current);
  EXPECT_TRUE(KeepSessionAsBackup(error));
  EXPECT_EQ(folder.Read("INPUT.BAK"), current);
  EXPECT_EQ(folder.Read("INPUT.FIL"), current);
}

TEST(SessionBackup, SwappingTwiceGivesBothListsBack) {
  TempFolder folder;
  const std::string previous = SessionBytes({NatalEntry("Old")});
  const std::string current = SessionBytes({NatalEntry("New"), NatalEntry("Newer")});
  folder.Write("INPUT.BAK", previous);
  folder.Write("INPUT.FIL", current);
  std::string error;
  ASSERT_TRUE(SwapSessionWithBackup(error)) << error;
  EXPECT_EQ(folder.Read("INPUT.FIL"), previous);
  EXPECT_EQ(folder.Read("INPUT.BAK"), current);
  ASSERT_TRUE(SwapSessionWithBackup(error)) << error;
  EXPECT_EQ(folder.Read("INPUT.FIL"), current);
  EXPECT_FALSE(FileExists("INPUT.SWP"));
}

TEST(SessionBackup, SwapWithoutABackupChangesNothing) {
  TempFolder folder;
  const std::string current = SessionBytes({NatalEntry("New")});
  folder.Write("INPUT.FIL", current);
  std::string error;
  EXPECT_FALSE(SwapSessionWithBackup(error));
  EXPECT_NE(error.find("INPUT.BAK"), std::string::npos);
  EXPECT_EQ(folder.Read("INPUT.FIL"), current);
}

}  // namespace
}  // namespace vostrane::test
