// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the calculation benchmarks: they run in a scratch folder
// that links the installation's ephemeris and asteroid files (and any other
// files the benchmark asks for), so the real files are read but nothing of
// the installation is written. The folder is removed afterwards.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace vostrane::bench {

inline int RunInScratchFolder(int argc, char** argv, const std::string& installDir,
                              const std::string& folderName, bool (*alsoLink)(const std::string&)) {
  namespace fs = std::filesystem;
  const fs::path scratch = fs::temp_directory_path() / (folderName + "-" + std::to_string(getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  for (const auto& file : fs::directory_iterator(installDir)) {
    const std::string name = file.path().filename().string();
    if (name.rfind("LRZ5_", 0) == 0 || name.rfind("CHI_", 0) == 0 || name.rfind("NV", 0) == 0 ||
        (alsoLink && alsoLink(name)))
      fs::create_symlink(file.path(), scratch / name);
  }
  fs::current_path(scratch);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(scratch);
  return 0;
}

}  // namespace vostrane::bench
