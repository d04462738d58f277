// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/DstLookup.h"
#include "platform/ScriptedMessageService.h"
#include "common/Calendar.h"
#include "common/MessageTextFile.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;
using test::EndOfTable;

AtlasFields Birth(const std::string& table, const std::string& date, const std::string& time) {
  AtlasFields f;
  f.dstTable = table;
  f.date = date;
  f.time = time;
  f.zoneHours = "7";
  f.zoneMinutes = "7";
  f.zoneEastWest = "E";
  f.daylight = "D";
  return f;
}

std::string Zone(const AtlasFields& f) {
  return f.zoneHours + ":" + f.zoneMinutes + " " + f.zoneEastWest + " " + f.daylight;
}

// Table 1 starts on 1 January 1883 at 12:00 and changes three times on
// 1 June 1950 (at 0:00, 12:00 and 13:00).
class DstLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteTables({0}, {Change(1883, 1, 1, 12, 0, 105, 0, kStandardTime),
                              Change(1950, 6, 1, 0, 0, 106, 0, kStandardTime),
                              Change(1950, 6, 1, 12, 0, 106, 0, kDaylightTime),
                              Change(1950, 6, 1, 13, 0, 106, 0, kDoubleDaylight), EndOfTable()});
  }
  test::AtlasFolder folder_;
};

TEST_F(DstLookupTest, AChangeDatedAtTheBirthMinuteIsNotYetInEffect) {
  AtlasFields f = Birth("1", "01011883", "120000P");
  EXPECT_EQ(FillDaylightFromDateAndTable(f, BadDstInput::AskFocus), AtlasFocus::None);
  EXPECT_EQ(Zone(f), "0:0 W L");
  f = Birth("1", "01011883", "120100P");
  FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
  EXPECT_EQ(Zone(f), "5:0 W N");
  // Seconds play no part: 12:01:00 and 12:01:59 agree, and 12:00:59 is
  // still before the change.
  f = Birth("1", "01011883", "120159P");
  FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
  EXPECT_EQ(Zone(f), "5:0 W N");
  f = Birth("1", "01011883", "120059P");
  FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
  EXPECT_EQ(Zone(f), "0:0 W L");
}

TEST_F(DstLookupTest, TwelveOClockHoursAreComparedInTwentyFourHourForm) {
  AtlasFields f = Birth("1", "06011950", "123000A");  // 0:30
  FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
  EXPECT_EQ(Zone(f), "6:0 W N");
  f = Birth("1", "06011950", "123000P");  // 12:30
  FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
  EXPECT_EQ(Zone(f), "6:0 W Y");
  f = Birth("1", "06011950", "013000P");  // 13:30
  FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
  EXPECT_EQ(Zone(f), "6:0 W D");
}

TEST_F(DstLookupTest, NegativeTableNumbersSelectTheTableOfTheirAbsoluteValue) {
  AtlasFields plus = Birth("1", "07011960", "080000A");
  AtlasFields minus = Birth("-1", "07011960", "080000A");
  FillDaylightFromDateAndTable(plus, BadDstInput::AskFocus);
  FillDaylightFromDateAndTable(minus, BadDstInput::AskFocus);
  EXPECT_EQ(Zone(plus), "6:0 W D");
  EXPECT_EQ(Zone(minus), Zone(plus));
  EXPECT_EQ(minus.dstTable, "-1");
}

TEST_F(DstLookupTest, BadInputsChangeOnlyTheTableNumberAndAskForTheFocus) {
  for (const char* number : {"0", "2809", "-2809", "abc"}) {
    AtlasFields f = Birth(number, "07011960", "080000A");
    EXPECT_EQ(FillDaylightFromDateAndTable(f, BadDstInput::AskFocus), AtlasFocus::ZoneHours) << number;
    EXPECT_EQ(f.dstTable, "0");
    EXPECT_EQ(Zone(f), "7:7 E D");
  }
  AtlasFields badDate = Birth("1", "02301960", "080000A");
  EXPECT_EQ(FillDaylightFromDateAndTable(badDate, BadDstInput::AskFocus), AtlasFocus::Date);
  EXPECT_EQ(FillDaylightFromDateAndTable(badDate, BadDstInput::LeaveFocus), AtlasFocus::None);
  AtlasFields badTime = Birth("1", "07011960", "080000X");
  EXPECT_EQ(FillDaylightFromDateAndTable(badTime, BadDstInput::AskFocus), AtlasFocus::ZoneHours);
  AtlasFields tooLate = Birth("1", "01012100", "080000A");
  EXPECT_EQ(FillDaylightFromDateAndTable(tooLate, BadDstInput::AskFocus), AtlasFocus::ZoneHours);
  for (const AtlasFields* f : {&badDate, &badTime, &tooLate}) {
    EXPECT_EQ(Zone(*f), "7:7 E D");
    EXPECT_EQ(f->dstTable, "1");
  }
}

TEST_F(DstLookupTest, BirthsBefore1800AreLocalMeanTime) {
  AtlasFields f = Birth("1", "07011799", "080000A");
  FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
  EXPECT_EQ(Zone(f), "0:0 W L");
}

TEST(DstLookup, ZoneBytesGiveHoursMinutesAndTheSide) {
  struct Case {
    int hours, minutes;
    const char* shown;
  };
  for (const Case c : {Case{105, 30, "5:30 W N"}, Case{95, 0, "5:0 E N"}, Case{100, 226, "0:30 E N"},
                       Case{100, 0, "0:0 W N"}, Case{112, 0, "12:0 W N"}, Case{87, 45, "13:45 E N"}}) {
    test::AtlasFolder folder;
    folder.WriteTables({0}, {Change(1900, 1, 1, 0, 0, c.hours, c.minutes, kStandardTime), EndOfTable()});
    AtlasFields f = Birth("1", "01011950", "120000P");
    FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
    EXPECT_EQ(Zone(f), c.shown) << c.hours << " " << c.minutes;
    // The encoding the generator writes gives the same zone back.
    uint8_t h = 0, m = 0;
    EncodeZone(ZoneMinutesEast(static_cast<uint8_t>(c.hours), static_cast<uint8_t>(c.minutes)), h, m);
    EXPECT_EQ(ZoneMinutesEast(h, m),
              ZoneMinutesEast(static_cast<uint8_t>(c.hours), static_cast<uint8_t>(c.minutes)));
  }
}

// Table 1 holds one change a year on 1 January from 2000 to its last year;
// its zone minutes tell which year's record a lookup took.
void WriteYearlyTable(test::AtlasFolder& folder, int lastYear, const DstChangeRecord& end) {
  std::vector<DstChangeRecord> records;
  for (int year = 2000; year <= lastYear; ++year)
    records.push_back(Change(year, 1, 1, 0, 0, 100, year - 2000, 0));
  records.push_back(end);
  // Another table behind it, as in a real file: no lookup may read into it.
  records.push_back(Change(1900, 1, 1, 0, 0, 110, 0, 0));
  records.push_back(EndOfTable());
  folder.WriteTables({0}, records);
}

TEST(DstLookup, YearsAfterTheLastTableYearAreLookedUpAsTheirEquivalentYear) {
  struct Case {
    int year, read;
  };
  const struct {
    int lastYear;
    DstChangeRecord end;
    std::vector<Case> cases;
  } tables[] = {
      // Generated tables hold every year through 2055.
      {2055, EndOfTable(), {{2030, 2030}, {2055, 2055}, {2056, 2028}, {2064, 2036}, {2099, 2054}}},
      // A table of an older installation ends with 2024.
      {2024, test::EndOf2024Table(), {{2030, 2019}, {2064, 2008}, {2099, 2015}, {2024, 2024}}}};
  for (const auto& table : tables) {
    test::AtlasFolder folder;
    WriteYearlyTable(folder, table.lastYear, table.end);
    ScopedScriptedMessages messages;
    for (const Case& c : table.cases) {
      AtlasFields f = Birth("1", "0601" + std::to_string(c.year), "120000P");
      FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
      EXPECT_EQ(f.zoneMinutes, std::to_string(c.read - 2000)) << table.lastYear << " " << c.year;
    }
    AtlasFields f = Birth("1", "06012100", "120000P");
    FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
    EXPECT_EQ(Zone(f), "7:7 E D");
    EXPECT_TRUE(messages->Shown().empty());
  }
}

TEST(DstLookup, EquivalentYearsShareTheWeekdayOfFirstJanuaryAndTheLeapYearRule) {
  auto weekday = [](int year) {  // of 1 January, Zeller-style
    const int y = year - 1;
    return (1 + 5 * (y % 4) + 4 * (y % 100) + 6 * (y % 400)) % 7;
  };
  for (const int lastYear : {2024, 2055}) {
    for (int year = lastYear + 1; year <= 2099; ++year) {
      const int e = EquivalentYear(year, lastYear);
      EXPECT_GT(e, lastYear - 28);
      EXPECT_LE(e, lastYear);
      EXPECT_EQ(weekday(e), weekday(year)) << year;
      EXPECT_EQ(DaysInFebruary(e), DaysInFebruary(year)) << year;
    }
  }
  EXPECT_EQ(EquivalentYear(2053, 2024), 2014);
  EXPECT_EQ(EquivalentYear(2081, 2024), 2014);
  EXPECT_EQ(EquivalentYear(2054), 2054);
  EXPECT_EQ(EquivalentYear(2100), 2100);
  EXPECT_EQ(EquivalentYear(1999), 1999);
}

TEST(DstLookup, ALinkRecordInTheMiddleOfAChainIsFollowed) {
  // Table 1: 1900, 1950, then a link to the shared tail at record 4:
  // 1960, 1970. Table 2 is the tail alone.
  test::AtlasFolder folder;
  folder.WriteTables({0, 4},
                     {Change(1900, 1, 1, 0, 0, 101, 0, 0), Change(1950, 1, 1, 0, 0, 102, 0, 0),
                      DstChangeRecord::Link(4), EndOfTable(), Change(1960, 1, 1, 0, 0, 103, 0, 1),
                      Change(1970, 1, 1, 0, 0, 104, 0, 0), EndOfTable()});
  const std::pair<const char*, const char*> cases[] = {
      {"06011955", "2:0 W N"}, {"06011965", "3:0 W Y"}, {"06011975", "4:0 W N"}};
  for (const auto& [date, zone] : cases) {
    AtlasFields f = Birth("1", date, "120000P");
    FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
    EXPECT_EQ(Zone(f), zone) << date;
  }
  AtlasFields tail = Birth("2", "06011955", "120000P");
  FillDaylightFromDateAndTable(tail, BadDstInput::LeaveFocus);
  EXPECT_EQ(Zone(tail), "0:0 W L");
}

TEST(DstLookup, DamagedTablesShowAMessageAndLeaveTheFieldsAsTheyWere) {
  struct Case {
    std::vector<uint16_t> index;
    std::vector<DstChangeRecord> records;
    const char* message;
  };
  const Case cases[] = {
      // The chain runs off the end of the file.
      {{0}, {Change(1900, 1, 1, 0, 0, 101, 0, 0)}, "DST.FIL"},
      // A link into nowhere.
      {{0}, {Change(1900, 1, 1, 0, 0, 101, 0, 0), DstChangeRecord::Link(999)}, "DST.FIL"},
      // A link back to the start: a loop, not a hang.
      {{0}, {Change(1900, 1, 1, 0, 0, 101, 0, 0), DstChangeRecord::Link(0)}, "DST.FIL"},
      // A code beyond L.
      {{0}, {Change(1900, 1, 1, 0, 0, 101, 0, 9), EndOfTable()}, "DST.FIL"},
      // The table's first record lies beyond the file.
      {{50}, {EndOfTable()}, "Unable to read the daylight-time table"}};
  for (const Case& c : cases) {
    test::AtlasFolder folder;
    folder.WriteTables(c.index, c.records);
    ScopedScriptedMessages messages;
    AtlasFields f = Birth("1", "06011955", "120000P");
    FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
    EXPECT_TRUE(messages->Saw(c.message));
    EXPECT_EQ(Zone(f), "7:7 E D");
  }
}

TEST(DstTableIndexFile, AMissingOrShortIndexMakesEveryTableNumberCountAsZero) {
  test::AtlasFolder folder;
  {
    ScopedScriptedMessages messages;
    LoadDstTableIndex();
    EXPECT_TRUE(messages->Saw("ERROR! File DSTRECS.DAT not found on disk. Re-install Vostrane!!!"));
    EXPECT_TRUE(
        messages->Saw("ERROR! Unable to read data from file DSTRECS.DAT. Re-install this file!"));
  }
  folder.Folder().Write(kDstChangeFileName,
                        test::ChangeFileBytes({Change(1900, 1, 1, 0, 0, 101, 0, 0), EndOfTable()}));
  OpenDstChangeFile();
  folder.Folder().Write(kDstIndexFileName, std::string(100, '\0'));
  {
    ScopedScriptedMessages messages;
    LoadDstTableIndex();
    EXPECT_EQ(messages->Shown().size(), 1u);
    EXPECT_TRUE(messages->Saw("Unable to read data from file DSTRECS.DAT"));
  }
  AtlasFields f = Birth("1", "06011955", "120000P");
  EXPECT_EQ(FillDaylightFromDateAndTable(f, BadDstInput::AskFocus), AtlasFocus::ZoneHours);
  EXPECT_EQ(f.dstTable, "0");
  EXPECT_EQ(Zone(f), "7:7 E D");
}

}  // namespace
}  // namespace vostrane
