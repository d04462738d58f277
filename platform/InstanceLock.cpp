#include "platform/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vostrane {

bool InstanceLock::Acquire(const std::string& path) {
  Release();
  failure_.clear();
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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
  fd_ = fd;
  return true;
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
