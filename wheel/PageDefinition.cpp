// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/PageDefinition.h"

#include <cctype>
#include <sstream>

#include "common/NumberedLines.h"
#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"

namespace vostrane {

namespace {
constexpr int kLineCount = 6;
constexpr int kLargestValue = 32767;
constexpr size_t kPageDefinitionLimit = 64 * 1024;

// The run of leading digits of a line; kBadPageValue when the line does not
// begin with a digit or the number is too large to be a margin or a count.
int LineValue(const std::string& line, bool& bad) {
  bad = line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]));
  if (bad) return kBadPageValue;
  long value = 0;
  for (size_t i = 0; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
    value = value * 10 + (line[i] - '0');
    if (value > kLargestValue) {
      bad = true;
      return kBadPageValue;
    }
  }
  return static_cast<int>(value);
}
}  // namespace

bool ReadPageDefinition(PageDefinition& def, const std::string& path) {
  // Six short lines; what lies beyond the first 64 KiB of a damaged, huge
  // file counts as missing lines.
  if (const FileCheck check = CheckInstalledFile(path);
      !check.ok() && check.state != FileState::Missing) {
    ShowMessage(DamagedFileText(kPageDefinitionFileName, check, 0), MsgIcon::Error);
    return false;
  }
  const auto text = ReadFileStart(path, kPageDefinitionLimit);
  if (!text) {
    ShowMessage("ERROR!!!!  Unable to read file PAGEW.DEF.  Please re-install PAGEW.DEF file",
                MsgIcon::Error);
    return false;
  }
  int* fields[kLineCount] = {&def.topMargin,  &def.bottomMargin, &def.lines,
                             &def.leftMargin, &def.rightMargin,  &def.sixth};
  bool ok = true;
  std::istringstream in(*text);
  NumberedLines lines(in);
  for (int n = 1; n <= kLineCount; ++n) {
    NumberedLine line;
    if (!lines.Next(line)) {
      ShowMessage("ERROR!!!!  Unable to read line " + std::to_string(n) +
                      " from PAGEW.DEF.  Please re-install PAGEW.DEF file.",
                  MsgIcon::Error);
      return false;
    }
    bool bad = false;
    *fields[n - 1] = LineValue(line.text, bad);
    if (bad) {
      ShowMessage("ERROR!!!!!  Bad data in file PAGEW.DEF.  Please re-install PAGEW.DEF file.",
                  MsgIcon::Error);
      ok = false;
    }
  }
  return ok;
}

}  // namespace vostrane
