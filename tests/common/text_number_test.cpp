// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>

#include "common/LargeFont.h"
#include "common/NumberText.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

TEST(TextRoutines, FirstWordStopsAtTheFirstBlank) {
  EXPECT_EQ(FirstWord("Mary Ann Smith"), "Mary");
  EXPECT_EQ(FirstWord("Mary"), "Mary");
  EXPECT_EQ(FirstWord(" Mary"), "");
  EXPECT_EQ(FirstWord(""), "");
}

TEST(TextRoutines, UpperCaseCoversWindows1252Letters) {
  EXPECT_EQ(UpperCase("paris 9e"), "PARIS 9E");
  // é -> É, ÿ -> Ÿ, š -> Š; ÷ and ß have no capital.
  EXPECT_EQ(UpperCase("\xE9\xFF\x9A\xF7\xDF"), "\xC9\x9F\x8A\xF7\xDF");
}

TEST(TextRoutines, PadFillsByMode) {
  EXPECT_EQ(Pad("ab", 5, 'B'), "ab   ");
  EXPECT_EQ(Pad("ab", 5, 'F'), "   ab");
  EXPECT_EQ(Pad("12", 5, 'Z'), "00012");
  EXPECT_EQ(Pad("12", 5, 'X'), "12");
  EXPECT_EQ(Pad("123456", 5, 'Z'), "123456");
  EXPECT_EQ(Pad("12", -3, 'B'), "12");
}

TEST(NumberText, IntegerWidthCountsTheMinusSign) {
  EXPECT_EQ(IntegerToText(7, 3, 'Z'), "007");
  EXPECT_EQ(IntegerToText(-7, 3, 'Z'), "-07");
  EXPECT_EQ(IntegerToText(7, 3, 'B'), "7  ");
  EXPECT_EQ(IntegerToText(-7, 3, 'B'), "-7 ");
  EXPECT_EQ(IntegerToText(7, 3, 'F'), "  7");
  EXPECT_EQ(IntegerToText(7, 3, 'N'), "7");
  EXPECT_EQ(IntegerToText(12345, 3, 'Z'), "12345");
  EXPECT_EQ(IntegerToText(INT64_MIN, 1, 'Z'), "-9223372036854775808");
}

TEST(NumberText, MinusOneFlagLowersOnlyPositiveValues) {
  EXPECT_EQ(IntegerToText(1, 2, 'Z', true), "00");
  EXPECT_EQ(IntegerToText(0, 2, 'Z', true), "00");
  EXPECT_EQ(IntegerToText(-3, 3, 'Z', true), "-03");
  EXPECT_EQ(IntegerToText(10, 2, 'Z', false), "10");
}

TEST(NumberText, RealInFixedNotation) {
  EXPECT_EQ(RealToText(3.14159, 8, 3), "   3.142");
  EXPECT_EQ(RealToText(-3.14159, 8, 3), "  -3.142");
  EXPECT_EQ(RealToText(123456.5, 4, 1), "123456.5");
}

TEST(NumberText, RealModeYFillsWithZerosAndPlacesTheSign) {
  EXPECT_EQ(RealToText(1.5, 6, 2, true), "001.50");
  EXPECT_EQ(RealToText(-1.5, 6, 2, true), "-01.50");
  // No fill character left: the sign goes in front.
  EXPECT_EQ(RealToText(-12.5, 5, 2, true), "-12.50");
  EXPECT_EQ(RealToText(12.5, 5, 2, true), "12.50");
}

TEST(NumberText, IntegerFromTextGivesMinus32767OnError) {
  EXPECT_EQ(IntegerFromText("42   "), 42);
  EXPECT_EQ(IntegerFromText("  -42"), -42);
  EXPECT_EQ(IntegerFromText("4 2"), kNotANumber);
  EXPECT_EQ(IntegerFromText(""), kNotANumber);
  EXPECT_EQ(IntegerFromText("-"), kNotANumber);
  EXPECT_EQ(IntegerFromText("12a"), kNotANumber);
  EXPECT_EQ(IntegerFromText("99999999999"), kNotANumber);
  EXPECT_EQ(IntegerFromText("-2147483648"), INT32_MIN);
}

TEST(NumberText, DecimalsAreStrict) {
  const std::pair<const char*, double> good[] = {
      {"40.7", 40.7}, {"-74", -74}, {"+5", 5}, {".5", 0.5}, {"5.", 5}, {"1e2", 100}, {"-2.5E-1", -0.25}};
  for (const auto& [text, value] : good) EXPECT_EQ(ParseDecimal(text), value) << text;
  for (const char* text :
       {"0x10", "0X1p4", "inf", "nan", "", " 5", "5 ", "5a", "1e", ".", "-", "1e999", "1,5", "--5"})
    EXPECT_FALSE(ParseDecimal(text)) << text;
}

TEST(NumberText, LeadingIntegerOfAListLine) {
  EXPECT_EQ(LeadingInteger("3: Mary  Natal"), 3);
  EXPECT_EQ(LeadingInteger("12: Paris"), 12);
  EXPECT_EQ(LeadingInteger(": Mary"), kNotANumber);
  EXPECT_EQ(LeadingInteger(" 3: Mary"), kNotANumber);
  EXPECT_EQ(LeadingInteger(""), kNotANumber);
  EXPECT_EQ(LeadingInteger("99999999999: overflow"), kNotANumber);
}

TEST(NumberText, RangeCheckKeepsGoodTextAndRestoresBadText) {
  EXPECT_EQ(RangeCheckField(" 1 ", 0, 13, "05"), "1");
  EXPECT_EQ(RangeCheckField("1 2", 0, 200, "05"), "102");
  EXPECT_EQ(RangeCheckField("14", 0, 13, "05"), "05");
  EXPECT_EQ(RangeCheckField("-1", 0, 13, "05"), "05");
  EXPECT_EQ(RangeCheckField("ab", 0, 13, "05"), "05");
  EXPECT_EQ(RangeCheckField("   ", 0, 13, "05"), "05");
}

TEST(LargeFont, ScalesOnlyInLargeMode) {
  SetLargeFonts(false);
  EXPECT_FALSE(LargeFonts());
  EXPECT_EQ(ScaleForLargeFont(401), 401);
  SetLargeFonts(true);
  EXPECT_TRUE(LargeFonts());
  EXPECT_EQ(ScaleForLargeFont(400), 500);
  EXPECT_EQ(ScaleForLargeFont(401), 501);  // 501.25
  EXPECT_EQ(ScaleForLargeFont(2), 3);      // 2.5 rounds away from zero
  EXPECT_EQ(ScaleForLargeFont(3), 4);      // 3.75
  SetLargeFonts(false);
  EXPECT_EQ(ScaleForLargeFont(400), 400);
}

}  // namespace
}  // namespace vostrane
