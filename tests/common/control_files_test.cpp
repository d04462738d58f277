// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "tests/support/ControlRecordBytes.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

std::string Record(const std::string& text) {
  std::string r(71, ' ');
  r[0] = static_cast<char>(text.size());
  r.replace(1, text.size(), text);
  return r;
}

TEST(ControlFile, WriteBackKeepsEveryUninterpretedByte) {
  test::TempFolder folder;
  std::string bytes(kControlRecordSize, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 37 + 11) & 0xFF);
  bytes = test::InRangeControlBytes(bytes);
  folder.Write(kControlFileName, bytes);
  ScopedScriptedMessages messages;
  OpenControlFile();
  EXPECT_TRUE(messages->Shown().empty());
  Control().SetLetter(control_offset::saveOption, 'N');
  ASSERT_TRUE(WriteControlRecord());
  CloseControlFile();
  std::string after = folder.Read(kControlFileName);
  ASSERT_EQ(after.size(), kControlRecordSize);
  bytes[control_offset::saveOption] = 'N';
  EXPECT_EQ(after, bytes);
}

TEST(ControlFile, MissingOrShortFileGivesItsMessageAndAnEmptyRecord) {
  test::TempFolder folder;
  ScopedScriptedMessages messages;
  OpenControlFile();
  EXPECT_TRUE(messages->Saw("ERROR!  File ZORCTRL.DAT not on disk!!!"));
  EXPECT_EQ(Control().saveOption(), '\0');
  CloseControlFile();
  EXPECT_TRUE(messages->Saw("ERROR!!! Attempted to close file ZORCTRL.DAT but it was already closed!"));

  folder.Write(kControlFileName, std::string(100, 'Y'));
  messages->Clear();
  OpenControlFile();
  EXPECT_TRUE(messages->Saw("ERROR!  Unable to read data from file ZORCTRL.DAT!!!"));
  EXPECT_EQ(Control().saveOption(), '\0');
  CloseControlFile();
}

// The control file is written back by the program, so its values are
// checked for their ranges: a record with one value out of range is named
// (file, record, byte) and none of its settings is used; a wrong size is
// named too.
TEST(ControlFile, AValueOutOfRangeIsNamedAndTheRecordNotUsed) {
  test::TempFolder folder;
  const std::string good = test::InRangeControlBytes("");
  auto withBytes = [&](size_t at, const std::string& bytes) {
    std::string r = good;
    r.replace(at, bytes.size(), bytes);
    return r;
  };
  double nan = std::nan("");
  std::string nanBytes(8, '\0');
  std::memcpy(nanBytes.data(), &nan, 8);
  const struct {
    std::string bytes;
    size_t at;
  } cases[] = {
      {withBytes(control_offset::defaultZodiacLetter, "t"), control_offset::defaultZodiacLetter},
      {withBytes(control_offset::defaultHouseSystemLetter, "Z"),
       control_offset::defaultHouseSystemLetter},
      {withBytes(control_offset::defaultPrintouts, "\x50"), control_offset::defaultPrintouts},
      {withBytes(control_offset::screenZoom, nanBytes), control_offset::screenZoom},
      {withBytes(control_offset::copies1, std::string("\xFF\xFF\xFF\xFF", 4)), control_offset::copies1},
      {withBytes(control_offset::deviceLetters2 + 8, std::string(1, '\0')),
       control_offset::deviceLetters2 + 8},
      {std::string(kControlRecordSize, '\0'), control_offset::onePrinterDocPerPrintout},
  };
  ScopedScriptedMessages messages;
  for (const auto& c : cases) {
    folder.Write(kControlFileName, c.bytes);
    messages->Clear();
    OpenControlFile();
    ASSERT_EQ(messages->Shown().size(), 1u) << c.at;
    EXPECT_EQ(messages->Shown()[0].text, "ERROR!  File ZORCTRL.DAT holds a value out of range at byte " +
                                             std::to_string(c.at) +
                                             " of record # 0; no setting of it is used.");
    EXPECT_EQ(Control().defaultZodiacLetter(), '\0');
    CloseControlFile();
  }
  folder.Write(kControlFileName, good + "extra");
  messages->Clear();
  OpenControlFile();
  EXPECT_TRUE(messages->Saw("ERROR!  File ZORCTRL.DAT has 646 bytes instead of 641; it is damaged."));
  EXPECT_EQ(Control().defaultZodiacLetter(), 'T');
  CloseControlFile();
}

TEST(MessageTexts, TextsAreAddressedByNumberFromOne) {
  test::TempFolder folder;
  folder.Write(kMessageTextFileName, Record("first") + Record("second") + Record("third"));
  ASSERT_TRUE(OpenMessageTextFile());
  ScopedScriptedMessages messages;
  EXPECT_EQ(MessageText(1), "first");
  EXPECT_EQ(MessageText(3), "third");
  ASSERT_TRUE(PositionAtMessageText(2));
  EXPECT_EQ(NextMessageText(), "second");
  EXPECT_EQ(NextMessageText(), "third");
  EXPECT_TRUE(messages->Shown().empty());

  EXPECT_EQ(MessageText(0), kUnreadableText);
  EXPECT_TRUE(messages->Saw("Unable to find record number -1 in file QIRTEXT.DAT."));
  EXPECT_EQ(MessageText(9), kUnreadableText);
  EXPECT_TRUE(messages->Saw("ERROR!!! Unable to read data from record number 8 from file QIRTEXT.DAT."));
  EXPECT_EQ(NextMessageText(), kUnreadableText);
  EXPECT_TRUE(messages->Saw("ERROR!!! Unable to read next record from file QIRTEXT.DAT."));
  CloseMessageTextFile();
}

TEST(MessageTexts, CorruptLengthByteIsClampedAndMissingFileReported) {
  test::TempFolder folder;
  std::string r = Record("abc");
  r[0] = static_cast<char>(250);
  folder.Write(kMessageTextFileName, r);
  ASSERT_TRUE(OpenMessageTextFile());
  EXPECT_EQ(MessageText(1).size(), 70u);
  CloseMessageTextFile();
  EraseFile(kMessageTextFileName);
  EXPECT_FALSE(OpenMessageTextFile());
  EXPECT_EQ(MessageTextFileMissingText(), "ERROR!  File QIRTEXT.DAT not on disk!!!");
}

}  // namespace
}  // namespace vostrane
