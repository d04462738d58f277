// SPDX-License-Identifier: GPL-3.0-or-later
// The chart viewer: the calculated session shown one entry at a time as its
// standard wheel page ("AAA", single wheel) in a scrollable page area, the
// Entries menu to switch entries, the print command, and the exit commands
// that tell the shell where to go next (the phase of the shell state it was
// handed: NewList, MainMenu, AppendEntry, EditEntries or CalculateAndShow).
//
// The window is made once and shown modally for every viewing. Its working
// storage (page assembler with its name tables, page bitmap, session
// access) is made when a viewing opens and released when it closes.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "entry/gui/DerivedChartDialog.h"
#include "viewer/DerivedPage.h"
#include "viewer/DrawingSettings.h"
#include "viewer/ViewerState.h"
#include "viewer/gui/PrintDialogs.h"
#include "wheel/AspectPair.h"
#include "wheel/ChartTitle.h"
#include "wheel/DrawingSurface.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPrinter;

namespace vostrane {

class AspectPanel;
class DialMode;
struct PointsPageInput;
struct AspectsPageInput;

class PageView;
class PrinterSurface;
class ViewerSession;

// Client area width of the viewer.
inline constexpr int kViewerClientWidth = 633;

class ChartViewer : public QDialog, public SurfaceHost {
  Q_OBJECT

 public:
  explicit ChartViewer(QWidget* parent = nullptr);
  ~ChartViewer() override;

  // The working settings copied from the control record (PrepareDrawing).
  void SetDrawingSettings(const DrawingSettings& settings);
  const DrawingSettings& Settings() const { return settings_; }
  // Client height set by the shell (560 or 680).
  void SetClientHeight(int height);

  // One viewing: opening, the modal window, closing. On return the phase of
  // `shell` says where the shell goes next and the session file is closed.
  void RunViewing(ShellState& shell);
  // Opening: flags, caption, working storage, name tables, the session and
  // its first page, at the entry and comparison `shell` holds for it (both
  // taken). Closing releases them (also when already released) and sets the
  // phase of `shell` for a window closed by its title bar.
  void FormActivate(ShellState& shell);
  void FormDeactivate();
  bool IsActive() const { return storage_ != nullptr; }

  // Loads the session and shows entry 1.
  void LoadSessionAndShowFirst();
  // Page geometry for the screen: page metrics and a new page image.
  void SetUpScreenPage();
  // The printouts of an entry; both draw the standard wheel page.
  enum class Printout { Wheel, Report };
  // Draws the standard wheel page of the current entry on the current
  // output device; unless `single` repeats while the continue flag stays set
  // (the screen always gets one page). True when a page was drawn.
  bool DrawWheelPage(Printout printout, bool single);
  // The current entry's printout on the current device; fromList when it
  // comes from the printout list.
  bool DrawPrintout(Printout printout, bool fromList);
  // ClearAll "Clear All Entries and Start New List" (after a question when
  // the list holds charts), ExitToMenu "&Yes: Exit to Opening Screen",
  // EditEntries "Edit Entries" (back to the form at the current entry),
  // AppendChart "Add a Chart to the List": sets the shell's phase and closes.
  // Ignored while busy.
  void ExitProcedure(ExitCommand command);
  // Shows the entry of the selected line of the other-entries list.
  void EntryListClick();
  // Entries menu item k (0..19): selects list line k and shows its entry.
  void EntryMenuClick(int k);
  // "Print...": the system print dialog, then the current wheel page on the
  // chosen printer; the screen page is restored afterwards.
  void PrintClick();
  // "Save as PDF...": asks for the file (from the folder used last), asks
  // before replacing one, and writes the page there whole or not at all.
  void SavePdfClick();
  // "Save as SVG...": the same page as the PDF, as an SVG file, asked for
  // and written the same way.
  void SaveSvgClick();
  // The exit menu (Esc, "E"): closes with the button's phase.
  void ExitMenuClick();
  // "Add Derived Chart...": the dialog with the current entry as base; the
  // new entry is appended to the session and the viewer closes with
  // the phase CalculateAndShow and the new entry to show, so that the shell
  // calculates the list and opens the viewer again at it.
  void AddDerivedClick();
  // The dialog behind it; without one the command is hidden.
  void SetDerivedChartDialog(DerivedChartDialog dialog);
  // "Timeline...": the events of the current chart over a period; the chart
  // of an event the user double-clicks is appended as for "Add Derived
  // Chart..." and shown around the current one.
  void TimelineClick();

  // "Aspects...": the aspect panel of the page shown, kept up to date while
  // it is open. "Compare with...": asks for a natal chart of the list and
  // draws it outside the current natal chart (CompareWith(0) ends that), or
  // for a person of the name file (ComparePersonClick).
  void ShowAspectPanel();
  void CompareClick();
  // The Persons window chooses a person, whose natal chart is appended to the
  // list; the viewer closes so that the shell calculates it, and opens again
  // at the current chart with the person's outside it.
  void ComparePersonClick();
  void CompareWith(int entry);
  int ComparedEntry() const { return compareEntry_; }
  // Marks the lines among these points of the inner chart (a pattern).
  void HighlightPattern(const std::vector<int>& points);
  AspectPanel* AspectsPanel() const { return aspectPanel_; }
  QAction* AspectsAction() const { return aspectsAction_; }
  QAction* CompareAction() const { return compareAction_; }
  // Asks for the chart to compare with (tests answer it): the labels of the
  // choices, the index chosen or -1.
  void SetCompareChooser(std::function<int(const std::vector<std::string>&)> chooser) {
    compareChooser_ = std::move(chooser);
  }

  // The dialogs of the print commands (tests answer them).
  void SetPrintDialog(PrintDialogFn dialog) { printDialog_ = std::move(dialog); }
  void SetSaveFileDialog(SaveFileFn dialog) { saveFileDialog_ = std::move(dialog); }
  void SetSvgFileDialog(SaveFileFn dialog) { svgFileDialog_ = std::move(dialog); }
  // The PDF file written by the last command ("" when it went to a printer,
  // was cancelled or failed).
  const std::string& LastPrintoutFile() const { return lastPrintoutFile_; }
  // The folder "Save as PDF..." starts in: the one used last ("" the
  // working folder).
  const std::string& LastPdfFolder() const { return lastPdfFolder_; }

  // ---- State, for the shell and tests ---------------------------------------
  int CurrentEntry() const;
  int EntryCount() const;
  const ViewerFlags& Flags() const { return flags_; }
  // The screen while a page is shown, the printer while it is printed.
  OutputDevice Device() const { return device_; }
  // The page image on the screen and the screen page metrics.
  QImage PageImage() const;
  PageMetrics ScreenPageMetrics() const;
  PageView* PageArea() const { return pageArea_; }
  QMenu* EntriesMenu() const { return entriesMenu_; }
  QAction* EntryAction(int k) const { return entryActions_[k]; }
  QAction* PrintAction() const { return printAction_; }
  QAction* SavePdfAction() const { return savePdfAction_; }
  QAction* SaveSvgAction() const { return saveSvgAction_; }
  QAction* ZoomInAction() const { return zoomInAction_; }
  QAction* ZoomOutAction() const { return zoomOutAction_; }
  QAction* FitAction() const { return fitAction_; }
  // View -> Lots and Fixed Stars: shows (and prints) the page of lots and
  // fixed stars in place of the wheel page while it is checked.
  QAction* PointsPageAction() const { return pointsPageAction_; }
  DialMode* Dial() const { return dial_; }
  // View -> Aspect List: the page of the aspect list and patterns (for a
  // comparison, the inter-chart aspects and house overlay) in its place.
  QAction* AspectsPageAction() const { return aspectsPageAction_; }
  QAction* ClearAllAction() const { return clearAllAction_; }
  QAction* EditEntriesAction() const { return editEntriesAction_; }
  QAction* AppendAction() const { return appendAction_; }
  QAction* AddDerivedAction() const { return addDerivedAction_; }
  QAction* TimelineAction() const { return timelineAction_; }
  // The rings of the page shown: 'R' single, 'B' bi-wheel, 'T' tri-wheel.
  char PageCategory() const { return pageCategory_; }
  QAction* ExitYesAction() const { return exitYesAction_; }
  // View > Aspect Lines: the pair of charts whose aspects the page draws.
  QMenu* AspectPairMenu() const { return aspectPairMenu_; }
  AspectPair ChosenAspectPair() const { return aspectPair_; }
  QListWidget* OtherEntriesList() const { return entryList_; }
  QMenuBar* MenuBar() const { return menuBar_; }

  // ---- SurfaceHost ----------------------------------------------------------
  bool ContinueFlag() const override { return flags_.continueFlag; }
  void SetContinueFlag(bool on) override { flags_.continueFlag = on; }
  std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  void ShowPage() override;

 public slots:
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Storage;
  void BuildMenus();
  void ApplyBackground();
  void FitWindow();
  // Draws the screen page again for the view's scale and pixel ratio.
  void RedrawScreenPage();
  // The bitmap's render scale from the view.
  void ApplyViewScale();
  void RebuildEntriesMenu();
  // "Clear All Entries": true when the list may go (asked when it has charts).
  bool ConfirmNewList();
  void ScrollToTop();
  // Draws the current page on the printer surface (or hands it to the
  // document that collects pages) and brings the screen back as it was.
  // True when the page was drawn and, for a PDF file, written.
  bool PrintOn(std::unique_ptr<PrinterSurface> printer, bool pdfFile);
  std::unique_ptr<PrinterSurface> MakePrinter();
  // The printer for the print dialog: the wheel configuration's printer,
  // paper (else the locale's) and copies.
  std::unique_ptr<QPrinter> DialogPrinter() const;
  // The charts of the current entry's page (rings 1 to 3).
  PageCharts CurrentPageCharts() const;
  // Reads entries of the open session for titles and base charts.
  EntryLookup SessionLookup() const;
  // The current entry with the lots and stars of the points page.
  PointsPageInput PointsOfPage();
  // The dial page of the chart shown, with the style and orb of its pages.
  bool DrawDialPage(DrawingSurface& s);
  // The lots of the lot file, read once per viewing (a file that cannot be
  // read is named once and gives none).
  const std::vector<Lot>& ViewerLots();
  // The charts of the aspects page: the inner one, and the one compared with it.
  AspectsPageInput AspectsOfPage(const PageCharts& charts) const;
  // Draws the page the View menu chooses: the dial, the points page, the aspects page or the wheel page.
  bool AssembleChosenPage(DrawingSurface& s, const WheelPageInput& page, const PageCharts& charts);

  DrawingSettings settings_;
  ViewerFlags flags_;
  ShellState* shell_ = nullptr;  // the shell's, from FormActivate to FormDeactivate
  OutputDevice device_ = OutputDevice::Screen;
  std::string lastPdfFolder_;  // where the last PDF or SVG file went
  std::unique_ptr<Storage> storage_;
  int clientHeight_ = 680;
  std::string lastPrintoutFile_;
  PrintDialogFn printDialog_ = SystemPrintDialog;
  SaveFileFn saveFileDialog_ = AskPdfFileName;
  SaveFileFn svgFileDialog_ = AskSvgFileName;
  bool sized_ = false;  // sized to its screen at the first showing

  QMenuBar* menuBar_ = nullptr;
  PageView* pageArea_ = nullptr;
  QListWidget* entryList_ = nullptr;
  QMenu* entriesMenu_ = nullptr;
  std::array<QAction*, 20> entryActions_{};
  QAction* printAction_ = nullptr;
  QAction* savePdfAction_ = nullptr;
  QAction* saveSvgAction_ = nullptr;
  QAction* zoomInAction_ = nullptr;
  QAction* zoomOutAction_ = nullptr;
  QAction* fitAction_ = nullptr;
  QAction* pointsPageAction_ = nullptr;
  DialMode* dial_ = nullptr;
  QAction* aspectsPageAction_ = nullptr;
  QAction* clearAllAction_ = nullptr;
  QAction* editEntriesAction_ = nullptr;
  QAction* appendAction_ = nullptr;
  QAction* timelineAction_ = nullptr;
  QAction* addDerivedAction_ = nullptr;
  DerivedChartDialog derivedDialog_;
  char pageCategory_ = 'R';
  QAction* exitYesAction_ = nullptr;
  QAction* aspectsAction_ = nullptr;
  QAction* compareAction_ = nullptr;
  AspectPanel* aspectPanel_ = nullptr;
  int compareEntry_ = 0;       // the chart drawn outside
  int compareBase_ = 0;        // the entry it is compared with
  int highlightEntry_ = 0;     // the entry whose pattern the wheel marks
  bool highlighting_ = false;  // redrawing for a pattern chosen in the panel
  std::function<int(const std::vector<std::string>&)> compareChooser_;
  void UpdateAspectPanel();
  QMenu* aspectPairMenu_ = nullptr;
  AspectPair aspectPair_ = AspectPair::Default;
};

}  // namespace vostrane
