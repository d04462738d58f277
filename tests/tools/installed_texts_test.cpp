// SPDX-License-Identifier: GPL-3.0-or-later
// The message text file generated into the installation folder: its shape,
// a text for every number the program uses, and the texts whose form other
// code relies on (table widths, exact lengths, joined sentences).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

constexpr size_t kRecord = 71;

class InstalledTexts : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(test::InstallFile("QIRTEXT.DAT"), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    bytes_ = s.str();
  }

  // Text k, or "<missing>" when the file has no record k - 1.
  static std::string Text(int k) {
    const size_t at = static_cast<size_t>(k - 1) * kRecord;
    if (k < 1 || at + kRecord > bytes_.size()) return "<missing>";
    const size_t length = std::min<size_t>(static_cast<unsigned char>(bytes_[at]), 70);
    return bytes_.substr(at + 1, length);
  }

  static std::string Joined(std::initializer_list<int> numbers) {
    std::string s;
    for (int k : numbers) s += Text(k);
    return s;
  }

  static std::string bytes_;
};

std::string InstalledTexts::bytes_;

std::vector<int> UsedTextNumbers() {
  std::ifstream in(test::SourceFile("tests/tools/cited_text_numbers.txt"));
  std::vector<int> numbers;
  std::string line;
  while (std::getline(in, line))
    if (!line.empty() && line[0] != '#') numbers.push_back(std::stoi(line));
  return numbers;
}

TEST_F(InstalledTexts, IsWholeRecordsOfAtMostSeventyCharacters) {
  ASSERT_FALSE(bytes_.empty());
  ASSERT_EQ(bytes_.size() % kRecord, 0u);
  for (size_t at = 0; at < bytes_.size(); at += kRecord)
    ASSERT_LE(static_cast<unsigned char>(bytes_[at]), 70) << "record " << at / kRecord;
}

TEST_F(InstalledTexts, EveryUsedNumberHasAText) {
  const std::vector<int> numbers = UsedTextNumbers();
  ASSERT_GT(numbers.size(), 200u);
  for (int k : numbers) {
    const std::string text = Text(k);
    EXPECT_NE(text, "<missing>") << "text " << k;
    EXPECT_NE(text.find_first_not_of(' '), std::string::npos) << "text " << k << " is blank";
  }
}

TEST_F(InstalledTexts, NameTablesFitTheirFifteenCharacterFields) {
  // House systems, zodiacs, points, signs, aspect kinds, elements and modes.
  for (int k = 10007; k <= 10019; ++k) EXPECT_LE(Text(k).size(), 15u) << "text " << k;
  for (int k = 11168; k <= 11234; ++k) EXPECT_LE(Text(k).size(), 15u) << "text " << k;
  EXPECT_EQ(Text(10012), "Placidus");  // house system 'F', the one new charts use
  EXPECT_EQ(Text(11197), "Aries");
  EXPECT_EQ(Text(11208), "Pisces");
}

TEST_F(InstalledTexts, FontTableStartsWithTheGlyphFont) {
  EXPECT_EQ(Text(9991), "Vostrane Glyphs");
  std::set<std::string> names;
  for (int k = 9991; k <= 10006; ++k) names.insert(Text(k));
  EXPECT_EQ(names.size(), 16u) << "the sixteen font letters name sixteen fonts";
  EXPECT_EQ(Text(9992), "DejaVu Sans");
}

TEST_F(InstalledTexts, FormCaptionsAndCompletedWords) {
  EXPECT_EQ(Text(13017), "Name:");
  EXPECT_EQ(Text(13018), "Date:");
  EXPECT_EQ(Text(13019), "Time:");
  EXPECT_EQ(Text(13022), "Hrs");
  EXPECT_EQ(Text(13023), "Mins");
  // The label beside the E/W letter completes it into a word.
  EXPECT_EQ("W" + Text(8934), "West");
  EXPECT_EQ("E" + Text(8975), "East");
  EXPECT_EQ("W" + Text(13024), "West");
  EXPECT_EQ("E" + Text(13084), "East");
  EXPECT_EQ(Text(8969), "(No)");
}

TEST_F(InstalledTexts, NotFoundRowsAndFallbackDateHaveTheirExactForm) {
  // The lists recognise their not-found row by its exact text and length.
  EXPECT_EQ(Text(13092).size(), 12u);
  EXPECT_EQ(Text(13093).size(), 13u);
  // The fallback date goes into the masked date field as MMDDYYYY.
  const std::string date = Text(8992);
  ASSERT_EQ(date.size(), 8u);
  EXPECT_TRUE(std::all_of(date.begin(), date.end(), ::isdigit));
  const int month = std::stoi(date.substr(0, 2));
  const int day = std::stoi(date.substr(2, 2));
  EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 28) << date;
}

TEST_F(InstalledTexts, JoinedTextsReadAsSentences) {
  const std::vector<std::string> joined = {
      Joined({8938, 8953}),
      Joined({8973, 8974}),
      Joined({8978, 8979}),
      Joined({8996, 8997, 8998}),
      Joined({9007, 9008, 9009}),
      Joined({9018, 9019}),
      Joined({9060, 9061}),
      Joined({13063, 13064, 13065}),
      Joined({13107, 13108}),
      Text(13058) + " John" + Joined({13059, 13055}),
      Text(8990) + Text(8991) + " " + Text(8988) + "?",
      Text(8882) + " " + Text(8995) + ".",
      "John" + Text(8951),
      "\"John\"" + Text(8952),
      Text(9022) + " John" + Text(9023),
      "John" + Text(13057),
      "John" + Text(9028),
  };
  for (const std::string& s : joined) {
    EXPECT_EQ(s.find("  "), std::string::npos) << s;
    // A word ending in a stop or comma needs a blank after it ("DST.FIL" is a name).
    for (size_t i = 1; i + 1 < s.size(); ++i)
      EXPECT_FALSE((s[i] == '.' || s[i] == ',' || s[i] == ':' || s[i] == ';') &&
                   std::islower(static_cast<unsigned char>(s[i - 1])) &&
                   std::isalpha(static_cast<unsigned char>(s[i + 1])))
          << "missing blank in: " << s;
    for (size_t i = 0; i + 1 < s.size(); ++i)
      EXPECT_FALSE(std::islower(static_cast<unsigned char>(s[i])) &&
                   std::isupper(static_cast<unsigned char>(s[i + 1])))
          << "words run together in: " << s;
  }
}

}  // namespace
}  // namespace vostrane
