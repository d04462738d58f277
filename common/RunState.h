// SPDX-License-Identifier: GPL-3.0-or-later
// The state that steers the shell's loop between data entry, calculation and
// viewing. The shell owns one and hands it to the birth data form and the
// viewer, which set it before they return.
#pragma once

namespace vostrane {

enum class RunPhase {
  NewList,           // a new session: the list is kept as the backup, then data entry
  CalculateAndShow,  // calculate the list and show it in the viewer
  MainMenu,          // back to the main menu
  AppendEntry,       // back to data entry with a new chart appended to the list
  EditEntries,       // back to data entry with the list as it is, entry `entryToShow` shown
};

// A comparison with a chart still to be calculated (a person of the name
// file appended to the list): the next viewing opens at `base` with `other`
// drawn outside it.
struct PendingComparison {
  int base = 0, other = 0;
};

struct ShellState {
  RunPhase phase = RunPhase::MainMenu;
  // With EditEntries: the entry (1-based) the birth data form shows first.
  // With CalculateAndShow: the entry the next viewing opens at (0 the first).
  int entryToShow = 0;
  // Set by the viewer for the viewing after the next calculation.
  PendingComparison nextComparison;
};

}  // namespace vostrane
