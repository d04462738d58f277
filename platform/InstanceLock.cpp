// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

namespace vostrane {

bool InstanceLock::Acquire(const std::string& path) {
  Release();
  failure_.clear();
  // Never through a symbolic link: the file is truncated and written.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    failure_ = path + ": " + std::strerror(errno);
    return false;
  }
  // flock locks belong to the open file, so even a second attempt inside
  // the same process is refused while the first holds the file.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) failure_ = path + ": " + std::strerror(errno);
    close(fd);
    return false;
  }
  if (ftruncate(fd, 0) != 0) {
    failure_ = path + ": " + std::strerror(errno);
    close(fd);
    return false;
  }
  // The id is only a note for others; the lock holds without it.
  const std::string pid = std::to_string(getpid()) + "\n";
  [[maybe_unused]] const ssize_t written = pwrite(fd, pid.data(), pid.size(), 0);
  fd_ = fd;
  return true;
}

bool HeldByAnotherProcess(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  // A lock of this process through another open file conflicts too, so a
  // refused lock alone does not tell whose it is; the id in the file does.
  if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
    flock(fd, LOCK_UN);
    close(fd);
    return false;
  }
  const bool held = errno == EWOULDBLOCK;
  char buffer[32] = {};
  const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
  close(fd);
  if (!held) return false;
  long holder = 0;
  for (ssize_t i = 0; i < n && buffer[i] >= '0' && buffer[i] <= '9' && holder < 100000000; ++i)
    holder = holder * 10 + (buffer[i] - '0');
  return holder != static_cast<long>(getpid());
}

std::string FolderNotWritableText(const std::string& folder, const std::string& reason) {
  return "Vostrane cannot start: its folder " + folder + " cannot be written (" + reason +
         ").\r\nVostrane keeps its session, lock and temporary files in its own folder; "
         "make the folder writable or install Vostrane in a folder you may write to.";
}

void InstanceLock::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace vostrane
