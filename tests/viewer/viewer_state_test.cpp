// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/RunState.h"
#include "viewer/ViewerState.h"

namespace vostrane {
namespace {

TEST(ExitProcedure, SetsTheRunStateOfTheCommandAndTheExitFlag) {
  ShellState shell;
  ViewerFlags flags;
  shell.phase = RunPhase::CalculateAndShow;
  EXPECT_TRUE(
      ExitProcedure(shell, flags, ExitCommand::ClearAll));  // "Clear All Entries and Start New List"
  EXPECT_EQ(shell.phase, RunPhase::NewList);
  EXPECT_TRUE(flags.exitFlag);
  ViewerClosing(shell, flags);
  EXPECT_EQ(shell.phase, RunPhase::NewList);  // the exit command's state stays

  flags = ViewerFlags();
  EXPECT_TRUE(ExitProcedure(shell, flags, ExitCommand::ExitToMenu));  // "&Yes: Exit to Opening Screen"
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, IsIgnoredWhileBusyAndForNoChoice) {
  ShellState shell;
  shell.phase = RunPhase::CalculateAndShow;
  for (int busy : {1, 2}) {
    ViewerFlags flags;
    flags.busy = busy;
    EXPECT_FALSE(ExitProcedure(shell, flags, ExitCommand::ClearAll));
    EXPECT_FALSE(ExitToPhase(shell, flags, RunPhase::MainMenu));
    EXPECT_FALSE(flags.exitFlag);
    EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
  }
  ViewerFlags flags;
  EXPECT_FALSE(ExitToPhase(shell, flags, std::nullopt));  // the exit menu's cancel
  EXPECT_FALSE(ExitToPhase(shell, flags, RunPhase::CalculateAndShow));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
}

TEST(ExitProcedure, AnAppendedChartIsCalculatedAndShownNext) {
  ShellState shell;
  ViewerFlags flags;
  flags.busy = 1;
  shell.phase = RunPhase::MainMenu;
  EXPECT_FALSE(ExitToShowEntry(shell, flags, 4));
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  flags.busy = 0;
  EXPECT_FALSE(ExitToShowEntry(shell, flags, 0));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_TRUE(ExitToShowEntry(shell, flags, 4));
  EXPECT_EQ(shell.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(shell.entryToShow, 4);
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, RoadsBackToTheFormCarryTheEntryToEdit) {
  ShellState shell;
  ViewerFlags flags;
  EXPECT_TRUE(
      ExitProcedure(shell, flags, ExitCommand::EditEntries, 3));  // "Edit Entries" with entry 3 shown
  EXPECT_EQ(shell.phase, RunPhase::EditEntries);
  EXPECT_EQ(shell.entryToShow, 3);
  EXPECT_TRUE(flags.exitFlag);

  ViewerFlags append;
  EXPECT_TRUE(ExitToPhase(shell, append, RunPhase::AppendEntry, 3));  // the exit menu's Append
  EXPECT_EQ(shell.phase, RunPhase::AppendEntry);
  EXPECT_EQ(shell.entryToShow, 0);
  EXPECT_TRUE(append.exitFlag);
}

TEST(ViewerClosing, TheTitleBarGoesBackToTheMainMenu) {
  ShellState shell;
  shell.phase = RunPhase::CalculateAndShow;
  ViewerFlags flags;
  ViewerClosing(shell, flags);
  EXPECT_EQ(shell.phase, RunPhase::MainMenu);
  EXPECT_TRUE(ExitToPhase(shell, flags, RunPhase::NewList));
  ViewerClosing(shell, flags);
  EXPECT_EQ(shell.phase, RunPhase::NewList);
}

}  // namespace
}  // namespace vostrane
