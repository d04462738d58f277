// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing typed into the form is dropped without a question, and the form
// goes on with a calculated list when the viewer sends the user back to
// append a chart or to edit one.
#include <QListWidget>
#include <QPushButton>

#include "FormFixture.h"

namespace vostrane::test {
namespace {

class KeepEntries : public FormFixture {
 protected:
  // Types name and place into the current entry.
  void NameAndPlace(const QString& name, const QString& place) {
    form_->NameField()->setFocus();
    Type(name);
    form_->PlaceField()->setFocus();
    Type(place);
  }
  // A list of Ann (Rome) and Bob (Oslo), ended with "Done".
  void MakeListOfTwo() {
    Start();
    NameAndPlace("Ann", "Rome");
    form_->NewNatalClick();
    NameAndPlace("Bob", "Oslo");
    form_->DoneButton()->click();
    ASSERT_EQ(shell_.phase, RunPhase::CalculateAndShow);
    ASSERT_FALSE(form_->IsActive());
  }
};

TEST_F(KeepEntries, DoneAsksBeforeDroppingAnEntryWithTypedData) {
  Start();
  form_->PlaceField()->setFocus();
  Type("Rome");  // a place but no name
  messages_->Answer(MsgAnswer::No);
  form_->DoneButton()->click();
  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(
      messages_->Saw("Note: NAME  has not been entered yet.\r\nDiscard this chart and "
                     "return to the Main Menu?"));
  // No: the form stays with what was typed, the cursor in the name.
  EXPECT_TRUE(form_->IsActive());
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome");
  EXPECT_EQ(Focus(), form_->NameField());

  messages_->Answer(MsgAnswer::Yes);
  form_->DoneButton()->click();
  EXPECT_EQ(shell_.phase, RunPhase::MainMenu);
  EXPECT_FALSE(form_->IsActive());
}

TEST_F(KeepEntries, ClosingWithAMissingPlaceKeepsTheOtherEntries) {
  Start();
  NameAndPlace("Ann", "Rome");
  form_->NewNatalClick();
  form_->NameField()->setFocus();
  Type("Bob");
  messages_->Answer(MsgAnswer::No);
  form_->close();
  EXPECT_TRUE(
      messages_->Saw("Note: PLACE  has not been entered yet!\r\nDiscard this entry? The "
                     "other entries are kept."));
  EXPECT_TRUE(form_->IsActive());
  EXPECT_EQ(Focus(), form_->PlaceField());
  EXPECT_EQ(Stored(form_->NameField()), "Bob");

  messages_->Answer(MsgAnswer::Yes);
  form_->close();
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_FALSE(form_->IsActive());
  EXPECT_EQ(Record(1).name(), "Ann");
  EXPECT_FALSE(Record(2).used());
}

TEST_F(KeepEntries, AppendGoesOnAfterTheLastEntry) {
  MakeListOfTwo();
  shell_.phase = RunPhase::AppendEntry;
  ASSERT_TRUE(form_->FormActivate(shell_));
  ShowActive();
  EXPECT_EQ(form_->EntryCount(), 3);
  EXPECT_EQ(form_->CurrentEntry(), 3);
  ASSERT_EQ(form_->EntryList()->count(), 3);
  EXPECT_EQ(form_->EntryList()->item(0)->text(), "1: Ann  Natal");
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Bob  Natal");
  EXPECT_EQ(Focus(), form_->NameField());
  // The new entry is on disk with a terminator after it at once.
  EXPECT_TRUE(Record(3).used());
  EXPECT_FALSE(Record(4).used());

  NameAndPlace("Cy", "Lima");
  form_->DoneButton()->click();
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(Record(1).name(), "Ann");
  EXPECT_EQ(Record(2).name(), "Bob");
  EXPECT_EQ(Record(3).name(), "Cy");
  EXPECT_FALSE(Record(4).used());
}

TEST_F(KeepEntries, AnAppendedEntryLeftEmptyIsDroppedAndTheListStays) {
  MakeListOfTwo();
  shell_.phase = RunPhase::AppendEntry;
  ASSERT_TRUE(form_->FormActivate(shell_));
  ShowActive();
  form_->DoneButton()->click();  // nothing typed into entry 3
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(shell_.entryToShow, 2);  // the viewer opens at the last entry kept
  EXPECT_EQ(Record(2).name(), "Bob");
  EXPECT_FALSE(Record(3).used());
}

TEST_F(KeepEntries, EditShowsTheChosenEntryAndWritesItBack) {
  MakeListOfTwo();
  shell_.phase = RunPhase::EditEntries;
  shell_.entryToShow = 2;
  ASSERT_TRUE(form_->FormActivate(shell_));
  ShowActive();
  EXPECT_EQ(form_->EntryCount(), 2);
  EXPECT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Stored(form_->NameField()), "Bob");
  EXPECT_EQ(form_->EntryList()->currentRow(), 1);

  form_->PlaceField()->setFocus();
  form_->PlaceField()->selectAll();
  Type("Bergen");
  form_->DoneButton()->click();
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(shell_.entryToShow, 2);  // the viewer opens at the entry edited
  EXPECT_EQ(Record(1).place(), "Rome");
  EXPECT_EQ(Record(2).place(), "Bergen");
  EXPECT_FALSE(Record(3).used());
}

TEST_F(KeepEntries, BackToTheFormWithoutAListStartsANewOne) {
  shell_.phase = RunPhase::AppendEntry;  // no session file on disk
  Start();
  EXPECT_EQ(form_->EntryCount(), 1);
  EXPECT_EQ(form_->CurrentEntry(), 1);
}

}  // namespace
}  // namespace vostrane::test
