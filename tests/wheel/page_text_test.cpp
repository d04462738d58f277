// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the page header: ordinals, dates, clock times, places on the
// globe, time zones, names, wrapping and chart titles.
#include <gtest/gtest.h>

#include <map>

#include "tests/wheel/PageTestSupport.h"
#include "wheel/ChartTitle.h"
#include "wheel/PageHeader.h"
#include "wheel/PageText.h"

namespace vostrane {
namespace {

TEST(PageText, OrdinalSuffixes) {
  const std::map<int, std::string> cases = {{1, "st"},  {2, "nd"},   {3, "rd"},   {4, "th"},
                                            {11, "th"}, {12, "th"},  {13, "th"},  {21, "st"},
                                            {22, "nd"}, {103, "rd"}, {111, "th"}, {0, "th"}};
  for (const auto& [n, suffix] : cases) EXPECT_EQ(OrdinalSuffix(n), suffix) << n;
}

TEST(PageText, DatesAndTwelveHourClock) {
  EXPECT_EQ(DateText(3, 5, 1961), "March 5, 1961");
  EXPECT_EQ(ClockText(0, 5, 0), "12:05 AM");
  EXPECT_EQ(ClockText(11, 59, 59), "11:59:59 AM");
  EXPECT_EQ(ClockText(12, 0, 0), "12:00 PM");
  EXPECT_EQ(ClockText(13, 30, 15), "1:30:15 PM");
}

TEST(PageText, GlobePositionsAndZones) {
  EXPECT_EQ(LatitudeText(40.7128), "40N42'46\"");
  EXPECT_EQ(LatitudeText(-54.8), "54S48");
  EXPECT_EQ(LongitudeText(74.0), "74W00");
  EXPECT_EQ(LongitudeText(-166.67), "166E40'12\"");
  EXPECT_EQ(TimeZoneText(5), "Time Zone: 5 hours West");
  EXPECT_EQ(TimeZoneText(0), "Time Zone: 0 hours");
  EXPECT_EQ(TimeZoneText(-1), "Time Zone: 1 hour East");
  EXPECT_EQ(TimeZoneText(-5.5), "Time Zone: 5 hr 30 min East");
  EXPECT_EQ(TimeZoneText(3.75), "Time Zone: 3 hr 45 min West");
  // Local mean time: four minutes of clock time to the degree.
  EXPECT_EQ(LocalMeanTimeText(-8.55),
            "Local Mean Time (longitude 8\xB0"
            "33' E = 0h34m12s)");
  EXPECT_EQ(LocalMeanTimeText(74.006),
            "Local Mean Time (longitude 74\xB0"
            "00'22\" W = 4h56m01s)");
  EXPECT_EQ(LocalMeanTimeText(0),
            "Local Mean Time (longitude 0\xB0"
            "00' = 0h00m00s)");
}

TEST(PageText, NamesAndWrapping) {
  EXPECT_EQ(DisplayName("Doe, John"), "John Doe");
  EXPECT_EQ(DisplayName("Doe,John Paul"), "John Paul Doe");
  EXPECT_EQ(DisplayName("Event"), "Event");
  EXPECT_EQ(DisplayName("Doe,"), "Doe");
  auto chars = [](const std::string& t) { return static_cast<int>(t.size()); };
  EXPECT_EQ(WrapText("aa bb  cc dd", 5, chars), (std::vector<std::string>{"aa bb", "cc dd"}));
  EXPECT_EQ(WrapText("aa bb  cc", 9, chars), (std::vector<std::string>{"aa bb  cc"}));
  EXPECT_EQ(WrapText("averylongword x", 4, chars), (std::vector<std::string>{"averylongword", "x"}));
  EXPECT_TRUE(WrapText("   ", 4, chars).empty());
}

TEST(ChartTitle, NatalHarmonicAndDerivedTitles) {
  const PageNames names = DefaultPageNames();
  ChartEntry e = test::MakeChart();
  EXPECT_EQ(ChartTitle(e, names), "Natal Chart");
  e.setHarmonic(12);
  EXPECT_EQ(ChartTitle(e, names), "12th Harmonic Natal Chart");
  e.setHarmonic(1);

  ChartEntry progressed = e;
  progressed.setChartType(4);
  progressed.setChartSubtype(1);
  progressed.setBaseEntry(1);
  const ChartEntry base = e;
  const EntryLookup lookup = [&](int record, ChartEntry& out) {
    if (record != 1) return false;
    out = base;
    return true;
  };
  // A progression names the date it was made for and the birth it starts from.
  progressed.setPrintoutParam(73, 8);
  progressed.setPrintoutParam(74, 15);
  progressed.setPrintoutParam(75, 2025);
  EXPECT_EQ(ChartTitle(progressed, names, lookup),
            "Secondary Progressed for August 15, 2025  OF  Natal Chart of March 5, 1961");

  ChartEntry composite = e;
  composite.setChartType(1);
  composite.setChartSubtype(0);
  composite.setBaseEntry(1);
  composite.setSecondBaseEntry(1);
  EXPECT_EQ(ChartTitle(composite, names, lookup),
            "Composite Chart (Midpoint Method)   Chart 1: John Doe AND Chart 1: John Doe");
  EXPECT_EQ(ChartName(composite, lookup), "John Doe / John Doe");

  // Transits, and a harmonic chart of the transits.
  ChartEntry transits = e;
  transits.setChartType(8);
  transits.setBaseEntry(1);
  transits.setPlace("Paris");
  EXPECT_EQ(ChartTitle(transits, names, lookup),
            "Transits for March 5, 1961 at 2:30 PM in Paris  OF  Natal Chart");
  ChartEntry fifth = e;
  fifth.setChartType(5);
  fifth.setHarmonic(5);
  fifth.setBaseEntry(2);
  const EntryLookup chain = [&](int record, ChartEntry& out) {
    out = record == 2 ? transits : base;
    return record == 1 || record == 2;
  };
  EXPECT_EQ(ChartTitle(fifth, names, chain),
            "5th Harmonic Chart  OF  Transits for March 5, 1961 at 2:30 PM in Paris  OF  Natal Chart");

  // A chain of base entries that loops back on itself still ends.
  ChartEntry loop = progressed;
  loop.setBaseEntry(7);
  const EntryLookup loops = [&](int, ChartEntry& out) {
    out = loop;
    return true;
  };
  EXPECT_FALSE(ChartTitle(loop, names, loops).empty());

  // The printout title: name as entered and the chart's own title, without
  // the blanks that end a composite's.
  EXPECT_EQ(PrintoutTitle(e, names), "Vostrane - Doe, John - Natal Chart");
  EXPECT_EQ(PrintoutTitle(composite, names), "Vostrane - Doe, John - Composite Chart (Midpoint Method)");
}

TEST(PageHeader, ItemsOfANatalChartAndOfAComposite) {
  const PageNames names = DefaultPageNames();
  ChartEntry e = test::MakeChart();
  e.setDaylightCode(1);
  const std::vector<std::string> items = HeaderItems(e, names);
  const std::vector<std::string> expected = {"March 5, 1961",        "2:30 PM",
                                             "New York, NY",         "40N42'46\"  74W00'22\"",
                                             "Daylight Saving Time", "Time Zone: 5 hours West",
                                             "Tropical  Placidus",   "Geocentric"};
  EXPECT_EQ(items, expected);
  // A composite of the midpoint kinds ends with its title.
  e.setChartType(1);
  e.setChartSubtype(2);
  EXPECT_TRUE(HeaderItems(e, names).empty());
  // A return made without its place's zone shows Greenwich time alone.
  e.setChartType(2);
  EXPECT_EQ(HeaderItems(e, names)[1], "2:30 PM GMT");
  EXPECT_EQ(HeaderItems(e, names)[4], "Greenwich Mean Time");
  // With it, the moment at its place (one hour east, daylight time) and in
  // Greenwich time, whose day may differ.
  e.setCalcComplete(true);
  e.setJulianDayUt(2437364.5 - 0.5 / 24);  // March 5, 1961, 11:30 PM GMT
  e.setPrintoutParam(79, -3600);
  e.setPrintoutParam(80, 2);
  std::vector<std::string> local = HeaderItems(e, names);
  EXPECT_EQ(local[0], "March 6, 1961");
  EXPECT_EQ(local[1], "1:30 AM = March 5, 1961 11:30 PM GMT");
  EXPECT_EQ(local[4], "Daylight Saving Time");
  EXPECT_EQ(local[5], "Time Zone: 1 hour East");
  EXPECT_EQ(ChartTitle(e, names), "Solar Return for March 6, 1961 in New York, NY");
  // Local mean time names the longitude's time in place of a zone.
  ChartEntry lmt = test::MakeChart();
  lmt.setDaylightCode(4);
  lmt.setLongitude(-8.55);
  local = HeaderItems(lmt, names);
  ASSERT_EQ(local.size(), 7u);
  EXPECT_EQ(local[4],
            "Local Mean Time (longitude 8\xB0"
            "33' E = 0h34m12s)");
  EXPECT_EQ(local[5], "Tropical  Placidus");
  EXPECT_EQ(RingCaption(1, 1), "");
  EXPECT_EQ(RingCaption(2, 2), "Outer Wheel:");
  EXPECT_EQ(RingCaption(2, 3), "Middle Wheel:");
}

}  // namespace
}  // namespace vostrane
