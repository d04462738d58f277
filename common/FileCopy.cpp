// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"

namespace vostrane {
namespace {

constexpr size_t kCopyBlockSize = 2048;

ssize_t ReadBlock(int fd, char* buffer, size_t size) {
  ssize_t n;
  do {
    n = read(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

// Writes the whole block; false when the file takes fewer bytes.
bool WriteBlock(int fd, const char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Copies every block of `in` to `out`; false on a read or write error.
bool CopyBlocks(int in, int out) {
  char buffer[kCopyBlockSize];
  for (;;) {
    const ssize_t n = ReadBlock(in, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0 || !WriteBlock(out, buffer, static_cast<size_t>(n))) return false;
  }
}

}  // namespace

bool CopyWholeFile(const std::string& source, const std::string& destination, CopyOptions options) {
  const int in = open(source.c_str(), O_RDONLY);
  if (in < 0) EndProgram("File " + source + " not on disk. Program ended.");

  // An existing destination that may not be written counts as one that
  // cannot be created, although the rename below could replace it.
  std::string temp;
  int out = -1;
  if (!FileExists(destination) || access(destination.c_str(), W_OK) == 0) {
    out = CreateTempBeside(destination, temp);
  }
  if (out < 0) {
    close(in);
    if (options.quiet) return false;
    EndProgram("Not able to create file " + destination + ". Disk may be full. Program ended.");
  }

  bool ok = CopyBlocks(in, out);
  close(in);
  ok = fsync(out) == 0 && ok;
  ok = close(out) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), destination.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }

  if (options.keepDate && !CopyFileDate(source, destination) && options.reportDateFailure) {
    ShowMessage("Error! Unable to set date of file " + destination + " to date of file " + source,
                MsgIcon::Error);
  }
  return true;
}

void FatalIoCheck(bool failed, const std::string& message) {
  if (failed) EndProgram(message);
}

bool IoCheck(bool failed, const std::string& message) {
  if (failed) ShowMessage(message, MsgIcon::Error);
  return failed;
}

void FatalError(const std::string& message) { EndProgram(message); }

}  // namespace vostrane
