// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempFolder.h"
#include "viewer/PrintoutFile.h"

namespace vostrane {
namespace {

TEST(PrintoutFileBase, KeepsLettersAndDigitsOfTheName) {
  EXPECT_EQ(PrintoutFileBase("Doe, John", 1), "Doe_John");
  EXPECT_EQ(PrintoutFileBase("M\xFCller, Hans-J\xF6rg", 2), "Muller_Hans_Jorg");
  EXPECT_EQ(PrintoutFileBase("\xC6sop \xDF\x9A", 2), "AEsop_sss");
  EXPECT_EQ(PrintoutFileBase("  Event #12 (draft)  ", 3), "Event_12_draft");
  EXPECT_EQ(PrintoutFileBase("../../etc/passwd", 4), "etc_passwd");
  EXPECT_EQ(PrintoutFileBase(" ,.;/ ", 7), "Entry7");
  EXPECT_EQ(PrintoutFileBase("", 12), "Entry12");
  EXPECT_EQ(PrintoutFileBase(std::string(60, 'x'), 1).size(), 40u);
}

TEST(FreePrintoutFileName, NeverNamesAnExistingFile) {
  test::TempFolder folder;
  EXPECT_EQ(FreePrintoutFileName("", "Doe_John"), "Doe_John.pdf");
  folder.Write("Doe_John.pdf", "%PDF");
  EXPECT_EQ(FreePrintoutFileName("", "Doe_John"), "Doe_John-2.pdf");
  folder.Write("Doe_John-2.pdf.tmp", "");  // a document being written
  std::filesystem::create_directory("Doe_John-3.pdf");
  EXPECT_EQ(FreePrintoutFileName("", "Doe_John"), "Doe_John-4.pdf");
  EXPECT_EQ(FreePrintoutFileName(folder.Path(), "Doe_John"), folder.Path() + "/Doe_John-4.pdf");
  EXPECT_EQ(folder.Read("Doe_John.pdf"), "%PDF");
}

TEST(FreePrintoutFileName, IsEmptyWhenEveryNameIsTaken) {
  test::TempFolder folder;
  folder.Write("A.pdf", "");
  for (int n = 2; n <= kMaxPrintoutFileNumber; ++n) folder.Write("A-" + std::to_string(n) + ".pdf", "");
  EXPECT_EQ(FreePrintoutFileName("", "A"), "");
  EXPECT_EQ(FreePrintoutFileName("", "B"), "B.pdf");
}

}  // namespace
}  // namespace vostrane
