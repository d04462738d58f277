// Font names of the sixteen font letters from the installed message texts.
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "common/MessageTextFile.h"
#include "tests/support/TempFolder.h"
#include "wheel/FontNames.h"

namespace vostrane {
namespace {

TEST(FontNames, SixteenNamesFromMessageTexts) {
  test::TempFolder dir;
  dir.Write("QIRTEXT.DAT", ReadWholeFile(test::InstallFile("QIRTEXT.DAT")).value_or(""));
  ScopedScriptedMessages msgs;
  ASSERT_TRUE(OpenMessageTextFile());
  const auto names = LoadFontNames();
  CloseMessageTextFile();
  EXPECT_EQ(names[0], "ZorlanAstro");
  EXPECT_EQ(names[1], "DejaVu Sans");
  EXPECT_EQ(names[7], "Liberation Sans");
  EXPECT_EQ(names[15], "FreeMono");
  EXPECT_TRUE(msgs->Shown().empty());
}

}  // namespace
}  // namespace vostrane
