#include "viewer/ViewerState.h"

#include "shell/RunState.h"

namespace vostrane {

bool ExitProcedure(ViewerFlags& flags, char command) {
  if (command == 'N') return ExitToRunState(flags, 'N');
  if (command == 'M') return ExitToRunState(flags, 'Q');
  return false;
}

bool ExitToRunState(ViewerFlags& flags, char state) {
  if (flags.Busy() || (state != 'N' && state != 'Q')) return false;
  RunState = state;
  flags.exitFlag = true;
  return true;
}

void ViewerClosing(const ViewerFlags& flags) {
  if (!flags.exitFlag) RunState = 'Q';
}

}  // namespace vostrane
