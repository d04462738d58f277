// SPDX-License-Identifier: GPL-3.0-or-later
// The SHA-256 of known texts, and the check of files against a list written
// for a folder: good, damaged in one block, cut, lengthened, removed, a list
// that is itself damaged, and a folder without a list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/InstalledFiles.h"
#include "platform/Sha256.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(Sha256, KnownDigests) {
  const struct {
    std::string text;
    const char* hex;
  } cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& c : cases) EXPECT_EQ(DigestHex(Sha256Of(c.text)), c.hex) << c.text.size();
  // Added in pieces that straddle the 64-byte blocks, the same digest.
  Sha256 pieces;
  const std::string& text = cases[2].text;
  for (size_t at = 0; at < text.size(); at += 7) pieces.Add(std::string_view(text).substr(at, 7));
  EXPECT_EQ(DigestHex(pieces.Finish()), cases[2].hex);
}

class ListedFolder : public testing::Test {
 protected:
  void SetUp() override {
    big_ = std::string(3 * kManifestBlockSize + 100, '\0');
    for (size_t i = 0; i < big_.size(); ++i) big_[i] = static_cast<char>(i * 7 + i / 300);
    folder_.Write("BIG.DAT", big_);
    folder_.Write("SMALL.DAT", "six lines\n");
    std::string error;
    ASSERT_TRUE(WriteManifest(".", {"BIG.DAT", "SMALL.DAT"}, error)) << error;
  }
  // Rewrites a file with a new inode, as a damaged copy would arrive.
  void Replace(const std::string& name, const std::string& bytes) {
    std::filesystem::remove(name);
    folder_.Write(name, bytes);
  }
  test::TempFolder folder_;
  std::string big_;
};

TEST_F(ListedFolder, EachFaultIsFoundWhereItLies) {
  EXPECT_EQ(ManifestStateOf(), ManifestState::Present);
  EXPECT_EQ(CheckInstalledFile("BIG.DAT").state, FileState::Good);
  EXPECT_EQ(CheckInstalledFile("SMALL.DAT").state, FileState::Good);
  EXPECT_EQ(CheckInstalledFile("OTHER.DAT").state, FileState::Unchecked);

  std::string damaged = big_;
  damaged[2 * kManifestBlockSize + 5] ^= 0x80;
  Replace("BIG.DAT", damaged);
  // A range in the good blocks passes; one that reaches the damaged block
  // names that block's first byte.
  EXPECT_EQ(CheckInstalledRange("BIG.DAT", 0, 2 * kManifestBlockSize).state, FileState::Good);
  const FileCheck check = CheckInstalledRange("BIG.DAT", 2 * kManifestBlockSize - 10, 20);
  EXPECT_EQ(check.state, FileState::Damaged);
  EXPECT_EQ(check.offset, 2 * kManifestBlockSize);
  EXPECT_EQ(DamagedFileText("BIG.DAT", check, 1000),
            "ERROR!  File BIG.DAT is damaged in records # 8 to 12.  Re-install Vostrane!");

  Replace("SMALL.DAT", "six lines!");
  EXPECT_EQ(CheckInstalledFile("SMALL.DAT").state, FileState::Damaged);
  Replace("BIG.DAT", big_.substr(0, 100));
  EXPECT_EQ(CheckInstalledRange("BIG.DAT", 0, 10).state, FileState::WrongSize);
  Replace("BIG.DAT", big_ + "x");
  const FileCheck longer = CheckInstalledRange("BIG.DAT", 0, 10);
  EXPECT_EQ(longer.state, FileState::WrongSize);
  EXPECT_EQ(DamagedFileText("BIG.DAT", longer, 0),
            "ERROR!  File BIG.DAT has " + std::to_string(big_.size() + 1) + " bytes instead of " +
                std::to_string(big_.size()) + ".  Re-install Vostrane!");
  std::filesystem::remove("BIG.DAT");
  EXPECT_EQ(CheckInstalledFile("BIG.DAT").state, FileState::Missing);
}

TEST_F(ListedFolder, ADamagedOrMissingListChecksNothing) {
  std::string list = folder_.Read(kManifestFileName);
  list[list.find("SMALL.DAT") + 10] ^= 1;  // one digit of the size
  Replace(kManifestFileName, list);
  EXPECT_EQ(ManifestStateOf(), ManifestState::Damaged);
  Replace("SMALL.DAT", "something else entirely");
  EXPECT_EQ(CheckInstalledFile("SMALL.DAT").state, FileState::Unchecked);
  std::filesystem::remove(kManifestFileName);
  EXPECT_EQ(ManifestStateOf(), ManifestState::Missing);
  EXPECT_EQ(CheckInstalledFile("SMALL.DAT").state, FileState::Unchecked);
}

}  // namespace
}  // namespace vostrane
