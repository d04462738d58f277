// SPDX-License-Identifier: GPL-3.0-or-later
// Message service for tests: records every message and answers questions
// from a script. An unscripted question is answered with the default answer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageService.h"

namespace vostrane {

struct ShownMessage {
  std::string text;
  MsgIcon icon;
  MsgButtons buttons;
  std::string caption;
  std::vector<std::string> choices;  // the button texts of a Choose question
};

class ScriptedMessageService : public MessageService {
 public:
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override;
  int Choose(const std::string& text, const std::vector<std::string>& choices, MsgIcon icon,
             const std::string& caption) override;

  void Answer(MsgAnswer answer) { answers_.push_back(answer); }
  // The index a Choose question answers; unscripted ones answer the last
  // choice (as Escape would).
  void AnswerChoice(int index) { choiceAnswers_.push_back(index); }
  void SetDefaultAnswer(MsgAnswer answer) { defaultAnswer_ = answer; }
  const std::vector<ShownMessage>& Shown() const { return shown_; }
  // True when some shown message contains the fragment.
  bool Saw(const std::string& fragment) const;
  int Count(const std::string& fragment) const;
  void Clear() {
    shown_.clear();
    answers_.clear();
    choiceAnswers_.clear();
  }

 private:
  std::deque<MsgAnswer> answers_;
  std::deque<int> choiceAnswers_;
  std::vector<ShownMessage> shown_;
  MsgAnswer defaultAnswer_ = MsgAnswer::No;
};

// Installs a scripted service for the lifetime of the object.
class ScopedScriptedMessages {
 public:
  ScopedScriptedMessages() { SetMessageService(&service_); }
  ~ScopedScriptedMessages() { SetMessageService(nullptr); }
  ScriptedMessageService* operator->() { return &service_; }
  ScriptedMessageService& operator*() { return service_; }

 private:
  ScriptedMessageService service_;
};

}  // namespace vostrane
