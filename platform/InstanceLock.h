// SPDX-License-Identifier: GPL-3.0-or-later
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
  // it; false when another holder has it or when the file cannot be created
  // or written (see Failure).
  bool Acquire(const std::string& path);
  // Why the last Acquire failed: empty when another holder has the lock,
  // otherwise the system's reason the file could not be made (for example a
  // read-only folder).
  const std::string& Failure() const { return failure_; }
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string failure_;
};

// True when the lock file is locked by a process other than this one: the
// lock cannot be taken and the process id in the file is not ours. False
// when the file does not exist or nobody holds it.
bool HeldByAnotherProcess(const std::string& path);

// The start-up message for a lock file that could not be made: names the
// folder and the system's reason instead of claiming a second instance.
std::string FolderNotWritableText(const std::string& folder, const std::string& reason);

}  // namespace vostrane
