// The viewer's state that the drawing and the commands share: the output
// device, and the busy, continue and exit flags with the exit commands.
#pragma once

#include <optional>

#include "common/RunState.h"
#include "wheel/PageMetrics.h"

namespace vostrane {

// The output device of the drawing engine: the screen while a page is shown
// in the viewer, the printer while it goes to the printer.
inline OutputDevice CurrentOutputDevice = OutputDevice::Screen;

struct ViewerFlags {
  // 0 idle, 1 while a page is assembled, 2 while the print command runs:
  // entry selection, printing and the exit commands are ignored meanwhile.
  int busy = 0;
  // Set when a display begins; the end of a page on the screen clears it.
  bool continueFlag = false;
  // Set when an exit command closes the viewer, cleared when it opens.
  bool exitFlag = false;

  bool Busy() const { return busy != 0; }
};

// The viewer's exit commands.
enum class ExitCommand {
  ClearAll,     // "Clear All Entries and Start New List": RunPhase::NewList
  ExitToMenu,   // "&Yes: Exit to Opening Screen": RunPhase::MainMenu
  AppendChart,  // "Add a Chart to the List": RunPhase::AppendEntry
  EditEntries,  // "Edit Entries": RunPhase::EditEntries with `currentEntry`
};

// Sets the RunState of the command and the exit flag. Returns true when the
// viewer is to close; false (nothing changed) while busy.
bool ExitProcedure(ViewerFlags& flags, ExitCommand command, int currentEntry = 0);

// The exit menu's choices: closes with the given RunState (NewList,
// AppendEntry or MainMenu; EditEntries with `currentEntry`); no choice (the
// menu cancelled) and CalculateAndShow leave everything as it was.
// Ignored while busy. Returns true when the viewer is to close.
bool ExitToRunState(ViewerFlags& flags, std::optional<RunPhase> state, int currentEntry = 0);

// After a chart was appended to the list: closes with RunState
// CalculateAndShow (the shell calculates the list again and shows it) and
// RunStateEntry `entry`, the entry the next viewing opens at. Ignored while
// busy.
bool ExitToShowEntry(ViewerFlags& flags, int entry);

// A comparison with a chart still to be calculated (a person of the name
// file appended to the list): the next viewing opens at `base` with `other`
// drawn outside it.
struct PendingComparison {
  int base = 0, other = 0;
};
inline PendingComparison NextComparison;

// Closes as ExitToShowEntry does, at `base`, and keeps the comparison with
// `other` for the next viewing. Ignored while busy.
bool ExitToCompare(ViewerFlags& flags, int base, int other);

// What closing the viewer does to RunState: a window closed by its title bar
// (exit flag clear) goes back to the main menu.
void ViewerClosing(const ViewerFlags& flags);

}  // namespace vostrane
