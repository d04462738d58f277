// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ViewerState.h"

namespace vostrane {

bool ExitProcedure(ShellState& shell, ViewerFlags& flags, ExitCommand command, int currentEntry) {
  switch (command) {
    case ExitCommand::ClearAll: return ExitToPhase(shell, flags, RunPhase::NewList);
    case ExitCommand::ExitToMenu: return ExitToPhase(shell, flags, RunPhase::MainMenu);
    case ExitCommand::AppendChart: return ExitToPhase(shell, flags, RunPhase::AppendEntry);
    case ExitCommand::EditEntries: return ExitToPhase(shell, flags, RunPhase::EditEntries, currentEntry);
  }
  return false;
}

bool ExitToPhase(ShellState& shell, ViewerFlags& flags, std::optional<RunPhase> phase,
                 int currentEntry) {
  if (flags.Busy() || !phase || *phase == RunPhase::CalculateAndShow) return false;
  shell.phase = *phase;
  shell.entryToShow = *phase == RunPhase::EditEntries ? currentEntry : 0;
  flags.exitFlag = true;
  return true;
}

bool ExitToShowEntry(ShellState& shell, ViewerFlags& flags, int entry) {
  if (flags.Busy() || entry < 1) return false;
  shell.phase = RunPhase::CalculateAndShow;
  shell.entryToShow = entry;
  flags.exitFlag = true;
  return true;
}

bool ExitToCompare(ShellState& shell, ViewerFlags& flags, int base, int other) {
  if (other < 1 || !ExitToShowEntry(shell, flags, base)) return false;
  shell.nextComparison = {base, other};
  return true;
}

void ViewerClosing(ShellState& shell, const ViewerFlags& flags) {
  if (!flags.exitFlag) shell.phase = RunPhase::MainMenu;
}

}  // namespace vostrane
