// The birth data form with the atlas behind it, wired as the program does:
// typing in the Place field opens the place dialog, and the chosen place
// fills coordinates, zone and daylight letter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QPushButton>
#include <QTimer>

#include "atlas/gui/AtlasPlaceLookup.h"
#include "atlas/gui/PlaceEdit.h"
#include "atlas/gui/TBdatPlacForm.h"
#include "entry/gui/FormField.h"
#include "entry/gui/TFormBDat.h"
#include "platform/ScriptedMessageService.h"
#include "platform/gui/QtMessageService.h"
#include "shell/ControlRecord.h"
#include "shell/RunState.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

using test::Change;

TEST(FormWiring, TypingAPlaceOpensTheDialogAndEnterReadsThePlace) {
  test::AtlasFolder folder;
  folder.WriteTables({0}, {Change(1883, 11, 18, 12, 4, 105, 0, 0), Change(2024, 3, 10, 2, 0, 105, 0, 1),
                           Change(2024, 11, 3, 2, 0, 105, 0, 0), test::EndOfTable()});
  folder.WritePlaces({{"Erie, PA", 1, "PEN", "42N0745", "080W0506"}, {"Essen, Germany", 0}});
  ScopedScriptedMessages messages;
  Control() = ControlRecord();
  RunState = 'N';
  AtlasPlaceLookup atlas;
  TFormBDat form;
  form.SetPlaceLookup(&atlas);
  form.SetClock([] { return CalendarDateTime{{6, 15, 2024}, {10, 0, 0}}; });
  ASSERT_TRUE(form.FormActivate());
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.EditPlace()->setFocus();

  // The dialog is modal: it is worked from the event loop it runs. A
  // dialog that stays open, or a second one, is closed so that the test
  // cannot hang.
  std::string listed;
  int dialogs = 0;
  QTimer worker;
  QObject::connect(&worker, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<TBdatPlacForm*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (++dialogs == 1) {
      QTest::keyClicks(dialog->EditPlace(), "rie");
      listed = FromQt(dialog->EditPlace()->text());
      messages->Answer(MsgAnswer::Yes);
      QTest::keyClick(dialog->EditPlace(), Qt::Key_Return);
    }
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the place dialog did not close";
      dialog->BtnCancel()->click();
    }
  });
  worker.start(10);
  QTest::keyClick(form.EditPlace(), Qt::Key_E);

  worker.stop();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(listed, "erie");
  EXPECT_TRUE(messages->Saw("Do you want to read in Erie, PA?"));
  EXPECT_EQ(form.EditPlace()->StoredText(), "Erie, PA");
  EXPECT_EQ(form.MaskEdLat()->StoredText(), "42N0745");
  EXPECT_EQ(form.MaskEdLong()->StoredText(), "080W0506");
  EXPECT_EQ(form.EdDstTblNum()->StoredText(), "1");
  EXPECT_EQ(form.MaskEdTZHrs()->StoredText() + form.MaskEdTzEW()->StoredText() +
                form.MaskEdDstObs()->StoredText(),
            "5WY");
  EXPECT_TRUE(messages->Saw("Note that the year of this chart, 2024, is after\r\nthe release"));
  form.FormDeactivate();
}

}  // namespace
}  // namespace vostrane
