// SPDX-License-Identifier: GPL-3.0-or-later
// Seeks, movement, field access and the failures of the cursor operations.
#include <gtest/gtest.h>

#include "tablestore/AnsiUpper.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

class SeekTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenPlaces(t);
    for (const char* name :
         {"London, ENG", "Smithson, PEN", "Smith, PEN", "Paris, FRA", "Lyon, FRA", "Zurich, SWI"}) {
      AddPlace(t, name, std::string(name).substr(std::string(name).size() - 3));
    }
    t.SetIndexOrder(1);
  }
  std::string Name() {
    std::string n = t.TextField("NAME");
    return n.erase(n.find_last_not_of(' ') + 1);
  }
  TempFolder folder;
  DbfTable t;
};

TEST_F(SeekTest, FindNearIsAPrefixSeekAndFindExactNeedsTheWholeKey) {
  EXPECT_TRUE(t.FindNear("SMITH"));
  EXPECT_EQ(Name(), "Smith, PEN");
  EXPECT_FALSE(t.FindExact("SMITH"));
  EXPECT_TRUE(t.FindExact("SMITHSON, PEN"));
  EXPECT_EQ(Name(), "Smithson, PEN");
  EXPECT_TRUE(t.FindNear("SMITHS"));
  EXPECT_EQ(Name(), "Smithson, PEN");
  // Keys are upper-cased; a seek with lower case finds nothing equal.
  EXPECT_FALSE(t.FindExact("smith, pen"));
}

TEST_F(SeekTest, FindExactNotFoundEndsOnTheLastRecordWithEof) {
  EXPECT_FALSE(t.FindExact("SMITH"));
  EXPECT_EQ(Name(), "Zurich, SWI");
  EXPECT_TRUE(t.AtEnd());
}

TEST_F(SeekTest, FindNearSoftSeeksAndBeyondEveryKeyLandsOnTheLast) {
  EXPECT_FALSE(t.FindNear("M"));
  EXPECT_EQ(Name(), "Paris, FRA");
  EXPECT_FALSE(t.AtEnd());
  EXPECT_FALSE(t.FindNear("ZZZ"));
  EXPECT_EQ(Name(), "Zurich, SWI");
  EXPECT_TRUE(t.AtEnd());
  // A key longer than the tag's keys can only be passed.
  EXPECT_FALSE(t.FindNear("LONDON, ENG" + std::string(14, ' ') + "X"));
  EXPECT_EQ(Name(), "Lyon, FRA");
  EXPECT_TRUE(t.FindNear("LONDON, ENG" + std::string(20, ' ')));
}

TEST_F(SeekTest, EmptyKeyFindsNothingAndDoesNotMove) {
  ASSERT_TRUE(t.FindNear("PARIS"));
  EXPECT_FALSE(t.FindNear(""));
  EXPECT_FALSE(t.FindExact(""));
  EXPECT_EQ(Name(), "Paris, FRA");
}

TEST_F(SeekTest, DeletedRecordsArePassedOverBySeeksAndMovement) {
  ASSERT_TRUE(t.FindExact("SMITH, PEN"));
  ASSERT_TRUE(t.LockFile());
  t.DeleteRecord();
  EXPECT_TRUE(t.Deleted());
  t.UnlockFile();
  EXPECT_TRUE(t.FindNear("SMITH"));  // lands on SMITHSON
  EXPECT_EQ(Name(), "Smithson, PEN");
  EXPECT_FALSE(t.FindExact("SMITH, PEN"));
  EXPECT_EQ(WalkNames(t), (std::vector<std::string>{"London, ENG", "Lyon, FRA", "Paris, FRA",
                                                    "Smithson, PEN", "Zurich, SWI"}));
  // Go reaches a deleted record; UndeleteRecord brings it back.
  t.Go(3);
  EXPECT_TRUE(t.Deleted());
  ASSERT_TRUE(t.LockFile());
  t.UndeleteRecord();
  t.UnlockFile();
  EXPECT_TRUE(t.FindExact("SMITH, PEN"));
  EXPECT_EQ(t.RecordNumber(), 3u);
}

TEST_F(SeekTest, MoveByStopsAtTheEndsWithBofAndEof) {
  t.First();
  EXPECT_EQ(Name(), "London, ENG");
  t.MoveBy(-1);
  EXPECT_TRUE(t.AtStart());
  EXPECT_EQ(Name(), "London, ENG");
  t.MoveBy(2);
  EXPECT_FALSE(t.AtStart());
  EXPECT_EQ(Name(), "Paris, FRA");
  t.MoveBy(100);
  EXPECT_TRUE(t.AtEnd());
  EXPECT_EQ(Name(), "Zurich, SWI");
  t.MoveBy(-5);
  EXPECT_EQ(Name(), "London, ENG");
  EXPECT_FALSE(t.AtStart());
}

TEST_F(SeekTest, OrdersSortByTheirKeysAndSetOrderToKeepsTheRecord) {
  t.SetIndexOrder(2);
  EXPECT_EQ(WalkNames(t), (std::vector<std::string>{"London, ENG", "Lyon, FRA", "Paris, FRA",
                                                    "Smith, PEN", "Smithson, PEN", "Zurich, SWI"}));
  ASSERT_TRUE(t.FindNear("FRAP"));
  EXPECT_EQ(Name(), "Paris, FRA");
  t.SetIndexOrder(0);
  EXPECT_EQ(t.RecordNumber(), 4u);
  t.MoveBy(1);
  EXPECT_EQ(Name(), "Lyon, FRA");  // record 5 in record order
  t.SetIndexOrder(1);
  t.MoveBy(1);
  EXPECT_EQ(Name(), "Paris, FRA");
}

TEST_F(SeekTest, EqualKeysFollowRecordNumbers) {
  AddPlace(t, "Paris, FRA", "TEX");
  AddPlace(t, "PARIS, FRA", "ONT");
  ASSERT_TRUE(t.FindExact("PARIS, FRA"));
  EXPECT_EQ(t.RecordNumber(), 4u);
  t.MoveBy(1);
  EXPECT_EQ(t.RecordNumber(), 7u);
  t.MoveBy(1);
  EXPECT_EQ(t.RecordNumber(), 8u);
}

TEST_F(SeekTest, FilterSkipsRecordsAndAnEmptyTextRemovesIt) {
  t.SetFilter("CNTRYSTATE = \"PEN\"");
  EXPECT_EQ(WalkNames(t), (std::vector<std::string>{"Smith, PEN", "Smithson, PEN"}));
  EXPECT_FALSE(t.FindNear("LONDON"));
  EXPECT_EQ(Name(), "Smith, PEN");
  t.SetFilter("");
  EXPECT_EQ(WalkNames(t).size(), 6u);
  EXPECT_THROW(t.SetFilter("NOSUCH = 'X'"), TableError);
}

TEST_F(SeekTest, FieldAccessByNameWithoutRegardToCase) {
  ASSERT_TRUE(t.FindExact("LYON, FRA"));
  EXPECT_EQ(t.TextField("name"), "Lyon, FRA" + std::string(16, ' '));
  EXPECT_EQ(t.IntegerField("DstPtr"), 1);
  EXPECT_EQ(t.IntegerField("LATDEG"), 0);  // blank
  EXPECT_FALSE(t.HasField("CNTRYSTATEX"));
  EXPECT_TRUE(t.HasField("cntrystate"));
  EXPECT_THROW(t.TextField("NOSUCHFIELD"), TableError);
  t.SetTextField("NAME", std::string(30, 'x'));
  EXPECT_EQ(t.TextField("NAME"), std::string(25, 'x'));
  t.SetIntegerField("DSTPTR", -1234);
  EXPECT_EQ(t.TextField("DSTPTR"), "-1234");
  EXPECT_EQ(t.IntegerField("DSTPTR"), -1234);
  EXPECT_THROW(t.SetIntegerField("DSTPTR", 123456), TableError);
  EXPECT_EQ(t.IntegerField("DSTPTR"), -1234);
  t.Skip(0);  // re-reads the record: the unsaved changes are gone
  EXPECT_EQ(t.IntegerField("DSTPTR"), 1);
}

TEST_F(SeekTest, CursorFailuresCarryTheirMessages) {
  t.SetIndexOrder(0);
  try {
    t.FindNear("A");
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Cannot use Find() with index order 0 (natural order) [Find]");
  }
  try {
    t.SetIndexOrder(3);
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(),
                 "Invalid Index Order Specified: SET_ORDER_TO. [Set_Order_To(3)] (DBF=places.dbf)");
  }
  EXPECT_EQ(t.Order(), 0);
  EXPECT_THROW(t.Go(7), TableError);
  EXPECT_THROW(t.Go(0), TableError);
}

TEST_F(SeekTest, WritesWithoutTheLockFailAndChangeNothing) {
  const std::string before = folder.Read("places.dbf");
  t.SetTextField("NAME", "Nowhere");
  auto expectMessage = [this](void (DbfTable::*op)(), const char* message) {
    try {
      (t.*op)();
      ADD_FAILURE() << message;
    } catch (const TableError& e) {
      EXPECT_STREQ(e.what(), message);
    }
  };
  expectMessage(&DbfTable::AppendRecord, "File must be locked to append: places.dbf [APPEND]");
  expectMessage(&DbfTable::DeleteRecord, "Record not locked DeleteRec");
  expectMessage(&DbfTable::UndeleteRecord, "Record not locked RecallRec");
  expectMessage(&DbfTable::SaveRecord, "Record not locked ReplaceRec");
  EXPECT_EQ(folder.Read("places.dbf"), before);
  EXPECT_EQ(t.RecordCount(), 6u);
}

TEST(SeekEmptyTable, AnEmptyTableHasBofAndEofAndABlankBuffer) {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  EXPECT_EQ(t.RecordCount(), 0u);
  EXPECT_TRUE(t.AtStart());
  EXPECT_TRUE(t.AtEnd());
  t.SetIndexOrder(1);
  EXPECT_FALSE(t.FindNear("A"));
  EXPECT_EQ(t.RecordNumber(), 0u);
  EXPECT_EQ(t.TextField("NAME"), std::string(25, ' '));
  t.MoveBy(1);
  EXPECT_TRUE(t.AtEnd());
}

TEST(AnsiUpper, UpperCasesTheWindows1252Letters) {
  EXPECT_EQ(UpperAnsi("abz\xE9\xFF\x9A\xF7\xDF"), "ABZ\xC9\x9F\x8A\xF7\xDF");
  // o with stroke, oe, z with caron, e with diaeresis; sharp s has no capital here.
  EXPECT_EQ(UpperAnsi("\xF8\x9C\x9E\xEB\xDF"), "\xD8\x8C\x8E\xCB\xDF");
}

}  // namespace
}  // namespace vostrane::test
