// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "platform/RecordFile.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(FileMask, MatchesWithoutRegardToCase) {
  EXPECT_TRUE(MatchesMask("chart.bmp", "*.BMP"));
  EXPECT_TRUE(MatchesMask("ZCTL1.DAT", "?ctl*.dat"));
  EXPECT_TRUE(MatchesMask("actl.dat", "?ctl*.dat"));
  EXPECT_FALSE(MatchesMask("ctl.dat", "?ctl*.dat"));  // '?' needs one character
  EXPECT_FALSE(MatchesMask("zctl1.dat.bak", "?ctl*.dat"));
  EXPECT_TRUE(MatchesMask("CTY12.FIL", "CTY*.FIL"));
  EXPECT_TRUE(MatchesMask("a*b", "a*b"));
  EXPECT_TRUE(MatchesMask("aXbXb", "a*b"));  // backtracking over the star
  EXPECT_FALSE(MatchesMask("aXbXc", "a*b"));
}

TEST(FileMask, ListsOnlyMatchingRegularFilesSorted) {
  test::TempFolder folder;
  folder.Write("b.BMP", "x");
  folder.Write("a.bmp", "x");
  folder.Write("c.txt", "x");
  ASSERT_EQ(mkdir("d.bmp", 0755), 0);
  auto names = ListFolder(".", "*.BMP");
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(*names, (std::vector<std::string>{"a.bmp", "b.BMP"}));
  EXPECT_FALSE(ListFolder("no-such-folder", "*").has_value());
}

TEST(ReplaceFile, FailureLeavesThePreviousContents) {
  test::TempFolder folder;
  folder.Write("data.bin", "old");
  ASSERT_TRUE(ReplaceFileContents("data.bin", "new contents"));
  EXPECT_EQ(folder.Read("data.bin"), "new contents");
  // No temporary file can be made beside a name that leaves no room for
  // its suffix.
  const std::string longName(250, 'd');
  folder.Write(longName, "old");
  EXPECT_FALSE(ReplaceFileContents(longName, "lost?"));
  EXPECT_EQ(folder.Read(longName), "old");
}

TEST(RecordFile, PositionsReadsAndRefusesShortRecords) {
  test::TempFolder folder;
  folder.Write("r.dat", std::string("abcdefg"));  // two records of 3 and a partial one
  RecordFile file;
  ASSERT_TRUE(file.Open("r.dat", 3, RecordFile::Mode::ReadWrite));
  EXPECT_EQ(file.RecordCount(), 2);
  char buf[3];
  ASSERT_TRUE(file.Seek(1));
  ASSERT_TRUE(file.Read(buf));
  EXPECT_EQ(std::string(buf, 3), "def");
  EXPECT_EQ(file.Position(), 2);
  EXPECT_FALSE(file.Read(buf));  // only "g" is left
  EXPECT_FALSE(file.Seek(3));    // beyond the end
  EXPECT_TRUE(file.Seek(3, true));
  EXPECT_FALSE(file.Seek(-1, true));
  ASSERT_TRUE(file.Seek(2));
  ASSERT_TRUE(file.Write("XYZ"));
  EXPECT_EQ(file.RecordCount(), 3);
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.Close());
  EXPECT_FALSE(file.Open("missing.dat", 3, RecordFile::Mode::ReadOnly));
}

TEST(InstanceLock, SecondHolderIsRefusedUntilReleased) {
  test::TempFolder folder;
  InstanceLock first;
  ASSERT_TRUE(first.Acquire("TEMP.TMP"));
  InstanceLock second;
  EXPECT_FALSE(second.Acquire("TEMP.TMP"));

  // Another process is refused too.
  const pid_t child = fork();
  if (child == 0) {
    InstanceLock other;
    _exit(other.Acquire("TEMP.TMP") ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 3);

  first.Release();
  EXPECT_TRUE(second.Acquire("TEMP.TMP"));
  EXPECT_EQ(first.Failure(), "");  // refused for being held, not for the folder
}

TEST(InstanceLock, AFolderThatCannotBeWrittenIsNamedAsTheCause) {
  test::TempFolder folder;
  InstanceLock lock;
  EXPECT_FALSE(lock.Acquire("no-such-folder/TEMP.TMP"));
  EXPECT_EQ(lock.Failure(), "no-such-folder/TEMP.TMP: No such file or directory");
  const std::string text = FolderNotWritableText("/opt/vostrane", lock.Failure());
  EXPECT_NE(text.find("/opt/vostrane cannot be written (no-such-folder/TEMP.TMP: No such file"),
            std::string::npos);
  EXPECT_EQ(text.find("already running"), std::string::npos);
}

TEST(CodePage, RoundTripsEveryWindows1252Character) {
  std::string all;
  for (int c = 1; c < 256; ++c)
    if (c < 0x80 || c >= 0xA0 || (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D))
      all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("M\xFCnchen"), "M\xC3\xBCnchen");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC 5"), "\x80 5");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // no code in Windows-1252
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");        // truncated sequence
}

}  // namespace
}  // namespace vostrane
