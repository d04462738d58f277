// SPDX-License-Identifier: GPL-3.0-or-later
// The generated atlas as a user finds places in it: names typed with or
// without accents, other names and whole city names give the expected
// place in the first row of the lookup list; every place of the GeoNames
// source is in the atlas and found by its own name; no two rows show the
// same name; each country is named one way.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

#include "atlas/PlaceList.h"
#include "atlas/PlacesTable.h"
#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

struct SourcePlace {
  double latitude = 0, longitude = 0;
};

// The GeoNames source, read once: coordinates by GeoNames id, and the
// number of places at each coordinate rounded to the second.
class Source {
 public:
  static const Source& Get() {
    static const Source source;
    return source;
  }
  std::unordered_map<int64_t, SourcePlace> byId;
  std::map<std::pair<int64_t, int64_t>, int> atSecond;
  size_t lines = 0;

 private:
  Source() {
    std::ifstream in(VOSTRANE_CITIES500_FILE);
    for (std::string line; std::getline(in, line);) {
      std::vector<std::string> f;
      std::istringstream fields(line);
      for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
      if (f.size() < 6) continue;
      const SourcePlace p{std::stod(f[4]), std::stod(f[5])};
      byId[std::stoll(f[0])] = p;
      ++atSecond[{std::llround(p.latitude * 3600), std::llround(p.longitude * 3600)}];
      ++lines;
    }
  }
};

// North and east positive, from a record.
std::pair<double, double> Coordinates(const PlaceRecord& r) {
  const double lat = r.latDeg + r.latMin / 60.0 + r.latSec / 3600.0;
  const double lon = r.longDeg + r.longMin / 60.0 + r.longSec / 3600.0;
  return {r.latNs == 'S' ? -lat : lat, r.longEw == 'W' ? -lon : lon};
}

class GeneratedPlaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(Source::Get().lines, 190000u)
        << "no GeoNames source: run tools/setup-deps.sh for this build folder";
    for (const char* name : {kPlacesFileName, "places.VDX"}) {
      std::filesystem::copy_file(test::InstallFile(name), folder_.Folder().Path() + "/" + name);
    }
    ASSERT_TRUE(OpenPlacesTable());
  }
  // The place the first row leads to.
  PlaceRecord FirstRow(const std::string& typed) {
    PlaceList list(PlacesTable(), "not found");
    list.Fill(typed, ScrollDirection::None);
    EXPECT_TRUE(list.FirstRowIsPlace()) << typed;
    if (!list.FirstRowIsPlace()) return {};
    PlacesTable().Go(list.RowRecord(0));
    return ReadPlaceRecord(PlacesTable());
  }
  void ExpectFirstRowIs(const std::string& typed, int64_t geonameId) {
    const SourcePlace expected = Source::Get().byId.at(geonameId);
    const PlaceRecord r = FirstRow(typed);
    const auto [lat, lon] = Coordinates(r);
    EXPECT_NEAR(lat, expected.latitude, 0.05) << typed << " gave " << r.name;
    EXPECT_NEAR(lon, expected.longitude, 0.05) << typed << " gave " << r.name;
  }

  test::AtlasFolder folder_;
};

TEST_F(GeneratedPlaces, CaseAndAccentsAreFoldedBothWays) {
  for (const char* typed : {"Zurich", "Z\xFCrich", "ZURICH", "z\xFCrich"})
    ExpectFirstRowIs(typed, 2657896);
  for (const char* typed : {"Sao Paulo", "S\xE3o Paulo", "SAO PAULO"}) ExpectFirstRowIs(typed, 3448439);
  for (const char* typed : {"Koln", "K\xF6ln", "KOELN"}) ExpectFirstRowIs(typed, 2886242);
  // The name keeps its accents in the code page.
  EXPECT_EQ(Trim(FirstRow("Zurich").name), "Z\xFCrich, Switz.");
}

TEST_F(GeneratedPlaces, OtherNamesLeadToTheirPlaces) {
  const std::pair<const char*, int64_t> names[] = {
      {"Munich", 2867714}, {"M\xFCnchen", 2867714}, {"Cologne", 2886242}, {"Vienna", 2761369},
      {"Wien", 2761369},   {"Prague", 3067696},     {"Lisbon", 2267057},  {"Calcutta", 1275004},
      {"Bombay", 1275339}, {"Madras", 1264527},     {"Peking", 1816670},  {"Saigon", 1566083}};
  for (const auto& [typed, id] : names) ExpectFirstRowIs(typed, id);
  PlaceList list(PlacesTable(), "not found");
  list.Fill("Calcutta", ScrollDirection::None);
  EXPECT_EQ(RowPlaceName(list.Rows()[0]), "Calcutta = Kolkata, India");
  EXPECT_EQ(list.RowPlace(0), "Kolkata, India");
}

TEST_F(GeneratedPlaces, AWholeCityNameGivesTheLargestPlaceFirst) {
  ExpectFirstRowIs("London", 2643743);
  ExpectFirstRowIs("Paris", 2988507);
  ExpectFirstRowIs("Sydney", 2147714);
  ExpectFirstRowIs("Moscow", 524901);
  ExpectFirstRowIs("London, ON", 6058560);
  // The rows below walk the atlas in order: a step down shows the next.
  PlaceList list(PlacesTable(), "not found");
  list.Fill("London", ScrollDirection::None);
  const std::string second = RowPlaceName(list.Rows()[1]);
  const PlaceList::EditChange step = list.Fill("London", ScrollDirection::Down);
  ASSERT_TRUE(step.text);
  EXPECT_EQ(*step.text, second);
  EXPECT_EQ(RowPlaceName(list.Rows()[0]), second);
}

TEST_F(GeneratedPlaces, EveryPlaceIsThereFoundByItsOwnNameAndNoTwoRowsAlike) {
  DbfTable& t = PlacesTable();
  std::map<std::pair<int64_t, int64_t>, int> atSecond;
  std::set<std::string> shown;
  std::map<std::string, std::set<std::string>> countryNames;
  PlaceList list(t, "not found");
  const uint32_t count = t.RecordCount();
  size_t places = 0;
  for (uint32_t recno = 1; recno <= count; ++recno) {
    t.Go(recno);
    const PlaceRecord r = ReadPlaceRecord(t);
    const std::string name = Trim(r.name);
    std::string row = name;
    if (r.seeRecord != 0) {
      t.Go(r.seeRecord);
      row = OtherNameText(name, t.TextField("NAME"));
    } else {
      ++places;
      const auto [lat, lon] = Coordinates(r);
      ++atSecond[{std::llround(lat * 3600), std::llround(lon * 3600)}];
      ASSERT_LE(name.size(), 25u);
      const size_t comma = name.rfind(", ");
      ASSERT_NE(comma, std::string::npos) << name;
      if (r.countryState != "CAN") countryNames[r.countryState].insert(name.substr(comma + 2));
      // Found by its own name: the first row is this record. Names are
      // unique (below), so the exact seek that the list makes first finds
      // each of them; a sample goes through the whole list fill.
      if (recno % 53 == 0) {
        list.Fill(name, ScrollDirection::None);
        ASSERT_EQ(list.RowRecord(0), recno) << name;
      }
    }
    EXPECT_TRUE(shown.insert(UpperAnsi(row)).second) << "two rows show " << row;
  }
  EXPECT_EQ(places, Source::Get().lines);
  for (const auto& [at, n] : Source::Get().atSecond) {
    EXPECT_GE(atSecond[at], n) << "a place at " << at.first << "/" << at.second << " is missing";
  }
  for (const auto& [code, names] : countryNames)
    EXPECT_EQ(names.size(), 1u) << code << ": " << *names.begin();
}

}  // namespace
}  // namespace vostrane
