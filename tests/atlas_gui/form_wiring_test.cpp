// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form with the atlas behind it, wired as the program does:
// typing in the Place field opens the place dialog, and the chosen place
// fills coordinates, zone and daylight letter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "atlas/gui/AtlasPlaceLookup.h"
#include "atlas/gui/PlaceEdit.h"
#include "atlas/gui/PlaceDialog.h"
#include "entry/gui/FormField.h"
#include "entry/gui/BirthDataForm.h"
#include "platform/ScriptedMessageService.h"
#include "platform/gui/QtMessageService.h"
#include "common/ControlRecord.h"
#include "common/RunState.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;

// The form with the atlas of the working folder behind it, active and shown.
struct WiredForm {
  ScopedScriptedMessages messages;
  AtlasPlaceLookup atlas;
  ShellState shell;
  BirthDataForm form;

  explicit WiredForm(CalendarDateTime now) {
    Control() = ControlRecord();
    shell.phase = RunPhase::NewList;
    form.SetPlaceLookup(&atlas);
    form.SetClock([now] { return now; });
  }
  void Show() {
    ASSERT_TRUE(form.FormActivate(shell));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

// Types `key` into the form's Place field. The place dialog it opens is
// modal: `work` is done on it from the event loop it runs. A dialog that
// stays open, or a second one, is closed so that the test cannot hang.
// Returns the number of dialogs that opened.
int WorkPlaceDialog(BirthDataForm& form, Qt::Key key, const std::function<void(PlaceDialog&)>& work) {
  int dialogs = 0;
  QTimer worker;
  QObject::connect(&worker, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<PlaceDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (++dialogs == 1) work(*dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the place dialog did not close";
      dialog->CancelButton()->click();
    }
  });
  worker.start(10);
  QTest::keyClick(form.PlaceField(), key);
  worker.stop();
  return dialogs;
}

TEST(FormWiring, TypingAPlaceOpensTheDialogAndEnterReadsThePlace) {
  test::AtlasFolder folder;
  folder.WriteTables({0}, {Change(1883, 11, 18, 12, 4, 105, 0, 0), Change(2024, 3, 10, 2, 0, 105, 0, 1),
                           Change(2024, 11, 3, 2, 0, 105, 0, 0), test::EndOfTable()});
  folder.WritePlaces({{"Erie, PA", 1, "PEN", "42N0745", "080W0506"}, {"Essen, Germany", 0}});
  WiredForm wired({{6, 15, 2024}, {10, 0, 0}});
  BirthDataForm& form = wired.form;
  auto& messages = wired.messages;
  wired.Show();
  form.PlaceField()->setFocus();

  std::string listed;
  const int dialogs = WorkPlaceDialog(form, Qt::Key_E, [&](PlaceDialog& dialog) {
    EXPECT_EQ(dialog.parentWidget(), &form);  // over the form that asked
    QTest::keyClicks(dialog.PlaceField(), "rie");
    listed = FromQt(dialog.PlaceField()->text());
    QTest::keyClick(dialog.PlaceField(), Qt::Key_Return);
  });

  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(listed, "erie");
  EXPECT_FALSE(messages->Saw("Do you want to read in"));
  EXPECT_EQ(form.PlaceField()->StoredText(), "Erie, PA");
  EXPECT_EQ(form.LatitudeField()->StoredText(), "42N0745");
  EXPECT_EQ(form.LongitudeField()->StoredText(), "080W0506");
  EXPECT_EQ(form.DaylightTableField()->StoredText(), "1");
  EXPECT_EQ(form.ZoneHoursField()->StoredText() + form.EastWestField()->StoredText() +
                form.DaylightField()->StoredText(),
            "5WY");
  EXPECT_TRUE(messages->Saw("Note that the year of this chart, 2024, is after\r\nthe release"));
  // Zone and daylight came from the atlas: on with the field after the
  // place, in the form that has the keyboard again.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), form.LatitudeField());
  form.FormDeactivate();
}

TEST(FormWiring, APlacePickedWithTheMouseLeavesTheFormAsItWasAndGoesOn) {
  test::AtlasFolder folder;
  folder.WriteTables({0}, {Change(1883, 11, 18, 12, 4, 105, 0, 0), test::EndOfTable()});
  folder.WritePlaces({{"Erie, PA", 1, "PEN", "42N0745", "080W0506"}, {"Essen, Germany", 0}});
  WiredForm wired({{6, 15, 1990}, {10, 0, 0}});
  BirthDataForm& form = wired.form;
  wired.Show();
  QTest::keyClicks(form.NameField(), "Ann");
  form.PlaceField()->setFocus();

  // The second row, Essen, with the mouse.
  const int dialogs = WorkPlaceDialog(form, Qt::Key_E, [](PlaceDialog& dialog) {
    QListWidget* list = dialog.CityList();
    const QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
  });

  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(form.PlaceField()->StoredText(), "Essen, Germany");
  // Essen has no daylight table: the zone is typed next.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  ASSERT_EQ(QApplication::focusWidget(), form.ZoneHoursField());
  EXPECT_EQ(form.ReadingMode(), 'X');
  for (QPushButton* b :
       {form.DoneButton(), form.NewNatalButton(), form.DeleteButton(), form.PlaceButton()})
    EXPECT_TRUE(b->isVisible());
  // Typing goes into the zone, not into the name.
  QTest::keyClicks(QApplication::focusWidget(), "5");
  EXPECT_EQ(form.ZoneHoursField()->StoredText(), "05");
  EXPECT_EQ(form.NameField()->StoredText(), "Ann");
  EXPECT_EQ(form.ReadingMode(), 'X');
  form.FormDeactivate();
}

// New York's clocks in 2020: forward at 2:00 on 8 March, back at 2:00 on
// 1 November. A time that did not exist, or that happened twice, is asked
// about before the entry takes it.
TEST(FormWiring, ATimeTheClocksSkippedOrRepeatedIsAskedAbout) {
  test::AtlasFolder folder;
  folder.WriteTables({0}, {Change(1883, 11, 18, 12, 4, 105, 0, 0), Change(2020, 3, 8, 2, 0, 105, 0, 1),
                           Change(2020, 11, 1, 2, 0, 105, 0, 0), test::EndOfTable()});
  folder.WritePlaces({{"New York, NY", 1, "NYK", "40N4251", "074W0021"}});
  WiredForm wired({{3, 8, 2020}, {2, 30, 0}});
  BirthDataForm& form = wired.form;
  auto& messages = wired.messages;
  wired.Show();
  QTest::keyClicks(form.NameField(), "Ann");
  form.PlaceField()->setFocus();
  messages->AnswerChoice(0);
  WorkPlaceDialog(form, Qt::Key_N,
                  [](PlaceDialog& dialog) { QTest::keyClick(dialog.PlaceField(), Qt::Key_Return); });
  ASSERT_TRUE(
      messages->Saw("2:30 AM did not exist in New York, NY on March 8, 2020: clocks went from 2:00 to "
                    "3:00 AM."));
  const ShownMessage& gap = messages->Shown().back();
  EXPECT_EQ(gap.choices, (std::vector<std::string>{"3:30 AM daylight time", "2:30 AM standard time",
                                                   "Change the time"}));
  EXPECT_EQ(form.TimeField()->StoredText(), "033000A");
  EXPECT_EQ(form.ZoneHoursField()->StoredText() + form.EastWestField()->StoredText() +
                form.DaylightField()->StoredText(),
            "5WY");

  // The second 1:30 AM of 1 November, typed: standard time.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.DateField()->setFocus();
  QTest::keyClicks(form.DateField(), "11012020");
  QTest::keyClick(form.DateField(), Qt::Key_Return);  // the zone re-check: No
  ASSERT_EQ(QApplication::focusWidget(), form.TimeField());
  messages->AnswerChoice(1);
  QTest::keyClicks(form.TimeField(), "1:30a");
  QTest::keyClick(form.TimeField(), Qt::Key_Return);
  EXPECT_TRUE(
      messages->Saw("1:30 AM happened twice in New York, NY on November 1, 2020: clocks went back "
                    "from 2:00 to 1:00 AM."));
  EXPECT_EQ(messages->Shown().back().choices[1], "The second, 1:30 AM standard time");
  EXPECT_EQ(form.TimeField()->StoredText(), "013000A");
  EXPECT_EQ(form.DaylightField()->StoredText(), "N");
  EXPECT_EQ(FromQt(form.DaylightWordLabel()->text()), "(No)");

  // "Change the time" (also Escape) leaves the fields, stops "Done" and goes
  // back to the time.
  QTest::keyClick(form.TimeField(), Qt::Key_Up);
  QTest::keyClick(form.DateField(), Qt::Key_Return);
  QTest::keyClicks(form.TimeField(), "1:45a");
  form.DoneButton()->click();
  QApplication::processEvents();
  EXPECT_TRUE(form.IsActive());
  EXPECT_EQ(QApplication::focusWidget(), form.TimeField());
  EXPECT_EQ(form.DaylightField()->StoredText(), "N");
  // Left as it is, the time is asked about again.
  const size_t asked = messages->Shown().size();
  QTest::keyClick(form.TimeField(), Qt::Key_Return);
  EXPECT_EQ(messages->Shown().size(), asked + 1);
  form.FormDeactivate();
}

}  // namespace
}  // namespace vostrane
