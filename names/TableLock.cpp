#include "names/TableLock.h"

namespace vostrane {

bool WriteUnderLock(TTzDbf& table, const std::function<void()>& write) {
  bool locked = false;
  for (int attempt = 0; attempt < kLockAttempts && !locked; ++attempt) locked = table.FLock();
  if (!locked) return false;
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
