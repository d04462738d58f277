// SPDX-License-Identifier: GPL-3.0-or-later
// F1 on the birth data form: the section of the user guide about the field
// that has the focus.
#pragma once

#include <string>

namespace vostrane {

// The guide's anchor for a field of the form (by its object name); the
// section about entering a chart for any other widget.
std::string HelpSectionOfField(const std::string& objectName);

}  // namespace vostrane
