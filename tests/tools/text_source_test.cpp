// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/textgen/TextSource.h"

#include <gtest/gtest.h>

namespace vostrane::textgen {
namespace {

TextSource Parse(const std::string& content) { return ParseTextSource(content, "texts.txt"); }

std::string FirstError(const std::string& content) {
  const TextSource source = Parse(content);
  return source.errors.empty() ? std::string() : source.errors.front().Format();
}

TEST(TextSource, ReadsTextsCommentsEscapesAndLineEnds) {
  const TextSource source = Parse(
      "# a comment\r\n"
      "\n"
      "3\tName:\r\n"
      "7\t has been saved.\\s\n"
      "9\tback\\\\slash\n"
      "12\tCaf\xC3\xA9 \xE2\x82\xAC 5\n");
  ASSERT_TRUE(source.errors.empty()) << source.errors.front().Format();
  ASSERT_EQ(source.texts.size(), 4u);
  EXPECT_EQ(source.texts[0].number, 3);
  EXPECT_EQ(source.texts[0].text, "Name:");
  EXPECT_EQ(source.texts[1].text, " has been saved. ");
  EXPECT_EQ(source.texts[2].text, "back\\slash");
  EXPECT_EQ(source.texts[3].text, "Caf\xE9 \x80 5");  // Windows-1252
}

TEST(TextSource, LengthIsCountedAfterConversion) {
  std::string accented;
  for (int i = 0; i < 70; ++i) accented += "\xC3\xA9";  // 140 bytes of UTF-8, 70 characters
  EXPECT_TRUE(Parse("1\t" + accented + "\n").errors.empty());
  EXPECT_TRUE(Parse("1\t" + std::string(70, 'x') + "\n").errors.empty());
  EXPECT_EQ(FirstError("1\tok\n2\t" + std::string(71, 'x') + "\n"),
            "texts.txt:2: text 2 is 71 characters long; at most 70 fit");
}

TEST(TextSource, RejectsMalformedLines) {
  EXPECT_EQ(FirstError("12 no tab\n"), "texts.txt:1: expected a text number, a tab and the text");
  EXPECT_NE(FirstError("0\tzero\n").find("bad text number \"0\""), std::string::npos);
  EXPECT_NE(FirstError("12a\tx\n").find("bad text number"), std::string::npos);
  EXPECT_NE(FirstError(" 12\tx\n").find("bad text number"), std::string::npos);
  EXPECT_NE(FirstError("40000\tx\n").find("bad text number"), std::string::npos);
  EXPECT_EQ(FirstError("5\ta\n5\tb\n"), "texts.txt:2: text 5 is given twice");
  EXPECT_NE(FirstError("5\ta\n4\tb\n").find("out of order"), std::string::npos);
  EXPECT_EQ(FirstError("5\t\n"), "texts.txt:1: text 5 is empty; leave the number out instead");
  EXPECT_NE(FirstError("5\ta\\nb\n").find("unknown escape"), std::string::npos);
  EXPECT_NE(FirstError("5\ta\tb\n").find("control character"), std::string::npos);
  // An arrow has no Windows-1252 code; a lone continuation byte is not UTF-8.
  EXPECT_NE(FirstError("5\ta \xE2\x86\x92 b\n").find("Windows-1252"), std::string::npos);
  EXPECT_NE(FirstError("5\ta\x80z\n").find("not valid UTF-8"), std::string::npos);
}

TEST(TextSource, ReportsEveryBadLine) {
  const TextSource source = Parse("1\tgood\nbad\n3\t" + std::string(80, 'y') + "\n4\tfine\n");
  ASSERT_EQ(source.errors.size(), 2u);
  EXPECT_EQ(source.errors[0].line, 2);
  EXPECT_EQ(source.errors[1].line, 3);
}

TEST(TextSource, BuildsPaddedRecordsWithEmptyGaps) {
  const std::string file = BuildMessageTextFile({{1, "Sun"}, {3, std::string(70, 'z')}});
  ASSERT_EQ(file.size(), 3 * kTextRecordSize);
  EXPECT_EQ(file.substr(0, 4), std::string("\x03Sun"));
  EXPECT_EQ(file.substr(4, 67), std::string(67, ' '));
  EXPECT_EQ(file[71], '\0');  // text 2 is empty
  EXPECT_EQ(file.substr(72, 70), std::string(70, ' '));
  EXPECT_EQ(static_cast<unsigned char>(file[142]), 70);
  EXPECT_EQ(file.substr(143), std::string(70, 'z'));
}

}  // namespace
}  // namespace vostrane::textgen
