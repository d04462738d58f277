// Patient locking: a lock that another process holds for a moment is tried
// again after a pause that grows with every attempt, for about three seconds
// in all, before the caller gives up and reports the table busy.
#pragma once

#include <functional>

namespace vostrane {

inline constexpr int kMaxLockAttempts = 1000;
inline constexpr int kLockPatienceMs = 3000;

// Calls `attempt` until it returns true, pausing 1 ms after the first failure
// and twice as long after each next one (at most 200 ms), until the pauses
// add up to kLockPatienceMs or kMaxLockAttempts were made. True when an
// attempt succeeded.
bool RetryWithGrowingPause(const std::function<bool()>& attempt);

// The pause after failed attempt `n` (counted from 0), in milliseconds.
int LockPauseMs(int n);

}  // namespace vostrane
