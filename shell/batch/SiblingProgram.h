// SPDX-License-Identifier: GPL-3.0-or-later
// Hands a command over to another program of the installation folder.
#pragma once

#include "shell/batch/BatchCommands.h"

namespace vostrane::batch {

// Replaces this process by `program` (a file name in the folder of this
// program's own executable) run as `program command args...`; its exit
// status becomes this command's. Returns 1, with a message, only when the
// program cannot be started.
int RunSiblingProgram(const char* program, const char* command, const Args& args);

}  // namespace vostrane::batch
