// SPDX-License-Identifier: GPL-3.0-or-later
// The Persons window driven by keys: a search by any part of the name with
// accents folded, Delete that asks first, Undelete, and Enter that opens the
// person as a chart; Edit that checks the fields as the form does and
// rewrites the person in place; the last-changed column.
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "names/NameTable.h"
#include "names/PersonChart.h"
#include "names/PersonWrites.h"
#include "entry/gui/FormField.h"
#include "names/PersonImport.h"
#include "names/PersonRecord.h"
#include "names/gui/PersonEditDialog.h"
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
  DbfTable table;
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

// Runs `act` on the modal dialog of type T once it is up.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  QTimer::singleShot(10, [act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      // Keys go where a user's would once the dialog has the focus.
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
      return act(dialog);
    }
    WhenModal<T>(act);
  });
}

TEST(PersonsWindow, EditChecksTheFieldsAndRewritesThePersonInPlace) {
  TempFolder folder;
  ScopedScriptedMessages messages;
  DbfTable table;
  OpenNameTable(table);
  const uint32_t curie = AppendPerson(table, Person("Curie, Marie")).record;
  ASSERT_EQ(AppendPerson(table, Person("Einstein, Albert")).outcome, PersonWrite::Written);
  std::remove("names.chg");  // persons saved before change times were kept
  ASSERT_TRUE(NameIsOnFile(table, "Einstein, Albert"));
  const BirthDataFields einstein = ReadBirthData(table);

  PersonsWindow window(table);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(window.CellText(0, kChangedColumn), "");
  window.Search()->setFocus();
  QTest::keyClicks(window.Search(), "curie");

  // An emptied name is refused with the form's message and the dialog
  // stays; a new time is then written over the person's own record.
  WhenModal<PersonEditDialog>([&](PersonEditDialog* dialog) {
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    dialog->NameField()->selectAll();
    QTest::keyClick(dialog->NameField(), Qt::Key_Delete);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(messages->Saw(PersonCheckText(kNoName)));
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->NameField(), "Curie, Marie");
    // The scripted message took no focus, but the platform may hand the
    // activation back to the window below meanwhile.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->TimeField()->setFocus();
    QTest::keyClick(dialog->TimeField(), Qt::Key_Home);
    QTest::keyClicks(dialog->TimeField(), "071500a");
    EXPECT_EQ(dialog->TimeField()->StoredText(), "071500A");
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == "&Edit...") QTest::mouseClick(button, Qt::LeftButton);

  ASSERT_TRUE(NameIsOnFile(table, "Curie, Marie"));
  EXPECT_EQ(table.RecordNumber(), curie);
  EXPECT_EQ(table.IntegerField("HOURS"), 7);
  ASSERT_TRUE(NameIsOnFile(table, "Einstein, Albert"));
  EXPECT_TRUE(SameBirthData(ReadBirthData(table), einstein));
  EXPECT_EQ(window.ShownNames(), std::vector<std::string>{"Curie, Marie"});
  EXPECT_EQ(window.CellText(0, kTimeColumn), "07:15:00");
  EXPECT_NE(window.CellText(0, kChangedColumn), "");
  window.Search()->clear();
  EXPECT_EQ(window.CellText(1, kNameColumn), "Einstein, Albert");
  EXPECT_EQ(window.CellText(1, kChangedColumn), "");
}

}  // namespace
}  // namespace vostrane::test
