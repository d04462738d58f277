// SPDX-License-Identifier: GPL-3.0-or-later
// The page of lots and fixed stars, drawn on the recording surface.
#include <gtest/gtest.h>

#include "astro/AngleHelpers.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/ChartStars.h"
#include "wheel/PointsPage.h"
#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

TEST(PointsPage, ListsTheLotsByDayOrNightAndTheStarsOnThePoints) {
  const LotList lots = ParseLots("Fortune | Asc + Moon - Sun | Y | Hellenistic\n", "LOTS.DAT");
  ASSERT_EQ(lots.error, "");
  const std::vector<FixedStar> stars = {
      {"Regulus", "alLeo", 152.09, 11.97, -248.73, 5.59, 5.9, 41.13, 1.4}};
  const std::vector<FixedStar> noStars;
  const std::vector<Lot> noLots;
  const struct {
    const char* what;
    double sun;  // the Sun's longitude; houses 1..6 run from 126.34 to 306.34
    bool files;
    std::vector<std::string> shown;
  } cases[] = {
      // By day: Fortune 126.34 + 202 - 345 = 343.34; Jupiter on Regulus.
      {"day",
       345.0,
       true,
       {"Lots (Arabic Parts), day chart", "Fortune", "Asc + Moon - Sun",
        "13\xB0"
        "20' Pis",
        "Hellenistic", "Regulus",
        "Jupiter 0\xB0"
        "24'"}},
      // By night (the Sun in house 3) the formula is reversed.
      {"night", 190.0, true, {"Lots (Arabic Parts), night chart", "Asc + Sun - Moon", "Regulus"}},
      {"no files",
       345.0,
       false,
       {"The lot file could not be read.", "The fixed-star file could not be read."}},
  };
  for (const auto& c : cases) {
    ChartEntry e = test::MakeChart();
    e.setJulianDayUt(2437364.3125);  // 1961 March 5, 19:30 UT
    e.setObliquityRad(23.4433 * kRadPerDeg);
    e.setLon(0, c.sun);
    // Jupiter 0.4 degrees past Regulus, 0.2 degrees further from the equator.
    const ChartStars placed = StarsOfChart(stars, e, 1.0);
    e.setLon(5, placed.places[0].lon + 0.4);
    e.setBody(BodyArray::Decl, 5, placed.places[0].decl + 0.2);
    RecordingSurface s;
    PointsPageInput in;
    in.chart = &e;
    in.lots = c.files ? &lots.lots : &noLots;
    in.stars = c.files ? &stars : &noStars;
    ASSERT_TRUE(AssemblePointsPage(s, in, DefaultPageNames())) << c.what;
    for (const std::string& text : c.shown)
      EXPECT_FALSE(s.TextsEqual(text).empty()) << c.what << ": " << text << "\n" << s.Dump();
  }
}

}  // namespace
}  // namespace vostrane
