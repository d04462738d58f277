// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of WHEELS.DAT, WHEELSG.DAT, PAGEW.DEF and ANGLES.DAT: record
// choice, layout and every failure message.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "wheel/AspectSetFile.h"
#include "wheel/PageDefinition.h"
#include "wheel/RecordingSurface.h"
#include "wheel/WheelPictures.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {
namespace {

using test::TempFolder;

std::string WheelRecords(int count, int partialBytes = 0) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) {
    WheelDefinition d;
    d.SetI16(wheel_offset::wheelSize, static_cast<int16_t>(1000 + i));
    bytes.append(reinterpret_cast<const char*>(d.Data()), kWheelDefinitionSize);
  }
  return bytes + std::string(partialBytes, 'x');
}

TEST(WheelStyleFile, RecordNumbersOfCodesAndCategories) {
  EXPECT_EQ(WheelRecordNumber("AAA", 'R'), 1);
  EXPECT_EQ(WheelRecordNumber("AAA", 'B'), 1001);
  EXPECT_EQ(WheelRecordNumber("AAA", 'T'), 2001);
  EXPECT_EQ(WheelRecordNumber("AAA", 'C'), 2001);
  EXPECT_EQ(WheelRecordNumber("BCD", 'T'), 2124);
  EXPECT_EQ(WheelRecordNumber("AAC", 'R'), 3);
  EXPECT_EQ(WheelRecordNumber("A", 'R'), 1);
}

TEST(WheelStyleFile, ReadsTheRecordOfTheCode) {
  TempFolder dir;
  dir.Write("WHEELS.DAT", WheelRecords(3));
  ScopedScriptedMessages msgs;
  WheelStyleFile file;
  ASSERT_TRUE(file.Open());
  WheelDefinition def;
  ASSERT_TRUE(file.Read("AAC", 'R', def));
  EXPECT_EQ(def.wheelSize(), 1003);
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(WheelStyleFile, FailuresShowTheirMessagesAndKeepTheStyle) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  WheelStyleFile file;
  EXPECT_FALSE(file.Open());
  EXPECT_TRUE(msgs->Saw("ERROR!  File WHEELS.DAT not on disk!!!"));

  dir.Write("WHEELS.DAT", WheelRecords(2, 100));  // a partial third record
  ASSERT_TRUE(file.Open());
  WheelDefinition def;
  ASSERT_TRUE(file.Read("AAB", 'R', def));
  EXPECT_FALSE(file.Read("AAC", 'R', def));
  EXPECT_TRUE(msgs->Saw("ERROR!!! Unable to read data from record number 2 from file WHEELS.DAT."));
  EXPECT_FALSE(file.Read("AAA", 'B', def));
  EXPECT_TRUE(msgs->Saw("record number 1000 from file WHEELS.DAT."));
  // A code below "AAA" cannot name a record.
  EXPECT_FALSE(file.Read("A@A", 'R', def));
  EXPECT_TRUE(msgs->Saw("record number -10 from file WHEELS.DAT."));
  // The style read last stays in force.
  EXPECT_EQ(def.wheelSize(), 1002);
}

TEST(WheelDefinition, NamedFieldsAndPointColours) {
  WheelDefinition d;
  d.setPointColours(10, 6, 0);
  d.setPointColours(0, 0x1A60D2, 5);
  EXPECT_EQ(d.pointScreenColour(19), 6);  // the south node takes the node's pair
  EXPECT_EQ(d.pointPrintColour(0), 5);
  EXPECT_EQ(d.I32(150), 0x1A60D2);
  EXPECT_EQ(d.pointScreenColour(25), 0);
  d.SetI16(wheel_offset::legendPlaces + 8, 1234);
  d.SetI16(wheel_offset::legendPlaces + 10, -5);
  EXPECT_EQ(d.legendPlace(2).x, 1234);
  EXPECT_EQ(d.legendPlace(2).y, -5);
  std::memcpy(d.Data() + wheel_offset::positionTableDefs + 4, "EABJ", 4);
  EXPECT_EQ(d.positionTableDef(1), "EABJ");
  d.SetLetter(wheel_offset::gridPoints + 1, 'C');
  EXPECT_EQ(d.gridLetter(wheel_offset::gridPoints, 2), 'C');
  d.SetI16(wheel_offset::gridLeft + 2, 777);
  EXPECT_EQ(d.gridValue(wheel_offset::gridLeft, 2), 777);
}

TEST(PageDefinitionFile, NumbersWithCommentsAndBadLines) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  dir.Write("PAGEW.DEF", "25 top margin\r\n30\n63 lines\n40\n41\n0\nextra line\n");
  PageDefinition def;
  EXPECT_TRUE(ReadPageDefinition(def));
  EXPECT_EQ(def.topMargin, 25);
  EXPECT_EQ(def.bottomMargin, 30);
  EXPECT_EQ(def.lines, 63);
  EXPECT_EQ(def.leftMargin, 40);
  EXPECT_EQ(def.rightMargin, 41);
  EXPECT_TRUE(msgs->Shown().empty());

  // "-5" is bad data, not -5; reading goes on with the other lines.
  dir.Write("PAGEW.DEF", "-5\n30\n\n40\n99999999\n0\n");
  EXPECT_FALSE(ReadPageDefinition(def));
  EXPECT_EQ(def.topMargin, kBadPageValue);
  EXPECT_EQ(def.bottomMargin, 30);
  EXPECT_EQ(def.lines, kBadPageValue);
  EXPECT_EQ(def.leftMargin, 40);
  EXPECT_EQ(def.rightMargin, kBadPageValue);
  EXPECT_EQ(msgs->Count("ERROR!!!!!  Bad data in file PAGEW.DEF.  Please re-install PAGEW.DEF file."),
            3);
}

TEST(PageDefinitionFile, MissingFileAndMissingLine) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  PageDefinition def;
  EXPECT_FALSE(ReadPageDefinition(def));
  EXPECT_TRUE(msgs->Saw("ERROR!!!!  Unable to read file PAGEW.DEF.  Please re-install PAGEW.DEF file"));
  dir.Write("PAGEW.DEF", "10\n20\n63\n30\n");
  EXPECT_FALSE(ReadPageDefinition(def));
  EXPECT_TRUE(
      msgs->Saw("ERROR!!!!  Unable to read line 5 from PAGEW.DEF.  Please re-install PAGEW.DEF file."));
  EXPECT_EQ(def.leftMargin, 30);
  EXPECT_EQ(msgs->Count("Unable to read line"), 1);
}

std::string PictureFile(const std::vector<PictureRecord>& records) {
  std::string bytes;
  for (const PictureRecord& p : records) bytes += EncodePictureRecord(p);
  return bytes;
}

PictureRecord Picture(const std::string& path, char last, int l, int t, int r, int b) {
  PictureRecord p;
  p.path = path;
  p.last = last;
  p.left = static_cast<int16_t>(l);
  p.top = static_cast<int16_t>(t);
  p.right = static_cast<int16_t>(r);
  p.bottom = static_cast<int16_t>(b);
  return p;
}

TEST(PictureFile, RecordLayoutRoundTrip) {
  const PictureRecord p = Picture(std::string(80, 'p'), 'Y', -3, 4, 10000, 32767);
  const std::string bytes = EncodePictureRecord(p);
  ASSERT_EQ(bytes.size(), kPictureRecordSize);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 75);
  EXPECT_EQ(bytes[76], 'Y');
  const PictureRecord back = DecodePictureRecord(reinterpret_cast<const uint8_t*>(bytes.data()));
  EXPECT_EQ(back.path, std::string(75, 'p'));
  EXPECT_EQ(back.left, -3);
  EXPECT_EQ(back.top, 4);
  EXPECT_EQ(back.right, 10000);
  EXPECT_EQ(back.bottom, 32767);
}

TEST(PictureFile, GroupsStopAtTheMarkedRecordOrAfterTwenty) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  std::vector<PictureRecord> records;
  records.push_back(Picture("ONE.BMP", 'Y', 0, 0, 0, 0));  // group 1: one picture
  for (int i = 1; i < 20; ++i) records.push_back(Picture("X.BMP", 'N', 0, 0, 0, 0));
  for (int i = 0; i < 20; ++i)  // group 2: none marked
    records.push_back(Picture("G" + std::to_string(i) + ".BMP", 'N', 0, 0, 0, 0));
  records.push_back(Picture("G3.BMP", 'N', 0, 0, 0, 0));  // group 3: cut short
  dir.Write("WHEELSG.DAT", PictureFile(records));

  const auto g1 = ReadPictureGroup(1);
  ASSERT_EQ(g1.size(), 1u);
  EXPECT_EQ(g1[0].path, "ONE.BMP");
  const auto g2 = ReadPictureGroup(2);
  ASSERT_EQ(g2.size(), 20u);
  EXPECT_EQ(g2[19].path, "G19.BMP");
  EXPECT_TRUE(msgs->Shown().empty());

  const auto g3 = ReadPictureGroup(3);
  EXPECT_EQ(g3.size(), 1u);
  EXPECT_TRUE(
      msgs->Saw("ERROR!!! Unable to read data from record number 41 from file "
                "WHEELSW.DAT/WHEELSG.DAT."));
  EXPECT_TRUE(ReadPictureGroup(26).empty());
  EXPECT_TRUE(ReadPictureGroup(0).empty());
  EXPECT_EQ(msgs->Count("Error! Invalid value for sequence number of graphic images. Fix this "
                        "problem by customizing this wheel. Program may freeze now!"),
            2);
}

TEST(PictureFile, MissingPictureFileFileIsSkipped) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  EXPECT_TRUE(ReadPictureGroup(1).empty());
  EXPECT_TRUE(msgs->Saw("ERROR!  File WHEELSG.DAT not on disk!!!"));

  dir.Write("WHEELSG.DAT", PictureFile({Picture("GONE.BMP", 'N', 0, 0, 5000, 5000),
                                        Picture("HERE.BMP", 'Y', 1000, 2000, 1000, 9000)}));
  dir.Write("HERE.BMP", "bitmap");
  RecordingSurface s;  // usable area 614 x 830 from (1, 1)
  DrawPictureGroup(s, 1);
  EXPECT_TRUE(
      msgs->Saw("Error!  File GONE.BMP does not exist. Cannot display this graphic file in wheel"));
  const auto b = s.OpsOf(DrawOp::Kind::Bitmap);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].text, "HERE.BMP");
  EXPECT_EQ(b[0].x1, 1 + 61);    // round(614 x 0.1)
  EXPECT_EQ(b[0].y1, 1 + 166);   // round(830 x 0.2)
  EXPECT_FALSE(b[0].stretched);  // left = right: its own size
  msgs->Clear();
  DrawPictureGroup(s, 0);
  EXPECT_TRUE(msgs->Shown().empty());
}

std::string AngleFile(int sets, int partialBytes = 0) {
  std::string bytes;
  for (int i = 1; i <= sets; ++i) {
    AspectSet set;
    AspectEntry e;
    e.degrees = static_cast<uint8_t>(i * 10);
    set.SetEntry(1, e);
    bytes.append(reinterpret_cast<const char*>(set.Data()), kAspectSetSize);
  }
  return bytes + std::string(partialBytes, '\x01');
}

TEST(AspectSetFile, RecordLayout) {
  AspectSet set;
  EXPECT_FALSE(set.Entry(1).InUse());
  AspectEntry e;
  e.degrees = 51, e.minutes = 25, e.seconds = 43, e.orbDegrees = 1, e.orbMinutes = 30;
  e.sunOrbDegrees = 2, e.screenColour = 11, e.lineStyle = 2, e.weight = 3, e.lineMode = 9;
  e.printColour = 8;
  set.SetEntry(40, e);
  set.SetShortName(40, "Septile");
  set.SetCandidates(51, {40, 3});
  const uint8_t* p = set.Data() + 14600 + 12 * 39;
  EXPECT_EQ(p[0], 51);
  EXPECT_EQ(p[2], 43);
  EXPECT_EQ(p[10], 9);
  EXPECT_EQ(p[11], 8);
  EXPECT_EQ(set.Data()[14400 + 5 * 39], 4);
  EXPECT_EQ(set.ShortName(40), "Sept");
  EXPECT_NEAR(set.Entry(40).Angle(), 51 + 25 / 60.0 + 43 / 3600.0, 1e-12);
  EXPECT_DOUBLE_EQ(set.Entry(40).PlanetOrb(), 1.5);
  EXPECT_EQ(set.Candidates(51), (std::vector<int>{40, 3}));
  EXPECT_TRUE(set.Entry(41).degrees == kUnusedAspect);
}

TEST(AspectSetFile, CandidateWalkRunsOnButStaysInTheTable) {
  AspectSet set;
  std::vector<int> full(39, 7);
  set.SetCandidates(10, full);
  // A row without its terminating 0 runs on into the next row.
  set.Data()[10 * 40 + 39] = 200;  // not an aspect number: skipped
  set.SetCandidates(11, {5});
  EXPECT_EQ(set.Candidates(10).size(), 40u);
  // The last row has nowhere to run on to beyond the table.
  for (int i = 0; i < 40; ++i) set.Data()[359 * 40 + i] = 2;
  EXPECT_EQ(set.Candidates(359).size(), 40u);
  EXPECT_TRUE(set.Candidates(360).empty());
}

TEST(AspectSetFile, ReadsTheSetOfTheLetter) {
  TempFolder dir;
  dir.Write("ANGLES.DAT", AngleFile(3));
  ScopedScriptedMessages msgs;
  AspectSet set;
  EXPECT_TRUE(ReadAspectSet('2', "AAA", set));
  EXPECT_EQ(set.Entry(1).degrees, 20);
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(AspectSetFile, FailuresShowTheirMessages) {
  TempFolder dir;
  ScopedScriptedMessages msgs;
  AspectSet set;
  AspectEntry kept;
  kept.degrees = 99;
  set.SetEntry(1, kept);
  EXPECT_FALSE(ReadAspectSet('1', "AAA", set));
  EXPECT_TRUE(msgs->Saw("ERROR!!!! File ANGLES.DAT not on disk! Please re-install this file."));

  dir.Write("ANGLES.DAT", AngleFile(3, 500));
  msgs->Clear();
  // Set 4: the letter is reported and the load goes on; record 4 is the
  // partial one at the end of the file.
  EXPECT_FALSE(ReadAspectSet('4', "ABC", set));
  EXPECT_TRUE(
      msgs->Saw("ERROR!!!!  Aspect set of wheel ABC not between 1 and 3. Please "
                "re-install ANGLES.DAT file."));
  EXPECT_TRUE(
      msgs->Saw("ERROR!!!!  ANGLES.DAT file has erroneous data!  Please re-install ANGLES.DAT file."));
  EXPECT_EQ(msgs->Shown().size(), 2u);
  EXPECT_EQ(set.Entry(1).degrees, 99);  // the set in memory is left whole

  msgs->Clear();
  EXPECT_FALSE(ReadAspectSet('6', "AAA", set));
  EXPECT_TRUE(
      msgs->Saw("ERROR!!!!  Unable to read rec # 5 of ANGLES.DAT.  Please re-install ANGLES.DAT."));
  msgs->Clear();
  EXPECT_FALSE(ReadAspectSet('N', "AAA", set));
  EXPECT_TRUE(msgs->Saw("Unable to read rec # 29 of ANGLES.DAT."));
  msgs->Clear();
  EXPECT_FALSE(ReadAspectSet('0', "AAA", set));
  EXPECT_TRUE(msgs->Saw("Unable to read rec # -1 of ANGLES.DAT."));
}

}  // namespace
}  // namespace vostrane
