// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer on the screen it opens on: the whole page shows at once, drawn
// for the screen's pixels (also at a device pixel ratio of 2), and follows
// the window when it is resized or maximised; zoom in, out and fit. The
// screen sizes come from the test registrations (offscreen screens of
// 1366x768 and 1920x1080, and 1366x768 logical pixels at ratio 2).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <filesystem>
#include <iostream>

#include "platform/ScriptedMessageService.h"
#include "platform/gui/Fonts.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"
#include "viewer/gui/PageView.h"
#include "viewer/gui/ChartViewer.h"

namespace vostrane {
namespace {

namespace fs = std::filesystem;
using test::InstallFile;

class ViewerScreen : public testing::Test {
 protected:
  static void SetUpTestSuite() { AddFontFile(InstallFile("zorastro.ttf")); }
  void SetUp() override {
    for (const char* f :
         {"WHEELS.DAT", "WHEELSG.DAT", "ANGLES.DAT", "PAGEW.DEF", "QIRTEXT.DAT", "ZORCTRL.DAT"})
      fs::copy_file(InstallFile(f), fs::path(folder.Path()) / f);
    fs::copy(InstallFile("PICTURES"), fs::path(folder.Path()) / "PICTURES", fs::copy_options::recursive);
    ASSERT_TRUE(OpenMessageTextFile());
    OpenControlFile();
    shell.phase = RunPhase::CalculateAndShow;
    test::WriteViewerSession(2);
    viewer = std::make_unique<ChartViewer>();
    viewer->SetDrawingSettings(DrawingSettingsFromControl(Control()));
    viewer->FormActivate(shell);
    viewer->show();
    Settle();
  }
  void TearDown() override {
    viewer.reset();
    CloseMessageTextFile();
    CloseControlFile();
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  QLabel* Page() const { return viewer->PageArea()->ImageLabel(); }
  // The whole page lies inside the visible part of the page area.
  void ExpectWholePageShown(const char* when) const {
    const QSize view = viewer->PageArea()->viewport()->size();
    EXPECT_LE(Page()->width(), view.width()) << when;
    EXPECT_LE(Page()->height(), view.height()) << when;
    EXPECT_FALSE(viewer->PageArea()->verticalScrollBar()->isVisible()) << when;
    // Drawn for the screen's pixels: the image has as many pixels as the
    // page takes on the screen, not an enlarged smaller one.
    const QImage image = viewer->PageImage();
    const double ratio = viewer->screen()->devicePixelRatio();
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ratio) << when;
    EXPECT_NEAR(image.width(), Page()->width() * ratio, 2.0 * ratio) << when;
    EXPECT_NEAR(image.height(), Page()->height() * ratio, 2.0 * ratio) << when;
  }

  test::TempFolder folder;
  ScopedScriptedMessages messages;
  ShellState shell;
  std::unique_ptr<ChartViewer> viewer;
};

TEST_F(ViewerScreen, OpensWithTheWholePageOnItsScreenAndFollowsTheWindow) {
  const QRect screen = viewer->screen()->availableGeometry();
  std::cout << "screen " << screen.width() << "x" << screen.height() << " at ratio "
            << viewer->screen()->devicePixelRatio() << ": window " << viewer->width() << "x"
            << viewer->height() << ", page " << Page()->width() << "x" << Page()->height() << "\n";
  EXPECT_TRUE(screen.contains(viewer->frameGeometry())) << "the window leaves the screen";
  ExpectWholePageShown("on opening");
  // The page uses most of the window's height.
  EXPECT_GT(Page()->height(), viewer->PageArea()->viewport()->height() * 9 / 10);

  const QSize opened = Page()->size();
  viewer->resize(viewer->width() * 2 / 3, viewer->height() * 2 / 3);
  Settle();
  ExpectWholePageShown("made smaller");
  EXPECT_LT(Page()->height(), opened.height());

  viewer->showMaximized();
  Settle();
  ExpectWholePageShown("maximised");
  EXPECT_GE(Page()->height(), opened.height() - 2);
}

TEST_F(ViewerScreen, ZoomInOutAndFit) {
  EXPECT_EQ(viewer->ZoomInAction()->shortcuts().value(0), QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_EQ(viewer->ZoomOutAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  EXPECT_EQ(viewer->FitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
  const QSize fit = Page()->size();
  viewer->ZoomInAction()->trigger();
  Settle();
  EXPECT_NEAR(Page()->height(), fit.height() * kZoomStep, 3);
  EXPECT_TRUE(viewer->PageArea()->verticalScrollBar()->isVisible());
  viewer->ZoomOutAction()->trigger();
  viewer->ZoomOutAction()->trigger();
  Settle();
  EXPECT_NEAR(Page()->height(), fit.height() / kZoomStep, 3);
  viewer->FitAction()->trigger();
  Settle();
  EXPECT_EQ(Page()->size(), fit);
  ExpectWholePageShown("fitted again");
  // The next viewing opens fitted, whatever the last one was zoomed to.
  viewer->ZoomOutAction()->trigger();
  viewer->FormDeactivate();
  viewer->FormActivate(shell);
  Settle();
  EXPECT_EQ(Page()->size(), fit);
}

}  // namespace
}  // namespace vostrane
