// SPDX-License-Identifier: GPL-3.0-or-later
// The generator programs as the build runs them: a sound source gives the
// file, a bad source fails with file:line and leaves the previous file whole.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

struct GeneratorRun {
  int status = -1;
  std::string errors;
};

// Runs a generator in the test's working folder, SOURCE and OUTPUT relative to it.
GeneratorRun Generate(const std::string& program, const test::TempFolder& folder) {
  const std::string command = "'" + program + "' source.txt OUTPUT.DAT 2> errors.txt";
  const int raw = std::system(command.c_str());
  GeneratorRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.errors = folder.Read("errors.txt");
  return run;
}

bool OnlyOutputAndSourceRemain(const test::TempFolder& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    const std::string name = entry.path().filename().string();
    if (name != "source.txt" && name != "OUTPUT.DAT" && name != "errors.txt") return false;
  }
  return true;
}

TEST(Generators, TextGeneratorWritesRecordsForASoundSource) {
  test::TempFolder folder;
  folder.Write("source.txt", "# texts\n2\tMoon\n");
  const GeneratorRun run = Generate(GEN_QIRTEXT_PATH, folder);
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string file = folder.Read("OUTPUT.DAT");
  ASSERT_EQ(file.size(), 142u);
  EXPECT_EQ(file.substr(71, 5), "\x04Moon");
}

TEST(Generators, TextGeneratorRefusesBadSourcesAndKeepsThePreviousFile) {
  const std::string cases[] = {
      "1\tfine\n2\t" + std::string(71, 'x') + "\n",  // too long
      "1\tfine\nx2\tbad number\n",                   // bad number
      "1\tfine\n1\tagain\n",                         // given twice
  };
  for (const std::string& source : cases) {
    test::TempFolder folder;
    folder.Write("source.txt", source);
    folder.Write("OUTPUT.DAT", "previous");
    const GeneratorRun run = Generate(GEN_QIRTEXT_PATH, folder);
    EXPECT_NE(run.status, 0) << source;
    EXPECT_NE(run.errors.find("source.txt:2: "), std::string::npos) << run.errors;
    EXPECT_EQ(folder.Read("OUTPUT.DAT"), "previous");
    EXPECT_TRUE(OnlyOutputAndSourceRemain(folder));
  }
}

TEST(Generators, ControlGeneratorWritesOneRecord) {
  test::TempFolder folder;
  folder.Write("source.txt", "88 char 'T'  # zodiac\n345 i16 -2\n");
  const GeneratorRun run = Generate(GEN_ZORCTRL_PATH, folder);
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string file = folder.Read("OUTPUT.DAT");
  ASSERT_EQ(file.size(), 641u);
  EXPECT_EQ(file[88], 'T');
  EXPECT_EQ(file.substr(345, 2), "\xFE\xFF");
}

TEST(Generators, ControlGeneratorRefusesOverlapsAndKeepsThePreviousFile) {
  test::TempFolder folder;
  folder.Write("source.txt", "279 f64 1.0\n283 char 'N'\n");
  folder.Write("OUTPUT.DAT", "previous");
  const GeneratorRun run = Generate(GEN_ZORCTRL_PATH, folder);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.errors.find("source.txt:2: offset 283: the field overlaps"), std::string::npos)
      << run.errors;
  EXPECT_EQ(folder.Read("OUTPUT.DAT"), "previous");
  EXPECT_TRUE(OnlyOutputAndSourceRemain(folder));
}

TEST(Generators, MissingSourceFails) {
  test::TempFolder folder;
  const GeneratorRun run = Generate(GEN_ZORCTRL_PATH, folder);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.errors.find("source.txt: cannot be read"), std::string::npos) << run.errors;
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/OUTPUT.DAT"));
}

}  // namespace
}  // namespace vostrane
