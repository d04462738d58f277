#include "viewer/ViewerState.h"

namespace vostrane {

bool ExitProcedure(ViewerFlags& flags, ExitCommand command, int currentEntry) {
  switch (command) {
    case ExitCommand::ClearAll: return ExitToRunState(flags, RunPhase::NewList);
    case ExitCommand::ExitToMenu: return ExitToRunState(flags, RunPhase::MainMenu);
    case ExitCommand::AppendChart: return ExitToRunState(flags, RunPhase::AppendEntry);
    case ExitCommand::EditEntries: return ExitToRunState(flags, RunPhase::EditEntries, currentEntry);
  }
  return false;
}

bool ExitToRunState(ViewerFlags& flags, std::optional<RunPhase> state, int currentEntry) {
  if (flags.Busy() || !state || *state == RunPhase::CalculateAndShow) return false;
  RunState = *state;
  RunStateEntry = *state == RunPhase::EditEntries ? currentEntry : 0;
  flags.exitFlag = true;
  return true;
}

bool ExitToShowEntry(ViewerFlags& flags, int entry) {
  if (flags.Busy() || entry < 1) return false;
  RunState = RunPhase::CalculateAndShow;
  RunStateEntry = entry;
  flags.exitFlag = true;
  return true;
}

bool ExitToCompare(ViewerFlags& flags, int base, int other) {
  if (other < 1 || !ExitToShowEntry(flags, base)) return false;
  NextComparison = {base, other};
  return true;
}

void ViewerClosing(const ViewerFlags& flags) {
  if (!flags.exitFlag) RunState = RunPhase::MainMenu;
}

}  // namespace vostrane
