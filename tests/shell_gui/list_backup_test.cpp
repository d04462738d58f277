// SPDX-License-Identifier: GPL-3.0-or-later
// "New List of Charts" asks before it replaces a list with charts and keeps
// that list; "Restore Previous List" brings it back and shows it.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <deque>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "session/SessionBackup.h"
#include "common/RunState.h"
#include "shell/gui/SessionPhases.h"
#include "shell/gui/MainWindow.h"
#include "tests/session/SessionBuilder.h"
#include "tests/shell_gui/ShellTestSupport.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {
namespace {

// Phases that log the shell's calls; the form and the viewer leave with the
// scripted run states (the form, like the real one, starts a new list on
// 'N' by emptying the session file).
class LoggingPhases : public SessionPhases {
 public:
  std::vector<std::string> log;
  std::deque<RunPhase> formStates;
  std::deque<RunPhase> viewerStates;
  TempFolder* folder = nullptr;

  void ShowBirthDataForm(QWidget*, ShellState& state) override {
    log.push_back("form " + PhaseLetter(state.phase));
    if (state.phase == RunPhase::NewList)
      folder->Write("INPUT.FIL", SessionBytes({NatalEntry("Fresh")}));
    state.phase = Next(formStates);
  }
  void CalculateSession(QWidget*) override { log.push_back("calc"); }
  void PrepareDrawing() override {}
  void ShowViewer(QWidget*, ShellState& state, ViewerSize) override {
    log.push_back("viewer");
    state.phase = Next(viewerStates);
  }
  void CloseViewer() override {}

 private:
  static RunPhase Next(std::deque<RunPhase>& states) { return test::NextState(states); }
};

class ListBackup : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteShellFiles(folder_);
    phases_.folder = &folder_;
  }

  TempFolder folder_;
  ScopedScriptedMessages messages_;
  LoggingPhases phases_;
};

TEST_F(ListBackup, NewListAsksAndNoKeepsEverything) {
  MainWindow form(phases_);
  const std::string list = SessionBytes({NatalEntry("Ann"), NatalEntry("Bob")});
  folder_.Write("INPUT.FIL", list);
  messages_->Clear();
  messages_->Answer(MsgAnswer::No);
  form.NewSessionClick();
  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(messages_->Saw("The current list holds 2 charts. Start a new list?"));
  EXPECT_TRUE(phases_.log.empty());
  EXPECT_EQ(folder_.Read("INPUT.FIL"), list);
  EXPECT_FALSE(FileExists("INPUT.BAK"));
}

TEST_F(ListBackup, NewListKeepsTheOldOneAndRestoreBringsItBack) {
  MainWindow form(phases_);
  const std::string list = SessionBytes({NatalEntry("Ann"), NatalEntry("Bob")});
  folder_.Write("INPUT.FIL", list);
  messages_->Answer(MsgAnswer::Yes);
  phases_.formStates = {RunPhase::CalculateAndShow};
  phases_.viewerStates = {RunPhase::MainMenu};
  form.NewSessionClick();
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"form N", "calc", "viewer"}));
  EXPECT_EQ(folder_.Read("INPUT.BAK"), list);
  EXPECT_EQ(CountSessionEntries("INPUT.FIL"), 1);

  phases_.log.clear();
  messages_->Clear();
  messages_->Answer(MsgAnswer::Yes);
  form.RestorePreviousListClick();
  EXPECT_TRUE(messages_->Saw("Restore the previous list of 2 charts?"));
  EXPECT_TRUE(messages_->Saw("The current list of 1 chart is kept in its place"));
  EXPECT_EQ(folder_.Read("INPUT.FIL"), list);
  EXPECT_EQ(CountSessionEntries("INPUT.BAK"), 1);
  // The restored list is calculated and shown.
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"calc", "viewer"}));
}

TEST_F(ListBackup, ClearAllFromTheViewerKeepsTheListItReplaces) {
  MainWindow form(phases_);
  const std::string list = SessionBytes({NatalEntry("Ann")});
  folder_.Write("INPUT.FIL", list);
  // Continue shows the list; the viewer's "Clear All" (already confirmed
  // there) comes back with 'N'; the new list is done and left.
  phases_.viewerStates = {RunPhase::NewList, RunPhase::MainMenu};
  phases_.formStates = {RunPhase::CalculateAndShow};
  form.ContinueSessionClick();
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"calc", "viewer", "form N", "calc", "viewer"}));
  EXPECT_EQ(folder_.Read("INPUT.BAK"), list);
}

TEST_F(ListBackup, TheViewerCanSendTheUserBackToTheList) {
  MainWindow form(phases_);
  folder_.Write("INPUT.FIL", SessionBytes({NatalEntry("Ann")}));
  phases_.viewerStates = {RunPhase::EditEntries, RunPhase::AppendEntry, RunPhase::MainMenu};
  phases_.formStates = {RunPhase::CalculateAndShow, RunPhase::CalculateAndShow};
  form.ContinueSessionClick();
  EXPECT_EQ(phases_.log, (std::vector<std::string>{"calc", "viewer", "form E", "calc", "viewer",
                                                   "form A", "calc", "viewer"}));
  EXPECT_FALSE(FileExists("INPUT.BAK"));  // nothing was replaced
}

TEST_F(ListBackup, RestoreWithoutAKeptListSaysSo) {
  MainWindow form(phases_);
  messages_->Clear();
  form.RestorePreviousListClick();
  EXPECT_TRUE(messages_->Saw("There is no previous list to restore."));
  EXPECT_TRUE(phases_.log.empty());
  QStringList items;
  for (QAction* a : form.menuBar()->actions().first()->menu()->actions()) items << a->text();
  EXPECT_TRUE(items.contains("&Restore Previous List"));
}

}  // namespace
}  // namespace vostrane::test
