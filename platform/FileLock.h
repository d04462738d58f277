// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file write lock that writers of shared files take (the tables and
// the session file): an fcntl byte-range lock over the whole file.
// Open-file-description locks are used where the system has them, so that
// two handles on one file in the same process exclude each other too and
// closing another descriptor of the file keeps the lock.
#pragma once

#include <string>

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
  // The process id of a process holding a lock that keeps this one out; 0
  // when nobody does or the holder is no single process (a lock of an open
  // file description).
  int HolderPid() const;

 private:
  int fd_ = -1;
  bool held_ = false;
};

// The text naming who holds a file's lock, for a line saying what a program
// waits for: "names.dbf is locked by process 1234" or, when the holder is
// not known, "names.dbf is locked by another program".
std::string LockHolderText(const std::string& fileName, int holderPid);

}  // namespace vostrane
