// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form driven like a user: keys typed into the focused field,
// buttons, and scripted answers to its messages.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QPushButton>

#include "FormFixture.h"
#include "entry/EntryMarks.h"

namespace vostrane::test {
namespace {

using BirthDataWindow = FormFixture;

TEST_F(BirthDataWindow, ActivationStartsTheFirstEntry) {
  Start();
  EXPECT_EQ(form_->EntryCount(), 1);
  EXPECT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(Focus(), form_->NameField());
  EXPECT_EQ(form_->HintLine()->text(),
            "Type a name, or the first letters of a name saved in the name file.");
  EXPECT_EQ(Shown(form_->DateField()), "03/09/2024");
  EXPECT_EQ(form_->DateWordsLabel()->text(), "March 9, 2024");
  EXPECT_EQ(Shown(form_->LatitudeField()), "00\xB0 N 00' 00\"");
  EXPECT_EQ(Shown(form_->LongitudeField()), "000\xB0 W 00' 00\"");
  EXPECT_EQ(Stored(form_->EastWestField()) + form_->EastWestWordLabel()->text().toStdString(), "West");
  EXPECT_EQ(form_->DaylightWordLabel()->text(), "(No)");
  EXPECT_EQ(form_->EntryList()->count(), 1);
  EXPECT_EQ(form_->EntryList()->item(0)->text(), "1: (name not typed yet)  Natal");
  EXPECT_EQ(form_->WorkingEntry().printoutCode(1, 1), "AAA");
  // The session file holds its header and a terminator: a valid, empty
  // session from the start.
  ASSERT_EQ(SessionBytes().size(), 2 * kEntrySize);
  EXPECT_EQ(SessionBytes()[kEntrySize], 0);
}

TEST_F(BirthDataWindow, NewEntryTimeIsTheRoundedClock) {
  Start();
  EXPECT_EQ(Shown(form_->TimeField()), "02:36:00 PM");
  now_ = {{3, 9, 2024}, {23, 59, 45}};
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->NewNatalClick();
  EXPECT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Shown(form_->TimeField()), "11:59:00 PM");
  EXPECT_EQ(Focus(), form_->NameField());
}

TEST_F(BirthDataWindow, ZoneAndLetterFields) {
  Start();
  form_->ZoneHoursField()->setFocus();
  EXPECT_EQ(Stored(form_->ZoneHoursField()), "00");  // a leading 0 on entry
  Type("05");
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->ZoneMinutesField());
  Key(Qt::Key_Up);
  ASSERT_EQ(Focus(), form_->ZoneHoursField());
  Key(Qt::Key_Down);
  EXPECT_EQ(Stored(form_->ZoneHoursField()), "05");
  EXPECT_EQ(Focus(), form_->ZoneMinutesField());
  Type("30");
  Key(Qt::Key_Return);
  EXPECT_EQ(Stored(form_->ZoneMinutesField()), "30");
  ASSERT_EQ(Focus(), form_->EastWestField());
  Type("x");  // not a zone letter: the remembered one stays
  EXPECT_EQ(Stored(form_->EastWestField()), "W");
  Type("e");
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->DaylightField());
  EXPECT_EQ(form_->EastWestWordLabel()->text(), "ast");
  Type("q");
  EXPECT_EQ(Stored(form_->DaylightField()), "N");
  Type("d");
  Key(Qt::Key_Return);  // swallowed
  EXPECT_EQ(Focus(), form_->DaylightField());
  Key(Qt::Key_Up);
  EXPECT_EQ(form_->DaylightWordLabel()->text(), "(Double)");
  EXPECT_EQ(Focus(), form_->EastWestField());
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->ZoneMinutesField());
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(messages_->Saw("Ctrl keys do nothing here."));
  EXPECT_EQ(messages_->Shown().size(), 1u);
}

TEST_F(BirthDataWindow, YearBeforeTheReformAsksOnceAndConverts) {
  Start();
  Type("Old Timer");
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->DateField());
  messages_->Answer(MsgAnswer::Yes);  // convert
  Type("07041700");
  EXPECT_EQ(Stored(form_->DateField()), "07041700");
  Key(Qt::Key_Return);
  // The program calculates every year of the field (-999 to 2300): no note
  // on the range, only the calendar question.
  ASSERT_EQ(messages_->Shown().size(), 2u);
  EXPECT_EQ(messages_->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages_->Shown()[0].text.rfind("The year of this chart is before 1753.", 0), 0u);
  EXPECT_EQ(messages_->Shown()[1].text, "Date has been converted to New Style calendar date.");
  EXPECT_EQ(Stored(form_->DateField()), "07151700");
  EXPECT_EQ(form_->DateWordsLabel()->text(), "July 15, 1700");
  EXPECT_TRUE(OldStyleAsked(form_->WorkingEntry()));

  // Going back through the unchanged date asks nothing.
  Key(Qt::Key_Up);
  ASSERT_EQ(Focus(), form_->DateField());
  Key(Qt::Key_Return);
  EXPECT_EQ(messages_->Shown().size(), 2u);

  // A new date is a new question; "No" keeps it and names the New Style date.
  Key(Qt::Key_Up);
  Key(Qt::Key_End);
  messages_->Answer(MsgAnswer::No);
  Key(Qt::Key_Left);
  Type("1");  // 07/15/1701
  Key(Qt::Key_Return);
  ASSERT_EQ(messages_->Shown().size(), 4u);
  EXPECT_EQ(messages_->Shown()[3].text.rfind("OK. Date has NOT been changed.", 0), 0u);
  EXPECT_TRUE(messages_->Shown()[3].text.ends_with("July 26, 1701"));
  EXPECT_EQ(Stored(form_->DateField()), "07151701");

  // A leap day of the Old Style alone has no New Style date to keep: it is
  // converted without a question.
  Key(Qt::Key_Up);
  Type("02291700");
  Key(Qt::Key_Return);
  ASSERT_EQ(messages_->Shown().size(), 5u);
  EXPECT_EQ(
      messages_->Shown()[4].text,
      "February 29, 1700 exists only in the Old Style (Julian) calendar. It has been converted to the "
      "New Style calendar date March 11, 1700.");
  EXPECT_EQ(Stored(form_->DateField()), "03111700");
}

TEST_F(BirthDataWindow, ReturnsKeepGreenwichZone) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  ChartEntry solar = form_->WorkingEntry();
  solar.setChartType(2);
  solar.setBaseEntry(1);
  solar.setName("Ann");
  form_->AddEntry(solar);
  ASSERT_EQ(form_->EntryCount(), 2);
  form_->EntryListClick(1);
  ASSERT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Ann Solar Return");
  form_->ZoneHoursField()->setFocus();
  Type("05");
  Key(Qt::Key_Return);
  EXPECT_TRUE(messages_->Saw("Returns and progressions are calculated in Greenwich Mean Time,"));
  EXPECT_EQ(Stored(form_->ZoneHoursField()), "00");  // reset to 0, shown with its leading 0
  EXPECT_EQ(Focus(), form_->ZoneHoursField());
}

TEST_F(BirthDataWindow, DoneWithoutPlaceOnTheOnlyEntryReturnsToTheMenu) {
  Start();
  form_->DoneButton()->click();  // nothing typed: a note, no question
  EXPECT_TRUE(
      messages_->Saw("Note: NAME  has not been entered yet. No chart data has been "
                     "entered.\r\nThe Main Menu will be displayed."));
  EXPECT_EQ(shell_.phase, RunPhase::MainMenu);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_FALSE(form_->IsActive());
  // Header and the terminator as record 1.
  ASSERT_EQ(SessionBytes().size(), 2 * kEntrySize);
  EXPECT_FALSE(Record(1).used());
}

TEST_F(BirthDataWindow, DoneRefusesAnIncompleteEarlierEntry) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->NewNatalClick();
  Type("Bob");
  messages_->Answer(MsgAnswer::Yes);
  form_->EntryListClick(0);  // Bob has no place and is last: he goes after a question
  EXPECT_TRUE(messages_->Saw("Note: PLACE  has not been entered yet!\r\nDiscard this entry?"));
  EXPECT_EQ(form_->EntryCount(), 1);
  EXPECT_EQ(Stored(form_->NameField()), "Ann");

  form_->NewNatalClick();
  Type("Cy");
  form_->PlaceField()->setFocus();
  Type("Oslo");
  form_->NewNatalClick();
  Type("Dee");
  form_->PlaceField()->setFocus();
  Type("Lima");
  ASSERT_EQ(form_->EntryCount(), 3);
  form_->EntryListClick(1);
  ASSERT_EQ(Stored(form_->NameField()), "Cy");
  form_->PlaceField()->setFocus();
  form_->PlaceField()->clear();
  messages_->Clear();
  form_->DoneButton()->click();
  EXPECT_TRUE(messages_->Saw("PLACE  has not been entered for the current chart."));
  EXPECT_TRUE(form_->IsActive());
}

TEST_F(BirthDataWindow, NewNatalNeedsNameAndPlace) {
  Start();
  form_->NewNatalClick();
  EXPECT_TRUE(messages_->Saw("Please enter a name for this chart before starting a new one."));
  EXPECT_EQ(form_->EntryCount(), 1);
  EXPECT_EQ(Focus(), form_->NameField());
  Type("Ann");
  form_->NewNatalClick();
  EXPECT_TRUE(messages_->Saw("Please enter a place for this chart before starting a new one."));
  EXPECT_EQ(Focus(), form_->PlaceField());
}

TEST_F(BirthDataWindow, SwitchingEntriesWritesAndShows) {
  Start();
  Type("Ann");
  Key(Qt::Key_Return);
  Type("01021990");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->NewNatalClick();
  Type("Bob");
  form_->PlaceField()->setFocus();
  Type("Oslo");
  form_->EntryListClick(0);
  EXPECT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(Stored(form_->NameField()), "Ann");
  EXPECT_EQ(Stored(form_->DateField()), "01021990");
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Bob  Natal");
  EXPECT_EQ(Record(2).place(), "Oslo");
  EXPECT_EQ(form_->CurrentEntryHeader()->toPlainText().split('\n').value(0), "Entry 1 of 2: Ann");
  EXPECT_EQ(Focus(), form_->NameField());
}

TEST_F(BirthDataWindow, NameFieldTakesAtMost25Characters) {
  Start();
  Type("Jos");
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00E9"));
  QApplication::sendEvent(Focus(), &accented);
  Type(" " + QString(30, 'x'));
  EXPECT_EQ(Stored(form_->NameField()), "Jos\xE9 " + std::string(20, 'x'));
  Key(Qt::Key_Menu);
  EXPECT_TRUE(messages_->Saw("The menu key has no use in this form."));
}

TEST_F(BirthDataWindow, DuplicateNameEntryWarnsOnChange) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  ChartEntry twin = form_->WorkingEntry();
  twin.setName("Ann");
  SetDuplicateName(twin, true);
  form_->AddEntry(twin);
  form_->EntryListClick(1);
  form_->DateField()->setFocus();
  Type("01021990");
  messages_->Clear();
  Key(Qt::Key_Return);
  EXPECT_TRUE(messages_->Saw("Note: an earlier chart in this list has the same name."));
}

}  // namespace
}  // namespace vostrane::test
