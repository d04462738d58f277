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
  SessionAccess('W', header);
  for (const char* name : {"One", "Two"}) {
    ChartEntry e = NatalEntry(name);
    SessionAccess('W', e);
  }
  ChartEntry terminator;
  SessionAccess('W', terminator);
  EXPECT_EQ(SessionRecordCount(), 4);
  SessionAccess('C', header);
  EXPECT_EQ(FileSize(kSessionFileName), 4 * static_cast<int64_t>(kEntrySize));

  ChartEntry e;
  SessionAccess('1', e);
  EXPECT_EQ(e.name(), "One");
  SessionAccess('R', e);
  EXPECT_EQ(e.name(), "Two");
  SessionAccess('R', e);
  EXPECT_FALSE(e.used());
  // Writing in place.
  ChartEntry changed = NatalEntry("Changed");
  SessionAccess('w', changed, 2);
  SessionAccess('r', e, 2);
  EXPECT_EQ(e.name(), "Changed");
  SessionAccess('S', e, 1);
  SessionAccess('R', e);
  EXPECT_EQ(e.name(), "One");
  SessionAccess('C', e);
}

TEST(SessionFileDeathTest, EveryFailureEndsTheProgramWithItsMessage) {
  test::TempFolder folder;
  ChartEntry e;
  EXPECT_EXIT(SessionAccess('0', e), testing::ExitedWithCode(1),
              "ERROR!!!! No batch of charts on disk \\(INPUT.FIL not on drive.   Program ended.");
  EXPECT_EXIT(SessionAccess('C', e), testing::ExitedWithCode(1),
              "ERROR!!!! Could not close INPUT.FIL. Bad disk or file not on disk.  Program ended.");

  folder.Write(kSessionFileName, test::SessionBytes({NatalEntry("A")}));
  EXPECT_EXIT(
      {
        SessionAccess('1', e);
        SessionAccess('S', e, 9);
      },
      testing::ExitedWithCode(1), "Could not find record # 9 of file INPUT.FIL");
  EXPECT_EXIT(
      {
        SessionAccess('1', e);
        SessionAccess('r', e, 3);
      },
      testing::ExitedWithCode(1), "Could not read INPUT.FIL");
}

// The failing process is the death test's child; the lock is held by the
// test process, so for the child it is another Vostrane in the folder.
TEST(SessionFileDeathTest, AnotherProgramIsNamedOnlyWhileOneHoldsTheLockFile) {
  test::TempFolder folder;
  ChartEntry e;
  folder.Write(kInstanceLockFileName, "");
  EXPECT_EXIT(SessionAccess('C', e), testing::ExitedWithCode(1), "not on disk\\.  Program ended\\.");
  InstanceLock lock;
  ASSERT_TRUE(lock.Acquire(kInstanceLockFileName));
  EXPECT_EXIT(SessionAccess('W', e), testing::ExitedWithCode(1),
              "Could not write to INPUT.FIL. Bad disk or file not on disk, or ANOTHER VOSTRANE "
              "PROGRAM IS RUNNING IN THIS FOLDER.  Program ended.");
  // This process's own lock is no other program.
  EXPECT_FALSE(HeldByAnotherProcess(kInstanceLockFileName));
  EXPECT_EQ(SessionFailureText('r', 0, false),
            "ERROR!!!! Could not read INPUT.FIL. Bad disk or file not on disk.  Program ended.");
}

TEST(SessionFileDeathTest, AListWithoutTerminatorEndsWithTheReadMessage) {
  test::TempFolder folder;
  folder.Write(kSessionFileName, test::SessionBytes({NatalEntry("A"), NatalEntry("B")}, false));
  EXPECT_EXIT(
      {
        ChartEntry e;
        SessionAccess('1', e);
        while (e.used()) SessionAccess('R', e);  // a walk that relies on the terminator
      },
      testing::ExitedWithCode(1), "Could not read INPUT.FIL");
}

}  // namespace
}  // namespace vostrane
