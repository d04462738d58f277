// The viewer's state that the drawing and the commands share: the output
// device, and the busy, continue and exit flags with the exit commands.
#pragma once

namespace vostrane {

// The output device of the drawing engine: 'S' while a page is shown on the
// screen, 'P' while it goes to the printer.
inline char OutputDevice = 'S';

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

// The exit commands: 'N' ("Clear All Entries and Start New List") sets
// RunState 'N', 'M' ("&Yes: Exit to Opening Screen") sets 'Q', 'A' ("Add a
// Chart to the List") sets 'A', 'E' ("Edit Entries") sets 'E' with
// `currentEntry` as the entry to edit; each sets the exit flag. Returns true
// when the viewer is to close; false (nothing changed) while busy or for
// another letter.
bool ExitProcedure(ViewerFlags& flags, char command, int currentEntry = 0);

// The exit menu's choices: closes with the given RunState ('N', 'A' or 'Q';
// 'E' with `currentEntry`); 'X' (cancel) leaves everything as it was. 'S'
// (a chart was appended) closes to calculate the list again and show entry
// `currentEntry`.
// Ignored while busy. Returns true when the viewer is to close.
bool ExitToRunState(ViewerFlags& flags, char state, int currentEntry = 0);

// After a chart was appended to the list: closes with RunState 'S' (the
// shell calculates the list again and shows it) and RunStateEntry `entry`,
// the entry the next viewing opens at. Ignored while busy.
bool ExitToShowEntry(ViewerFlags& flags, int entry);

// What closing the viewer does to RunState: a window closed by its title bar
// (exit flag clear) goes back to the main menu.
void ViewerClosing(const ViewerFlags& flags);

}  // namespace vostrane
