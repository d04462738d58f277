// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/ScriptedMessageService.h"
#include "platform/TextTrim.h"
#include "names/NameTable.h"
#include "names/PersonWrites.h"
#include "names/gui/PersonsWindow.h"
#include "tests/names/NameTestSupport.h"
#include "platform/gui/Fonts.h"
#include "session/SessionFile.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "tests/support/TempFolder.h"
#include "tests/viewer/ViewerTestSupport.h"
#include "derived/DerivedRequest.h"
#include "viewer/ViewerState.h"
#include "wheel/Palette.h"
#include "viewer/gui/PageView.h"
#include "viewer/gui/AspectPanel.h"
#include "viewer/gui/DialMode.h"
#include "viewer/gui/ChartViewer.h"
#include "viewer/gui/ViewerExitMenu.h"
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

std::vector<int> ListedEntries(const ChartViewer& viewer) {
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
    for (const char* f :
         {"WHEELS.DAT", "WHEELSG.DAT", "ANGLES.DAT", "PAGEW.DEF", "QIRTEXT.DAT", "ZORCTRL.DAT"})
      fs::copy_file(InstallFile(f), fs::path(folder.Path()) / f);
    fs::copy(InstallFile("PICTURES"), fs::path(folder.Path()) / "PICTURES", fs::copy_options::recursive);
    ASSERT_TRUE(OpenMessageTextFile());
    OpenControlFile();
    viewer = std::make_unique<ChartViewer>();
    viewer->SetDrawingSettings(DrawingSettingsFromControl(Control()));
    // No dialog may open in a test: each one answers as scripted.
    viewer->SetPrintDialog([this](QPrinter& printer, QWidget*) {
      ++printDialogs;
      if (printTo.empty()) return false;  // cancelled
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(printTo));
      return true;
    });
    viewer->SetSaveFileDialog([this](QWidget*, const std::string& suggested) {
      suggestions.push_back(suggested);
      return saveAs;
    });
    shell.phase = RunPhase::CalculateAndShow;
  }
  void TearDown() override {
    viewer.reset();
    CloseMessageTextFile();
    CloseControlFile();
  }
  void Open(int entries) {
    test::WriteViewerSession(entries);
    viewer->FormActivate(shell);
  }

  test::TempFolder folder;
  ScopedScriptedMessages messages;
  ShellState shell;  // the shell's state the viewer reads and sets
  std::unique_ptr<ChartViewer> viewer;
  // Answers of the dialogs: the print dialog prints to this PDF file ("":
  // cancelled); the file dialog returns saveAs.
  std::string printTo;
  int printDialogs = 0;
  std::string saveAs;
  std::vector<std::string> suggestions;
};

TEST_F(ViewerTest, OpensOnTheFirstEntryWithItsWheelPage) {
  Open(5);
  EXPECT_EQ(viewer->CurrentEntry(), 1);
  EXPECT_EQ(viewer->EntryCount(), 5);
  EXPECT_EQ(viewer->Device(), OutputDevice::Screen);
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_FALSE(viewer->Flags().exitFlag);
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 1 - Natal Chart");
  EXPECT_TRUE(SessionIsOpen());
  // The 616 x 832 page, drawn at the scale it is shown at.
  EXPECT_EQ(viewer->PageArea()->PageSize(), QSize(616, 832));
  const QImage page = viewer->PageImage();
  const double scale = viewer->PageArea()->Scale() * viewer->PageArea()->PixelRatio();
  EXPECT_NEAR(page.width(), 616 * scale, 1.0);
  EXPECT_NEAR(page.height(), 832 * scale, 1.0);
  EXPECT_GT(InkPixels(page), page.width() * page.height() / 10);
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
  viewer->FormActivate(shell);
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
  EXPECT_EQ(shell.phase, RunPhase::NewList);
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_FALSE(SessionIsOpen());

  shell.phase = RunPhase::CalculateAndShow;
  viewer->FormActivate(shell);
  Trigger(viewer->ExitYesAction());
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  EXPECT_FALSE(SessionIsOpen());

  // Back to the form: editing at the entry shown, or appending a chart.
  shell.phase = RunPhase::CalculateAndShow;
  viewer->FormActivate(shell);
  viewer->EntryAction(0)->trigger();  // entry 2
  Trigger(viewer->EditEntriesAction());
  EXPECT_EQ(shell.phase, RunPhase::EditEntries);
  EXPECT_EQ(shell.entryToShow, 2);
  EXPECT_FALSE(SessionIsOpen());
  shell.phase = RunPhase::CalculateAndShow;
  viewer->FormActivate(shell);
  Trigger(viewer->AppendAction());
  EXPECT_EQ(shell.phase, RunPhase::AppendEntry);
  EXPECT_FALSE(SessionIsOpen());

  // The title bar's close button.
  shell.phase = RunPhase::CalculateAndShow;
  viewer->FormActivate(shell);
  viewer->show();
  viewer->close();
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_FALSE(SessionIsOpen());
}

TEST_F(ViewerTest, TheExitMenuClosesWithItsChoiceOrNotAtAll) {
  Open(2);
  viewer->show();
  auto answer = [](int button) {
    QTimer::singleShot(0, [button] {
      auto* menu = qobject_cast<ViewerExitMenu*>(QApplication::activeModalWidget());
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
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);

  answer(1);
  messages->Answer(MsgAnswer::Yes);  // "Start a new list?"
  QKeyEvent e(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, "e");
  QApplication::sendEvent(viewer.get(), &e);
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_EQ(shell.phase, RunPhase::NewList);
}

TEST_F(ViewerTest, PrintingEntryThreeThroughThePrintDialogLeavesTheScreenAsItWas) {
  Open(5);
  viewer->EntryAction(1)->trigger();
  ASSERT_EQ(viewer->CurrentEntry(), 3);
  const QImage before = viewer->PageImage();

  // Cancelled: nothing is printed.
  viewer->PrintAction()->trigger();
  EXPECT_EQ(printDialogs, 1);
  EXPECT_TRUE(fs::directory_iterator(folder.Path()) != fs::directory_iterator());
  for (const auto& f : fs::directory_iterator(folder.Path())) EXPECT_NE(f.path().extension(), ".pdf");

  // Printed to the printer the dialog chose (here its PDF file).
  printTo = folder.Path() + "/printed.pdf";
  viewer->PrintAction()->trigger();
  EXPECT_EQ(printDialogs, 2);
  ASSERT_TRUE(fs::exists(printTo));
  EXPECT_EQ(folder.Read("printed.pdf").substr(0, 5), "%PDF-");
  EXPECT_FALSE(fs::exists(printTo + ".tmp"));
  EXPECT_TRUE(messages->Shown().empty());

  EXPECT_EQ(viewer->CurrentEntry(), 3);
  EXPECT_EQ(viewer->Device(), OutputDevice::Screen);
  EXPECT_EQ(viewer->Flags().busy, 0);
  const PageMetrics m = viewer->ScreenPageMetrics();
  EXPECT_EQ(m.device, OutputDevice::Screen);
  EXPECT_EQ(m.pageWidth, 614);
  EXPECT_EQ(m.pageHeight, 830);
  EXPECT_EQ(m.lineHeight, 830 / 75);
  // Drawn afresh, the same page (antialiased edges may differ by a shade).
  const QImage after = viewer->PageImage();
  ASSERT_EQ(after.size(), before.size());
  int differing = 0;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x) differing += after.pixel(x, y) != before.pixel(x, y);
  EXPECT_LT(differing, after.width() * after.height() / 100);
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 3 - Natal Chart");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerTest, SaveAsPdfAsksForTheFileAndBeforeReplacingOne) {
  Open(5);
  viewer->EntryAction(1)->trigger();
  const std::string pdf = folder.Path() + "/Person_3.pdf";
  saveAs = pdf.substr(0, pdf.size() - 4);  // ".pdf" is added
  viewer->SavePdfAction()->trigger();
  ASSERT_EQ(suggestions.size(), 1u);
  EXPECT_EQ(viewer->LastPrintoutFile(), pdf);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(folder.Read("Person_3.pdf").substr(0, 5), "%PDF-");
  // The document's title (UTF-16 in the PDF) names the program, person and chart.
  std::string title16 = "\xFE\xFF";
  for (char c : std::string("Vostrane - Person 3 - Natal Chart")) title16 += std::string(1, '\0') + c;
  EXPECT_NE(folder.Read("Person_3.pdf").find(title16), std::string::npos);
  EXPECT_FALSE(fs::exists(pdf + ".tmp"));
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // The next time it starts in that folder; replacing is asked first.
  folder.Write("Person_3.pdf", "%PDF-1.4 kept\n%%EOF\n");
  messages->Answer(MsgAnswer::No);
  viewer->SavePdfAction()->trigger();
  ASSERT_EQ(suggestions.size(), 2u);
  EXPECT_EQ(suggestions[1], pdf);
  EXPECT_TRUE(messages->Saw("already exists"));
  EXPECT_EQ(folder.Read("Person_3.pdf"), "%PDF-1.4 kept\n%%EOF\n");
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
  messages->Answer(MsgAnswer::Yes);
  viewer->SavePdfAction()->trigger();
  EXPECT_NE(folder.Read("Person_3.pdf"), "%PDF-1.4 kept\n%%EOF\n");
  EXPECT_EQ(viewer->LastPrintoutFile(), pdf);

  // Cancelled: nothing happens.
  saveAs.clear();
  viewer->SavePdfAction()->trigger();
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
}

// A sideways sheet shows sideways on the screen (the upright page fitted
// onto it) and goes so into the SVG file.
TEST_F(ViewerTest, LandscapePaperOnTheScreenAndSavedAsSvg) {
  DrawingSettings settings = DrawingSettingsFromControl(Control());
  settings.printer.paper = {PaperKind::A4, true};
  viewer->SetDrawingSettings(settings);
  viewer->SetSvgFileDialog([this](QWidget*, const std::string&) { return folder.Path() + "/chart"; });
  Open(2);
  const QImage page = viewer->PageImage();
  EXPECT_GT(page.width(), page.height() * 13 / 10);
  viewer->SaveSvgAction()->trigger();
  EXPECT_EQ(viewer->LastPrintoutFile(), folder.Path() + "/chart.svg");
  const std::string svg = folder.Read("chart.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 7016 4961\""), std::string::npos);
  EXPECT_NE(svg.find("<title>Vostrane - Person 1 - Natal Chart</title>"), std::string::npos);
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 1 - Natal Chart");
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerTest, SaveAsPdfToAFullDiskReportsItAndKeepsTheEarlierFile) {
  // A small memory file system, filled to the last byte.
  const std::string full = folder.Path() + "/full";
  fs::create_directory(full);
  if (std::system(("mount -t tmpfs -o size=256k tmpfs '" + full + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "a tmpfs cannot be mounted here (the test needs root)";
  struct Unmount {
    std::string path;
    ~Unmount() { std::system(("umount '" + path + "'").c_str()); }
  } unmount{full};
  const std::string pdf = full + "/Person_1.pdf";
  const std::string earlier = "%PDF-1.4 the earlier page\n%%EOF\n";
  {
    std::FILE* f = std::fopen(pdf.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(earlier.data(), 1, earlier.size(), f);
    std::fclose(f);
    std::FILE* filler = std::fopen((full + "/filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
    }
    while (std::fputc('x', filler) != EOF) {
    }
    std::fclose(filler);
  }
  Open(2);
  saveAs = pdf;
  messages->Answer(MsgAnswer::Yes);  // replace the earlier file
  {
    CursorProbe probe(*messages);
    viewer->SavePdfAction()->trigger();
    EXPECT_FALSE(probe.hourglassSeen);  // the error box has the normal cursor
  }
  EXPECT_TRUE(messages->Saw("ERROR!  Unable to write the file " + pdf) ||
              messages->Saw("ERROR!  Unable to start printing on the file " + pdf));
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
  std::FILE* f = std::fopen(pdf.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char buf[128] = {};
  const size_t n = std::fread(buf, 1, sizeof buf, f);
  std::fclose(f);
  EXPECT_EQ(std::string(buf, n), earlier);
  EXPECT_FALSE(fs::exists(pdf + ".tmp"));
  EXPECT_EQ(viewer->Device(), OutputDevice::Screen);
  EXPECT_EQ(viewer->Flags().busy, 0);
  EXPECT_EQ(viewer->CurrentEntry(), 1);
  viewer.reset();
}

TEST_F(ViewerTest, ZoomedPagesStayZoomedAfterPrinting) {
  DrawingSettings settings = DrawingSettingsFromControl(Control());
  settings.screen.zoom = 1.5;
  viewer->SetDrawingSettings(settings);
  Open(2);
  EXPECT_EQ(viewer->ScreenPageMetrics().pageWidth, 921);
  EXPECT_EQ(viewer->ScreenPageMetrics().pageHeight, 1245);
  printTo = folder.Path() + "/zoomed.pdf";
  viewer->PrintClick();
  EXPECT_TRUE(fs::exists(printTo));
  EXPECT_EQ(viewer->ScreenPageMetrics().pageWidth, 921);
  EXPECT_DOUBLE_EQ(viewer->ScreenPageMetrics().zoom, 1.5);
}

TEST_F(ViewerTest, AnEntryWhoseCalculationDidNotFinishIsNotDrawn) {
  std::vector<ChartEntry> entries = {test::MakeViewerEntry(1), test::MakeViewerEntry(2)};
  entries[1].setCalcComplete(false);
  test::WriteViewerSession(entries);
  viewer->FormActivate(shell);
  const QImage first = viewer->PageImage();
  EXPECT_GT(InkPixels(first), first.width() * first.height() / 10);
  EXPECT_TRUE(messages->Shown().empty());
  viewer->EntryAction(0)->trigger();
  EXPECT_EQ(viewer->CurrentEntry(), 2);
  EXPECT_EQ(messages->Count("The chart of Person 2 was not completely calculated, so it is not drawn."),
            1);
  EXPECT_EQ(InkPixels(viewer->PageImage()), 0);
}

TEST_F(ViewerTest, AnEmptySessionShowsABlankPageAndCanBeLeft) {
  test::WriteViewerSession(std::vector<ChartEntry>{});
  viewer->FormActivate(shell);
  EXPECT_EQ(viewer->CurrentEntry(), 0);
  EXPECT_FALSE(viewer->EntriesMenu()->menuAction()->isVisible());
  EXPECT_EQ(InkPixels(viewer->PageImage()), 0);
  viewer->PrintClick();  // nothing to print
  viewer->SavePdfClick();
  EXPECT_EQ(printDialogs, 0);
  EXPECT_TRUE(suggestions.empty());
  EXPECT_EQ(viewer->LastPrintoutFile(), "");
  EXPECT_TRUE(messages->Shown().empty());
  Trigger(viewer->ClearAllAction());
  EXPECT_EQ(shell.phase, RunPhase::NewList);
}

TEST_F(ViewerTest, TheShellShowsTheViewerModallyWithItsHeight) {
  test::WriteViewerSession(3);
  Control().Set<double>(control_offset::screenZoom, 0.5);
  ViewerPhase phase;
  phase.PrepareViewerDrawing();
  int menuHeight = 0;
  QTimer::singleShot(0, [&] {
    ChartViewer* shown = phase.ViewerWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->CurrentEntry(), 1);
    EXPECT_DOUBLE_EQ(shown->ScreenPageMetrics().zoom, 0.5);
    // The window fits its screen.
    EXPECT_TRUE(shown->screen()->availableGeometry().contains(shown->frameGeometry()));
    menuHeight = shown->MenuBar()->sizeHint().height();
    shown->close();
  });
  phase.ShowViewerWindow(nullptr, shell, 560, 505);
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  ASSERT_NE(phase.ViewerWindow(), nullptr);
  EXPECT_GT(menuHeight, 0);
  EXPECT_FALSE(SessionIsOpen());
  phase.CloseViewerWindow();  // after the viewing: nothing left to release
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  delete phase.ViewerWindow();
}

// Entries 1 and 2 natal, entry 3 the transits of entry 1 as the
// calculation leaves them.
std::vector<ChartEntry> SessionWithTransits() {
  std::vector<ChartEntry> entries = {test::MakeViewerEntry(1), test::MakeViewerEntry(2),
                                     test::MakeViewerEntry(3)};
  entries[2].setChartType(8);
  entries[2].setBaseEntry(1);
  entries[2].setLevel(1);
  return entries;
}

TEST_F(ViewerTest, ADerivedChartIsShownOutsideItsBaseUnderItsKindTitle) {
  test::WriteViewerSession(SessionWithTransits());
  viewer->FormActivate(shell);
  EXPECT_EQ(viewer->PageCategory(), 'R');
  const QImage natal = viewer->PageImage();
  ASSERT_TRUE(viewer->EntryAction(1)->isVisible());
  EXPECT_EQ(viewer->EntryAction(1)->text(), "3: Person 3 - Transits");
  viewer->EntryAction(1)->trigger();
  ASSERT_EQ(viewer->CurrentEntry(), 3);
  EXPECT_EQ(viewer->PageCategory(), 'B');
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 3 - Transits");
  EXPECT_EQ(viewer->EntryAction(0)->text(), "1: Person 1 - Natal Chart");
  // The bi-wheel holds more than the single wheel of a natal chart.
  EXPECT_GT(InkPixels(viewer->PageImage()), InkPixels(natal));

  // Saved as PDF: the page shown, and the screen as it was.
  saveAs = folder.Path() + "/transits.pdf";
  viewer->SavePdfAction()->trigger();
  ASSERT_EQ(viewer->LastPrintoutFile(), saveAs);
  EXPECT_EQ(folder.Read("transits.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(viewer->PageCategory(), 'B');
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 3 - Transits");
}

TEST_F(ViewerTest, AddDerivedChartAppendsItAndReopensAtIt) {
  test::WriteViewerSession(SessionWithTransits());
  int offeredBase = 0;
  size_t listed = 0;
  viewer->SetDerivedChartDialog([&](QWidget*, const std::vector<ChartEntry>& entries, int base) {
    offeredBase = base;
    listed = entries.size();
    DerivedRequest r;
    r.kind = DerivedKind::SolarReturn;
    r.base = base;
    r.month = 1;
    r.day = 1;
    r.year = 2020;
    const DerivedBuild built = BuildDerivedEntry(r, entries[static_cast<size_t>(base - 1)], nullptr,
                                                 static_cast<int>(entries.size()));
    return built.ok ? std::optional<ChartEntry>(built.entry) : std::nullopt;
  });
  viewer->FormActivate(shell);
  ASSERT_TRUE(viewer->AddDerivedAction()->isVisible());
  viewer->EntryAction(0)->trigger();  // entry 2
  ASSERT_EQ(viewer->CurrentEntry(), 2);
  Trigger(viewer->AddDerivedAction());
  EXPECT_EQ(offeredBase, 2);
  EXPECT_EQ(listed, 3u);
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(shell.entryToShow, 4);
  EXPECT_TRUE(viewer->Flags().exitFlag);
  EXPECT_FALSE(viewer->IsActive());
  EXPECT_FALSE(SessionIsOpen());

  // The list on disk: the new entry after the last, then the terminator.
  const std::string bytes = folder.Read("INPUT.FIL");
  ASSERT_EQ(bytes.size(), 6 * kEntrySize);
  ChartEntry added, end;
  std::copy_n(bytes.begin() + 4 * kEntrySize, kEntrySize, added.Data());
  std::copy_n(bytes.begin() + 5 * kEntrySize, kEntrySize, end.Data());
  EXPECT_EQ(KindOfEntry(added), DerivedKind::SolarReturn);
  EXPECT_EQ(added.baseEntry(), 2);
  EXPECT_FALSE(added.calcComplete());
  EXPECT_FALSE(end.used());

  // Calculated (here: made to look so), the next viewing opens at it, drawn
  // outside entry 2.
  std::vector<ChartEntry> calculated = SessionWithTransits();
  ChartEntry solar = test::MakeViewerEntry(4);
  solar.setChartType(added.chartType());
  solar.setBaseEntry(2);
  solar.setLevel(1);
  calculated.push_back(solar);
  test::WriteViewerSession(calculated);
  viewer->FormActivate(shell);
  EXPECT_EQ(viewer->CurrentEntry(), 4);
  EXPECT_EQ(viewer->PageCategory(), 'B');
  EXPECT_EQ(viewer->windowTitle(), "Vostrane - Person 4 - Solar Return");
  EXPECT_EQ(shell.entryToShow, 0);
  // The one after that opens at entry 1 again.
  viewer->FormActivate(shell);
  EXPECT_EQ(viewer->CurrentEntry(), 1);
}

TEST_F(ViewerTest, ACancelledDerivedChartLeavesTheViewerOpen) {
  Open(2);
  EXPECT_FALSE(viewer->AddDerivedAction()->isVisible());  // no dialog attached
  viewer->SetDerivedChartDialog(
      [](QWidget*, const std::vector<ChartEntry>&, int) { return std::optional<ChartEntry>(); });
  Trigger(viewer->AddDerivedAction());
  EXPECT_TRUE(viewer->IsActive());
  EXPECT_EQ(viewer->EntryCount(), 2);
  EXPECT_FALSE(viewer->Flags().exitFlag);
  EXPECT_EQ(folder.Read("INPUT.FIL").size(), 4 * kEntrySize);
}

// Compare with...: the chosen natal chart goes outside the current one and
// the aspect panel lists the aspects between the two and the house overlay;
// back on the chart alone, a marked pattern draws its lines in the marking
// colour.
TEST_F(ViewerTest, ComparisonAndAMarkedPatternShowOnThePageAndInThePanel) {
  Open(3);
  std::vector<std::string> offered;
  viewer->SetCompareChooser([&](const std::vector<std::string>& labels) {
    offered = labels;
    return 1;
  });
  viewer->CompareAction()->trigger();
  EXPECT_EQ(offered,
            (std::vector<std::string>{"2. Person 2", "3. Person 3", "(a person of the name file...)"}));
  EXPECT_EQ(viewer->PageCategory(), 'B');
  viewer->AspectsAction()->trigger();
  AspectPanel* panel = viewer->AspectsPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_GT(panel->AspectTable()->rowCount(), 0);
  ASSERT_GT(panel->PatternList()->count(), 0);
  EXPECT_TRUE(panel->PatternList()->item(0)->text().startsWith("Person 1's Sun in Person 3's house"));

  viewer->CompareWith(0);
  EXPECT_EQ(viewer->PageCategory(), 'R');
  const Rgb mark = PaletteColour(12);
  auto marked = [&] {
    const QImage page = viewer->PageImage();
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) {
        const QColor c = page.pixelColor(x, y);
        n += std::abs(c.red() - mark.r) < 40 && std::abs(c.green() - mark.g) < 40 &&
             std::abs(c.blue() - mark.b) < 40;
      }
    return n;
  };
  EXPECT_EQ(marked(), 0);
  viewer->HighlightPattern({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_GT(marked(), 10);  // the page is drawn small: the viewer is not shown
  EXPECT_TRUE(messages->Shown().empty()) << messages->Shown().front().text;
}

// The dial chosen from the View menu with the keys, its pointer turned with
// Left and Right (Shift for whole degrees) onto the Sun, where the tree
// holds the Moon/Mars midpoint square to the Sun; turned away, it does not.
TEST_F(ViewerTest, TheDialsPointerTurnedByKeysReadsTheMidpointTree) {
  ChartEntry e = test::MakeViewerEntry(1);
  e.setLon(0, 12.3);   // Sun
  e.setLon(1, 60.0);   // Moon
  e.setLon(4, 144.6);  // Mars: Moon/Mars at 102.3, square to the Sun
  test::WriteViewerSession({e});
  viewer->FormActivate(shell);
  viewer->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
  viewer->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(viewer.get()));
  const QImage wheel = viewer->PageImage();

  auto press = [](QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, key, mods);
  };
  press(viewer.get(), Qt::Key_V, Qt::AltModifier);      // View
  press(QApplication::activePopupWidget(), Qt::Key_D);  // Dial
  press(QApplication::activePopupWidget(), Qt::Key_9);  // 90 degrees
  DialMode* dial = viewer->Dial();
  ASSERT_TRUE(dial->On());
  EXPECT_EQ(dial->Modulus(), 90);
  EXPECT_NE(viewer->PageImage(), wheel);

  QWidget* page = QApplication::focusWidget();
  for (int i = 0; i < 12; ++i) press(page, Qt::Key_Right, Qt::ShiftModifier);
  for (int i = 0; i < 5; ++i) press(page, Qt::Key_Right);
  press(page, Qt::Key_Left);
  press(page, Qt::Key_Left);
  EXPECT_NEAR(dial->Pointer(), 12.3, 1e-9);
  auto holdsMoonMars = [&] {
    for (const TreeBranch& b : dial->Reading().tree)
      if (b.midpoint.a == 1 && b.midpoint.b == 4) return b.orb < 1e-6;
    return false;
  };
  EXPECT_EQ(dial->Reading().point, 0);
  EXPECT_TRUE(holdsMoonMars());
  for (const TreeBranch& b : dial->Reading().tree) EXPECT_LE(b.orb, kDefaultMidpointOrb);

  for (int i = 0; i < 5; ++i) press(page, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_NEAR(dial->Pointer(), 17.3, 1e-9);
  EXPECT_NE(dial->Reading().point, 0);
  EXPECT_FALSE(holdsMoonMars());
  EXPECT_TRUE(messages->Shown().empty()) << messages->Shown().front().text;
}

// Compare with... a person of the name file, found by typing in the Persons
// window: the person's chart is appended, and once calculated the viewer
// opens at the chart with the person's outside it.
TEST_F(ViewerTest, ComparesWithAPersonOfTheNameFileChosenByKeys) {
  ASSERT_TRUE(OpenNamesTable());
  for (const char* name : {"Curie, Marie", "Stein, Gertrude"})
    ASSERT_EQ(AppendPerson(NamesTable(), test::Person(name)).outcome, PersonWrite::Written);
  Open(3);
  viewer->EntryAction(0)->trigger();  // entry 2
  viewer->SetCompareChooser(
      [](const std::vector<std::string>& labels) { return static_cast<int>(labels.size()) - 1; });
  QTimer::singleShot(0, [] {
    auto* persons = qobject_cast<PersonsWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(persons, nullptr);
    QTest::keyClicks(persons->Search(), "stein");
    QTest::keyClick(persons->Search(), Qt::Key_Return);
  });
  Trigger(viewer->CompareAction());
  CloseNamesTable();
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
  EXPECT_TRUE(viewer->Flags().exitFlag);
  const std::string bytes = folder.Read("INPUT.FIL");
  ASSERT_EQ(bytes.size(), 6 * kEntrySize);
  ChartEntry added;
  std::copy_n(bytes.begin() + 4 * kEntrySize, kEntrySize, added.Data());
  EXPECT_EQ(Trim(added.name()), "Stein, Gertrude");
  EXPECT_EQ(added.chartType(), 0);

  // Calculated (here: made to look so), the page compares the two.
  std::vector<ChartEntry> calculated;
  for (int i = 1; i <= 4; ++i) calculated.push_back(test::MakeViewerEntry(i));
  test::WriteViewerSession(calculated);
  viewer->FormActivate(shell);
  EXPECT_EQ(viewer->CurrentEntry(), 2);
  EXPECT_EQ(viewer->ComparedEntry(), 4);
  EXPECT_EQ(viewer->PageCategory(), 'B');
  EXPECT_TRUE(messages->Shown().empty()) << messages->Shown().front().text;
}

}  // namespace
}  // namespace vostrane
