// SPDX-License-Identifier: GPL-3.0-or-later
// The standard wheel page "AAA" of one calculated natal chart: assembled on
// the screen's page bitmap, and on the printer surface into a 600 dpi PDF
// (the document written and closed each time).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "platform/gui/Fonts.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageMetrics.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace {

using namespace vostrane;

ChartEntry CalculatedChart() {
  ChartEntry e;
  e.InitNewEntry('T', 1);
  e.setName("Bench, Page");
  e.setPlace("Vienna, Austria");
  e.setYear(1962);
  e.setMonth(2);
  e.setDay(4);
  e.setHours(15);
  e.setMinutes(30);
  e.setLatitude(48.2);
  e.setLongitude(-16.4);
  e.setZoneHoursWest(-1.0);
  AnalyticTheory theory;
  NameFileImage image;
  CalcReport report;
  CalcHouses(e, image, false, report);
  PlanetFlags flags;
  CalcPlanets(e, image, flags, theory, report);
  return e;
}

struct Setup {
  ChartEntry chart = CalculatedChart();
  WheelPageAssembler assembler{LoadPageNames()};
  std::array<std::string, 16> fonts = LoadFontNames();
  WheelPageInput Input() {
    WheelPageInput in;
    in.inner = &chart;
    return in;
  }
};

Setup* g_setup = nullptr;

void BM_PageOnBitmap(benchmark::State& state) {
  BitmapSurface bitmap;
  PageMetrics m;
  ComputeScreenPageMetrics(m, 1.0, false, 0, 0, 1.0);
  bitmap.SetPage(m);
  bitmap.SetFontNames(g_setup->fonts);
  const WheelPageInput in = g_setup->Input();
  for (auto _ : state) {
    g_setup->assembler.AssembleWheelPage(bitmap, in);
    benchmark::DoNotOptimize(bitmap.Image().constBits());
  }
}
BENCHMARK(BM_PageOnBitmap)->Unit(benchmark::kMillisecond);

void BM_PageOnPrinterPdf(benchmark::State& state) {
  const std::string pdf = "/tmp/vostrane_page_bench_" + std::to_string(getpid()) + ".pdf";
  const WheelPageInput in = g_setup->Input();
  PrinterSettings settings = PrinterSettingsFromControl(Control());
  settings.oneDocumentPerPrintout = true;
  for (auto _ : state) {
    PrinterSurface printer(settings);
    printer.SetPdfOutput(pdf);
    printer.SetPdfResolution(600);
    printer.SetFontNames(g_setup->fonts);
    g_setup->assembler.AssembleWheelPage(printer, in);
    printer.EndDocument();
  }
  std::remove(pdf.c_str());
}
BENCHMARK(BM_PageOnPrinterPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The program reads its data files from its working folder.
  if (chdir(VOSTRANE_INSTALL_DIR) != 0) {
    std::fprintf(stderr, "page_bench: cannot enter %s\n", VOSTRANE_INSTALL_DIR);
    return 1;
  }
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  if (!FontFamilyInstalled(kGlyphFontFamily)) AddFontFile("zorastro.ttf");
  OpenControlFile();
  if (!OpenMessageTextFile()) {
    std::fprintf(stderr, "page_bench: %s\n", MessageTextFileMissingText().c_str());
    return 1;
  }
  Setup setup;
  g_setup = &setup;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
