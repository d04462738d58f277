// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/FileIo.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vostrane {

bool ReadAt(int fd, void* buffer, size_t size, int64_t offset) {
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pread(fd, out + done, size - done,
                            static_cast<off_t>(offset + static_cast<int64_t>(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WriteAt(int fd, const void* buffer, size_t size, int64_t offset) {
  const auto* in = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pwrite(fd, in + done, size - done,
                             static_cast<off_t>(offset + static_cast<int64_t>(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

int64_t OpenFileSize(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return -1;
  return st.st_size;
}

}  // namespace vostrane
