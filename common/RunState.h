// The state that steers the shell's loop between data entry, calculation and
// viewing. The birth data form and the viewer set it.
#pragma once

namespace vostrane {

enum class RunPhase {
  NewList,           // a new session: the list is kept as the backup, then data entry
  CalculateAndShow,  // calculate the list and show it in the viewer
  MainMenu,          // back to the main menu
  AppendEntry,       // back to data entry with a new chart appended to the list
  EditEntries,       // back to data entry with the list as it is, entry RunStateEntry shown
};

inline RunPhase RunState = RunPhase::MainMenu;
// With EditEntries: the entry (1-based) the birth data form shows first.
inline int RunStateEntry = 0;

}  // namespace vostrane
