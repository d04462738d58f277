#include <gtest/gtest.h>

#include "shell/RunState.h"
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
  EXPECT_FALSE(ExitProcedure(flags, 'A'));
  EXPECT_FALSE(ExitToRunState(flags, 'X'));  // the exit menu's cancel
  EXPECT_FALSE(ExitToRunState(flags, 'A'));  // no road for appending
  EXPECT_FALSE(flags.exitFlag);
  EXPECT_EQ(RunState, 'S');
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
