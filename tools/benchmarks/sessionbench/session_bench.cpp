// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation driver over a session of 500 natal entries, in a scratch
// folder that sees the installation's ephemeris files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/FileSystem.h"
#include "session/SessionFile.h"
#include "tools/benchmarks/benchsupport/ScratchFolder.h"
#include "session/driver/CalcDriver.h"

namespace {

std::string SessionOf(int entries) {
  std::string bytes(vostrane::kEntrySize, '\0');  // header
  for (int i = 0; i < entries; ++i) {
    vostrane::ChartEntry e;
    e.InitNewEntry('T', i);
    e.setName("Person " + std::to_string(i));
    e.setMonth(1 + i % 12);
    e.setDay(1 + i % 28);
    e.setYear(1750 + (i * 7) % 300);
    e.setHours(i % 24);
    e.setMinutes(i % 60);
    e.setLatitude(-60.0 + (i * 13) % 120);
    e.setLongitude(-180.0 + (i * 37) % 360);
    e.setZoneHoursWest(0.0);
    bytes.append(reinterpret_cast<const char*>(e.Data()), vostrane::kEntrySize);
  }
  bytes.append(vostrane::kEntrySize, '\0');  // terminator
  return bytes;
}

void BM_Session500(benchmark::State& state) {
  const std::string session = SessionOf(500);
  vostrane::SilentProgress progress;
  vostrane::NoNameFileWriteBack nameFile;
  for (auto _ : state) {
    state.PauseTiming();
    vostrane::ReplaceFileContents(vostrane::kSessionFileName, session);
    state.ResumeTiming();
    vostrane::CalculateSessionCharts(progress, nameFile);
  }
}
BENCHMARK(BM_Session500)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return vostrane::bench::RunInScratchFolder(argc, argv, VOSTRANE_INSTALL_DIR, "vostrane-session-bench",
                                             nullptr);
}
