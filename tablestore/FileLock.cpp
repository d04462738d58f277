#include "tablestore/FileLock.h"

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

}  // namespace vostrane
