// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstTablesRelease.h"

#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

// The release name with its line end; a damaged, huge file is not read further.
constexpr size_t kReadLimit = 64;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::optional<std::string> ParseDstRelease(const std::string& line) {
  std::string text = TrimRightOf(line, "\n\r ");
  if (text.size() < 5 || text.size() > 6) return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i)
    if (i < 4 ? !IsDigit(text[i]) : !IsLower(text[i])) return std::nullopt;
  return text;
}

int DstReleaseYear(const std::string& release) {
  int year = 0;
  for (size_t i = 0; i < release.size() && i < 4 && IsDigit(release[i]); ++i)
    year = year * 10 + (release[i] - '0');
  return year;
}

std::optional<std::string> DstTablesRelease() {
  // A file that differs from the installation's list names no release.
  if (!CheckInstalledFile(kDstReleaseFileName).ok()) return std::nullopt;
  const std::optional<std::string> bytes = ReadFileStart(kDstReleaseFileName, kReadLimit);
  if (!bytes) return std::nullopt;
  return ParseDstRelease(bytes->substr(0, bytes->find('\n')));
}

}  // namespace vostrane
