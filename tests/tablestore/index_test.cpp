// SPDX-License-Identifier: GPL-3.0-or-later
// The production index: building, reuse, rebuilding when it is missing,
// damaged or made for other tags, and staying right when another handle or
// another program changes the table.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "tablestore/AnsiUpper.h"
#include "tablestore/ProductionIndex.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

void FillPlaces(DbfTable& t, int n) {
  ASSERT_TRUE(t.LockFile());
  for (int i = 0; i < n; ++i) {
    // Names in an order unlike record order.
    t.SetTextField("NAME", "Place " + std::to_string((i * 7919) % 1000 + 1000));
    t.SetTextField("CNTRYSTATE", i % 2 ? "AAA" : "BBB");
    t.AppendRecord();
  }
  t.UnlockFile();
}

TEST(ProductionIndex, ACurrentIndexIsReusedAndAMissingOneRebuilt) {
  TempFolder folder;
  {
    RecordingProgress built;
    DbfTable t;
    OpenPlaces(t, &built);
    EXPECT_EQ(built.captions, std::vector<std::string>{"Indexing places.VDX..."});
    EXPECT_EQ(built.ends, 1);
    FillPlaces(t, 50);
  }
  RecordingProgress progress;
  DbfTable t;
  OpenPlaces(t, &progress);
  EXPECT_TRUE(progress.captions.empty());
  t.SetIndexOrder(1);
  const std::vector<std::string> names = WalkNames(t);
  ASSERT_EQ(names.size(), 50u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  t.Close();

  ASSERT_EQ(unlink("places.VDX"), 0);
  OpenPlaces(t, &progress);
  EXPECT_EQ(progress.captions, std::vector<std::string>{"Indexing places.VDX..."});
  EXPECT_EQ(progress.total, 50u);
  EXPECT_EQ(progress.lastDone, 50u);
  t.SetIndexOrder(1);
  EXPECT_EQ(WalkNames(t), names);
}

TEST(ProductionIndex, OtherTagsOrADamagedIndexFileAreRebuilt) {
  TempFolder folder;
  std::vector<std::string> names;
  {
    DbfTable t;
    OpenPlaces(t);
    FillPlaces(t, 30);
    t.SetIndexOrder(1);
    names = WalkNames(t);
  }
  // The same tags in other case compare equal: no rebuild.
  RecordingProgress progress;
  DbfTable t;
  t.SetDbfFileName("places.dbf");
  t.SetIndexList({"city,f,f,upper(name)", "", "CntryCity,F,F,CNTRYSTATE+UPPER(NAME)", ""});
  t.SetProgress(&progress);
  t.Open();
  EXPECT_TRUE(progress.captions.empty());
  t.Close();

  t.SetIndexList({"CITY,F,F,UPPER(NAME)", ""});
  t.Open();
  EXPECT_EQ(progress.captions.size(), 1u);
  t.Close();

  // Damage every part of the file in turn: the header, the tag block, the
  // sorted entries; each open notices and rebuilds.
  t.SetIndexList(PlaceIndex());
  t.Open();
  t.Close();
  const std::string good = folder.Read("places.VDX");
  for (size_t offset : {size_t(3), size_t(70), size_t(140), size_t(700), good.size() - 10}) {
    std::string bad = good;
    bad[offset] ^= 0x5A;
    folder.Write("places.VDX", bad);
    progress.captions.clear();
    t.Open();
    EXPECT_EQ(progress.captions.size(), 1u) << "offset " << offset;
    t.SetIndexOrder(1);
    EXPECT_EQ(WalkNames(t), names);
    t.Close();
  }
  folder.Write("places.VDX", good.substr(0, good.size() / 2));
  progress.captions.clear();
  t.Open();
  EXPECT_EQ(progress.captions.size(), 1u);
}

// Random damage to an index file with a journal: the open notices it (or it
// touched nothing that matters) and every order still lists the table right.
TEST(ProductionIndex, RandomIndexDamageNeverGivesWrongAnswers) {
  TempFolder folder;
  std::vector<std::string> names;
  {
    DbfTable t;
    OpenPlaces(t);
    FillPlaces(t, 20);
    t.Close();
    OpenPlaces(t);  // the base holds 20 records, the journal what follows
    FillPlaces(t, 5);
    t.Go(3);
    ASSERT_TRUE(t.LockFile());
    t.SetTextField("NAME", "Renamed");
    t.SaveRecord();
    t.UnlockFile();
    t.SetIndexOrder(1);
    names = WalkNames(t);
  }
  const std::string good = folder.Read("places.VDX");
  std::mt19937 random(99);
  for (int round = 0; round < 300; ++round) {
    std::string bad = good;
    bad[random() % bad.size()] ^= static_cast<char>(1 + random() % 255);
    if (round % 4 == 0) bad.resize(random() % bad.size());
    folder.Write("places.VDX", bad);
    DbfTable t;
    OpenPlaces(t);
    t.SetIndexOrder(1);
    ASSERT_EQ(WalkNames(t), names) << "round " << round;
  }
}

TEST(ProductionIndex, AnotherHandlesWritesAreSeenBeforeTheNextSeek) {
  TempFolder folder;
  DbfTable reader, writer;
  OpenPlaces(reader);
  OpenPlaces(writer);
  reader.SetIndexOrder(1);
  writer.SetIndexOrder(1);
  EXPECT_FALSE(reader.FindExact("BERN, SWI"));

  AddPlace(writer, "Bern, SWI");
  EXPECT_TRUE(reader.FindExact("BERN, SWI"));
  EXPECT_EQ(reader.RecordCount(), 1u);

  // A renamed record moves in the other handle's order.
  ASSERT_TRUE(writer.FindExact("BERN, SWI"));
  ASSERT_TRUE(writer.LockFile());
  writer.SetTextField("NAME", "Basel, SWI");
  writer.SaveRecord();
  writer.UnlockFile();
  EXPECT_FALSE(reader.FindExact("BERN, SWI"));
  EXPECT_TRUE(reader.FindExact("BASEL, SWI"));

  // The lock excludes the other handle, even within one process.
  ASSERT_TRUE(writer.LockFile());
  EXPECT_FALSE(reader.LockFile());
  writer.UnlockFile();
  EXPECT_TRUE(reader.LockFile());
  reader.UnlockFile();
}

TEST(ProductionIndex, ReplaceWritesOnlyTheFieldsThatWereSet) {
  TempFolder folder;
  DbfTable a, b;
  OpenPlaces(a);
  OpenPlaces(b);
  AddPlace(a, "Bern, SWI", "SWI", 5);
  a.SetIndexOrder(1);
  b.SetIndexOrder(1);
  ASSERT_TRUE(a.FindExact("BERN, SWI"));
  ASSERT_TRUE(b.FindExact("BERN, SWI"));
  ASSERT_TRUE(b.LockFile());
  b.SetIntegerField("DSTPTR", 77);
  b.SaveRecord();
  b.UnlockFile();
  // `a` read the record before b's change; its replace keeps DSTPTR.
  ASSERT_TRUE(a.LockFile());
  a.SetTextField("LATNS", "N");
  a.SaveRecord();
  a.UnlockFile();
  EXPECT_EQ(a.IntegerField("DSTPTR"), 77);
  EXPECT_EQ(a.TextField("LATNS"), "N");
}

TEST(ProductionIndex, RecordsAppendedBehindTheIndexsBackAreIndexed) {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  FillPlaces(t, 3);
  t.SetIndexOrder(1);
  // Another program (or a process that died after writing the table) adds
  // a record and raises the count without touching the index.
  std::string table = folder.Read("places.dbf");
  const int headerLength = static_cast<uint8_t>(table[8]) | (static_cast<uint8_t>(table[9]) << 8);
  std::string record = " " + std::string("Aarau, SWI") + std::string(15, ' ') + "  " + " " + "    1" +
                       "SWI";
  table.resize(headerLength + 3 * record.size());
  table += record + "\x1A";
  table[4] = 4;
  const int fd = open("places.dbf", O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(pwrite(fd, table.data(), table.size(), 0), static_cast<ssize_t>(table.size()));
  close(fd);

  EXPECT_TRUE(t.FindExact("AARAU, SWI"));
  EXPECT_EQ(t.RecordNumber(), 4u);
  // The next writer puts its keys into the index file: a new handle finds it
  // without a rebuild.
  ASSERT_TRUE(t.LockFile());
  t.UnlockFile();
  RecordingProgress progress;
  DbfTable other;
  OpenPlaces(other, &progress);
  EXPECT_TRUE(progress.captions.empty());
  other.SetIndexOrder(2);
  EXPECT_TRUE(other.FindExact("SWIAARAU, SWI"));
}

TEST(ProductionIndex, AReplaceCutShortBetweenItsWritesIsCompletedFromTheTable) {
  TempFolder folder;
  DbfTable reader;
  OpenPlaces(reader);
  FillPlaces(reader, 5);
  reader.SetIndexOrder(1);
  reader.Go(2);
  const std::string oldKey = UpperAnsi(reader.TextField("NAME"));
  {
    // A writer that takes the record's old keys out and writes the record,
    // then dies before it puts the new keys in.
    DbfFile file;
    file.Open(folder.Path() + "/places.dbf", "places.dbf", {});
    FileLock lock;
    lock.Attach(file.Descriptor());
    const std::vector<TagDefinition> tags = ParseIndexList(PlaceIndex(), file.Layout(), "places.VDX");
    ProductionIndex index(file, lock, tags, folder.Path() + "/places.VDX", "places.VDX");
    index.Open(nullptr);
    ASSERT_TRUE(lock.TryAcquire());
    index.Settle();
    std::string before, after;
    file.ReadRecord(2, before);
    after = before;
    after.replace(1, 25, "Aachen, GER" + std::string(14, ' '));
    index.BeginReplace(2, before, after);
    file.WriteRecord(2, after);
  }
  EXPECT_FALSE(reader.FindExact(oldKey));
  EXPECT_TRUE(reader.FindExact("AACHEN, GER"));
  EXPECT_EQ(reader.RecordNumber(), 2u);
  EXPECT_EQ(WalkNames(reader).size(), 5u);
  // The next writer completes the index file; a new handle needs no rebuild.
  ASSERT_TRUE(reader.LockFile());
  reader.UnlockFile();
  RecordingProgress progress;
  DbfTable fresh;
  OpenPlaces(fresh, &progress);
  EXPECT_TRUE(progress.captions.empty());
  fresh.SetIndexOrder(1);
  EXPECT_EQ(WalkNames(fresh), WalkNames(reader));
  EXPECT_TRUE(fresh.FindExact("AACHEN, GER"));
}

TEST(ProductionIndex, CompactionKeepsEveryEntryAndReadersFollowIt) {
  TempFolder folder;
  ProductionIndex::SetCompactionThreshold(16);
  DbfTable reader, writer;
  OpenPlaces(reader);
  OpenPlaces(writer);
  reader.SetIndexOrder(1);
  for (int i = 0; i < 40; ++i) {
    AddPlace(writer, "Town " + std::to_string(100 + i));
    ASSERT_TRUE(reader.FindExact("TOWN " + std::to_string(100 + i)));
  }
  ProductionIndex::SetCompactionThreshold(8192);
  EXPECT_EQ(WalkNames(reader).size(), 40u);
  RecordingProgress progress;
  DbfTable fresh;
  OpenPlaces(fresh, &progress);
  EXPECT_TRUE(progress.captions.empty());
  fresh.SetIndexOrder(1);
  EXPECT_EQ(WalkNames(fresh), WalkNames(reader));
}

TEST(ProductionIndex, IndexFailuresCarryTheirMessages) {
  TempFolder folder;
  DbfTable t;
  t.SetDbfFileName("places.dbf");
  t.SetDbfFields(PlaceFields());
  t.SetIndexList({"CITY,F,F,UPPER(NOFIELD)", ""});
  try {
    t.Open();
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Invalid dBASE key expression or corrupted index file places.VDX");
  }
  EXPECT_FALSE(t.IsOpen());
  for (const char* bad : {"CITY,F,F,DSTPTR", "CITY,F,F,UPPER(NAME", "CITY,X,F,NAME",
                          "CITY,F,F,NAME+NAME+NAME+NAME+NAME"}) {
    t.SetIndexList({bad, ""});
    EXPECT_THROW(t.Open(), TableError) << bad;
  }
  ASSERT_EQ(mkdir("places.VDX", 0755), 0);
  t.SetIndexList(PlaceIndex());
  try {
    t.Open();
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Unable to open index: places.VDX");
  }
}

}  // namespace
}  // namespace vostrane::test
