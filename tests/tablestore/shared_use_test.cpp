// SPDX-License-Identifier: GPL-3.0-or-later
// The table store beside programs that do not keep its index: a table packed
// or edited in place behind an open table's back is noticed at the first
// lookup, which rebuilds the index and still lands on the right record; an
// index shared through a symbolic link stays shared when it is rewritten; a
// table that may only be read is read and refuses writes with its reason;
// new tables carry the Windows-1252 language byte and no MDX flag.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/FileSystem.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/DbfLayout.h"
#include "tablestore/ProductionIndex.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

constexpr int kRecordLength = 1 + 25 + 2 + 1 + 5 + 3;  // PlaceFields()

// Writes raw bytes into the table file, as another program would.
void Poke(const std::string& file, int64_t offset, const std::string& bytes) {
  const int fd = open(file.c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(pwrite(fd, bytes.data(), bytes.size(), offset), static_cast<ssize_t>(bytes.size()));
  close(fd);
}

int64_t RecordOffset(const std::string& file, uint32_t recno) {
  const std::string head = *ReadFileStart(file, 12);
  const int headerLength = static_cast<uint8_t>(head[8]) | (static_cast<uint8_t>(head[9]) << 8);
  return headerLength + static_cast<int64_t>(recno - 1) * kRecordLength;
}

std::string Padded(const std::string& name) { return name + std::string(25 - name.size(), ' '); }

bool FindName(DbfTable& t, const std::string& name) {
  t.SetIndexOrder(1);
  return t.FindExact(UpperAnsi(name));
}

TEST(SharedUse, PackAndAppendBehindTheIndexStillFindsEveryRecordByItsName) {
  TempFolder folder;
  {
    DbfTable writer;
    OpenPlaces(writer);
    for (const char* n : {"Aachen", "Berlin", "Chur", "Dover"}) AddPlace(writer, n);
  }
  RecordingProgress progress;
  DbfTable t;
  OpenPlaces(t, &progress);
  t.SetIndexOrder(1);
  ASSERT_TRUE(t.FindExact("BERLIN"));
  ASSERT_EQ(t.RecordNumber(), 2u);
  const size_t rebuildsBefore = progress.captions.size();

  // Another program packs away Aachen and appends Egmond: the count stays
  // four, every record moves one place up.
  std::string rest;
  for (uint32_t r = 2; r <= 4; ++r) {
    const std::string bytes = *ReadWholeFile("places.dbf");
    rest += bytes.substr(static_cast<size_t>(RecordOffset("places.dbf", r)), kRecordLength);
  }
  rest += " " + Padded("Egmond") + " 0 " + "    1" + "PEN";
  Poke("places.dbf", RecordOffset("places.dbf", 1), rest);

  // Each lookup lands on the record that holds the name.
  for (const auto& [name, recno] : std::vector<std::pair<std::string, uint32_t>>{
           {"BERLIN", 1}, {"CHUR", 2}, {"DOVER", 3}, {"EGMOND", 4}}) {
    ASSERT_TRUE(t.FindExact(name)) << name;
    EXPECT_EQ(t.RecordNumber(), recno) << name;
    EXPECT_EQ(UpperAnsi(t.TextField("NAME")), Padded(name));
  }
  EXPECT_FALSE(t.FindExact("AACHEN"));
  // The stale index was rebuilt, with its progress shown.
  ASSERT_GT(progress.captions.size(), rebuildsBefore);
  EXPECT_EQ(progress.captions.back(), "Indexing places.VDX...");
  EXPECT_EQ(WalkNames(t), (std::vector<std::string>{"Berlin", "Chur", "Dover", "Egmond"}));
}

TEST(SharedUse, NameEditedInPlaceIsNotFoundUnderItsOldName) {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  for (const char* n : {"Aachen", "Berlin", "Chur"}) AddPlace(t, n);
  t.SetIndexOrder(1);
  ASSERT_TRUE(t.FindExact("BERLIN"));
  Poke("places.dbf", RecordOffset("places.dbf", 2) + 1, Padded("Zagreb"));
  EXPECT_FALSE(t.FindExact("BERLIN"));
  ASSERT_TRUE(t.FindExact("ZAGREB"));
  EXPECT_EQ(t.RecordNumber(), 2u);
  // Movement sees the new order too.
  t.First();
  t.MoveBy(2);
  EXPECT_EQ(t.RecordNumber(), 2u);
}

TEST(SharedUse, IndexRewriteWritesThroughASymbolicLink) {
  TempFolder folder;
  ASSERT_TRUE(MakeFolder("shared"));
  {
    DbfTable t;
    OpenPlaces(t, nullptr, "shared/places.dbf");
    AddPlace(t, "Aachen");
  }
  ASSERT_EQ(symlink("shared/places.dbf", "places.dbf"), 0);
  ASSERT_EQ(symlink("shared/places.VDX", "places.VDX"), 0);
  struct stat before {};
  ASSERT_EQ(stat("shared/places.VDX", &before), 0);

  // A journal long enough to be rewritten at the next write.
  ProductionIndex::SetCompactionThreshold(1);
  {
    DbfTable t;
    OpenPlaces(t);
    AddPlace(t, "Berlin");
  }
  ProductionIndex::SetCompactionThreshold(8192);
  struct stat link {};
  ASSERT_EQ(lstat("places.VDX", &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  struct stat after {};
  ASSERT_EQ(stat("shared/places.VDX", &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);  // rewritten, in the shared folder

  // The installation that shares the table sees the new record at once.
  DbfTable other;
  OpenPlaces(other, nullptr, "shared/places.dbf");
  EXPECT_TRUE(FindName(other, "Berlin"));
}

TEST(SharedUse, NewTableCarriesTheAnsiLanguageByteAndNoMdxFlag) {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  const std::string head = *ReadFileStart("places.dbf", 32);
  EXPECT_EQ(static_cast<uint8_t>(head[kDbfMdxFlagOffset]), 0);
  EXPECT_EQ(static_cast<uint8_t>(head[kDbfLanguageOffset]), 0x57);
  EXPECT_FALSE(FileExists("places.dbf.tmp"));
}

TEST(SharedUse, FirstWriteMarksATableOfAnOlderWriter) {
  TempFolder folder;
  {
    DbfTable t;
    OpenPlaces(t);
  }
  Poke("places.dbf", kDbfMdxFlagOffset, std::string("\x01\x00", 2));
  DbfTable t;
  OpenPlaces(t);
  // Reading changes nothing; the first write clears the flag and names the
  // code page.
  t.First();
  EXPECT_EQ(ReadFileStart("places.dbf", 30)->substr(28), std::string("\x01\x00", 2));
  AddPlace(t, "Aachen");
  EXPECT_EQ(ReadFileStart("places.dbf", 30)->substr(28), std::string("\x00\x57", 2));
}

// A read-only file system (a tmpfs mounted read-only; skipped where mounting
// is not allowed). Permission bits do not stop the superuser the tests may
// run as, a read-only mount does.
class ReadOnlyTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeFolder("ro"));
    if (mount("tmpfs", "ro", "tmpfs", 0, "size=1m") != 0) GTEST_SKIP() << "mounting is not allowed here";
    mounted_ = true;
  }
  void TearDown() override {
    if (mounted_) umount("ro");
  }
  void MakeReadOnly() { ASSERT_EQ(mount(nullptr, "ro", nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0); }
  TempFolder folder_;
  bool mounted_ = false;
};

TEST_F(ReadOnlyTable, OpensForReadingAndWritesSayWhyNot) {
  {
    DbfTable t;
    OpenPlaces(t, nullptr, "ro/places.dbf");
    for (const char* n : {"Aachen", "Berlin"}) AddPlace(t, n);
  }
  // Without its index too: the keys are then built in memory.
  ASSERT_TRUE(EraseFile("ro/places.VDX"));
  MakeReadOnly();
  DbfTable t;
  OpenPlaces(t, nullptr, "ro/places.dbf");
  EXPECT_TRUE(FindName(t, "Berlin"));
  EXPECT_EQ(t.RecordNumber(), 2u);
  EXPECT_NE(t.ReadOnlyReason(), "");
  try {
    t.LockFile();
    ADD_FAILURE() << "a read-only table was locked for writing";
  } catch (const TableError& e) {
    EXPECT_NE(std::string(e.what()).find("ro/places.dbf may only be read"), std::string::npos)
        << e.what();
    EXPECT_NE(std::string(e.what()).find("cannot be saved"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(FileExists("ro/places.VDX"));
}

}  // namespace
}  // namespace vostrane::test
