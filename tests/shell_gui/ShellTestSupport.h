// SPDX-License-Identifier: GPL-3.0-or-later
// What the main-window tests share: the scripted run states the phases
// leave with, and the small control and message-text files a main window
// needs to start in a test folder.
#pragma once

#include <deque>
#include <string>

#include "common/RunState.h"
#include "tests/support/ControlRecordBytes.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

// A short name of a run state for the phase logs.
inline std::string PhaseLetter(RunPhase phase) {
  switch (phase) {
    case RunPhase::NewList: return "N";
    case RunPhase::CalculateAndShow: return "S";
    case RunPhase::MainMenu: return "Q";
    case RunPhase::AppendEntry: return "A";
    case RunPhase::EditEntries: return "E";
  }
  return "?";
}

// The next scripted run state; MainMenu once the script is used up.
inline RunPhase NextState(std::deque<RunPhase>& states) {
  if (states.empty()) return RunPhase::MainMenu;
  const RunPhase c = states.front();
  states.pop_front();
  return c;
}

// Three message texts and a control record of 'N' letters.
inline void WriteShellFiles(const TempFolder& folder) {
  std::string texts;
  for (int k = 1; k <= 3; ++k) texts += std::string(1, '\x04') + "text" + std::string(66, ' ');
  folder.Write("QIRTEXT.DAT", texts);
  folder.Write("ZORCTRL.DAT", InRangeControlBytes(std::string(641, 'N')));
}

}  // namespace vostrane::test
