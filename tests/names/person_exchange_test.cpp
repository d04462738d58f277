// SPDX-License-Identifier: GPL-3.0-or-later
// Persons exchanged as AAF and CSV files: what is exported comes back byte
// for byte in every field of names.dbf, and a damaged file brings in its
// good persons, names each bad line and changes nothing already on file.
#include <gtest/gtest.h>

#include <sstream>

#include "names/NameTable.h"
#include "names/PersonImport.h"
#include "names/PersonRecord.h"
#include "names/PersonWrites.h"
#include "platform/CodePage.h"
#include "platform/TextTrim.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

BirthDataFields With(BirthDataFields f, const std::string& latitude, const std::string& longitude,
                     const std::string& zoneHours, const std::string& zoneMinutes,
                     const std::string& eastWest, const std::string& daylight) {
  f.latitude = latitude;
  f.longitude = longitude;
  f.zoneHours = zoneHours;
  f.zoneMinutes = zoneMinutes;
  f.zoneEastWest = eastWest;
  f.daylight = daylight;
  return f;
}

// Persons that use every kind of value: south and east, zones east with
// minutes, each daylight letter, midnight and noon, seconds, a year before
// 1000, accented Windows-1252 letters and a name without a comma.
std::vector<BirthDataFields> SamplePersons() {
  return {
      Person("Einstein, Albert", "Ulm, Germany", "03141879", "113000A"),
      With(Person("Bradman, Don", "Cootamundra, NSW", "08271908", "120000A"), "34S3900", "148E0200",
           "10", "00", "E", "N"),
      With(Person("Ramanujan, Srinivasa", "Erode, India", "12221887", "061507P"), "11N2026", "077E4331",
           "5", "30", "E", "N"),
      With(Person(Utf8ToCp1252("José Ørsted"), Utf8ToCp1252("São Paulo"), "01311950", "120000P"),
           "23S3300", "046W3800", "3", "00", "W", "D"),
      With(Person("Mean Time Person", "Nowhere, XX", "06150850", "010203A"), "00N0000", "000W0000", "0",
           "00", "W", "L"),
      With(Person("Wartime Baby", "London, UK", "02011943", "083000P"), "51N3000", "000W0700", "0", "00",
           "W", "W"),
      Person("Madonna"),
  };
}

// Every field of every live record, in name order.
std::vector<std::vector<std::string>> TableBytes(DbfTable& table) {
  std::vector<std::vector<std::string>> rows;
  for (table.First(); !table.AtEnd(); table.Skip(1)) {
    std::vector<std::string> row;
    for (const std::string& line : NameFieldLines())
      row.push_back(table.TextField(line.substr(0, line.find(','))));
    rows.push_back(row);
  }
  return rows;
}

class PersonExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenTestMessageTexts();
    OpenNameTable(source_, "source.dbf");
    OpenNameTable(target_, "target.dbf");
  }
  TempFolder folder_;
  DbfTable source_, target_;
};

TEST_F(PersonExchange, EveryFormatComesBackByteForByte) {
  for (const BirthDataFields& person : SamplePersons())
    ASSERT_EQ(AppendPerson(source_, person).outcome, PersonWrite::Written) << person.name;
  for (const ExchangeFormat format : {ExchangeFormat::Aaf, ExchangeFormat::Csv}) {
    SCOPED_TRACE(format == ExchangeFormat::Aaf ? "AAF" : "CSV");
    target_.Close();
    std::remove("target.dbf");
    std::remove("target.VDX");
    OpenNameTable(target_, "target.dbf");
    std::istringstream file(WriteExchange(PersonsOnFile(source_), format));
    const ExchangeReading reading = ReadExchange(file, format);
    EXPECT_TRUE(reading.faults.empty())
        << reading.faults.front().line << ": " << reading.faults.front().reason;
    const ImportOutcome outcome = ApplyImport(target_, PlanImport(target_, reading.persons),
                                              [](const ExchangePerson&) { return false; });
    EXPECT_EQ(outcome.added, static_cast<int>(SamplePersons().size()));
    EXPECT_EQ(TableBytes(target_), TableBytes(source_));
  }
}

TEST_F(PersonExchange, ADamagedFileBringsItsGoodPersonsAndNamesEachBadLine) {
  // On file already: Einstein with another time (kept without a yes), Curie
  // as the file has her (skipped).
  ASSERT_EQ(AppendPerson(target_, Person("Einstein, Albert", "Ulm, D", "03141879", "120000P")).outcome,
            PersonWrite::Written);
  std::istringstream curie(
      "#A93:Curie,Marie,f,7.11.1867,12:00,Warszawa,PL\n#B93:*,52n15,21e00,1he24,0\n");
  const ExchangeReading curieReading = ReadExchange(curie, ExchangeFormat::Aaf);
  ASSERT_EQ(curieReading.persons.size(), 1u);
  ASSERT_EQ(AppendPerson(target_, curieReading.persons[0].fields).outcome, PersonWrite::Written);
  const auto before = TableBytes(target_);

  const std::string file = std::string("#A93:Einstein,Albert,m,14.3.1879,11:30,Ulm,D\n") +  // 1
                           "#B93:2407422.98,48n24,10e00,1he00,0\n" +                        // 2
                           "#A93:Curie,Marie,f,7.11.1867,12:00,Warszawa,PL\n" +             // 3
                           "#B93:*,52n15,21e00,1he24,0\n" +                                 // 4
                           "#A93:Missing,Fields,m,1.2.1900\n" +                             // 5
                           "#A93:Bad,Date,m,30.2.1900,12:00,Bonn,D\n" +                     // 6
                           "#B93:*,50n44,7e06,1he00,0\n" +                                  // 7
                           "#A93:Long," + std::string(10 << 20, 'x') + "\n" +               // 8
                           "#A93:M\xfcller,Hans,m,1.2.1900,12:00,Bonn,D\n" +                // 9
                           "#B93:*,50n44,7e06,1he00,0\n" +                                  // 10
                           "#A93:Dvořák,Antonín,m,8.9.1841,12:00,Nelahozeves,CZ\n" +        // 11
                           "#B93:*,50n16,14e18,1he00,0\n" +                                 // 12
                           "#A93:No,Coordinates,m,1.2.1900,12:00,Bonn,D\n" +                // 13
                           "#B93:*,95n00,7e06,1he00,0\n";                                   // 14
  std::istringstream in(file);
  const ExchangeReading reading = ReadExchange(in, ExchangeFormat::Aaf);
  std::vector<int> badLines;
  for (const ExchangeFault& fault : reading.faults) badLines.push_back(fault.line);
  EXPECT_EQ(badLines, (std::vector<int>{5, 6, 8, 9, 14}));
  EXPECT_EQ(reading.transliterated, std::vector<std::string>{"ř"});

  const std::vector<ImportStep> plan = PlanImport(target_, reading.persons);
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(plan[0].action, ImportAction::OtherOnFile);
  EXPECT_EQ(plan[1].action, ImportAction::SameOnFile);
  EXPECT_EQ(plan[2].action, ImportAction::Add);
  EXPECT_EQ(Cp1252ToUtf8(Trim(plan[2].person.fields.name)), "Dvorák, Antonín");
  int asked = 0;
  const ImportOutcome outcome = ApplyImport(target_, plan,
                                            [&](const ExchangePerson&) { return ++asked, false; });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(outcome.added, 1);
  EXPECT_EQ(outcome.skipped, 2);
  // What was on file is there unchanged, beside the new person.
  auto after = TableBytes(target_);
  ASSERT_EQ(after.size(), 3u);
  after.erase(after.begin() + 1);  // "DVORÁK" sorts between "CURIE" and "EINSTEIN"
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace vostrane::test
