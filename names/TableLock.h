// Every change of the name table is made under the table's whole-file lock,
// taken with up to 1000 attempts one after the other, so that another
// program may use the same table at the same time.
#pragma once

#include <functional>

#include "tablestore/TTzDbf.h"

namespace vostrane {

inline constexpr int kLockAttempts = 1000;

// Tries the lock up to kLockAttempts times; with it, runs `write` and
// releases the lock (also when `write` throws). False when no attempt got
// the lock: nothing was written.
bool WriteUnderLock(TTzDbf& table, const std::function<void()>& write);

}  // namespace vostrane
