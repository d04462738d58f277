// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/ConsoleMessageService.h"

namespace vostrane {
namespace {

ConsoleMessageService& ConsoleService() {
  static ConsoleMessageService service;
  return service;
}

MessageService* g_service = nullptr;

std::map<int, std::function<void()>>& Hooks() {
  static std::map<int, std::function<void()>> hooks;
  return hooks;
}
int g_nextHook = 1;

}  // namespace

MessageService& Messages() { return g_service ? *g_service : ConsoleService(); }

void SetMessageService(MessageService* service) { g_service = service; }

void ShowMessage(const std::string& text, MsgIcon icon, const std::string& caption) {
  Messages().Show(text, icon, MsgButtons::Ok, caption);
}

bool AskYesNo(const std::string& text, MsgIcon icon, const std::string& caption) {
  return Messages().Show(text, icon, MsgButtons::YesNo, caption) == MsgAnswer::Yes;
}

int MessageService::Choose(const std::string& text, const std::vector<std::string>& choices,
                           MsgIcon icon, const std::string& caption) {
  std::string listed = text;
  for (size_t i = 0; i < choices.size(); ++i)
    listed += "\r\n  " + std::to_string(i + 1) + ". " + choices[i];
  Show(listed, icon, MsgButtons::Ok, caption);
  return choices.empty() ? 0 : static_cast<int>(choices.size()) - 1;
}

int AskChoice(const std::string& text, const std::vector<std::string>& choices, MsgIcon icon,
              const std::string& caption) {
  return Messages().Choose(text, choices, icon, caption);
}

int AddShutdownHook(std::function<void()> hook) {
  const int handle = g_nextHook++;
  Hooks()[handle] = std::move(hook);
  return handle;
}

void RemoveShutdownHook(int handle) { Hooks().erase(handle); }

void EndProgram(const std::string& text) {
  Messages().Show(text, MsgIcon::Error, MsgButtons::Ok, "Vostrane");
  // Run the hooks newest first, each once, even if a hook adds or removes hooks.
  while (!Hooks().empty()) {
    auto last = std::prev(Hooks().end());
    auto hook = std::move(last->second);
    Hooks().erase(last);
    if (hook) hook();
  }
  std::fflush(nullptr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace vostrane
