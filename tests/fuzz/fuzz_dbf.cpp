// SPDX-License-Identifier: GPL-3.0-or-later
// A dBase table and its production index: the header and field checks, the
// index load or rebuild, seeks and walks in every order. The input is a
// 4-byte little-endian length n, n bytes of table, and the index bytes (none:
// the index is built). Failures must be TableError.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <iterator>

#include "atlas/PlacesTable.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/DbfTable.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

namespace {
void Walk(DbfTable& t, int limit) {
  t.First();
  for (int i = 0; i < limit && !t.AtEnd(); ++i) {
    t.TextField("NAME");
    t.IntegerField("DSTPTR");
    t.MoveBy(1);
  }
}
}  // namespace

// With VOSTRANE_FUZZ_DBF_TABLE and VOSTRANE_FUZZ_DBF_SEED set, writes the
// seed input of that table and the index the table store builds for it, then
// ends: the seed corpus gets an index to start from.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* table = getenv("VOSTRANE_FUZZ_DBF_TABLE");
  const char* seed = getenv("VOSTRANE_FUZZ_DBF_SEED");
  if (!table || !seed) return 0;
  fuzz::BeginInput();
  std::ifstream in(table, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  fuzz::WriteFile(kPlacesFileName, bytes);
  {
    DbfTable t;
    ConfigurePlacesTable(t);
    t.Open();
  }
  std::ifstream indexIn("places.VDX", std::ios::binary);
  const std::string index((std::istreambuf_iterator<char>(indexIn)), std::istreambuf_iterator<char>());
  const uint32_t n = static_cast<uint32_t>(bytes.size());
  std::string out(reinterpret_cast<const char*>(&n), 4);
  {
    std::ofstream seedOut(seed, std::ios::binary);
    seedOut << out << bytes << index;
  }
  std::filesystem::remove_all(fuzz::EnterFuzzFolder());
  _exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t n;
  std::memcpy(&n, data, 4);
  n = static_cast<uint32_t>(std::min<size_t>(n, size - 4));
  fuzz::BeginInput();
  fuzz::WriteFile(kPlacesFileName, data + 4, n);
  if (size > 4 + n) fuzz::WriteFile("places.VDX", data + 4 + n, size - 4 - n);
  DbfTable t;
  ConfigurePlacesTable(t);
  try {
    t.Open();
    for (int order = 0; order <= 2; ++order) {
      t.SetIndexOrder(order);
      Walk(t, 64);
    }
    t.SetIndexOrder(1);
    t.FindNear(UpperAnsi("B"));
    t.FindExact(UpperAnsi("Bern, SWI"));
    t.MoveBy(-3);
    t.Go(t.RecordCount() / 2 + 1);
  } catch (const TableError&) {
  }
  return 0;
}
