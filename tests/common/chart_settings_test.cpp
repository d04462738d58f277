#include <gtest/gtest.h>

#include <string>

#include "platform/ScriptedMessageService.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "tests/support/ControlRecordBytes.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(ChartSettings, LettersNamesAndTheirDefaults) {
  EXPECT_EQ(HouseSystemTextNumber('A'), 10007);
  EXPECT_EQ(HouseSystemTextNumber('I'), 10015);
  EXPECT_EQ(HouseSystemTextNumber('F'), 10012);
  for (char unknown : {'J', 'a', '\0', ' '}) {
    EXPECT_EQ(HouseSystemOrDefault(unknown), 'F') << int(unknown);
    EXPECT_EQ(HouseSystemTextNumber(unknown), 10012);
  }
  EXPECT_EQ(HouseSystemIndex('C'), 2);
  EXPECT_EQ(ZodiacTextNumber('T'), 10018);
  EXPECT_EQ(ZodiacTextNumber('S'), 10019);
  EXPECT_EQ(ZodiacOrDefault('s'), 'T');
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
  bytes[control_offset::defaultHousesys] = '\0';  // a record from before the setting
  folder.Write(kControlFileName, bytes);
  ScopedScriptedMessages messages;
  OpenControlFile();

  Preferences p = ReadPreferences(Control());
  EXPECT_EQ(p.houseSystem, 'F');
  EXPECT_EQ(p.saveQuestion, SaveQuestion::Always);
  p.houseSystem = 'H';
  p.zodiac = 'S';
  p.warnDuplicateName = false;
  WritePreferences(p, Control());
  ASSERT_TRUE(WriteControlRecord());
  CloseControlFile();

  std::string expected = bytes;
  expected[control_offset::defaultHousesys] = 'H';
  expected[control_offset::defaultZodsel] = 'S';
  expected[control_offset::warnDuplicateName] = 'N';  // 'G' at 89 stays: it means Always
  EXPECT_EQ(folder.Read(kControlFileName), expected);

  OpenControlFile();
  const Preferences back = ReadPreferences(Control());
  EXPECT_EQ(back.houseSystem, 'H');
  EXPECT_EQ(back.zodiac, 'S');
  EXPECT_EQ(back.saveQuestion, SaveQuestion::Always);
  EXPECT_FALSE(back.warnDuplicateName);
  EXPECT_EQ(Control().defaultHousesys(), 'H');
  CloseControlFile();
  EXPECT_TRUE(messages->Shown().empty());
}

}  // namespace
}  // namespace vostrane
