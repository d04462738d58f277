// SPDX-License-Identifier: GPL-3.0-or-later
// The release of the IANA time zone database that the daylight-time tables
// were generated from (such as "2025b"), kept in "DSTVER.DAT" beside them:
// one line, the release name.
#pragma once

#include <optional>
#include <string>

namespace vostrane {

inline constexpr const char* kDstReleaseFileName = "DSTVER.DAT";

// The release named by a line: four digits of the year and one or two
// lower-case letters; nullopt for anything else.
std::optional<std::string> ParseDstRelease(const std::string& line);
// The year of a release name ("2025b" gives 2025).
int DstReleaseYear(const std::string& release);

// The release named in "DSTVER.DAT" of the working folder; nullopt when the
// file is missing or does not hold a release name.
std::optional<std::string> DstTablesRelease();

}  // namespace vostrane
