// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/batch/SiblingProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace vostrane::batch {

int RunSiblingProgram(const char* program, const char* command, const Args& args) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    std::fprintf(stderr, "vostrane-batch: cannot find its own folder to start %s: %s\n", program,
                 error.message().c_str());
    return 1;
  }
  const std::string path = (self.parent_path() / program).string();
  std::vector<std::string> words = {program, command};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::fflush(nullptr);
  execv(path.c_str(), argv.data());
  std::fprintf(stderr, "vostrane-batch: cannot start %s: %s\n", path.c_str(), std::strerror(errno));
  return 1;
}

}  // namespace vostrane::batch
