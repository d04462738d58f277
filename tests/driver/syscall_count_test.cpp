// System calls of the calculation: a session of 400 more entries costs at
// most 2 system calls per entry besides the session file's own (counted by
// strace on vostrane-batch calc; the ephemeris files are read once per run).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"

#ifdef VOSTRANE_BATCH

namespace vostrane {
namespace {

void WriteSession(int entries) {
  std::string bytes(kEntrySize, '\0');  // header
  for (int i = 0; i < entries; ++i) {
    ChartEntry e;
    e.InitNewEntry('T', i + 1);
    e.setName("Person " + std::to_string(i));
    e.setMonth(1 + i % 12);
    e.setDay(1 + i % 28);
    e.setYear(1750 + (i * 7) % 300);
    e.setHours(i % 24);
    e.setLatitude(-60.0 + (i * 13) % 120);
    e.setLongitude(-180.0 + (i * 37) % 360);
    bytes.append(reinterpret_cast<const char*>(e.Data()), kEntrySize);
  }
  bytes.append(kEntrySize, '\0');  // terminator
  ASSERT_TRUE(ReplaceFileContents(kSessionFileName, bytes));
}

// System calls of one `calc` run that do not name the session file (strace
// -y shows each descriptor's path).
long CallsBesidesTheSessionFile() {
  // The leak checker of a sanitizer build cannot work under ptrace.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string options = std::string(asan ? asan : "") + ":detect_leaks=0";
  const std::string command = "ASAN_OPTIONS='" + options + "' strace -f -y -qq -o strace.log " +
                              std::string(VOSTRANE_BATCH) + " calc";
  if (std::system(command.c_str()) != 0) return -1;
  std::ifstream log("strace.log");
  long calls = 0;
  std::string line;
  while (std::getline(log, line))
    if (line.find(kSessionFileName) == std::string::npos &&
        line.find("exited with") == std::string::npos)
      ++calls;
  return calls;
}

TEST(SyscallCount, AtMostTwoPerEntryBesidesTheSessionFile) {
  if (access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  WriteSession(100);
  const long small = CallsBesidesTheSessionFile();
  WriteSession(500);
  const long large = CallsBesidesTheSessionFile();
  ASSERT_GT(small, 0);
  ASSERT_GT(large, 0);
  const double perEntry = static_cast<double>(large - small) / 400.0;
  RecordProperty("syscalls_per_entry", std::to_string(perEntry));
  std::printf(
      "system calls besides the session file: %ld for 100 entries, %ld for 500 (%.2f per entry)\n",
      small, large, perEntry);
  EXPECT_LE(perEntry, 2.0);
}

}  // namespace
}  // namespace vostrane

#endif  // VOSTRANE_BATCH
