// SPDX-License-Identifier: GPL-3.0-or-later
// Every change of the name table is made under the table's whole-file lock.
// A lock another program holds is tried again with a growing pause, for
// about three seconds in all, so that two programs using the same table at
// the same time wait for each other instead of failing.
#pragma once

#include <functional>

#include "platform/FileLock.h"
#include "platform/LockRetry.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

// Tries the lock patiently (RetryWithGrowingPause); with it, runs `write`
// and releases the lock (also when `write` throws). False when no attempt
// got the lock: nothing was written. A table that may only be read raises
// its TableError at the first attempt.
bool WriteUnderLock(DbfTable& table, const std::function<void()>& write);

}  // namespace vostrane
