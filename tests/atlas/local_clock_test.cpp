// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/LocalClock.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;

// Table 1: New York's clocks in 2020 and 2048 (5 hours west, daylight time
// from 8 March 2:00 to 1 November 2:00; 2048 has the calendar of 2020 and
// stands for 2076, which the table does not hold). Table 2: a place whose standard time
// moved from 4 to 3 hours west on 24 May 2015 at 0:00.
class LocalClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteTables({0, 6}, {Change(1883, 11, 18, 12, 4, 105, 0, kStandardTime),
                                 Change(2020, 3, 8, 2, 0, 105, 0, kDaylightTime),
                                 Change(2020, 11, 1, 2, 0, 105, 0, kStandardTime),
                                 Change(2048, 3, 8, 2, 0, 105, 0, kDaylightTime),
                                 Change(2048, 11, 1, 2, 0, 105, 0, kStandardTime), test::EndOfTable(),
                                 Change(1900, 1, 1, 0, 0, 104, 0, kStandardTime),
                                 Change(2015, 5, 24, 0, 0, 103, 0, kStandardTime), test::EndOfTable()});
  }
  static AtlasFields Fields(const std::string& table, const std::string& date, const std::string& time) {
    AtlasFields f;
    f.dstTable = table;
    f.date = date;
    f.time = time;
    return f;
  }
  test::AtlasFolder folder_;
};

TEST_F(LocalClockTest, GapsAndRepeatsNameTheChangeAndTheStatesAroundIt) {
  struct Case {
    const char *table, *date, *time;
    LocalClockKind kind;
    const char* change;  // date and hour of the change, shift, zone hours byte and code before/after
  };
  const Case cases[] = {
      {"1", "03082020", "023000A", LocalClockKind::Gap, "3/8/2020 2:00 +60 105N>105Y"},
      {"1", "03082020", "020000A", LocalClockKind::Gap, "3/8/2020 2:00 +60 105N>105Y"},
      {"1", "11012020", "013000A", LocalClockKind::Repeated, "11/1/2020 2:00 +60 105Y>105N"},
      {"-1", "11012020", "010000A", LocalClockKind::Repeated, "11/1/2020 2:00 +60 105Y>105N"},
      {"2", "05242015", "121500A", LocalClockKind::Gap, "5/24/2015 0:00 +60 104N>103N"},
      {"2", "05232015", "115900P", LocalClockKind::Normal, "0 104N"},
      {"1", "03082020", "030000A", LocalClockKind::Normal, "0 105Y"},
      {"1", "03082076", "023000A", LocalClockKind::Gap, "3/8/2076 2:00 +60 105N>105Y"},
      {"1", "07041990", "120000P", LocalClockKind::Normal, "0 105N"},
      {"1", "01011800", "120000P", LocalClockKind::Normal, "0 0L"}};
  for (const Case& c : cases) {
    const std::optional<LocalClockCheck> check = CheckLocalClockOfFields(
        Fields(c.table, c.date, c.time));
    ASSERT_TRUE(check) << c.date << " " << c.time;
    EXPECT_EQ(check->kind, c.kind) << c.date << " " << c.time;
    auto state = [](const DstScanResult& s) {
      return std::to_string(s.zoneHours) + kDaylightCodeLetters[s.code];
    };
    const std::string seen = check->kind == LocalClockKind::Normal
                                 ? std::to_string(check->shiftMinutes) + " " + state(check->before)
                                 : std::to_string(check->changeDate.month) + "/" +
                                       std::to_string(check->changeDate.day) + "/" +
                                       std::to_string(check->changeDate.year) + " " +
                                       std::to_string(check->changeHour) + ":" +
                                       (check->changeMinute < 10 ? "0" : "") +
                                       std::to_string(check->changeMinute) + " +" +
                                       std::to_string(check->shiftMinutes) + " " + state(check->before) +
                                       ">" + state(check->after);
    EXPECT_EQ(seen, c.change) << c.date << " " << c.time;
    EXPECT_EQ(
        check->before.zoneHours == check->after.zoneHours && check->before.code == check->after.code,
        c.kind == LocalClockKind::Normal);
  }
}

TEST_F(LocalClockTest, TheCheckRunsOnlyWhereTheLookupWould) {
  for (const AtlasFields& f : {Fields("0", "03082020", "023000A"), Fields("1", "02302020", "023000A"),
                               Fields("1", "03082020", "023000X"), Fields("1", "03082100", "023000A")}) {
    EXPECT_FALSE(CheckLocalClockOfFields(f)) << f.dstTable << " " << f.date << " " << f.time;
  }
}

}  // namespace
}  // namespace vostrane
