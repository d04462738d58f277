// The Persons window driven by keys: a search by any part of the name with
// accents folded, Delete that asks first, Undelete, and Enter that opens the
// person as a chart.
#include <QTest>
#include <algorithm>

#include "names/NameTable.h"
#include "names/PersonChart.h"
#include "names/PersonWrites.h"
#include "names/gui/PersonsWindow.h"
#include "platform/CodePage.h"
#include "platform/ScriptedMessageService.h"
#include "platform/TextTrim.h"
#include "session/SessionFile.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

TEST(PersonsWindow, SearchDeleteUndeleteAndOpenByKeys) {
  TempFolder folder;
  ScopedScriptedMessages messages;
  TTzDbf table;
  OpenNameTable(table);
  for (const char* name : {"Einstein, Albert", "Curie, Marie", "Müller, Hans", "Stein, Gertrude"})
    ASSERT_EQ(AppendPerson(table, Person(Utf8ToCp1252(name))).outcome, PersonWrite::Written);

  PersonsWindow window(table);
  std::vector<BirthDataFields> opened;
  window.SetOpenHandler([&](const BirthDataFields& person) { opened.push_back(person); });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.Search()->setFocus();

  const std::pair<const char*, std::vector<std::string>> searches[] = {
      {"ein", {"Einstein, Albert", "Stein, Gertrude"}},
      {"ALBERT", {"Einstein, Albert"}},
      {"muller", {Utf8ToCp1252("Müller, Hans")}},
      {"stein g", {"Stein, Gertrude"}},
  };
  for (const auto& [typed, names] : searches) {
    window.Search()->clear();
    QTest::keyClicks(window.Search(), typed);
    EXPECT_EQ(window.ShownNames(), names) << typed;
  }

  // Delete asks; No keeps the person, Yes removes it, Undelete brings it back.
  window.Search()->clear();
  QTest::keyClicks(window.Search(), "albert");
  window.Table()->setFocus();
  messages->Answer(MsgAnswer::No);
  QTest::keyClick(window.Table(), Qt::Key_Delete);
  EXPECT_TRUE(messages->Saw("Remove \"Einstein, Albert\" from the name file?"));
  EXPECT_TRUE(NameIsOnFile(table, "Einstein, Albert"));
  messages->Answer(MsgAnswer::Yes);
  QTest::keyClick(window.Table(), Qt::Key_Delete);
  EXPECT_FALSE(NameIsOnFile(table, "Einstein, Albert"));
  EXPECT_TRUE(window.ShownNames().empty());
  window.UndeleteClick();
  EXPECT_TRUE(NameIsOnFile(table, "Einstein, Albert"));
  EXPECT_EQ(window.ShownNames(), std::vector<std::string>{"Einstein, Albert"});

  // Enter opens the person found; the chart made of it is the person's.
  window.Search()->setFocus();
  QTest::keyClick(window.Search(), Qt::Key_Return);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(Trim(opened[0].name), "Einstein, Albert");
  std::string error;
  ASSERT_EQ(AppendChartOfPerson(opened[0], 'T', error), 1) << error;
  const std::string list = folder.Read(kSessionFileName);
  ASSERT_GE(list.size(), 3 * kEntrySize);  // header, the chart, terminator
  ChartEntry entry;
  std::copy(list.begin() + kEntrySize, list.begin() + 2 * kEntrySize, entry.Data());
  EXPECT_EQ(Trim(entry.name()), "Einstein, Albert");
  EXPECT_EQ(entry.month(), 7);
  EXPECT_EQ(entry.year(), 1990);
}

}  // namespace
}  // namespace vostrane::test
