// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel files damaged: "WHEELS.DAT", "WHEELSG.DAT", "PAGEW.DEF" and
// "ANGLES.DAT" as generated. Each reader gives its record or line message,
// keeps what it could not read as it was, and what it does read leads to a
// page layout and aspect tables without out-of-range values.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "wheel/AspectSetFile.h"
#include "wheel/Aspects.h"
#include "wheel/PageDefinition.h"
#include "wheel/PageMetrics.h"
#include "wheel/RecordingSurface.h"
#include "wheel/WheelPictures.h"
#include "wheel/WheelStyleFile.h"
#include "tests/robustness/Damage.h"

namespace vostrane::test {
namespace {

std::string Bytes(const WheelDefinition& d) {
  return std::string(reinterpret_cast<const char*>(d.Data()), kWheelDefinitionSize);
}

// Styles spread over the file: first single wheel, a middle one, the first
// bi-wheel and the last tri-wheel record.
const std::pair<const char*, char> kStyles[] = {{"AAA", 'S'}, {"BCD", 'S'}, {"AAA", 'B'}, {"AAA", 'C'}};

TEST(WheelStyleRobustness, ACutFileGivesTheRecordMessageAndKeepsTheStyle) {
  const std::string good = InstalledBytes(kWheelStyleFileName);
  ASSERT_GE(good.size(), 2001 * kWheelDefinitionSize);
  for (const DamagedCopy& copy : TruncatedCopies(good, kWheelDefinitionSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kWheelStyleFileName, copy);
    WheelStyleFile file;
    ScopedScriptedMessages messages;
    ASSERT_TRUE(file.Open());
    for (const auto& [code, category] : kStyles) {
      const int record = WheelRecordNumber(code, category);
      WheelDefinition def;
      def.SetLetter(0, '#');
      const WheelDefinition before = def;
      messages->Clear();
      const bool read = file.Read(code, category, def);
      if (static_cast<size_t>(record) * kWheelDefinitionSize <= copy.bytes.size()) {
        EXPECT_TRUE(read);
        EXPECT_EQ(Bytes(def), good.substr((record - 1) * kWheelDefinitionSize, kWheelDefinitionSize));
      } else {
        EXPECT_FALSE(read);
        EXPECT_EQ(Bytes(def), Bytes(before));
        ASSERT_EQ(messages->Shown().size(), 1u);
        EXPECT_EQ(messages->Shown()[0].text, "ERROR!!! Unable to read data from record number " +
                                                 std::to_string(record - 1) + " from file WHEELS.DAT.");
      }
    }
    file.Close();
    EXPECT_EQ(folder.Read(kWheelStyleFileName), copy.bytes);
  }
}

TEST(WheelStyleRobustness, ExtraOrDamagedBytesAreReadAsTheRecordsHoldThem) {
  const std::string good = InstalledBytes(kWheelStyleFileName);
  std::vector<DamagedCopy> copies = OversizedCopies(good, kWheelDefinitionSize);
  for (auto& c : CorruptedCopies(good, 10, 453)) copies.push_back(c);
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kWheelStyleFileName, copy);
    WheelStyleFile file;
    ScopedScriptedMessages messages;
    ASSERT_TRUE(file.Open());
    for (const auto& [code, category] : kStyles) {
      const int record = WheelRecordNumber(code, category);
      WheelDefinition def;
      ASSERT_TRUE(file.Read(code, category, def));
      EXPECT_EQ(Bytes(def),
                copy.bytes.substr((record - 1) * kWheelDefinitionSize, kWheelDefinitionSize));
    }
    EXPECT_TRUE(messages->Shown().empty());
  }
}

// Reads every group and draws group 1: a cut stops a group with the record
// message, each picture record keeps its path within 75 characters, and a
// damaged path is reported as missing or drawn, never more than twenty
// pictures a group.
TEST(PictureListRobustness, DamagedListsReadBoundedGroupsAndReportBadRecords) {
  const std::string good = InstalledBytes(kPictureFileName);
  ASSERT_EQ(good.size() % kPictureRecordSize, 0u);
  std::vector<DamagedCopy> copies = TruncatedCopies(good, kPictureRecordSize);
  for (auto& c : OversizedCopies(good, kPictureRecordSize)) copies.push_back(c);
  for (auto& c : CorruptedCopies(good, 30, 85)) copies.push_back(c);
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kPictureFileName, copy);
    const int64_t records = copy.sparseSize >= 0 ? copy.sparseSize / kPictureRecordSize
                                                 : copy.bytes.size() / kPictureRecordSize;
    ScopedScriptedMessages messages;
    for (int group = 1; group <= kPictureGroups; ++group) {
      messages->Clear();
      const std::vector<PictureRecord> pictures = ReadPictureGroup(group);
      ASSERT_LE(pictures.size(), static_cast<size_t>(kPicturesPerGroup));
      for (const PictureRecord& p : pictures) EXPECT_LE(p.path.size(), 75u);
      const int first = kPicturesPerGroup * (group - 1);  // record number from 0
      const int64_t next = first + static_cast<int64_t>(pictures.size());
      const bool endedByMark = !pictures.empty() && pictures.back().last == 'Y';
      if (endedByMark || pictures.size() == static_cast<size_t>(kPicturesPerGroup)) {
        EXPECT_TRUE(messages->Shown().empty());
      } else {
        // Stopped by a record that is not in the file.
        EXPECT_GE(next, records);
        ASSERT_EQ(messages->Shown().size(), 1u);
        EXPECT_EQ(messages->Shown()[0].text, "ERROR!!! Unable to read data from record number " +
                                                 std::to_string(next) +
                                                 " from file WHEELSW.DAT/WHEELSG.DAT.");
      }
    }
    RecordingSurface surface;
    messages->Clear();
    DrawPictureGroup(surface, 1);
    const size_t drawn = surface.OpsOf(DrawOp::Kind::Bitmap).size();
    const int missing = messages->Count("does not exist. Cannot display this graphic file in wheel");
    EXPECT_LE(drawn + missing, static_cast<size_t>(kPicturesPerGroup));
    EXPECT_EQ(FileSize(kPictureFileName),
              copy.sparseSize >= 0 ? copy.sparseSize : static_cast<int64_t>(copy.bytes.size()));
  }
}

std::vector<int> Values(const PageDefinition& d) {
  return {d.topMargin, d.bottomMargin, d.lines, d.leftMargin, d.rightMargin, d.sixth};
}

// Whatever the page definition holds, the printer page metrics are
// numbers a surface can draw with: the line density falls back to its
// default, so line height and character width stay positive.
void ExpectDrawablePrinterPage(const PageDefinition& def) {
  PrinterPage page;
  page.pixelWidth = 4960;
  page.pixelHeight = 7016;
  page.printableWidthMm = 203.2;
  page.printableHeightMm = 271.6;
  PageMetrics m;
  m.device = OutputDevice::Printer;
  ComputePrinterPageMetrics(m, page, 'P', 0, 0, def);
  ComputeDerivedMetrics(m, def.lines, false);
  EXPECT_TRUE(std::isfinite(m.k) && m.k > 0);
  EXPECT_GT(m.lineHeight, 0);
  EXPECT_GT(m.charWidth, 0);
  EXPECT_GT(m.baseWidth, 0);
}

TEST(PageDefinitionRobustness, DamagedFilesGiveTheLineMessagesAndAUsablePage) {
  const std::string good = InstalledBytes(kPageDefinitionFileName);
  PageDefinition expected;
  {
    TempFolder folder;
    folder.Write(kPageDefinitionFileName, good);
    ScopedScriptedMessages messages;
    ASSERT_TRUE(ReadPageDefinition(expected));
  }
  std::vector<DamagedCopy> copies = TruncatedCopies(good, 1);
  for (auto& c : OversizedCopies(good, 16)) copies.push_back(c);
  for (auto& c : CorruptedCopies(good, 60, 972)) copies.push_back(c);
  copies.push_back({"one huge line", "", kHugeFileSize});
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kPageDefinitionFileName, copy);
    const FolderSnapshot before = TakeSnapshot(folder.Path());
    ScopedScriptedMessages messages;
    PageDefinition def;
    const bool ok = ReadPageDefinition(def);
    EXPECT_EQ(ok, messages->Shown().empty());
    for (const ShownMessage& m : messages->Shown()) {
      const bool known =
          m.text == "ERROR!!!!!  Bad data in file PAGEW.DEF.  Please re-install PAGEW.DEF file." ||
          (m.text.rfind("ERROR!!!!  Unable to read line ", 0) == 0 &&
           m.text.find(" from PAGEW.DEF.  Please re-install PAGEW.DEF file.") != std::string::npos);
      EXPECT_TRUE(known) << m.text;
    }
    for (int v : Values(def)) EXPECT_TRUE(v == kBadPageValue || (v >= 0 && v <= 32767)) << v;
    if (copy.bytes.compare(0, good.size(), good) == 0 && copy.sparseSize < 0) {
      EXPECT_EQ(Values(def), Values(expected));
    }
    ExpectDrawablePrinterPage(def);
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);
  }
}

std::string Bytes(const AspectSet& s) {
  return std::string(reinterpret_cast<const char*>(s.Data()), kAspectSetSize);
}

TEST(AspectSetRobustness, ACutFileGivesTheStepMessageAndKeepsTheSet) {
  const std::string good = InstalledBytes(kAspectSetFileName);
  ASSERT_EQ(good.size(), 3 * kAspectSetSize);
  for (const DamagedCopy& copy : TruncatedCopies(good, kAspectSetSize)) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kAspectSetFileName, copy);
    for (char letter : {'1', '2', '3'}) {
      const size_t n = letter - '1';
      AspectSet set;
      set.SetShortName(1, "Keep");
      const std::string before = Bytes(set);
      ScopedScriptedMessages messages;
      const bool read = ReadAspectSet(letter, "AAA", set);
      if ((n + 1) * kAspectSetSize <= copy.bytes.size()) {
        EXPECT_TRUE(read);
        EXPECT_EQ(Bytes(set), good.substr(n * kAspectSetSize, kAspectSetSize));
        continue;
      }
      EXPECT_FALSE(read);
      EXPECT_EQ(Bytes(set), before);
      ASSERT_EQ(messages->Shown().size(), 1u);
      const std::string message =
          n > copy.bytes.size() / kAspectSetSize
              ? "ERROR!!!!  Unable to read rec # " + std::to_string(n) +
                    " of ANGLES.DAT.  Please re-install ANGLES.DAT."
              : "ERROR!!!!  ANGLES.DAT file has erroneous data!  Please re-install ANGLES.DAT file.";
      EXPECT_EQ(messages->Shown()[0].text, message);
    }
    EXPECT_EQ(folder.Read(kAspectSetFileName), copy.bytes);
  }
}

// A damaged set is read as it stands; the tables built from it and the
// search with it give aspects of the set, orbs within 180 degrees and only
// the marks 'A' and 'S'.
TEST(AspectSetRobustness, DamagedSetsGiveBoundedAspectSearches) {
  const std::string good = InstalledBytes(kAspectSetFileName);
  std::vector<DamagedCopy> copies = OversizedCopies(good, kAspectSetSize);
  for (auto& c : CorruptedCopies(good, 20, 15080)) copies.push_back(c);
  // Damage confined to the aspect entries and short names of set 1.
  for (auto& c : CorruptedCopies(good, 20, 15081, kShortNamesOffset, kAspectSetSize))
    copies.push_back(c);
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kAspectSetFileName, copy);
    AspectTables tables;
    ScopedScriptedMessages messages;
    ASSERT_TRUE(ReadAspectSet('1', "AAA", tables.set));
    EXPECT_EQ(Bytes(tables.set), copy.bytes.substr(0, kAspectSetSize));
    EXPECT_TRUE(messages->Shown().empty());
    BuildAspectTables(tables);
    for (int row = 0; row < kCandidateRows; ++row)
      for (int a : tables.set.Candidates(row)) ASSERT_TRUE(a >= 1 && a <= kAspectCount);
    for (int i = 1; i <= kAspectCount; ++i) EXPECT_LE(tables.set.ShortName(i).size(), 4u);
    for (double separation = 0; separation < 360; separation += 7.25) {
      for (bool sun : {false, true}) {
        const AspectResult r = FindAspectsBetween(tables, 10.0, 1.0, 10.0 + separation, -0.5, sun);
        for (const FoundAspect& f : r) {
          if (!f.Found()) continue;
          EXPECT_LE(f.aspect, kAspectCount);
          EXPECT_TRUE(std::isfinite(f.orb) && std::fabs(f.orb) <= 180.0) << f.orb;
          EXPECT_TRUE(f.mark == 'A' || f.mark == 'S') << f.mark;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vostrane::test
