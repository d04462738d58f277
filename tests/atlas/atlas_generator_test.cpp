// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tools/generators/atlasgen/AtlasBuilder.h"
#include "tools/generators/atlasgen/PlaceNames.h"

namespace vostrane::atlasgen {
namespace {

const char* const kRegions =
    "# test\n"
    "C\tUS\tUSA\tUnited States\tUSA\n"
    "C\tCA\tCAN\tCanada\tCanada\n"
    "C\tGB\tGBR\tUnited Kingdom\tUK\n"
    "C\tBR\tBRA\tBrazil\tBrazil\n"
    "S\tPA\tPEN\tPennsylvania\n"
    "P\t08\tON\tOntario\n";

GeoPlace Place(const std::string& ascii, const std::string& country, const std::string& admin1,
               int64_t population, double lat = 40.5, double lon = -75.25,
               const std::string& zone = "America/New_York") {
  GeoPlace p;
  p.id = population;
  p.name = ascii;
  p.asciiName = ascii;
  p.country = country;
  p.admin1 = admin1;
  p.population = population;
  p.latitude = lat;
  p.longitude = lon;
  p.timezone = zone;
  return p;
}

TEST(AtlasNames, KeepAccentsTheCodePageHasAndTransliterateTheRest) {
  EXPECT_EQ(ToAscii("Z\xC3\xBCrich"), "Zurich");
  bool exact = false;
  EXPECT_EQ(ToWindows1252("Z\xC3\xBCrich", &exact), "Z\xFCrich");
  EXPECT_TRUE(exact);
  EXPECT_EQ(ToWindows1252("\xC5\x81\xC3\xB3"
                          "d\xC5\xBA",
                          &exact),
            "L\xF3"
            "dz");  // L stroke, z acute: not in the code page
  EXPECT_FALSE(exact);
  EXPECT_EQ(ToWindows1252("X\xC9\x99nk\xC9\x99ndi \xE2\x80\x93 A"), "Xenkendi - A");
  GeoPlace p = Place("Arnedo, La Rioja", "ES", "", 1000);
  EXPECT_EQ(CityName(p), "Arnedo");
  p.name = "S\xC3\xA3o  Paulo";
  EXPECT_EQ(CityName(p), "S\xE3o Paulo");
}

TEST(AtlasNames, ShortenAtWordBoundariesToTwentyFiveCharacters) {
  EXPECT_EQ(AtlasName("London", "", "UK"), "London, UK");
  EXPECT_EQ(AtlasName("Ulsteinvik weatherstation", "", "Norway"), "Ulsteinvik, Norway");
  // A dangling short word goes with the words after it.
  EXPECT_EQ(AtlasName("Sankt Georgen im Schwarzwald", "", "Germany"), "Sankt Georgen, Germany");
  EXPECT_EQ(AtlasName("Londonderry County Borough", "", "UK"), "Londonderry County, UK");
  EXPECT_EQ(AtlasName("Franklin", "(Oil City)", "PA"), "Franklin (Oil City), PA");
  // Only a single word too long for the room is cut, and marked.
  const std::string cut = AtlasName("Llanfairpwllgwyngyllgogerychwyrndrobwll", "", "UK");
  EXPECT_EQ(cut, "Llanfairpwllgwyngyll., UK");
  EXPECT_LE(cut.size(), kAtlasNameWidth);
  // A qualifier never costs the city a cut word.
  EXPECT_EQ(AtlasName("Caldararu", "(Cernica)", "Romania", false), "");
  EXPECT_EQ(AtlasName("Al Mutayrifi", "", "Saudi Arabia"), "Al M., Saudi Arabia");
}

TEST(AtlasNames, UseOneNamePerCountryAndStateAbbreviationsInNorthAmerica) {
  const Regions regions = ParseRegions(kRegions);
  PlaceRegion r;
  ASSERT_TRUE(RegionOf(Place("Erie", "US", "PA", 1), regions, r));
  EXPECT_EQ(AtlasName("Erie", "", r.region), "Erie, PA");
  EXPECT_EQ(r.countryState, "PEN");
  ASSERT_TRUE(RegionOf(Place("London", "CA", "08", 1), regions, r));
  EXPECT_EQ(r.region, "ON");
  EXPECT_EQ(r.countryState, "CAN");
  // A long country name is always its abbreviation, a short one always whole.
  ASSERT_TRUE(RegionOf(Place("London", "GB", "ENG", 1), regions, r));
  EXPECT_EQ(r.region, "UK");
  EXPECT_EQ(r.countryState, "GBR");
  ASSERT_TRUE(RegionOf(Place("Santos", "BR", "27", 1), regions, r));
  EXPECT_EQ(r.region, "Brazil");
  EXPECT_FALSE(RegionOf(Place("X", "ZZ", "", 1), regions, r));
  EXPECT_THROW(ParseRegions("C\tKE\tKEN\tKenya\tKenya\nS\tKY\tKEN\tKentucky\n"), std::runtime_error);
}

TEST(AtlasBuild, KeepsEveryPlaceAndTellsPlacesOfOneNameApart) {
  const Regions regions = ParseRegions(kRegions);
  const tz::Source source = tz::ParseSource(
      "Z America/New_York -5 - EST\nZ Europe/London 0 - GMT\nZ America/Sao_Paulo -3 - -03\n"
      "L America/Sao_Paulo America/Buenos_Aires_Link\n");
  const std::vector<GeoPlace> places = {
      Place("Franklin", "US", "PA", 5000, 41.39, -79.83),
      Place("Franklin", "US", "PA", 9000, 40.25, -76.5),
      Place("Oil City", "US", "PA", 10000, 41.43, -79.71),
      Place("Franklin", "US", "PA", 700, 30.5, -80.5),
      Place("London", "GB", "ENG", 8000000, 51.50853, -0.12574, "Europe/London"),
      Place("Santos", "BR", "27", 400000, -23.96083, -46.33361, "America/Buenos_Aires_Link"),
      Place("Nowhere", "ZZ", "", 1)};
  const AtlasBuild build = BuildAtlas(places, regions, source, {}, {"America/New_York"});
  ASSERT_EQ(build.records.size(), 6u);
  EXPECT_EQ(build.unknownCountry, 1);
  EXPECT_EQ(build.qualified, 2);
  EXPECT_EQ(build.zones,
            (std::vector<std::string>{"America/New_York", "America/Sao_Paulo", "Europe/London"}));

  // In search-key order: the places of one name together, largest first.
  EXPECT_EQ(build.records[0].name, "Franklin, PA");
  EXPECT_EQ(build.records[0].population, 9000);
  EXPECT_EQ(build.records[0].searchKey.substr(0, 15), "FRANKLIN 0000PA");
  EXPECT_EQ(build.records[1].name, "Franklin (Oil City), PA");   // the nearest larger place
  EXPECT_EQ(build.records[2].name, "Franklin 30.5N 80.5W, PA");  // none near: the coordinates
  EXPECT_EQ(build.records[2].searchKey.substr(0, 15), "FRANKLIN 0002PA");
  EXPECT_EQ(build.records[0].dstPtr, 1);
  EXPECT_EQ(build.records[0].countryState, "PEN");

  const AtlasRecord& london = build.records[3];
  EXPECT_EQ(london.name, "London, UK");
  EXPECT_EQ(london.dstPtr, -3);  // not a zone of zone1970.tab: starred
  EXPECT_EQ(london.latDeg * 10000 + london.latMin * 100 + london.latSec, 513031);
  EXPECT_EQ(london.latNs, 'N');
  EXPECT_EQ(london.longDeg * 10000 + london.longMin * 100 + london.longSec, 733);
  EXPECT_EQ(london.longEw, 'W');
  EXPECT_EQ(london.highPopulation, 'Y');
  EXPECT_EQ(build.records[4].name, "Oil City, PA");

  const AtlasRecord& santos = build.records[5];
  EXPECT_EQ(santos.zone, "America/Sao_Paulo");
  EXPECT_EQ(santos.latNs, 'S');
  EXPECT_EQ(santos.dstPtr, -2);
}

TEST(AtlasBuild, OtherNamesOfLargerPlacesLeadToThemAndRankByTheirSize) {
  const Regions regions = ParseRegions(
      "C\tIN\tIND\tIndia\tIndia\nC\tUS\tUSA\tUnited States\tUSA\nS\tOH\tOHI\tOhio\n");
  const tz::Source source = tz::ParseSource("Z Asia/Kolkata 5:30 - IST\nZ America/New_York -5 - EST\n");
  GeoPlace kolkata = Place("Kolkata", "IN", "28", 4631392, 22.56263, 88.36304, "Asia/Kolkata");
  kolkata.alternateNames = {"CCU",      "Calcutta",         "Calc\xC3\xBCtta", "kolkata",
                            "Kalkutta", "\xD0\x9A\xD0\xBE", "Kolkata",         "K\xC5\x8Dlk\xC4\x81ta"};
  GeoPlace ohio = Place("Calcutta", "US", "OH", 3600, 40.67, -80.57);
  ohio.alternateNames = {"Kolkata"};  // too small for other names
  const AtlasBuild build = BuildAtlas({kolkata, ohio}, regions, source, {},
                                      {"Asia/Kolkata", "America/New_York"});
  std::vector<std::string> names;
  for (const AtlasRecord& r : build.records) names.push_back(r.name);
  // Codes, lower-case transliterations, other scripts, letters the code
  // page lacks and spellings that fold alike are left out.
  EXPECT_EQ(names, (std::vector<std::string>{"Calcutta", "Calcutta, OH", "Kalkutta", "Kolkata, India"}));
  EXPECT_EQ(build.otherNames, 2);
  EXPECT_EQ(build.records[0].seeRecord, 4u);
  EXPECT_EQ(build.records[2].seeRecord, 4u);
  EXPECT_EQ(build.records[1].seeRecord, 0u);
  EXPECT_EQ(build.records[0].latDeg, 22);
  EXPECT_EQ(build.records[0].dstPtr, build.records[3].dstPtr);
}

}  // namespace
}  // namespace vostrane::atlasgen
