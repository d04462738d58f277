// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/FuzzSupport.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/MessageService.h"

namespace vostrane::fuzz {
namespace {

struct ProgramEnded {};

std::string MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vostrane-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) Fail("cannot make a temporary folder");
  std::filesystem::current_path(pattern);
  // The folder goes when the process ends normally.
  static const std::string removeAtExit = pattern;
  atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(removeAtExit, ec);
  });
  return pattern;
}

}  // namespace

const std::string& EnterFuzzFolder() {
  static const std::string folder = MakeFolder();
  SetMessageService(&Shown());
  return folder;
}

ScriptedMessageService& Shown() {
  static ScriptedMessageService service;
  return service;
}

void BeginInput() {
  const std::string& folder = EnterFuzzFolder();
  Shown().Clear();
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(folder, ec))
    std::filesystem::remove_all(item.path(), ec);
}

void WriteFile(const std::string& name, const uint8_t* data, size_t size) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) Fail("cannot write into the temporary folder");
}

void WriteFile(const std::string& name, const std::string& bytes) {
  WriteFile(name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void LinkInstallFile(const std::string& name) {
  const char* dir = getenv("VOSTRANE_INSTALL_DIR");
  if (!dir) return;
  const std::string source = std::string(dir) + "/" + name;
  if (access(source.c_str(), R_OK) == 0) symlink(source.c_str(), name.c_str());
}

bool RunReader(const std::function<void()>& reader) {
  const int hook = AddShutdownHook([] { throw ProgramEnded{}; });
  try {
    reader();
  } catch (const ProgramEnded&) {
    const auto& shown = Shown().Shown();
    if (shown.empty() || shown.back().text.find("Program ended.") == std::string::npos)
      Fail("the program ended without its message");
    return false;
  }
  RemoveShutdownHook(hook);
  return true;
}

void Fail(const char* reason) {
  std::fprintf(stderr, "fuzz target: %s\n", reason);
  std::fflush(stderr);
  abort();
}

}  // namespace vostrane::fuzz
