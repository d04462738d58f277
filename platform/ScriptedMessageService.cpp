// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedMessageService.h"

#include <cstdio>

namespace vostrane {

MsgAnswer ScriptedMessageService::Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                       const std::string& caption) {
  shown_.push_back({text, icon, buttons, caption, {}});
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (answers_.empty()) return defaultAnswer_;
  const MsgAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int ScriptedMessageService::Choose(const std::string& text, const std::vector<std::string>& choices,
                                   MsgIcon icon, const std::string& caption) {
  shown_.push_back({text, icon, MsgButtons::Ok, caption, choices});
  const int last = choices.empty() ? 0 : static_cast<int>(choices.size()) - 1;
  if (choiceAnswers_.empty()) return last;
  const int answer = choiceAnswers_.front();
  choiceAnswers_.pop_front();
  return answer;
}

bool ScriptedMessageService::Saw(const std::string& fragment) const { return Count(fragment) > 0; }

int ScriptedMessageService::Count(const std::string& fragment) const {
  int n = 0;
  for (const auto& m : shown_)
    if (m.text.find(fragment) != std::string::npos) ++n;
  return n;
}

}  // namespace vostrane
