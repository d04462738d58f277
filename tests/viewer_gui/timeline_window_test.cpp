// SPDX-License-Identifier: GPL-3.0-or-later
// "Timeline..." in the viewer, driven by keys: the next twelve months of a
// calculated chart filtered to Saturn's transits, the calendar saved as PDF,
// and an event chosen (Enter on its row) that brings the viewer back at the transit
// chart of that moment around the natal one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <filesystem>

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "derived/DerivedRequest.h"
#include "platform/ScriptedMessageService.h"
#include "platform/gui/Fonts.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "session/driver/CalcProgress.h"
#include "session/driver/ChartCalculator.h"
#include "session/driver/NameFileWriteBack.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"
#include "viewer/gui/ChartViewer.h"
#include "viewer/gui/TimelineWindow.h"

namespace vostrane {
namespace {

namespace fs = std::filesystem;

void Calculate() {
  SilentProgress progress;
  NoNameFileWriteBack nameFile;
  AstroCalculator calc;
  CalculateSessionCharts(progress, nameFile, calc, false);
}

ChartEntry EntryOnDisk(const test::TempFolder& folder, int record) {
  const std::string bytes = folder.Read(kSessionFileName);
  ChartEntry e;
  if (bytes.size() >= (record + 1) * kEntrySize)
    std::copy_n(bytes.begin() + record * kEntrySize, kEntrySize, e.Data());
  return e;
}

TEST(TimelineWindow, KeysFindSaturnsTransitsSaveTheCalendarAndOpenTheBiWheel) {
  test::TempFolder folder;
  test::LinkEphemerisFiles(folder);
  for (const char* f :
       {"WHEELS.DAT", "WHEELSG.DAT", "ANGLES.DAT", "PAGEW.DEF", "QIRTEXT.DAT", "ZORCTRL.DAT"})
    fs::copy_file(test::InstallFile(f), fs::path(folder.Path()) / f);
  fs::copy(test::InstallFile("PICTURES"), fs::path(folder.Path()) / "PICTURES",
           fs::copy_options::recursive);
  AddFontFile(test::InstallFile("zorastro.ttf"));
  ScopedScriptedMessages messages;
  ASSERT_TRUE(OpenMessageTextFile());
  OpenControlFile();
  ChartEntry natal = test::MakeViewerEntry(1);
  natal.setCalcComplete(false);
  test::WriteViewerSession({natal});
  Calculate();

  ShellState shell;
  ChartViewer viewer;
  viewer.SetDrawingSettings(DrawingSettingsFromControl(Control()));
  const std::string pdf = folder.Path() + "/calendar.pdf";
  viewer.SetSaveFileDialog([&](QWidget*, const std::string&) { return pdf; });
  shell.phase = RunPhase::CalculateAndShow;
  viewer.FormActivate(shell);
  ASSERT_EQ(viewer.PageCategory(), 'R');

  int rows = 0;
  std::vector<TimelineEvent> shown;
  // The window is driven once it is up.
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* w = qobject_cast<TimelineWindow*>(QApplication::activeModalWidget());
    if (!w) return;
    poll.stop();
    EXPECT_EQ(w->PresetBox()->currentText(), "Next 12 months");
    w->KindBox()->setFocus();
    QTest::keyClicks(w->KindBox(), "Tr");
    EXPECT_EQ(w->KindBox()->currentText(), "Transits");
    w->BodyBox()->setFocus();
    QTest::keyClicks(w->BodyBox(), "Sat");
    EXPECT_EQ(w->BodyBox()->currentText(), "Saturn");
    w->SearchButton()->setFocus();
    QTest::keyClick(w->SearchButton(), Qt::Key_Space);
    rows = w->Table()->rowCount();
    shown = w->Events();
    w->PdfButton()->setFocus();
    QTest::keyClick(w->PdfButton(), Qt::Key_Space);
    if (rows == 0) {
      w->reject();
      return;
    }
    // The first event, chosen from the keyboard (Enter does what a
    // double-click does).
    w->Table()->setFocus();
    QTest::keyClick(w->Table(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(w->Table(), Qt::Key_Return);
    if (w->isVisible()) {
      ADD_FAILURE() << "Enter did not choose the event";
      w->reject();
    }
  });
  poll.start();
  viewer.TimelineAction()->trigger();
  QCoreApplication::processEvents();
  poll.stop();

  ASSERT_GT(rows, 0);
  for (const TimelineEvent& e : shown) EXPECT_TRUE(e.body == slot::Saturn || e.point == slot::Saturn);
  EXPECT_EQ(folder.Read("calendar.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
  ASSERT_EQ(shell.entryToShow, 2);

  // Calculated, the viewer opens at the transit chart drawn around the
  // natal one, cast for the moment of the first event.
  Calculate();
  const ChartEntry base = EntryOnDisk(folder, 1), transit = EntryOnDisk(folder, 2);
  ASSERT_EQ(KindOfEntry(transit), DerivedKind::Transit);
  EXPECT_EQ(transit.baseEntry(), 1);
  const TimelineEvent& first = shown.front();
  EXPECT_NEAR(transit.julianDayUt(), first.jd, 1.0 / 86400);
  if (first.kind == EventKind::Transit && first.body == slot::Saturn) {
    const double pointLon = first.point == slot::Ascendant   ? base.asc()
                            : first.point == slot::Midheaven ? base.mc()
                                                             : base.lon(first.point);
    EXPECT_NEAR(std::fabs(DiffDeg(pointLon, transit.lon(slot::Saturn))), first.aspect, 1.0 / 3600);
  }
  viewer.FormActivate(shell);
  EXPECT_EQ(viewer.CurrentEntry(), 2);
  EXPECT_EQ(viewer.PageCategory(), 'B');
  viewer.FormDeactivate();
  CloseMessageTextFile();
  CloseControlFile();
}

}  // namespace
}  // namespace vostrane
