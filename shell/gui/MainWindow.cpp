// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gui/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "atlas/DstTableIndex.h"
#include "atlas/PlacesTable.h"
#include "names/NameTable.h"
#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "platform/gui/Fonts.h"
#include "platform/gui/HelpWindow.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/ScreenMetrics.h"
#include "session/SessionBackup.h"
#include "session/SessionFile.h"
#include "common/ControlRecord.h"
#include "common/LargeFont.h"
#include "common/ListQuestions.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "shell/StartupFiles.h"
#include "shell/gui/SessionPhases.h"
#include "wheel/FontNames.h"
#include "shell/gui/AboutDialog.h"
#include "names/gui/PersonExchangeDialogs.h"
#include "names/gui/PersonsWindow.h"
#include "names/PersonChart.h"
#include "common/ChartSettings.h"
#include "shell/gui/PreferencesDialog.h"

namespace vostrane {
namespace {

constexpr const char* kInstructions =
    "Instructions: For typical operation, select \"Start\" and then \"New\"";
constexpr const char* kMemoText =
    "Vostrane is free to use, copy and give away, as long as it is passed on whole and "
    "unchanged.\n\n"
    "To cast charts: choose Start, then New List of Charts. Type the name, birth date, "
    "time and place of each person or event (the atlas fills in latitude, longitude, time "
    "zone and daylight time), then press Done. Vostrane calculates every chart and shows "
    "its wheel page, which you can print.\n\n"
    "Start, then Continue with Charts of Previous Session shows the charts of your last "
    "session again.";

}  // namespace

MainWindow::MainWindow(SessionPhases& phases, QWidget* parent) : QMainWindow(parent), phases_(phases) {
  setWindowTitle("Vostrane");
  setMinimumWidth(350);
  BuildMenu();
  BuildContent();
  CheckFonts();
  SelectScreen();
  PlaceWindow();
  // Each data file is checked against the installation's list when it is
  // first opened; a folder without the list is said once here.
  ReportManifestProblem();
  LoadDstTableIndex();
  // Rebuilding an index shows its progress, at start-up and whenever a
  // table changed behind its index's back.
  NamesTable().SetProgress(&indexProgress_);
  PlacesTable().SetProgress(&indexProgress_);
  OpenNamesTable();
  OpenPlacesTable();
  OpenControlFile();
  if (!OpenMessageTextFile()) EndProgram(MessageTextFileMissingText());
}

MainWindow::~MainWindow() {
  CloseNamesTable();
  ClosePlacesTable();
  NamesTable().SetProgress(nullptr);
  PlacesTable().SetProgress(nullptr);
  CloseMessageTextFile();
  if (ControlFileIsOpen()) CloseControlFile();
}

void MainWindow::BuildMenu() {
  QMenu* start = menuBar()->addMenu("&Start");
  newAction_ = start->addAction("&New List of Charts (New Session)");
  continueAction_ = start->addAction("&Continue with Charts of Previous Session");
  start->addSeparator();
  restoreAction_ = start->addAction("&Restore Previous List");
  connect(newAction_, &QAction::triggered, this, &MainWindow::NewSessionClick);
  connect(continueAction_, &QAction::triggered, this, &MainWindow::ContinueSessionClick);
  connect(restoreAction_, &QAction::triggered, this, &MainWindow::RestorePreviousListClick);

  QAction* preferences = menuBar()->addAction("&Preferences...");
  connect(preferences, &QAction::triggered, this, &MainWindow::PreferencesClick);

  QMenu* nameFile = menuBar()->addMenu("Name &File");
  connect(nameFile->addAction("&Persons..."), &QAction::triggered, this, &MainWindow::PersonsClick);
  connect(nameFile->addAction("&Import Persons..."), &QAction::triggered, this,
          [this] { ImportPersonsClick(this); });
  connect(nameFile->addAction("&Export Persons..."), &QAction::triggered, this,
          [this] { ExportPersonsClick(this); });

  SetAboutHandler([](QWidget* owner) {
    AboutDialog about(owner);
    about.exec();
  });
  AddHelpMenu(menuBar(), this);

  QMenu* quit = menuBar()->addMenu("&Quit");
  QAction* yes = quit->addAction("&Yes");
  quit->addAction("&No");
  connect(yes, &QAction::triggered, this, &MainWindow::QuitYesClick);
}

void MainWindow::BuildContent() {
  auto* central = new QWidget(this);
  central->setObjectName("MainWindowBody");
  central->setAutoFillBackground(true);
  QPalette palette = central->palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  central->setPalette(palette);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(10);

  auto* title = new QLabel("Vostrane", central);
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 2.0);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignHCenter);
  layout->addWidget(title);

  auto* subtitle = new QLabel("Astrological charts: calculation, chart wheels and printing", central);
  subtitle->setAlignment(Qt::AlignHCenter);
  layout->addWidget(subtitle);

  memo_ = new QPlainTextEdit(central);
  memo_->setObjectName("InfoMemo");
  memo_->setReadOnly(true);
  memo_->setPlainText(kMemoText);
  layout->addWidget(memo_, 1);

  instructionLabel_ = new QLabel(kInstructions, central);
  instructionLabel_->setObjectName("InstructionLabel");
  QFont bold = instructionLabel_->font();
  bold.setBold(true);
  instructionLabel_->setFont(bold);
  layout->addWidget(instructionLabel_);

  auto* contact = new QLabel("Vostrane " VOSTRANE_VERSION_TEXT
                             "  -  a desktop astrology program for Linux\n"
                             "Place data: GeoNames (geonames.org), CC BY 4.0",
                             central);
  contact->setObjectName("ContactLabel");
  layout->addWidget(contact);

  setCentralWidget(central);
}

void MainWindow::CheckFonts() {
  // The glyph font's family name is the one the installed font file carries.
  if (!FontFamilyInstalled(kGlyphFontFamily) && !AddFontFile("zorastro.ttf")) {
    ShowMessage("Error! File zorastro.ttf is not in the Vostrane folder!\r\nPlease re-install Vostrane.",
                MsgIcon::Error);
  }
  if (LargeFonts() && !FontFamilyInstalled("Arial") && !AddFontFile("ARIAL.TTF")) {
    ShowMessage(
        std::string("Error! Unable to load the Arial font.\r\nThe file ") + "ARIAL.TTF" + " " +
            "is not in the Vostrane folder." + "\r\n\r\n" + "Please do one of the following:" + "\r\n" +
            "1: Install the Arial font on this computer (with the font" + "\r\n" +
            "installer of your desktop or your package manager), OR" + "\r\n" +
            "2: Copy the file ARIAL.TTF into the Vostrane folder" + "\r\n" + "and start Vostrane again.",
        MsgIcon::Error);
  }
}

void MainWindow::SelectScreen() {
  if (UpdateScreenSelection(PrimaryScreenMetrics().width))
    ShowMessage(kNarrowScreenNote, MsgIcon::Information);
}

void MainWindow::PlaceWindow() {
  const ScreenMetrics screen = PrimaryScreenMetrics();
  resize(ScaleForLargeFont(640), ScaleForLargeFont(480));
  bool topLeft = false;
  if (screen.width < 780 || LargeFonts()) {
    if (screen.width < 810) topLeft = true;
    if (LargeFonts()) {
      if (screen.width > 790 && screen.width < 810) resize(783, 565);
      if (screen.width > 900) {
        resize(820, 550);
        move((screen.width - 820) / 2, 89);
        return;
      }
    }
  }
  if (topLeft) move(0, 0);
  else move((screen.width - width()) / 2, (screen.height - height()) / 2);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) MoveControlFilesToTctl();
}

void MainWindow::NewSessionClick() {
  // A list with charts is replaced only after a question; it is kept as the
  // backup that "Restore Previous List" brings back.
  const int charts = CountSessionEntries(kSessionFileName);
  if (charts > 0 && !AskYesNo(NewListQuestion(charts))) return;
  state_.phase = RunPhase::NewList;
  RunSessionLoop();
}

void MainWindow::ContinueSessionClick() {
  state_.phase = RunPhase::CalculateAndShow;
  RunSessionLoop();
}

void MainWindow::RestorePreviousListClick() {
  const int previous = CountSessionEntries(kSessionBackupName);
  if (previous == 0) {
    ShowMessage(NoPreviousListText(), MsgIcon::Information);
    return;
  }
  if (!AskYesNo(RestoreListQuestion(previous, CountSessionEntries(kSessionFileName)))) return;
  std::string error;
  if (!SwapSessionWithBackup(error)) {
    ShowMessage("ERROR! The previous list could not be restored.\r\n" + error, MsgIcon::Error);
    return;
  }
  state_.phase = RunPhase::CalculateAndShow;
  RunSessionLoop();
}

bool MainWindow::KeepPreviousList() {
  std::string error;
  if (KeepSessionAsBackup(error)) return true;
  ShowMessage("ERROR! The current list could not be kept, so no new list was started.\r\n" + error,
              MsgIcon::Error);
  return false;
}

void MainWindow::RunSessionLoop() {
  for (;;) {
    switch (state_.phase) {
      case RunPhase::CalculateAndShow: ShowSession(); break;
      case RunPhase::NewList:
        if (!KeepPreviousList()) {
          state_.phase = RunPhase::MainMenu;
          break;
        }
        [[fallthrough]];
      case RunPhase::AppendEntry:
      case RunPhase::EditEntries: phases_.ShowBirthDataForm(this, state_); break;
      case RunPhase::MainMenu: return;
    }
  }
}

void MainWindow::ShowSession() {
  // Fewer than three records (header, one entry, terminator): nothing to show.
  if (FileSize(kSessionFileName) <= 21000) {
    ShowMessage(
        "Note: There are no entries in your previous session,\r\nso you will be prompted to "
        "enter birth data.",
        MsgIcon::Information);
    state_.phase = RunPhase::NewList;
    return;
  }
  // The caption asks for patience while the charts are calculated and is
  // back before the viewer opens.
  const QString caption = windowTitle();
  setWindowTitle("Calculating . . .  PLEASE WAIT!");
  phases_.CalculateSession(this);
  phases_.PrepareDrawing();
  setWindowTitle(caption);
  ViewerSize viewerSize;
  if (PrimaryScreenMetrics().height <= 700) viewerSize = {560, 505};
  phases_.ShowViewer(this, state_, viewerSize);
  EraseOldPrintouts();
  phases_.CloseViewer();
}

void MainWindow::EraseOldPrintouts() {
  const QString previous = instructionLabel_->text().left(80);
  instructionLabel_->setText("PLEASE WAIT. OLD PRINTOUT FILES ARE BEING ERASED . . .");
  instructionLabel_->repaint();
  EraseOldPrintoutFiles();
  instructionLabel_->setText(previous);
}

void MainWindow::AboutClick() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::PersonsClick() {
  PersonsWindow persons(NamesTable(), this);
  persons.SetOpenHandler([this](const BirthDataFields& person) {
    std::string error;
    if (AppendChartOfPerson(person, ZodiacOrDefault(Control().defaultZodiacLetter()), error) == 0)
      return ShowMessage(error, MsgIcon::Error);
    ContinueSessionClick();
  });
  persons.exec();
}

void MainWindow::PreferencesClick() {
  PreferencesDialog preferences(this);
  preferences.exec();
}

void MainWindow::QuitYesClick() { QApplication::quit(); }

}  // namespace vostrane
