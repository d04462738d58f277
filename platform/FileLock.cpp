// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLock.h"

#include <cerrno>
#include <fcntl.h>

namespace vostrane {

namespace {

int SetLock(int fd, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // to the end of the file, however far it grows
#ifdef F_OFD_SETLK
  if (fcntl(fd, F_OFD_SETLK, &lock) == 0) return 0;
  if (errno != EINVAL) return -1;
  lock.l_pid = 0;
#endif
  return fcntl(fd, F_SETLK, &lock);
}

}  // namespace

bool FileLock::TryAcquire() {
  if (held_) return true;
  if (fd_ < 0) return false;
  held_ = SetLock(fd_, F_WRLCK) == 0;
  return held_;
}

void FileLock::Release() {
  if (!held_) return;
  SetLock(fd_, F_UNLCK);
  held_ = false;
}

int FileLock::HolderPid() const {
  if (fd_ < 0) return 0;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  // A process-associated lock names its process; a lock of an open file
  // description reports -1.
  if (fcntl(fd_, F_GETLK, &lock) != 0 || lock.l_type == F_UNLCK) return 0;
  return lock.l_pid > 0 ? static_cast<int>(lock.l_pid) : 0;
}

std::string LockHolderText(const std::string& fileName, int holderPid) {
  return fileName + " is locked by " +
         (holderPid > 0 ? "process " + std::to_string(holderPid) : std::string("another program"));
}

}  // namespace vostrane
