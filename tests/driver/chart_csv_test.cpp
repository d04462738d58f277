// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch chart-csv: rows of birth data in, one row of calculated
// values per chart out, wrong rows reported with their line and skipped,
// and an older output left as it was when the run cannot be done.
#include <gtest/gtest.h>

#include <cmath>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"
#include "common/CsvRows.h"
#include "tests/support/ShownReport.h"

#ifdef VOSTRANE_BATCH

namespace vostrane {
namespace {

// Runs the batch tool in the current folder; returns its exit status and
// puts its standard error into `err`.
int RunChartCsv(const std::string& args, std::string& err) {
  const std::string command = std::string(VOSTRANE_BATCH) + " chart-csv " + args + " 2>&1 >/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  char buf[4096];
  err.clear();
  while (size_t n = fread(buf, 1, sizeof buf, pipe)) err.append(buf, n);
  return WEXITSTATUS(pclose(pipe));
}

std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::istringstream in(text);
  CsvReader reader(in);
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> f;
  while (reader.Next(f)) rows.push_back(f);
  return rows;
}

TEST(ChartCsv, OneRowPerChartWithTheLibrarysValues) {
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  folder.Write("in.csv",
               "name,date,time,latitude,longitude,zone,daylight,zodiac,houses\n"
               "\"Curie, Marie\",11/07/1867,12:00:00,52.25,-21.0,-1,N\n"
               "Second,02/29/2000,23:59:59,-33.9,-151.2,-10,Y,S,C\n"
               "Bad date,02/30/2001,10:00:00,10,10,0,N\n"
               "Too few,01/01/2001,10:00:00\n"
               "Early,03/01/0700,12:00:00,40,-20,0,N,T,A\n");
  std::string err;
  ASSERT_EQ(RunChartCsv("in.csv out.csv", err), 0) << err;
  EXPECT_NE(err.find("in.csv line 4: the date must be MM/DD/YYYY"), std::string::npos) << err;
  EXPECT_NE(err.find("in.csv line 5: expected 7 to 9 fields"), std::string::npos) << err;
  EXPECT_NE(err.find("3 charts written"), std::string::npos) << err;

  const auto rows = ReadCsv(folder.Read("out.csv"));
  ASSERT_EQ(rows.size(), 4u);
  const auto& header = rows[0];
  ASSERT_EQ(header.size(), 22u + 27u * 5u);
  EXPECT_EQ(header[1], "julday");
  EXPECT_EQ(header[21], "cusp12");
  EXPECT_EQ(header[22], "sun_lon");
  for (const auto& r : rows) EXPECT_EQ(r.size(), header.size());
  EXPECT_EQ(rows[1][0], "Curie, Marie");

  // The first chart as the library calculates it.
  ChartEntry e;
  e.InitNewEntry('T', 1);
  e.setMonth(11);
  e.setDay(7);
  e.setYear(1867);
  e.setHours(12);
  e.setLatitude(52.25);
  e.setLongitude(-21.0);
  e.setZoneHoursWest(-1);
  NameFileImage image;
  CalcHouses(e, image, false, test::ShownReport().report());
  AnalyticTheory theory;
  PlanetFlags flags;
  CalcPlanets(e, image, flags, theory, test::ShownReport().report());
  EXPECT_NEAR(std::stod(rows[1][1]), e.julianDayUt(), 1e-8);
  EXPECT_NEAR(std::stod(rows[1][2]), e.deltaTSeconds(), 1e-3);
  EXPECT_NEAR(std::stod(rows[1][3]), e.asc(), 1e-7);
  EXPECT_NEAR(std::stod(rows[1][21]), std::fmod(e.cusp(6) + 180.0, 360.0), 1e-7);  // cusp 12
  size_t lilith = 0;
  while (header[lilith] != "lilith_true_lon") ++lilith;
  EXPECT_NEAR(std::stod(rows[1][lilith]), e.lon(22), 1e-7);
  for (int k = 0; k < 5; ++k) {
    const BodyArray arrays[5] = {BodyArray::Lon, BodyArray::Lat, BodyArray::Speed, BodyArray::Ra,
                                 BodyArray::Decl};
    EXPECT_NEAR(std::stod(rows[1][22 + k]), e.body(arrays[k], 0), 1e-7) << k;      // the Sun
    EXPECT_NEAR(std::stod(rows[1][22 + 5 + k]), e.body(arrays[k], 1), 1e-7) << k;  // the Moon
  }
  // AD 700 has no Chiron: its columns are empty; the Sun's are there.
  size_t chiron = 0;
  while (header[chiron] != "chiron_lon") ++chiron;
  for (int k = 0; k < 5; ++k) EXPECT_EQ(rows[3][chiron + k], "") << k;
  EXPECT_NE(rows[3][22], "");
}

TEST(ChartCsv, AFaultyRowSpoilsOnlyItself) {
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  const auto row = [](const std::string& name, int i) {
    return name + ",01/02/1970,03:04:05," + std::to_string(i % 80) + ",20,1,N\n";
  };
  // 1,002 rows, an unclosed quote on line 101: that row alone is lost.
  std::string in = "name,date,time,latitude,longitude,zone,daylight\n";
  for (int i = 0; i < 1002; ++i) in += row(i == 99 ? "\"Open, quote" : "P" + std::to_string(i), i);
  folder.Write("in.csv", in);
  std::string err;
  ASSERT_EQ(RunChartCsv("in.csv out.csv", err), 0) << err;
  EXPECT_NE(err.find("in.csv line 101: a quoted field has no closing quote on its line"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("1001 charts written to out.csv, 1 rows skipped"), std::string::npos) << err;
  const auto rows = ReadCsv(folder.Read("out.csv"));
  ASSERT_EQ(rows.size(), 1002u);  // with the header
  EXPECT_EQ(rows[99][0], "P98");
  EXPECT_EQ(rows[100][0], "P100");
  EXPECT_EQ(rows.back()[0], "P1001");

  // A NUL byte and a byte that is not UTF-8 are reported by row too.
  folder.Write("in.csv", "name,date,time,latitude,longitude,zone,daylight\n" +
                             row(std::string("Nu\0l", 4), 1) + row("Caf\xE9", 2) + row("Fine", 3));
  ASSERT_EQ(RunChartCsv("in.csv out.csv", err), 0) << err;
  EXPECT_NE(err.find("in.csv line 2: the row holds a NUL byte"), std::string::npos) << err;
  EXPECT_NE(err.find("in.csv line 3: the row is not valid UTF-8 text"), std::string::npos) << err;
  EXPECT_NE(err.find("1 charts written"), std::string::npos) << err;
}

TEST(ChartCsv, AMissingInputLeavesAnOlderOutputAsItWas) {
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  folder.Write("out.csv", "older\n");
  std::string err;
  EXPECT_EQ(RunChartCsv("missing.csv out.csv", err), 1);
  EXPECT_NE(err.find("cannot read missing.csv"), std::string::npos) << err;
  EXPECT_EQ(folder.Read("out.csv"), "older\n");
  EXPECT_EQ(RunChartCsv("one-argument.csv", err), 2);
}

}  // namespace
}  // namespace vostrane

#endif  // VOSTRANE_BATCH
