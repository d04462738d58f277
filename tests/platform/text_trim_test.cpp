// SPDX-License-Identifier: GPL-3.0-or-later
// Each trimming variant removes its own characters and nothing more: a tab
// inside a one-byte field is data, a tab around a definition line is not.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/TextTrim.h"

namespace vostrane {
namespace {

TEST(TextTrim, TrimRemovesOnlyTheBlanksOfItsSide) {
  EXPECT_EQ(TrimRight("  a b  "), "  a b");
  EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(TrimRight(""), "");
  EXPECT_EQ(Trim("\ta\r"), "\ta\r");
  EXPECT_EQ(Trim(" \t a \t "), "\t a \t");
  EXPECT_EQ(TrimLeft(std::string("\0 a", 3)), std::string("\0 a", 3));
}

TEST(TextTrim, TrimSpaceRemovesEveryKindOfWhiteSpace) {
  EXPECT_EQ(TrimSpace(" \t\r\n\v\fNAME,C,25,0 \t\r\n"), "NAME,C,25,0");
  EXPECT_EQ(TrimSpace("a \t b"), "a \t b");
  EXPECT_EQ(TrimSpace("\t \r\n"), "");
  EXPECT_EQ(TrimSpace(""), "");
  EXPECT_EQ(TrimSpace(std::string_view("  key = value  ").substr(0, 6)), "key");
}

TEST(TextTrim, TrimRightOfRemovesOnlyTheNamedTrailingCharacters) {
  EXPECT_EQ(TrimRightOf("  About Vostrane \t\r", " \t\r"), "  About Vostrane");
  EXPECT_EQ(TrimRightOf("\r\r", " \t\r"), "");
  EXPECT_EQ(TrimRightOf("page\f", " \t\r"), "page\f");
  EXPECT_EQ(TrimRightOf("a\r b", " \t\r"), "a\r b");
  EXPECT_EQ(TrimRightOf("2024a\t", "\n\r "), "2024a\t");
  EXPECT_EQ(TrimRightOf("2024a \r\n", "\n\r "), "2024a");
  EXPECT_EQ(TrimRightOf("abc", ""), "abc");
}

TEST(TextTrim, TrimBlanksAndZerosKeepsTheNumberBetweenThem) {
  EXPECT_EQ(TrimBlanksAndZeros(std::string_view("\0\0  -12 \0", 9)), "-12");
  EXPECT_EQ(TrimBlanksAndZeros("  1 2  "), "1 2");
  EXPECT_EQ(TrimBlanksAndZeros(std::string_view("\0 \0", 3)), "");
  EXPECT_EQ(TrimBlanksAndZeros("\t5\t"), "\t5\t");
  // The result views the original text, without a copy.
  const std::string_view field = "   42";
  EXPECT_EQ(TrimBlanksAndZeros(field).data(), field.data() + 3);
}

}  // namespace
}  // namespace vostrane
