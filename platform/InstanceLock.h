// The single-instance lock: an exclusive lock on a file of the working folder,
// held for the life of the process. A second process cannot take it.
#pragma once

#include <string>

namespace vostrane {

class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock() { Release(); }

  // Creates (truncating) the file and locks it; false when another holder has it.
  bool Acquire(const std::string& path);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace vostrane
