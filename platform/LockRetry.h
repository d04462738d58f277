// SPDX-License-Identifier: GPL-3.0-or-later
// Patient locking: a lock that another process holds for a moment is tried
// again after a pause that grows with every attempt, for about three seconds
// in all (or the patience a program sets), before the caller gives up and
// reports the file busy.
#pragma once

#include <functional>
#include <string>

namespace vostrane {

inline constexpr int kMaxLockAttempts = 1000;
inline constexpr int kLockPatienceMs = 3000;
// A wait longer than this is reported (a lock held for a moment is not).
inline constexpr int kLockReportAfterMs = 1000;

// The patience of every later retry, in milliseconds (kLockPatienceMs until
// set). A tool without a user to ask waits longer.
void SetLockPatienceMs(int ms);
int LockPatienceMs();

// Receives, once per retry that has waited kLockReportAfterMs, the text
// describing who holds the lock (from the retry's `holder`); none is set by
// default.
void SetLockWaitReporter(std::function<void(const std::string& holder)> reporter);

// Calls `attempt` until it returns true, pausing 1 ms after the first failure
// and twice as long after each next one (at most 200 ms), until the pauses
// add up to the patience or kMaxLockAttempts were made. True when an attempt
// succeeded. Once the pauses reach kLockReportAfterMs the wait reporter,
// when one is set, is told `holder()` (or an empty text without `holder`).
bool RetryWithGrowingPause(const std::function<bool()>& attempt,
                           const std::function<std::string()>& holder = {});

// The pause after failed attempt `n` (counted from 0), in milliseconds.
int LockPauseMs(int n);

}  // namespace vostrane
