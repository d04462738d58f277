// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>

#include <deque>

#include "atlas/PlacesTable.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "session/ChartEntry.h"
#include "common/RunState.h"
#include "shell/gui/SessionPhases.h"
#include "shell/gui/MainWindow.h"
#include "tests/shell_gui/ShellTestSupport.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

// Phases that log what the shell asked for and set the run state as scripted.
class ScriptedPhases : public SessionPhases {
 public:
  std::vector<std::string> log;
  std::deque<RunPhase> formStates;
  std::deque<RunPhase> viewerStates;

  std::vector<QString> captions;  // of the main window while calculating and viewing

  void ShowBirthDataForm(QWidget*, ShellState& state) override {
    log.push_back("form");
    state.phase = Next(formStates);
  }
  void CalculateSession(QWidget* parent) override {
    log.push_back("calc");
    captions.push_back(parent->windowTitle());
  }
  void PrepareDrawing() override { log.push_back("prepare"); }
  void ShowViewer(QWidget* parent, ShellState& state, ViewerSize size) override {
    captions.push_back(parent->windowTitle());
    log.push_back("viewer " + std::to_string(size.height) + "/" + std::to_string(size.printoutHeight));
    state.phase = Next(viewerStates);
  }
  void CloseViewer() override { log.push_back("close"); }

 private:
  static RunPhase Next(std::deque<RunPhase>& states) { return test::NextState(states); }
};

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override { test::WriteShellFiles(folder_); }

  void WriteSession(int64_t bytes) { folder_.Write("INPUT.FIL", std::string(bytes, '\0')); }

  test::TempFolder folder_;
  ScopedScriptedMessages messages_;
  ScriptedPhases phases_;
};

TEST_F(MainWindowTest, HasTitleAndMenus) {
  MainWindow form(phases_);
  EXPECT_EQ(form.windowTitle(), "Vostrane");
  QStringList titles;
  for (QAction* a : form.menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&Start", "&Preferences...", "Name &File", "&Help", "&Quit"}));
  QStringList help;
  for (QAction* a : form.menuBar()->actions()[3]->menu()->actions())
    if (!a->isSeparator()) help << a->text();
  EXPECT_EQ(help, (QStringList{"&User Guide", "&Keyboard Shortcuts", "&About"}));
  EXPECT_GE(form.minimumWidth(), 350);
  EXPECT_EQ(form.InstructionText(),
            "Instructions: For typical operation, select \"Start\" and then \"New\"");
}

TEST_F(MainWindowTest, AMissingAtlasIsReportedAtStartAndNotMadeEmpty) {
  MainWindow form(phases_);
  EXPECT_EQ(messages_->Count(kAtlasMissingText), 1);
  EXPECT_FALSE(FileExists("places.dbf"));
  EXPECT_FALSE(PlacesTable().IsOpen());
}

TEST_F(MainWindowTest, ContinueWithoutSessionPromptsForBirthData) {
  MainWindow form(phases_);
  messages_->Clear();
  form.ContinueSessionClick();
  EXPECT_TRUE(
      messages_->Saw("Note: There are no entries in your previous session,\r\nso you will "
                     "be prompted to enter birth data."));
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"form"}));
  EXPECT_EQ(form.State().phase, RunPhase::MainMenu);
}

TEST_F(MainWindowTest, SessionSizeDecidesWhetherThereAreEntries) {
  MainWindow form(phases_);
  WriteSession(21000);  // counts as empty
  form.ContinueSessionClick();
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"form"}));

  phases_.log.clear();
  WriteSession(21001);
  form.ContinueSessionClick();
  ASSERT_GE(phases_.log.size(), 4u);
  EXPECT_EQ(phases_.log[0], "calc");
  EXPECT_EQ(phases_.log[1], "prepare");
  EXPECT_EQ(phases_.log[2].rfind("viewer ", 0), 0u);
  EXPECT_EQ(phases_.log[3], "close");
  EXPECT_EQ(form.windowTitle(), "Vostrane");  // caption restored after the viewing
  // "PLEASE WAIT" while the charts are calculated, not while they are viewed.
  EXPECT_EQ(phases_.captions, (std::vector<QString>{"Calculating . . .  PLEASE WAIT!", "Vostrane"}));
}

TEST_F(MainWindowTest, NewSessionLoopsUntilTheMainMenuIsAskedFor) {
  MainWindow form(phases_);
  WriteSession(3 * kEntrySize);
  // Done with entries, then "Clear All Entries and Start New List", then
  // Done again, then the viewer's exit to the opening screen.
  phases_.formStates = {RunPhase::CalculateAndShow, RunPhase::CalculateAndShow};
  phases_.viewerStates = {RunPhase::NewList, RunPhase::MainMenu};
  form.NewSessionClick();
  std::vector<std::string> kinds;
  for (const auto& s : phases_.log) kinds.push_back(s.substr(0, s.find(' ')));
  EXPECT_EQ(kinds, (std::vector<std::string>{"form", "calc", "prepare", "viewer", "close", "form",
                                             "calc", "prepare", "viewer", "close"}));
  EXPECT_EQ(form.State().phase, RunPhase::MainMenu);
}

TEST_F(MainWindowTest, ViewingErasesOldPrintoutFiles) {
  MainWindow form(phases_);
  WriteSession(3 * kEntrySize);  // per-entry files of entries 3 and up go
  folder_.Write("old.BMP", "x");
  folder_.Write("CTY3.FIL", "x");
  folder_.Write("CTY2.FIL", "x");
  form.ContinueSessionClick();
  EXPECT_FALSE(FileExists("old.BMP"));
  EXPECT_FALSE(FileExists("CTY3.FIL"));
  EXPECT_TRUE(FileExists("CTY2.FIL"));
  EXPECT_EQ(form.InstructionText(),
            "Instructions: For typical operation, select \"Start\" and then \"New\"");
}

TEST_F(MainWindowTest, StartUpReportsMissingInstallationFiles) {
  MainWindow form(phases_);
  EXPECT_TRUE(messages_->Saw("ERROR! File DSTRECS.DAT not found on disk. Re-install Vostrane!!!"));
  EXPECT_TRUE(messages_->Saw("ERROR! Unable to read data from file DSTRECS.DAT. Re-install this file!"));
  EXPECT_TRUE(messages_->Saw("Error! File zorastro.ttf is not in the Vostrane folder!"));
  EXPECT_FALSE(messages_->Saw("ZORCTRL.DAT"));
  EXPECT_EQ(folder_.Read("SCRSEL.DAT").size(), 1u);
}

TEST(MainWindowDeathTest, MissingMessageTextFileEndsTheProgram) {
  test::TempFolder folder;
  ScriptedPhases phases;
  EXPECT_EXIT({ MainWindow form(phases); }, testing::ExitedWithCode(1),
              "ERROR!  File QIRTEXT.DAT not on disk!!!");
}

}  // namespace
}  // namespace vostrane
