// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vostrane::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vostrane-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ + "/" + name, std::ios::binary);
  out << bytes;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(path_ + "/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

static std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v ? v : fallback;
}

std::string InstallFile(const std::string& name) {
  return EnvOr("VOSTRANE_INSTALL_DIR", VOSTRANE_DEFAULT_INSTALL_DIR) + "/" + name;
}

std::string SourceFile(const std::string& relative) {
  return EnvOr("VOSTRANE_SOURCE_DIR", VOSTRANE_DEFAULT_SOURCE_DIR) + "/" + relative;
}

std::string BuildFile(const std::string& relative) {
  return EnvOr("VOSTRANE_BUILD_DIR", VOSTRANE_DEFAULT_BUILD_DIR) + "/" + relative;
}

}  // namespace vostrane::test
