#include "viewer/ViewerState.h"

#include "common/RunState.h"

namespace vostrane {

bool ExitProcedure(ViewerFlags& flags, char command, int currentEntry) {
  if (command == 'M') return ExitToRunState(flags, 'Q');
  if (command == 'N' || command == 'A' || command == 'E')
    return ExitToRunState(flags, command, currentEntry);
  return false;
}

bool ExitToRunState(ViewerFlags& flags, char state, int currentEntry) {
  if (flags.Busy()) return false;
  if (state != 'N' && state != 'Q' && state != 'A' && state != 'E') return false;
  RunState = state;
  RunStateEntry = state == 'E' ? currentEntry : 0;
  flags.exitFlag = true;
  return true;
}

bool ExitToShowEntry(ViewerFlags& flags, int entry) {
  if (flags.Busy() || entry < 1) return false;
  RunState = 'S';
  RunStateEntry = entry;
  flags.exitFlag = true;
  return true;
}

void ViewerClosing(const ViewerFlags& flags) {
  if (!flags.exitFlag) RunState = 'Q';
}

}  // namespace vostrane
