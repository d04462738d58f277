// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch timed as a whole process, from its start to its exit, in a
// scratch folder that sees the installation's ephemeris files:
//   BM_CalcSession500   `calc` over a session of 500 natal entries
//   BM_ChartCsv100k     `chart-csv` over 100,000 rows; the counter
//                       peak_rss_mb is the process's peak resident memory
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"
#include "tools/benchmarks/benchsupport/ScratchFolder.h"

namespace {

std::string SessionOf(int entries) {
  std::string bytes(vostrane::kEntrySize, '\0');  // header
  for (int i = 0; i < entries; ++i) {
    vostrane::ChartEntry e;
    e.InitNewEntry('T', i + 1);
    e.setName("Person " + std::to_string(i));
    e.setMonth(1 + i % 12);
    e.setDay(1 + i % 28);
    e.setYear(1750 + (i * 7) % 300);
    e.setHours(i % 24);
    e.setMinutes(i % 60);
    e.setLatitude(-60.0 + (i * 13) % 120);
    e.setLongitude(-180.0 + (i * 37) % 360);
    bytes.append(reinterpret_cast<const char*>(e.Data()), vostrane::kEntrySize);
  }
  bytes.append(vostrane::kEntrySize, '\0');  // terminator
  return bytes;
}

void WriteRows(const std::string& path, int rows) {
  std::ofstream out(path);
  out << "name,date,time,latitude,longitude,zone,daylight,zodiac,houses\n";
  for (int i = 0; i < rows; ++i)
    out << "Person " << i << "," << 1 + i % 12 << "/" << 1 + i % 28 << "/" << 1800 + (i * 7) % 450 << ","
        << i % 24 << ":" << i % 60 << ":00," << -60 + (i * 13) % 120 << "." << i % 10 << ","
        << -180 + (i * 37) % 360 << ",0,N," << (i % 3 ? 'T' : 'S') << ","
        << static_cast<char>('A' + i % 9) << "\n";
}

// Runs the batch tool with the arguments; returns the child's peak memory in
// kilobytes, or -1 when it failed.
long Run(const char* a1, const char* a2 = nullptr, const char* a3 = nullptr) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stderr);
    execl(VOSTRANE_BATCH, VOSTRANE_BATCH, a1, a2, a3, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

void BM_CalcSession500(benchmark::State& state) {
  const std::string session = SessionOf(500);
  for (auto _ : state) {
    state.PauseTiming();
    vostrane::ReplaceFileContents(vostrane::kSessionFileName, session);
    state.ResumeTiming();
    if (Run("calc") < 0) state.SkipWithError("vostrane-batch calc failed");
  }
}
BENCHMARK(BM_CalcSession500)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartCsv100k(benchmark::State& state) {
  WriteRows("rows.csv", 100000);
  long peak = 0;
  for (auto _ : state) {
    const long kb = Run("chart-csv", "rows.csv", "charts.csv");
    if (kb < 0) state.SkipWithError("vostrane-batch chart-csv failed");
    peak = std::max(peak, kb);
  }
  state.counters["peak_rss_mb"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_ChartCsv100k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return vostrane::bench::RunInScratchFolder(
      argc, argv, VOSTRANE_INSTALL_DIR, "vostrane-process-bench",
      [](const std::string& name) { return name == "ZORCTRL.DAT"; });
}
