// SPDX-License-Identifier: GPL-3.0-or-later
// Whole sessions through the form: three entries typed from the keyboard
// and "Done", the removal of a natal chart with its progressions, and the
// look of the form.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "FormFixture.h"
#include "entry/gui/RemoveChartDialog.h"

namespace vostrane::test {
namespace {

using FormSession = FormFixture;

// Types one entry field by field with Enter, as the form's key table has it.
void TypeEntry(const QString& name, const QString& date, const QString& time, const QString& place,
               const QString& lat, const QString& lon, const QString& zone, const QString& minutes,
               const QString& eastWest, const QString& daylight) {
  Type(name);
  Key(Qt::Key_Return);
  Type(date);
  Key(Qt::Key_Return);
  Type(time);
  Key(Qt::Key_Return);
  Type(place);
  Key(Qt::Key_Tab);  // Enter does nothing in the place field
  Type(lat);
  Key(Qt::Key_Return);
  Type(lon);
  Key(Qt::Key_Return);
  Type(zone);
  Key(Qt::Key_Return);
  Type(minutes);
  Key(Qt::Key_Return);
  Type(eastWest);
  Key(Qt::Key_Return);
  Type(daylight);
}

TEST_F(FormSession, ThreeEntriesTypedThenDone) {
  bool typed = false;
  QTimer::singleShot(0, form_.get(), [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    ASSERT_EQ(Focus(), form_->NameField());
    TypeEntry("Ann Lee", "07041990", "023615p", "Boston, MA", "42n2130", "071w0337", "05", "00", "w",
              "y");
    // "&New Natal" from the keyboard; the button clicks a moment later.
    Key(Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->CurrentEntry() == 2; }));
    ASSERT_EQ(Focus(), form_->NameField());
    TypeEntry("Bo Ek", "12311955", "114500a", "Oslo", "59n5500", "010e4500", "01", "00", "e", "n");
    Key(Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->CurrentEntry() == 3; }));
    // Before "Done" the file already ends in a terminator after the entries
    // written so far: a program that ends now leaves a valid session.
    const std::string during = SessionBytes();
    ASSERT_EQ(during.size(), 4 * kEntrySize);
    EXPECT_EQ(during[3 * kEntrySize], 0);
    EXPECT_EQ(during[2 * kEntrySize], 1);
    TypeEntry("Cy Moss", "02292000", "120000a", "Sydney", "33s5200", "151e1300", "10", "30", "e", "d");
    typed = true;
    Key(Qt::Key_O, Qt::AltModifier);  // "D&one"
  });
  form_->RunSession(shell_);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(messages_->Shown().empty()) << messages_->Shown()[0].text;
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_FALSE(form_->IsActive());

  ASSERT_EQ(SessionBytes().size(), 5 * kEntrySize);
  const ChartEntry ann = Record(1), bo = Record(2), cy = Record(3);
  EXPECT_FALSE(Record(4).used());

  EXPECT_TRUE(ann.used());
  EXPECT_EQ(ann.name(), "Ann Lee");
  EXPECT_EQ(ann.place(), "Boston, MA");
  EXPECT_EQ(ann.month() * 1000000 + ann.day() * 10000 + ann.year(), 7041990);
  EXPECT_EQ(ann.hours() * 10000 + ann.minutes() * 100 + ann.seconds(), 143615);
  EXPECT_NEAR(ann.latitude(), 42.358333333, 1e-8);
  EXPECT_NEAR(ann.longitude(), 71.060277778, 1e-8);
  EXPECT_DOUBLE_EQ(ann.zoneHoursWest(), 5.0);
  EXPECT_EQ(ann.daylightCode(), 1);
  EXPECT_EQ(ann.chartType(), 0);
  EXPECT_EQ(ann.zodiacLetter(), 'T');
  EXPECT_EQ(ann.houseSystemLetter(), 'F');
  EXPECT_EQ(ann.printoutCode(1, 1), "AAA");

  EXPECT_EQ(bo.name(), "Bo Ek");
  EXPECT_EQ(bo.year(), 1955);
  EXPECT_EQ(bo.hours() * 100 + bo.minutes(), 1145);
  EXPECT_NEAR(bo.latitude(), 59 + 55 / 60.0, 1e-9);
  EXPECT_NEAR(bo.longitude(), -(10 + 45 / 60.0), 1e-9);
  EXPECT_DOUBLE_EQ(bo.zoneHoursWest(), -1.0);
  EXPECT_EQ(bo.daylightCode(), 0);

  EXPECT_EQ(cy.name(), "Cy Moss");
  EXPECT_EQ(cy.month() * 100 + cy.day(), 229);
  EXPECT_EQ(cy.hours(), 0);
  EXPECT_NEAR(cy.latitude(), -(33 + 52 / 60.0), 1e-9);
  EXPECT_NEAR(cy.longitude(), -(151 + 13 / 60.0), 1e-9);
  EXPECT_DOUBLE_EQ(cy.zoneHoursWest(), -10.5);
  EXPECT_EQ(cy.daylightCode(), 3);
}

// Answers the delete dialog by checking the entry box and pressing OK.
void AnswerDeleteDialogWithEntry() {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<RemoveChartDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->NameBox()->isVisible());  // nothing is linked to a name file
    dialog->EntryBox()->setChecked(true);
    dialog->findChild<QPushButton*>("OkButton")->click();
  });
}

ChartEntry Progression(const ChartEntry& natal, int base) {
  ChartEntry e = natal;
  e.setChartType(4);
  e.setBaseEntry(base);
  e.setLevel(1);
  e.setPrintoutParam(77, base);
  return e;
}

TEST_F(FormSession, RemovingANatalChartTakesItsProgressionsAndRenumbers) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->NewNatalClick();
  Type("Bob");
  form_->PlaceField()->setFocus();
  Type("Oslo");
  form_->NewNatalClick();
  Type("Cy");
  form_->PlaceField()->setFocus();
  Type("Lima");
  // Entries 4 and 5 progress Bob, entry 6 progresses Cy, entry 7 compares
  // Cy with Ann in its bi-wheel.
  ChartEntry bob;
  bob.InitNewEntry('T', 2);
  bob.setName("Bob");
  form_->AddEntry(Progression(bob, 2));
  form_->AddEntry(Progression(bob, 2));
  ChartEntry cy = bob;
  cy.setName("Cy");
  form_->AddEntry(Progression(cy, 3));
  ChartEntry wheel = Progression(cy, 3);
  wheel.setPrintoutParam(501, 1);
  wheel.setPrintoutParam(502, 3);
  form_->AddEntry(wheel);
  ASSERT_EQ(form_->EntryCount(), 7);

  form_->EntryListClick(1);
  ASSERT_EQ(Stored(form_->NameField()), "Bob");
  messages_->Answer(MsgAnswer::Yes);
  AnswerDeleteDialogWithEntry();
  form_->DeleteButton()->click();

  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages_->Shown()[0].text.rfind("Note: There are 2 entries that are dependent", 0), 0u);
  ASSERT_EQ(form_->EntryCount(), 4);
  EXPECT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(Stored(form_->NameField()), "Ann");
  ASSERT_EQ(form_->EntryList()->count(), 4);
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Cy  Natal");
  EXPECT_EQ(form_->EntryList()->item(2)->text(), "3: Cy Progressed Chart");

  // The file: header, Ann, Cy, Cy's progressions now based on entry 2.
  ASSERT_EQ(SessionBytes().size(), 6 * kEntrySize);
  EXPECT_EQ(Record(2).name(), "Cy");
  EXPECT_EQ(Record(2).place(), "Lima");
  EXPECT_EQ(Record(3).baseEntry(), 2);
  EXPECT_EQ(Record(3).printoutParam(77), 2);
  EXPECT_EQ(Record(4).printoutParam(501), 1);
  EXPECT_EQ(Record(4).printoutParam(502), 2);
  EXPECT_FALSE(Record(5).used());

  // "Done" writes the terminator after the four entries.
  form_->FinishDataEntry('V');
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(SessionBytes().size(), 6 * kEntrySize);
  EXPECT_FALSE(Record(5).used());
}

TEST_F(FormSession, TheOnlyEntryCannotBeRemoved) {
  Start();
  Type("Ann");
  AnswerDeleteDialogWithEntry();
  form_->DeleteButton()->click();
  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].text.rfind("There is only 1 entry.", 0), 0u);
  EXPECT_EQ(form_->EntryCount(), 1);
}

TEST_F(FormSession, ClosingTheWindowIsDone) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->close();
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_FALSE(form_->IsActive());
  EXPECT_EQ(Record(1).name(), "Ann");
  EXPECT_FALSE(Record(2).used());
}

TEST_F(FormSession, ControlsLieInsideTheFormWithoutOverlapping) {
  Start();
  TypeEntry("Ann Lee", "07041990", "023615p", "Boston, MA", "42n2130", "071w0337", "05", "00", "w", "y");
  QWidgetList controls = {
      form_->NameField(),        form_->DateField(),         form_->DateWordsLabel(),
      form_->TimeField(),        form_->PlaceField(),        form_->PlaceButton(),
      form_->LatitudeField(),    form_->LongitudeField(),    form_->ZoneHoursField(),
      form_->ZoneMinutesField(), form_->EastWestField(),     form_->EastWestWordLabel(),
      form_->DaylightField(),    form_->DaylightWordLabel(), form_->EntryList(),
      form_->DoneButton(),       form_->NewNatalButton(),    form_->SaveButton(),
      form_->DeleteButton(),     form_->HintLine()};
  const QRect inside = form_->rect();
  for (int i = 0; i < controls.size(); ++i) {
    const QRect a(controls[i]->mapTo(form_.get(), QPoint(0, 0)), controls[i]->size());
    EXPECT_TRUE(controls[i]->isVisible()) << i;
    EXPECT_TRUE(inside.contains(a)) << i;
    for (int j = i + 1; j < controls.size(); ++j) {
      const QRect b(controls[j]->mapTo(form_.get(), QPoint(0, 0)), controls[j]->size());
      EXPECT_FALSE(a.intersects(b)) << i << " and " << j;
    }
  }
  // Every masked field shows its whole text.
  for (FormField* f :
       {form_->DateField(), form_->TimeField(), form_->LatitudeField(), form_->LongitudeField()})
    EXPECT_GE(f->width(), f->fontMetrics().horizontalAdvance(f->displayText()) + 6);
  if (const char* shot = std::getenv("VOSTRANE_FORM_SHOT")) form_->grab().save(shot);
}

}  // namespace
}  // namespace vostrane::test
