// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/PlaceList.h"
#include "common/MessageTextFile.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

// 40 places "Place 00, XX" .. "Place 39, XX" (every fifth with a negative
// table number), written in reverse order so that index order and record
// order differ, plus two places that share a name.
class PlaceListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<test::PlaceSpec> places;
    for (int i = 39; i >= 0; --i) {
      char name[32];
      std::snprintf(name, sizeof name, "Place %02d, XX", i);
      places.push_back({name, i % 5 == 0 ? -12 : 12});
    }
    places.push_back({"Alpha, XX", 1});
    places.push_back({"Twin, XX", 1});
    places.push_back({"Twin, XX", 2});
    places.push_back({"Zulu, XX", 1});
    folder_.WritePlaces(places);
  }

  std::string Name(const PlaceList& list, int row) {
    return RowPlaceName(list.Rows()[static_cast<size_t>(row)]);
  }

  test::AtlasFolder folder_;
};

TEST_F(PlaceListTest, RowsAreDecoratedAndMarkStarredPlaces) {
  const std::string stored = "Erie, PA" + std::string(17, ' ');
  EXPECT_EQ(DecoratedPlaceRow("Erie, PA", 5, true), "=> " + stored + " <=");
  EXPECT_EQ(DecoratedPlaceRow("Erie, PA", -12, true), "=>*" + stored + " <=");
  EXPECT_EQ(DecoratedPlaceRow("Erie, PA", -12, false), "  *" + stored + "   ");
  EXPECT_EQ(DecoratedPlaceRow("Erie, PA", 0, false).size(), 31u);
  EXPECT_EQ(RowPlaceName("=>*" + stored + " <="), "Erie, PA");
  EXPECT_EQ(RowPlaceName(" "), "");
}

TEST_F(PlaceListTest, TypingShowsTheFirstMatchAndTheNextFifteenInIndexOrder) {
  PlaceList list(PlacesTable(), MessageText(13093));
  list.Fill("place 1", ScrollDirection::None);
  ASSERT_EQ(list.Rows().size(), 16u);
  EXPECT_EQ(list.Rows()[0], "=>*Place 10, XX              <=");
  for (int row = 1; row < 16; ++row) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "Place %02d, XX", 10 + row);
    EXPECT_EQ(Name(list, row), expected);
  }
  EXPECT_EQ(list.Rows()[5].substr(0, 3), "  *");  // Place 15
  EXPECT_TRUE(list.FirstRowIsPlace());
  EXPECT_FALSE(list.NotFoundShown());
}

TEST_F(PlaceListTest, ATextNoNameBeginsWithShowsTheNotFoundRow) {
  PlaceList list(PlacesTable(), MessageText(13093));
  list.Fill("Plaza", ScrollDirection::None);
  EXPECT_TRUE(list.NotFoundShown());
  EXPECT_EQ(list.Rows()[0], MessageText(13093));
  for (int row = 1; row < 16; ++row) EXPECT_EQ(list.Rows()[static_cast<size_t>(row)], " ");
  EXPECT_FALSE(list.FirstRowIsPlace());
  EXPECT_FALSE(list.RowIsChoosable(0));
  // The not-found text itself in the field is emptied and nothing else happens.
  const PlaceList::EditChange change = list.Fill(MessageText(13093), ScrollDirection::None);
  EXPECT_TRUE(change.cleared);
  EXPECT_EQ(list.Rows()[0], MessageText(13093));
}

TEST_F(PlaceListTest, ScrollingMovesOnePlaceAStepAndStopsAtTheEnds) {
  PlaceList list(PlacesTable(), MessageText(13093));
  list.Fill("Place 2", ScrollDirection::None);
  std::string text = "Place 2";
  for (int step = 0; step < 12; ++step) text = *list.Fill(text, ScrollDirection::Down).text;
  EXPECT_EQ(text, "Place 32, XX");
  EXPECT_EQ(Name(list, 0), "Place 32, XX");
  EXPECT_EQ(list.Rows()[0].substr(0, 3), "=> ");
  EXPECT_EQ(Name(list, 7), "Place 39, XX");
  EXPECT_EQ(Name(list, 8), "Twin, XX");
  EXPECT_EQ(Name(list, 9), "Twin, XX");
  EXPECT_EQ(Name(list, 10), "Zulu, XX");
  EXPECT_EQ(list.Rows()[11], " ");

  // Down past places that share a name, to the last place and no further.
  for (int step = 0; step < 20; ++step) text = *list.Fill(text, ScrollDirection::Down).text;
  EXPECT_EQ(text, "Zulu, XX");
  EXPECT_EQ(Name(list, 0), "Zulu, XX");
  EXPECT_EQ(list.Rows()[1], " ");

  for (int step = 0; step < 100; ++step) text = *list.Fill(text, ScrollDirection::Up).text;
  EXPECT_EQ(text, "Alpha, XX");
  EXPECT_EQ(Name(list, 1), "Place 00, XX");
}

TEST_F(PlaceListTest, AnEmptyTextKeepsTheListWhereItWas) {
  PlaceList list(PlacesTable(), MessageText(13093));
  list.Fill("A", ScrollDirection::None);
  EXPECT_EQ(Name(list, 0), "Alpha, XX");
  list.Fill("Pl", ScrollDirection::None);
  list.Fill("", ScrollDirection::None);
  EXPECT_EQ(Name(list, 0), "Place 00, XX");
  EXPECT_FALSE(list.NotFoundShown());
}

TEST(PlaceListEmptyAtlas, ShowsTheNotFoundRow) {
  test::AtlasFolder folder;
  folder.WritePlaces({});
  PlaceList list(PlacesTable(), MessageText(13093));
  list.Fill("A", ScrollDirection::None);
  EXPECT_TRUE(list.NotFoundShown());
  list.Fill("", ScrollDirection::Down);
  EXPECT_TRUE(list.NotFoundShown());
}

TEST(PlaceSearchKeys, FoldCaseAccentsAndSeparators) {
  EXPECT_EQ(FoldPlaceText("Z\xFCrich"), "ZURICH");
  EXPECT_EQ(FoldPlaceText("ZURICH"), "ZURICH");
  EXPECT_EQ(FoldPlaceText("S\xE3o  Paulo"), "SAO!PAULO");
  EXPECT_EQ(FoldPlaceText("Stoke-on-Trent"), FoldPlaceText("stoke on trent"));
  EXPECT_EQ(FoldPlaceText("St. John's"), "ST!JOHNS");
  EXPECT_EQ(FoldPlaceText("Stra\xDF"
                          "e \x8Amarje \x8C"),
            "STRASSE!SMARJE!OE");
  EXPECT_EQ(FoldPlaceText("New "), "NEW!");  // a word typed in full: more words follow

  const PlaceQuery q = ParsePlaceQuery("london , u");
  EXPECT_EQ(q.city, "LONDON");
  EXPECT_EQ(q.region, "U");
  EXPECT_TRUE(q.hasRegion);
  const std::string key = PlaceSearchKey("LONDON", 0, "UK");
  EXPECT_EQ(key.size(), static_cast<size_t>(kPlaceSearchKeyWidth));
  EXPECT_TRUE(KeyMatchesQuery(key, q));
  EXPECT_TRUE(KeyMatchesQuery(key, ParsePlaceQuery("Lon")));
  EXPECT_FALSE(KeyMatchesQuery(key, ParsePlaceQuery("Lon, UK")));  // with a region the city is whole
  EXPECT_FALSE(KeyMatchesQuery(PlaceSearchKey("LONDON", 1, "ON"), q));
  // The places of one name sort before the longer names that begin with it.
  EXPECT_LT(PlaceSearchKey("LONDON", 9, "ZZ"), PlaceSearchKey("LONDON!COLNEY", 0, "AA"));
  EXPECT_LT(PlaceSearchKey("LONDON!COLNEY", 0, "AA"), PlaceSearchKey("LONDONDERRY", 0, "AA"));
}

}  // namespace
}  // namespace vostrane
