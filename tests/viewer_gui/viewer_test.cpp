// The viewer window on the installed wheel files: opening on entry 1, the
// Entries menu, the exit commands, and printing (to PDF files) that leaves
// the screen as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>

#include "platform/ScriptedMessageService.h"
#include "platform/gui/Fonts.h"
#include "session/SessionFile.h"
#include "shell/ControlRecord.h"
#include "shell/MessageTextFile.h"
#include "shell/RunState.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"
#include "viewer/ViewerState.h"
#include "viewer/gui/TBtnRightDlgWheel.h"
#include "viewer/gui/TFormWheelExitMenu.h"
#include "viewer/gui/ViewerPhase.h"

namespace vostrane {
namespace {

namespace fs = std::filesystem;
using test::InstallFile;

int InkPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

// Menu commands that close the viewer run once their menu has closed.
void Trigger(QAction* action) {
  action->trigger();
  QCoreApplication::processEvents();
}

std::vector<int> ListedEntries(const TBtnRightDlgWheel& viewer) {
  std::vector<int> listed;
  for (int k = 0; k < 20; ++k)
    if (viewer.EntryAction(k)->isVisible())
      listed.push_back(viewer.EntryAction(k)->text().section(':', 0, 0).toInt());
  return listed;
}

// Notes whether the hourglass was up while a message was shown.
class CursorProbe : public MessageService {
 public:
  explicit CursorProbe(MessageService& inner) : inner_(inner) { SetMessageService(this); }
  ~CursorProbe() override { SetMessageService(&inner_); }
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override {
    hourglassSeen = hourglassSeen || QApplication::overrideCursor() != nullptr;
    return inner_.Show(text, icon, buttons, caption);
  }
  bool hourglassSeen = false;

 private:
  MessageService& inner_;
};

class ViewerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { AddFontFile(InstallFile("zorastro.ttf")); }
  void SetUp() override {
    for (const char* f : {"WHEELS.DAT", "WHEELSG.DAT", "ANGLES.DAT", "PAGEW.DEF", "QIRTEXT.DAT",
                          "ZORCTRL.DAT"})
      fs::copy_file(InstallFile(f), fs::path(folder.Path()) / f);
    fs::copy(InstallFile("PICTURES"), fs::path(folder.Path()) / "PICTURES", fs::copy_options::recursive);
    ASSERT_TRUE(OpenMessageTextFile());
    OpenControlFile();
    viewer = std::make_unique<TBtnRightDlgWheel>();
    viewer->SetDrawingSettings(DrawingSettingsFromControl(Control()));
    viewer->SetPdfFolder(folder.Path());
    RunState = 'S';
  }
  void TearDown() override {
    viewer.reset();
    CloseMessageTextFile();
    CloseControlFile();
  }
  void Open(int entries) {
    test::WriteViewerSession(entries);
    viewer->FormActivate(nullptr);
  }

  test::TempFolder folder;
  ScopedScriptedMessages messages;
  std::unique_ptr<TBtnRightDlgWheel> viewer;
};

TEST_F(ViewerTest, OpensOnTheFirstEntryWithItsWheelPage) {
  Open(5);
  EXPECT_EQ(viewer->CurrentEntry(), 1);
  EXPECT_EQ(viewer->EntryCount(), 5);
  EXPECT_EQ(OutputDevice, 'S');
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_FALSE(viewer->Flags().exitFlag);
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 1 - Natal Chart");
  EXPECT_TRUE(SessionIsOpen());
  const QImage page = viewer->PageImage();
  EXPECT_EQ(page.size(), QSize(616, 832));
  EXPECT_GT(InkPixels(page), 20000);
  EXPECT_TRUE(messages->Shown().empty()) << messages->Shown().front().text;

  EXPECT_TRUE(viewer->EntriesMenu()->menuAction()->isVisible());
  EXPECT_EQ(ListedEntries(*viewer), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(viewer->EntryAction(0)->text(), "2: Person 2 - Natal Chart");
  EXPECT_EQ(viewer->OtherEntriesList()->count(), 4);
}

TEST_F(ViewerTest, OneEntryHidesTheEntriesMenu) {
  Open(1);
  EXPECT_EQ(viewer->CurrentEntry(), 1);
  EXPECT_FALSE(viewer->EntriesMenu()->menuAction()->isVisible());
  EXPECT_EQ(viewer->OtherEntriesList()->count(), 0);
  EXPECT_TRUE(ListedEntries(*viewer).empty());
}

TEST_F(ViewerTest, TwentyFiveEntriesAndChoosingEntryThree) {
  Open(25);
  EXPECT_EQ(ListedEntries(*viewer).size(), 20u);
  const QImage first = viewer->PageImage();

  ASSERT_EQ(viewer->EntryAction(1)->text(), "3: Person 3 - Natal Chart");
  viewer->EntryAction(1)->trigger();
  EXPECT_EQ(viewer->CurrentEntry(), 3);
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 3 - Natal Chart");
  std::vector<int> expected = {1, 2};
  for (int i = 4; i <= 21; ++i) expected.push_back(i);
  EXPECT_EQ(ListedEntries(*viewer), expected);
  EXPECT_EQ(viewer->OtherEntriesList()->count(), 24);
  const QImage third = viewer->PageImage();
  EXPECT_EQ(third.size(), first.size());
  EXPECT_NE(third, first);
  EXPECT_EQ(viewer->PageArea()->verticalScrollBar()->value(), 0);
}

TEST_F(ViewerTest, MenuCaptionsShowAnAmpersandOfTheName) {
  std::vector<ChartEntry> entries = {test::MakeViewerEntry(1), test::MakeViewerEntry(2)};
  entries[1].setName("Smith & Sons");
  test::WriteViewerSession(entries);
  viewer->FormActivate(nullptr);
  EXPECT_EQ(viewer->EntryAction(0)->text(), "2: Smith && Sons - Natal Chart");
  viewer->EntryAction(0)->trigger();
  EXPECT_EQ(viewer->CurrentEntry(), 2);
}

TEST_F(ViewerTest, ExitCommandsCloseWithTheirRunState) {
  Open(2);
  // Clearing a list with charts asks first; No leaves the viewer open.
  messages->Answer(MsgAnswer::No);
  Trigger(viewer->ClearAllAction());
  EXPECT_TRUE(messages->Saw("The current list holds 2 charts. Start a new list?"));
  EXPECT_TRUE(viewer->IsActive());
  messages->Answer(MsgAnswer::Yes);
  Trigger(viewer->ClearAllAction());
  EXPECT_EQ(RunState, 'N');
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_FALSE(SessionIsOpen());

  RunState = 'S';
  viewer->FormActivate(nullptr);
  Trigger(viewer->ExitYesAction());
  EXPECT_EQ(RunState, 'Q');
  EXPECT_FALSE(SessionIsOpen());

  // Back to the form: editing at the entry shown, or appending a chart.
  RunState = 'S';
  viewer->FormActivate(nullptr);
  viewer->EntryAction(0)->trigger();  // entry 2
  Trigger(viewer->EditEntriesAction());
  EXPECT_EQ(RunState, 'E');
  EXPECT_EQ(RunStateEntry, 2);
  EXPECT_FALSE(SessionIsOpen());
  RunState = 'S';
  viewer->FormActivate(nullptr);
  Trigger(viewer->AppendAction());
  EXPECT_EQ(RunState, 'A');
  EXPECT_FALSE(SessionIsOpen());

  // The title bar's close button.
  RunState = 'S';
  viewer->FormActivate(nullptr);
  viewer->show();
  viewer->close();
  EXPECT_EQ(RunState, 'Q');
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_FALSE(SessionIsOpen());
}

TEST_F(ViewerTest, TheExitMenuClosesWithItsChoiceOrNotAtAll) {
  Open(2);
  viewer->show();
  auto answer = [](int button) {
    QTimer::singleShot(0, [button] {
      auto* menu = qobject_cast<TFormWheelExitMenu*>(QApplication::activeModalWidget());
      ASSERT_NE(menu, nullptr);
      EXPECT_EQ(menu->windowTitle(), "Exit to Main Menu or Data Entry Screen");
      EXPECT_TRUE(menu->AppendButton()->isVisible());
      (button == 0 ? menu->CancelButton() : menu->NewDataEntryButton())->click();
    });
  };
  answer(0);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(viewer.get(), &escape);
  EXPECT_TRUE(viewer->IsActive());  // cancelled: the viewer stays
  EXPECT_FALSE(viewer->Flags().exitFlag);
  EXPECT_EQ(RunState, 'S');

  answer(1);
  messages->Answer(MsgAnswer::Yes);  // "Start a new list?"
  QKeyEvent e(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, "e");
  QApplication::sendEvent(viewer.get(), &e);
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_EQ(RunState, 'N');
}

TEST_F(ViewerTest, PrintingEntryThreeLeavesTheScreenAsItWas) {
  Open(5);
  viewer->EntryAction(1)->trigger();
  ASSERT_EQ(viewer->CurrentEntry(), 3);
  const QImage before = viewer->PageImage();

  viewer->PrintAction()->trigger();
  const std::string pdf = folder.Path() + "/Person_3.pdf";
  EXPECT_EQ(viewer->LastPrintoutFile(), pdf);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(folder.Read("Person_3.pdf").substr(0, 5), "%PDF-");
  EXPECT_FALSE(fs::exists(pdf + ".tmp"));
  EXPECT_TRUE(messages->Saw("The page was saved as a PDF file:\r\n" + pdf));
  // The document's title (UTF-16 in the PDF) names the program, person and chart.
  std::string title16 = "\xFE\xFF";
  for (char c : std::string("Vostrane - Person 3 - Natal Chart")) title16 += std::string(1, '\0') + c;
  EXPECT_NE(folder.Read("Person_3.pdf").find(title16), std::string::npos);

  EXPECT_EQ(viewer->CurrentEntry(), 3);
  EXPECT_EQ(OutputDevice, 'S');
  EXPECT_EQ(viewer->Flags().busy, 0);
  const PageMetrics m = viewer->ScreenPageMetrics();
  EXPECT_EQ(m.device, 'S');
  EXPECT_EQ(m.pageWidth, 614);
  EXPECT_EQ(m.pageHeight, 830);
  EXPECT_EQ(m.lineHeight, 830 / 75);
  EXPECT_EQ(viewer->PageImage(), before);  // drawn afresh, the same page
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 3 - Natal Chart");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A second print never replaces the first file.
  const auto firstSize = fs::file_size(pdf);
  viewer->PrintAction()->trigger();
  EXPECT_EQ(viewer->LastPrintoutFile(), folder.Path() + "/Person_3-2.pdf");
  EXPECT_EQ(fs::file_size(pdf), firstSize);
}

TEST_F(ViewerTest, APrinterFailureIsReportedAndTheScreenComesBack) {
  Open(5);
  viewer->EntryAction(1)->trigger();
  const QImage before = viewer->PageImage();
  const std::string missing = folder.Path() + "/no such folder";
  viewer->SetPdfFolder(missing);

  {
    CursorProbe probe(*messages);
    viewer->btnPrintClick();
    EXPECT_FALSE(probe.hourglassSeen);  // the error box has the normal cursor
  }
  EXPECT_TRUE(messages->Saw("ERROR!  Unable to start printing"));
  EXPECT_FALSE(messages->Saw("saved as a PDF file"));
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
  EXPECT_EQ(viewer->CurrentEntry(), 3);
  EXPECT_EQ(OutputDevice, 'S');
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_EQ(viewer->PageImage(), before);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // The viewer works on: the next print succeeds, the exit commands work.
  viewer->SetPdfFolder(folder.Path());
  viewer->btnPrintClick();
  EXPECT_TRUE(fs::exists(folder.Path() + "/Person_3.pdf"));
  Trigger(viewer->ExitYesAction());
  EXPECT_EQ(RunState, 'Q');
}

TEST_F(ViewerTest, ZoomedPagesScrollBothWaysAndStayZoomedAfterPrinting) {
  DrawingSettings settings = DrawingSettingsFromControl(Control());
  settings.screen.zoom = 1.5;
  viewer->SetDrawingSettings(settings);
  Open(2);
  EXPECT_EQ(viewer->PageImage().size(), QSize(923, 1247));
  EXPECT_EQ(viewer->PageArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  viewer->btnPrintClick();
  EXPECT_EQ(viewer->PageImage().size(), QSize(923, 1247));
  EXPECT_DOUBLE_EQ(viewer->ScreenPageMetrics().zoom, 1.5);
}

TEST_F(ViewerTest, AnEntryWhoseCalculationDidNotFinishIsNotDrawn) {
  std::vector<ChartEntry> entries = {test::MakeViewerEntry(1), test::MakeViewerEntry(2)};
  entries[1].setCalcComplete(false);
  test::WriteViewerSession(entries);
  viewer->FormActivate(nullptr);
  EXPECT_GT(InkPixels(viewer->PageImage()), 20000);
  EXPECT_TRUE(messages->Shown().empty());
  viewer->EntryAction(0)->trigger();
  EXPECT_EQ(viewer->CurrentEntry(), 2);
  EXPECT_EQ(messages->Count("The chart of Person 2 was not completely calculated, so it is not drawn."), 1);
  EXPECT_EQ(InkPixels(viewer->PageImage()), 0);
}

TEST_F(ViewerTest, AnEmptySessionShowsABlankPageAndCanBeLeft) {
  test::WriteViewerSession(std::vector<ChartEntry>{});
  viewer->FormActivate(nullptr);
  EXPECT_EQ(viewer->CurrentEntry(), 0);
  EXPECT_FALSE(viewer->EntriesMenu()->menuAction()->isVisible());
  EXPECT_EQ(InkPixels(viewer->PageImage()), 0);
  viewer->btnPrintClick();  // nothing to print
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
  EXPECT_TRUE(messages->Shown().empty());
  Trigger(viewer->ClearAllAction());
  EXPECT_EQ(RunState, 'N');
}

TEST_F(ViewerTest, TheShellShowsTheViewerModallyWithItsHeight) {
  test::WriteViewerSession(3);
  Control().Set<double>(control_offset::screenZoom, 0.5);
  PrepareViewerDrawing();
  int menuHeight = 0;
  QTimer::singleShot(0, [&] {
    TBtnRightDlgWheel* shown = ViewerWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->CurrentEntry(), 1);
    EXPECT_EQ(shown->width(), kViewerClientWidth);
    EXPECT_DOUBLE_EQ(shown->ScreenPageMetrics().zoom, 0.5);
    menuHeight = shown->MenuBar()->sizeHint().height();
    shown->close();
  });
  ShowViewerWindow(nullptr, nullptr, 560, 505);
  EXPECT_EQ(RunState, 'Q');
  ASSERT_NE(ViewerWindow(), nullptr);
  EXPECT_EQ(ViewerWindow()->height(), 560 + menuHeight);
  EXPECT_FALSE(SessionIsOpen());
  CloseViewerWindow();  // after the viewing: nothing left to release
  EXPECT_EQ(RunState, 'Q');
  delete ViewerWindow();
}

}  // namespace
}  // namespace vostrane
