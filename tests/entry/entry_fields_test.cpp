// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's rules without a window: copying the form into an
// entry, the texts of a shown entry, a new entry's defaults, the longitude
// text, the zone, letter and time rules, and the date notes.
#include <gtest/gtest.h>

#include <cmath>

#include "entry/BirthDataFields.h"
#include "entry/DateNotes.h"
#include "entry/EntryDescriptions.h"
#include "entry/EntryMarks.h"
#include "entry/FieldRules.h"

namespace vostrane {
namespace {

BirthDataFields Complete() {
  BirthDataFields f;
  f.name = "  Ann Lee ";
  f.date = "07041990";
  f.time = "023615P";
  f.place = "Boston, MA ";
  f.latitude = "42N2130";
  f.longitude = "071W0337";
  f.zoneHours = "5";
  f.zoneMinutes = "30";
  f.zoneEastWest = "W";
  f.daylight = "Y";
  f.dstTable = "17";
  return f;
}

TEST(CopyFormIntoEntry, CompleteFormFillsTheEntry) {
  ChartEntry e;
  e.InitNewEntry('T', 1);
  e.setBiography(1, "old notes");
  ASSERT_EQ(CopyFieldsIntoEntry(Complete(), e), kFormValid);
  EXPECT_EQ(e.name(), "Ann Lee");
  EXPECT_EQ(e.alternateName(), "Ann Lee");
  EXPECT_EQ(e.place(), "Boston, MA");
  EXPECT_EQ(e.month(), 7);
  EXPECT_EQ(e.day(), 4);
  EXPECT_EQ(e.year(), 1990);
  EXPECT_EQ(e.hours(), 14);
  EXPECT_EQ(e.minutes(), 36);
  EXPECT_EQ(e.seconds(), 15);
  EXPECT_NEAR(e.latitude(), 42 + 21 / 60.0 + 30 / 3600.0, 1e-12);
  EXPECT_NEAR(e.longitude(), 71 + 3 / 60.0 + 37 / 3600.0, 1e-12);
  EXPECT_DOUBLE_EQ(e.zoneHoursWest(), 5.5);
  EXPECT_EQ(e.daylightCode(), 1);
  EXPECT_EQ(e.dstTable(), 17);
  EXPECT_EQ(e.biography(1), std::string(180, ' '));
  EXPECT_EQ(e.printoutParam(64), 7);
  EXPECT_EQ(e.printoutParam(66), 1990);
  EXPECT_EQ(e.printoutParam(73), 0);  // secondary date only for progressions
}

TEST(CopyFormIntoEntry, SouthEastAndTwelveOClock) {
  BirthDataFields f = Complete();
  f.latitude = "33S5200";
  f.longitude = "151E1300";
  f.zoneHours = "10";
  f.zoneMinutes = "00";
  f.zoneEastWest = "E";
  f.time = "120500A";
  ChartEntry e;
  ASSERT_EQ(CopyFieldsIntoEntry(f, e), kFormValid);
  EXPECT_NEAR(e.latitude(), -(33 + 52 / 60.0), 1e-12);
  EXPECT_NEAR(e.longitude(), -(151 + 13 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(e.zoneHoursWest(), -10.0);
  EXPECT_EQ(e.hours(), 0);
  f.time = "120500P";
  ASSERT_EQ(CopyFieldsIntoEntry(f, e), kFormValid);
  EXPECT_EQ(e.hours(), 12);
}

TEST(CopyFormIntoEntry, FirstInvalidFieldStopsTheCopy) {
  struct Case {
    void (*spoil)(BirthDataFields&);
    int code;
  };
  const Case cases[] = {
      {[](BirthDataFields& f) { f.name = "   "; }, kNoName},
      {[](BirthDataFields& f) { f.place = ""; }, kNoPlace},
      {[](BirthDataFields& f) { f.date = "02301990"; }, kBadDate},
      {[](BirthDataFields& f) { f.time = "023615X"; }, kBadTime},
      {[](BirthDataFields& f) { f.time = "136015P"; }, kBadTime},
      {[](BirthDataFields& f) { f.latitude = "42X2130"; }, kBadLatitude},
      {[](BirthDataFields& f) { f.longitude = "071N0337"; }, kBadLongitude},
      {[](BirthDataFields& f) { f.zoneEastWest = "X"; }, kBadZone},
      {[](BirthDataFields& f) { f.zoneHours = "14"; }, kBadZone},
      {[](BirthDataFields& f) { f.dstTable = "1a"; }, kBadDstTable},
      {[](BirthDataFields& f) { f.daylight = "Q"; }, kBadDaylight},
  };
  for (const Case& c : cases) {
    BirthDataFields f = Complete();
    c.spoil(f);
    ChartEntry e;
    e.setYear(1234);
    e.setDaylightCode(3);
    EXPECT_EQ(CopyFieldsIntoEntry(f, e), c.code);
    // Fields after the failing one are not copied.
    if (c.code <= kBadDate) {
      EXPECT_EQ(e.year(), 1234) << c.code;
    }
    EXPECT_EQ(e.daylightCode(), 3) << c.code;
    EXPECT_EQ(e.biography(2), std::string(180, ' '));
  }
}

TEST(CopyFormIntoEntry, ProgressionGetsItsSecondaryDateAndTime) {
  ChartEntry e;
  e.setChartType(4);
  ASSERT_EQ(CopyFieldsIntoEntry(Complete(), e), kFormValid);
  EXPECT_EQ(e.printoutParam(73), 7);
  EXPECT_EQ(e.printoutParam(74), 4);
  EXPECT_EQ(e.printoutParam(75), 1990);
  EXPECT_EQ(e.printoutParam(182), 14);
  EXPECT_EQ(e.printoutParam(183), 36);
  EXPECT_EQ(e.printoutParam(184), 15);
}

TEST(FieldsFromEntry, SplitsBackWhatWasCopied) {
  ChartEntry e;
  BirthDataFields f = Complete();
  f.name = "Ann Lee";
  f.place = "Boston, MA";
  f.zoneHours = "5";
  ASSERT_EQ(CopyFieldsIntoEntry(f, e), kFormValid);
  const BirthDataFields back = FieldsFromEntry(e);
  EXPECT_EQ(back.name, f.name);
  EXPECT_EQ(back.place, f.place);
  EXPECT_EQ(back.date, f.date);
  EXPECT_EQ(back.time, f.time);
  EXPECT_EQ(back.latitude, f.latitude);
  EXPECT_EQ(back.longitude, f.longitude);
  EXPECT_EQ(back.zoneHours, "5");
  EXPECT_EQ(back.zoneMinutes, "30");
  EXPECT_EQ(back.zoneEastWest, "W");
  EXPECT_EQ(back.daylight, "Y");
  EXPECT_EQ(back.dstTable, "17");
  EXPECT_EQ(back.houseSystem, 'F');
  EXPECT_EQ(back.zodiac, 'T');

  // House system and zodiac go into the entry even when a later field is
  // invalid; letters the calculation does not know become its defaults.
  f.houseSystem = 'C';
  f.zodiac = 'S';
  f.date = "13011990";
  ASSERT_EQ(CopyFieldsIntoEntry(f, e), kBadDate);
  EXPECT_EQ(e.houseSystemLetter(), 'C');
  EXPECT_EQ(e.zodiacLetter(), 'S');
  EXPECT_EQ(FieldsFromEntry(e).houseSystem, 'C');
  EXPECT_EQ(FieldsFromEntry(e).zodiac, 'S');
  f.houseSystem = 'J';
  f.zodiac = 'L';
  CopyFieldsIntoEntry(f, e);
  EXPECT_EQ(e.houseSystemLetter(), 'J');
  EXPECT_EQ(e.zodiacLetter(), 'L');
  EXPECT_EQ(FieldsFromEntry(e).houseSystem, 'J');
  EXPECT_EQ(FieldsFromEntry(e).zodiac, 'L');
  f.houseSystem = 'W';
  f.zodiac = 'x';
  CopyFieldsIntoEntry(f, e);
  EXPECT_EQ(e.houseSystemLetter(), 'F');
  EXPECT_EQ(e.zodiacLetter(), 'T');
  e.setHouseSystemLetter('\0');
  EXPECT_EQ(FieldsFromEntry(e).houseSystem, 'F');

  e.setYear(-44);
  e.setHours(0);
  e.setZoneHoursWest(-2.0);
  e.setLatitude(-12.5);
  EXPECT_EQ(FieldsFromEntry(e).date, "0704-044");
  EXPECT_EQ(FieldsFromEntry(e).time, "123615A");
  EXPECT_EQ(FieldsFromEntry(e).zoneEastWest, "E");
  EXPECT_EQ(FieldsFromEntry(e).latitude, "12S3000");
}

TEST(NewEntryFields, ClockTimeRoundedToTheMinute) {
  auto at = [](int h, int m, int s) { return NewEntryFields({{3, 9, 2024}, {h, m, s}}).time; };
  EXPECT_EQ(at(14, 35, 31), "023600P");
  EXPECT_EQ(at(14, 35, 30), "023500P");
  EXPECT_EQ(at(23, 59, 45), "115900P");
  EXPECT_EQ(at(11, 59, 31), "120000P");
  EXPECT_EQ(at(0, 4, 0), "120400A");
  const BirthDataFields f = NewEntryFields({{3, 9, 2024}, {9, 0, 0}});
  EXPECT_EQ(f.date, "03092024");
  EXPECT_EQ(f.latitude, "00N0000");
  EXPECT_EQ(f.longitude, "000W0000");
  EXPECT_EQ(f.zoneHours + "/" + f.zoneMinutes + "/" + f.zoneEastWest, "0/00/W");
  EXPECT_EQ(f.daylight, "N");
  EXPECT_EQ(f.dstTable, "0");
  EXPECT_TRUE(f.name.empty() && f.place.empty());
}

TEST(LongitudeText, Rules) {
  EXPECT_TRUE(IsValidLongitudeText("180E0000"));
  EXPECT_FALSE(IsValidLongitudeText("180W3000"));
  EXPECT_FALSE(IsValidLongitudeText("195W0000"));
  EXPECT_FALSE(IsValidLongitudeText("075W6000"));
  EXPECT_FALSE(IsValidLongitudeText("075N0000"));
  EXPECT_FALSE(IsValidLongitudeText("0750W000"));
  EXPECT_TRUE(IsValidLongitudeText("75W1000"));  // padded to 075W1000
}

TEST(ZoneAndLetterFields, EnterAndExitRules) {
  EXPECT_EQ(ZoneTextOnEnter("5"), "05");
  EXPECT_EQ(ZoneTextOnEnter("12"), "12");
  EXPECT_EQ(LetterOnEnter("", kEastWestLetters, 'W'), "W");
  EXPECT_EQ(LetterOnEnter("Q", kDaylightFieldLetters, 'N'), "N");
  EXPECT_EQ(LetterOnEnter("D", kDaylightFieldLetters, 'N'), "D");
  EXPECT_EQ(LetterAfterKey("X", kEastWestLetters, "E"), "E");
  EXPECT_EQ(LetterAfterKey("W", kEastWestLetters, "E"), "W");
  EXPECT_TRUE(KeepsGreenwichZone(2) && KeepsGreenwichZone(4));
  EXPECT_FALSE(KeepsGreenwichZone(0) || KeepsGreenwichZone(6));
}

TEST(TimeExit, MissingLetterIsAm) {
  EXPECT_EQ(TimeOnExit("023600X"), "023600A");
  EXPECT_EQ(TimeOnExit("023600"), "023600A");
  EXPECT_EQ(TimeOnExit("023600P"), "023600P");
}

TEST(DateNotes, WordsAndOldStyle) {
  EXPECT_EQ(DateInWords({1, 5, 1990}), "January 5, 1990");
  EXPECT_EQ(DateInWords({3, 15, -44}), "March 15, 44 B.C.");
  EXPECT_TRUE(NeedsOldStyleQuestion(1752) && !NeedsOldStyleQuestion(1753));
  // The day after 4 October 1582 (Julian) was 15 October 1582 (Gregorian).
  const CalendarDate reform = OldStyleToNewStyle({10, 5, 1582});
  EXPECT_EQ(reform.month, 10);
  EXPECT_EQ(reform.day, 15);
  EXPECT_EQ(reform.year, 1582);
  // 1700 was a leap year only in the Old Style: 11 days apart after February.
  const CalendarDate summer = OldStyleToNewStyle({7, 4, 1700});
  EXPECT_EQ(summer.month * 100 + summer.day, 715);
  EXPECT_EQ(OldStyleKeptText({7, 15, 1700}).rfind("OK. Date has NOT been changed.", 0), 0u);
  EXPECT_TRUE(OldStyleKeptText({7, 15, -10}).ends_with("July 15, 10 B.C."));
}

TEST(EntryDescriptions, ListLinesAndHeader) {
  ChartEntry natal;
  natal.InitNewEntry('T', 1);
  natal.setName("Ann Lee");
  EXPECT_EQ(EntryListLine(1, natal, "Composite"), "1: Ann Lee  Natal");
  natal.setHarmonic(5);
  EXPECT_EQ(EntryListLine(1, natal, "Composite"), "1: Ann Lee  Natal, 5");
  ChartEntry composite = natal;
  composite.setChartType(1);
  composite.setBaseEntry(1);
  composite.setSecondBaseEntry(3);
  EXPECT_EQ(EntryListLine(4, composite, "Composite"), "4: Composite of entry 1 and 3");
  ChartEntry solar = natal;
  solar.setChartType(2);
  solar.setHarmonic(1);
  EXPECT_EQ(EntryListLine(2, solar, "Composite"), "2: Ann Lee Solar Return");

  const auto lines = HeaderLines(solar, Complete(), 2, 3);
  EXPECT_EQ(lines[0], "Entry 2 of 3: Ann Lee");
  EXPECT_EQ(lines[1], "Solar Return");
  EXPECT_EQ(lines[2], "July 4, 1990   02:36:15 PM");
  EXPECT_EQ(lines[3],
            "Boston, MA   42\xB0"
            "21'30\"N 071\xB0"
            "03'37\"W");
}

TEST(EntryMarks, DefaultPrintoutsAndFlags) {
  ChartEntry e;
  e.InitNewEntry('T', 1);
  ApplyDefaultPrintouts(e, "YAAANXXXYBBBNXXX");
  EXPECT_EQ(e.printoutCode(1, 1), "AAA");
  EXPECT_EQ(e.printoutCode(2, 1), "BBB");
  EXPECT_EQ(e.printoutCode(3, 1), "XXX");
  EXPECT_EQ(e.printoutCode(25, 1), "XXX");
  EXPECT_EQ(e.printoutParam(441), 2);
  EXPECT_FALSE(OldStyleAsked(e));
  SetOldStyleAsked(e);
  EXPECT_TRUE(OldStyleAsked(e));
  EXPECT_FALSE(IsDuplicateName(e));
  SetDuplicateName(e, true);
  EXPECT_TRUE(IsDuplicateName(e));
}

}  // namespace
}  // namespace vostrane
