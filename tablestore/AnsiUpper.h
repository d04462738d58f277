// SPDX-License-Identifier: GPL-3.0-or-later
// Upper-casing in the tables' code page (Windows-1252), as the UPPER() of key
// expressions does it. Callers build seek keys with the same function so that
// typed text and stored keys agree byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace vostrane {

char UpperAnsiChar(char c);
std::string UpperAnsi(std::string_view text);

}  // namespace vostrane
