// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ConsoleMessageService.h"

#include <cstdio>

#include "platform/CodePage.h"

namespace vostrane {
namespace {
int g_errors = 0;
}  // namespace

int ConsoleErrorCount() { return g_errors; }

MsgAnswer ConsoleMessageService::Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                      const std::string& /*caption*/) {
  // One line per message on stderr: the caption is left out.
  const char* kind = icon == MsgIcon::Error ? "error" : icon == MsgIcon::Warning ? "warning" : "note";
  if (icon == MsgIcon::Error) ++g_errors;
  std::string flat;
  for (char c : Cp1252ToUtf8(text)) {
    if (c == '\r') continue;
    flat += c == '\n' ? ' ' : c;
  }
  std::fprintf(stderr, "%s: %s\n", kind, flat.c_str());
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  std::fprintf(stderr, "  (answered %s)\n", questionAnswer_ == MsgAnswer::Yes ? "Yes" : "No");
  return questionAnswer_;
}

}  // namespace vostrane
