// SPDX-License-Identifier: GPL-3.0-or-later
// Font families of the running program: the test for an installed family
// and adding a TrueType file of the working folder.
#pragma once

#include <string>

namespace vostrane {

// True when a family of exactly this name (case-sensitive) is available.
bool FontFamilyInstalled(const std::string& family);
// Adds the font file to the fonts of the running program; false on failure.
bool AddFontFile(const std::string& path);

}  // namespace vostrane
