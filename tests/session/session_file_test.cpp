// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "session/SessionFile.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::NatalEntry;

TEST(SessionFile, CreateWriteAndWalkTheList) {
  test::TempFolder folder;
  ASSERT_TRUE(SessionCreate());
  ChartEntry header;
  SessionAccess(SessionOperation::WriteHere, header);
  for (const char* name : {"One", "Two"}) {
    ChartEntry e = NatalEntry(name);
    SessionAccess(SessionOperation::WriteHere, e);
  }
  ChartEntry terminator;
  SessionAccess(SessionOperation::WriteHere, terminator);
  EXPECT_EQ(SessionRecordCount(), 4);
  SessionAccess(SessionOperation::Close, header);
  EXPECT_EQ(FileSize(kSessionFileName), 4 * static_cast<int64_t>(kEntrySize));

  ChartEntry e;
  SessionAccess(SessionOperation::OpenReadFirst, e);
  EXPECT_EQ(e.name(), "One");
  SessionAccess(SessionOperation::ReadNext, e);
  EXPECT_EQ(e.name(), "Two");
  SessionAccess(SessionOperation::ReadNext, e);
  EXPECT_FALSE(e.used());
  // Writing in place.
  ChartEntry changed = NatalEntry("Changed");
  SessionAccess(SessionOperation::WriteAt, changed, 2);
  SessionAccess(SessionOperation::ReadAt, e, 2);
  EXPECT_EQ(e.name(), "Changed");
  SessionAccess(SessionOperation::Seek, e, 1);
  SessionAccess(SessionOperation::ReadNext, e);
  EXPECT_EQ(e.name(), "One");
  SessionAccess(SessionOperation::Close, e);
}

TEST(SessionFileDeathTest, EveryFailureEndsTheProgramWithItsMessage) {
  test::TempFolder folder;
  ChartEntry e;
  EXPECT_EXIT(SessionAccess(SessionOperation::OpenReadHeader, e), testing::ExitedWithCode(1),
              "ERROR!!!! No batch of charts on disk \\(INPUT.FIL not on drive.   Program ended.");
  EXPECT_EXIT(SessionAccess(SessionOperation::Close, e), testing::ExitedWithCode(1),
              "ERROR!!!! Could not close INPUT.FIL. Bad disk or file not on disk.  Program ended.");

  folder.Write(kSessionFileName, test::SessionBytes({NatalEntry("A")}));
  EXPECT_EXIT(
      {
        SessionAccess(SessionOperation::OpenReadFirst, e);
        SessionAccess(SessionOperation::Seek, e, 9);
      },
      testing::ExitedWithCode(1), "Could not find record # 9 of file INPUT.FIL");
  EXPECT_EXIT(
      {
        SessionAccess(SessionOperation::OpenReadFirst, e);
        SessionAccess(SessionOperation::ReadAt, e, 3);
      },
      testing::ExitedWithCode(1), "Could not read INPUT.FIL");
}

// The failing process is the death test's child; the lock is held by the
// test process, so for the child it is another Vostrane in the folder.
TEST(SessionFileDeathTest, AnotherProgramIsNamedOnlyWhileOneHoldsTheLockFile) {
  test::TempFolder folder;
  ChartEntry e;
  folder.Write(kInstanceLockFileName, "");
  EXPECT_EXIT(SessionAccess(SessionOperation::Close, e), testing::ExitedWithCode(1),
              "not on disk\\.  Program ended\\.");
  InstanceLock lock;
  ASSERT_TRUE(lock.Acquire(kInstanceLockFileName));
  EXPECT_EXIT(SessionAccess(SessionOperation::WriteHere, e), testing::ExitedWithCode(1),
              "Could not write to INPUT.FIL. Bad disk or file not on disk, or ANOTHER VOSTRANE "
              "PROGRAM IS RUNNING IN THIS FOLDER.  Program ended.");
  // This process's own lock is no other program.
  EXPECT_FALSE(HeldByAnotherProcess(kInstanceLockFileName));
  EXPECT_EQ(SessionFailureText(SessionOperation::ReadAt, 0, false),
            "ERROR!!!! Could not read INPUT.FIL. Bad disk or file not on disk.  Program ended.");
}

TEST(SessionFileDeathTest, AListWithoutTerminatorEndsWithTheReadMessage) {
  test::TempFolder folder;
  folder.Write(kSessionFileName, test::SessionBytes({NatalEntry("A"), NatalEntry("B")}, false));
  EXPECT_EXIT(
      {
        ChartEntry e;
        SessionAccess(SessionOperation::OpenReadFirst, e);
        while (e.used())
          SessionAccess(SessionOperation::ReadNext, e);  // a walk that relies on the terminator
      },
      testing::ExitedWithCode(1), "Could not read INPUT.FIL");
}

}  // namespace
}  // namespace vostrane
