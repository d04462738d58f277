// SPDX-License-Identifier: GPL-3.0-or-later
// Appending a person to the name table under its lock: the lock, the
// check that the name is not on file, the record and the six index tags
// written, the lock released. The table starts empty or with 5,000 persons.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "entry/BirthDataFields.h"
#include "tools/benchmarks/namesbench/BenchPerson.h"
#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "tablestore/DbfTable.h"

namespace {

using namespace vostrane;

BirthDataFields Person(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "Person %07d, Bench", n);
  return LondonBenchPerson(name);
}

// A fresh name file per run, removed afterwards.
struct TempTable : ScratchNameTable {
  TempTable() : ScratchNameTable("/tmp/vostrane-namesbench-XXXXXX") {}
};

void BM_AppendPersonUnderLock(benchmark::State& state) {
  TempTable temp;
  int n = 0;
  for (int i = 0; i < state.range(0); ++i) AppendPerson(temp.table(), Person(n++));
  if (CheckPersonFields(Person(0)) != kFormValid) {
    state.SkipWithError("the benchmark's person is not valid");
    return;
  }
  for (auto _ : state) {
    const PersonWriteResult result = AppendPerson(temp.table(), Person(n++));
    if (result.outcome != PersonWrite::Written) {
      state.SkipWithError("the person was not written");
      break;
    }
  }
  state.counters["persons"] = static_cast<double>(temp.table().RecordCount());
}
BENCHMARK(BM_AppendPersonUnderLock)->Arg(0)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
