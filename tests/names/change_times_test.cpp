// SPDX-License-Identifier: GPL-3.0-or-later
// The persons' change times beside names.dbf: every writer stamps the
// record it wrote, a time belongs to its record only while the record holds
// the name stamped, and a damaged side file is reported, naming the file
// and line, without losing its sound lines. The Persons window's index
// sorts dates and times as numbers and searches the same after narrowing
// and widening the typed text.
#include <gtest/gtest.h>

#include "names/ChangeTimes.h"
#include "names/NameTable.h"
#include "names/PersonIndex.h"
#include "names/PersonWrites.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

TEST(ChangeTimes, EveryWriterStampsTheRecordItWroteUnderItsName) {
  TempFolder folder;
  DbfTable table;
  OpenNameTable(table);
  const uint32_t ann = AppendPerson(table, Person("Ann Lee")).record;
  const uint32_t bob = AppendPerson(table, Person("Bob Ray")).record;
  ChangeTimes times = ReadChangeTimes("names.chg");
  EXPECT_EQ(times.problem, "");
  EXPECT_TRUE(times.ChangedAt(ann, "Ann Lee"));
  EXPECT_TRUE(times.ChangedAt(bob, "Bob Ray  "));
  // Another program's person in the record: no time of ours.
  EXPECT_FALSE(times.ChangedAt(ann, "Someone Else"));

  // A rename writes a new record under the new name; a removal and an
  // undeletion stamp theirs.
  const PersonWriteResult renamed = UpdatePerson(table, Person("Robert Ray"), "Bob Ray");
  ASSERT_EQ(renamed.outcome, PersonWrite::Written);
  EXPECT_EQ(renamed.stampProblem, "");
  ASSERT_EQ(RemovePerson(table, "Ann Lee").outcome, PersonWrite::Written);
  std::remove("names.chg");  // times are kept again from here on
  ASSERT_EQ(UndeletePerson(table, ann).outcome, PersonWrite::Written);
  times = ReadChangeTimes("names.chg");
  EXPECT_TRUE(times.ChangedAt(ann, "Ann Lee"));
  EXPECT_FALSE(times.ChangedAt(renamed.record, "Robert Ray"));

  // Writes that collect their stamps leave the file alone until stamped.
  std::vector<RecordWritten> collected;
  const uint32_t cy = AppendPerson(table, Person("Cy Young"), nullptr).record;
  const uint32_t dee = AppendPerson(table, Person("Dee Dee"), &collected).record;
  EXPECT_FALSE(ReadChangeTimes("names.chg").ChangedAt(dee, "Dee Dee"));
  EXPECT_EQ(StampCollected(table, collected), "");
  times = ReadChangeTimes("names.chg");
  EXPECT_TRUE(times.ChangedAt(dee, "Dee Dee"));
  EXPECT_TRUE(times.ChangedAt(cy, "Cy Young"));
  EXPECT_TRUE(times.ChangedAt(ann, "Ann Lee"));
}

TEST(ChangeTimes, ADamagedFileIsNamedAndItsSoundLinesKept) {
  TempFolder folder;
  const std::string header = std::string(kChangeTimesHeader) + "\n";
  struct Case {
    const char* what;
    std::string bytes;
    size_t stamps;
    std::string problem;  // a part of the message; "" for none
  };
  const Case cases[] = {
      {"sound", header + "3\t1700000000\tAnn Lee\n7\t0\tBob\n", 2, ""},
      {"empty", "", 0, "names.chg is empty"},
      {"another file", "3\t1700000000\tAnn Lee\n", 0, "names.chg does not hold"},
      {"record 0", header + "0\t1700000000\tAnn\n5\t1\tBo\n", 1, "first is line 2"},
      {"bad numbers", header + "5\t1\tBo\nx\t1\tA\n6\t-1\tC\n7\t99999999999999\tD\n8\t1e3\tE\n", 1,
       "(4 lines cannot be read, the first is line 3)"},
      {"record beyond 32 bits", header + "4294967296\t1\tA\n", 0, "first is line 2"},
      {"name too long", header + "5\t1\t" + std::string(26, 'x') + "\n", 0, "first is line 2"},
      {"cut off", header + "5\t1\tBo\n6\t2\tCy", 1, "first is line 3"},
      {"missing column", header + "5\t1\n", 0, "in names.chg are damaged"},
  };
  for (const Case& c : cases) {
    folder.Write("names.chg", c.bytes);
    const ChangeTimes times = ReadChangeTimes("names.chg");
    EXPECT_EQ(times.stamps.size(), c.stamps) << c.what;
    if (c.problem.empty()) EXPECT_EQ(times.problem, "") << c.what;
    else EXPECT_NE(times.problem.find(c.problem), std::string::npos) << c.what << ": " << times.problem;
  }

  // A damaged file never blocks a write: the next stamp writes it sound,
  // with the sound lines kept.
  folder.Write("names.chg", header + "5\t1\tBo\ngarbage\n");
  EXPECT_EQ(StampChanges("names.dbf", {{9, "Cy Young"}}, 2), "");
  const ChangeTimes times = ReadChangeTimes("names.chg");
  EXPECT_EQ(times.problem, "");
  EXPECT_EQ(times.ChangedAt(5, "Bo"), 1);
  EXPECT_EQ(times.ChangedAt(9, "Cy Young"), 2);
}

TEST(PersonIndex, SortsDatesAsDatesAndSearchesAlikeAfterNarrowingAndWidening) {
  TempFolder folder;
  DbfTable table;
  OpenNameTable(table);
  for (const auto& [name, date] :
       std::vector<std::pair<const char*, const char*>>{{"Einstein, Albert", "03141879"},
                                                        {"Caesar, Julius", "0713-099"},
                                                        {"Charlemagne", "04020742"},
                                                        {"Stein, Gertrude", "02031874"},
                                                        {"Weinberg, Steven", "05031933"}})
    ASSERT_EQ(AppendPerson(table, Person(name, "Rome", date)).outcome, PersonWrite::Written) << name;
  std::remove("names.chg");
  AppendPerson(table, Person("Zed", "Rome", "01012000"));  // the only one with a time

  PersonIndex index;
  index.Load(table);
  const auto names = [&] {
    std::vector<std::string> shown;
    for (size_t i = 0; i < index.Found(); ++i) shown.push_back(index.At(i)->columns[kNameColumn]);
    return shown;
  };
  index.Sort(kDateColumn, true);
  EXPECT_EQ(names(), (std::vector<std::string>{"Caesar, Julius", "Charlemagne", "Stein, Gertrude",
                                               "Einstein, Albert", "Weinberg, Steven", "Zed"}));
  index.Sort(kChangedColumn, false);
  EXPECT_EQ(names().front(), "Zed");
  EXPECT_EQ(index.At(1)->columns[kChangedColumn], "");

  index.Sort(kNameColumn, true);
  for (const char* typed : {"e", "ei", "ein", "einb", "ei", "st", "STEIN"}) index.Search(typed);
  EXPECT_EQ(names(), (std::vector<std::string>{"Einstein, Albert", "Stein, Gertrude"}));
  index.Search("ein");
  EXPECT_EQ(names(),
            (std::vector<std::string>{"Einstein, Albert", "Stein, Gertrude", "Weinberg, Steven"}));
}

}  // namespace
}  // namespace vostrane::test
