// SPDX-License-Identifier: GPL-3.0-or-later
// The file a printout goes to when no printer is installed: a PDF file in
// the working folder named after the entry. An existing file is never
// replaced: a second printout of the same name gets "-2", then "-3", ...
#pragma once

#include <string>

namespace vostrane {

inline constexpr int kMaxPrintoutFileNumber = 999;

// The entry's name (Windows-1252) as a plain file name part: letters and
// digits, accented Latin letters without their accents, every other run of
// characters one "_", at most 40 characters; "Entry" + the entry number when
// nothing is left.
std::string PrintoutFileBase(const std::string& name, int entry);

// The first name among base.pdf, base-2.pdf, ... base-999.pdf that names no
// file in `folder` ("" the working folder), with the folder in front; ""
// when every one is taken.
std::string FreePrintoutFileName(const std::string& folder, const std::string& base);

}  // namespace vostrane
