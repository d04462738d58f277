// SPDX-License-Identifier: GPL-3.0-or-later
// The generated installation files read back through the program's readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <cmath>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "wheel/AspectSetFile.h"
#include "wheel/PageDefinition.h"
#include "wheel/WheelPictures.h"
#include "wheel/WheelStyleFile.h"

namespace vostrane {
namespace {

using test::InstallFile;
namespace o = wheel_offset;

WheelDefinition ReadStyle(const std::string& code, char category) {
  WheelStyleFile file;
  WheelDefinition def;
  EXPECT_TRUE(file.Open(InstallFile("WHEELS.DAT")));
  EXPECT_TRUE(file.Read(code, category, def)) << code << ' ' << category;
  return def;
}

TEST(InstalledWheelStyles, StandardPageUsesEveryElement) {
  ScopedScriptedMessages msgs;
  const WheelDefinition d = ReadStyle("AAA", 'R');
  EXPECT_GT(d.wheelSize(), 0);
  EXPECT_EQ(d.Letter(o::degreeScale), 'Y');
  EXPECT_EQ(d.Letter(o::houseNumbers), 'R');
  EXPECT_EQ(d.Letter(o::aspectLines), 'Y');
  EXPECT_EQ(d.Letter(o::aspectSet), '1');
  EXPECT_NE(d.positionTableDef(0)[0], 0);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(d.legendShown(i)) << "legend " << i + 1;
  EXPECT_EQ(d.Letter(o::furtherPointsTable), 'Y');
  EXPECT_EQ(d.Letter(o::elementsTable), 'Y');
  EXPECT_EQ(d.Letter(o::parallelsTable), 'Y');
  EXPECT_GT(d.parallelBoxSize(0).x, 0);
  EXPECT_EQ(d.Letter(o::grid1Shown), 'Y');
  EXPECT_NE(d.I16(o::creditLine), -1);
  // Every font letter names one of the sixteen fonts, every size is sane.
  for (size_t f : {o::headerFont, o::cuspLabelFont, o::gridFont, o::tableHeadingFont, o::tableFont,
                   o::creditFont, o::degreeFont, o::minuteFont, o::houseNumberFont})
    EXPECT_TRUE(d.Letter(f) >= 'A' && d.Letter(f) <= 'P') << f;
  for (size_t s : {o::headerSize, o::cuspLabelSize, o::gridGlyphSize, o::planetGlyphSize, o::degreeSize,
                   o::signGlyphSize, o::minuteSize, o::retrogradeSize, o::houseNumberSize,
                   o::tableHeadingSize, o::tableSize})
    EXPECT_TRUE(d.I16(s) >= 6 && d.I16(s) <= 20) << s;
  // Places lie on the page.
  for (int i = 0; i < 5; ++i) {
    if (!d.legendShown(i)) continue;
    EXPECT_TRUE(d.legendPlace(i).x >= 0 && d.legendPlace(i).x < 10000);
    EXPECT_TRUE(d.legendPlace(i).y >= 0 && d.legendPlace(i).y < 10000);
  }
  EXPECT_LE(d.gridValue(o::gridRight, 1), 10000);
  EXPECT_LE(d.gridValue(o::gridBottom, 1), 10000);
  // Print colours are dark palette colours that read as greys.
  for (int p = 0; p < 19; ++p) {
    const int32_t c = d.pointPrintColour(p);
    EXPECT_TRUE(c == 0 || c == 1 || c == 2 || c == 3 || c == 5 || c == 8 || c == 13) << p;
  }
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(InstalledWheelStyles, AlternativeAndMultiWheelStyles) {
  const WheelDefinition large = ReadStyle("AAB", 'R');
  EXPECT_GT(large.wheelSize(), ReadStyle("AAA", 'R').wheelSize());
  const WheelDefinition emblem = ReadStyle("AAC", 'R');
  EXPECT_EQ(emblem.I16(o::pictureGroup), 1);
  const WheelDefinition bi = ReadStyle("AAA", 'B');
  EXPECT_EQ(bi.Letter(o::aspectLines), 'B');
  const WheelDefinition tri = ReadStyle("AAA", 'T');
  EXPECT_EQ(tri.Letter(o::outerRingCircles), 'Y');
  EXPECT_LT(tri.wheelSize(), bi.wheelSize());
  // A code without a style of its own gets its category's standard record.
  const WheelDefinition other = ReadStyle("BCD", 'B');
  EXPECT_EQ(std::memcmp(other.Data(), bi.Data(), kWheelDefinitionSize), 0);
}

TEST(InstalledAspectSets, ThreeSetsOfGrowingSize) {
  ScopedScriptedMessages msgs;
  const std::string path = InstallFile("ANGLES.DAT");
  std::vector<double> angles[3];
  for (int s = 0; s < 3; ++s) {
    AspectSet set;
    ASSERT_TRUE(ReadAspectSet(static_cast<char>('1' + s), "AAA", set, path));
    for (int i = 1; i <= kAspectCount; ++i)
      if (set.Entry(i).InUse()) angles[s].push_back(set.Entry(i).Angle());
  }
  EXPECT_EQ(angles[0], (std::vector<double>{0, 180, 90, 120, 60}));
  EXPECT_EQ(angles[1].size(), 9u);
  ASSERT_EQ(angles[2].size(), 17u);
  auto has = [&](double a) {
    for (double v : angles[2])
      if (std::fabs(v - a) < 1.0 / 3600) return true;
    return false;
  };
  EXPECT_TRUE(has(72) && has(144));                                  // quintiles
  EXPECT_TRUE(has(360.0 / 7) && has(720.0 / 7) && has(1080.0 / 7));  // septiles
  EXPECT_TRUE(has(40) && has(80) && has(160));                       // noviles
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(InstalledAspectSets, CandidateRowsCoverEveryOrbAndNothingElse) {
  for (char letter : {'1', '2', '3'}) {
    AspectSet set;
    ASSERT_TRUE(ReadAspectSet(letter, "AAA", set, InstallFile("ANGLES.DAT")));
    for (int t = 0; t <= 180; ++t) {
      const std::vector<int> row = set.Candidates(t);
      for (int i = 1; i <= kAspectCount; ++i) {
        const AspectEntry e = set.Entry(i);
        if (!e.InUse()) continue;
        const double orb = std::max(e.PlanetOrb(), e.SunMoonOrb());
        // Some separation in [t, t + 1) within the orb?
        const bool reachable = t + 1 > e.Angle() - orb && t <= e.Angle() + orb;
        const bool listed = std::find(row.begin(), row.end(), i) != row.end();
        EXPECT_EQ(listed, reachable) << "set " << letter << " row " << t << " aspect " << i;
      }
    }
  }
}

TEST(InstalledPageDefinition, ReadsCleanly) {
  ScopedScriptedMessages msgs;
  PageDefinition def;
  EXPECT_TRUE(ReadPageDefinition(def, InstallFile("PAGEW.DEF")));
  EXPECT_GT(def.lines, 40);
  EXPECT_GT(def.topMargin, 0);
  EXPECT_GT(def.leftMargin, 0);
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(InstalledPictures, GroupOneIsTheEmblemOfTheInstallation) {
  ScopedScriptedMessages msgs;
  const auto group = ReadPictureGroup(1, InstallFile("WHEELSG.DAT"));
  ASSERT_EQ(group.size(), 1u);
  EXPECT_EQ(group[0].path, "PICTURES/EMBLEM.BMP");
  EXPECT_EQ(group[0].last, 'Y');
  EXPECT_LT(group[0].left, group[0].right);
  EXPECT_LT(group[0].top, group[0].bottom);
  const auto bmp = ReadWholeFile(InstallFile("PICTURES/EMBLEM.BMP"));
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->substr(0, 2), "BM");
  EXPECT_TRUE(msgs->Shown().empty());
}

}  // namespace
}  // namespace vostrane
