// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/ChartViewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "platform/MessageService.h"
#include "platform/gui/HelpWindow.h"
#include "platform/gui/QtMessageService.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "common/ListQuestions.h"
#include "common/MessageTextFile.h"
#include "common/PointSettings.h"
#include "common/RunState.h"
#include "names/NameTable.h"
#include "names/PersonChart.h"
#include "names/gui/PersonsWindow.h"
#include "viewer/DerivedPage.h"
#include "viewer/PrintoutFile.h"
#include "viewer/ReturnZone.h"
#include "viewer/ViewerSession.h"
#include "viewer/gui/AspectPanel.h"
#include "viewer/gui/DialMode.h"
#include "viewer/gui/PageView.h"
#include "viewer/gui/TimelineWindow.h"
#include "viewer/gui/ViewerExitMenu.h"
#include "wheel/ChartAspects.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageMetrics.h"
#include "wheel/PageNames.h"
#include "wheel/PointsPage.h"
#include "wheel/AspectsPage.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"
#include "wheel/gui/SvgSurface.h"

namespace vostrane {

// What a viewing needs while the viewer is open, released when it closes.
struct ChartViewer::Storage {
  explicit Storage(PageNames names)
      : assembler(std::move(names)), session([](int k) { return MessageText(k); }) {}
  WheelPageAssembler assembler;
  std::array<std::string, 16> fonts;
  BitmapSurface bitmap;
  ViewerSession session;
  // The printer while a print command draws on it.
  PrinterSurface* activePrinter = nullptr;
  // A printer document that collects the pages of several print commands
  // (one-document setting not 'Y'); handed to the printer when the viewer
  // closes.
  std::unique_ptr<PrinterSurface> collecting;
  // The charts of the page on the screen, for the aspect panel.
  PageCharts pageCharts;
  // The lots and fixed stars of the points page, read when it is first shown.
  std::optional<LotList> lots;
  std::optional<FixedStarList> stars;
};

namespace {

// The proportions of the printed page for wheel pages (configuration '2'):
// its paper size when the control record sets one, else the paper chosen in
// Preferences, upright. Width and height in points.
void PrinterPageProportions(const PrinterSettings& settings, int& width, int& height) {
  double w = 0, h = 0;
  settings.PaperSizeFor('2', w, h);
  const QSizeF points = w > 0 && h > 0 ? QSizeF(w * 72, h * 72)
                                       : PaperPageSize(settings.paper.kind).sizePoints();
  width = qRound(points.width());
  height = qRound(points.height());
}

// While the print command shows the hourglass, a message (a printer that
// cannot start, a file that cannot be written) gets the normal cursor back
// for as long as it is shown.
class NormalCursorMessages : public MessageService {
 public:
  NormalCursorMessages() : inner_(Messages()) { SetMessageService(this); }
  ~NormalCursorMessages() override { SetMessageService(&inner_); }
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override {
    const bool hourglass = QApplication::overrideCursor() != nullptr;
    if (hourglass) QApplication::restoreOverrideCursor();
    const MsgAnswer answer = inner_.Show(text, icon, buttons, caption);
    if (hourglass) QApplication::setOverrideCursor(Qt::WaitCursor);
    return answer;
  }

 private:
  MessageService& inner_;
};

// A menu caption shows '&' only when doubled.
QString MenuText(const std::string& text) { return ToQt(text).replace("&", "&&"); }

}  // namespace

ChartViewer::ChartViewer(QWidget* parent) : QDialog(parent) {
  setObjectName("ChartViewer");
  setWindowTitle("PrintOuts");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  menuBar_ = new QMenuBar(this);
  layout->setMenuBar(menuBar_);

  pageArea_ = new PageView(this);
  pageArea_->setObjectName("ScrollBox1");
  layout->addWidget(pageArea_, 1);
  connect(pageArea_, &PageView::ScaleChanged, this, &ChartViewer::RedrawScreenPage);
  BuildMenus();

  // The other entries, one line each; the Entries menu mirrors it and is
  // what the user sees.
  entryList_ = new QListWidget(this);
  entryList_->setObjectName("EntryList");
  entryList_->hide();

  ApplyBackground();
  FitWindow();
}

ChartViewer::~ChartViewer() {
  // A window destroyed while open still closes the session file.
  if (storage_) storage_->session.Close();
}

void ChartViewer::BuildMenus() {
  // The commands that close the viewer run once their menu has closed
  // (queued): a window closed from inside a menu opened with the keyboard
  // would leave the next window's first mouse click to that menu.
  QMenu* file = menuBar_->addMenu("&File");
  editEntriesAction_ = file->addAction("&Edit Entries");
  connect(
      editEntriesAction_, &QAction::triggered, this, [this] { ExitProcedure(ExitCommand::EditEntries); },
      Qt::QueuedConnection);
  appendAction_ = file->addAction("&Add a Chart to the List");
  connect(
      appendAction_, &QAction::triggered, this, [this] { ExitProcedure(ExitCommand::AppendChart); },
      Qt::QueuedConnection);
  addDerivedAction_ = file->addAction("Add &Derived Chart...");
  addDerivedAction_->setVisible(false);
  connect(addDerivedAction_, &QAction::triggered, this, &ChartViewer::AddDerivedClick,
          Qt::QueuedConnection);
  timelineAction_ = file->addAction("&Timeline...");
  connect(timelineAction_, &QAction::triggered, this, &ChartViewer::TimelineClick, Qt::QueuedConnection);
  file->addSeparator();
  clearAllAction_ = file->addAction("&Clear All Entries and Start New List");
  connect(
      clearAllAction_, &QAction::triggered, this, [this] { ExitProcedure(ExitCommand::ClearAll); },
      Qt::QueuedConnection);

  QMenu* print = menuBar_->addMenu("&Print");
  printAction_ = print->addAction("&Print...");
  printAction_->setShortcut(QKeySequence::Print);
  connect(printAction_, &QAction::triggered, this, &ChartViewer::PrintClick);
  savePdfAction_ = print->addAction("Save as P&DF...");
  connect(savePdfAction_, &QAction::triggered, this, &ChartViewer::SavePdfClick);
  saveSvgAction_ = print->addAction("Save as S&VG...");
  connect(saveSvgAction_, &QAction::triggered, this, &ChartViewer::SaveSvgClick);

  entriesMenu_ = menuBar_->addMenu("&Entries");
  for (int k = 0; k < kEntryMenuItems; ++k) {
    entryActions_[k] = entriesMenu_->addAction(QString());
    entryActions_[k]->setVisible(false);
    connect(entryActions_[k], &QAction::triggered, this, [this, k] { EntryMenuClick(k); });
  }
  entriesMenu_->menuAction()->setVisible(false);

  // Zoom: the page fits the window until the user zooms in or out.
  QMenu* view = menuBar_->addMenu("&View");
  aspectsAction_ = view->addAction("&Aspects...");
  connect(aspectsAction_, &QAction::triggered, this, &ChartViewer::ShowAspectPanel);
  compareAction_ = view->addAction("&Compare with...");
  connect(compareAction_, &QAction::triggered, this, &ChartViewer::CompareClick);
  view->addSeparator();
  zoomInAction_ = view->addAction("Zoom &In");
  zoomInAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOutAction_ = view->addAction("Zoom &Out");
  zoomOutAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  fitAction_ = view->addAction("&Fit Page to Window");
  fitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  for (QAction* a : {zoomInAction_, zoomOutAction_, fitAction_})
    a->setShortcutContext(Qt::WindowShortcut);
  connect(zoomInAction_, &QAction::triggered, pageArea_, &PageView::ZoomIn);
  connect(zoomOutAction_, &QAction::triggered, pageArea_, &PageView::ZoomOut);
  connect(fitAction_, &QAction::triggered, pageArea_, &PageView::FitPage);
  view->addSeparator();
  pointsPageAction_ = view->addAction("&Lots and Fixed Stars");
  pointsPageAction_->setCheckable(true);
  aspectsPageAction_ = view->addAction("Aspect Lis&t");
  aspectsPageAction_->setCheckable(true);
  // The dial page takes the place of the other pages while it is chosen.
  dial_ = new DialMode(view, pageArea_, this);
  dial_->screenMetrics = [this] { return storage_ ? storage_->bitmap.Metrics() : PageMetrics{}; };
  connect(dial_, &DialMode::Changed, this, [this] {
    if (dial_->On()) {
      pointsPageAction_->setChecked(false);
      aspectsPageAction_->setChecked(false);
    }
    RedrawScreenPage();
  });
  // One page in place of the wheel page at a time.
  connect(pointsPageAction_, &QAction::toggled, this, [this](bool on) {
    if (on) {
      aspectsPageAction_->setChecked(false);
      dial_->SetModulus(0);
    }
    RedrawScreenPage();
  });
  connect(aspectsPageAction_, &QAction::toggled, this, [this](bool on) {
    if (on) {
      pointsPageAction_->setChecked(false);
      dial_->SetModulus(0);
    }
    RedrawScreenPage();
  });

  // One pair of charts' aspect lines at a time keeps a multi-wheel's centre
  // readable; the page is drawn again with the pair chosen.
  aspectPairMenu_ = view->addMenu("Aspect &Lines");
  auto* pairs = new QActionGroup(aspectPairMenu_);
  const std::pair<const char*, AspectPair> kPairs[] = {
      {"&Standard for the Page", AspectPair::Default},
      {"&None", AspectPair::None},
      {"&Inner Chart", AspectPair::Inner},
      {"Inner and &Second Chart", AspectPair::InnerSecond},
      {"Inner and &Third Chart", AspectPair::InnerThird},
      {"Second and T&hird Chart", AspectPair::SecondThird}};
  for (const auto& [text, pair] : kPairs) {
    QAction* a = aspectPairMenu_->addAction(text);
    a->setCheckable(true);
    a->setChecked(pair == aspectPair_);
    pairs->addAction(a);
    connect(a, &QAction::triggered, this, [this, pair = pair] {
      aspectPair_ = pair;
      RedrawScreenPage();
    });
  }

  QMenu* exit = menuBar_->addMenu("E&xit");
  exitYesAction_ = exit->addAction("&Yes: Exit to Opening Screen");
  exit->addAction("&No");
  connect(
      exitYesAction_, &QAction::triggered, this, [this] { ExitProcedure(ExitCommand::ExitToMenu); },
      Qt::QueuedConnection);

  AddHelpMenu(menuBar_, this);
}

void ChartViewer::SetDrawingSettings(const DrawingSettings& settings) {
  settings_ = settings;
  ApplyBackground();
}

void ChartViewer::SetDerivedChartDialog(DerivedChartDialog dialog) {
  derivedDialog_ = std::move(dialog);
  addDerivedAction_->setVisible(static_cast<bool>(derivedDialog_));
}

void ChartViewer::SetClientHeight(int height) {
  clientHeight_ = height;
  FitWindow();
}

void ChartViewer::ApplyBackground() {
  QPalette palette = QApplication::palette(this);
  if (settings_.viewerColour >= 0) {
    const uint32_t c = static_cast<uint32_t>(settings_.viewerColour);
    palette.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  }
  setPalette(palette);
  pageArea_->viewport()->setPalette(palette);
  pageArea_->viewport()->setBackgroundRole(QPalette::Window);
  pageArea_->viewport()->setAutoFillBackground(true);
}

void ChartViewer::FitWindow() {
  // The user may make the window any size; the page is drawn to fit it.
  setMinimumSize(320, 240);
  resize(kViewerClientWidth, clientHeight_ + menuBar_->sizeHint().height());
  // The next showing sizes the window to its screen again.
  sized_ = false;
}

void ChartViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* s = screen(); s && !sized_) {
    // The first showing takes most of the height of the screen the window
    // is on, with the page's proportions, so that the whole page shows.
    sized_ = true;
    const QRect area = s->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const int menu = menuBar_->sizeHint().height();
    const QSize page = pageArea_->PageSize();
    const int h = std::max(240, area.height() * 92 / 100 - frame.height());
    const int w = std::min(area.width() - frame.width(),
                           std::max(kViewerClientWidth, (h - menu) * page.width() / page.height()));
    resize(w, h);
    move(area.x() + std::max(0, (area.width() - frameGeometry().width()) / 2),
         area.y() + std::max(0, (area.height() - frameGeometry().height()) / 2));
  }
  pageArea_->setFocus();
}

// ---- Opening and closing ------------------------------------------------------

void ChartViewer::RunViewing(ShellState& shell) {
  FormActivate(shell);
  exec();
  FormDeactivate();
}

void ChartViewer::FormActivate(ShellState& shell) {
  FormDeactivate();
  shell_ = &shell;
  flags_ = ViewerFlags();
  setWindowTitle("PrintOuts");
  // The shell opens the viewer for the screen.
  device_ = OutputDevice::Screen;
  storage_ = std::make_unique<Storage>(LoadPageNames());
  storage_->fonts = LoadFontNames();
  storage_->bitmap.SetFontNames(storage_->fonts);
  storage_->bitmap.SetHost(this);
  pageArea_->StartFitted();
  LoadSessionAndShowFirst();
}

void ChartViewer::FormDeactivate() {
  if (!storage_) return;
  ViewerClosing(*shell_, flags_);
  storage_->collecting.reset();  // a collected printer document goes to the printer
  storage_->session.Close();
  storage_.reset();
  compareEntry_ = compareBase_ = highlightEntry_ = 0;
  if (aspectPanel_) aspectPanel_->hide();
  entryList_->clear();
  pageArea_->Clear();
  // The next viewing opens on the wheel page (its style is read there).
  dial_->SetModulus(0);
  device_ = OutputDevice::Screen;
  shell_ = nullptr;
}

void ChartViewer::done(int result) {
  FormDeactivate();
  QDialog::done(result);
}

void ChartViewer::closeEvent(QCloseEvent* event) {
  // Nothing closes the viewer while a page is drawn or printed.
  if (flags_.Busy()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void ChartViewer::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape ||
      (key == Qt::Key_E && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))) {
    ExitMenuClick();
    return;
  }
  // Home and End go to the top and the foot of the page.
  if (key == Qt::Key_Home || key == Qt::Key_End) {
    QScrollBar* bar = pageArea_->verticalScrollBar();
    bar->setValue(key == Qt::Key_Home ? bar->minimum() : bar->maximum());
    return;
  }
  QDialog::keyPressEvent(event);
}

// ---- Pages --------------------------------------------------------------------

void ChartViewer::LoadSessionAndShowFirst() {
  if (!storage_) return;
  // Back from "Add Derived Chart..." the viewer opens at the new chart.
  const int start = shell_->entryToShow;
  shell_->entryToShow = 0;
  const bool any = storage_->session.Open();
  if (any && start > 1) storage_->session.Select(start);
  // A person chosen to compare with is calculated now: drawn outside the chart.
  const PendingComparison pending = std::exchange(shell_->nextComparison, PendingComparison{});
  if (any && pending.other != 0 && pending.base == storage_->session.CurrentEntry())
    compareEntry_ = pending.other, compareBase_ = pending.base;
  RebuildEntriesMenu();
  if (device_ != OutputDevice::Printer) SetUpScreenPage();
  // An empty session draws nothing: the page stays blank.
  if (any) DrawWheelPage(Printout::Wheel, false);
  else ShowPage();
  ScrollToTop();
}

void ChartViewer::SetUpScreenPage() {
  if (!storage_) return;
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  double k = 1.0;
  if (s) {
    const QSizeF mm = s->physicalSize();
    k = ScreenVerticalScale(s->size().width(), s->size().height(), mm.width(), mm.height());
  }
  int printerWidth = 0, printerHeight = 0;
  if (settings_.screen.printerProportions)
    PrinterPageProportions(settings_.printer, printerWidth, printerHeight);
  PageMetrics m;
  ComputeScreenPageMetrics(m, settings_.screen.zoom, settings_.screen.printerProportions, printerWidth,
                           printerHeight, k);
  // A sideways sheet shows sideways, as printed.
  if (settings_.printer.paper.landscape) TurnScreenSheet(m);
  // The page is laid out as printed and drawn at the screen page's size.
  storage_->bitmap.SetPrintedPage(m, SvgPageMetrics(settings_.printer), kSvgDotsPerInch);
  storage_->bitmap.SetMonochrome(settings_.screen.monochrome);
  pageArea_->SetPageSize(SheetSize(m));
  ApplyViewScale();
}

void ChartViewer::ApplyViewScale() {
  if (!storage_) return;
  const double ratio = pageArea_->PixelRatio();
  storage_->bitmap.SetRenderScale(pageArea_->Scale() * ratio, ratio);
}

void ChartViewer::RedrawScreenPage() {
  if (!storage_ || flags_.Busy()) return;
  ApplyViewScale();
  if (device_ == OutputDevice::Screen && storage_->session.CurrentEntry() != 0)
    DrawWheelPage(Printout::Wheel, true);
  else ShowPage();
}

bool ChartViewer::DrawWheelPage(Printout, bool single) {
  if (!storage_ || storage_->session.CurrentEntry() == 0) return false;
  if (!storage_->session.Current().calcComplete()) {
    // Never drawn as if it were calculated: the page is emptied instead.
    ShowMessage(IncompleteChartText(storage_->session.Current().name()), MsgIcon::Warning);
    storage_->bitmap.ClearPage();
    return false;
  }
  const int busyBefore = flags_.busy;
  flags_.busy = std::max(1, busyBefore);
  flags_.continueFlag = true;
  DrawingSurface* surface = &storage_->bitmap;
  if (device_ == OutputDevice::Printer) surface = storage_->activePrinter;

  const EntryLookup lookup = SessionLookup();
  // A pattern stays marked only on the chart it was chosen for.
  if (highlightEntry_ != storage_->session.CurrentEntry() || compareEntry_ != 0) {
    storage_->assembler.SetHighlightedPoints({});
    highlightEntry_ = 0;
  }
  const PageCharts charts = CurrentPageCharts();
  WheelPageInput page = charts.Input(lookup);
  page.aspectPair = aspectPair_;
  page.points = ReadPointSettings(Control());
  pageCategory_ = charts.category;
  bool drawn = false;
  if (surface) {
    // Only the screen clears the continue flag at the end of its page: a
    // printer page is drawn once.
    do {
      drawn = AssembleChosenPage(*surface, page, charts);
    } while (!single && drawn && flags_.continueFlag && device_ == OutputDevice::Screen);
  }
  // The caption names the chart shown, not the base chart inside it.
  if (drawn && device_ == OutputDevice::Screen)
    SetCaption(ViewerCaption(storage_->session.Current(), storage_->assembler.Names(), lookup));
  if (drawn && device_ == OutputDevice::Screen) {
    storage_->pageCharts = charts;
    UpdateAspectPanel();
  }
  flags_.busy = busyBefore;
  return drawn;
}

PageCharts ChartViewer::CurrentPageCharts() const {
  // A derived chart is drawn outside its base chart (two bases: a tri-wheel).
  const EntryLookup lookup = SessionLookup();
  PageCharts charts = ChartsOfPage(storage_->session.Current(), lookup);
  // A chart chosen with "Compare with..." is drawn outside a natal chart.
  if (compareEntry_ != 0 && compareBase_ == storage_->session.CurrentEntry() && charts.category == 'R') {
    ChartEntry other;
    if (lookup(compareEntry_, other) && other.calcComplete() && ComparableCharts(charts.inner, other)) {
      charts.second = other;
      charts.category = 'B';
    }
  }
  for (ChartEntry* chart : {&charts.inner, &charts.second, &charts.third})
    TakeReturnZoneFromItsTable(*chart);
  return charts;
}

PointsPageInput ChartViewer::PointsOfPage() {
  // Each file is read once per viewing; a file that cannot be read is named
  // once, and the page says so in its place.
  ViewerLots();
  if (!storage_->stars) {
    storage_->stars = ReadFixedStarFile();
    if (!storage_->stars->error.empty())
      ShowMessage(storage_->stars->error, storage_->stars->missing ? MsgIcon::Warning : MsgIcon::Error);
  }
  PointsPageInput in;
  in.chart = &storage_->session.Current();
  in.lots = &storage_->lots->lots;
  in.stars = &storage_->stars->stars;
  in.starOrb = Control().fixedStarOrb();
  return in;
}

bool ChartViewer::DrawDialPage(DrawingSurface& s) {
  const WheelPageAssembler& a = storage_->assembler;
  return AssembleDialPage(
      s, dial_->InputFor(storage_->session.Current(), a.Definition(), a.Aspects().options.MidpointOrb()),
      a.Names());
}

const std::vector<Lot>& ChartViewer::ViewerLots() {
  if (!storage_->lots) {
    storage_->lots = ReadLotFile();
    if (!storage_->lots->error.empty())
      ShowMessage(storage_->lots->error, storage_->lots->missing ? MsgIcon::Warning : MsgIcon::Error);
  }
  return storage_->lots->lots;
}

AspectsPageInput ChartViewer::AspectsOfPage(const PageCharts& charts) const {
  AspectsPageInput in;
  in.inner = &charts.inner;
  if (charts.category == 'B' && compareEntry_ != 0 && ComparableCharts(charts.inner, charts.second))
    in.outer = &charts.second;
  return in;
}

bool ChartViewer::AssembleChosenPage(DrawingSurface& s, const WheelPageInput& page,
                                     const PageCharts& charts) {
  if (dial_ && dial_->On()) return DrawDialPage(s);
  if (pointsPageAction_ && pointsPageAction_->isChecked())
    return AssemblePointsPage(s, PointsOfPage(), storage_->assembler.Names());
  if (aspectsPageAction_ && aspectsPageAction_->isChecked())
    return AssembleAspectsPage(s, AspectsOfPage(charts), storage_->assembler.Names());
  // The lots chosen into the wheel come from the lot file.
  WheelPageInput withLots = page;
  if (page.points.wheelLots != 0) withLots.lots = &ViewerLots();
  return storage_->assembler.AssembleWheelPage(s, withLots);
}

EntryLookup ChartViewer::SessionLookup() const {
  return [this](int record, ChartEntry& e) { return storage_ && storage_->session.Lookup(record, e); };
}

bool ChartViewer::DrawPrintout(Printout printout, bool) {
  // The report and the wheel both end in the standard wheel page.
  return DrawWheelPage(printout, true);
}

void ChartViewer::ShowPage() {
  if (!storage_) return;
  pageArea_->ShowImage(storage_->bitmap.Image());
}

void ChartViewer::ScrollToTop() {
  pageArea_->verticalScrollBar()->setValue(0);
  pageArea_->horizontalScrollBar()->setValue(0);
}

std::string ChartViewer::Caption() const { return FromQt(windowTitle()); }

void ChartViewer::SetCaption(const std::string& text) { setWindowTitle(ToQt(text)); }

// ---- Entries ------------------------------------------------------------------

void ChartViewer::RebuildEntriesMenu() {
  entryList_->clear();
  if (!storage_) return;
  for (const std::string& line : storage_->session.OtherEntries()) entryList_->addItem(ToQt(line));
  const vostrane::EntriesMenu& menu = storage_->session.Menu();
  for (int k = 0; k < kEntryMenuItems; ++k) {
    entryActions_[k]->setText(MenuText(menu.captions[k]));
    entryActions_[k]->setVisible(menu.visible[k]);
  }
  entriesMenu_->menuAction()->setVisible(menu.menuVisible);
}

void ChartViewer::EntryMenuClick(int k) {
  if (k < 0 || k >= entryList_->count()) return;
  entryList_->setCurrentRow(k);
  EntryListClick();
}

void ChartViewer::EntryListClick() {
  if (flags_.Busy() || !storage_) return;
  const QListWidgetItem* item = entryList_->currentItem();
  if (!item) return;
  const int n = EntryNumberOfLine(FromQt(item->text()));
  if (!storage_->session.Select(n)) return;
  RebuildEntriesMenu();
  DrawWheelPage(Printout::Wheel, true);
  ScrollToTop();
}

int ChartViewer::CurrentEntry() const { return storage_ ? storage_->session.CurrentEntry() : 0; }

int ChartViewer::EntryCount() const { return storage_ ? storage_->session.EntryCount() : 0; }

QImage ChartViewer::PageImage() const { return storage_ ? storage_->bitmap.Image() : QImage(); }

PageMetrics ChartViewer::ScreenPageMetrics() const {
  return storage_ ? storage_->bitmap.ScreenMetrics() : PageMetrics();
}

// ---- Exit -----------------------------------------------------------------------

void ChartViewer::ExitProcedure(ExitCommand command) {
  if (flags_.Busy() || !shell_) return;
  if (command == ExitCommand::ClearAll && !ConfirmNewList()) return;
  if (vostrane::ExitProcedure(*shell_, flags_, command, CurrentEntry())) accept();
}

void ChartViewer::AddDerivedClick() {
  if (flags_.Busy() || !storage_ || !derivedDialog_ || CurrentEntry() == 0) return;
  const std::optional<ChartEntry> derived = derivedDialog_(this, storage_->session.Entries(),
                                                           CurrentEntry());
  if (!derived) return;
  const int record = storage_->session.Append(*derived);
  if (record == 0) return;
  if (ExitToShowEntry(*shell_, flags_, record)) accept();
}

void ChartViewer::TimelineClick() {
  if (flags_.Busy() || !storage_ || CurrentEntry() == 0) return;
  const std::vector<ChartEntry>& entries = storage_->session.Entries();
  const int current = CurrentEntry();
  if (current > static_cast<int>(entries.size())) return;
  const ChartEntry& base = entries[static_cast<size_t>(current - 1)];
  if (!base.calcComplete()) return;
  TimelineWindow window(base, current, settings_.printer, this);
  window.SetSaveFileDialog(saveFileDialog_);
  if (window.exec() != QDialog::Accepted || !window.Chosen()) return;
  const DerivedBuild built = BuildDerivedEntry(*window.Chosen(), base, nullptr, EntryCount());
  if (!built.ok) {
    ShowMessage(built.error);
    return;
  }
  const int record = storage_->session.Append(built.entry);
  if (record == 0) return;
  if (ExitToShowEntry(*shell_, flags_, record)) accept();
}

bool ChartViewer::ConfirmNewList() {
  // Clearing a list with charts asks first; the list is kept as the
  // previous list.
  return EntryCount() == 0 || AskYesNo(NewListQuestion(EntryCount()));
}

void ChartViewer::ExitMenuClick() {
  if (flags_.Busy() || !shell_) return;
  ViewerExitMenu menu(this);
  const std::optional<RunPhase> choice = menu.Choose();
  if (choice == RunPhase::NewList && !ConfirmNewList()) return;
  // A cancelled exit leaves the exit flag clear and the viewer open.
  if (ExitToPhase(*shell_, flags_, choice, CurrentEntry())) accept();
}

// ---- Printing -------------------------------------------------------------------

std::unique_ptr<QPrinter> ChartViewer::DialogPrinter() const {
  const PrinterSettings& p = settings_.printer;
  const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
  std::unique_ptr<QPrinter> printer;
  const int index = p.PrinterIndexFor('2');
  if (printers.isEmpty()) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  else
    printer = std::make_unique<QPrinter>(
        index >= 0 && index < printers.size() ? printers[index] : QPrinterInfo::defaultPrinter(),
        QPrinter::HighResolution);
  // The paper: the control record's size when it sets one, else the paper
  // chosen in Preferences; the dialog may change both.
  double w = 0, h = 0;
  p.PaperSizeFor('2', w, h);
  if (w > 0 && h > 0) printer->setPageSize(QPageSize(QSizeF(w, h), QPageSize::Inch));
  else printer->setPageSize(PaperPageSize(p.paper.kind));
  if (p.config2.copies > 1) printer->setCopyCount(p.config2.copies);
  printer->setPageOrientation(SheetOrientation('P', p.paper));
  printer->setDocName(
      ToQt(ViewerCaption(storage_->session.Current(), storage_->assembler.Names(), SessionLookup())));
  printer->setFromTo(1, 1);
  return printer;
}

void ChartViewer::PrintClick() {
  if (flags_.Busy() || !storage_ || storage_->session.CurrentEntry() == 0) return;
  lastPrintoutFile_.clear();
  std::unique_ptr<PrinterSurface> printer = std::move(storage_->collecting);
  if (!printer) {
    std::unique_ptr<QPrinter> chosen = DialogPrinter();
    if (!printDialog_ || !printDialog_(*chosen, this)) return;
    printer = MakePrinter();
    printer->UsePrinter(std::move(chosen));
  }
  PrintOn(std::move(printer), false);
}

void ChartViewer::SavePdfClick() {
  if (flags_.Busy() || !storage_ || storage_->session.CurrentEntry() == 0) return;
  lastPrintoutFile_.clear();
  const ChartEntry& e = storage_->session.Current();
  const QString folder = lastPdfFolder_.empty() ? QDir::currentPath() : ToQt(lastPdfFolder_);
  const std::string suggested = FromQt(QDir(folder).filePath(
      ToQt(PrintoutFileBase(e.name(), storage_->session.CurrentEntry()) + ".pdf")));
  const std::string path = WithPdfExtension(saveFileDialog_ ? saveFileDialog_(this, suggested) : "");
  if (path.empty()) return;
  const QFileInfo info(ToQt(path));
  lastPdfFolder_ = FromQt(info.absolutePath());
  if (info.exists() &&
      !AskYesNo("The file " + path + " already exists.\r\nDo you want to replace it?", MsgIcon::Warning))
    return;
  auto printer = MakePrinter();
  printer->SetPdfOutput(path);
  if (PrintOn(std::move(printer), true)) lastPrintoutFile_ = path;
}

void ChartViewer::SaveSvgClick() {
  if (flags_.Busy() || !storage_ || storage_->session.CurrentEntry() == 0) return;
  lastPrintoutFile_.clear();
  const ChartEntry& e = storage_->session.Current();
  if (!e.calcComplete()) {
    ShowMessage(IncompleteChartText(e.name()), MsgIcon::Warning);
    return;
  }
  const QString folder = lastPdfFolder_.empty() ? QDir::currentPath() : ToQt(lastPdfFolder_);
  const std::string suggested = FromQt(QDir(folder).filePath(
      ToQt(PrintoutFileBase(e.name(), storage_->session.CurrentEntry()) + ".svg")));
  const std::string path = WithExtension(svgFileDialog_ ? svgFileDialog_(this, suggested) : "", ".svg");
  if (path.empty()) return;
  const QFileInfo info(ToQt(path));
  lastPdfFolder_ = FromQt(info.absolutePath());
  if (info.exists() &&
      !AskYesNo("The file " + path + " already exists.\r\nDo you want to replace it?", MsgIcon::Warning))
    return;

  QApplication::setOverrideCursor(Qt::WaitCursor);
  flags_.busy = 2;
  const std::string caption = Caption();
  bool written = false;
  {
    NormalCursorMessages messages;
    const EntryLookup lookup = SessionLookup();
    const PageCharts charts = CurrentPageCharts();
    WheelPageInput page = charts.Input(lookup);
    page.aspectPair = aspectPair_;
    page.points = ReadPointSettings(Control());
    const std::string title = ViewerCaption(e, storage_->assembler.Names(), lookup);
    written = WriteSvgFile(path, SvgPageMetrics(settings_.printer), kSvgDotsPerInch, title,
                           storage_->fonts, this, [&](DrawingSurface& s) {
                             flags_.continueFlag = true;
                             return AssembleChosenPage(s, page, charts);
                           });
    if (!written)
      ShowMessage("ERROR!  Unable to write the file " + path +
                      ".\r\nThe disk may be full or the folder closed to writing; an earlier file "
                      "of that name is kept as it was.",
                  MsgIcon::Error);
  }
  SetCaption(caption);
  if (written) lastPrintoutFile_ = path;
  flags_.busy = 0;
  QApplication::restoreOverrideCursor();
}

std::unique_ptr<PrinterSurface> ChartViewer::MakePrinter() {
  PrinterSettings printer = settings_.printer;
  printer.jobTitle = ViewerCaption(storage_->session.Current(), storage_->assembler.Names(),
                                   SessionLookup());
  // Every print command is a whole document of its own now that the user
  // chooses where each one goes.
  printer.oneDocumentPerPrintout = true;
  auto surface = std::make_unique<PrinterSurface>(printer);
  surface->SetFontNames(storage_->fonts);
  surface->SetHost(this);
  return surface;
}

bool ChartViewer::PrintOn(std::unique_ptr<PrinterSurface> printer, bool pdfFile) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  flags_.busy = 2;
  const int savedEntry = storage_->session.CurrentEntry();
  const int savedScroll = pageArea_->verticalScrollBar()->value();
  bool done = false;
  {
    NormalCursorMessages messages;
    device_ = OutputDevice::Printer;
    flags_.continueFlag = true;
    storage_->activePrinter = printer.get();
    const bool drawn = DrawPrintout(Printout::Wheel, false);
    storage_->activePrinter = nullptr;
    if (drawn && printer->DocumentOpen() && !pdfFile) {
      // A printer document that collects several printouts stays open
      // until the viewer closes.
      storage_->collecting = std::move(printer);
      done = true;
    } else {
      const bool ended = printer->EndDocument();
      done = drawn && ended && !printer->WriteFailed();
      printer.reset();
    }
  }

  // Back to the screen as it was, whatever happened on the printer: the
  // same entry, the page image rebuilt at the screen's metrics and drawn
  // afresh, at the same scroll position.
  device_ = OutputDevice::Screen;
  if (storage_->session.CurrentEntry() != savedEntry) {
    storage_->session.Select(savedEntry);
    RebuildEntriesMenu();
  }
  SetUpScreenPage();
  DrawPrintout(Printout::Wheel, false);
  pageArea_->verticalScrollBar()->setValue(savedScroll);
  flags_.busy = 0;
  QApplication::restoreOverrideCursor();
  return done;
}

// ---- Aspects and comparison --------------------------------------------------

void ChartViewer::ShowAspectPanel() {
  if (!storage_) return;
  if (!aspectPanel_) {
    aspectPanel_ = new AspectPanel(this);
    aspectPanel_->onHighlight = [this](const std::vector<int>& points) { HighlightPattern(points); };
  }
  UpdateAspectPanel();
  aspectPanel_->show();
  aspectPanel_->raise();
}

void ChartViewer::UpdateAspectPanel() {
  if (!aspectPanel_ || highlighting_ || !storage_ || storage_->session.CurrentEntry() == 0) return;
  const WheelPageAssembler& a = storage_->assembler;
  const PageCharts& charts = storage_->pageCharts;
  if (charts.category == 'B' && compareEntry_ != 0 && ComparableCharts(charts.inner, charts.second)) {
    aspectPanel_->ShowComparison(a.Aspects(),
                                 CompareCharts(a.Aspects(), a.Definition(), charts.inner, charts.second),
                                 a.Names(), charts.inner.name(), charts.second.name());
    return;
  }
  const ChartAspects found = ComputeChartAspects(a.Aspects(), a.Definition(), charts.inner);
  aspectPanel_->ShowChart(a.Aspects(), found.aspects, found.patterns, a.Names(), charts.inner.name());
}

void ChartViewer::HighlightPattern(const std::vector<int>& points) {
  if (!storage_) return;
  storage_->assembler.SetHighlightedPoints(points);
  highlightEntry_ = storage_->session.CurrentEntry();
  // The panel stays as it is: it chose the pattern.
  highlighting_ = true;
  RedrawScreenPage();
  highlighting_ = false;
}

void ChartViewer::CompareWith(int entry) {
  if (!storage_ || flags_.Busy()) return;
  compareEntry_ = entry;
  compareBase_ = entry ? storage_->session.CurrentEntry() : 0;
  RedrawScreenPage();
}

namespace {
const char* const kPersonOfTheNameFile = "(a person of the name file...)";
}  // namespace

void ChartViewer::CompareClick() {
  if (!storage_ || flags_.Busy() || storage_->session.CurrentEntry() == 0) return;
  if (storage_->session.Current().chartType() != 0) {
    ShowMessage("Only a natal chart can be compared with another person's chart.", MsgIcon::Information);
    return;
  }
  std::vector<int> numbers;
  std::vector<std::string> labels;
  for (int n = 1; n <= storage_->session.EntryCount(); ++n) {
    ChartEntry e;
    if (n == storage_->session.CurrentEntry() || !storage_->session.Lookup(n, e) || !e.calcComplete() ||
        e.chartType() != 0)
      continue;
    numbers.push_back(n);
    labels.push_back(std::to_string(n) + ". " + e.name());
  }
  if (compareEntry_) labels.push_back("(no comparison: the chart alone)");
  labels.push_back(kPersonOfTheNameFile);
  int chosen = -1;
  if (compareChooser_) {
    chosen = compareChooser_(labels);
  } else {
    QStringList items;
    for (const std::string& l : labels) items << ToQt(l);
    bool ok = false;
    const QString item = QInputDialog::getItem(this, "Vostrane - Compare with",
                                               "Chart drawn outside:", items, 0, false, &ok);
    if (ok) chosen = static_cast<int>(items.indexOf(item));
  }
  if (chosen < 0 || chosen >= static_cast<int>(labels.size())) return;
  if (chosen == static_cast<int>(labels.size()) - 1) return ComparePersonClick();
  CompareWith(chosen < static_cast<int>(numbers.size()) ? numbers[chosen] : 0);
}

void ChartViewer::ComparePersonClick() {
  if (!storage_ || flags_.Busy() || CurrentEntry() == 0) return;
  std::optional<BirthDataFields> person;
  {
    PersonsWindow persons(NamesTable(), this);
    persons.setWindowTitle("Vostrane - Compare with a Person");
    persons.SetOpenHandler([&](const BirthDataFields& chosen) { person = chosen; });
    persons.exec();
  }
  if (!person) return;
  const int base = CurrentEntry();
  const int record = storage_->session.Append(
      ChartOfPerson(*person, ZodiacOrDefault(Control().defaultZodiacLetter()), EntryCount() + 1));
  if (record == 0) return;
  if (ExitToCompare(*shell_, flags_, base, record)) accept();
}

}  // namespace vostrane
