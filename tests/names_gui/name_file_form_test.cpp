// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form with the real name file in the test's folder, driven
// like a user: the name list while typing, reading a person, the links of
// entries with one name, saving, the automatic update, the offer to save,
// removing a person, and a table locked by another process.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "entry/EntryMarks.h"
#include "names/NameTable.h"
#include "names/PersonWrites.h"
#include "names/gui/NameFileOnForm.h"
#include "names/gui/PersonsWindow.h"
#include "names/gui/ReadNameMenu.h"
#include "platform/TextTrim.h"
#include "tests/entry_gui/FormFixture.h"
#include "tests/names/NameTestSupport.h"

namespace vostrane::test {
namespace {

class NameFileForm : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    OpenNameTable(table_);
    ann_ = AppendPerson(table_, Person("Ann Lee")).record;
    AppendPerson(table_, Person("Anna Bell", "Oslo, Norway", "12241960", "060000A"));
    bob_ = AppendPerson(table_, Person("Bob Ray", "Rome, Italy", "01021950", "113000P")).record;
    for (int i = 0; i < 16; ++i) AppendPerson(table_, Person("Andy " + std::string(1, 'A' + i)));
    AttachNameFile(*form_, table_)->SetReadQuestion([this] {
      ++readQuestions_;
      return readAnswer_;
    });
  }
  void TearDown() override {
    FormFixture::TearDown();
    table_.Close();
  }

  void TypeName(const std::string& name) {
    form_->NameField()->setFocus();
    form_->NameField()->selectAll();
    Type(QString::fromStdString(name));
  }
  void TypePlace(const std::string& place) {
    form_->PlaceField()->setFocus();
    Type(QString::fromStdString(place));
  }
  std::string Row(int row) const { return FromQt(form_->NameFileList()->item(row)->text()); }
  std::string RecordField(uint32_t record, const char* field) {
    table_.Go(record);
    return Trim(table_.TextField(field));
  }

  DbfTable table_;
  uint32_t ann_ = 0, bob_ = 0;
  int readQuestions_ = 0;
  bool readAnswer_ = false;
};

TEST_F(NameFileForm, TypingListsNamesAndEnterReadsAnExactNameWithoutAQuestion) {
  Start();
  Type("ann");
  ASSERT_TRUE(form_->NameFileList()->isVisible());
  EXPECT_EQ(Row(0), "=> Ann Lee" + std::string(18, ' ') + " <=");
  EXPECT_EQ(NameOfRow(Row(1)), "Anna Bell");
  EXPECT_EQ(form_->NameFileList()->count(), 14);
  Type(" LEE");
  Key(Qt::Key_Return);

  EXPECT_EQ(readQuestions_, 0);
  EXPECT_EQ(Stored(form_->NameField()), "Ann Lee");
  EXPECT_EQ(Stored(form_->DateField()), "07041990");
  EXPECT_EQ(Stored(form_->TimeField()), "093015P");
  EXPECT_EQ(Stored(form_->PlaceField()), "Boston, MA");
  EXPECT_EQ(Stored(form_->LatitudeField()), "42N2130");
  EXPECT_EQ(Stored(form_->LongitudeField()), "071W0337");
  EXPECT_EQ(Stored(form_->ZoneHoursField()), "5");
  EXPECT_EQ(Stored(form_->DaylightField()), "Y");
  EXPECT_EQ(form_->DaylightWordLabel()->text(), "(Yes)");
  EXPECT_EQ(Focus(), form_->PlaceField());
  EXPECT_FALSE(form_->NameFileList()->isVisible());
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "");  // linked
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), static_cast<int32_t>(ann_));
  EXPECT_EQ(Record(1).nameRecord(), static_cast<int32_t>(ann_));
  EXPECT_EQ(Record(1).birthDataSource(), "XX");
  EXPECT_EQ(form_->WorkingEntry().hours(), 21);
}

TEST_F(NameFileForm, ModifierAndShortcutKeysInTheNameFieldDoNotOpenTheList) {
  Start();
  Type("Zoe");
  Key(Qt::Key_Return);  // nothing read; the focus moves on and the list goes
  form_->NameField()->setFocus();
  ASSERT_FALSE(form_->NameFileList()->isVisible());
  QTest::keyRelease(form_->NameField(), Qt::Key_Alt);
  QTest::keyRelease(form_->NameField(), Qt::Key_N, Qt::AltModifier);
  QTest::keyRelease(form_->NameField(), Qt::Key_Control);
  EXPECT_FALSE(form_->NameFileList()->isVisible());
  QTest::keyRelease(form_->NameField(), Qt::Key_E);  // an ordinary key still lists
  EXPECT_TRUE(form_->NameFileList()->isVisible());
}

TEST_F(NameFileForm, APartOfANameIsReadOnlyWhenTheUserSaysSo) {
  Start();
  Type("bo");
  Key(Qt::Key_Return);
  EXPECT_EQ(readQuestions_, 1);
  EXPECT_EQ(Stored(form_->NameField()), "bo");
  EXPECT_EQ(Focus(), form_->DateField());
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), 0);

  readAnswer_ = true;
  TypeName("bo");
  Key(Qt::Key_Return);
  EXPECT_EQ(readQuestions_, 2);
  EXPECT_EQ(Stored(form_->NameField()), "Bob Ray");
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome, Italy");
}

TEST_F(NameFileForm, UnknownNameShowsTheNotFoundRowAndEnterReadsNothing) {
  Start();
  Type("Zoe");
  EXPECT_EQ(Row(0), "No such name");
  EXPECT_EQ(Row(1), " ");
  Key(Qt::Key_Down);  // no scrolling from there
  EXPECT_EQ(Stored(form_->NameField()), "Zoe");
  Key(Qt::Key_Return);
  EXPECT_EQ(readQuestions_, 0);
  EXPECT_EQ(Focus(), form_->DateField());
  EXPECT_EQ(Stored(form_->NameField()), "Zoe");
  EXPECT_EQ(Stored(form_->PlaceField()), "");
}

TEST_F(NameFileForm, ArrowKeysScrollTheListAndAClickReadsARow) {
  Start();
  Type("ann");
  Key(Qt::Key_Down);
  EXPECT_EQ(Stored(form_->NameField()), "Anna Bell");
  EXPECT_EQ(NameOfRow(Row(0)), "Anna Bell");
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  EXPECT_EQ(Stored(form_->NameField()), "Andy P");

  QListWidget* list = form_->NameFileList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(readQuestions_, 0);
  EXPECT_EQ(Stored(form_->NameField()), "Anna Bell");
  EXPECT_EQ(Stored(form_->PlaceField()), "Oslo, Norway");
  EXPECT_EQ(form_->ReadingMode(), 'X');
}

TEST_F(NameFileForm, ReplacingCompleteDataAsksAndNoKeepsTheEntry) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  TypeName("Bob Ray");
  Key(Qt::Key_Return);  // the scripted answer is No
  EXPECT_TRUE(
      messages_->Saw("The birth data will be replaced with the new birth data.\r\n"
                     "Proceed to read in new birth data?"));
  EXPECT_EQ(Stored(form_->NameField()), "Ann Lee");
  EXPECT_EQ(Stored(form_->PlaceField()), "Boston, MA");
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), static_cast<int32_t>(ann_));

  messages_->Answer(MsgAnswer::Yes);
  TypeName("Bob Ray");
  Key(Qt::Key_Return);
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome, Italy");
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), static_cast<int32_t>(bob_));
  EXPECT_EQ(RecordField(ann_, "PLACE"), "Boston, MA");  // Ann is on file as she was
}

TEST_F(NameFileForm, OfTwoEntriesWithOneNameOnlyTheFirstHoldsTheLink) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  form_->NewNatalClick();
  TypeName("Ann Lee");
  Key(Qt::Key_Return);
  EXPECT_EQ(Stored(form_->PlaceField()), "Boston, MA");
  EXPECT_TRUE(IsDuplicateName(Record(2)));
  EXPECT_EQ(Record(2).nameRecord(), 0);
  EXPECT_EQ(Record(1).nameRecord(), static_cast<int32_t>(ann_));
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "Same name as an earlier chart");

  form_->SaveClick();
  EXPECT_TRUE(
      messages_->Saw("An earlier chart in this list has the same name. Only that chart can "
                     "be saved in the name file."));
  EXPECT_EQ(table_.RecordCount(), 19u);
}

TEST_F(NameFileForm, ChangedTimeOfALinkedEntryIsWrittenSilentlyOnNewNatal) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  form_->TimeField()->setFocus();
  Type("1100");
  messages_->Clear();
  form_->NewNatalClick();
  EXPECT_TRUE(messages_->Shown().empty());
  EXPECT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(RecordField(ann_, "HOURS"), "11");
  EXPECT_EQ(RecordField(ann_, "MINUTES"), "0");
  EXPECT_EQ(RecordField(ann_, "AMPM"), "P");
  EXPECT_EQ(table_.RecordCount(), 19u);
}

TEST_F(NameFileForm, RenameOntoAnotherSavedPersonAsksAndNoOverwritesNothing) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  TypeName("Bob Ray");
  messages_->Clear();
  messages_->Answer(MsgAnswer::No);
  form_->NewNatalClick();
  EXPECT_EQ(messages_->Count("is already saved in the name file as another person"), 1);
  // Neither person changed; the entry keeps its data, unlinked.
  EXPECT_EQ(RecordField(bob_, "PLACE"), "Rome, Italy");
  EXPECT_EQ(RecordField(ann_, "NAME"), "Ann Lee");
  EXPECT_EQ(Record(1).nameRecord(), 0);
  EXPECT_TRUE(IsDuplicateName(Record(1)));
  EXPECT_EQ(table_.RecordCount(), 19u);
}

TEST_F(NameFileForm, RenameOntoAnotherSavedPersonWithYesReplacesThatPerson) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  TypeName("Bob Ray");
  messages_->Answer(MsgAnswer::Yes);
  form_->NewNatalClick();
  EXPECT_EQ(messages_->Count("is already saved in the name file as another person"), 1);
  EXPECT_EQ(RecordField(bob_, "PLACE"), "Boston, MA");  // Ann's data under Bob's name
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(Record(1).nameRecord(), static_cast<int32_t>(bob_));
}

TEST_F(NameFileForm, RenameToANewNameMovesThePersonWithoutAQuestion) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  TypeName("Ann Smith");
  messages_->Clear();
  form_->NewNatalClick();
  EXPECT_TRUE(messages_->Shown().empty());
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  ASSERT_TRUE(NameIsOnFile(table_, "Ann Smith"));
  EXPECT_EQ(Record(1).nameRecord(), static_cast<int32_t>(table_.RecordNumber()));
  EXPECT_EQ(RecordField(bob_, "NAME"), "Bob Ray");
}

TEST_F(NameFileForm, SaveOptionYAsksOncePerPersonAtDone) {
  Control().SetLetter(control_offset::saveOption, 'Y');
  Start();
  Type("Dora");
  TypePlace("Rome");
  form_->NewNatalClick();
  // Nothing opens while the next person is typed: no key can go astray.
  EXPECT_EQ(messages_->Count("Save on disk?"), 0);
  Type("Eve");
  TypePlace("Oslo");
  form_->EntryListClick(0);
  form_->EntryListClick(1);
  form_->NewNatalClick();
  Type("Finn");
  TypePlace("Bern");
  form_->NewNatalClick();
  Type("dora ");  // the same person again, in another chart of the list
  TypePlace("Rome");
  EXPECT_EQ(messages_->Count("Save on disk?"), 0);

  messages_->Answer(MsgAnswer::No);   // Dora
  messages_->Answer(MsgAnswer::No);   // Eve
  messages_->Answer(MsgAnswer::Yes);  // Finn
  form_->DoneButton()->click();
  ASSERT_EQ(messages_->Count("Save on disk?"), 3);
  EXPECT_EQ(messages_->Shown().front().caption, "Name Not Saved on Disk");
  EXPECT_EQ(messages_->Shown().front().text,
            "\"Dora\" has not been saved in the name file yet.\r\nSave on disk?");
  EXPECT_TRUE(messages_->Saw("Finn has been saved in the name file."));
  EXPECT_TRUE(NameIsOnFile(table_, "Finn"));
  EXPECT_FALSE(NameIsOnFile(table_, "Dora"));
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(Record(3).nameRecord(), static_cast<int32_t>(table_.RecordCount()));
}

TEST_F(NameFileForm, AccentedNamesAreStoredInWindows1252AndFoundInAnyCase) {
  Start();
  form_->NameField()->SetStoredText("Zo\xEB \xD8rsted");
  TypePlace("Rome");
  form_->SaveClick();
  EXPECT_EQ(RecordField(table_.RecordCount(), "NAME"), "Zo\xEB \xD8rsted");
  // The index key is the name upper-cased in Windows-1252.
  EXPECT_TRUE(NameIsOnFile(table_, "ZO\xCB \xF8RSTED"));
  EXPECT_TRUE(NameIsOnFile(table_, "zo\xEB \xF8rsted"));
  EXPECT_FALSE(NameIsOnFile(table_, "ZOE ORSTED"));
}

TEST_F(NameFileForm, SaveAppendsANewPersonAndThenUpdatesIt) {
  Start();
  Type("Gus");
  TypePlace("Rome");
  form_->LatitudeField()->setFocus();
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "Not saved in the name file");
  form_->SaveClick();
  EXPECT_TRUE(messages_->Saw("Gus has been saved in the name file."));
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "");
  const uint32_t gus = table_.RecordCount();
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), static_cast<int32_t>(gus));
  EXPECT_EQ(RecordField(gus, "CALENDAR"), "B");

  form_->PlaceField()->setFocus();
  form_->PlaceField()->selectAll();
  Type("Milan");
  form_->SaveClick();
  EXPECT_TRUE(
      messages_->Saw("The birth data of Gus have been updated in the name file.\r\n\r\nNote "
                     "that it is not necessary to click the Save"));
  EXPECT_EQ(RecordField(gus, "PLACE"), "Milan");
  EXPECT_EQ(table_.RecordCount(), gus);
}

TEST_F(NameFileForm, LockOfAnotherProcessKeepsTheFormAsItWas) {
  Start();
  Type("Hal");
  TypePlace("Rome");
  {
    LockHolder other("names.dbf");
    ASSERT_TRUE(other.Held());
    form_->SaveClick();
  }
  EXPECT_TRUE(
      messages_->Saw("Unable to save Hal in the name file. The name file may be in use by "
                     "another program. Try again later."));
  EXPECT_EQ(Stored(form_->NameField()), "Hal");
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome");
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "Not saved in the name file");
  EXPECT_EQ(form_->WorkingEntry().nameRecord(), 0);
  EXPECT_FALSE(NameIsOnFile(table_, "Hal"));

  // A linked person whose update meets the lock keeps its record.
  TypeName("Ann Lee");
  Key(Qt::Key_Return);
  messages_->Answer(MsgAnswer::Yes);  // replace Hal's data
  form_->PlaceField()->setFocus();
  form_->PlaceField()->selectAll();
  Type("Paris");
  {
    LockHolder other("names.dbf");
    form_->NewNatalClick();
  }
  EXPECT_TRUE(
      messages_->Saw("Unable to update this person in the name file. The name file may be "
                     "in use by another program. Try again later."));
  EXPECT_EQ(RecordField(ann_, "PLACE"), "Boston, MA");
  EXPECT_EQ(Record(1).place(), "Paris");
}

TEST_F(NameFileForm, DeleteRemovesThePersonAndFreesTheDuplicates) {
  Start();
  Type("Ann Lee");
  Key(Qt::Key_Return);
  form_->NewNatalClick();
  TypeName("Ann Lee");
  Key(Qt::Key_Return);
  ASSERT_TRUE(IsDuplicateName(Record(2)));
  form_->EntryListClick(0);
  ASSERT_EQ(form_->CurrentEntry(), 1);

  RemovalChoice offered;
  form_->SetRemovalDialog([&](const RemovalChoice& c) {
    offered = c;
    return 'b';
  });
  form_->DeleteClick();
  EXPECT_TRUE(offered.offerName);
  EXPECT_TRUE(messages_->Saw("Ann Lee has been removed from the name file."));
  EXPECT_FALSE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(Record(1).nameRecord(), 0);
  EXPECT_FALSE(IsDuplicateName(Record(2)));
  EXPECT_EQ(form_->SaveStatusLabel()->text(), "Not saved in the name file");
  EXPECT_EQ(form_->EntryCount(), 2);
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

TEST_F(NameFileForm, PersonsInTheReadQuestionChoosesThePersonRead) {
  form_->findChild<NameFileOnForm*>()->SetReadQuestion({});
  Start();
  Type("an");
  // "&Persons..." opens the Persons window searching for the typed text;
  // narrowing the search and Enter read the person chosen into the form.
  WhenModal<ReadNameMenu>([](ReadNameMenu* menu) {
    WhenModal<PersonsWindow>([](PersonsWindow* persons) {
      EXPECT_EQ(persons->Search()->text(), "an");
      QTest::keyClicks(persons->Search(), "na b");
      EXPECT_EQ(persons->ShownNames(), std::vector<std::string>{"Anna Bell"});
      QTest::keyClick(persons->Search(), Qt::Key_Return);
    });
    QTest::mouseClick(menu->PersonsButton(), Qt::LeftButton);
  });
  Key(Qt::Key_Return);
  EXPECT_EQ(Stored(form_->NameField()), "Anna Bell");
  EXPECT_EQ(Stored(form_->PlaceField()), "Oslo, Norway");
}

// Answers the read menu once it is up: `read` clicks "Read Name from File",
// otherwise Escape is pressed.
void AnswerReadMenu(bool read) {
  QTimer::singleShot(0, [read] {
    auto* menu = qobject_cast<ReadNameMenu*>(QApplication::activeModalWidget());
    ASSERT_NE(menu, nullptr);
    if (read) menu->ReadButton()->click();
    else QTest::keyClick(menu, Qt::Key_Escape);
  });
}

TEST(ReadNameMenu, ReadButtonReadsAndEscapeGoesOn) {
  AnswerReadMenu(true);
  EXPECT_EQ(ReadNameMenu::Ask(nullptr, QPoint(10, 10)), ReadNameMenu::Choice::Read);
  AnswerReadMenu(false);
  EXPECT_EQ(ReadNameMenu::Ask(nullptr, QPoint(10, 10)), ReadNameMenu::Choice::Next);
  ReadNameMenu menu;
  EXPECT_EQ(menu.windowTitle(), "Make Selection Desired:");
  EXPECT_EQ(menu.NextButton()->text(), "&Next prompt (do NOT read name)");
}

}  // namespace
}  // namespace vostrane::test
