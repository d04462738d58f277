// Two processes sharing one table: writes under FLock are never lost or
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

void OpenShared(TTzDbf& t) {
  t.SetDbfFileName("shared.dbf");
  t.SetDbfFields({"NAME,C,25,0", "GRP,C,2,0", "PROC,N,1,0", "SEQ,N,5,0", "COUNTER,N,8,0"});
  t.SetIndexList({"NAME,F,F,UPPER(NAME)", "", "GRPNAME,F,F,GRP+UPPER(NAME)", ""});
  t.Open();
  t.SetOrderTo(1);
}

std::string NameOf(int proc, int seq) {
  char text[32];
  std::snprintf(text, sizeof text, "P%d-%05d", proc, seq);
  return text;
}

void Lock(TTzDbf& t) {
  while (!t.FLock()) usleep(20);
}

// One writer process: appends its records, counts in the shared counter
// record and moves its previous record to group B, each under the lock;
// between writes it checks, without a lock, that it can find its record.
int Writer(int proc) {
  try {
    TTzDbf t;
    OpenShared(t);
    for (int i = 0; i < kRounds; ++i) {
      Lock(t);
      t.SetCField("NAME", NameOf(proc, i));
      t.SetCField("GRP", "A");
      t.SetLongField("PROC", proc);
      t.SetLongField("SEQ", i);
      t.AppendRec();
      if (!t.FindExact("#COUNTER")) return 2;
      t.SetLongField("COUNTER", t.GetLongField("COUNTER") + 1);
      t.ReplaceRec();
      if (i > 0) {
        if (!t.FindExact(NameOf(proc, i - 1))) return 3;
        t.SetCField("GRP", "B");
        t.ReplaceRec();
      }
      t.UnLock();
      if (!t.FindExact(NameOf(proc, i))) return 4;
    }
    return 0;
  } catch (const std::exception& e) {
    fprintf(stderr, "writer %d: %s\n", proc, e.what());
    return 5;
  }
}

// Every visible record in the order, as (trimmed name, record number).
std::vector<std::pair<std::string, uint32_t>> Listing(TTzDbf& t, int order) {
  t.SetOrderTo(order);
  std::vector<std::pair<std::string, uint32_t>> out;
  for (uint32_t recno : Walk(t)) {
    t.Go(recno);
    std::string name = t.GetCField("NAME");
    out.emplace_back(name.erase(name.find_last_not_of(' ') + 1), recno);
  }
  return out;
}

// The index orders agree with sorting the table's records directly.
void ExpectIndexMatchesTable(TTzDbf& t) {
  std::vector<std::pair<std::string, uint32_t>> byName, byGroup;
  t.SetOrderTo(0);
  for (uint32_t recno : Walk(t)) {
    t.Go(recno);
    std::string name = t.GetCField("NAME");
    byName.emplace_back(UpperAnsi(name), recno);
    byGroup.emplace_back(t.GetCField("GRP") + UpperAnsi(name), recno);
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
    TTzDbf t;
    OpenShared(t);
    ASSERT_TRUE(t.FLock());
    t.SetCField("NAME", "#COUNTER");
    t.SetLongField("COUNTER", 0);
    t.AppendRec();
    t.UnLock();
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

  TTzDbf t;
  OpenShared(t);
  EXPECT_EQ(t.RecCount(), 1u + 2 * kRounds);
  ASSERT_TRUE(t.FindExact("#COUNTER"));
  EXPECT_EQ(t.GetLongField("COUNTER"), 2 * kRounds);
  std::multiset<std::string> names;
  for (auto& e : Listing(t, 1)) names.insert(e.first);
  EXPECT_EQ(names.size(), 1u + 2 * kRounds);
  for (int proc = 1; proc <= 2; ++proc) {
    for (int i = 0; i < kRounds; ++i) EXPECT_EQ(names.count(NameOf(proc, i)), 1u) << NameOf(proc, i);
  }
  t.SetOrderTo(2);
  ASSERT_TRUE(t.FindNear("B"));
  int groupB = 0;
  while (!t.Eof() && t.GetCField("GRP") == "B ") {
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
    TTzDbf t;
    OpenShared(t);
  }
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TTzDbf t;
      OpenShared(t);
      for (int i = 0;; ++i) {
        Lock(t);
        t.SetCField("NAME", NameOf(round % 9, i));
        t.AppendRec();
        // Rename an earlier record: its keys move in both tags.
        t.Go(1 + static_cast<uint32_t>(i) % t.RecCount());
        t.SetCField("NAME", NameOf(9, i));
        t.SetCField("GRP", i % 2 ? "X" : "Y");
        t.ReplaceRec();
        t.UnLock();
      }
    }
    usleep(2000 + random() % 20000);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    RecordingProgress progress;
    TTzDbf t;
    t.SetProgress(&progress);
    OpenShared(t);
    EXPECT_TRUE(progress.captions.empty()) << "no rebuild is needed after a crash";
    ExpectIndexMatchesTable(t);
    // The next writer settles what the dead one left.
    ASSERT_TRUE(t.FLock());
    t.UnLock();
    ExpectIndexMatchesTable(t);
  }
  ProductionIndex::SetCompactionThreshold(8192);
}

}  // namespace
}  // namespace vostrane::test
