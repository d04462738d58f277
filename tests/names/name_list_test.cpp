// SPDX-License-Identifier: GPL-3.0-or-later
// The name list: the saved names that follow the typed text, the not-found
// row, and scrolling through the table.
#include <gtest/gtest.h>

#include "names/NameList.h"
#include "names/NameTable.h"
#include "names/PersonWrites.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

constexpr const char* kNotFound = "No such name";

class NameListTest : public testing::Test {
 protected:
  void SetUp() override {
    OpenNameTable(table_);
    // Twenty names, appended out of order; "Jo 09" is removed again.
    for (int i : {7, 3, 19, 0, 12, 5, 16, 9, 1, 14, 10, 18, 2, 6, 11, 4, 17, 8, 13, 15})
      AppendPerson(table_, Person(Name(i)));
    RemovePerson(table_, Name(9));
    AppendPerson(table_, Person("Anna"));
    AppendPerson(table_, Person("zed"));
  }

  static std::string Name(int i) { return std::string("Jo ") + (i < 10 ? "0" : "") + std::to_string(i); }
  NameListFill Fill(const std::string& typed, int steps = 0) {
    return FillNameList(table_, typed, steps, kNotFound);
  }

  TempFolder folder_;
  DbfTable table_;
};

TEST_F(NameListTest, FirstLettersListTheFirstMatchAndTheNextThirteen) {
  const NameListFill fill = Fill("jo 0");
  ASSERT_TRUE(fill.shown);
  EXPECT_FALSE(fill.notFound);
  ASSERT_EQ(fill.rows.size(), 14u);
  EXPECT_EQ(fill.rows[0], "=> Jo 00" + std::string(20, ' ') + " <=");
  // Index order, the removed name left out.
  const int expected[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14};
  for (int row = 0; row < 14; ++row) EXPECT_EQ(NameOfRow(fill.rows[row]), Name(expected[row])) << row;
  EXPECT_EQ(fill.rows[1].substr(0, 3), "   ");
  EXPECT_EQ(fill.rows[1].size(), 31u);
  EXPECT_FALSE(fill.nameText);
}

TEST_F(NameListTest, NearTheEndTheRemainingRowsAreBlank) {
  const NameListFill fill = Fill("Jo 17");
  EXPECT_EQ(NameOfRow(fill.rows[0]), "Jo 17");
  EXPECT_EQ(NameOfRow(fill.rows[3]), "zed");
  for (int row = 4; row < 14; ++row) EXPECT_EQ(fill.rows[row], " ");
}

TEST_F(NameListTest, NoSavedNameBeginningWithTheTextGivesTheNotFoundRow) {
  const NameListFill fill = Fill("Joe");
  EXPECT_TRUE(fill.shown);
  EXPECT_TRUE(fill.notFound);
  EXPECT_EQ(fill.rows[0], kNotFound);
  for (int row = 1; row < 14; ++row) EXPECT_EQ(fill.rows[row], " ");
  // Scrolling does nothing there.
  EXPECT_FALSE(Fill("Joe", 1).nameText);
  // The not-found text itself in the name field is emptied.
  const NameListFill cleared = Fill(kNotFound);
  EXPECT_FALSE(cleared.shown);
  EXPECT_EQ(cleared.nameText, "");
  EXPECT_FALSE(Fill("   ").shown);
}

TEST_F(NameListTest, ScrollingMovesTheListAndTheNameField) {
  NameListFill fill = Fill("Jo 08", 1);
  EXPECT_EQ(fill.nameText, "Jo 10");  // over the removed name
  EXPECT_EQ(NameOfRow(fill.rows[0]), "Jo 10");
  fill = Fill("Jo 10", 13);
  EXPECT_EQ(fill.nameText, "zed");  // stops on the last name
  fill = Fill("Jo 10", -13);
  EXPECT_EQ(fill.nameText, "Anna");  // and on the first
  fill = Fill("Anna", -1);
  EXPECT_EQ(fill.nameText, "Anna");
  EXPECT_EQ(NameOfRow(fill.rows[1]), "Jo 00");
}

TEST(NameListRows, RowNameIsTheMiddleTrimmed) {
  EXPECT_EQ(NameOfRow(NameListRow("Ann Lee", true)), "Ann Lee");
  EXPECT_EQ(NameOfRow(NameListRow("A", false)), "A");
  EXPECT_EQ(NameOfRow("No such name"), "such n");
  EXPECT_EQ(NameOfRow(" "), "");
}

}  // namespace
}  // namespace vostrane::test
