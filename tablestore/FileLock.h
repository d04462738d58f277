// The whole-file write lock a table's writers take: an fcntl byte-range lock
// over the whole file. Open-file-description locks are used where the system
// has them, so that two tables open on one file in the same process exclude
// each other too and closing another descriptor of the file keeps the lock.
#pragma once

namespace vostrane {

class FileLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() { Release(); }

  void Attach(int fd) { fd_ = fd; }
  // One non-blocking attempt; true when held afterwards.
  bool TryAcquire();
  void Release();
  bool Held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace vostrane
