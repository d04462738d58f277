// The single-instance lock: an exclusive lock on a file of the working folder,
// held for the life of the process. A second process cannot take it. The
// holder writes its process id into the file, so that others can tell who
// holds it.
#pragma once

#include <string>

namespace vostrane {

inline constexpr const char* kInstanceLockFileName = "TEMP.TMP";

class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock() { Release(); }

  // Creates (truncating) the file, locks it and writes the process id into
  // it; false when another holder has it.
  bool Acquire(const std::string& path);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// True when the lock file is locked by a process other than this one: the
// lock cannot be taken and the process id in the file is not ours. False
// when the file does not exist or nobody holds it.
bool HeldByAnotherProcess(const std::string& path);

}  // namespace vostrane
