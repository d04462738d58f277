// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "derived/DerivedRequest.h"
#include "derived/UserAyanamsaFields.h"
#include "entry/EntryDescriptions.h"
#include "tests/session/SessionBuilder.h"

namespace vostrane {
namespace {

ChartEntry Base(int level = 0) {
  ChartEntry e = test::NatalEntry("Ada Test");
  e.setMonth(12);
  e.setDay(10);
  e.setYear(1815);
  e.setHours(13);
  e.setLatitude(51.5);
  e.setLongitude(0.12);
  e.setZodiacLetter('U');
  SetUserAyanamsa(e, {20.25, 2440000.5});
  e.setHouseSystemLetter('J');
  e.setNameRecord(7);
  e.setSaveMarker('Y');
  e.setLevel(level);
  return e;
}

DerivedRequest Request(DerivedKind kind) {
  DerivedRequest r;
  r.kind = kind;
  r.base = 1;
  r.month = 6;
  r.day = 1;
  r.year = 1850;
  return r;
}

DerivedPlace Paris() { return {"Paris", 48.85, -2.35, -1, 0, 5}; }

TEST(DerivedEntry, EveryKindIsStoredAsItsChartTypeAndReadBackAsTheSameKind) {
  for (int k = 0; k <= static_cast<int>(DerivedKind::Harmonic); ++k) {
    const auto kind = static_cast<DerivedKind>(k);
    DerivedRequest r = Request(kind);
    r.place = Paris();
    r.body = 4;
    r.harmonic = 7;
    r.secondBase = 2;
    const ChartEntry base = Base(), second = Base(2);
    const DerivedBuild b = BuildDerivedEntry(r, base, &second, 2);
    ASSERT_TRUE(b.ok) << DerivedKindName(kind) << ": " << b.error;
    EXPECT_EQ(KindOfEntry(b.entry), kind) << DerivedKindName(kind);
    EXPECT_NE(b.entry.chartType(), 0);
    // Settings come from the base; the new entry is never tied to the name file.
    EXPECT_EQ(b.entry.zodiacLetter(), 'U');
    EXPECT_EQ(UserAyanamsaOf(b.entry).degrees, 20.25);
    EXPECT_EQ(UserAyanamsaOf(b.entry).epochJd, 2440000.5);
    EXPECT_EQ(b.entry.houseSystemLetter(), 'J');
    EXPECT_EQ(b.entry.userZodiacType(), 'A');
    EXPECT_EQ(b.entry.nameRecord(), 0);
    EXPECT_EQ(b.entry.saveMarker(), 'N');
    EXPECT_EQ(b.entry.baseEntry(), 1);
    EXPECT_EQ(b.entry.level(), kind == DerivedKind::Composite ? 3 : 1);
  }
  EXPECT_FALSE(KindOfEntry(Base()).has_value());
}

TEST(DerivedEntry, KindsKeepTheirDatesPlacesAndParameters) {
  const ChartEntry base = Base();
  DerivedRequest transit = Request(DerivedKind::Transit);
  transit.hours = 17;
  transit.place = Paris();
  const ChartEntry t = BuildDerivedEntry(transit, base, nullptr, 1).entry;
  EXPECT_EQ(t.year(), 1850);
  EXPECT_EQ(t.hours(), 17);
  EXPECT_EQ(t.place(), "Paris");
  EXPECT_EQ(t.zoneHoursWest(), -1);
  EXPECT_EQ(t.dstTable(), 5);

  // A progression keeps its target date and refers to its base everywhere.
  const ChartEntry p = BuildDerivedEntry(Request(DerivedKind::Progressed), base, nullptr, 1).entry;
  EXPECT_EQ(p.printoutParam(73), 6);
  EXPECT_EQ(p.printoutParam(75), 1850);
  EXPECT_EQ(p.printoutParam(182), 13);
  EXPECT_EQ(p.printoutParam(76), 1);
  EXPECT_EQ(p.printoutParam(77), 1);
  EXPECT_EQ(p.printoutParam(325), 1);

  // A return without a place is made at the natal place, in Greenwich time.
  DerivedRequest ret = Request(DerivedKind::PlanetReturn);
  ret.body = 6;
  const ChartEntry r = BuildDerivedEntry(ret, base, nullptr, 1).entry;
  EXPECT_EQ(r.chartSubtype(), 6);
  EXPECT_EQ(r.printoutParam(78), 6);
  EXPECT_EQ(r.latitude(), 51.5);
  EXPECT_EQ(r.zoneHoursWest(), 0);
  // The zone and daylight code of its place stay beside it for the page.
  DerivedRequest inParis = Request(DerivedKind::SolarReturn);
  inParis.place = Paris();
  inParis.place->daylightCode = 1;
  const ChartEntry rp = BuildDerivedEntry(inParis, base, nullptr, 1).entry;
  EXPECT_EQ(rp.printoutParam(79), -3600);
  EXPECT_EQ(rp.printoutParam(80), 2);

  // A composite's name fits its field: whole names when they fit, else the
  // family names, never a word cut off.
  const auto compositeName = [&](const std::string& a, const std::string& b) {
    ChartEntry first = base, second = base;
    first.setName(a);
    second.setName(b);
    DerivedRequest c = Request(DerivedKind::Composite);
    c.secondBase = 2;
    return BuildDerivedEntry(c, first, &second, 2).entry.name();
  };
  EXPECT_EQ(compositeName("Ann Lee", "Bob Ray"), "Ann Lee / Bob Ray");
  EXPECT_EQ(compositeName("Jos\xe9 M\xfcller", "Albert Einstein"), "M\xfcller / Einstein");
  EXPECT_EQ(compositeName("Lee, Ann Margaret", "Ray, Robert Edward"), "Lee / Ray");

  DerivedRequest h = Request(DerivedKind::Harmonic);
  h.harmonic = 180;
  EXPECT_EQ(BuildDerivedEntry(h, base, nullptr, 1).entry.harmonic(), 180);
}

TEST(DerivedEntry, RequestsThatCannotBeMetSayWhy) {
  const ChartEntry base = Base();
  auto error = [&](DerivedRequest r, const ChartEntry* second = nullptr, int count = 1) {
    const DerivedBuild b = BuildDerivedEntry(r, base, second, count);
    EXPECT_FALSE(b.ok);
    return b.error;
  };
  DerivedRequest r = Request(DerivedKind::Harmonic);
  r.harmonic = 1;
  EXPECT_EQ(error(r), "Harmonic must be from 2 to 180.");
  r.harmonic = 181;
  EXPECT_EQ(error(r), "Harmonic must be from 2 to 180.");
  r.harmonic = 5;
  r.base = 4;
  EXPECT_EQ(error(r), "Entry 4 is not in the list.");

  DerivedRequest c = Request(DerivedKind::Composite);
  c.secondBase = 1;
  EXPECT_NE(error(c, &base, 2), "");  // the same entry twice
  c.secondBase = 3;
  EXPECT_EQ(error(c, &base, 2), "Entry 3 is not in the list.");

  EXPECT_NE(error(Request(DerivedKind::Transit)), "");  // no place
  EXPECT_NE(error(Request(DerivedKind::Relocated)), "");
  DerivedRequest d = Request(DerivedKind::Progressed);
  d.month = 2;
  d.day = 30;
  EXPECT_NE(error(d), "");
  DerivedRequest p = Request(DerivedKind::PlanetReturn);
  p.body = 7;
  EXPECT_NE(error(p), "");
  DerivedRequest bad = Request(DerivedKind::SolarReturn);
  bad.place = Paris();
  bad.place->latitude = 91;
  EXPECT_NE(error(bad), "");

  // A progression needs a moment: not of a composite chart.
  ChartEntry composite = base;
  composite.setChartType(1);
  EXPECT_FALSE(BuildDerivedEntry(Request(DerivedKind::Progressed), composite, nullptr, 1).ok);
}

TEST(DerivedEntry, ListLinesNameTheKind) {
  const ChartEntry base = Base();
  DerivedRequest t = Request(DerivedKind::Transit);
  t.place = Paris();
  EXPECT_EQ(EntryListLine(2, BuildDerivedEntry(t, base, nullptr, 1).entry, "Composite"),
            "2: Ada Test Transits");
  EXPECT_EQ(EntryListLine(3, BuildDerivedEntry(Request(DerivedKind::SolarArc), base, nullptr, 1).entry,
                          "Composite"),
            "3: Ada Test Solar Arc Directions");
  DerivedRequest h = Request(DerivedKind::Harmonic);
  h.harmonic = 9;
  EXPECT_EQ(EntryListLine(4, BuildDerivedEntry(h, base, nullptr, 1).entry, "Composite"),
            "4: Ada Test Harmonic Chart, Harmonic 9");
}

TEST(DerivedEntry, KindNamesAreTheMenuTexts) {
  EXPECT_STREQ(DerivedKindName(DerivedKind::Transit), "Transits");
  EXPECT_STREQ(DerivedKindName(DerivedKind::SolarArc), "Solar Arc Directions");
  EXPECT_STREQ(DerivedKindName(DerivedKind::Harmonic), "Harmonic Chart");
}

}  // namespace
}  // namespace vostrane
