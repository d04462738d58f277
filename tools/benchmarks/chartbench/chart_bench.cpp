// SPDX-License-Identifier: GPL-3.0-or-later
// One complete natal chart: time scales, angles and cusps, then every body
// slot (engine, outer-planet files, asteroid files, hypothetical planets).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"

namespace {

vostrane::ChartEntry NatalEntry(int year) {
  vostrane::ChartEntry e;
  e.setUsed(true);
  e.setYear(year);
  e.setMonth(6);
  e.setDay(14);
  e.setHours(15);
  e.setMinutes(30);
  e.setLatitude(48.2);
  e.setLongitude(-16.4);
  e.setZoneHoursWest(-1.0);
  e.setZodiacLetter('T');
  e.setHouseSystemLetter('F');
  e.setUserZodiacType('A');
  e.setNameRecord(7);  // linked: the name-file values are packed too
  return e;
}

void BM_NatalChart(benchmark::State& state) {
  vostrane::AnalyticTheory theory;  // built once per calculation run
  int year = 1900;
  for (auto _ : state) {
    vostrane::ChartEntry e = NatalEntry(year);
    vostrane::NameFileImage image;
    vostrane::CalcReport report;
    vostrane::CalcHouses(e, image, false, report);
    vostrane::PlanetFlags flags;
    benchmark::DoNotOptimize(vostrane::CalcPlanets(e, image, flags, theory, report));
    benchmark::DoNotOptimize(e.Data());
    year = year == 2040 ? 1900 : year + 1;
  }
}
BENCHMARK(BM_NatalChart)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // The program reads its data files from its working folder.
  if (chdir(VOSTRANE_INSTALL_DIR) != 0) {
    std::fprintf(stderr, "chart_bench: cannot enter %s\n", VOSTRANE_INSTALL_DIR);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
