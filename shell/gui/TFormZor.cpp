#include "shell/gui/TFormZor.h"

#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "atlas/DstTableIndex.h"
#include "atlas/PlacesTable.h"
#include "names/NameTable.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/gui/Fonts.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/ScreenMetrics.h"
#include "session/SessionFile.h"
#include "shell/ControlRecord.h"
#include "shell/LargeFont.h"
#include "shell/MessageTextFile.h"
#include "shell/RunState.h"
#include "shell/StartupFiles.h"
#include "shell/gui/SessionPhases.h"
#include "shell/gui/TAboutZorForm.h"

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

TFormZor::TFormZor(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Vostrane");
  setMinimumWidth(350);
  BuildMenu();
  BuildContent();
  CheckFonts();
  SelectScreen();
  PlaceWindow();
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

TFormZor::~TFormZor() {
  CloseNamesTable();
  ClosePlacesTable();
  NamesTable().SetProgress(nullptr);
  PlacesTable().SetProgress(nullptr);
  CloseMessageTextFile();
  if (ControlFileIsOpen()) CloseControlFile();
}

void TFormZor::BuildMenu() {
  QMenu* start = menuBar()->addMenu("&Start");
  newAction_ = start->addAction("&New List of Charts (New Session)");
  continueAction_ = start->addAction("&Continue with Charts of Previous Session");
  connect(newAction_, &QAction::triggered, this, &TFormZor::NewSessionClick);
  connect(continueAction_, &QAction::triggered, this, &TFormZor::ContinueSessionClick);

  QAction* about = menuBar()->addAction("&About");
  connect(about, &QAction::triggered, this, &TFormZor::AboutClick);

  QMenu* quit = menuBar()->addMenu("&Quit");
  QAction* yes = quit->addAction("&Yes");
  quit->addAction("&No");
  connect(yes, &QAction::triggered, this, &TFormZor::QuitYesClick);
}

void TFormZor::BuildContent() {
  auto* central = new QWidget(this);
  central->setObjectName("FormZorBody");
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

  auto* subtitle = new QLabel("Astrological charts: calculation, chart wheels and printing",
                              central);
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

  auto* contact = new QLabel(
      "Vostrane " VOSTRANE_VERSION_TEXT "  -  a desktop astrology program for Linux\n"
      "Place data: GeoNames (geonames.org), licensed under CC BY 3.0",
      central);
  contact->setObjectName("ContactLabel");
  layout->addWidget(contact);

  setCentralWidget(central);
}

void TFormZor::CheckFonts() {
  if (!FontFamilyInstalled("ZorlanAstro") && !AddFontFile("zorastro.ttf")) {
    ShowMessage(
        "Error! File ZORASTRO.TTF is not in the Zorlan directory!\r\nPlease re-install the "
        "Zorlan program.",
        MsgIcon::Error);
  }
  if (LargeFontMode() == 'L' && !FontFamilyInstalled("Arial") && !AddFontFile("ARIAL.TTF")) {
    ShowMessage(std::string("Error! Unable to load Zorlan Astro font.\r\nThe file ") +
                    "ARIAL.TTF" + " " + "is not in the zorlan folder." + "\r\n\r\n" +
                    "Please do one of the following:" + "\r\n" +
                    "1: Copy this file from the C:\\WINDOWS\\FONTS directory" + "\r\n" +
                    "to the zorlan folder, OR" + "\r\n" +
                    "2: Select Windows Start button/Settings/Control Panel/Fonts" + "\r\n" +
                    "and highlight " + "Arial" + ", select File/Delete to" + "\r\n" +
                    "remove it, and then run the SETUP program on the Zorlan CD" + "\r\n" +
                    "and select only the Zorlan Fonts to re-install the fonts.",
                MsgIcon::Error);
  }
}

void TFormZor::SelectScreen() {
  if (UpdateScreenSelection(PrimaryScreenMetrics().width))
    ShowMessage(kNarrowScreenNote, MsgIcon::Information);
}

void TFormZor::PlaceWindow() {
  const ScreenMetrics screen = PrimaryScreenMetrics();
  resize(ScaleForLargeFont(640), ScaleForLargeFont(480));
  bool topLeft = false;
  if (screen.width < 780 || LargeFontMode() == 'L') {
    if (screen.width < 810) topLeft = true;
    if (LargeFontMode() == 'L') {
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

void TFormZor::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) MoveControlFilesToTctl();
}

void TFormZor::NewSessionClick() {
  RunState = 'N';
  do {
    Phases().ShowBirthDataForm(this);
    if (RunState == 'S') ShowSession(sender());
  } while (RunState != 'Q');
}

void TFormZor::ContinueSessionClick() {
  RunState = 'S';
  ShowSession(sender());
  EnterDatAndCalcLoop();
}

void TFormZor::EnterDatAndCalcLoop() {
  while (RunState == 'N') {
    Phases().ShowBirthDataForm(this);
    if (RunState == 'S') ShowSession(nullptr);
  }
}

void TFormZor::ShowSession(QObject* sender) {
  // Fewer than three records (header, one entry, terminator): nothing to show.
  if (FileSize(kSessionFileName) <= 21000) {
    ShowMessage(
        "Note: There are no entries in your previous session,\r\nso you will be prompted to "
        "enter birth data.",
        MsgIcon::Information);
    RunState = 'N';
    return;
  }
  const QString caption = windowTitle();
  Phases().CalculateSession(this);
  setWindowTitle("Calculating . . .  PLEASE WAIT!");
  Phases().PrepareDrawing();
  ViewerSize viewerSize;
  if (PrimaryScreenMetrics().height <= 700) viewerSize = {560, 505};
  Phases().ShowViewer(this, sender, viewerSize);
  EraseOldPrintouts();
  Phases().CloseViewer();
  setWindowTitle(caption);
}

void TFormZor::EraseOldPrintouts() {
  const QString previous = instructionLabel_->text().left(80);
  instructionLabel_->setText("PLEASE WAIT. OLD PRINTOUT FILES ARE BEING ERASED . . .");
  instructionLabel_->repaint();
  EraseOldPrintoutFiles();
  instructionLabel_->setText(previous);
}

void TFormZor::AboutClick() {
  TAboutZorForm about(this);
  about.exec();
}

void TFormZor::QuitYesClick() { QApplication::quit(); }

}  // namespace vostrane
