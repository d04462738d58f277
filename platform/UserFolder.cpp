// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolder.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"

namespace vostrane {
namespace fs = std::filesystem;

namespace {

// The control file: its installed copy is the default a new user starts with.
constexpr std::array<const char*, 1> kUserDefaultFiles = {"ZORCTRL.DAT"};

// A file that marks a folder as holding the program's data.
constexpr const char* kDataMarker = "QIRTEXT.DAT";

std::string Reason(const std::error_code& error) { return error.message(); }

// Makes `link` a symbolic link to `target` unless it already is one, or is a
// file of the user's own. Replaces an older link.
bool LinkInto(const fs::path& target, const fs::path& link, std::string& error) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(link, ec);
  if (fs::is_symlink(status)) {
    if (fs::read_symlink(link, ec) == target) return true;
    fs::remove(link, ec);
  } else if (fs::exists(status)) {
    return true;
  }
  fs::create_symlink(target, link, ec);
  if (ec) error = "Cannot link " + link.string() + " to " + target.string() + ": " + Reason(ec);
  return !ec;
}

bool CopyDefault(const fs::path& source, const fs::path& copy, std::string& error) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(copy, ec))) return true;
  const std::optional<std::string> bytes = ReadWholeFile(source.string());
  if (bytes && ReplaceFileContents(copy.string(), *bytes)) return true;
  error = "Cannot copy " + source.string() + " to " + copy.string();
  return false;
}

}  // namespace

std::optional<std::string> InstalledDataFolder(const std::string& programFolder) {
  if (programFolder.empty() || FileExists(programFolder + "/" + kDataMarker)) return std::nullopt;
  const fs::path data = fs::path(programFolder).parent_path() / "share" / "vostrane";
  if (!FileExists((data / kDataMarker).string())) return std::nullopt;
  return data.lexically_normal().string();
}

std::string UserDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/vostrane";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/share/vostrane";
  return {};
}

bool IsUserDefaultFile(const std::string& name) {
  for (const char* file : kUserDefaultFiles)
    if (name == file) return true;
  return false;
}

bool PrepareUserFolder(const std::string& dataFolder, const std::string& userFolder,
                       std::string& error) {
  std::error_code ec;
  if (userFolder.empty()) {
    error = "Neither XDG_DATA_HOME nor HOME names a folder for the user's files";
    return false;
  }
  fs::create_directories(userFolder, ec);
  if (ec || !fs::is_directory(userFolder, ec)) {
    error = "Cannot make the folder " + userFolder + ": " + Reason(ec);
    return false;
  }
  const fs::path data = fs::absolute(dataFolder, ec).lexically_normal();
  fs::directory_iterator entries(data, ec);
  if (ec) {
    error = "Cannot read the folder " + data.string() + ": " + Reason(ec);
    return false;
  }
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    const fs::path inUserFolder = fs::path(userFolder) / name;
    const bool ok = IsUserDefaultFile(name) ? CopyDefault(entry.path(), inUserFolder, error)
                                            : LinkInto(entry.path(), inUserFolder, error);
    if (!ok) return false;
  }
  // A file an older installation had and this one has not.
  for (const fs::directory_entry& entry : fs::directory_iterator(userFolder, ec)) {
    std::error_code linkError;
    if (!entry.is_symlink(linkError)) continue;
    const fs::path target = fs::read_symlink(entry.path(), linkError);
    if (!linkError && target.parent_path() == data && !fs::exists(target, linkError))
      fs::remove(entry.path(), linkError);
  }
  return true;
}

std::string ProgramFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.parent_path().string();
}

bool EnterUserFolderWhenInstalled(std::string& error) {
  const std::optional<std::string> data = InstalledDataFolder(ProgramFolder());
  if (!data) return true;
  const std::string user = UserDataFolder();
  if (!PrepareUserFolder(*data, user, error)) return false;
  if (chdir(user.c_str()) != 0) {
    error = "Cannot work in the folder " + user;
    return false;
  }
  return true;
}

}  // namespace vostrane
