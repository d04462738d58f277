// SPDX-License-Identifier: GPL-3.0-or-later
// System calls of the calculation: a session of 400 more entries costs at
// most 2 system calls per entry besides the session file's own (counted by
// strace on vostrane-batch calc; the ephemeris files are read once per run),
// and a chain of derived charts a few reads of the session file per entry.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "derived/DerivedRequest.h"
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

// Runs `calc` under strace with the given filter, its log written to `log`.
bool TraceCalc(const std::string& filter, const std::string& log) {
  // The leak checker of a sanitizer build cannot work under ptrace.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string options = std::string(asan ? asan : "") + ":detect_leaks=0";
  const std::string command = "ASAN_OPTIONS='" + options + "' strace -f -y -qq " + filter + " -o " +
                              log + " " + std::string(VOSTRANE_BATCH) + " calc";
  return std::system(command.c_str()) == 0;
}

// System calls of one `calc` run that do not name the session file (strace
// -y shows each descriptor's path).
long CallsBesidesTheSessionFile() {
  if (!TraceCalc("", "strace.log")) return -1;
  std::ifstream log("strace.log");
  long calls = 0;
  std::string line;
  while (std::getline(log, line))
    if (line.find(kSessionFileName) == std::string::npos &&
        line.find("exited with") == std::string::npos)
      ++calls;
  return calls;
}

// A natal entry followed by a chain of harmonic charts, each of the one
// before it: entry n + 1 is on level n.
void WriteChain(int length) {
  ChartEntry natal;
  natal.InitNewEntry('T', 1);
  natal.setName("Root");
  natal.setMonth(5);
  natal.setDay(6);
  natal.setYear(1970);
  std::vector<ChartEntry> chain = {natal};
  for (int i = 1; i <= length; ++i) {
    DerivedRequest request;
    request.kind = DerivedKind::Harmonic;
    request.base = i;
    request.harmonic = 2;
    const DerivedBuild built = BuildDerivedEntry(request, chain.back(), nullptr, i);
    ASSERT_TRUE(built.ok) << built.error;
    chain.push_back(built.entry);
  }
  std::string bytes(kEntrySize, '\0');
  for (const ChartEntry& e : chain) bytes.append(reinterpret_cast<const char*>(e.Data()), kEntrySize);
  bytes.append(kEntrySize, '\0');
  ASSERT_TRUE(ReplaceFileContents(kSessionFileName, bytes));
}

// Reads of the session file by one `calc` run.
long SessionFileReads() {
  if (!TraceCalc("-e trace=pread64,read", "reads.log")) return -1;
  std::ifstream log("reads.log");
  long reads = 0;
  std::string line;
  while (std::getline(log, line)) reads += line.find(kSessionFileName) != std::string::npos;
  return reads;
}

TEST(SyscallCount, ADerivedChainCostsReadsInProportionToItsLength) {
  if (access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  WriteChain(100);
  const long short_ = SessionFileReads();
  WriteChain(300);
  const long long_ = SessionFileReads();
  ASSERT_GT(short_, 0);
  std::printf("session file reads: %ld for a chain of 100, %ld for 300\n", short_, long_);
  // Level by level walks of the whole list would read some 400 records for
  // every entry added; a few reads each are what the calculation needs.
  EXPECT_LE(static_cast<double>(long_ - short_) / 200.0, 8.0) << short_ << " and " << long_ << " reads";
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
