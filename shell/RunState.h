// The one-character state that steers the shell's loop between data entry,
// calculation and viewing: 'N' new session, 'S' calculate and show, 'Q' back
// to the main menu. The birth data form and the viewer set it.
#pragma once

namespace vostrane {

inline char RunState = 'Q';

}  // namespace vostrane
