// SPDX-License-Identifier: GPL-3.0-or-later
// Place lookup on the generated atlas: opening the atlas as start-up does,
// the list fill after a keystroke ("Lon" and friends, folded and whole city
// names, a name with its region), a page of scrolling, and a keystroke typed
// into the place dialog (list fill and the 16 rows shown). Runs in a copy of the
// installation's atlas in a temporary folder.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "atlas/PlaceList.h"
#include "atlas/PlacesTable.h"
#include "atlas/gui/PlaceEdit.h"
#include "atlas/gui/PlaceDialog.h"
#include "common/MessageTextFile.h"

namespace {

using namespace vostrane;

void BM_OpenAtlas(benchmark::State& state) {
  ClosePlacesTable();
  for (auto _ : state) {
    OpenPlacesTable();
    ClosePlacesTable();
  }
  OpenPlacesTable();
}
BENCHMARK(BM_OpenAtlas)->Unit(benchmark::kMillisecond);

void BM_FillAfterKeystroke(benchmark::State& state, const char* typed) {
  PlaceList list(PlacesTable(), MessageText(13093));
  for (auto _ : state) {
    list.Fill(typed, ScrollDirection::None);
    benchmark::DoNotOptimize(list.Rows());
  }
}
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, L, "L")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, Lon, "Lon")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, London, "London")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, LondonU, "London, U")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, SanJoseX, "San Jose, X")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, Sao, "S\xE3o Paulo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, Calcutta, "Calcutta")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, ExactName, "Franklin (Salisbury), NC")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillAfterKeystroke, NotFound, "Qqx")->Unit(benchmark::kMicrosecond);

void BM_PageDown(benchmark::State& state) {
  PlaceList list(PlacesTable(), MessageText(13093));
  for (auto _ : state) {
    list.Fill("Lon", ScrollDirection::None);
    std::string text = "Lon";
    for (int i = 0; i < 12; ++i) text = *list.Fill(text, ScrollDirection::Down).text;
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_PageDown)->Unit(benchmark::kMicrosecond);

// One character typed into the dialog and taken back: two keystrokes.
void BM_DialogKeystroke(benchmark::State& state) {
  PlaceDialog dialog(nullptr, PlacesTable(), "Lo");
  dialog.show();
  for (auto _ : state) {
    QTest::keyClick(dialog.PlaceField(), Qt::Key_N);
    QTest::keyClick(dialog.PlaceField(), Qt::Key_Backspace);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_DialogKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  namespace fs = std::filesystem;
  const fs::path install = VOSTRANE_INSTALL_DIR;
  const fs::path work = fs::temp_directory_path() / ("vostrane-atlas-bench-" + std::to_string(getpid()));
  fs::create_directories(work);
  for (const char* name : {"places.dbf", "places.VDX", kMessageTextFileName}) {
    fs::copy_file(install / name, work / name, fs::copy_options::overwrite_existing);
  }
  fs::current_path(work);
  OpenMessageTextFile();
  if (!OpenPlacesTable()) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  ClosePlacesTable();
  CloseMessageTextFile();
  fs::current_path(install);
  fs::remove_all(work);
  return 0;
}
