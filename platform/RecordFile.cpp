// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vostrane {

RecordFile::~RecordFile() { Close(); }

bool RecordFile::Open(const std::string& path, size_t recordSize, Mode mode) {
  Close();
  if (recordSize == 0) return false;
  int flags = O_RDONLY;
  if (mode == Mode::ReadWrite) flags = O_RDWR;
  if (mode == Mode::CreateKeep) flags = O_RDWR | O_CREAT | O_NOFOLLOW;
  fd_ = open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd_ < 0) return false;
  struct stat st {};
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd_);
    fd_ = -1;
    return false;
  }
  recordSize_ = recordSize;
  position_ = 0;
  path_ = path;
  return true;
}

int64_t RecordFile::SizeInBytes() const {
  struct stat st {};
  if (fd_ < 0 || fstat(fd_, &st) != 0) return -1;
  return st.st_size;
}

int64_t RecordFile::RecordCount() const {
  const int64_t size = SizeInBytes();
  return size < 0 ? 0 : size / static_cast<int64_t>(recordSize_);
}

bool RecordFile::Seek(int64_t record, bool allowBeyondEnd) {
  if (fd_ < 0 || record < 0 || (!allowBeyondEnd && record > RecordCount())) return false;
  position_ = record;
  return true;
}

bool RecordFile::Read(void* buffer) {
  if (fd_ < 0) return false;
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  const off_t offset = static_cast<off_t>(position_) * static_cast<off_t>(recordSize_);
  while (done < recordSize_) {
    const ssize_t n = pread(fd_, out + done, recordSize_ - done, offset + static_cast<off_t>(done));
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  ++position_;
  return true;
}

bool RecordFile::Write(const void* buffer) {
  if (fd_ < 0) return false;
  const auto* in = static_cast<const char*>(buffer);
  size_t done = 0;
  const off_t offset = static_cast<off_t>(position_) * static_cast<off_t>(recordSize_);
  while (done < recordSize_) {
    const ssize_t n = pwrite(fd_, in + done, recordSize_ - done, offset + static_cast<off_t>(done));
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  ++position_;
  return true;
}

bool RecordFile::Truncate(int64_t records) {
  return fd_ >= 0 && records >= 0 &&
         ftruncate(fd_, static_cast<off_t>(records) * static_cast<off_t>(recordSize_)) == 0;
}

bool RecordFile::Close() {
  if (fd_ < 0) return false;
  const bool ok = close(fd_) == 0;
  fd_ = -1;
  position_ = 0;
  return ok;
}

}  // namespace vostrane
