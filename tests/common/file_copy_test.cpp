// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "common/FileCopy.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::TempFolder;

// Bytes of every value, longer than several copy blocks and not a multiple
// of the block size.
std::string SampleBytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 2048) & 0xFF);
  return bytes;
}

TEST(FileCopy, CopiesEveryByteAndReplacesAnOlderFile) {
  TempFolder folder;
  const std::string bytes = SampleBytes(2048 * 3 + 17);
  folder.Write("INPUT.NEW", bytes);
  folder.Write("INPUT.FIL", "old and longer than nothing");
  ScopedScriptedMessages msgs;
  EXPECT_TRUE(CopyWholeFile("INPUT.NEW", "INPUT.FIL"));
  EXPECT_EQ(folder.Read("INPUT.FIL"), bytes);
  EXPECT_TRUE(msgs->Shown().empty());
  EXPECT_FALSE(FileExists("INPUT.FIL.~cp"));
}

TEST(FileCopy, CopiesAnEmptyFileAndAFileOntoItself) {
  TempFolder folder;
  folder.Write("EMPTY.DAT", "");
  EXPECT_TRUE(CopyWholeFile("EMPTY.DAT", "COPY.DAT"));
  EXPECT_TRUE(FileExists("COPY.DAT"));
  EXPECT_EQ(FileSize("COPY.DAT"), 0);
  const std::string bytes = SampleBytes(5000);
  folder.Write("SAME.DAT", bytes);
  EXPECT_TRUE(CopyWholeFile("SAME.DAT", "SAME.DAT"));
  EXPECT_EQ(folder.Read("SAME.DAT"), bytes);
}

TEST(FileCopy, KeepsTheSourceDateWhenAsked) {
  TempFolder folder;
  folder.Write("ACTL1.DAT", "control");
  ASSERT_EQ(mkdir("TCTL", 0755), 0);
  // Give the source an old date so that a fresh copy would differ.
  const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "ACTL1.DAT", old, 0), 0);
  EXPECT_TRUE(
      CopyWholeFile("ACTL1.DAT", "TCTL/ACTL1.DAT", {.keepDate = true, .reportDateFailure = true}));
  struct stat st {};
  ASSERT_EQ(stat("TCTL/ACTL1.DAT", &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
  EXPECT_TRUE(CopyWholeFile("ACTL1.DAT", "TCTL/ACTL2.DAT", {.reportDateFailure = true}));
  ASSERT_EQ(stat("TCTL/ACTL2.DAT", &st), 0);
  EXPECT_NE(st.st_mtim.tv_sec, 1000000000);
}

// Root may write into any folder; in the child process of a death test
// the permission rules are made to apply by running as an ordinary user.
void RunAsOrdinaryUser(const TempFolder& folder) {
  if (geteuid() != 0) return;
  chmod(folder.Path().c_str(), 0755);
  if (setgid(65534) != 0 || setuid(65534) != 0) std::_Exit(4);
}

void QuietCopyIntoLockedFolder(const TempFolder& folder) {
  RunAsOrdinaryUser(folder);
  ScopedScriptedMessages msgs;
  const bool copied = CopyWholeFile("SRC.DAT", "LOCKED/DST.DAT", {.quiet = true});
  std::_Exit(!copied && msgs->Shown().empty() && !FileExists("LOCKED/DST.DAT") ? 0 : 3);
}

TEST(FileCopyDeathTest, UnwritableFolderFailsQuietlyWhenAsked) {
  TempFolder folder;
  folder.Write("SRC.DAT", "data");
  ASSERT_EQ(mkdir("LOCKED", 0555), 0);
  EXPECT_EXIT(QuietCopyIntoLockedFolder(folder), testing::ExitedWithCode(0), "");
}

void LoudCopyIntoLockedFolder(const TempFolder& folder) {
  RunAsOrdinaryUser(folder);
  CopyWholeFile("SRC.DAT", "LOCKED/DST.DAT");
  std::_Exit(3);
}

TEST(FileCopyDeathTest, UnwritableFolderEndsTheProgram) {
  TempFolder folder;
  folder.Write("SRC.DAT", "data");
  ASSERT_EQ(mkdir("LOCKED", 0555), 0);
  EXPECT_EXIT(LoudCopyIntoLockedFolder(folder), testing::ExitedWithCode(1),
              "Not able to create file LOCKED/DST\\.DAT\\. Disk may be full\\. Program ended\\.");
}

// A destination inside a folder that does not exist cannot be created by
// anyone, root included.
TEST(FileCopy, DestinationThatCannotBeCreatedFailsQuietlyWhenAsked) {
  TempFolder folder;
  folder.Write("SRC.DAT", "data");
  ScopedScriptedMessages msgs;
  EXPECT_FALSE(CopyWholeFile("SRC.DAT", "NOFOLDER/DST.DAT", {.quiet = true}));
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(FileCopyDeathTest, MissingSourceEndsTheProgram) {
  TempFolder folder;
  EXPECT_EXIT(CopyWholeFile("GONE.DAT", "DST.DAT", {.quiet = true}), testing::ExitedWithCode(1),
              "File GONE\\.DAT not on disk\\. Program ended\\.");
}

TEST(FileCopy, ReadErrorFailsAndLeavesTheDestinationIntact) {
  TempFolder folder;
  ASSERT_EQ(mkdir("ADIR", 0755), 0);  // opens, but every read fails
  folder.Write("DST.DAT", "precious");
  EXPECT_FALSE(CopyWholeFile("ADIR", "DST.DAT"));
  EXPECT_EQ(folder.Read("DST.DAT"), "precious");
  EXPECT_FALSE(FileExists("DST.DAT.~cp"));
}

// A disk that fills up: the file size limit makes a write beyond 4096
// bytes fail. Runs in a child process so that the limit stays there; exits
// with 0 when the copy failed and left the folder as it was.
void CopyWithFileSizeLimit(const TempFolder& folder) {
  signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool copied = CopyWholeFile("SRC.DAT", "DST.DAT");
  const auto names = ListFolder(".", "*");
  const bool intact = folder.Read("DST.DAT") == "precious" && names && names->size() == 2;
  std::_Exit(!copied && intact ? 0 : 3);
}

TEST(FileCopyDeathTest, WriteErrorFailsAndLeavesTheDestinationIntact) {
  TempFolder folder;
  folder.Write("DST.DAT", "precious");
  folder.Write("SRC.DAT", SampleBytes(2048 * 5));
  EXPECT_EXIT(CopyWithFileSizeLimit(folder), testing::ExitedWithCode(0), "");
}

TEST(FileChecks, IoCheckReportsAndGoesOn) {
  ScopedScriptedMessages msgs;
  EXPECT_FALSE(IoCheck(false, "Error reading file X.DAT"));
  EXPECT_TRUE(msgs->Shown().empty());
  EXPECT_TRUE(IoCheck(true, "Error reading file X.DAT"));
  EXPECT_TRUE(msgs->Saw("Error reading file X.DAT"));
}

TEST(FileChecksDeathTest, FatalChecksEndTheProgram) {
  FatalIoCheck(false, "not shown");
  EXPECT_EXIT(FatalIoCheck(true, "Error writing file Y.DAT. Program ended."), testing::ExitedWithCode(1),
              "Error writing file Y\\.DAT\\. Program ended\\.");
  EXPECT_EXIT(FatalError("Fatal: out of range"), testing::ExitedWithCode(1), "Fatal: out of range");
}

}  // namespace
}  // namespace vostrane
