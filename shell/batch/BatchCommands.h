// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-commands of vostrane-batch. Each takes the arguments after its
// name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace vostrane::batch {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // arguments, shown by --help
  const char* summary;  // one line, shown by --help
  int (*run)(const Args& args);
};

// Every sub-command, in the order --help lists them.
const std::vector<Command>& Commands();

int RunVersion(const Args& args);
int RunCalc(const Args& args);
int RunDump(const Args& args);
int RunNew(const Args& args);
int RunRender(const Args& args);
int RunPlace(const Args& args);
int RunChartCsv(const Args& args);
int RunDerive(const Args& args);
int RunImport(const Args& args);
int RunExport(const Args& args);
int RunEvents(const Args& args);
int RunGraph(const Args& args);

}  // namespace vostrane::batch
