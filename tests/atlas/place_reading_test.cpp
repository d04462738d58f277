// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/DstTablesRelease.h"
#include "atlas/PlaceReading.h"
#include "atlas/ZoneRecheck.h"
#include "platform/ScriptedMessageService.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;
using test::EndOfTable;

// Table 1: US Eastern style, 5 hours west, with war time in 1942-1945 and
// daylight time from 1946; table 2: Central, 6 hours west, daylight time in
// the summers of 1958 to 1960.
class PlaceReadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteTables(
        {0, 6},
        {Change(1883, 11, 18, 12, 4, 105, 0, 0), Change(1942, 2, 9, 2, 0, 105, 0, 2),
         Change(1945, 9, 30, 2, 0, 105, 0, 0), Change(1960, 4, 24, 2, 0, 105, 0, 1),
         Change(1960, 10, 30, 2, 0, 105, 0, 0), EndOfTable(), Change(1883, 11, 18, 12, 9, 106, 0, 0),
         Change(1958, 4, 27, 2, 0, 106, 0, 1), Change(1958, 10, 26, 2, 0, 106, 0, 0),
         Change(1959, 4, 26, 2, 0, 106, 0, 1), Change(1959, 10, 25, 2, 0, 106, 0, 0),
         Change(2010, 3, 14, 2, 0, 106, 0, 1), Change(2010, 11, 7, 2, 0, 106, 0, 0), EndOfTable()});
    folder_.WritePlaces({{"Chicago, IL", 2, "ILL", "41N5100", "087W3900"},
                         {"Erie, PA", -1, "PEN", "42N0745", "080W0506"},
                         {"Nowhere, XX", 0, "XXX", "01S0203", "004E0506"}});
  }

  AtlasFields Entry(const std::string& place, const std::string& date,
                    const std::string& time = "120000P") {
    AtlasFields f;
    f.place = place;
    f.date = date;
    f.time = time;
    f.latitude = "00N0000";
    f.longitude = "000W0000";
    f.zoneHours = "0";
    f.zoneMinutes = "00";
    f.zoneEastWest = "W";
    f.daylight = "N";
    f.dstTable = "0";
    return f;
  }

  test::AtlasFolder folder_;
};

TEST_F(PlaceReadingTest, AReadPlaceFillsCoordinatesTableZoneAndDaylight) {
  ScopedScriptedMessages messages;
  AtlasFields f = Entry("erie, pa  ", "06011950");
  EXPECT_EQ(ReadPlaceIntoFields(f, 0, PlacesTable()), AtlasFocus::Name);
  EXPECT_EQ(f.place, "Erie, PA");
  EXPECT_EQ(f.latitude, "42N0745");
  EXPECT_EQ(f.longitude, "080W0506");
  EXPECT_EQ(f.dstTable, "-1");
  EXPECT_EQ(f.zoneHours + f.zoneMinutes + f.zoneEastWest + f.daylight, "50WN");
  EXPECT_TRUE(messages->Shown().empty());

  // A partial name reads the place FindNear lands on.
  AtlasFields south = Entry("NOW", "06011950");
  EXPECT_EQ(ReadPlaceIntoFields(south, 0, PlacesTable()), AtlasFocus::ZoneHours);
  EXPECT_EQ(south.place, "Nowhere, XX");
  EXPECT_EQ(south.latitude, "01S0203");
  EXPECT_EQ(south.longitude, "004E0506");
  EXPECT_EQ(south.daylight + south.zoneHours, "N0");  // no table: the user types the zone
}

TEST_F(PlaceReadingTest, OtherChartTypesTakeOnlyThePlace) {
  AtlasFields f = Entry("Erie, PA", "06011960");
  EXPECT_EQ(ReadPlaceIntoFields(f, 2, PlacesTable()), AtlasFocus::Name);
  EXPECT_EQ(f.latitude, "42N0745");
  EXPECT_EQ(f.zoneHours + f.zoneEastWest + f.daylight, "0WN");
  AtlasFields eight = Entry("Erie, PA", "06011960");
  ReadPlaceIntoFields(eight, 8, PlacesTable());
  EXPECT_EQ(eight.zoneHours + eight.zoneEastWest + eight.daylight, "5WY");
}

TEST_F(PlaceReadingTest, PennsylvaniaDaylightTimeUpTo1970IsWarnedAbout) {
  ScopedScriptedMessages messages;
  AtlasFields f = Entry("Erie, PA", "06011960");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_EQ(f.daylight, "Y");
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_EQ(messages->Shown()[0].icon, MsgIcon::Warning);
  EXPECT_TRUE(messages->Saw("at this time in Pennsylvania, but not all places actually observed it!"));
  messages->Clear();
  f = Entry("Erie, PA", "06011971");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PlaceReadingTest, IllinoisDaylightOrWarTimeBeforeJuly1959IsWarnedAbout) {
  ScopedScriptedMessages messages;
  AtlasFields f = Entry("Chicago, IL", "06151959");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_EQ(f.daylight, "Y");
  EXPECT_TRUE(
      messages->Saw("Warning! Daylight Savings Time was legally observed\r\nat this time in Illinois"));
  EXPECT_TRUE(messages->Saw("future versions of Vostrane"));
  messages->Clear();
  f = Entry("Chicago, IL", "07151959");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_EQ(f.daylight, "Y");
  EXPECT_TRUE(messages->Shown().empty());

  // The war-time wording of the same warning.
  EXPECT_EQ(DaylightWarning("ILL", 'W', CalendarDate{6, 15, 1959}, std::nullopt)
                .value_or("")
                .rfind("Warning! War Time was legally observed", 0),
            0u);
  EXPECT_FALSE(DaylightWarning("ILL", 'W', CalendarDate{7, 15, 1959}, std::nullopt));
  EXPECT_FALSE(DaylightWarning("ILL", 'N', CalendarDate{6, 15, 1950}, std::nullopt));
}

TEST_F(PlaceReadingTest, YearsAfterTheTablesReleaseGetTheNoteNamingIt) {
  ScopedScriptedMessages messages;
  // Without "DSTVER.DAT" the release is not known: years after 2005.
  AtlasFields f = Entry("Chicago, IL", "01152010");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_TRUE(
      messages->Saw("Note that the year of this chart, 2010, is after\r\nthe release of the "
                    "IANA time zone database,\r\n"));
  EXPECT_TRUE(messages->Saw("may have changed\r\nby the year 2010."));
  EXPECT_EQ(messages->Count("2010"), 1);

  // With the release named, only years after its year, and the note names it.
  folder_.Folder().Write(kDstReleaseFileName, "2011a\n");
  messages->Clear();
  f = Entry("Chicago, IL", "01152011");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_TRUE(messages->Shown().empty());
  f = Entry("Chicago, IL", "01152012");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  EXPECT_TRUE(
      messages->Saw("Note that the year of this chart, 2012, is after\r\nthe release 2011a of "
                    "the IANA time zone database,"));

  EXPECT_FALSE(DaylightWarning("XXX", 'N', CalendarDate{12, 31, 2025}, "2025b"));
  EXPECT_TRUE(DaylightWarning("XXX", 'N', CalendarDate{1, 1, 2026}, "2025b"));
}

TEST(DstTablesRelease, OnlyAReleaseNameIsTaken) {
  test::TempFolder folder;
  EXPECT_FALSE(DstTablesRelease());
  folder.Write(kDstReleaseFileName, "2025b\r\n");
  EXPECT_EQ(DstTablesRelease(), "2025b");
  EXPECT_EQ(DstReleaseYear("2025b"), 2025);
  for (const char* damaged : {"", "2025", "20x5b", "2025bcd", "2025B",
                              "\xFF\xFE"
                              "2025b",
                              " 2025b"}) {
    folder.Write(kDstReleaseFileName, damaged);
    EXPECT_FALSE(DstTablesRelease()) << damaged;
  }
  // A huge file is read no further than its start.
  folder.Write(kDstReleaseFileName, "2024a\n" + std::string(1 << 20, 'x'));
  EXPECT_EQ(DstTablesRelease(), "2024a");
}

TEST_F(PlaceReadingTest, TheRecheckAsksOnlyWhenTheZoneOrDaylightChanges) {
  ScopedScriptedMessages messages;
  AtlasFields f = Entry("Erie, PA", "01151960", "080000A");
  ReadPlaceIntoFields(f, 0, PlacesTable());
  ASSERT_EQ(f.daylight, "N");
  messages->Clear();

  f.date = "02151960";  // still standard time
  SeeIfTzOrDstIsDifferent(f, 'D', PlacesTable());
  EXPECT_TRUE(messages->Shown().empty());

  f.date = "06151960";  // across the change to daylight time
  const AtlasFields before = f;
  messages->Answer(MsgAnswer::No);
  SeeIfTzOrDstIsDifferent(f, 'D', PlacesTable());
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_EQ(messages->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages->Shown()[0].text,
            MessageText(8990) + MessageText(8991) + " " + MessageText(8988) + "?");
  EXPECT_EQ(
      f.zoneHours + f.zoneMinutes + f.zoneEastWest + f.daylight + f.dstTable,
      before.zoneHours + before.zoneMinutes + before.zoneEastWest + before.daylight + before.dstTable);

  messages->Answer(MsgAnswer::Yes);
  f.time = "090000A";
  SeeIfTzOrDstIsDifferent(f, 'T', PlacesTable());
  EXPECT_TRUE(messages->Saw(MessageText(8989) + "?"));
  EXPECT_EQ(f.daylight, "Y");
}

TEST_F(PlaceReadingTest, TheRecheckFindsTheTableAgainWhenTheFieldHoldsZero) {
  ScopedScriptedMessages messages;
  messages->Answer(MsgAnswer::Yes);
  AtlasFields f = Entry("Chicago, IL", "06151958");
  SeeIfTzOrDstIsDifferent(f, 'D', PlacesTable());
  EXPECT_EQ(f.dstTable, "2");
  EXPECT_EQ(f.zoneHours + f.zoneEastWest + f.daylight, "6WY");
}

}  // namespace
}  // namespace vostrane
