// SPDX-License-Identifier: GPL-3.0-or-later
// The letters of the wheel styles turned into the values the drawing uses:
// every letter a style can hold, and the unknown ones.
#include <gtest/gtest.h>

#include <optional>

#include "wheel/PositionTables.h"
#include "wheel/StyleLetters.h"
#include "wheel/WheelDefinition.h"

namespace vostrane {
namespace {

TEST(StyleLetters, FontStylesAndUnknownLettersKeepTheStyle) {
  EXPECT_EQ(TextStyleFromLetter('B'), TextStyle::Bold);
  EXPECT_EQ(TextStyleFromLetter('I'), TextStyle::Italic);
  EXPECT_EQ(TextStyleFromLetter('N'), TextStyle::Normal);
  for (char other : {'b', 'i', 'n', 'Q', ' ', '\0', 'Y'})
    EXPECT_EQ(TextStyleFromLetter(other), TextStyle::Keep) << other;
}

TEST(StyleLetters, RingLineStylesGivePenWidthAndDoubleLines) {
  struct Case {
    char letter;
    int widths;
    bool doubled;
  };
  const Case cases[] = {{'D', 1, true}, {'N', 1, false}, {'T', 2, false},  {'d', 2, true},
                        {'v', 4, true}, {'X', 4, false}, {'\0', 4, false}, {'t', 4, false}};
  for (const Case& c : cases) {
    const RingLines lines = RingLinesFromLetter(c.letter);
    EXPECT_EQ(lines.widths, c.widths) << c.letter;
    EXPECT_EQ(lines.doubled, c.doubled) << c.letter;
  }
}

TEST(StyleLetters, HeaderLayoutsWithLeftForAnyOtherLetter) {
  EXPECT_EQ(HeaderLayoutFromLetter('L'), HeaderLayout::Left);
  EXPECT_EQ(HeaderLayoutFromLetter('R'), HeaderLayout::Right);
  EXPECT_EQ(HeaderLayoutFromLetter('M'), HeaderLayout::ThreeAcross);
  EXPECT_EQ(HeaderLayoutFromLetter('C'), HeaderLayout::Alternating);
  for (char other : {'r', 'm', 'c', 'X', '\0'})
    EXPECT_EQ(HeaderLayoutFromLetter(other), HeaderLayout::Left) << other;
}

TEST(StyleLetters, TheDefinitionReadsItsLettersAtTheirOffsets) {
  WheelDefinition def;
  def.SetLetter(wheel_offset::tableStyle, 'I');
  def.SetLetter(wheel_offset::headerStyle, 'x');
  def.SetLetter(wheel_offset::ringLineStyle, 'd');
  def.SetLetter(wheel_offset::headerLayout, 'M');
  EXPECT_EQ(def.Style(wheel_offset::tableStyle), TextStyle::Italic);
  EXPECT_EQ(def.Style(wheel_offset::headerStyle), TextStyle::Keep);
  EXPECT_EQ(def.ringLines().widths, 2);
  EXPECT_TRUE(def.ringLines().doubled);
  EXPECT_EQ(def.headerLayout(), HeaderLayout::ThreeAcross);
}

TEST(StyleLetters, PositionColumnsOfSingleAndMultiWheels) {
  const PositionColumn inOrder[] = {
      PositionColumn::Longitude,      PositionColumn::Declination,     PositionColumn::Speed,
      PositionColumn::Latitude,       PositionColumn::RightAscension,  PositionColumn::OtherZodiac,
      PositionColumn::HelioLongitude, PositionColumn::HelioLatitude,   PositionColumn::HelioOtherZodiac,
      PositionColumn::OuterLongitude, PositionColumn::OuterDeclination};
  for (int i = 0; i < 11; ++i) {
    const char letter = static_cast<char>('A' + i);
    EXPECT_EQ(PositionColumnFromLetter(letter, true), inOrder[i]) << letter;
    // The outer rings' columns J and K show nothing on a single wheel.
    if (i < 9) EXPECT_EQ(PositionColumnFromLetter(letter, false), inOrder[i]) << letter;
    else EXPECT_EQ(PositionColumnFromLetter(letter, false), std::nullopt) << letter;
  }
  for (char empty : {'L', 'Z', ' ', 'a', '\0', '@'}) {
    EXPECT_EQ(PositionColumnFromLetter(empty, true), std::nullopt) << empty;
    EXPECT_EQ(PositionColumnFromLetter(empty, false), std::nullopt) << empty;
  }
}

}  // namespace
}  // namespace vostrane
