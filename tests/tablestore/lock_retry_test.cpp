// SPDX-License-Identifier: GPL-3.0-or-later
// Patient locking: a lock granted after a few refusals is taken, a lock
// never granted is given up after pauses that grow instead of a burst of
// attempts.
#include <gtest/gtest.h>

#include "platform/LockRetry.h"

namespace vostrane::test {
namespace {

TEST(LockRetry, StopsAtTheFirstGrantedAttempt) {
  int attempts = 0;
  EXPECT_TRUE(RetryWithGrowingPause([&] { return ++attempts == 5; }));
  EXPECT_EQ(attempts, 5);
}

TEST(LockRetry, GivesUpAfterGrowingPauses) {
  for (int n = 1; n < 12; ++n) EXPECT_GE(LockPauseMs(n), LockPauseMs(n - 1)) << n;
  EXPECT_EQ(LockPauseMs(0), 1);
  EXPECT_LE(LockPauseMs(50), 200);
  int attempts = 0;
  EXPECT_FALSE(RetryWithGrowingPause([&] {
    ++attempts;
    return false;
  }));
  // About three seconds of pauses: some tens of attempts, not a thousand.
  int pauses = 0;
  for (int n = 0; n < attempts - 1; ++n) pauses += LockPauseMs(n);
  EXPECT_GE(pauses, kLockPatienceMs);
  EXPECT_LT(attempts, 40);
}

}  // namespace
}  // namespace vostrane::test
