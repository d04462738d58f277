// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/DstChangeRecord.h"
#include "tools/generators/dstgen/DstChains.h"
#include "tools/generators/dstgen/TzSource.h"
#include "tools/generators/dstgen/ZoneHistory.h"

namespace vostrane {
namespace {

// A zone in the compact source form: local mean time until 1883, then
// 5 hours west with a US-style rule set (war time in 1942, a 1967 rule with
// no end, a rule given in standard time), a fixed half-hour saving in 1950
// and a two-hour saving in 1951.
const char* const kSource = R"(# version test
R T 1942 o - F 9 2 1 W
R T 1945 o - Au 14 23u 1 P
R T 1945 o - S 30 2 0 S
R T 1967 ma - Ap lastSu 2 1 D
R T 1967 ma - O Su>=22 2s 0 S
Z Test/Zone -4:56:2 - LMT 1883 N 18 17u
-5 T E%sT 1950
-5 0:30 E30T 1951
-5 2 EDDT 1952
-5 T E%sT
L Test/Zone Test/Link
)";

std::string Moment(const DstChangeRecord& r) {
  char s[32];
  std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d %c %d", r.year + kDstBaseYear, r.month, r.day,
                r.hour, r.minute, kDaylightCodeLetters[r.code],
                ZoneMinutesEast(r.zoneHours, r.zoneMinutes));
  return s;
}

TEST(DstGenerator, ZoneHistoryFollowsZoneLinesAndRules) {
  const tz::Source source = tz::ParseSource(kSource);
  EXPECT_EQ(source.version, "test");
  EXPECT_EQ(source.Resolve("Test/Link"), "Test/Zone");
  EXPECT_FALSE(source.Resolve("Test/None"));
  const std::vector<DstChangeRecord> chain = tz::TableChain(tz::ZoneHistory(source, "Test/Zone", 1970),
                                                            1970);
  std::vector<std::string> moments;
  for (const DstChangeRecord& r : chain) moments.push_back(Moment(r));
  const std::vector<std::string> expected = {
      "1883-11-18 12:04 N -300",  // 17:00 UT in local mean time 4:56:02 west
      "1942-02-09 02:00 W -300",  // EWT: war time
      "1945-08-14 19:00 Y -300",  // EPT, dated in the war-time clock
      "1945-09-30 02:00 N -300",
      "1950-01-01 00:00 N -270",  // half an hour of saving goes into the zone
      "1951-01-01 00:00 D -300", "1952-01-01 00:00 N -300", "1967-04-30 02:00 Y -300",
      "1967-10-22 03:00 N -300",  // 2:00 standard time is 3:00 daylight time
      "1968-04-28 02:00 Y -300", "1968-10-27 03:00 N -300", "1969-04-27 02:00 Y -300",
      "1969-10-26 03:00 N -300", "1970-04-26 02:00 Y -300", "1970-10-25 03:00 N -300",
      "1970-12-31 23:59 N -300"};  // the end of the table
  EXPECT_EQ(moments, expected);
}

TEST(DstGenerator, ClassificationRoundsAndKeepsZonesWithinThirteenHours) {
  EXPECT_EQ(tz::ClassifyState({0, -17762, 0, "LMT"}).minutesEast, -296);  // -4:56:02
  EXPECT_EQ(tz::ClassifyState({0, 1172, 0, "AMT"}).minutesEast, 20);      // 0:19:32
  const tz::TableState kiritimati = tz::ClassifyState({0, 14 * 3600, 0, "+14"});
  EXPECT_EQ(kiritimati.code, kDaylightTime);
  EXPECT_EQ(kiritimati.minutesEast, 13 * 60);
  const tz::TableState dublinWinter = tz::ClassifyState({0, 0, -3600, "GMT"});
  EXPECT_EQ(dublinWinter.code, kStandardTime);
  EXPECT_EQ(dublinWinter.minutesEast, 0);
  EXPECT_EQ(tz::ClassifyState({0, 3600, 3600, "BST"}).code, kDaylightTime);
  EXPECT_EQ(tz::ClassifyState({0, -14400, 3600, "CWT"}).code, kWarTime);
  EXPECT_EQ(tz::ClassifyState({0, 7200, 7200, "BDST"}).code, kDoubleDaylight);
}

// Reads a table's chain back from the file bytes as the lookup does.
std::vector<DstChangeRecord> ReadChain(const std::vector<DstChangeRecord>& file, uint16_t first) {
  std::vector<DstChangeRecord> chain;
  size_t p = first;
  for (;;) {
    chain.push_back(file[p]);
    // The chain ends where the file ends or goes on with an earlier record.
    const size_t next = p + 1 < file.size() && file[p + 1].IsLink() ? file[p + 1].LinkTarget() : p + 1;
    if (next >= file.size() || file[next].MomentKey() < file[p].MomentKey()) return chain;
    p = next;
  }
}

TEST(DstGenerator, TablesShareTheirCommonTailsThroughLinks) {
  auto rec = [](int year, int zone, int code) {
    DstChangeRecord r;
    r.year = static_cast<uint8_t>(year - kDstBaseYear);
    r.zoneHours = static_cast<uint8_t>(zone);
    r.code = static_cast<uint8_t>(code);
    return r;
  };
  const std::vector<DstChangeRecord> end = {rec(2025, 105, 0)};
  const std::vector<DstChangeRecord> a = {rec(1900, 105, 0), rec(1950, 105, 1), rec(1960, 105, 0),
                                          end[0]};
  const std::vector<DstChangeRecord> b = {rec(1890, 106, 0), rec(1950, 105, 1), rec(1960, 105, 0),
                                          end[0]};
  const std::vector<DstChangeRecord> c = {rec(1920, 107, 0), rec(1960, 105, 0), end[0]};
  tz::DstFileBuilder builder;
  const uint16_t fa = builder.Add(a);
  const uint16_t fb = builder.Add(b);
  const uint16_t fc = builder.Add(c);
  const uint16_t fa2 = builder.Add(a);
  EXPECT_EQ(fa2, fa);
  EXPECT_EQ(builder.LinkCount(), 2);
  // Record 0 (the end record of unused tables), a (4), b (1 + link), c (1 + link).
  EXPECT_EQ(builder.Records().size(), 1u + 4u + 2u + 2u);
  EXPECT_EQ(ReadChain(builder.Records(), fa), a);
  EXPECT_EQ(ReadChain(builder.Records(), fb), b);
  EXPECT_EQ(ReadChain(builder.Records(), fc), c);
  EXPECT_EQ(ReadChain(builder.Records(), 0).size(), 1u);

  const std::string index = tz::IndexFileBytes({fa, fb, 300});
  ASSERT_EQ(index.size(), 2808u * 2);
  EXPECT_EQ(static_cast<uint8_t>(index[4]) | (static_cast<uint8_t>(index[5]) << 8), 300);
  EXPECT_EQ(index.substr(6), std::string(index.size() - 6, '\0'));
}

TEST(DstGenerator, MalformedSourceLinesNameTheirLine) {
  try {
    tz::ParseSource("R X 1990 o - Foo 1 0 1 D\n");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 1"), std::string::npos);
  }
  EXPECT_THROW(tz::ParseSource("Z A/B 1 - X\n2 - Y 1990\n\nR bad\n"), std::runtime_error);
}

}  // namespace
}  // namespace vostrane
