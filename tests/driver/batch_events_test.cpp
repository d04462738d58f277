// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch events: the timeline of an entry as JSON or CSV, its
// exact moments those of the program's own charts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/AngleHelpers.h"
#include "tests/driver/BatchRunner.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"

#ifdef VOSTRANE_BATCH

namespace vostrane {
namespace {

using test::JsonNumbers;
using test::RunBatch;

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string TextAfter(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\": \"");
  if (at == std::string::npos) return "";
  const size_t from = at + key.size() + 5;
  return json.substr(from, json.find('"', from) - from);
}

TEST(BatchEvents, ListsEventsWhoseMomentsTheProgramsOwnChartsConfirm) {
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  int status = -1;
  RunBatch("new Ada 12/10/1980 13:00:00 51.5 0.12 0 N London", &status);
  RunBatch("calc", &status);
  ASSERT_EQ(status, 0);

  const std::string all = RunBatch("events 1 01/01/2026 12/31/2026", &status);
  ASSERT_EQ(status, 0);
  ASSERT_EQ(all.front(), '[');
  const int events = Count(all, "\"kind\": ");
  EXPECT_GT(events, 100);
  for (const char* key :
       {"body", "point", "aspect", "jd_ut", "utc", "pass", "passes", "enters", "leaves"})
    EXPECT_EQ(Count(all, std::string("\"") + key + "\": "), events) << key;
  // The eclipses of 2026: February 17 annular, March 3 total (lunar),
  // August 12 total, August 28 partial (lunar).
  EXPECT_EQ(Count(all, "\"eclipse_kind\": "), 4);
  EXPECT_EQ(Count(all, "\"eclipse_kind\": \"annular\""), 1);
  EXPECT_EQ(Count(all, "\"eclipse_kind\": \"partial\""), 1);

  // Saturn conjunct the natal Saturn (its return) at the moment given: a
  // transit chart cast for that second has Saturn on the natal one.
  const std::string saturn = RunBatch(
      "events 1 01/01/2009 12/31/2010 --kinds transit --bodies Saturn --aspects 0", &status);
  ASSERT_EQ(status, 0);
  const size_t at = saturn.find("\"point\": \"Saturn\"");
  ASSERT_NE(at, std::string::npos);
  const std::string utc = TextAfter(saturn.substr(at), "utc");
  ASSERT_EQ(utc.size(), 20u) << utc;
  const std::string date = utc.substr(5, 2) + "/" + utc.substr(8, 2) + "/" + utc.substr(0, 4);
  RunBatch("derive 1 transit " + date + " " + utc.substr(11, 8) + " 51.5 0.12 0 N", &status);
  RunBatch("calc", &status);
  const double natal = JsonNumbers(RunBatch("dump 1", &status), "lon").at(6);
  const double transit = JsonNumbers(RunBatch("dump 2", &status), "lon").at(6);
  EXPECT_LT(std::fabs(DiffDeg(natal, transit)) * 3600, 1.0);

  const std::string csv = RunBatch("events 1 01/01/2026 01/31/2026 --kinds new-moon,full-moon --csv",
                                   &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(
      csv.substr(0, csv.find('\n')),
      "kind,body,point,aspect,jd_ut,utc,local,pass,passes,enters,leaves,body_lon,point_lon,retrograde,"
      "eclipse_kind");
  EXPECT_EQ(Count(csv, "\nnew-moon,") + Count(csv, "\nfull-moon,"), 2);

  for (const char* wrong : {"events 1 12/31/2026 01/01/2026", "events 1 01/01/2026 01/01/2200",
                            "events 1 01/01/2026 12/31/2026 --kinds eclipse", "events 1 01/01/2026"}) {
    RunBatch(wrong, &status);
    EXPECT_EQ(status, 2) << wrong;
  }
}

}  // namespace
}  // namespace vostrane

#endif
