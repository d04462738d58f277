// SPDX-License-Identifier: GPL-3.0-or-later
// One service through which every message box of the program goes, so that
// the GUI shows real dialogs, the batch tool writes to standard error and the
// tests script the answers to modal questions.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vostrane {

enum class MsgIcon { None, Information, Confirmation, Warning, Error };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Shows a modal message and returns the user's answer. Texts are in the
  // program's code page (Windows-1252) and may hold "\r\n" line breaks.
  virtual MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                         const std::string& caption) = 0;
  // A question whose buttons carry the given texts, the first one the
  // default and the last one the answer to Escape. Returns the index of the
  // button chosen. A service without buttons of its own shows the text with
  // the choices and answers the last one.
  virtual int Choose(const std::string& text, const std::vector<std::string>& choices, MsgIcon icon,
                     const std::string& caption);
};

// The service in use; a console service until the program installs another.
MessageService& Messages();
// Installs a service (not owned); nullptr restores the console service.
void SetMessageService(MessageService* service);

void ShowMessage(const std::string& text, MsgIcon icon = MsgIcon::None,
                 const std::string& caption = "Vostrane");
bool AskYesNo(const std::string& text, MsgIcon icon = MsgIcon::Confirmation,
              const std::string& caption = "Vostrane");
// Asks with the choices as buttons; the index of the one chosen.
int AskChoice(const std::string& text, const std::vector<std::string>& choices,
              MsgIcon icon = MsgIcon::Confirmation, const std::string& caption = "Vostrane");

// Work to do before the process ends after a fatal message (closing files).
// Returns a handle for RemoveShutdownHook.
int AddShutdownHook(std::function<void()> hook);
void RemoveShutdownHook(int handle);

// "Program ended": shows the message as an error, runs the shutdown hooks
// (last added first) and ends the process with a non-zero status.
[[noreturn]] void EndProgram(const std::string& text);

}  // namespace vostrane
