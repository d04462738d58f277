// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace vostrane {
namespace {

bool MatchFrom(const char* name, const char* mask) {
  // Iterative wildcard match with backtracking to the last '*'.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*mask == '*') {
      star = mask++;
      resume = name;
    } else if (*mask == '?' || (*mask && std::tolower(static_cast<unsigned char>(*mask)) ==
                                             std::tolower(static_cast<unsigned char>(*name)))) {
      ++mask;
      ++name;
    } else if (star) {
      mask = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*mask == '*') ++mask;
  return *mask == '\0';
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
  return MatchFrom(name.c_str(), mask.c_str());
}

std::optional<std::vector<std::string>> ListFolder(const std::string& folder, const std::string& mask) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return std::nullopt;
  std::vector<std::string> names;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    const std::string path = (folder.empty() ? "." : folder) + "/" + name;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (MatchesMask(name, mask)) names.push_back(std::move(name));
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return -1;
  return st.st_size;
}

bool EraseFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool RenameFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return buffer.str();
}

std::optional<std::string> ReadFileStart(const std::string& path, size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

int CreateTempBeside(const std::string& target, std::string& tempPath) {
  tempPath = target + ".XXXXXX";
  // mkostemp creates with O_CREAT | O_EXCL: an existing name, a link
  // included, is never opened.
  const int fd = mkostemp(tempPath.data(), O_CLOEXEC);
  if (fd < 0) {
    tempPath.clear();
    return -1;
  }
  if (fchmod(fd, 0644) != 0) {
    close(fd);
    unlink(tempPath.c_str());
    tempPath.clear();
    return -1;
  }
  return fd;
}

std::string ReserveTempBeside(const std::string& target) {
  std::string temp;
  const int fd = CreateTempBeside(target, temp);
  if (fd < 0) return "";
  close(fd);
  return temp;
}

std::string FinalTarget(const std::string& path) {
  std::string target = path;
  // A bounded walk: a loop of links ends on a path that stays a link.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::string link(4096, '\0');
    const ssize_t n = readlink(target.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<size_t>(n) >= link.size()) break;
    link.resize(static_cast<size_t>(n));
    const size_t slash = target.find_last_of('/');
    target = link[0] == '/' || slash == std::string::npos ? link : target.substr(0, slash + 1) + link;
  }
  return target;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  std::string temp;
  const int fd = CreateTempBeside(path, temp);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool ok = done == bytes.size() && fsync(fd) == 0;
  if (close(fd) != 0 || !ok) {
    unlink(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  return true;
}

bool CopyFileDate(const std::string& from, const std::string& to) {
  struct stat st {};
  if (stat(from.c_str(), &st) != 0) return false;
  const timespec times[2] = {st.st_atim, st.st_mtim};
  return utimensat(AT_FDCWD, to.c_str(), times, 0) == 0;
}

}  // namespace vostrane
