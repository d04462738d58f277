#include "names/TableLock.h"

namespace vostrane {

bool WriteUnderLock(TTzDbf& table, const std::function<void()>& write) {
  if (!RetryWithGrowingPause([&] { return table.FLock(); },
                             [&] { return LockHolderText(table.DbfFileName(), table.LockHolderPid()); }))
    return false;
  try {
    write();
  } catch (...) {
    table.UnLock();
    throw;
  }
  table.UnLock();
  return true;
}

}  // namespace vostrane
