// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/TableLock.h"

namespace vostrane {

bool WriteUnderLock(DbfTable& table, const std::function<void()>& write) {
  if (!RetryWithGrowingPause([&] { return table.LockFile(); },
                             [&] { return LockHolderText(table.DbfFileName(), table.LockHolderPid()); }))
    return false;
  try {
    write();
  } catch (...) {
    table.UnlockFile();
    throw;
  }
  table.UnlockFile();
  return true;
}

}  // namespace vostrane
