// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline's searches and its graphic ephemeris, timed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "astro/TimeScales.h"
#include "derived/EntryCalculation.h"
#include "session/NameFileImage.h"
#include "timeline/EphemerisCurves.h"
#include "timeline/TimelineSearch.h"

#ifdef VOSTRANE_TIMELINE_BENCH_GRAPH
#include <QApplication>

#include "viewer/GraphicEphemeris.h"
#include "wheel/PageMetrics.h"
#include "wheel/gui/BitmapSurface.h"
#endif

namespace {

using namespace vostrane;

ChartEntry Natal() {
  ChartEntry e;
  e.setUsed(true);
  e.setYear(1980);
  e.setMonth(12);
  e.setDay(10);
  e.setHours(13);
  e.setLatitude(51.5);
  e.setLongitude(0.12);
  e.setZodiacLetter('T');
  e.setHouseSystemLetter('F');
  e.setUserZodiacType('A');
  AnalyticTheory theory;
  NameFileImage image;
  CalcReport report;
  CalcHouses(e, image, false, report);
  PlanetFlags flags;
  CalcPlanets(e, image, flags, theory, report);
  return e;
}

// Transits of the twelve bodies to every point of the chart in the five
// major aspects, with ingresses, stations, lunations and eclipses.
void Search(benchmark::State& state, int years) {
  const ChartEntry base = Natal();
  TimelineOptions o;
  o.kinds[static_cast<int>(EventKind::Progressed)] = false;
  o.kinds[static_cast<int>(EventKind::SolarArc)] = false;
  o.kinds[static_cast<int>(EventKind::Return)] = false;
  o.fromJd = GregorianJulDay(1, 1, 2026);
  o.toJd = GregorianJulDay(1, 1, 2026 + years);
  size_t events = 0;
  for (auto _ : state) {
    AnalyticTheory theory;  // a new search starts with no moments kept
    CalcReport report;
    const TimelineResult r = SearchTimeline(base, o, theory, report);
    events = r.events.size();
    benchmark::DoNotOptimize(r.events.data());
  }
  state.counters["events"] = static_cast<double>(events);
}
void BM_TimelineYear(benchmark::State& state) { Search(state, 1); }
void BM_TimelineTenYears(benchmark::State& state) { Search(state, 10); }
BENCHMARK(BM_TimelineYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimelineTenYears)->Unit(benchmark::kMillisecond);

#ifdef VOSTRANE_TIMELINE_BENCH_GRAPH
// A year's graphic ephemeris: the curves sampled and drawn on the bitmap.
void BM_GraphicEphemerisYearBitmap(benchmark::State& state) {
  const ChartEntry base = Natal();
  PageMetrics m;
  ComputeScreenPageMetrics(m, 2.0, false, 0, 0, 1.0);
  std::swap(m.pageWidth, m.pageHeight);
  std::swap(m.width, m.height);
  for (auto _ : state) {
    AnalyticTheory theory;
    CalcReport report;
    GraphicEphemeris g;
    g.fromJd = GregorianJulDay(1, 1, 2026);
    g.toJd = GregorianJulDay(1, 1, 2027);
    g.modulus = 90;
    g.points = BasePoints(base, false);
    g.curves = SampleEphemerisCurves(base, GraphBodies(g.fromJd, g.toJd), g.fromJd, g.toJd, 1200, theory,
                                     report);
    BitmapSurface bitmap;
    bitmap.SetPage(m);
    bitmap.BeginPrintout('2', 'L');
    DrawGraphicEphemeris(bitmap, g);
    bitmap.EndPage(true);
    benchmark::DoNotOptimize(bitmap.Image().constBits());
  }
}
BENCHMARK(BM_GraphicEphemerisYearBitmap)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef VOSTRANE_TIMELINE_BENCH_GRAPH
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
#endif
  // The program reads its data files from its working folder.
  if (chdir(VOSTRANE_INSTALL_DIR) != 0) {
    std::fprintf(stderr, "timeline_bench: cannot enter %s\n", VOSTRANE_INSTALL_DIR);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
