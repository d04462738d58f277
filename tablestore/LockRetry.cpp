#include "tablestore/LockRetry.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace vostrane {

int LockPauseMs(int n) { return n >= 8 ? 200 : std::min(200, 1 << n); }

bool RetryWithGrowingPause(const std::function<bool()>& attempt) {
  int waited = 0;
  for (int n = 0; n < kMaxLockAttempts; ++n) {
    if (attempt()) return true;
    if (waited >= kLockPatienceMs) break;
    const int pause = std::min(LockPauseMs(n), kLockPatienceMs - waited);
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    waited += pause;
  }
  return false;
}

}  // namespace vostrane
