// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/MaskedFields.h"

namespace vostrane {
namespace {

// Types the keys one by one into the text, from the caret, as the form does.
FieldEdit Typed(const FieldLayout& layout, const std::string& text, const std::string& keys,
                int caret = 0) {
  FieldEdit edit{text, caret, ""};
  for (char key : keys) edit = TypeIntoField(layout, edit.text, edit.caret, key);
  return edit;
}

// The keys typed, then the field left.
FieldEdit Left(const FieldLayout& layout, const std::string& text, const std::string& keys,
               int caret = 0) {
  return CompleteField(layout, Typed(layout, text, keys, caret).text);
}

TEST(DateText, ValidationRules) {
  const auto d = ParseDateText("07041776");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->month, 7);
  EXPECT_EQ(d->day, 4);
  EXPECT_EQ(d->year, 1776);
  EXPECT_EQ(ParseDateText("0101-999")->year, -999);
  EXPECT_TRUE(ParseDateText("12312300"));
  EXPECT_TRUE(ParseDateText("02291700"));  // an Old Style leap day, to be converted
  EXPECT_FALSE(ParseDateText("02301700"));
  // From 1753 on a date must exist in the Gregorian calendar.
  EXPECT_FALSE(ParseDateText("02291990"));
  EXPECT_FALSE(ParseDateText("02291900"));
  EXPECT_TRUE(ParseDateText("02292000"));
  EXPECT_TRUE(ParseDateText("02291992"));
  EXPECT_FALSE(ParseDateText("04312000"));
  EXPECT_FALSE(ParseDateText("13012000"));
  EXPECT_FALSE(ParseDateText("00012000"));
  EXPECT_FALSE(ParseDateText("01002000"));
  EXPECT_FALSE(ParseDateText("01012301"));
  EXPECT_FALSE(ParseDateText("0101200"));
  EXPECT_FALSE(ParseDateText("010120000"));
  EXPECT_FALSE(ParseDateText("01x12000"));
}

TEST(TimeTyping, TheTimesAsPeopleTypeThem) {
  const FieldLayout& time = TimeLayout();
  for (const char* keys : {"7:05 PM", "7:05p", "0705P", "19:05", "7:5 pm"}) {
    const FieldEdit edit = Left(time, "023600A", keys);
    EXPECT_EQ(edit.text, "070500P") << keys;
    EXPECT_EQ(edit.problem, "") << keys;
  }
  EXPECT_EQ(Left(time, "023600P", "12:30 AM").text, "123000A");
  EXPECT_EQ(Left(time, "023600P", "00:30").text, "123000A");  // midnight in 24-hour form
  EXPECT_EQ(Left(time, "023600A", "23:59:59").text, "115959P");
  EXPECT_EQ(Left(time, "023600P", "1").text, "013600P");  // one digit, then Enter
  EXPECT_EQ(Left(time, "023600P", "a").text, "023600A");
}

TEST(TimeTyping, DigitsMoveTheCaretUnitByUnit) {
  const FieldLayout& time = TimeLayout();
  const FieldEdit seven = Typed(time, "023600P", "7");
  EXPECT_EQ(seven.text, "073600P");  // 7 cannot begin an hour: it is 07
  EXPECT_EQ(seven.caret, 2);
  const FieldEdit one = Typed(time, "023600P", "1");
  EXPECT_EQ(one.text, "1 3600P");  // 1 may begin 10, 11 or 12: the units wait
  EXPECT_EQ(one.caret, 1);
  EXPECT_EQ(one.problem, "");
  // Minutes keep what is typed, so 61 is not read as 06 and a second.
  EXPECT_EQ(Typed(time, "023600P", "6", 2).text, "026 00P");
}

TEST(TimeTyping, ValuesThatCannotExistStayAndSayWhy) {
  const FieldLayout& time = TimeLayout();
  const FieldEdit hour = Typed(time, "023600P", "25");
  EXPECT_EQ(hour.text, "253600P");
  EXPECT_EQ(hour.problem, "Hour 25 is not possible: type 1 to 12 with AM or PM, or 0 to 23.");
  EXPECT_EQ(CompleteField(time, hour.text).problem, hour.problem);
  const FieldEdit minute = Left(time, "023600P", "7:61");
  EXPECT_EQ(minute.text, "076100P");
  EXPECT_EQ(minute.problem, "Minute 61 is not possible: minutes run from 0 to 59.");
  // A character with no place in the time changes nothing.
  const FieldEdit x = Typed(time, "023600P", "x", 3);
  EXPECT_EQ(x.text, "023600P");
  EXPECT_EQ(x.caret, 3);
  EXPECT_EQ(x.problem, "Type the time as digits, then A or P for AM or PM.");
}

TEST(DateTyping, WholeDatesAndShortForms) {
  const FieldLayout& date = DateLayout();
  EXPECT_EQ(Left(date, "03092024", "12251990").text, "12251990");
  EXPECT_EQ(Left(date, "03092024", "7/4/1990").text, "07041990");
  EXPECT_EQ(Left(date, "03092024", "7/4/90").text, "07040090");  // the year as typed
  EXPECT_EQ(Left(date, "03092024", "1").text, "01092024");
  EXPECT_EQ(Left(date, "01011990", "-44", 4).text, "0101-044");
  EXPECT_EQ(Left(date, "02011992", "29", 2).problem, "");  // 29 February of a leap year
}

TEST(DateTyping, DatesThatCannotExistAreReportedNotChanged) {
  const FieldLayout& date = DateLayout();
  const FieldEdit february = Left(date, "03092024", "02/30/1990");
  EXPECT_EQ(february.text, "02301990");
  EXPECT_EQ(february.problem, "Day 30 is not possible: February 1990 has 28 days.");
  EXPECT_EQ(Left(date, "03092024", "02/29/1990").problem,
            "Day 29 is not possible: February 1990 has 28 days.");
  // The day is judged by the month alone until the year is typed.
  EXPECT_EQ(Typed(date, "", "0230").problem, "Day 30 is not possible: February has at most 29 days.");
  EXPECT_EQ(Left(date, "03092024", "04312000").problem,
            "Day 31 is not possible: April 2000 has 30 days.");
  const FieldEdit month = Typed(date, "05051990", "13");
  EXPECT_EQ(month.text, "13051990");
  EXPECT_EQ(month.problem, "Month 13 is not possible: months run from 1 to 12.");
  EXPECT_EQ(Typed(date, "05051990", "00").problem, "Month 0 is not possible: months run from 1 to 12.");
  EXPECT_EQ(Typed(date, "01011990", "32", 2).problem, "Day 32 is not possible: days run from 1 to 31.");
  EXPECT_EQ(Typed(date, "01011990", "2301", 4).problem,
            "Year 2301 is not possible: years run from -999 to 2300.");
  // A unit with nothing in it cannot be left.
  EXPECT_EQ(CompleteField(date, "01  1990").problem, "The day is missing.");
}

TEST(LatitudeTyping, DegreesLetterMinutesSeconds) {
  const FieldLayout& latitude = LatitudeLayout();
  EXPECT_EQ(Left(latitude, "00N0000", "40n4246").text, "40N4246");
  EXPECT_EQ(Left(latitude, "00N0000", "4042s").text, "40S4200");  // digits skip the letter
  const FieldEdit short_ = Typed(latitude, "00N0000", "4s");
  EXPECT_EQ(short_.text, "04S0000");
  EXPECT_EQ(short_.caret, 3);
  EXPECT_EQ(Typed(latitude, "00N0000", "95").problem,
            "Latitude 95\xB0 is not possible: latitudes run from 0\xB0 to 90\xB0.");
  EXPECT_EQ(Left(latitude, "00N0000", "90n30").problem, "A latitude cannot exceed 90\xB0.");
  EXPECT_TRUE(IsValidLatitudeText("05N300"));  // six characters are enough
  EXPECT_FALSE(IsValidLatitudeText("90N0001"));
}

TEST(LongitudeTyping, ThreeDegreeDigitsAndTheDateLine) {
  const FieldLayout& longitude = LongitudeLayout();
  const FieldEdit short_ = Typed(longitude, "000W0000", "74e");
  EXPECT_EQ(short_.text, "074E0000");
  EXPECT_EQ(short_.caret, 4);
  const FieldEdit beyond = Left(longitude, "095W0000", "195");
  EXPECT_EQ(beyond.text, "195W0000");  // refused, not turned into 179
  EXPECT_EQ(beyond.problem, "Longitude 195\xB0 is not possible: longitudes run from 0\xB0 to 180\xB0.");
  EXPECT_EQ(Left(longitude, "000W0000", "180w30").problem, "A longitude cannot exceed 180\xB0.");
  EXPECT_EQ(Left(longitude, "000W0000", "180e").problem, "");
}

TEST(ZoneTyping, HoursAndMinutes) {
  EXPECT_EQ(Typed(ZoneHoursLayout(), "00", "5").text, "05");
  EXPECT_EQ(Left(ZoneHoursLayout(), "00", "1").text, "01");
  EXPECT_EQ(Left(ZoneHoursLayout(), "05", "14").problem,
            "Zone 14 hours is not possible: zones run from 0 to 13 hours.");
  EXPECT_EQ(Left(ZoneMinutesLayout(), "00", "75").problem,
            "Minute 75 is not possible: minutes run from 0 to 59.");
  EXPECT_EQ(Left(ZoneMinutesLayout(), "5", "").text, "05");  // a stored "5" is 05
}

}  // namespace
}  // namespace vostrane
