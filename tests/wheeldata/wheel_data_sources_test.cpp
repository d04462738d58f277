// SPDX-License-Identifier: GPL-3.0-or-later
// The readable sources of the wheel, aspect, picture and page files: what
// they build and how their errors point at the line to fix.
#include <gtest/gtest.h>

#include <cstring>

#include "tools/generators/wheeldata/AngleSource.h"
#include "tools/generators/wheeldata/PictureSource.h"
#include "tools/generators/wheeldata/SourceValues.h"
#include "tools/generators/wheeldata/WheelSource.h"

namespace vostrane::wheeldata {
namespace {

std::vector<std::string> Messages(const std::vector<textgen::SourceError>& errors) {
  std::vector<std::string> out;
  for (const auto& e : errors) out.push_back(e.Format());
  return out;
}

TEST(SourceValues, ColoursAndComments) {
  int32_t c = 0;
  std::string error;
  ASSERT_TRUE(ParseColour("maroon", false, c, error));
  EXPECT_EQ(c, 5);
  ASSERT_TRUE(ParseColour("#D2601A", false, c, error));
  EXPECT_EQ(c, 0x1A60D2);  // red in the low byte
  EXPECT_FALSE(ParseColour("#D2601A", true, c, error));
  EXPECT_FALSE(ParseColour("#050000", false, c, error));  // would read as palette 5
  EXPECT_FALSE(ParseColour("16", false, c, error));
  EXPECT_FALSE(ParseColour("pink", false, c, error));
  EXPECT_EQ(StripComment("colour.Sun = #D2601A,  maroon   # the Sun"), "colour.Sun = #D2601A,  maroon");
  EXPECT_EQ(StripComment("wheel.ringColour = #101010"), "wheel.ringColour = #101010");
  EXPECT_EQ(StripComment("   # only a comment"), "");
}

TEST(WheelSourceParse, KeysBaseRecordsAndGaps) {
  const std::string text =
      "[record 1]  standard\n"
      "wheel.size = 2000   # radius\n"
      "wheel.centre = 3160, -5\n"
      "header.layout = M\n"
      "positionTable2.points = E\n"
      "positionTable2.columns = ABJ\n"
      "colour.Node = olive, black\n"
      "grid2.left = 777\n"
      "[record 3]\n"
      "base = 1\n"
      "wheel.size = 2900\n"
      "[record 1001]\n"
      "wheel.aspectLines = B\n";
  const WheelSource src = ParseWheelSource(text, "w.txt");
  ASSERT_TRUE(src.errors.empty()) << Messages(src.errors)[0];
  const WheelDefinition& d = src.records.at(1);
  EXPECT_EQ(d.wheelSize(), 2000);
  EXPECT_EQ(d.I16(wheel_offset::wheelCentreY), -5);
  EXPECT_EQ(d.Letter(wheel_offset::headerLayout), 'M');
  EXPECT_EQ(d.positionTableDef(1), "EABJ");
  EXPECT_EQ(d.pointScreenColour(19), 6);
  EXPECT_EQ(d.gridValue(wheel_offset::gridLeft, 2), 777);
  EXPECT_EQ(src.records.at(3).wheelSize(), 2900);
  EXPECT_EQ(src.records.at(3).Letter(wheel_offset::headerLayout), 'M');

  const std::string file = BuildWheelFile(src);
  ASSERT_EQ(file.size(), 1001 * kWheelDefinitionSize);
  // Record 2 is a copy of record 1; record 1000 too; record 1001 is its own.
  EXPECT_EQ(std::memcmp(file.data() + kWheelDefinitionSize, d.Data(), kWheelDefinitionSize), 0);
  EXPECT_EQ(std::memcmp(file.data() + 999 * kWheelDefinitionSize, d.Data(), kWheelDefinitionSize), 0);
  EXPECT_EQ(file[1000 * kWheelDefinitionSize + wheel_offset::aspectLines], 'B');
}

TEST(WheelSourceParse, ErrorsNameFileAndLine) {
  const std::string text =
      "wheel.size = 1\n"
      "[record 1]\n"
      "wheel.sise = 2000\n"
      "wheel.size = 40000\n"
      "header.layout = MM\n"
      "colour.Sun = red\n"
      "base = 1\n"
      "wheel.centre = 1\n"
      "[record x]\n"
      "[record 2]\n"
      "base = 7\n"
      "just words\n";
  const auto m = Messages(ParseWheelSource(text, "w.txt").errors);
  ASSERT_EQ(m.size(), 10u);
  EXPECT_EQ(m[0].substr(0, 9), "w.txt:1: ");
  EXPECT_NE(m[1].find("w.txt:3: unknown key 'wheel.sise'"), std::string::npos);
  EXPECT_NE(m[2].find("w.txt:4: wheel.size: 40000 is outside"), std::string::npos);
  EXPECT_NE(m[3].find("w.txt:5:"), std::string::npos);
  EXPECT_NE(m[4].find("w.txt:6: colour.Sun: expected two colours"), std::string::npos);
  EXPECT_NE(m[5].find("w.txt:7: base must be the first key"), std::string::npos);
  EXPECT_NE(m[6].find("w.txt:8:"), std::string::npos);
  EXPECT_NE(m[7].find("w.txt:9:"), std::string::npos);
  EXPECT_NE(m[8].find("w.txt:11: base record 7 is not defined above"), std::string::npos);
  EXPECT_NE(m[9].find("w.txt:12: expected key = value"), std::string::npos);
}

const char* const kSets =
    "[set 1]\n"
    "1 Con 0:00:00 8:00 10:00 navy black solid 1 none\n"
    "2 Opp 180:00:00 8:00 10:00 red black solid 3 straight\n"
    "[set 2]\n"
    "1 Sep 51:25:43 1:00 1:30 grey grey dotted 2 bend\n"
    "[set 3]\n"
    "3 Tri 120:00:00 7:00 9:00 blue navy dashed 1 centre\n";

TEST(AngleSourceParse, EntriesAndComputedCandidates) {
  const AngleSource src = ParseAngleSource(kSets, "a.txt");
  ASSERT_TRUE(src.errors.empty()) << Messages(src.errors)[0];
  const AspectEntry opp = src.sets[0].Entry(2);
  EXPECT_EQ(opp.degrees, 180);
  EXPECT_EQ(opp.screenColour, 4);
  EXPECT_EQ(opp.weight, 3);
  EXPECT_EQ(opp.lineMode, 1);
  EXPECT_EQ(src.sets[0].ShortName(2), "Opp");
  EXPECT_EQ(src.sets[2].Entry(3).lineStyle, 1);
  EXPECT_EQ(src.sets[2].Entry(3).lineMode, 2);
  EXPECT_FALSE(src.sets[2].Entry(1).InUse());
  // Conjunction: separations 0..10 (the wider orb); opposition 170..180.
  EXPECT_EQ(src.sets[0].Candidates(0), (std::vector<int>{1}));
  EXPECT_EQ(src.sets[0].Candidates(10), (std::vector<int>{1}));
  EXPECT_TRUE(src.sets[0].Candidates(11).empty());
  EXPECT_TRUE(src.sets[0].Candidates(169).empty());
  EXPECT_EQ(src.sets[0].Candidates(170), (std::vector<int>{2}));
  EXPECT_EQ(src.sets[0].Candidates(180), (std::vector<int>{2}));
  EXPECT_TRUE(src.sets[0].Candidates(181).empty());
  // Septile 51:25:43 with orb 1:30: separations 49.93 .. 52.93.
  EXPECT_TRUE(src.sets[1].Candidates(48).empty());
  EXPECT_EQ(src.sets[1].Candidates(49), (std::vector<int>{1}));
  EXPECT_EQ(src.sets[1].Candidates(52), (std::vector<int>{1}));
  EXPECT_TRUE(src.sets[1].Candidates(53).empty());
  EXPECT_EQ(BuildAngleFile(src).size(), 3 * kAspectSetSize);
}

TEST(AngleSourceParse, Errors) {
  const std::string text =
      "1 Con 0:00:00 8:00 10:00 navy black solid 1 none\n"
      "[set 1]\n"
      "1 Conj 0:00:00 8:00 10:00 navy black solid 1 none\n"
      "2 Opp 181:00:00 8:00 10:00 red black solid 3 straight\n"
      "3 Squ 90:00 8:00 10:00 red black solid 3 straight\n"
      "4 Tri 120:00:00 8:00 10:00 #112233 black solid 3 straight\n"
      "5 Sxt 60:00:00 5:00\n"
      "[set 4]\n";
  const auto m = Messages(ParseAngleSource(text, "a.txt").errors);
  ASSERT_EQ(m.size(), 8u);
  EXPECT_NE(m[0].find("a.txt:1: aspect line outside"), std::string::npos);
  EXPECT_NE(m[1].find("a.txt:4: 181 is outside 0..180"), std::string::npos);
  EXPECT_NE(m[2].find("a.txt:5: '90:00' should be d:mm:ss"), std::string::npos);
  EXPECT_NE(m[3].find("a.txt:6: only palette colours"), std::string::npos);
  EXPECT_NE(m[4].find("a.txt:7: expected 10 columns"), std::string::npos);
  EXPECT_NE(m[5].find("a.txt:8: expected [set 1], [set 2] or [set 3]"), std::string::npos);
  EXPECT_NE(m[6].find("set 2 is missing"), std::string::npos);
  EXPECT_NE(m[7].find("set 3 is missing"), std::string::npos);
}

TEST(PictureSourceParse, GroupsMarksAndBitmaps) {
  const PictureSource src = ParsePictureSource(
      "[group 1]\npicture = A.BMP @ 1, 2, 3, 4\npicture = B.BMP @ 0,0,0,0\n"
      "[group 2]\npicture = C.BMP @ 5, 6, 7, 8\n",
      "p.txt");
  ASSERT_TRUE(src.errors.empty()) << Messages(src.errors)[0];
  ASSERT_EQ(src.groups.size(), 2u);
  EXPECT_EQ(src.groups[0][0].last, 'N');
  EXPECT_EQ(src.groups[0][1].last, 'Y');
  EXPECT_EQ(src.groups[1][0].bottom, 8);
  const std::string file = BuildPictureFile(src);
  ASSERT_EQ(file.size(), 40 * kPictureRecordSize);
  EXPECT_EQ(file.substr(20 * kPictureRecordSize + 1, 5), "C.BMP");

  const auto bad = Messages(
      ParsePictureSource("[group 2]\n[group 1]\npicture = X.BMP\n", "p.txt").errors);
  ASSERT_GE(bad.size(), 2u);
  EXPECT_NE(bad[0].find("p.txt:1: groups must be numbered"), std::string::npos);
  EXPECT_NE(bad[1].find("p.txt:3: expected picture = FILE"), std::string::npos);

  std::string bmp;
  std::vector<textgen::SourceError> errors;
  ASSERT_TRUE(
      BuildBitmapFromPixelArt("# art\n. = #FFFFFF\nx = #102030\n.x.\nx.x\n", "e.pix", bmp, errors));
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);  // rows padded to four bytes
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  // The bottom row first, blue green red: "x.x" starts with 30 20 10.
  EXPECT_EQ(static_cast<unsigned char>(bmp[54]), 0x30);
  EXPECT_EQ(static_cast<unsigned char>(bmp[56]), 0x10);
  EXPECT_FALSE(BuildBitmapFromPixelArt(". = #FFFFFF\n..\n.q.\n", "e.pix", bmp, errors));
  EXPECT_EQ(errors.size(), 2u);  // a wider row, and 'q' without a colour
}

TEST(PageDefinitionSource, SixNumberedLines) {
  std::vector<textgen::SourceError> errors;
  EXPECT_TRUE(CheckPageDefinition("1\n2\n3 c\n4\n5\n6\nnotes\n", "p.def", errors));
  EXPECT_FALSE(CheckPageDefinition("1\n2\n-3\n4\n5\n", "p.def", errors));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].Format().find("p.def:3:"), std::string::npos);
  EXPECT_NE(errors[1].Format().find("p.def:6:"), std::string::npos);
}

}  // namespace
}  // namespace vostrane::wheeldata
