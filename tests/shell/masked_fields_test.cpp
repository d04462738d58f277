#include <gtest/gtest.h>

#include "shell/MaskedFields.h"

namespace vostrane {
namespace {

// A keystroke that changed the field, with the caret after the typed digit.
FieldCorrection Date(const std::string& text, const std::string& previous, int caret = 1,
                     FieldKey key = FieldKey::Other, int selection = 1) {
  return CorrectDateField({text, caret, selection}, previous, key);
}

FieldCorrection Time12(const std::string& text, const std::string& previous, int caret = 1,
                       FieldKey key = FieldKey::Other) {
  return CorrectTimeField({text, caret, 1}, previous, key, ClockForm::Hours12);
}

FieldCorrection Time24(const std::string& text, const std::string& previous, int caret = 1,
                       FieldKey key = FieldKey::Other) {
  return CorrectTimeField({text, caret, 1}, previous, key, ClockForm::Hours24);
}

TEST(DateText, ValidationRules) {
  const auto d = ParseDateText("07041776");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->month, 7);
  EXPECT_EQ(d->day, 4);
  EXPECT_EQ(d->year, 1776);
  EXPECT_EQ(ParseDateText("0101-999")->year, -999);
  EXPECT_TRUE(ParseDateText("12312300"));
  EXPECT_TRUE(ParseDateText("02291700"));  // an Old Style leap day must be enterable
  EXPECT_FALSE(ParseDateText("02301700"));
  EXPECT_FALSE(ParseDateText("04312000"));
  EXPECT_FALSE(ParseDateText("13012000"));
  EXPECT_FALSE(ParseDateText("00012000"));
  EXPECT_FALSE(ParseDateText("01002000"));
  EXPECT_FALSE(ParseDateText("01012301"));
  EXPECT_FALSE(ParseDateText("0101200"));
  EXPECT_FALSE(ParseDateText("010120000"));
  EXPECT_FALSE(ParseDateText("01x12000"));
}

TEST(DateField, MonthCorrections) {
  EXPECT_EQ(Date("13051990", "05051990").field.text, "10051990");
  EXPECT_EQ(Date("19051990", "05051990").field.text, "10051990");
  EXPECT_EQ(Date("00051990", "05051990").field.text, "01051990");
  EXPECT_EQ(Date("25051990", "05051990").field.text, "05051990");
  EXPECT_EQ(Date("30051990", "05051990").field.text, "01051990");
  EXPECT_EQ(Date("12051990", "05051990").field.text, "12051990");
}

TEST(DateField, DayCorrections) {
  EXPECT_EQ(Date("02311990", "02011990", 4).field.text, "02281990");
  EXPECT_EQ(Date("04311990", "04011990", 4).field.text, "04301990");
  EXPECT_EQ(Date("01321990", "01011990", 4).field.text, "01301990");
  EXPECT_EQ(Date("01311990", "01011990", 4).field.text, "01311990");
  EXPECT_EQ(Date("01001990", "01011990", 4).field.text, "01011990");
  EXPECT_EQ(Date("02291991", "02011991", 4).field.text, "02291991");
  // The day is checked against the corrected month: 13/31 becomes 10/31.
  EXPECT_EQ(Date("13311990", "01011990").field.text, "10311990");
  // 02/30 of a month typed as 32 -> 02, then the day of February.
  EXPECT_EQ(Date("32301990", "01011990").field.text, "02281990");
}

TEST(DateField, YearCorrections) {
  EXPECT_EQ(Date("01012500", "01011990", 7).field.text, "01012000");
  EXPECT_EQ(Date("01013000", "01011990", 7).field.text, "01011990");
  EXPECT_EQ(Date("0101-500", "01011990", 7).field.text, "0101-500");
  EXPECT_EQ(Date("01011-00", "01011990", 7).field.text, "01011990");
}

TEST(DateField, BlanksAndShortTextsComeFromThePreviousText) {
  EXPECT_EQ(Date("05 11990", "04231985", 4).field.text, "05211990");
  EXPECT_EQ(Date("0511", "04231985").field.text, "04231985");
  // A short previous text is filled to 00000123, then month and day 00 become 01.
  EXPECT_EQ(Date("", "123").field.text, "01010123");
  EXPECT_EQ(Date("0x051990", "05051990").field.text, "05051990");
}

TEST(DateField, CaretStaysAndSelectionIsCutToOne) {
  const FieldCorrection r = Date("13051990", "05051990", 1, FieldKey::Other, 3);
  EXPECT_TRUE(r.textChanged);
  EXPECT_EQ(r.field.caret, 1);
  EXPECT_EQ(r.field.selectionLength, 1);
  EXPECT_EQ(r.result, kFieldStay);
  EXPECT_FALSE(Date("05051990", "05051990").textChanged);
}

TEST(DateField, MoveKeys) {
  EXPECT_EQ(Date("13051990", "05051990", 0, FieldKey::Enter).result, kFieldNext);
  EXPECT_EQ(Date("13051990", "05051990", 0, FieldKey::Down).result, kFieldNext);
  EXPECT_EQ(Date("13051990", "05051990", 0, FieldKey::Up).result, kFieldPrevious);
  // A move key corrects nothing beyond the length rule.
  EXPECT_EQ(Date("13051990", "05051990", 0, FieldKey::Enter).field.text, "13051990");
  // Right jumps over the separators of MM/DD/YYYY.
  EXPECT_EQ(Date("05051990", "", 0, FieldKey::Right).field.caret, 1);
  EXPECT_EQ(Date("05051990", "", 1, FieldKey::Right).field.caret, 3);
  EXPECT_EQ(Date("05051990", "", 4, FieldKey::Right).field.caret, 6);
  EXPECT_EQ(Date("05051990", "", 9, FieldKey::Right).field.caret, 10);
  EXPECT_EQ(Date("05051990", "", 10, FieldKey::Right).field.caret, 10);
}

TEST(TimeField, TwelveHourCorrections) {
  EXPECT_EQ(Time12("133000P", "103000A").field.text, "103000P");
  EXPECT_EQ(Time12("253000P", "053000A").field.text, "053000P");
  EXPECT_EQ(Time12("203000P", "053000A").field.text, "013000P");
  // 00: the first digit was just typed, so 01 lets the second be typed next.
  EXPECT_EQ(Time12("003000A", "103000A", 1).field.text, "013000A");
  EXPECT_EQ(Time12("003000A", "103000A", 3).field.text, "123000A");
  EXPECT_EQ(Time12("123000P", "103000A").field.text, "123000P");
}

TEST(TimeField, TwentyFourHourCorrections) {
  EXPECT_EQ(Time24("253000", "103000").field.text, "233000");
  EXPECT_EQ(Time24("003000", "103000").field.text, "003000");
  EXPECT_EQ(Time24("133000", "103000").field.text, "133000");
}

TEST(TimeField, MinutesAndSecondsOfSixtyOrMore) {
  const FieldCorrection m = Time12("107500A", "100500A", 4);
  EXPECT_EQ(m.field.text, "100500A");
  EXPECT_EQ(m.field.caret, 3);
  const FieldCorrection s = Time24("100599", "100500", 7);
  EXPECT_EQ(s.field.text, "100509");
  EXPECT_EQ(s.field.caret, 6);
  EXPECT_EQ(Time24("105959", "100500", 7).field.caret, 7);
}

TEST(TimeField, BadTextComesBack) {
  EXPECT_EQ(Time12("10", "093000A").field.text, "093000A");
  EXPECT_EQ(Time12("1 3000A", "093000A").field.text, "103000A");
  EXPECT_EQ(Time12("1a3000A", "093000A").field.text, "093000A");
  EXPECT_EQ(Time24("10", "").field.text, "");
}

TEST(TimeField, RightArrowSkipsSeparators) {
  EXPECT_EQ(Time12("103000A", "", 1, FieldKey::Right).field.caret, 3);
  EXPECT_EQ(Time12("103000A", "", 4, FieldKey::Right).field.caret, 6);
  EXPECT_EQ(Time12("103000A", "", 7, FieldKey::Right).field.caret, 9);
  EXPECT_EQ(Time12("103000A", "", 9, FieldKey::Right).field.caret, 9);
  EXPECT_EQ(Time24("103000", "", 6, FieldKey::Right).field.caret, 7);
  EXPECT_EQ(Time24("103000", "", 7, FieldKey::Right).field.caret, 8);
  EXPECT_EQ(Time24("103000", "", 8, FieldKey::Right).field.caret, 8);
  EXPECT_EQ(Time24("253000", "", 0, FieldKey::Up).result, kFieldPrevious);
  EXPECT_EQ(Time24("253000", "", 0, FieldKey::Up).field.text, "253000");
}

TEST(LatitudeField, ValidTextsAreKeptAndBlanksBecomeZero) {
  EXPECT_TRUE(IsValidLatitudeText("40N4246"));
  EXPECT_TRUE(IsValidLatitudeText("90S0000"));
  EXPECT_TRUE(IsValidLatitudeText("05N300"));  // six characters are enough
  const FieldCorrection r = CorrectLatitudeField({"4 N42 6", 1, 1}, "00N0000", FieldKey::Other);
  EXPECT_EQ(r.field.text, "40N4206");
  EXPECT_TRUE(r.textChanged);
}

TEST(LatitudeField, InvalidTextsBringBackThePreviousText) {
  for (const char* bad : {"95N0000", "90N0001", "90N3000", "40X4246", "40N6000", "40N4260",
                          "N400000", "40N42", "40N42460", "4aN4246"}) {
    EXPECT_FALSE(IsValidLatitudeText(bad)) << bad;
    EXPECT_EQ(CorrectLatitudeField({bad, 1, 1}, "12S3456", FieldKey::Other).field.text,
              "12S3456")
        << bad;
  }
}

TEST(LatitudeField, MoveKeys) {
  EXPECT_EQ(CorrectLatitudeField({"95N0000", 0, 1}, "", FieldKey::Enter).result, kFieldNext);
  EXPECT_EQ(CorrectLatitudeField({"95N0000", 0, 1}, "", FieldKey::Down).result, kFieldNext);
  EXPECT_EQ(CorrectLatitudeField({"95N0000", 0, 1}, "", FieldKey::Up).result, kFieldPrevious);
}

}  // namespace
}  // namespace vostrane
