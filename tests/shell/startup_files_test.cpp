// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "session/ChartEntry.h"
#include "shell/StartupFiles.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(ScreenSelection, WideScreensWriteNAndNarrowOnesNoteOnce) {
  test::TempFolder folder;
  EXPECT_FALSE(UpdateScreenSelection(1024));
  EXPECT_EQ(folder.Read(kScreenSelectionFileName), "N");
  EXPECT_TRUE(UpdateScreenSelection(640));  // first narrow start: the note
  EXPECT_EQ(folder.Read(kScreenSelectionFileName), "Y");
  EXPECT_FALSE(UpdateScreenSelection(640));  // then never again
  EXPECT_EQ(folder.Read(kScreenSelectionFileName), "Y");
  EXPECT_FALSE(UpdateScreenSelection(750));
  EXPECT_EQ(folder.Read(kScreenSelectionFileName), "N");
}

TEST(AboutText, FirstThreeLinesWithoutTrailingBlanks) {
  test::TempFolder folder;
  EXPECT_TRUE(ReadAboutLines().empty());
  folder.Write("y.dat", "555-1234   \r\nx\n555-9999\nignored\n");
  EXPECT_EQ(ReadAboutLines(), (std::vector<std::string>{"555-1234", "x", "555-9999"}));
}

TEST(PrintoutFiles, EntryNumbersOfPerEntryFiles) {
  EXPECT_EQ(CtyEntryNumber("CTY1.FIL"), 1);
  EXPECT_EQ(CtyEntryNumber("CTY12.FIL"), 12);
  EXPECT_EQ(CtyEntryNumber("CTY0.FIL"), 0);
  EXPECT_EQ(CtyEntryNumber("CTYA.FIL"), 17);  // the digit value of 'A'
  EXPECT_EQ(CtyEntryNumber("CTY1A.FIL"), 1);
}

TEST(PrintoutFiles, ViewingLeavesOnlyTheFilesOfExistingEntries) {
  test::TempFolder folder;
  folder.Write("INPUT.FIL", std::string(5 * kEntrySize, '\0'));  // three entries
  for (const char* name : {"CTY1.FIL", "CTY4.FIL", "CTY5.FIL", "CTY12.FIL", "CTYA.FIL", "page.bmp",
                           "X.BMP", "r.rep", "keep.txt"})
    folder.Write(name, "x");
  EraseOldPrintoutFiles();
  auto left = ListFolder(".", "*");
  ASSERT_TRUE(left);
  EXPECT_EQ(*left, (std::vector<std::string>{"CTY1.FIL", "CTY4.FIL", "INPUT.FIL", "keep.txt"}));

  // CTYA.FIL (entry 17) stays while the session has more than 17 records.
  folder.Write("INPUT.FIL", std::string(18 * kEntrySize, '\0'));
  folder.Write("CTYA.FIL", "x");
  EraseOldPrintoutFiles();
  EXPECT_TRUE(FileExists("CTYA.FIL"));

  EraseFile("INPUT.FIL");  // without a session every per-entry file goes
  EraseOldPrintoutFiles();
  EXPECT_FALSE(FileExists("CTY1.FIL"));
  EXPECT_FALSE(FileExists("CTYA.FIL"));
}

TEST(ControlFileHandOver, MatchingFilesMoveIntoTctl) {
  test::TempFolder folder;
  folder.Write("actl1.dat", "one");
  folder.Write("BCTL.DAT", "two");
  folder.Write("ctl.dat", "stays");
  MoveControlFilesToTctl();
  EXPECT_EQ(folder.Read("TCTL/actl1.dat"), "one");
  EXPECT_EQ(folder.Read("TCTL/BCTL.DAT"), "two");
  EXPECT_FALSE(FileExists("actl1.dat"));
  EXPECT_FALSE(FileExists("BCTL.DAT"));
  EXPECT_TRUE(FileExists("ctl.dat"));
  folder.Write("cctl.dat", "three");  // the folder exists already: still moved
  MoveControlFilesToTctl();
  EXPECT_EQ(folder.Read("TCTL/cctl.dat"), "three");
}

}  // namespace
}  // namespace vostrane
