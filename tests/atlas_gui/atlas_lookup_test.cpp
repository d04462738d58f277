// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "atlas/gui/AtlasPlaceLookup.h"
#include "platform/ScriptedMessageService.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;

// The birth data form's seam on the real atlas: what the form hands over
// and gets back.
TEST(AtlasPlaceLookup, ReadsPlacesAndRechecksZonesThroughTheFormsFields) {
  test::AtlasFolder folder;
  folder.WriteTables({0}, {Change(1883, 11, 18, 12, 4, 105, 0, 0), Change(1960, 4, 24, 2, 0, 105, 0, 1),
                           Change(1960, 10, 30, 2, 0, 105, 0, 0), test::EndOfTable()});
  folder.WritePlaces({{"Erie, PA", 1, "PEN", "42N0745", "080W0506"}, {"Nowhere, XX", 0}});
  ScopedScriptedMessages messages;
  AtlasPlaceLookup atlas;
  atlas.BeginSession();

  BirthDataFields f;
  f.name = "Someone";
  f.date = "01151960";
  f.time = "080000A";
  f.place = "erie";
  f.latitude = "00N0000";
  f.longitude = "000W0000";
  f.zoneHours = "0";
  f.zoneMinutes = "00";
  f.zoneEastWest = "W";
  f.daylight = "N";
  f.dstTable = "0";
  EXPECT_EQ(atlas.ReadPlace(f, 0), FocusAfterRead::Name);
  EXPECT_EQ(f.place, "Erie, PA");
  EXPECT_EQ(f.latitude + f.longitude + f.dstTable, "42N0745080W05061");
  EXPECT_EQ(f.zoneHours + f.zoneMinutes + f.zoneEastWest + f.daylight, "50WN");
  EXPECT_EQ(f.name + f.date + f.time, "Someone01151960080000A");
  EXPECT_TRUE(atlas.IsAtlasPlace("ERIE, PA "));

  f.date = "06151960";
  messages->Answer(MsgAnswer::Yes);
  atlas.RecheckZone(f, 'D');
  EXPECT_EQ(messages->Shown().size(), 1u);
  EXPECT_EQ(f.daylight, "Y");

  BirthDataFields nowhere = f;
  nowhere.place = "Nowhere, XX";
  EXPECT_EQ(atlas.ReadPlace(nowhere, 0), FocusAfterRead::ZoneHours);
  EXPECT_EQ(nowhere.dstTable, "0");
}

TEST(AtlasPlaceLookup, WithoutAnOpenAtlasTheTypedPlaceStays) {
  test::AtlasFolder folder;
  AtlasPlaceLookup atlas;
  EXPECT_FALSE(atlas.ChoosePlace("Erie"));
  EXPECT_FALSE(atlas.IsAtlasPlace("Erie"));
}

}  // namespace
}  // namespace vostrane
