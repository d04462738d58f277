// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's state that the drawing and the commands share: the busy,
// continue and exit flags, and the exit commands that set the shell's state.
#pragma once

#include <optional>

#include "common/RunState.h"
#include "wheel/PageMetrics.h"

namespace vostrane {

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

// Sets the shell's phase of the command and the exit flag. Returns true when
// the viewer is to close; false (nothing changed) while busy.
bool ExitProcedure(ShellState& shell, ViewerFlags& flags, ExitCommand command, int currentEntry = 0);

// The exit menu's choices: closes with the given phase (NewList,
// AppendEntry or MainMenu; EditEntries with `currentEntry`); no choice (the
// menu cancelled) and CalculateAndShow leave everything as it was.
// Ignored while busy. Returns true when the viewer is to close.
bool ExitToPhase(ShellState& shell, ViewerFlags& flags, std::optional<RunPhase> phase,
                 int currentEntry = 0);

// After a chart was appended to the list: closes with the phase
// CalculateAndShow (the shell calculates the list again and shows it) and
// `entry` as the entry the next viewing opens at. Ignored while busy.
bool ExitToShowEntry(ShellState& shell, ViewerFlags& flags, int entry);

// Closes as ExitToShowEntry does, at `base`, and keeps the comparison with
// `other` for the next viewing. Ignored while busy.
bool ExitToCompare(ShellState& shell, ViewerFlags& flags, int base, int other);

// What closing the viewer does to the shell's phase: a window closed by its
// title bar (exit flag clear) goes back to the main menu.
void ViewerClosing(ShellState& shell, const ViewerFlags& flags);

}  // namespace vostrane
