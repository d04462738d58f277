// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ScriptedMessageService.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "tests/support/ControlRecordBytes.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(ChartSettings, LettersNamesAndTheirDefaults) {
  const auto text = [](int number) { return std::to_string(number); };
  EXPECT_EQ(HouseSystemDisplayName('A', text), "10007");
  EXPECT_EQ(HouseSystemDisplayName('I', text), "10015");
  EXPECT_EQ(HouseSystemDisplayName('J', text), "Whole Sign");
  EXPECT_EQ(HouseSystemDisplayName('U', text), "Sunshine");
  // Every letter the calculation knows stays as it is.
  for (char known : {'A', 'I', 'J', 'U', 'V'}) EXPECT_EQ(HouseSystemOrDefault(known), known);
  for (char unknown : {'W', 'a', '\0', ' '}) {
    EXPECT_EQ(HouseSystemOrDefault(unknown), 'F') << int(unknown);
    EXPECT_EQ(HouseSystemDisplayName(unknown, text), "10012");
  }
  EXPECT_EQ(HouseSystemCount(), 22);
  EXPECT_EQ(HouseSystemLetterAt(HouseSystemIndex('C')), 'C');
  EXPECT_EQ(ZodiacDisplayName('T', text), "10018");
  EXPECT_EQ(ZodiacDisplayName('S', text), "10019, Fagan-Bradley");
  EXPECT_EQ(ZodiacDisplayName('L', text), "10019, Lahiri (Chitrapaksha)");
  for (char known : {'T', 'S', 'L', 'K', 'U'}) EXPECT_EQ(ZodiacOrDefault(known), known);
  EXPECT_EQ(ZodiacOrDefault('s'), 'T');
  EXPECT_EQ(ZodiacOrDefault('X'), 'T');
  // Lists offer every zodiac but the user-defined one, tropical first.
  const std::vector<char> offered = OfferedZodiacLetters();
  EXPECT_EQ(std::string(offered.begin(), offered.end()), "TSLRKYCD");
}

TEST(ChartSettings, SaveQuestionKeepsALetterThatAlreadyMeansTheChoice) {
  EXPECT_EQ(SaveQuestionOf('Y'), SaveQuestion::Ask);
  EXPECT_EQ(SaveQuestionOf('G'), SaveQuestion::Always);
  EXPECT_EQ(SaveQuestionOf('S'), SaveQuestion::Always);
  EXPECT_EQ(SaveQuestionOf('N'), SaveQuestion::Never);
  EXPECT_EQ(SaveQuestionOf('\0'), SaveQuestion::Never);
  EXPECT_EQ(SaveOptionFor(SaveQuestion::Always, 'G'), 'G');
  EXPECT_EQ(SaveOptionFor(SaveQuestion::Always, 'Y'), 'S');
  EXPECT_EQ(SaveOptionFor(SaveQuestion::Never, 'X'), 'X');
  EXPECT_EQ(SaveOptionFor(SaveQuestion::Never, 'S'), 'N');
  EXPECT_EQ(SaveOptionFor(SaveQuestion::Ask, 'N'), 'Y');
}

// The preferences go to their four bytes of ZORCTRL.DAT; the others stay.
TEST(ChartSettings, PreferencesRoundTripThroughTheControlFile) {
  test::TempFolder folder;
  std::string bytes(kControlRecordSize, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 53 + 7) & 0xFF);
  bytes = test::InRangeControlBytes(bytes);
  bytes[control_offset::saveOption] = 'G';
  bytes[control_offset::defaultHouseSystemLetter] = '\0';  // a record from before the setting
  folder.Write(kControlFileName, bytes);
  ScopedScriptedMessages messages;
  OpenControlFile();

  Preferences p = ReadPreferences(Control());
  EXPECT_EQ(p.houseSystem, 'F');
  EXPECT_EQ(p.saveQuestion, SaveQuestion::Always);
  p.houseSystem = 'J';  // the later letters stay as they are
  p.zodiac = 'L';
  p.warnDuplicateName = false;
  WritePreferences(p, Control());
  ASSERT_TRUE(WriteControlRecord());
  CloseControlFile();

  std::string expected = bytes;
  expected[control_offset::defaultHouseSystemLetter] = 'J';
  expected[control_offset::defaultZodiacLetter] = 'L';
  expected[control_offset::warnDuplicateName] = 'N';  // 'G' at 89 stays: it means Always
  EXPECT_EQ(folder.Read(kControlFileName), expected);

  OpenControlFile();
  const Preferences back = ReadPreferences(Control());
  EXPECT_EQ(back.houseSystem, 'J');
  EXPECT_EQ(back.zodiac, 'L');
  EXPECT_EQ(back.saveQuestion, SaveQuestion::Always);
  EXPECT_FALSE(back.warnDuplicateName);
  EXPECT_EQ(Control().defaultHouseSystemLetter(), 'J');
  CloseControlFile();
  EXPECT_TRUE(messages->Shown().empty());
}

}  // namespace
}  // namespace vostrane
