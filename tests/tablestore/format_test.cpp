// SPDX-License-Identifier: GPL-3.0-or-later
// The table file format against an independent writer and reader
// (dbf_tool.py beside this file): reading every field type, byte-exact
// writes, and new tables that the independent reader accepts.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

#include "platform/FileSystem.h"
#include "tests/support/TempFolder.h"
#include "tests/tablestore/TableTestSupport.h"

namespace vostrane::test {
namespace {

std::string RunTool(const std::string& args) {
  const std::string command = "/usr/bin/python3 " + SourceFile("tests/tablestore/dbf_tool.py") + " " +
                              args;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "popen failed";
  std::string out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int status = pclose(pipe);
  EXPECT_EQ(status, 0) << command << "\n" << out;
  return out;
}

std::string TodayBytes() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return {static_cast<char>(tm.tm_year), static_cast<char>(tm.tm_mon + 1),
          static_cast<char>(tm.tm_mday)};
}

std::string Trimmed(std::string s) { return s.erase(s.find_last_not_of(' ') + 1); }

TEST(DbfFormat, ReadsATableOfAnotherWriterWithEveryFieldType) {
  TempFolder folder;
  RunTool("sample sample.dbf");
  DbfTable t;
  t.SetDbfFileName("sample.dbf");
  t.SetIndexList({"NAME,F,F,UPPER(NAME)", ""});
  t.Open();
  EXPECT_EQ(t.RecordCount(), 4u);
  // The cursor starts on the first visible record in record order.
  EXPECT_EQ(t.RecordNumber(), 1u);
  EXPECT_EQ(t.TextField("NAME"), "Smithson" + std::string(12, ' '));
  EXPECT_EQ(t.TextField("BORN"), "19640229");
  EXPECT_EQ(t.TextField("ACTIVE"), "T");
  EXPECT_EQ(t.TextField("AMOUNT"), "   1234.50");
  EXPECT_EQ(t.IntegerField("AMOUNT"), 1234);
  EXPECT_EQ(t.IntegerField("COUNT"), 12);
  EXPECT_EQ(t.TextField("NOTES"), "         1");
  t.Go(2);
  EXPECT_TRUE(t.Deleted());
  EXPECT_EQ(t.IntegerField("COUNT"), -3);
  t.SetIndexOrder(1);
  // Upper-casing in the code page: "Émile" sorts under 0xC9, after the ASCII
  // letters; "smith" and "Smith" share a key, the deleted one is hidden.
  EXPECT_EQ(WalkNames(t), (std::vector<std::string>{"smith", "Smithson", "\xC9mile Zola"}));
  EXPECT_TRUE(t.FindExact("\xC9MILE ZOLA"));
  EXPECT_EQ(t.RecordNumber(), 3u);
}

TEST(DbfFormat, WritesAreByteExact) {
  TempFolder folder;
  RunTool("sample sample.dbf");
  RunTool("expected expected.dbf");
  const std::string before = TodayBytes();
  {
    DbfTable t;
    t.SetDbfFileName("sample.dbf");
    t.SetIndexList({"NAME,F,F,UPPER(NAME)", "", "CITYNAME,F,F,CITY+UPPER(NAME)", ""});
    t.Open();
    ASSERT_TRUE(t.LockFile());
    t.Go(1);
    t.SetIntegerField("COUNT", 42);
    t.SetTextField("CITY", "Marseille");
    t.SaveRecord();
    t.Go(3);
    t.DeleteRecord();
    t.Go(2);
    t.UndeleteRecord();
    t.SetTextField("NAME", "Zo\xEB Adams");
    t.SetIntegerField("AMOUNT", 5);
    t.SetTextField("BORN", "20240101");
    t.SetTextField("ACTIVE", "T");
    t.AppendRecord();
    t.UnlockFile();
    EXPECT_EQ(t.RecordNumber(), 5u);
    EXPECT_EQ(Trimmed(t.TextField("CITY")), "");
  }
  std::string actual = folder.Read("sample.dbf");
  std::string expected = folder.Read("expected.dbf");
  ASSERT_EQ(actual.size(), expected.size());
  const std::string date = actual.substr(1, 3);
  EXPECT_TRUE(date == before || date == TodayBytes());
  expected.replace(1, 3, date);
  EXPECT_TRUE(actual == expected);
  for (size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] != expected[i]) {
      ADD_FAILURE() << "first difference at byte " << i;
      break;
    }
  }
}

TEST(DbfFormat, ANewTableIsReadByTheIndependentReader) {
  TempFolder folder;
  DbfTable t;
  OpenPlaces(t);
  AddPlace(t, "Philadelphia, PEN", "PEN", -12);
  AddPlace(t, "Chicago, ILL", "ILL", 7);
  ASSERT_TRUE(t.LockFile());
  t.DeleteRecord();
  t.UnlockFile();
  t.Close();
  EXPECT_EQ(RunTool("dump places.dbf"),
            "version 3 count 2 header 193 record 37 eof 1\n"
            "field NAME C 25 0\n"
            "field LATDEG N 2 0\n"
            "field LATNS C 1 0\n"
            "field DSTPTR N 5 0\n"
            "field CNTRYSTATE C 3 0\n"
            "rec  |Philadelphia, PEN|||-12|PEN\n"
            "rec *|Chicago, ILL|||7|ILL\n");
  EXPECT_EQ(folder.Read("places.dbf").substr(1, 3), TodayBytes());

  DbfTable typed;
  typed.SetDbfFileName("typed.dbf");
  typed.SetDbfFields({"BORN,D,8,0", "OK,L,1,0", "AMOUNT,N,8,2"});
  typed.Open();
  ASSERT_TRUE(typed.LockFile());
  typed.SetTextField("BORN", "19991231");
  typed.SetTextField("OK", "T");
  typed.SetIntegerField("AMOUNT", -12);
  typed.AppendRecord();
  typed.UnlockFile();
  typed.Close();
  EXPECT_EQ(RunTool("dump typed.dbf"),
            "version 3 count 1 header 129 record 18 eof 1\n"
            "field BORN D 8 0\n"
            "field OK L 1 0\n"
            "field AMOUNT N 8 2\n"
            "rec  |19991231|T|-12.00\n");
}

TEST(DbfFormat, CreationRefusesBadFieldLists) {
  TempFolder folder;
  DbfTable t;
  t.SetDbfFileName("bad.dbf");
  for (const std::vector<std::string>& fields :
       std::vector<std::vector<std::string>>{{"NAME,C,0,0"},
                                             {"NAME,X,5,0"},
                                             {"LONGFIELDNAME,C,5,0"},
                                             {"NAME,N,5,4"},
                                             {"NAME,D,6,0"},
                                             {"NAME,C"},
                                             {"NOTES,M,10,0"}}) {
    t.SetDbfFields(fields);
    EXPECT_THROW(t.Open(), TableError) << fields[0];
    EXPECT_FALSE(FileExists("bad.dbf"));
  }
  t.SetDbfFields({});
  try {
    t.Open();
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Failure to open bad.dbf");
  }
}

}  // namespace
}  // namespace vostrane::test
