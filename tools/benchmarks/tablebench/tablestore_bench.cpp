// SPDX-License-Identifier: GPL-3.0-or-later
// Table store benchmarks on two generated tables of 150,000 records: one
// shaped like the atlas (2 tags, 47-byte records) and one like the name file
// (6 tags, records of about 2,300 bytes).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/ByteOrder.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/DbfLayout.h"
#include "tablestore/DbfTable.h"

namespace {

using vostrane::DbfTable;

constexpr uint32_t kRecords = 150000;

const std::vector<std::string> kPlaceFields = {
    "NAME,C,25,0",      "LATDEG,N,2,0",    "LATMIN,N,2,0",    "LATSEC,N,2,0", "LATNS,C,1,0",
    "LONGDEG,N,3,0",    "LONGMIN,N,2,0",   "LONGSEC,N,2,0",   "LONGEW,C,1,0", "DSTPTR,N,5,0",
    "HIGHPOPWNM,C,1,0", "ELEVATION,N,2,0", "CNTRYSTATE,C,3,0"};
const std::vector<std::string> kPlaceIndex = {"CITY,F,F,UPPER(NAME)", "",
                                              "CNTRYCITY,F,F,CNTRYSTATE+UPPER(NAME)", ""};

std::vector<std::string> NameFields() {
  std::vector<std::string> f = {
      "NAME,C,25,0",     "MONTH,N,2,0",     "DAY,N,2,0",         "YEAR,N,5,0", "CALENDAR,C,1,0",
      "HOURS,N,2,0",     "MINUTES,N,2,0",   "SECONDS,N,2,0",     "AMPM,C,1,0", "PLACE,C,25,0",
      "BIODAT1,C,180,0", "BIODAT2,C,180,0", "HOUSEPOSTR,C,216,0"};
  for (const char* n : {"GMT", "JULDAY", "OBLIQ", "AYAN", "DELTAT", "T"})
    f.push_back(std::string(n) + ",C,25,0");
  for (const char* n : {"ZODLONGSTR", "ZODLATSTR", "ZODMOTSTR", "HELIOLOSTR", "HELIOLASTR", "HELIOMOSTR",
                        "RTASCSTR", "DECLINSTR"}) {
    f.push_back(std::string(n) + ",C,128,0");
  }
  for (const char* n :
       {"RAMC", "MOONNODE", "VERTEX", "EASTPT", "ASC", "MC", "COASC", "POLARASC", "RESRCHCODE"}) {
    f.push_back(std::string(n) + ",N,11,0");
  }
  for (const char* n : {"ADDR1", "ADDR2", "ADDR3"}) f.push_back(std::string(n) + ",C,40,0");
  f.insert(f.end(), {"ADDR4,C,25,0", "ORDNUMNAME,C,25,0", "CATEG2,C,2,0", "CATEG3,C,2,0", "CATEG4,C,3,0",
                     "CATEG5,C,3,0"});
  return f;
}
const std::vector<std::string> kNameIndex = {"NAME,F,F,UPPER(NAME)",
                                             "",
                                             "CALENAME,F,F,CALENDAR+UPPER(NAME)",
                                             "",
                                             "CATEGOR2,F,F,CATEG2+UPPER(NAME)",
                                             "",
                                             "CATEGOR3,F,F,CATEG3+UPPER(NAME)",
                                             "",
                                             "CATEGOR4,F,F,CATEG4+UPPER(NAME)",
                                             "",
                                             "CATEGOR5,F,F,CATEG5+UPPER(NAME)",
                                             ""};

std::string RandomName(std::mt19937& random) {
  static const char* syllables[] = {"ba",  "ter", "lon", "mi",   "ra",  "do",   "ken",
                                    "sa",  "vil", "po",  "an",   "ger", "stad", "burg",
                                    "ley", "ton", "ham", "wick", "ol",  "ne"};
  std::string name;
  const int n = 2 + static_cast<int>(random() % 3);
  for (int i = 0; i < n; ++i) name += syllables[random() % 20];
  name[0] = static_cast<char>(name[0] - 32);
  return name + ", " + "ABCDEFGH"[random() % 8] + "X";
}

// Writes a table of kRecords records directly: header from the field list,
// each record blank but for NAME (and the first-letter category fields).
void MakeTable(const std::string& path, const std::vector<std::string>& fields,
               std::vector<std::string>& names) {
  std::string bytes = vostrane::NewDbfBytes(fields, 2024, 1, 1);
  bytes.pop_back();  // the end-of-file byte goes after the records
  const vostrane::DbfLayout layout = vostrane::ParseDbfHeader(
      path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
      static_cast<int64_t>(bytes.size()));
  std::mt19937 random(42);
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::string record(static_cast<size_t>(layout.recordLength), ' ');
  for (uint32_t i = 0; i < kRecords; ++i) {
    const std::string name = RandomName(random);
    names.push_back(vostrane::UpperAnsi(name));
    record.replace(1, 25, (name + std::string(25, ' ')).substr(0, 25));
    for (const vostrane::DbfField& f : layout.fields) {
      if (f.name.rfind("CATEG", 0) == 0 || f.name == "CALENDAR" || f.name == "CNTRYSTATE") {
        record[static_cast<size_t>(f.offset)] = name[0];
      }
    }
    std::fwrite(record.data(), 1, record.size(), out);
  }
  std::fputc(0x1A, out);
  std::fseek(out, 4, SEEK_SET);
  const uint32_t count = kRecords;
  uint8_t le[4];
  vostrane::WriteLe<uint32_t>(le, count);
  std::fwrite(le, 1, 4, out);
  std::fclose(out);
}

struct Tables {
  std::string folder;
  std::vector<std::string> placeNames, personNames;
  Tables() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vostrane-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    std::filesystem::current_path(folder);
    MakeTable("places.dbf", kPlaceFields, placeNames);
    MakeTable("names.dbf", NameFields(), personNames);
    // Build both indexes once so the open benchmarks find them current.
    DbfTable t;
    Setup(t, "places.dbf");
    t.Open();
    Setup(t, "names.dbf");
    t.Open();
  }
  ~Tables() { std::filesystem::remove_all(folder); }
  static void Setup(DbfTable& t, const std::string& file) {
    const bool places = file == "places.dbf";
    t.SetDbfFileName(file);
    t.SetDbfFields(places ? kPlaceFields : NameFields());
    t.SetIndexList(places ? kPlaceIndex : kNameIndex);
  }
};

Tables& Shared() {
  static Tables tables;
  return tables;
}

void BM_Open(benchmark::State& state, const char* file) {
  Shared();
  DbfTable t;
  Tables::Setup(t, file);
  for (auto _ : state) {
    t.Open();
    benchmark::DoNotOptimize(t.RecordNumber());
    t.Close();
  }
}

void BM_Rebuild(benchmark::State& state, const char* file) {
  Shared();
  DbfTable t;
  Tables::Setup(t, file);
  const std::string index = t.IndexFileName();
  for (auto _ : state) {
    std::filesystem::remove(index);
    t.Open();
    t.Close();
  }
}

void BM_FindNear(benchmark::State& state, const char* file) {
  Tables& tables = Shared();
  const std::vector<std::string>& names = std::string(file) == "places.dbf" ? tables.placeNames
                                                                            : tables.personNames;
  DbfTable t;
  Tables::Setup(t, file);
  t.Open();
  t.SetIndexOrder(1);
  std::mt19937 random(1);
  int64_t found = 0;
  for (auto _ : state) {
    const std::string& name = names[random() % names.size()];
    found += t.FindNear(name.substr(0, 1 + random() % 6));
  }
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}

// The place dialog's list: a seek and the 15 records after it.
void BM_FindNearAndFill16(benchmark::State& state) {
  Tables& tables = Shared();
  DbfTable t;
  Tables::Setup(t, "places.dbf");
  t.Open();
  t.SetIndexOrder(1);
  std::mt19937 random(1);
  for (auto _ : state) {
    t.FindNear(tables.placeNames[random() % tables.placeNames.size()].substr(0, 3));
    for (int row = 1; row < 16 && !t.AtEnd(); ++row) {
      t.MoveBy(1);
      benchmark::DoNotOptimize(t.TextField("NAME"));
    }
  }
}

BENCHMARK_CAPTURE(BM_FindNear, places, "places.dbf")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindNear, names, "names.dbf")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNearAndFill16)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Open, places, "places.dbf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, names, "names.dbf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Rebuild, places, "places.dbf")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Rebuild, names, "names.dbf")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
