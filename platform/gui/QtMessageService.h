// SPDX-License-Identifier: GPL-3.0-or-later
// The message service of the windowed program: modal Qt message boxes.
#pragma once

#include <QString>

#include "platform/MessageService.h"

namespace vostrane {

class QtMessageService : public MessageService {
 public:
  MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                 const std::string& caption) override;
  int Choose(const std::string& text, const std::vector<std::string>& choices, MsgIcon icon,
             const std::string& caption) override;
};

// A program text (Windows-1252, "\r\n" breaks) as a Qt string.
QString ToQt(const std::string& text);
// A Qt string as a program text (Windows-1252).
std::string FromQt(const QString& text);

}  // namespace vostrane
