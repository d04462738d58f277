// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Zodiac.h"

#include <gtest/gtest.h>

#include "AstroTestSupport.h"
#include "astro/Houses.h"
#include "astro/TimeScales.h"
#include "derived/EntryCalculation.h"
#include "platform/ScriptedMessageService.h"
#include "session/NameFileImage.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

using test::MakeEntry;

// 1900 January 0.5 (t = 0) and 2000 January 0.5 (t = 1), universal time.
ChartEntry EntryAtT0(char zodiacLetter) {
  ChartEntry e = MakeEntry(1899, 12, 31, 12, 0, 0, 0.0, 50.0, 10.0);
  e.setZodiacLetter(zodiacLetter);
  return e;
}
ChartEntry EntryAtT1(char zodiacLetter) {
  ChartEntry e = MakeEntry(2000, 1, 1, 12, 0, 0, 0.0, 50.0, 10.0);
  e.setZodiacLetter(zodiacLetter);
  return e;
}

TEST(Zodiac, BuiltInAyanamsaAtTheReferenceMoments) {
  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  ChartEntry e0 = EntryAtT0('T');
  const Ayanamsa a0 = CalcTimeScales(e0);
  EXPECT_DOUBLE_EQ(e0.centuriesSince1900Ut(), 0.0);
  EXPECT_NEAR(e0.ayanamsaDeg(), 23.3488, 5e-5);
  EXPECT_DOUBLE_EQ(a0.k, -e0.ayanamsaDeg());
  EXPECT_DOUBLE_EQ(a0.z, 0.0);

  ChartEntry e1 = EntryAtT1('T');
  CalcTimeScales(e1);
  EXPECT_DOUBLE_EQ(e1.centuriesSince1900Ut(), 1.0);
  EXPECT_NEAR(e1.ayanamsaDeg(), 24.7365, 5e-5);

  ChartEntry s1 = EntryAtT1('S');
  const Ayanamsa as = CalcTimeScales(s1);
  EXPECT_NEAR(s1.ayanamsaDeg(), -24.7365, 5e-5);
  EXPECT_DOUBLE_EQ(as.z, s1.ayanamsaDeg());
  EXPECT_DOUBLE_EQ(ZodiacOffset(s1), s1.ayanamsaDeg());
  EXPECT_DOUBLE_EQ(ZodiacOffset(e1), 0.0);
  EXPECT_TRUE(msgs->Shown().empty());  // no file, no message
}

TEST(Zodiac, SiderealChartIsTheTropicalOneShifted) {
  test::TempFolder folder;
  for (char system = 'A'; system <= 'I'; ++system) {
    for (auto make : {EntryAtT0, EntryAtT1}) {
      ChartEntry t = make('T');
      ChartEntry s = make('S');
      NameFileImage image;
      CalcHouses(t, image, *HouseSystemOfLetter(system), false, test::ShownReport().report());
      CalcHouses(s, image, *HouseSystemOfLetter(system), false, test::ShownReport().report());
      const double shift = t.ayanamsaDeg();
      auto expectShifted = [&](double trop, double sid, const char* what) {
        EXPECT_NEAR(test::ArcDistance(ModAngle(360, trop - shift), sid), 0.0, 1e-9)
            << what << " system " << system;
        EXPECT_GE(sid, 0.0);
        EXPECT_LT(sid, 360.0);
      };
      expectShifted(t.asc(), s.asc(), "asc");
      expectShifted(t.mc(), s.mc(), "mc");
      expectShifted(t.vertex(), s.vertex(), "vertex");
      expectShifted(t.eastPoint(), s.eastPoint(), "eastpt");
      expectShifted(t.coAscendant(), s.coAscendant(), "coasc");
      expectShifted(t.polarAscendant(), s.polarAscendant(), "polarasc");
      expectShifted(t.moonNodeDeg(), s.moonNodeDeg(), "node");
      for (int h = 1; h <= 6; ++h) expectShifted(t.cusp(h), s.cusp(h), "cusp");
      EXPECT_DOUBLE_EQ(t.ramcRad(), s.ramcRad());
    }
  }
}

TEST(Zodiac, CorrectionFileIsApplied) {
  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  ChartEntry plain = EntryAtT1('T');
  CalcTimeScales(plain);

  // "-00 30 00" and a tenth character: 0.5 degrees added to K.
  folder.Write("AYANAMSH.DAT", "-00 30 00 \r\nsecond line ignored\r\n");
  ChartEntry minus = EntryAtT1('T');
  CalcTimeScales(minus);
  EXPECT_NEAR(minus.ayanamsaDeg(), plain.ayanamsaDeg() - 0.5, 1e-12);
  // A long first line without a line end is read as far as it matters.
  folder.Write("AYANAMSH.DAT", "-00 30 00" + std::string(100000, '#'));
  ChartEntry longLine = EntryAtT1('T');
  CalcTimeScales(longLine);
  EXPECT_NEAR(longLine.ayanamsaDeg(), plain.ayanamsaDeg() - 0.5, 1e-12);

  // Minutes are not range-checked: 99 minutes are 1.65 degrees.
  folder.Write("AYANAMSH.DAT", "+00 99 00x");
  ChartEntry plus = EntryAtT1('S');
  const Ayanamsa a = CalcTimeScales(plus);
  EXPECT_NEAR(plus.ayanamsaDeg(), -(plain.ayanamsaDeg() + 1.65), 1e-12);
  EXPECT_DOUBLE_EQ(a.z, plus.ayanamsaDeg());

  // Any character but '-' in column 1 is a plus sign; separators are free.
  folder.Write("AYANAMSH.DAT", "X01/02/03 comment\n");
  ChartEntry other = EntryAtT1('T');
  CalcTimeScales(other);
  EXPECT_NEAR(other.ayanamsaDeg(), plain.ayanamsaDeg() + 1 + 2 / 60.0 + 3 / 3600.0, 1e-12);
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST(Zodiac, BadCorrectionFileIsReportedAndIgnored) {
  test::TempFolder folder;
  ChartEntry plain = EntryAtT1('T');
  CalcTimeScales(plain);
  const char* bad[] = {
      "-00 30 00",      // nine characters
      "-00 30 00\r\n",  // nine characters before the line end
      "-0a 30 00  ",    // degrees do not parse
      "-00 3- 00  ",    // minutes do not parse
      "-00 30 .5  ",    // seconds do not parse
      "",               // no first line
  };
  for (const char* content : bad) {
    ScopedScriptedMessages msgs;
    folder.Write("AYANAMSH.DAT", content);
    ChartEntry e = EntryAtT1('T');
    ShowCalcStatus(CalcTimeScales(e).status);
    EXPECT_DOUBLE_EQ(e.ayanamsaDeg(), plain.ayanamsaDeg()) << content;
    ASSERT_EQ(msgs->Shown().size(), 1u) << content;
    EXPECT_EQ(msgs->Shown()[0].text, kAyanamshaBadMessage);
    EXPECT_EQ(msgs->Shown()[0].icon, MsgIcon::Information);
  }
}

TEST(Zodiac, ParseAyanamshaLine) {
  EXPECT_DOUBLE_EQ(*ParseAyanamshaLine("+00 12 30 "), 12 / 60.0 + 30 / 3600.0);
  EXPECT_DOUBLE_EQ(*ParseAyanamshaLine("- 1  2  3 "), -(1 + 2 / 60.0 + 3 / 3600.0));
  EXPECT_FALSE(ParseAyanamshaLine("+00 12 30"));
  EXPECT_FALSE(ParseAyanamshaLine("+   12 30 "));
  EXPECT_FALSE(ParseAyanamshaLine("+1  12 30 "));
}

}  // namespace
}  // namespace vostrane
