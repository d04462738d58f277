// SPDX-License-Identifier: GPL-3.0-or-later
// The two tables damaged: the generated atlas "places.dbf" with its index
// "places.VDX", and a name table "names.dbf". Opening never changes the
// table itself; a damaged table is refused with the table store's message, a
// damaged index is rebuilt, and what opens can be walked and searched.
#include <gtest/gtest.h>

#include <filesystem>

#include "atlas/PlacesTable.h"
#include "names/NameTable.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "tablestore/AnsiUpper.h"
#include "tests/robustness/Damage.h"

namespace vostrane::test {
namespace {

const char* const kPlacesIndex = "places.VDX";

// Up to `limit` visible records from the current position onward; a damaged
// table may raise its error on the way.
std::vector<std::string> NamesFrom(DbfTable& t, int limit) {
  std::vector<std::string> names;
  for (int i = 0; i < limit && !t.AtEnd(); ++i) {
    names.push_back(t.TextField("NAME"));
    t.MoveBy(1);
  }
  return names;
}

// Opens the working folder's atlas as the program does, then seeks and
// walks a little in both orders. Returns the message shown, or "" when it
// opened; a table error on the walk is returned as its text.
std::string OpenAndUsePlaces(std::vector<std::string>* walked = nullptr) {
  ScopedScriptedMessages messages;
  if (!OpenPlacesTable()) {
    EXPECT_EQ(messages->Shown().size(), 1u);
    return messages->Shown().empty() ? "no message" : messages->Shown()[0].text;
  }
  EXPECT_TRUE(messages->Shown().empty());
  std::string error;
  try {
    DbfTable& t = PlacesTable();
    t.FindNear(UpperAnsi("Ber"));
    std::vector<std::string> names = NamesFrom(t, 50);
    t.SetIndexOrder(2);
    t.First();
    NamesFrom(t, 50);
    t.SetIndexOrder(0);
    t.Go(std::max<uint32_t>(1, t.RecordCount() / 2));
    NamesFrom(t, 20);
    if (walked) *walked = names;
  } catch (const TableError& e) {
    error = e.what();
  }
  ClosePlacesTable();
  return error;
}

class PlacesRobustness : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new std::string(InstalledBytes(kPlacesFileName));
    index_ = new std::string(InstalledBytes(kPlacesIndex));
  }
  static void TearDownTestSuite() {
    delete table_;
    delete index_;
  }
  void Place(const DamagedCopy& table, const DamagedCopy& index) {
    PlaceCopy(folder_, kPlacesFileName, table);
    PlaceCopy(folder_, kPlacesIndex, index);
  }
  DamagedCopy GoodTable() const { return {"good table", *table_}; }
  DamagedCopy GoodIndex() const { return {"good index", *index_}; }
  std::string TableFileState() const {
    const FolderSnapshot s = TakeSnapshot(folder_.Path());
    const auto& e = s.files.at(kPlacesFileName);
    return std::to_string(e.size) + ":" + std::to_string(e.mtimeNs) + ":" +
           std::to_string(std::hash<std::string>()(e.bytes));
  }

  static std::string* table_;
  static std::string* index_;
  TempFolder folder_;
};
std::string* PlacesRobustness::table_ = nullptr;
std::string* PlacesRobustness::index_ = nullptr;

TEST_F(PlacesRobustness, AMissingAtlasIsReportedAndNotMadeEmpty) {
  PlaceCopy(folder_, kPlacesIndex, GoodIndex());
  EXPECT_EQ(OpenAndUsePlaces(), kAtlasMissingText);
  EXPECT_FALSE(FileExists(kPlacesFileName));
}

TEST_F(PlacesRobustness, ACutTableIsRefusedWithItsMessageAndLeftAsItWas) {
  for (const DamagedCopy& copy : TruncatedCopies(*table_, 1)) {
    SCOPED_TRACE(copy.label);
    Place(copy, GoodIndex());
    const std::string before = TableFileState();
    const std::string message = OpenAndUsePlaces();
    // Only the end-of-file byte may go missing.
    if (copy.bytes.size() == table_->size() - 1) {
      EXPECT_EQ(message, "");
    } else {
      EXPECT_EQ(message, "places.dbf is not a dBASE database.");
    }
    EXPECT_EQ(TableFileState(), before);
  }
}

TEST_F(PlacesRobustness, ExtraBytesAfterTheRecordsAreIgnored) {
  Place(GoodTable(), GoodIndex());
  std::vector<std::string> expected;
  ASSERT_EQ(OpenAndUsePlaces(&expected), "");
  ASSERT_FALSE(expected.empty());
  for (const DamagedCopy& copy : OversizedCopies(*table_, 99)) {
    SCOPED_TRACE(copy.label);
    Place(copy, GoodIndex());
    const std::string before = TableFileState();
    std::vector<std::string> walked;
    EXPECT_EQ(OpenAndUsePlaces(&walked), "");
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(TableFileState(), before);
  }
}

TEST_F(PlacesRobustness, RandomDamageToTheTableOpensOrIsRefusedAndIsNeverWritten) {
  // The header with its field descriptors, then the records.
  std::vector<DamagedCopy> copies = CorruptedCopies(*table_, 8, 4101, 0, 450);
  for (auto& c : CorruptedCopies(*table_, 4, 4102)) copies.push_back(c);
  int opened = 0;
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    Place(copy, GoodIndex());
    const std::string before = TableFileState();
    const std::string message = OpenAndUsePlaces();
    opened += message.empty();
    EXPECT_EQ(TableFileState(), before);
  }
  EXPECT_GT(opened, 0);
}

TEST_F(PlacesRobustness, ADamagedIndexIsRebuiltAndSearchesStayRight) {
  Place(GoodTable(), GoodIndex());
  std::vector<std::string> expected;
  ASSERT_EQ(OpenAndUsePlaces(&expected), "");
  std::vector<DamagedCopy> copies = TruncatedCopies(*index_, 112);
  copies.resize(3);  // empty, one byte, part of the first block
  copies.push_back(TruncatedCopies(*index_, 112).back());
  for (auto& c : OversizedCopies(*index_, 112)) copies.push_back(c);
  for (auto& c : CorruptedCopies(*index_, 4, 4103, 0, 4096)) copies.push_back(c);
  for (auto& c : CorruptedCopies(*index_, 2, 4104)) copies.push_back(c);
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    Place(GoodTable(), copy);
    const std::string before = TableFileState();
    std::vector<std::string> walked;
    EXPECT_EQ(OpenAndUsePlaces(&walked), "");
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(TableFileState(), before);
  }
}

// A small name table written by the program itself.
std::string MadeNameTable() {
  TempFolder folder;
  DbfTable t;
  OpenNameTable(t);
  EXPECT_TRUE(t.LockFile());
  for (const char* name : {"Ada Byron", "Carl Friedrich", "Marie Curie"}) {
    t.SetTextField("NAME", name);
    t.SetTextField("PLACE", "Somewhere");
    t.AppendRecord();
  }
  t.UnlockFile();
  t.Close();
  return folder.Read(kNamesFileName);
}

TEST(NameTableRobustness, DamagedTablesAreRefusedOrOpenAndAreNeverWrittenByOpening) {
  const std::string good = MadeNameTable();
  std::vector<DamagedCopy> copies = TruncatedCopies(good, 1);
  for (auto& c : OversizedCopies(good, 64)) copies.push_back(c);
  for (auto& c : CorruptedCopies(good, 40, 5101)) copies.push_back(c);
  int opened = 0;
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    TempFolder folder;
    PlaceCopy(folder, kNamesFileName, copy);
    const std::string before = copy.sparseSize < 0 ? folder.Read(kNamesFileName) : "";
    ScopedScriptedMessages messages;
    if (OpenNamesTable()) {
      ++opened;
      EXPECT_TRUE(messages->Shown().empty());
      try {
        NameIsOnFile(NamesTable(), "Marie Curie");
        NamesTable().First();
        NamesFrom(NamesTable(), 10);
      } catch (const TableError&) {
      }
    } else {
      ASSERT_EQ(messages->Shown().size(), 1u);
      EXPECT_FALSE(messages->Shown()[0].text.empty());
    }
    CloseNamesTable();
    if (copy.sparseSize < 0) {
      EXPECT_EQ(folder.Read(kNamesFileName), before);
    }
  }
  EXPECT_GT(opened, 0);
}

}  // namespace
}  // namespace vostrane::test
