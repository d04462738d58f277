#include <gtest/gtest.h>

#include "common/RunState.h"
#include "viewer/ViewerState.h"

namespace vostrane {
namespace {

TEST(ExitProcedure, SetsTheRunStateOfTheCommandAndTheExitFlag) {
  ViewerFlags flags;
  RunState = 'S';
  EXPECT_TRUE(ExitProcedure(flags, 'N'));  // "Clear All Entries and Start New List"
  EXPECT_EQ(RunState, 'N');
  EXPECT_TRUE(flags.exitFlag);
  ViewerClosing(flags);
  EXPECT_EQ(RunState, 'N');  // the exit command's state stays

  flags = ViewerFlags();
  EXPECT_TRUE(ExitProcedure(flags, 'M'));  // "&Yes: Exit to Opening Screen"
  EXPECT_EQ(RunState, 'Q');
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, IsIgnoredWhileBusyAndForOtherLetters) {
  RunState = 'S';
  for (int busy : {1, 2}) {
    ViewerFlags flags;
    flags.busy = busy;
    EXPECT_FALSE(ExitProcedure(flags, 'N'));
    EXPECT_FALSE(ExitToRunState(flags, 'Q'));
    EXPECT_FALSE(flags.exitFlag);
    EXPECT_EQ(RunState, 'S');
  }
  ViewerFlags flags;
  EXPECT_FALSE(ExitProcedure(flags, 'X'));
  EXPECT_FALSE(ExitToRunState(flags, 'X'));  // the exit menu's cancel
  EXPECT_FALSE(ExitToRunState(flags, 'S'));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_EQ(RunState, 'S');
}

TEST(ExitProcedure, AnAppendedChartIsCalculatedAndShownNext) {
  ViewerFlags flags;
  flags.busy = 1;
  RunState = 'Q';
  EXPECT_FALSE(ExitToShowEntry(flags, 4));
  EXPECT_EQ(RunState, 'Q');
  flags.busy = 0;
  EXPECT_FALSE(ExitToShowEntry(flags, 0));
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_TRUE(ExitToShowEntry(flags, 4));
  EXPECT_EQ(RunState, 'S');
  EXPECT_EQ(RunStateEntry, 4);
  EXPECT_TRUE(flags.exitFlag);
}

TEST(ExitProcedure, RoadsBackToTheFormCarryTheEntryToEdit) {
  ViewerFlags flags;
  EXPECT_TRUE(ExitProcedure(flags, 'E', 3));  // "Edit Entries" with entry 3 shown
  EXPECT_EQ(RunState, 'E');
  EXPECT_EQ(RunStateEntry, 3);
  EXPECT_TRUE(flags.exitFlag);

  ViewerFlags append;
  EXPECT_TRUE(ExitToRunState(append, 'A', 3));  // the exit menu's Append
  EXPECT_EQ(RunState, 'A');
  EXPECT_EQ(RunStateEntry, 0);
  EXPECT_TRUE(append.exitFlag);
}

TEST(ViewerClosing, TheTitleBarGoesBackToTheMainMenu) {
  RunState = 'S';
  ViewerFlags flags;
  ViewerClosing(flags);
  EXPECT_EQ(RunState, 'Q');
  EXPECT_TRUE(ExitToRunState(flags, 'N'));
  ViewerClosing(flags);
  EXPECT_EQ(RunState, 'N');
}

}  // namespace
}  // namespace vostrane
