#include <gtest/gtest.h>

#include "common/RunState.h"
#include "viewer/ViewerState.h"

namespace vostrane {
namespace {

TEST(ExitProcedure, SetsTheRunStateOfTheCommandAndTheExitFlag) {
  ViewerFlags flags;
  RunState = RunPhase::CalculateAndShow;
  EXPECT_TRUE(ExitProcedure(flags, ExitCommand::ClearAll));  // "Clear All Entries and Start New List"
  EXPECT_EQ(RunState, RunPhase::NewList);
  EXPECT_TRUE(flags.exitFlag);
  ViewerClosing(flags);
  EXPECT_EQ(RunState, RunPhase::NewList);  // the exit command's state stays

  flags = ViewerFlags();
  EXPECT_TRUE(ExitProcedure(flags, ExitCommand::ExitToMenu));  // "&Yes: Exit to Opening Screen"
  EXPECT_EQ(RunState, RunPhase::MainMenu);
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, IsIgnoredWhileBusyAndForNoChoice) {
  RunState = RunPhase::CalculateAndShow;
  for (int busy : {1, 2}) {
    ViewerFlags flags;
    flags.busy = busy;
    EXPECT_FALSE(ExitProcedure(flags, ExitCommand::ClearAll));
    EXPECT_FALSE(ExitToRunState(flags, RunPhase::MainMenu));
    EXPECT_FALSE(flags.exitFlag);
    EXPECT_EQ(RunState, RunPhase::CalculateAndShow);
  }
  ViewerFlags flags;
  EXPECT_FALSE(ExitToRunState(flags, std::nullopt));  // the exit menu's cancel
  EXPECT_FALSE(ExitToRunState(flags, RunPhase::CalculateAndShow));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_EQ(RunState, RunPhase::CalculateAndShow);
}

TEST(ExitProcedure, AnAppendedChartIsCalculatedAndShownNext) {
  ViewerFlags flags;
  flags.busy = 1;
  RunState = RunPhase::MainMenu;
  EXPECT_FALSE(ExitToShowEntry(flags, 4));
  EXPECT_EQ(RunState, RunPhase::MainMenu);
  flags.busy = 0;
  EXPECT_FALSE(ExitToShowEntry(flags, 0));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_TRUE(ExitToShowEntry(flags, 4));
  EXPECT_EQ(RunState, RunPhase::CalculateAndShow);
  EXPECT_EQ(RunStateEntry, 4);
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, RoadsBackToTheFormCarryTheEntryToEdit) {
  ViewerFlags flags;
  EXPECT_TRUE(ExitProcedure(flags, ExitCommand::EditEntries, 3));  // "Edit Entries" with entry 3 shown
  EXPECT_EQ(RunState, RunPhase::EditEntries);
  EXPECT_EQ(RunStateEntry, 3);
  EXPECT_TRUE(flags.exitFlag);

  ViewerFlags append;
  EXPECT_TRUE(ExitToRunState(append, RunPhase::AppendEntry, 3));  // the exit menu's Append
  EXPECT_EQ(RunState, RunPhase::AppendEntry);
  EXPECT_EQ(RunStateEntry, 0);
  EXPECT_TRUE(append.exitFlag);
}

TEST(ViewerClosing, TheTitleBarGoesBackToTheMainMenu) {
  RunState = RunPhase::CalculateAndShow;
  ViewerFlags flags;
  ViewerClosing(flags);
  EXPECT_EQ(RunState, RunPhase::MainMenu);
  EXPECT_TRUE(ExitToRunState(flags, RunPhase::NewList));
  ViewerClosing(flags);
  EXPECT_EQ(RunState, RunPhase::NewList);
}

}  // namespace
}  // namespace vostrane
