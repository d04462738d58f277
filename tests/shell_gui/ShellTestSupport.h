// What the main-window tests share: the scripted run states the phases
// leave with, and the small control and message-text files a main window
// needs to start in a test folder.
#pragma once

#include <deque>
#include <string>

#include "tests/support/TempFolder.h"

namespace vostrane::test {

// The next scripted run state; 'Q' once the script is used up.
inline char NextState(std::deque<char>& states) {
  if (states.empty()) return 'Q';
  const char c = states.front();
  states.pop_front();
  return c;
}

// Three message texts and a control record of 'N' letters.
inline void WriteShellFiles(const TempFolder& folder) {
  std::string texts;
  for (int k = 1; k <= 3; ++k) texts += std::string(1, '\x04') + "text" + std::string(66, ' ');
  folder.Write("QIRTEXT.DAT", texts);
  folder.Write("ZORCTRL.DAT", std::string(641, 'N'));
}

}  // namespace vostrane::test
