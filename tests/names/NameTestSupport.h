// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the name file tests: the message texts in the working folder,
// persons as the birth data form holds them, and a lock on a table held by
// another process.
#pragma once

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "entry/BirthDataFields.h"
#include "common/MessageTextFile.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

// Copies the generated message texts into the working folder and opens them.
inline void OpenTestMessageTexts() {
  std::filesystem::copy_file(InstallFile("QIRTEXT.DAT"), "QIRTEXT.DAT");
  ASSERT_TRUE(OpenMessageTextFile());
}

// A person as the form's fields hold it.
inline BirthDataFields Person(const std::string& name, const std::string& place = "Boston, MA",
                              const std::string& date = "07041990",
                              const std::string& time = "093015P") {
  BirthDataFields f;
  f.name = name;
  f.place = place;
  f.date = date;
  f.time = time;
  f.latitude = "42N2130";
  f.longitude = "071W0337";
  f.zoneHours = "5";
  f.zoneMinutes = "00";
  f.zoneEastWest = "W";
  f.daylight = "Y";
  f.dstTable = "0";
  return f;
}

// Another process (a forked child) that opens the file on its own and holds
// a write lock over the whole of it until this object goes.
class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    int ready[2], release[2];
    if (pipe(ready) != 0 || pipe(release) != 0) return;
    child_ = fork();
    if (child_ == 0) {
      // Only async-signal-safe calls in the child.
      close(ready[0]);
      close(release[1]);
      const int fd = open(path.c_str(), O_RDWR);
      struct flock lock {};
      lock.l_type = F_WRLCK;
      lock.l_whence = SEEK_SET;
      const char state = fd >= 0 && fcntl(fd, F_SETLK, &lock) == 0 ? '1' : '0';
      if (write(ready[1], &state, 1) != 1) _exit(1);
      char c;
      while (read(release[0], &c, 1) > 0) {
      }
      _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    release_ = release[1];
    char state = '0';
    held_ = read(ready[0], &state, 1) == 1 && state == '1';
    close(ready[0]);
  }
  ~LockHolder() {
    if (release_ >= 0) close(release_);
    if (child_ > 0) waitpid(child_, nullptr, 0);
  }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

  bool Held() const { return held_; }

 private:
  pid_t child_ = -1;
  int release_ = -1;
  bool held_ = false;
};

}  // namespace vostrane::test
