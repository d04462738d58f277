// SPDX-License-Identifier: GPL-3.0-or-later
// The name table itself: its creation with every field and tag, a person's
// record written from the form and read back, and the writes under the lock.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "platform/TextTrim.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

class PersonTable : public testing::Test {
 protected:
  void SetUp() override {
    OpenTestMessageTexts();
    OpenNameTable(table_);
  }
  void TearDown() override {
    table_.Close();
    CloseMessageTextFile();
  }

  uint32_t Append(const BirthDataFields& f) {
    const PersonWriteResult r = AppendPerson(table_, f);
    EXPECT_EQ(r.outcome, PersonWrite::Written) << f.name;
    return r.record;
  }
  std::string Field(uint32_t record, const char* name) {
    table_.Go(record);
    return table_.TextField(name);
  }

  TempFolder folder_;
  DbfTable table_;
};

TEST_F(PersonTable, IsCreatedWithEveryFieldAndTag) {
  EXPECT_TRUE(std::filesystem::exists("names.dbf"));
  EXPECT_TRUE(std::filesystem::exists(table_.IndexFileName()));
  for (const char* field :
       {"NAME", "RESRCHCODE", "HOUSEPOSTR", "DECLINSTR", "POLARASC", "CATEG2", "CATEG5"})
    EXPECT_TRUE(table_.HasField(field)) << field;
  // Every tag works: order 6 is the last category tag.
  Append(Person("Ann Lee"));
  for (int order = 1; order <= 6; ++order) {
    table_.SetIndexOrder(order);
    table_.First();
    EXPECT_FALSE(table_.AtEnd()) << order;
  }
  EXPECT_THROW(table_.SetIndexOrder(7), TableError);

  // Opened again, the table keeps its person.
  table_.Close();
  OpenNameTable(table_);
  EXPECT_TRUE(NameIsOnFile(table_, "ann lee "));
}

TEST_F(PersonTable, TableMadeWithoutCategoryFieldsStillOpensAndSaves) {
  table_.Close();
  std::filesystem::remove("names.dbf");
  std::filesystem::remove(table_.IndexFileName());
  {
    DbfTable old;
    old.SetDbfFileName("names.dbf");
    std::vector<std::string> fields = NameFieldLines();
    fields.resize(fields.size() - 4);  // without CATEG2 .. CATEG5
    old.SetDbfFields(fields);
    old.Open();
  }
  OpenNameTable(table_);
  EXPECT_FALSE(table_.HasField("CATEG2"));
  const uint32_t r = Append(Person("Ann Lee"));
  EXPECT_EQ(Field(r, "CALENDAR"), "B");
  table_.SetIndexOrder(2);  // CALENAME is still there
  EXPECT_THROW(table_.SetIndexOrder(3), TableError);
}

TEST_F(PersonTable, FormIsWrittenAndReadBackAsTheFormHoldsIt) {
  // 29 February of the year -44, 12 midnight.
  BirthDataFields f = Person("  Ann Lee ", "Sydney, Australia", "0229-044", "120000A");
  f.latitude = "33S5200";
  f.longitude = "151E1200";
  f.zoneHours = "10";
  f.zoneEastWest = "E";
  f.daylight = "D";
  const uint32_t r = Append(f);

  EXPECT_EQ(Field(r, "NAME"), "Ann Lee" + std::string(18, ' '));
  EXPECT_EQ(table_.IntegerField("YEAR"), -44);
  EXPECT_EQ(table_.IntegerField("HOURS"), 12);
  EXPECT_EQ(table_.TextField("AMPM"), "A");
  EXPECT_EQ(table_.TextField("NORTHSOUTH"), "S");
  EXPECT_EQ(table_.IntegerField("LONGDEG"), 151);
  EXPECT_EQ(table_.TextField("CALENDAR"), "B");
  EXPECT_EQ(table_.TextField("CATEG2"), "O ");
  EXPECT_EQ(table_.TextField("CATEG3"), "O ");
  EXPECT_EQ(table_.TextField("CATEG4"), "O  ");
  EXPECT_EQ(table_.TextField("CATEG5"), "   ");
  EXPECT_EQ(table_.TextField("CALCYN") + table_.TextField("CALCASTYN") + table_.TextField("CALCTNP"),
            "NNN");
  EXPECT_EQ(table_.TextField("BRTHDATSRC") + table_.TextField("BRTHDATACC"), "XXXX");
  EXPECT_EQ(table_.TextField("ORDNUMNAME"), table_.TextField("NAME"));
  EXPECT_EQ(table_.IntegerField("RESRCHCODE"), 0);
  EXPECT_EQ(table_.TextField("BIODAT1"), std::string(180, ' '));

  const BirthDataFields back = ReadBirthData(table_);
  EXPECT_EQ(back.name, "Ann Lee");
  EXPECT_EQ(back.place, "Sydney, Australia");
  EXPECT_EQ(back.date, "0229-044");
  EXPECT_EQ(back.time, "120000A");
  EXPECT_EQ(back.latitude, "33S5200");
  EXPECT_EQ(back.longitude, "151E1200");
  EXPECT_EQ(back.zoneHours, "10");
  EXPECT_EQ(back.zoneMinutes, "00");
  EXPECT_EQ(back.zoneEastWest, "E");
  EXPECT_EQ(back.daylight, "D");
  EXPECT_EQ(back.dstTable, "0");
}

TEST_F(PersonTable, FirstFailedCheckNamesTheField) {
  BirthDataFields f = Person("Ann");
  EXPECT_EQ(CheckPersonFields(f), kFormValid);
  f.longitude = "071X0337";
  EXPECT_EQ(CheckPersonFields(f), kBadLongitude);
  f.latitude = "95N0000";
  EXPECT_EQ(CheckPersonFields(f), kBadLatitude);
  f.time = "136000P";
  EXPECT_EQ(CheckPersonFields(f), kBadTime);
  f.place = " ";
  EXPECT_EQ(CheckPersonFields(f), kNoPlace);
  EXPECT_EQ(PersonCheckText(kNoPlace), "This person cannot be saved yet.  Please enter a place.");
}

TEST_F(PersonTable, SameNameInAnyCaseIsNotAppendedTwice) {
  const uint32_t r = Append(Person("Ann Lee"));
  const PersonWriteResult again = AppendPerson(table_, Person("ANN LEE", "Elsewhere"));
  EXPECT_EQ(again.outcome, PersonWrite::OnFile);
  EXPECT_EQ(again.record, r);
  EXPECT_EQ(table_.RecordCount(), 1u);
  EXPECT_EQ(Trim(Field(r, "PLACE")), "Boston, MA");
}

TEST_F(PersonTable, UpdateKeepsTheCalculatedValuesAndFollowsARename) {
  const uint32_t ann = Append(Person("Ann Lee"));
  const uint32_t bob = Append(Person("Bob Ray"));
  ASSERT_TRUE(table_.LockFile());
  table_.Go(ann);
  table_.SetTextField("GMT", "12.5");
  table_.SaveRecord();
  table_.UnlockFile();

  // In place: the birth data changes, the calculated values stay.
  PersonWriteResult r = UpdatePerson(table_, Person("Ann Lee", "Rome"), "Ann Lee");
  EXPECT_EQ(r.record, ann);
  EXPECT_EQ(Trim(Field(ann, "PLACE")), "Rome");
  EXPECT_EQ(Trim(table_.TextField("GMT")), "12.5");

  // Renamed: the old record goes, the new name is appended.
  r = UpdatePerson(table_, Person("Ann Smith", "Rome"), "Ann Lee");
  EXPECT_EQ(r.outcome, PersonWrite::Written);
  EXPECT_EQ(r.record, 3u);
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_TRUE(NameIsOnFile(table_, "Ann Smith"));
  EXPECT_EQ(Trim(Field(bob, "PLACE")), "Boston, MA");
}

TEST_F(PersonTable, RenameOntoAnotherSavedPersonWritesNothingUnlessAllowed) {
  const uint32_t ann = Append(Person("Ann Lee"));
  const uint32_t bob = Append(Person("Bob Ray"));
  PersonWriteResult r = UpdatePerson(table_, Person("bob ray", "Oslo"), "Ann Lee");
  EXPECT_EQ(r.outcome, PersonWrite::OtherPerson);
  EXPECT_EQ(r.record, bob);
  EXPECT_EQ(Trim(Field(bob, "PLACE")), "Boston, MA");
  EXPECT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_FALSE(table_.Locked());

  // Allowed (the user said Yes): the other person takes the data, the
  // renamed person's old record goes.
  r = UpdatePerson(table_, Person("Bob Ray", "Oslo"), "Ann Lee", true);
  EXPECT_EQ(r.outcome, PersonWrite::Written);
  EXPECT_EQ(r.record, bob);
  EXPECT_EQ(Trim(Field(bob, "PLACE")), "Oslo");
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  table_.Go(ann);
  EXPECT_TRUE(table_.Deleted());
  EXPECT_EQ(table_.RecordCount(), 2u);
}

TEST_F(PersonTable, RenameDeletesTheOldPersonByNameWhereverItNowStands) {
  Append(Person("Ann Lee"));
  Append(Person("Bob Ray"));
  // Another program has moved the records: Bob now stands where Ann was.
  ASSERT_TRUE(table_.LockFile());
  table_.Go(1);
  table_.SetTextField("NAME", "Bob Ray");
  table_.SaveRecord();
  table_.Go(2);
  table_.SetTextField("NAME", "Ann Lee");
  table_.SaveRecord();
  table_.UnlockFile();
  const PersonWriteResult r = UpdatePerson(table_, Person("Ann Smith"), "Ann Lee");
  EXPECT_EQ(r.outcome, PersonWrite::Written);
  EXPECT_TRUE(NameIsOnFile(table_, "Bob Ray"));
  EXPECT_EQ(table_.RecordNumber(), 1u);
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_TRUE(NameIsOnFile(table_, "Ann Smith"));
}

TEST_F(PersonTable, StandardDbaseReaderDecodesTheTextsAsWindows1252) {
  Append(Person("Zo\xEB \xC6r\xF8",
                "K\xF8"
                "benhavn"));
  table_.Close();
  const std::string command = "/usr/bin/python3 " + SourceFile("tests/faults/name_file_tool.py") +
                              " decode names.dbf 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[1024];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << out;
  EXPECT_NE(out.find("1 records"), std::string::npos) << out;
  EXPECT_NE(out.find("cp1252"), std::string::npos) << out;
}

TEST_F(PersonTable, RemovedPersonIsNoLongerFound) {
  Append(Person("Ann Lee"));
  EXPECT_EQ(RemovePerson(table_, "Ann Lee").outcome, PersonWrite::Written);
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(RemovePerson(table_, "Ann Lee").outcome, PersonWrite::NotFound);
  // The name can be saved again.
  EXPECT_EQ(AppendPerson(table_, Person("Ann Lee")).outcome, PersonWrite::Written);
}

TEST_F(PersonTable, WriteWaitsForALockAnotherProcessHoldsBriefly) {
  Append(Person("Ann Lee"));
  auto other = std::make_unique<LockHolder>("names.dbf");
  ASSERT_TRUE(other->Held());
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.reset();
  });
  const PersonWriteResult r = UpdatePerson(table_, Person("Ann Lee", "Rome"), "Ann Lee");
  release.join();
  EXPECT_EQ(r.outcome, PersonWrite::Written);
  EXPECT_EQ(Trim(Field(r.record, "PLACE")), "Rome");
}

TEST_F(PersonTable, LockOfAnotherProcessLeavesTheTableAsItWas) {
  Append(Person("Ann Lee"));
  {
    LockHolder other("names.dbf");
    ASSERT_TRUE(other.Held());
    EXPECT_EQ(AppendPerson(table_, Person("Bob Ray")).outcome, PersonWrite::Busy);
    EXPECT_EQ(UpdatePerson(table_, Person("Ann Lee", "Rome"), "Ann Lee").outcome, PersonWrite::Busy);
    EXPECT_EQ(RemovePerson(table_, "Ann Lee").outcome, PersonWrite::Busy);
    EXPECT_FALSE(table_.Locked());
  }
  EXPECT_EQ(table_.RecordCount(), 1u);
  EXPECT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(Trim(table_.TextField("PLACE")), "Boston, MA");
  // Once the other process is done, writing works again.
  EXPECT_EQ(AppendPerson(table_, Person("Bob Ray")).outcome, PersonWrite::Written);
}

}  // namespace
}  // namespace vostrane::test
