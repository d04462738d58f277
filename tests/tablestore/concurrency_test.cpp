// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes sharing one table: writes under LockFile are never lost or
// duplicated, readers see them, and a writer killed at any point leaves a
// table and an index that agree.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "platform/FileSystem.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/ProductionIndex.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

constexpr int kRounds = 1000;

void OpenShared(DbfTable& t) {
  t.SetDbfFileName("shared.dbf");
  t.SetDbfFields({"NAME,C,25,0", "GRP,C,2,0", "PROC,N,1,0", "SEQ,N,5,0", "COUNTER,N,8,0"});
  t.SetIndexList({"NAME,F,F,UPPER(NAME)", "", "GRPNAME,F,F,GRP+UPPER(NAME)", ""});
  t.Open();
  t.SetIndexOrder(1);
}

std::string NameOf(int proc, int seq) {
  char text[32];
  std::snprintf(text, sizeof text, "P%d-%05d", proc, seq);
  return text;
}

void Lock(DbfTable& t) {
  while (!t.LockFile()) usleep(20);
}

// One writer process: appends its records, counts in the shared counter
// record and moves its previous record to group B, each under the lock;
// between writes it checks, without a lock, that it can find its record.
int Writer(int proc) {
  try {
    DbfTable t;
    OpenShared(t);
    for (int i = 0; i < kRounds; ++i) {
      Lock(t);
      t.SetTextField("NAME", NameOf(proc, i));
      t.SetTextField("GRP", "A");
      t.SetIntegerField("PROC", proc);
      t.SetIntegerField("SEQ", i);
      t.AppendRecord();
      if (!t.FindExact("#COUNTER")) return 2;
      t.SetIntegerField("COUNTER", t.IntegerField("COUNTER") + 1);
      t.SaveRecord();
      if (i > 0) {
        if (!t.FindExact(NameOf(proc, i - 1))) return 3;
        t.SetTextField("GRP", "B");
        t.SaveRecord();
      }
      t.UnlockFile();
      if (!t.FindExact(NameOf(proc, i))) return 4;
    }
    return 0;
  } catch (const std::exception& e) {
    fprintf(stderr, "writer %d: %s\n", proc, e.what());
    return 5;
  }
}

// Every visible record in the order, as (trimmed name, record number).
std::vector<std::pair<std::string, uint32_t>> Listing(DbfTable& t, int order) {
  t.SetIndexOrder(order);
  std::vector<std::pair<std::string, uint32_t>> out;
  for (uint32_t recno : Walk(t)) {
    t.Go(recno);
    std::string name = t.TextField("NAME");
    out.emplace_back(name.erase(name.find_last_not_of(' ') + 1), recno);
  }
  return out;
}

// The index orders agree with sorting the table's records directly.
void ExpectIndexMatchesTable(DbfTable& t) {
  std::vector<std::pair<std::string, uint32_t>> byName, byGroup;
  t.SetIndexOrder(0);
  for (uint32_t recno : Walk(t)) {
    t.Go(recno);
    std::string name = t.TextField("NAME");
    byName.emplace_back(UpperAnsi(name), recno);
    byGroup.emplace_back(t.TextField("GRP") + UpperAnsi(name), recno);
  }
  std::sort(byName.begin(), byName.end());
  std::sort(byGroup.begin(), byGroup.end());
  std::vector<uint32_t> expectName, expectGroup, name, group;
  for (auto& e : byName) expectName.push_back(e.second);
  for (auto& e : byGroup) expectGroup.push_back(e.second);
  for (auto& e : Listing(t, 1)) name.push_back(e.second);
  for (auto& e : Listing(t, 2)) group.push_back(e.second);
  EXPECT_EQ(name, expectName);
  EXPECT_EQ(group, expectGroup);
}

TEST(SharedTable, TwoProcessesWritingUnderTheLockLoseNothing) {
  TempFolder folder;
  ProductionIndex::SetCompactionThreshold(300);  // rewrites while the other reads
  {
    DbfTable t;
    OpenShared(t);
    ASSERT_TRUE(t.LockFile());
    t.SetTextField("NAME", "#COUNTER");
    t.SetIntegerField("COUNTER", 0);
    t.AppendRecord();
    t.UnlockFile();
  }
  pid_t children[2];
  for (int proc = 0; proc < 2; ++proc) {
    children[proc] = fork();
    ASSERT_GE(children[proc], 0);
    if (children[proc] == 0) _exit(Writer(proc + 1));
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  ProductionIndex::SetCompactionThreshold(8192);

  DbfTable t;
  OpenShared(t);
  EXPECT_EQ(t.RecordCount(), 1u + 2 * kRounds);
  ASSERT_TRUE(t.FindExact("#COUNTER"));
  EXPECT_EQ(t.IntegerField("COUNTER"), 2 * kRounds);
  std::multiset<std::string> names;
  for (auto& e : Listing(t, 1)) names.insert(e.first);
  EXPECT_EQ(names.size(), 1u + 2 * kRounds);
  for (int proc = 1; proc <= 2; ++proc) {
    for (int i = 0; i < kRounds; ++i) EXPECT_EQ(names.count(NameOf(proc, i)), 1u) << NameOf(proc, i);
  }
  t.SetIndexOrder(2);
  ASSERT_TRUE(t.FindNear("B"));
  int groupB = 0;
  while (!t.AtEnd() && t.TextField("GRP") == "B ") {
    ++groupB;
    t.MoveBy(1);
  }
  EXPECT_EQ(groupB, 2 * (kRounds - 1));
  ExpectIndexMatchesTable(t);

  // A rebuilt index lists the same.
  const auto kept = Listing(t, 2);
  t.Close();
  ASSERT_TRUE(EraseFile("shared.VDX"));
  OpenShared(t);
  EXPECT_EQ(Listing(t, 2), kept);
}

TEST(SharedTable, AWriterKilledAtAnyPointLeavesAConsistentTable) {
  TempFolder folder;
  ProductionIndex::SetCompactionThreshold(64);
  {
    DbfTable t;
    OpenShared(t);
  }
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      DbfTable t;
      OpenShared(t);
      for (int i = 0;; ++i) {
        Lock(t);
        t.SetTextField("NAME", NameOf(round % 9, i));
        t.AppendRecord();
        // Rename an earlier record: its keys move in both tags.
        t.Go(1 + static_cast<uint32_t>(i) % t.RecordCount());
        t.SetTextField("NAME", NameOf(9, i));
        t.SetTextField("GRP", i % 2 ? "X" : "Y");
        t.SaveRecord();
        t.UnlockFile();
      }
    }
    usleep(2000 + random() % 20000);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    RecordingProgress progress;
    DbfTable t;
    t.SetProgress(&progress);
    OpenShared(t);
    EXPECT_TRUE(progress.captions.empty()) << "no rebuild is needed after a crash";
    ExpectIndexMatchesTable(t);
    // The next writer settles what the dead one left.
    ASSERT_TRUE(t.LockFile());
    t.UnlockFile();
    ExpectIndexMatchesTable(t);
  }
  ProductionIndex::SetCompactionThreshold(8192);
}

}  // namespace
}  // namespace vostrane::test
