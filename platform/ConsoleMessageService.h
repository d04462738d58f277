// SPDX-License-Identifier: GPL-3.0-or-later
// Message service without windows: writes every message to standard error.
// Questions are answered with a fixed answer (the batch tool runs unattended).
#pragma once

#include "platform/MessageService.h"

namespace vostrane {

// The number of error messages every console service of this process has
// written: the batch tool fails a run that wrote one.
int ConsoleErrorCount();

class ConsoleMessageService : public MessageService {
 public:
  explicit ConsoleMessageService(MsgAnswer questionAnswer = MsgAnswer::No)
      : questionAnswer_(questionAnswer) {}
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override;

 private:
  MsgAnswer questionAnswer_;
};

}  // namespace vostrane
