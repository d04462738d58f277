// The one-character state that steers the shell's loop between data entry,
// calculation and viewing: 'N' new session, 'S' calculate and show, 'Q' back
// to the main menu, 'A' back to data entry with a new chart appended to the
// list, 'E' back to data entry with the list as it is, entry
// `RunStateEntry` shown. The birth data form and the viewer set it.
#pragma once

namespace vostrane {

inline char RunState = 'Q';
// With 'E': the entry (1-based) the birth data form shows first.
inline int RunStateEntry = 0;

}  // namespace vostrane
