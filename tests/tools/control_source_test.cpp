// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/textgen/ControlSource.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vostrane::textgen {
namespace {

constexpr size_t kSize = 641;

ControlSource Parse(const std::string& content) {
  return ParseControlSource(content, "ctrl.txt", kSize);
}

std::string FirstError(const std::string& content) {
  const ControlSource source = Parse(content);
  return source.errors.empty() ? std::string() : source.errors.front().Format();
}

template <typename T>
T At(const std::string& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof(T));
  return value;
}

TEST(ControlSource, StoresEveryFieldTypeAtItsOffset) {
  const ControlSource source = Parse(
      "# options\n"
      "2    char     'Y'         # a flag\n"
      "7    i32      0x00E0E0E0\n"
      "11   i32      -5\n"
      "20   char     '#'\n"
      "47   string40 \"YAAA # not a comment\"\n"
      "279  f64      1.25\n"
      "345  i16      -2\n"
      "371  chars    \"XX\\\"X\"\n"
      "640  char     '\\''\n");
  ASSERT_TRUE(source.errors.empty()) << source.errors.front().Format();
  const std::string record = BuildControlRecord(source.fields, kSize);
  ASSERT_EQ(record.size(), kSize);
  EXPECT_EQ(record[0], '\0');
  EXPECT_EQ(record[2], 'Y');
  EXPECT_EQ(At<int32_t>(record, 7), 0x00E0E0E0);
  EXPECT_EQ(record.substr(7, 4), std::string("\xE0\xE0\xE0\x00", 4));  // little-endian
  EXPECT_EQ(At<int32_t>(record, 11), -5);
  EXPECT_EQ(record[20], '#');
  EXPECT_EQ(record[47], 20);
  EXPECT_EQ(record.substr(48, 20), "YAAA # not a comment");
  EXPECT_EQ(record.substr(68, 20), std::string(20, '\0'));
  EXPECT_EQ(At<double>(record, 279), 1.25);
  EXPECT_EQ(At<int16_t>(record, 345), -2);
  EXPECT_EQ(record.substr(371, 4), "XX\"X");
  EXPECT_EQ(record[640], '\'');
}

TEST(ControlSource, RejectsOverlappingAndOversizedFields) {
  EXPECT_EQ(FirstError("345 i16 -2\n346 char 'N'\n"),
            "ctrl.txt:2: offset 346: the field overlaps the field at offset 345 (line 1)");
  EXPECT_NE(FirstError("47 string40 \"\"\n80 char 'Y'\n").find("overlaps"), std::string::npos);
  EXPECT_EQ(FirstError("47 string40 \"\"\n88 char 'T'\n"), "");  // 47 + 41 = 88 is free
  EXPECT_NE(FirstError("640 i16 1\n").find("run past the end of the 641-byte record"),
            std::string::npos);
  EXPECT_NE(FirstError("641 char 'Y'\n").find("bad offset \"641\""), std::string::npos);
  EXPECT_NE(FirstError("-1 char 'Y'\n").find("bad offset"), std::string::npos);
}

TEST(ControlSource, RejectsBadValues) {
  const char* bad[] = {
      "2 char Y\n",             // char without quotes
      "2 char 'YN'\n",          // two characters
      "2 chars XXX\n",          // chars without quotes
      "47 string3 \"ABCD\"\n",  // too long for string[3]
      "47 string0 \"\"\n",      // no such string type
      "345 i16 40000\n",        // out of range
      "345 i16 1.5\n",          // not an integer
      "7 i32 0x1FFFFFFFF\n",    // out of range
      "279 f64 one\n",          // not a number
      "279 f64 1e999\n",        // not finite
      "279 f64 \"1.0\"\n",      // quoted number
      "2 flag 'Y'\n",           // unknown type
      "2 char 'Y' extra\n",     // text after the value
      "47 string40 \"open\n",   // closing quote missing
      "2 char\n",               // value missing
  };
  for (const char* line : bad) {
    const ControlSource source = Parse(line);
    ASSERT_EQ(source.errors.size(), 1u) << line;
    EXPECT_EQ(source.errors[0].Format().rfind("ctrl.txt:1: ", 0), 0u) << line;
    EXPECT_TRUE(source.fields.empty()) << line;
  }
}

}  // namespace
}  // namespace vostrane::textgen
