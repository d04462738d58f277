// SPDX-License-Identifier: GPL-3.0-or-later
// The user's folder of an installed program: made and filled at the first
// start, refreshed at every later one without touching what the user has.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/UserFolder.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(UserFolder, FilledOnceThenRefreshedWithoutTouchingTheUsersFiles) {
  TempFolder folder;
  const fs::path root = fs::absolute(folder.Path());
  const fs::path data = root / "usr/share/vostrane";
  Put(data / "QIRTEXT.DAT", "texts");
  Put(data / "ZORCTRL.DAT", "defaults");
  Put(data / "OLD.DAT", "old");
  Put(data / "PICTURES/EMBLEM.BMP", "bmp");
  fs::create_directories(root / "usr/bin");
  EXPECT_EQ(InstalledDataFolder((root / "usr/bin").string()), data.string());
  EXPECT_EQ(InstalledDataFolder(data.string()), std::nullopt);  // a folder with its own data

  const fs::path user = root / "home/.local/share/vostrane";
  std::string error;
  ASSERT_TRUE(PrepareUserFolder(data.string(), user.string(), error)) << error;
  EXPECT_TRUE(fs::is_symlink(user / "QIRTEXT.DAT"));
  EXPECT_TRUE(fs::is_symlink(user / "PICTURES"));
  EXPECT_FALSE(fs::is_symlink(user / "ZORCTRL.DAT"));
  EXPECT_EQ(*ReadWholeFile((user / "ZORCTRL.DAT").string()), "defaults");

  // The user's own settings and a file of the user's under a data file's
  // name stay; a new installation's files are linked, a gone one unlinked.
  Put(user / "ZORCTRL.DAT", "mine");
  fs::remove(user / "QIRTEXT.DAT");
  Put(user / "QIRTEXT.DAT", "own");
  fs::remove(data / "OLD.DAT");
  Put(data / "NEW.DAT", "new");
  ASSERT_TRUE(PrepareUserFolder(data.string(), user.string(), error)) << error;
  EXPECT_EQ(*ReadWholeFile((user / "ZORCTRL.DAT").string()), "mine");
  EXPECT_EQ(*ReadWholeFile((user / "QIRTEXT.DAT").string()), "own");
  EXPECT_EQ(*ReadWholeFile((user / "NEW.DAT").string()), "new");
  EXPECT_FALSE(fs::exists(fs::symlink_status(user / "OLD.DAT")));

  // A folder that cannot be made is named.
  Put(root / "blocked", "a file");
  EXPECT_FALSE(PrepareUserFolder(data.string(), (root / "blocked/vostrane").string(), error));
  EXPECT_NE(error.find("blocked/vostrane"), std::string::npos) << error;
}

}  // namespace
}  // namespace vostrane::test
