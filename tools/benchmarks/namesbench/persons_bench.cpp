// SPDX-License-Identifier: GPL-3.0-or-later
// The Persons window on a name file of 100,000 persons: reading the table
// (and its change times) into the window's index, as opening the window
// does, and one keystroke of the search. The table is built once in a
// scratch folder, half of its persons with a change time.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "entry/BirthDataFields.h"
#include "tools/benchmarks/namesbench/BenchPerson.h"
#include "names/NameTable.h"
#include "names/PersonIndex.h"
#include "names/PersonWrites.h"
#include "tablestore/DbfTable.h"

namespace {

using namespace vostrane;

constexpr int kPersons = 100000;

// Names of many shapes: accents, commas, parts that searches find often
// ("ein") and rarely.
BirthDataFields Person(int n) {
  static const char* const kSurnames[] = {"Einstein",  "M\xfcller",    "Curie",    "Stein",
                                          "O'Brien",   "Dvo\xf8\xe1k", "Nakamura", "Smith",
                                          "Garc\355a",  // octal: a hex escape would swallow the "a"
                                          "Weinberg"};
  static const char* const kGiven[] = {"Albert", "Hans", "Marie", "Gertrude", "Sean",
                                       "Anton",  "Yuki", "John",  "Lucia",    "Steven"};
  char name[40];
  std::snprintf(name, sizeof name, "%s%d, %s", kSurnames[n % 10], n / 10, kGiven[(n / 7) % 10]);
  return LondonBenchPerson(name);
}

// The scratch table, built at the first use and removed at the end.
class LargeTable {
 public:
  LargeTable() {
    std::vector<RecordWritten> stamps;
    for (int n = 0; n < kPersons; ++n) {
      const PersonWriteResult written = AppendPerson(table(), Person(n), &stamps);
      if (written.outcome != PersonWrite::Written) break;
      if (n % 2 == 1) stamps.pop_back();  // every other person without a time
    }
    StampCollected(table(), stamps);
  }
  DbfTable& table() { return scratch_.table(); }

 private:
  ScratchNameTable scratch_{"/tmp/vostrane-personsbench-XXXXXX"};
};

LargeTable& Table() {
  static LargeTable table;
  return table;
}

void BM_OpenPersonIndex(benchmark::State& state) {
  DbfTable& table = Table().table();
  PersonIndex index;
  for (auto _ : state) {
    index.Load(table);
    benchmark::DoNotOptimize(index.Found());
  }
  state.counters["persons"] = static_cast<double>(index.Total());
}
BENCHMARK(BM_OpenPersonIndex)->Unit(benchmark::kMillisecond);

// One keystroke: Arg 0 types the third letter of "ein" (the search narrows
// what the last one found), Arg 1 takes it back with Backspace (the whole
// index is searched again), Arg 2 is the first letter typed ("e").
void BM_SearchKeystroke(benchmark::State& state) {
  PersonIndex index;
  index.Load(Table().table());
  const char* const before[] = {"ei", "ein", ""};
  const char* const after[] = {"ein", "ei", "e"};
  const int k = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    index.Search(before[k]);
    state.ResumeTiming();
    index.Search(after[k]);
    benchmark::DoNotOptimize(index.Found());
  }
  state.counters["found"] = static_cast<double>(index.Found());
}
BENCHMARK(BM_SearchKeystroke)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A click on the date column's title.
void BM_SortByDate(benchmark::State& state) {
  PersonIndex index;
  index.Load(Table().table());
  bool ascending = true;
  for (auto _ : state) {
    index.Sort(kDateColumn, ascending = !ascending);
    benchmark::DoNotOptimize(index.Found());
  }
}
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
