// SPDX-License-Identifier: GPL-3.0-or-later
// The small start-up and clean-up file chores of the shell: the screen
// selection marker, the About text, the control files handed over to the
// "TCTL" folder, and the printout files erased after each viewing.
#pragma once

#include <string>
#include <vector>

namespace vostrane {

inline constexpr const char* kScreenSelectionFileName = "SCRSEL.DAT";
inline constexpr const char* kNarrowScreenNote =
    "Your screen display is in 640x480 resolution. Vostrane has more features (in particular, "
    "more options while viewing printouts on the screen) when the display is in 800x600 "
    "resolution.";

// Updates "SCRSEL.DAT" for a screen of the given width and tells whether the
// narrow-screen note is to be shown (once, on the first narrow start).
bool UpdateScreenSelection(int screenWidth);

// The first three lines of "y.dat" without trailing blanks; empty when the
// file does not exist.
std::vector<std::string> ReadAboutLines();

// Moves every "?ctl*.dat" file of the working folder into the sub-folder
// "TCTL" (created for the first one).
void MoveControlFilesToTctl();

// The entry number of a per-entry file "CTY" + n + ".FIL" as read from its
// fourth and fifth characters.
int CtyEntryNumber(const std::string& name);

// Erases "*.BMP" and "*.REP" files and the per-entry files whose entry number
// is not below the session file's record count.
void EraseOldPrintoutFiles();

}  // namespace vostrane
