// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LockRetry.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace vostrane {
namespace {

int gPatienceMs = kLockPatienceMs;

std::function<void(const std::string&)>& Reporter() {
  static std::function<void(const std::string&)> reporter;
  return reporter;
}

}  // namespace

void SetLockPatienceMs(int ms) { gPatienceMs = std::max(0, ms); }
int LockPatienceMs() { return gPatienceMs; }

void SetLockWaitReporter(std::function<void(const std::string& holder)> reporter) {
  Reporter() = std::move(reporter);
}

int LockPauseMs(int n) { return n >= 8 ? 200 : std::min(200, 1 << n); }

bool RetryWithGrowingPause(const std::function<bool()>& attempt,
                           const std::function<std::string()>& holder) {
  int waited = 0;
  bool reported = false;
  const int patience = gPatienceMs;
  for (int n = 0; n < kMaxLockAttempts; ++n) {
    if (attempt()) return true;
    if (waited >= patience) break;
    if (!reported && waited >= kLockReportAfterMs && Reporter()) {
      Reporter()(holder ? holder() : std::string());
      reported = true;
    }
    const int pause = std::min(LockPauseMs(n), patience - waited);
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    waited += pause;
  }
  return false;
}

}  // namespace vostrane
