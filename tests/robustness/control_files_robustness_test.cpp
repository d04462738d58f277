// SPDX-License-Identifier: GPL-3.0-or-later
// The control files damaged: "ZORCTRL.DAT", "QIRTEXT.DAT", "SCRSEL.DAT" and
// "y.dat". The readers give their messages, read only what a record holds,
// never write while reading, and the screen marker is only ever rewritten
// as 'Y' or 'N'.
#include <gtest/gtest.h>

#include <cstring>

#include "entry/EntryMarks.h"
#include "platform/ScriptedMessageService.h"
#include "session/ChartEntry.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "shell/StartupFiles.h"
#include "tests/robustness/Damage.h"

namespace vostrane::test {
namespace {

std::string ControlBytes() {
  const ControlRecord& r = Control();
  return std::string(reinterpret_cast<const char*>(r.Data()), kControlRecordSize);
}

TEST(ControlFileRobustness, ACutRecordGivesTheReadMessageAndChangesNothing) {
  const std::string good = InstalledBytes(kControlFileName);
  ASSERT_EQ(good.size(), kControlRecordSize);
  for (const DamagedCopy& copy : TruncatedCopies(good, kControlRecordSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kControlFileName, copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    ScopedScriptedMessages messages;
    OpenControlFile();
    EXPECT_EQ(messages->Shown().size(), 1u);
    EXPECT_TRUE(messages->Saw("ERROR!  Unable to read data from file ZORCTRL.DAT!!!"));
    EXPECT_EQ(ControlBytes(), std::string(kControlRecordSize, '\0'));
    CloseControlFile();
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);
  }
}

// Extra bytes are named (the size), the record itself is used, and they
// are not lost on write-back.
TEST(ControlFileRobustness, ExtraBytesAreNamedButNeitherReadNorLostOnWriteBack) {
  const std::string good = InstalledBytes(kControlFileName);
  for (const DamagedCopy& copy : OversizedCopies(good, kControlRecordSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kControlFileName, copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    ScopedScriptedMessages messages;
    OpenControlFile();
    const int64_t size = copy.sparseSize >= 0 ? copy.sparseSize
                                              : static_cast<int64_t>(copy.bytes.size());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "ERROR!  File ZORCTRL.DAT has " + std::to_string(size) +
                                             " bytes instead of 641; it is damaged.");
    EXPECT_EQ(ControlBytes(), good);
    EXPECT_EQ(TakeSnapshot(folder.Path()), before) << "reading wrote to the file";
    // Writing the record back replaces record 0 only.
    Control().SetLetter(control_offset::saveOption, 'G');
    ASSERT_TRUE(WriteControlRecord());
    CloseControlFile();
    const FolderSnapshot after = TakeSnapshot(folder.Path());
    const auto& file = after.files.at(kControlFileName);
    if (copy.sparseSize >= 0) {
      EXPECT_EQ(file.size, copy.sparseSize);
    } else {
      std::string expected = copy.bytes;
      expected[control_offset::saveOption] = 'G';
      EXPECT_EQ(file.bytes, expected);
    }
  }
}

// Any 641 bytes are read: a record with a value out of range is named by
// its byte and not used, any other is used as it is; nothing is written,
// and the values a new entry takes from it stay within their letters.
TEST(ControlFileRobustness, RandomRecordsAreUsedOnlyWhenInRangeAndFeedANewEntrySafely) {
  const std::string good = InstalledBytes(kControlFileName);
  for (const DamagedCopy& copy : CorruptedCopies(good, 80, 641)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kControlFileName, copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    ScopedScriptedMessages messages;
    OpenControlFile();
    ControlRecord read;
    std::memcpy(read.Data(), copy.bytes.data(), kControlRecordSize);
    if (const auto fault = ControlRecordFault(read)) {
      ASSERT_EQ(messages->Shown().size(), 1u);
      EXPECT_NE(messages->Shown()[0].text.find("ZORCTRL.DAT holds a value out of range at byte " +
                                               std::to_string(*fault) + " "),
                std::string::npos)
          << messages->Shown()[0].text;
      EXPECT_EQ(ControlBytes(), std::string(kControlRecordSize, '\0'));
    } else {
      EXPECT_TRUE(messages->Shown().empty());
      EXPECT_EQ(ControlBytes(), copy.bytes);
    }
    CloseControlFile();
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);

    ChartEntry entry;
    entry.InitNewEntry(Control().defaultZodiacLetter(), 3);
    ApplyDefaultPrintouts(entry, Control().defaultPrintouts());
    EXPECT_TRUE(entry.zodiacLetter() == 'T' || entry.zodiacLetter() == 'S');
    EXPECT_GE(entry.printoutParam(441), 0);
    EXPECT_LE(entry.printoutParam(441), 10);
  }
}

class MessageTextRobustness : public testing::Test {
 protected:
  void SetUp() override {
    good_ = InstalledBytes(kMessageTextFileName);
    count_ = static_cast<int>(good_.size() / kMessageTextRecordSize);
    ASSERT_GT(count_, 9000);
  }
  void TearDown() override { CloseMessageTextFile(); }
  std::string GoodText(int k) const {
    const size_t at = (k - 1) * kMessageTextRecordSize;
    const size_t length = std::min<size_t>(static_cast<unsigned char>(good_[at]), 70);
    return good_.substr(at + 1, length);
  }
  std::string good_;
  int count_ = 0;
};

TEST_F(MessageTextRobustness, ACutFileGivesTheReadMessagesFromItsEndOn) {
  for (const DamagedCopy& copy : TruncatedCopies(good_, kMessageTextRecordSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kMessageTextFileName, copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    ASSERT_TRUE(OpenMessageTextFile());
    ScopedScriptedMessages messages;
    const int whole = static_cast<int>(copy.bytes.size() / kMessageTextRecordSize);
    if (whole > 0) {
      EXPECT_EQ(MessageText(whole), GoodText(whole));
    }
    EXPECT_TRUE(messages->Shown().empty());
    // The first text the cut took away.
    EXPECT_EQ(MessageText(whole + 1), kUnreadableText);
    EXPECT_TRUE(messages->Saw("ERROR!!! Unable to read data from record number " +
                              std::to_string(whole) + " from file QIRTEXT.DAT."));
    EXPECT_EQ(MessageText(count_), kUnreadableText);
    EXPECT_EQ(NextMessageText(), kUnreadableText);
    EXPECT_TRUE(messages->Saw("ERROR!!! Unable to read next record from file QIRTEXT.DAT."));
    CloseMessageTextFile();
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);
  }
}

TEST_F(MessageTextRobustness, ExtraBytesGiveShortTextsAndAPartialRecordIsUnreadable) {
  for (const DamagedCopy& copy : OversizedCopies(good_, kMessageTextRecordSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kMessageTextFileName, copy);
    ASSERT_TRUE(OpenMessageTextFile());
    ScopedScriptedMessages messages;
    EXPECT_EQ(MessageText(1), GoodText(1));
    EXPECT_EQ(MessageText(count_), GoodText(count_));
    EXPECT_TRUE(messages->Shown().empty());
    const bool wholeRecordAfter = copy.sparseSize >= 0 ||
                                  copy.bytes.size() >= good_.size() + kMessageTextRecordSize;
    const std::string after = MessageText(count_ + 1);
    if (wholeRecordAfter) {
      EXPECT_LE(after.size(), 70u);
      EXPECT_TRUE(messages->Shown().empty());
    } else {
      EXPECT_EQ(after, kUnreadableText);
    }
    if (copy.sparseSize >= 0) {
      // Far out in the zeros: an empty text, read at a 64-bit offset.
      EXPECT_EQ(MessageText(60000000), "");
    }
    CloseMessageTextFile();
  }
}

TEST_F(MessageTextRobustness, RandomDamageKeepsEveryTextWithinItsRecord) {
  for (const DamagedCopy& copy : CorruptedCopies(good_, 12, 71)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kMessageTextFileName, copy);
    ASSERT_TRUE(OpenMessageTextFile());
    ScopedScriptedMessages messages;
    ASSERT_TRUE(PositionAtMessageText(1));
    for (int k = 1; k <= count_; ++k) {
      const std::string text = NextMessageText();
      const std::string record = copy.bytes.substr((k - 1) * kMessageTextRecordSize,
                                                   kMessageTextRecordSize);
      const size_t length = std::min<size_t>(static_cast<unsigned char>(record[0]), 70);
      ASSERT_EQ(text, record.substr(1, length)) << "text " << k;
    }
    EXPECT_TRUE(messages->Shown().empty());
    CloseMessageTextFile();
    EXPECT_EQ(folder.Read(kMessageTextFileName), copy.bytes);
  }
}

TEST(ScreenSelectionRobustness, TheMarkerIsRewrittenAsYOrNWhateverTheFileHeld) {
  std::vector<DamagedCopy> copies = TruncatedCopies("N", 1);  // the empty file
  for (const std::string& start : {std::string("N"), std::string("Y")}) {
    for (const auto& c : OversizedCopies(start, 1)) copies.push_back(c);
    for (const auto& c : CorruptedCopies(start, 6, start[0])) copies.push_back(c);
  }
  copies.push_back({"a lower-case y", "y"});
  copies.push_back({"a NUL byte", std::string(1, '\0')});
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kScreenSelectionFileName, copy);
    const bool wasYes = !copy.bytes.empty() && copy.bytes[0] == 'Y';
    // A narrow screen shows the note unless the marker says it was shown.
    EXPECT_EQ(UpdateScreenSelection(640), !wasYes);
    EXPECT_EQ(folder.Read(kScreenSelectionFileName), "Y");
    PlaceCopy(folder, kScreenSelectionFileName, copy);
    EXPECT_FALSE(UpdateScreenSelection(1024));
    EXPECT_EQ(folder.Read(kScreenSelectionFileName), "N");
  }
}

TEST(AboutTextRobustness, ADamagedFileGivesAtMostThreeShortLines) {
  const std::string good = "555-1234\r\n555-5678\r\n555-9999\r\n";
  std::vector<DamagedCopy> copies = OversizedCopies(good, 10);
  for (const auto& c : CorruptedCopies(good, 20, 3)) copies.push_back(c);
  copies.push_back({"one huge line", "", kHugeFileSize});
  copies.push_back({"binary bytes", std::string("\xFF\xFE\0\0\x01\n\x80", 7)});
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, "y.dat", copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    const std::vector<std::string> lines = ReadAboutLines();
    EXPECT_LE(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_LE(line.size(), 4096u);
    if (copy.bytes.compare(0, good.size(), good) == 0) {
      EXPECT_EQ(lines, (std::vector<std::string>{"555-1234", "555-5678", "555-9999"}));
    }
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);
  }
}

}  // namespace
}  // namespace vostrane::test
