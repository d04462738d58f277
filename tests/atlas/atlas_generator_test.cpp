#include <gtest/gtest.h>

#include "tools/atlasgen/AtlasBuilder.h"
#include "tools/atlasgen/PlaceNames.h"

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

TEST(AtlasNames, AreTypeableAndFitTwentyFiveCharacters) {
  EXPECT_EQ(ToAscii("Z\xC3\xBCrich"), "Zurich");
  EXPECT_EQ(ToAscii("\xC5\x81\xC3\xB3""d\xC5\xBA"), "Lodz");
  EXPECT_EQ(ToAscii("X\xC9\x99nk\xC9\x99ndi \xE2\x80\x93 A"), "Xenkendi - A");
  GeoPlace p = Place("Arnedo, La Rioja", "ES", "", 1000);
  EXPECT_EQ(CityName(p), "Arnedo");
  p.asciiName = "";
  p.name = "S\xC3\xA3o  Paulo";
  EXPECT_EQ(CityName(p), "Sao Paulo");

  EXPECT_EQ(AtlasName("London", "United Kingdom", "UK"), "London, United Kingdom");
  EXPECT_EQ(AtlasName("Stoke-on-Trent", "United Kingdom", "UK"), "Stoke-on-Trent, UK");
  const std::string cut = AtlasName("Sao Paulo de Olivenca", "Brazil", "Brazil");
  EXPECT_EQ(cut, "Sao Paulo de Oliv, Brazil");
  EXPECT_LE(cut.size(), kAtlasNameWidth);
}

TEST(AtlasNames, UseStateAndProvinceAbbreviationsInNorthAmerica) {
  const Regions regions = ParseRegions(kRegions);
  PlaceRegion r;
  ASSERT_TRUE(RegionOf(Place("Erie", "US", "PA", 1), regions, r));
  EXPECT_EQ(AtlasName("Erie", r.region, r.shortRegion), "Erie, PA");
  EXPECT_EQ(r.countryState, "PEN");
  ASSERT_TRUE(RegionOf(Place("London", "CA", "08", 1), regions, r));
  EXPECT_EQ(r.region, "ON");
  EXPECT_EQ(r.countryState, "CAN");
  ASSERT_TRUE(RegionOf(Place("London", "GB", "ENG", 1), regions, r));
  EXPECT_EQ(r.countryState, "GBR");
  EXPECT_FALSE(RegionOf(Place("X", "ZZ", "", 1), regions, r));
  EXPECT_THROW(ParseRegions("C\tKE\tKEN\tKenya\tKenya\nS\tKY\tKEN\tKentucky\n"), std::runtime_error);
}

TEST(AtlasBuild, KeepsTheLargestOfPlacesSharingANameAndNumbersZonesInNameOrder) {
  const Regions regions = ParseRegions(kRegions);
  const tz::Source source = tz::ParseSource(
      "Z America/New_York -5 - EST\nZ Europe/London 0 - GMT\nZ America/Sao_Paulo -3 - -03\n"
      "L America/Sao_Paulo America/Buenos_Aires_Link\n");
  const std::vector<GeoPlace> places = {
      Place("Franklin", "US", "PA", 5000, 41.39, -79.83), Place("Franklin", "US", "PA", 9000, 40.25, -76.5),
      Place("London", "GB", "ENG", 8000000, 51.50853, -0.12574, "Europe/London"),
      Place("Santos", "BR", "27", 400000, -23.96083, -46.33361, "America/Buenos_Aires_Link"),
      Place("Nowhere", "ZZ", "", 1)};
  const AtlasBuild build = BuildAtlas(places, regions, source, {}, {"America/New_York"});
  ASSERT_EQ(build.records.size(), 3u);
  EXPECT_EQ(build.duplicates, 1);
  EXPECT_EQ(build.unknownCountry, 1);
  EXPECT_EQ(build.zones, (std::vector<std::string>{"America/New_York", "America/Sao_Paulo", "Europe/London"}));

  const AtlasRecord& franklin = build.records[0];
  EXPECT_EQ(franklin.name, "Franklin, PA");
  EXPECT_EQ(franklin.population, 9000);
  EXPECT_EQ(franklin.dstPtr, 1);
  EXPECT_EQ(franklin.countryState, "PEN");

  const AtlasRecord& london = build.records[1];
  EXPECT_EQ(london.name, "London, United Kingdom");
  EXPECT_EQ(london.dstPtr, -3);  // not a zone of zone1970.tab: starred
  EXPECT_EQ(london.latDeg * 10000 + london.latMin * 100 + london.latSec, 513031);
  EXPECT_EQ(london.latNs, 'N');
  EXPECT_EQ(london.longDeg * 10000 + london.longMin * 100 + london.longSec, 733);
  EXPECT_EQ(london.longEw, 'W');
  EXPECT_EQ(london.highPopulation, 'Y');

  const AtlasRecord& santos = build.records[2];
  EXPECT_EQ(santos.zone, "America/Sao_Paulo");
  EXPECT_EQ(santos.latNs, 'S');
  EXPECT_EQ(santos.dstPtr, -2);
}

}  // namespace
}  // namespace vostrane::atlasgen
