// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/MessageService.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(Messages, ScriptedAnswersAreGivenInOrderAndRecorded) {
  ScopedScriptedMessages messages;
  messages->Answer(MsgAnswer::Yes);
  messages->Answer(MsgAnswer::No);
  EXPECT_TRUE(AskYesNo("first?"));
  ShowMessage("just a note");
  EXPECT_FALSE(AskYesNo("second?"));
  EXPECT_FALSE(AskYesNo("unscripted?"));  // the default answer is No
  ASSERT_EQ(messages->Shown().size(), 4u);
  EXPECT_EQ(messages->Shown()[1].buttons, MsgButtons::Ok);
  EXPECT_TRUE(messages->Saw("note"));
}

TEST(MessagesDeathTest, EndProgramShowsTheMessageRunsHooksAndExitsNonZero) {
  test::TempFolder folder;
  EXPECT_EXIT(
      {
        AddShutdownHook([] { std::fputs("closing first\n", stderr); });
        AddShutdownHook([] { std::fputs("closing second\n", stderr); });
        EndProgram("Disk gone.  Program ended.");
      },
      testing::ExitedWithCode(1),
      "Disk gone.  Program ended.\n(.|\n)*closing second\n(.|\n)*closing first");
}

}  // namespace
}  // namespace vostrane
