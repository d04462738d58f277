// SPDX-License-Identifier: GPL-3.0-or-later
// Shared scaffolding of the fuzz targets: a private temporary working folder
// (the program opens its files by bare name), a message service that keeps
// the messages of one input, and a way to run a reader whose fatal path would
// end the process: the end is turned into a return, and a fatal end that did
// not show a message ending in "Program ended." is reported as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ScriptedMessageService.h"

namespace vostrane::fuzz {

// Makes a fresh temporary folder the working folder (once per process) and
// installs the quiet message service. Returns the folder's path.
const std::string& EnterFuzzFolder();
// The messages of the current input (cleared by BeginInput).
ScriptedMessageService& Shown();
// Clears the messages and removes every file of the working folder.
void BeginInput();
// Writes the bytes as a file of the working folder.
void WriteFile(const std::string& name, const uint8_t* data, size_t size);
void WriteFile(const std::string& name, const std::string& bytes);
// Links a file of the installation folder (VOSTRANE_INSTALL_DIR) into the
// working folder when it exists there; the program only reads it.
void LinkInstallFile(const std::string& name);
// Runs the reader; true when it returned, false when it ended the program
// with its message.
bool RunReader(const std::function<void()>& reader);
// Stops the process as a crash with the given reason (a broken promise of
// a reader, found by a target's own check).
[[noreturn]] void Fail(const char* reason);

}  // namespace vostrane::fuzz
