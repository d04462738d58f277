// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and truncated tables give the open messages and never crash.
#include <gtest/gtest.h>

#include <random>

#include "platform/FileSystem.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

std::string OpenMessage(const std::string& bytes) {
  TempFolder folder;
  folder.Write("bad.dbf", bytes);
  DbfTable t;
  t.SetDbfFileName("bad.dbf");
  t.SetIndexList(PlaceIndex());
  try {
    t.Open();
  } catch (const TableError& e) {
    return e.what();
  }
  return "opened";
}

// A valid places table of three records.
std::string GoodTable() {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  AddPlace(t, "Bern, SWI");
  AddPlace(t, "Aarau, SWI");
  AddPlace(t, "Zug, SWI");
  t.Close();
  return folder.Read("places.dbf");
}

void SetLe16(std::string& b, size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}

TEST(DamagedTable, EachDamageGivesItsMessage) {
  const std::string good = GoodTable();
  ASSERT_EQ(OpenMessage(good), "opened");
  const std::string notDbase = "bad.dbf is not a dBASE database.";
  EXPECT_EQ(OpenMessage(""), notDbase);
  EXPECT_EQ(OpenMessage(good.substr(0, 20)), notDbase);
  EXPECT_EQ(OpenMessage(good.substr(0, 100)), notDbase);  // inside the descriptors

  std::string b = good;
  b[0] = 0x02;
  EXPECT_EQ(OpenMessage(b), "Invalid version byte in bad.dbf");
  b[0] = 0x30;
  EXPECT_EQ(OpenMessage(b), "Invalid version byte in bad.dbf");

  b = good;
  SetLe16(b, 8, 33);  // no room for a field
  EXPECT_EQ(OpenMessage(b), "Number of fields is out of range");
  b = good;
  SetLe16(b, 8, 60000);  // beyond the file
  EXPECT_EQ(OpenMessage(b), notDbase);

  b = good;
  SetLe16(b, 10, 36);  // record length disagrees with the fields
  EXPECT_EQ(OpenMessage(b), notDbase);
  b = good;
  b[192] = ' ';  // the header terminator is gone
  EXPECT_EQ(OpenMessage(b), notDbase);
  b = good;
  b[32 + 16] = 0;  // a field of width 0
  EXPECT_EQ(OpenMessage(b), notDbase);
  b = good;
  b[32] = 0;  // a field without a name
  EXPECT_EQ(OpenMessage(b), notDbase);

  // Truncated: the header counts records the file does not hold.
  EXPECT_EQ(OpenMessage(good.substr(0, good.size() - 10)), notDbase);
  b = good;
  b[4] = 9;
  EXPECT_EQ(OpenMessage(b), notDbase);
  // A missing end-of-file byte is no damage.
  EXPECT_EQ(OpenMessage(good.substr(0, good.size() - 1)), "opened");
}

TEST(DamagedTable, AFolderOrAnUnreadableFileFailsToOpen) {
  TempFolder folder;
  ASSERT_TRUE(MakeFolder("bad.dbf"));
  DbfTable t;
  t.SetDbfFileName("bad.dbf");
  t.SetDbfFields(PlaceFields());
  try {
    t.Open();
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Failure to open bad.dbf");
  }
}

// Random damage anywhere in the file: opening and walking every order either
// works or raises TableError; a crash would end the test program.
TEST(DamagedTable, RandomDamageNeverCrashes) {
  const std::string good = GoodTable();
  std::mt19937 random(12345);
  int opened = 0;
  for (int round = 0; round < 600; ++round) {
    std::string b = good;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) b[random() % b.size()] = static_cast<char>(random());
    if (round % 3 == 0) b.resize(random() % b.size());
    TempFolder folder;
    folder.Write("bad.dbf", b);
    DbfTable t;
    t.SetDbfFileName("bad.dbf");
    t.SetIndexList(PlaceIndex());
    try {
      t.Open();
      for (int order = 0; order <= 2; ++order) {
        t.SetIndexOrder(order);
        Walk(t);
      }
      t.SetIndexOrder(1);
      t.FindNear("B");
      ++opened;
    } catch (const TableError&) {
    }
  }
  EXPECT_GT(opened, 0);
}

}  // namespace
}  // namespace vostrane::test
