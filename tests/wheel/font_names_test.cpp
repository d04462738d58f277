// SPDX-License-Identifier: GPL-3.0-or-later
// Font names of the sixteen font letters from the installed message texts.
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "common/MessageTextFile.h"
#include "tests/support/TempFolder.h"
#include "wheel/FontNames.h"
#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

TEST(FontNames, SixteenNamesFromMessageTexts) {
  test::TempFolder dir;
  dir.Write("QIRTEXT.DAT", ReadWholeFile(test::InstallFile("QIRTEXT.DAT")).value_or(""));
  ScopedScriptedMessages msgs;
  ASSERT_TRUE(OpenMessageTextFile());
  const auto names = LoadFontNames();
  CloseMessageTextFile();
  EXPECT_EQ(names[0], "Vostrane Glyphs");
  EXPECT_EQ(names[1], "DejaVu Sans");
  EXPECT_EQ(names[7], "Liberation Sans");
  EXPECT_EQ(names[15], "FreeMono");
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(FontNames, TheFormerGlyphFontFamilyNamesTheCurrentOne) {
  EXPECT_EQ(CurrentFontName("ZorlanAstro"), "Vostrane Glyphs");
  EXPECT_EQ(CurrentFontName("zorlanastro"), "Vostrane Glyphs");
  EXPECT_EQ(CurrentFontName("DejaVu Sans"), "DejaVu Sans");
  // A surface given the names of an older message text file draws the
  // glyphs in the current family.
  RecordingSurface surface;
  std::array<std::string, 16> names;
  names.fill("DejaVu Sans");
  names[0] = "ZorlanAstro";
  surface.SetFontNames(names);
  EXPECT_EQ(surface.FontName('A'), "Vostrane Glyphs");
  EXPECT_EQ(surface.FontName('B'), "DejaVu Sans");
}

}  // namespace
}  // namespace vostrane
