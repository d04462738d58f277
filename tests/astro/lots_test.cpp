// SPDX-License-Identifier: GPL-3.0-or-later
// The lots: the reader's checks and the formulas by day and by night.
#include <gtest/gtest.h>

#include "astro/ArabicParts.h"

namespace vostrane {
namespace {

TEST(Lots, TheReaderRefusesBrokenLinesAndNamesTheFileAndLine) {
  const struct {
    const char* text;
    const char* says;  // nullptr: read
  } cases[] = {
      {"# lots\nFortune | Asc + Moon - Sun | Y | Hellenistic\nEros | Asc + Venus - Fortune | N | x\n",
       nullptr},
      {"Fortune | Asc + Moon - Sun | Y\n", "line 1 has 3 fields"},
      {"Fortune | Asc + Moon + Sun | Y | s\n", "line 1 has a formula that is not A + B - C"},
      {"Fortune | Asc + Moon - Sun | Y | s\nEros | Asc + Venus - Spirit | Y | s\n",
       "line 2 uses Spirit, which is no point"},
      {"Death | H13 + Saturn - Moon | N | s\n", "uses H13"},
      {"Fortune | Asc + Moon - Sun | X | s\n", "night flag other than Y or N"},
      {"Fortune | Asc + Moon - Sun | Y | s\nFortune | Asc + Sun - Moon | Y | s\n", "a second time"},
      {"\n# nothing\n", "holds no lot"},
  };
  for (const auto& c : cases) {
    const LotList list = ParseLots(c.text, "LOTS.DAT");
    if (!c.says) {
      EXPECT_EQ(list.error, "");
      EXPECT_EQ(list.lots.size(), 2u);
      continue;
    }
    EXPECT_TRUE(list.lots.empty()) << c.text;
    EXPECT_NE(list.error.find("LOTS.DAT"), std::string::npos) << list.error;
    EXPECT_NE(list.error.find(c.says), std::string::npos) << list.error;
  }
}

TEST(Lots, ReversedLotsExchangeTheirLastTwoPointsByNight) {
  const LotList list = ParseLots(
      "Fortune | Asc + Moon - Sun | Y | s\nSpirit | Asc + Sun - Moon | Y | s\n"
      "Eros | Asc + Venus - Spirit | Y | s\nDeath | H8 + Saturn - Moon | N | s\n",
      "LOTS.DAT");
  ASSERT_EQ(list.error, "");
  LotPoints p;
  p.asc = 100;
  p.planets = {350, 20, 0, 200, 0, 0, 300, 0, 0, 0};  // Sun, Moon, Venus at 200, Saturn at 300
  for (int h = 0; h < 12; ++h) p.cusps[h] = 100 + 30 * h;
  const struct {
    bool night;
    double fortune, spirit, eros, death;
  } cases[] = {
      {false, 130, 70, 230, 230},  // 100 + 20 - 350; 100 + 350 - 20; 100 + 200 - 70; 310 + 300 - 20
      {true, 70, 130, 30, 230},    // Eros 100 + Spirit 130 - Venus 200; Death is not reversed
  };
  for (const auto& c : cases) {
    p.night = c.night;
    const std::vector<double> lon = LotLongitudes(list.lots, p);
    ASSERT_EQ(lon.size(), 4u);
    EXPECT_NEAR(lon[0], c.fortune, 1e-9) << c.night;
    EXPECT_NEAR(lon[1], c.spirit, 1e-9) << c.night;
    EXPECT_NEAR(lon[2], c.eros, 1e-9) << c.night;
    EXPECT_NEAR(lon[3], c.death, 1e-9) << c.night;
  }
  EXPECT_EQ(list.lots[0].FormulaFor(true), "Asc + Sun - Moon");
  EXPECT_EQ(list.lots[3].FormulaFor(true), "H8 + Saturn - Moon");
}

}  // namespace
}  // namespace vostrane
