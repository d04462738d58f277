// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch: works on the files of the installation folder it is run in
// (its working folder), without windows; installed, on the user's data folder
// (file arguments are still taken from the folder it was started in). Messages go to standard error; the
// exit status is 0 on success and non-zero when a message ended the run or
// any message of the error kind was written (a damaged file, a failed read),
// so that a script never takes a run with faults for a good one.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/ConsoleMessageService.h"
#include "platform/InstalledFiles.h"
#include "platform/LockRetry.h"
#include "platform/UserFolder.h"
#include "shell/batch/BatchCommands.h"

namespace {

// Without a user to ask, a file another program holds locked is waited for
// longer than in the program, and the wait is said.
constexpr int kBatchLockPatienceMs = 30000;

void PrintHelp() {
  std::printf(
      "usage: vostrane-batch COMMAND [ARGUMENTS]\n\n"
      "Run in a Vostrane installation folder; files are read and written there. Installed\n"
      "(under PREFIX/bin), it works on $XDG_DATA_HOME/vostrane, as the program does.\n\n"
      "commands:\n");
  for (const auto& c : vostrane::batch::Commands())
    std::printf("  %s %s\n      %s\n", c.name, c.usage, c.summary);
  std::printf("  --help\n      show this text\n");
}

// The arguments (counted after the command) that name files of the user's
// own, read or written where the tool was started.
struct FileArguments {
  const char* command;
  std::vector<size_t> positions;
};
const std::vector<FileArguments>& FileArgumentTable() {
  static const std::vector<FileArguments> table = {
      {"chart-csv", {0, 1}}, {"render", {1}}, {"import", {0}}, {"export", {0}}};
  return table;
}

void MakeFileArgumentsAbsolute(const char* command, vostrane::batch::Args& args) {
  for (const FileArguments& entry : FileArgumentTable()) {
    if (std::strcmp(entry.command, command) != 0) continue;
    for (size_t i : entry.positions) {
      std::error_code error;
      if (i < args.size()) args[i] = std::filesystem::absolute(args[i], error).string();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintHelp();
    return argc < 2 ? 2 : 0;
  }
  vostrane::SetLockPatienceMs(kBatchLockPatienceMs);
  vostrane::SetLockWaitReporter([](const std::string& holder) {
    std::fprintf(stderr, "vostrane-batch: %s; waiting up to %d s\n",
                 holder.empty() ? "a file is locked by another program" : holder.c_str(),
                 kBatchLockPatienceMs / 1000);
  });
  vostrane::batch::Args args(argv + 2, argv + argc);
  if (vostrane::InstalledDataFolder(vostrane::ProgramFolder())) {
    MakeFileArgumentsAbsolute(argv[1], args);
    std::string error;
    if (!vostrane::EnterUserFolderWhenInstalled(error)) {
      std::fprintf(stderr, "vostrane-batch: %s\n", error.c_str());
      return 1;
    }
  }
  for (const auto& c : vostrane::batch::Commands()) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
      // Every command but version reads the installation's files (render
      // leaves that to the drawing program it starts).
#if defined(VOSTRANE_BATCH_RENDER_PROGRAM)
    const bool delegated = c.run == vostrane::batch::RunRender || c.run == vostrane::batch::RunGraph;
#else
    const bool delegated = false;
#endif
    if (c.run != vostrane::batch::RunVersion && !delegated) vostrane::ReportManifestProblem();
    const int status = c.run(args);
    return status == 0 && vostrane::ConsoleErrorCount() > 0 ? 1 : status;
  }
  std::fprintf(stderr, "vostrane-batch: unknown command '%s' (see --help)\n", argv[1]);
  return 2;
}
